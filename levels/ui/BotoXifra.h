#pragma once

#include <QPushButton>

// A digit button of `Primer` and `Últim` (`Pulsador1`, `Pulsador2`). It acts on the press, of any
// mouse button: the left one turns the digit up, any other turns it down. From the keyboard,
// Space, Up and "+" turn it up, Down and "-" down.
class BotoXifra : public QPushButton {
    Q_OBJECT
public:
    explicit BotoXifra(QWidget* parent = nullptr);

signals:
    void premut(bool amunt, bool ambRatoli);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
