#pragma once

#include <QDialog>

struct Sessio;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The language window: previews the interface language live while the user chooses, and sets the
// thousands separator. Accepting writes General.cfg; cancelling restores the language only (a
// separator chosen here stays in memory and is written with the next General.cfg).
class fIdioma : public QDialog {
    Q_OBJECT
public:
    explicit fIdioma(Sessio& sessio, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void ompleTextos(int idioma);
    void triaIdioma(int index);

    Sessio& sessio_;
    const int idiomaInicial_;
    QLabel* eti_[4];
    QLabel* actual_;
    QListWidget* disponibles_;
    QLabel* triat_;
    QRadioButton* separador_[3];
    QPushButton* boto_[2];
};
