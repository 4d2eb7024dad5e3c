#include "levels/ui/EtiquetaXifres.h"

#include <QPainter>

namespace {

constexpr int kXifres = 9;

} // namespace

void EtiquetaXifres::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = contentsRect();
    const double casella = r.width() / kXifres;
    QColor marca = palette().color(QPalette::Mid);
    p.setPen(marca);
    for (int g = 1; g < 3; ++g) {
        const double x = r.left() + g * 3 * casella;
        p.drawLine(QPointF(x, r.top() + r.height() * 0.25), QPointF(x, r.bottom()));
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const QString t = text().right(kXifres);
    const int primera = kXifres - int(t.size());
    for (int i = 0; i < t.size(); ++i)
        p.drawText(QRectF(r.left() + (primera + i) * casella, r.top(), casella, r.height()),
                   Qt::AlignCenter, QString(t.at(i)));
}
