#include "records/ui/BotoImatge.h"

#include <QPainter>
#include <QPainterPath>

void BotoImatge::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!icon().isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor c = palette().color(QPalette::Disabled, QPalette::ButtonText);
    c.setAlphaF(isEnabled() ? 0.55 : 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const QRectF r =
        QRectF(rect()).adjusted(width() * 0.25, height() * 0.2, -width() * 0.25, -height() * 0.15);
    const qreal cap = r.width() * 0.5;
    p.drawEllipse(QRectF(r.center().x() - cap / 2, r.top(), cap, cap));
    QPainterPath espatlles;
    const QRectF cos(r.left(), r.top() + cap * 1.1, r.width(), r.height() * 1.1);
    espatlles.moveTo(cos.left(), r.bottom());
    espatlles.arcTo(cos, 180, -180);
    espatlles.closeSubpath();
    p.drawPath(espatlles);
}
