#pragma once

#include <QColor>
#include <QPushButton>

// A push button of the front page (the tools, the exit, the pupil's picture): a rounded card
// that lights up under the mouse, darkens while pressed, shows a thick outline while it has the
// keyboard focus and greys out when disabled. Its icon sits in the middle, or before the text
// when it has one. Enter presses it, as Space does.
class BotoArrodonit : public QPushButton {
    Q_OBJECT
public:
    struct Estil {
        QColor fons;
        QColor vora;
        QColor sobre;   // background under the mouse
        QColor premut;  // background while pressed
        QColor focus;   // outline while it has the focus
        QColor inactiu; // background when disabled
        QColor voraInactiva;
        qreal gruix = 1;
        qreal gruixFocus = 3;
        qreal radi = 8;
    };

    BotoArrodonit(const Estil& estil, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Estil estil_;
};
