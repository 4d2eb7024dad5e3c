#include "core/ui/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

template <typename Paint> QPixmap render(int side, qreal devicePixelRatio, Paint paint) {
    QPixmap pixmap = blank(side, side, devicePixelRatio > 0 ? devicePixelRatio : 1.0);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, side, side));
    return pixmap;
}

QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

} // namespace

QPixmap blank(int width, int height, qreal devicePixelRatio) {
    QPixmap pixmap(qRound(width * devicePixelRatio), qRound(height * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void paintLetterBadge(QPainter& painter, const QRectF& box, const QString& letter,
                      const QColor& colour, qreal outline, qreal letterSize) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(box.width(), box.height()) * 0.9;
    QRectF circle(0, 0, side, side);
    circle.moveCenter(box.center());
    painter.setPen(QPen(colour.darker(140), side * outline));
    painter.setBrush(colour);
    painter.drawEllipse(circle);
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(side * letterSize)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, letter);
    painter.restore();
}

void paintQuestion(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    const qreal s = qMin(box.width(), box.height());

    // A round bubble with its tail at the lower left, as if someone were asking.
    const QRectF bubble(s * 0.06, s * 0.04, s * 0.88, s * 0.76);
    QPainterPath path;
    path.addEllipse(bubble);
    QPainterPath tail;
    tail.moveTo(s * 0.22, s * 0.62);
    tail.lineTo(s * 0.10, s * 0.96);
    tail.lineTo(s * 0.46, s * 0.74);
    tail.closeSubpath();
    path = path.united(tail);

    painter.setPen(
        QPen(QColor(0xC2, 0x6A, 0x00), s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(verticalGradient(bubble, QColor(0xFF, 0xD5, 0x4F), QColor(0xFF, 0xA0, 0x00)));
    painter.drawPath(path);

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(s * 0.56)));
    painter.setFont(font);
    painter.setPen(QColor(0x5D, 0x2E, 0x00));
    painter.drawText(bubble, Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

void paintInformation(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    const qreal s = qMin(box.width(), box.height());

    const QRectF disc(s * 0.05, s * 0.05, s * 0.90, s * 0.90);
    painter.setPen(QPen(QColor(0x0D, 0x47, 0xA1), s * 0.04));
    painter.setBrush(verticalGradient(disc, QColor(0x64, 0xB5, 0xF6), QColor(0x19, 0x76, 0xD2)));
    painter.drawEllipse(disc);

    // The "i" is drawn as shapes, not as a letter, so that it looks the same in every font set-up.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal dot = s * 0.15;
    painter.drawEllipse(QRectF(s * 0.5 - dot / 2, s * 0.20, dot, dot));
    const qreal stem = s * 0.14;
    painter.drawRoundedRect(QRectF(s * 0.5 - stem / 2, s * 0.42, stem, s * 0.36), stem * 0.3,
                            stem * 0.3);
    painter.restore();
}

QPixmap question(int side, qreal devicePixelRatio) {
    return render(side, devicePixelRatio,
                  [](QPainter& p, const QRectF& r) { paintQuestion(p, r); });
}

QPixmap information(int side, qreal devicePixelRatio) {
    return render(side, devicePixelRatio,
                  [](QPainter& p, const QRectF& r) { paintInformation(p, r); });
}

} // namespace Pictures
