#pragma once

#include <QDialog>

struct Sessio;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The password window: shows the current access password, takes a new one and switches the
// prompt on or off. Accepting writes General.cfg; an empty new password keeps the old one.
class Contrasenya : public QDialog {
    Q_OBJECT
public:
    explicit Contrasenya(Sessio& sessio, QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Sessio& sessio_;
    QLabel* etiqueta_[3];
    QLabel* actual_;
    QLineEdit* nova_;
    QCheckBox* demanar_;
    QPushButton* mou_[2];
};
