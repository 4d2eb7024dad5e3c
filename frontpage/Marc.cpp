#include "frontpage/Marc.h"

#include "frontpage/ImatgesPortada.h"

#include <QPainter>

Marc::Marc(const Estil& estil, QWidget* parent) : QFrame(parent), estil_(estil) {}

void Marc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = estil_.gruix / 2;
    const QRectF caixa = QRectF(rect()).adjusted(m, m, -m, -m);
    if (estil_.linia == Qt::SolidLine) {
        ImatgesPortada::pintaTargeta(p, caixa, estil_.radi, estil_.fons, estil_.vora, estil_.gruix);
        return;
    }
    p.setPen(QPen(estil_.vora, estil_.gruix, estil_.linia));
    p.setBrush(estil_.fons);
    p.drawRoundedRect(caixa, estil_.radi, estil_.radi);
}
