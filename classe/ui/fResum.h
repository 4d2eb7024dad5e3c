#pragma once

#include "classe/ResumClasse.h"

#include <QDialog>
#include <functional>

struct Sessio;
class TriaPeriode;
class QPushButton;
class QTableWidget;

// The class overview of the current group: the period chooser over a table of the pupils, their
// level in every activity the group includes (shaded light to dark as the pupil climbs) and the
// history figures of the period. A click on a heading sorts by it, a second click turns the order;
// Ctrl+Up and Ctrl+Down sort by the current cell's column. Double-click or Enter on a pupil opens
// that pupil's progress. Prints through the print preview and exports a spreadsheet file.
// Modal, created for one use.
class fResum : public QDialog {
    Q_OBJECT
public:
    // Opens a pupil's progress over `parent`; the progress chart unless replaced (tests).
    using ObreProgres = std::function<void(QWidget* parent, const QString& nomAlumne)>;
    // Chooses where the spreadsheet file goes: the dialog's title and filter (Qt form); empty
    // when cancelled.
    using TriaFitxer =
        std::function<QString(QWidget* parent, const QString& titol, const QString& filtre)>;

    static void Obre(QWidget* parent, const Sessio& sessio);
    // Replaces the save dialog (a QFileDialog unless replaced); an empty function restores it.
    static void posaTriaFitxer(TriaFitxer tria);

    fResum(const Sessio& sessio, ObreProgres obreProgres, QWidget* parent = nullptr);

    const ResumClasse& resum() const { return resum_; }

protected:
    bool eventFilter(QObject* objecte, QEvent* event) override;

private:
    void construeix();
    void omple();
    void mida();
    void periodeCanviat();
    void ordena(int columna, Qt::SortOrder ordre);
    void imprimeix();
    void exporta();
    void avisa(int id);

    const Sessio& sessio_;
    ObreProgres obreProgres_;
    ResumClasse resum_;
    TriaPeriode* periode_ = nullptr;
    QTableWidget* taula_ = nullptr;
    QPushButton* imprimir_ = nullptr;
    QPushButton* exportar_ = nullptr;
    QPushButton* tancar_ = nullptr;
};
