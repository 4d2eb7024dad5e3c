#include "Marc.h"

#include <QPainter>

Marc::Marc(const Estil& estil, QWidget* parent) : QFrame(parent), estil_(estil) {}

void Marc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(estil_.vora, estil_.gruix, estil_.linia));
    p.setBrush(estil_.fons);
    const qreal m = estil_.gruix / 2;
    p.drawRoundedRect(QRectF(rect()).adjusted(m, m, -m, -m), estil_.radi, estil_.radi);
}
