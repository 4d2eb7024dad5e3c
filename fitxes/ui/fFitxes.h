#pragma once

#include "core/LlistaAlumnes.h"
#include "core/TipusActivitat.h"
#include "fitxes/EncarrecFitxes.h"

#include <QDialog>

struct Sessio;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Paper worksheets for the current group: the activity (one the group includes), whom they are
// for (the selected pupil, some pupils ticked in a list, or the whole list), how many exercises,
// whether each sheet is followed by its answer key, and the seed of the first sheet. Prints
// through the print preview, every pupil's sheet at that pupil's own level. Modal, created for
// one use.
class fFitxes : public QDialog {
    Q_OBJECT
public:
    // `activitat` is the front page's current tab, taken as the first choice when it is one of
    // the group's activities.
    static void Obre(QWidget* parent, const Sessio& sessio,
                     TipusActivitat activitat = TipusActivitat::Portada);

    fFitxes(const Sessio& sessio, TipusActivitat activitat, QWidget* parent = nullptr);

    // The pupils the sheets are for, in list order.
    QList<FilaAlumne> triats() const;
    // The print as it stands; the error's text id when a pupil's level cannot be read.
    EncarrecFitxes::Peticio peticio(int* error = nullptr) const;

private:
    enum Qui { Triat, Diversos, Tots };

    void construeix();
    void omple(TipusActivitat activitat);
    void posaExercicis();
    void imprimeix();

    TipusActivitat activitat() const;

    const Sessio& sessio_;
    QList<FilaAlumne> alumnes_;
    int triat_ = -1; // the front page's selected pupil in `alumnes_`
    QComboBox* activitat_ = nullptr;
    QButtonGroup* qui_ = nullptr;
    QRadioButton* perQui_[3] = {};
    QListWidget* llista_ = nullptr;
    QSpinBox* exercicis_ = nullptr;
    QCheckBox* solucions_ = nullptr;
    QSpinBox* llavor_ = nullptr;
    QPushButton* imprimir_ = nullptr;
    QPushButton* tancar_ = nullptr;
};
