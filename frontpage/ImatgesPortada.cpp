#include "frontpage/ImatgesPortada.h"

#include "core/ui/Pictures.h"
#include "frontpage/EmojiPortada.h"
#include "frontpage/TaulaEmoji.h"

#include <QPainter>
#include <QPainterPath>

namespace ImatgesPortada {

namespace {

struct DibuixEina {
    const char* lletra; // the badge's letter where the emoji is missing
    bool mes;           // a green "+" badge: adding
};

// Index 0..10 are the tools, the last entry the exit; the pictures are TaulaEmoji::kEines.
const DibuixEina kEines[] = {
    {"C", false}, {"N", false}, {"A", false}, {"G", false}, {"+", true},  {"E", false},
    {"X", false}, {"H", false}, {"P", false}, {"R", false}, {"F", false}, {"S", false},
};

void pintaMes(QPainter& p, const QRectF& caixa) {
    const qreal r = caixa.width() * 0.22;
    const QRectF cercle(caixa.right() - 2 * r, caixa.bottom() - 2 * r, 2 * r, 2 * r);
    p.setPen(QPen(Qt::white, r * 0.25));
    p.setBrush(QColor(0x2E, 0x9D, 0x3A));
    p.drawEllipse(cercle);
    p.setPen(QPen(Qt::white, r * 0.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = cercle.center();
    p.drawLine(c - QPointF(r * 0.5, 0), c + QPointF(r * 0.5, 0));
    p.drawLine(c - QPointF(0, r * 0.5), c + QPointF(0, r * 0.5));
}

} // namespace

bool pintaEmoji(QPainter& painter, const QRectF& caixa, const char* nom) {
    const qreal costat = qMin(caixa.width(), caixa.height());
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage imatge = EmojiPortada::imatge(nom, qRound(costat * dpr));
    if (imatge.isNull())
        return false;
    QRectF quadrat(0, 0, costat, costat);
    quadrat.moveCenter(caixa.center());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(quadrat, imatge);
    painter.restore();
    return true;
}

void pintaTargeta(QPainter& painter, const QRectF& caixa, qreal radi, const QColor& fons,
                  const QColor& vora, qreal gruix) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal m = gruix / 2;
    painter.setBrush(vora);
    painter.drawRoundedRect(caixa.adjusted(-m, -m, m, m), radi + m, radi + m);
    const qreal dins = qMax<qreal>(0, radi - m);
    painter.setBrush(fons);
    painter.drawRoundedRect(caixa.adjusted(m, m, -m, -m), dins, dins);
    painter.restore();
}

QPixmap pany(bool obert, int costat, qreal dpr) {
    QPixmap pixmap = Pictures::blank(costat, costat, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = costat;
    const QRectF cos(s * 0.18, s * 0.45, s * 0.64, s * 0.5);
    // The shackle: both ends in the body when shut, the right end lifted out when open.
    QPainterPath arc;
    const qreal esquerra = s * 0.3, dreta = s * 0.7, dalt = s * 0.12;
    const qreal base = cos.top() + s * 0.02;
    const qreal aixecat = obert ? s * 0.12 : 0;
    arc.moveTo(esquerra, base - aixecat);
    arc.lineTo(esquerra, dalt + s * 0.2 - aixecat);
    arc.arcTo(QRectF(esquerra, dalt - aixecat, dreta - esquerra, s * 0.4), 180, -180);
    arc.lineTo(dreta, obert ? dalt + s * 0.26 - aixecat : base);
    p.setPen(QPen(QColor(0x55, 0x5B, 0x66), s * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x00), s * 0.04));
    p.setBrush(obert ? QColor(0x7C, 0xC5, 0x5A) : QColor(0xF2, 0xB1, 0x34));
    p.drawRoundedRect(cos, s * 0.08, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x30, 0x10));
    p.drawEllipse(QPointF(cos.center().x(), cos.center().y() - s * 0.04), s * 0.06, s * 0.06);
    p.drawRect(
        QRectF(cos.center().x() - s * 0.025, cos.center().y() - s * 0.02, s * 0.05, s * 0.14));
    return pixmap;
}

QPixmap semafor(bool verd, int ample, int alt, qreal dpr) {
    QPixmap pixmap = Pictures::blank(ample, alt, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cosAmple = qMin<qreal>(ample * 0.5, alt * 0.34);
    const qreal cosAlt = cosAmple * 2.7;
    QRectF cos(0, 0, cosAmple, cosAlt);
    cos.moveCenter(QRectF(0, 0, ample, alt).center());
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), cosAmple * 0.05));
    p.setBrush(QColor(0x37, 0x3B, 0x44));
    p.drawRoundedRect(cos, cosAmple * 0.25, cosAmple * 0.25);
    const qreal r = cosAmple * 0.32;
    const QColor apagat(0x55, 0x55, 0x55);
    const QColor llums[3] = {verd ? apagat : QColor(0xF0, 0x3A, 0x2E), apagat,
                             verd ? QColor(0x3D, 0xD1, 0x5A) : apagat};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(cos.center().x(), cos.top() + cosAlt * (i + 0.5) / 3);
        p.setPen(Qt::NoPen);
        p.setBrush(llums[i]);
        p.drawEllipse(c, r, r);
        if (llums[i] != apagat) {
            p.setBrush(QColor(255, 255, 255, 110));
            p.drawEllipse(c - QPointF(r * 0.35, r * 0.35), r * 0.3, r * 0.3);
        }
    }
    return pixmap;
}

QPixmap eina(int index, int costat, qreal dpr) {
    const int i = (index >= 0 && index <= 10) ? index : 11;
    QPixmap pixmap = Pictures::blank(costat, costat, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF caixa(0, 0, costat, costat);
    const DibuixEina& e = kEines[i];
    if (!pintaEmoji(p, caixa, TaulaEmoji::kEines[i].nom))
        Pictures::paintLetterBadge(p, caixa, QString::fromUtf8(e.lletra), QColor(0x3B, 0x7D, 0xD8));
    if (e.mes)
        pintaMes(p, caixa);
    return pixmap;
}

} // namespace ImatgesPortada
