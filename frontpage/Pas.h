#pragma once

#include <QDialog>

struct Sessio;
class QLabel;
class QLineEdit;
class QPushButton;

// The access prompt that guards the teacher's tools when the password is asked for. One try per
// opening: a wrong password says so and closes; the teacher presses the blind again to retry.
class Pas : public QDialog {
    Q_OBJECT
public:
    // Asks for the access password; true only when the right one was accepted.
    static bool Demana(Sessio& sessio, QWidget* parent = nullptr);

private:
    Pas(Sessio& sessio, QWidget* parent);
    void comprova();

    Sessio& sessio_;
    bool concedit_ = false;
    QLabel* etiqueta_;
    QLineEdit* clauValida_;
    QPushButton* mou_[2];
};
