#pragma once

#include "classe/ProgresAlumne.h"
#include "classe/ui/GraficProgres.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QChartView;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QStackedWidget;
class TriaPeriode;
struct Sessio;

// The progress chart of one pupil: for the activity and period chosen, the level of each series
// over the series played and, below, the errors of each. Reads the pupil's history once and never
// writes it. Modal and created for one use.
class fProgres : public QDialog {
    Q_OBJECT
public:
    static void Obre(QWidget* parent, const Sessio& sessio, const QString& nomAlumne);

    fProgres(const Sessio& sessio, const QString& nomAlumne, QWidget* parent = nullptr);

    // The printout's header: the pupil and title, the activity, the period, today's date.
    QStringList capcalera() const;
    // Paints the header and the charts as they stand onto one landscape page; false when there
    // is nothing to show or the printer cannot be written.
    bool imprimeix(QPrinter& impressora) const;
    static void preparaImpressora(QPrinter& impressora);

private:
    void mostra();
    void vistaPrevia();

    const Sessio& sessio_;
    const QString nom_;
    QList<SerieHistorial> series_;
    ProgresAlumne progres_;
    GraficProgres::Textos textos_;

    QComboBox* activitat_;
    TriaPeriode* periode_;
    QPushButton* imprimir_;
    QPushButton* tancar_;
    QStackedWidget* pila_;
    QChartView* nivells_;
    QChartView* errors_;
    QLabel* buit_;
};
