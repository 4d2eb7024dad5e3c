#pragma once

#include "history/EstatHistoric.h"

#include <QDialog>
#include <QList>
#include <QPixmap>

struct Sessio;
class QLabel;
class QPushButton;
class QPlainTextEdit;
class QToolButton;

// The history viewer `fHistòric`: the selected pupil's history in columns under their headings,
// editable, with tools to save, copy, empty and print it. Modal and created for one use; it reads
// and writes the pupil's history file only.
class fHistoric : public QDialog {
    Q_OBJECT
public:
    // Shows the history of the pupil in `sessio.registre` until the viewer is closed; `imatge` is
    // the pupil's picture, null when the pupil has none.
    static void Obre(Sessio& sessio, const QPixmap& imatge, QWidget* parent);

    fHistoric(Sessio& sessio, const QPixmap& imatge, QWidget* parent = nullptr);

    // The columns' tab stops, in twips from the left edge of the text.
    static const QList<int>& tabulacions();

private:
    void construeix();
    void posaTextos();
    void carrega();
    void canvi();
    void eina(int index);
    void desa();
    void copia();
    void buida();
    void imprimeix();
    void mostraEines();
    QString textVisor() const;
    void avisa(int id);

    Sessio& sessio_;
    const QPixmap imatge_;
    const QString nom_;
    EstatHistoric estat_;
    // The file's text as loaded or last saved: what tells the lines the board appended since.
    QString obert_;

    QPlainTextEdit* visor_;
    QLabel* eti_[7];
    QPushButton* imatgeBoto_;
    QToolButton* bEines_[5];
};
