#pragma once

#include "records/EdicioRegistres.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

struct Sessio;
class SoundPlayer;
class UpDown;
class QLabel;
class QLineEdit;
class QPushButton;

// The records editor: adds pupils to the current group, edits one pupil's number, name, levels
// and picture, or deletes pupils, as chosen by the front page's tool. Modal, created for one use.
class Edicio : public QDialog {
    Q_OBJECT
public:
    // Chooses a picture file: the dialog's title and filter (Qt form); empty when cancelled.
    using TriaFitxer =
        std::function<QString(QWidget* parent, const QString& titol, const QString& filtre)>;

    // Opens the editor in `mode` (0 add, 1 edit, 2 delete) on `files`, the front page's rows of
    // `Relació` in grid order, showing row `filaActual` (0-based) in modes 1 and 2. `files` ends
    // as the list now stands, sorted; true when it changed (the front page then reads its list
    // again and selects its row). `so` plays the beeps; without one the desktop beeps.
    static bool Obre(Sessio& sessio, int mode, QList<QStringList>& files, int filaActual,
                     SoundPlayer* so, QWidget* parent);

    // Replaces the file dialog that chooses a picture or a class list (a QFileDialog unless
    // replaced); an empty function restores it.
    static void posaTriaFitxer(TriaFitxer tria);

    Edicio(Sessio& sessio, EdicioRegistres::Mode mode, QList<QStringList>& files, int filaActual,
           SoundPlayer* so, QWidget* parent = nullptr);

    const EdicioRegistres& edicio() const { return edicio_; }

    // The picture dialog's filter: the string table's "Description|*.a;*.b" made Qt's
    // "Description (*.a *.b)", with PNG and JPEG pictures accepted too.
    static QString filtre(const QString& text);

public slots:
    // Closing asks whether deleted rows go for good.
    void done(int result) override;

private:
    void construeix();
    void posaTextos();
    void mostraCamps();
    void mostraImatge();
    QString text(int id) const;

    void nomEditat(const QString& text);
    void triaImatge();
    void esborraImatge();
    void accio();
    // Brings in a class list chosen from a file, once the teacher has seen and confirmed it.
    void importa();
    void mou(int passos);
    // Says why an add or an edit was not stored; true when it was.
    bool avisa(EdicioRegistres::Resultat resultat);
    void avisaError();

    Sessio& sessio_;
    EdicioRegistres edicio_;
    SoundPlayer* so_;

    QLabel* etiqueta_[6] = {};
    QLabel* num_ = nullptr;
    UpDown* upNum_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QLabel* activitat_[10] = {};
    QLabel* nValor_[10] = {};
    UpDown* upAct_[10] = {};
    QPushButton* imatge_ = nullptr;
    QPushButton* esborrar_ = nullptr;
    QPushButton* mou_[4] = {};
    QPushButton* importa_ = nullptr;
};
