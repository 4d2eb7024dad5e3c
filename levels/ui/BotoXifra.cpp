#include "levels/ui/BotoXifra.h"

#include <QKeyEvent>
#include <QMouseEvent>

BotoXifra::BotoXifra(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    // A click leaves the focus where it was; the keyboard reaches the buttons with Tab.
    setFocusPolicy(Qt::TabFocus);
}

void BotoXifra::mousePressEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint()))
        return QPushButton::mousePressEvent(event);
    event->accept();
    emit premut(event->button() == Qt::LeftButton, true);
}

void BotoXifra::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Plus:
        emit premut(true, false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        emit premut(false, false);
        break;
    default:
        QPushButton::keyPressEvent(event);
    }
}
