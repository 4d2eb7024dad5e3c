#include "history/ui/ImatgesHistoric.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace ImatgesHistoric {

namespace {

struct Eina {
    char32_t emoji;
    const char* lletra;
};

const Eina kEines[] = {
    {0x1F4BE, "D"}, // floppy disk: save
    {0x1F4CB, "C"}, // clipboard: copy
    {0x1F9F9, "B"}, // broom: empty
    {0x1F5A8, "I"}, // printer: print
    {0x1F6AA, "S"}, // door: close, as the front page's exit
};

QFont emoji(qreal pixels) {
    QFont f(QStringLiteral("Noto Color Emoji"));
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setPixelSize(qMax(1, qRound(pixels)));
    return f;
}

} // namespace

QPixmap eina(int index, int costat, qreal dpr) {
    const Eina& e = kEines[qBound(0, index, int(std::size(kEines)) - 1)];
    QPixmap pixmap(qRound(costat * dpr), qRound(costat * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF caixa(0, 0, costat, costat);
    // The font's pictures are a little wider than their pixel size: 85% keeps them inside.
    const QFont f = emoji(costat * 0.85);
    if (QFontMetricsF(f).inFontUcs4(e.emoji)) {
        p.setFont(f);
        p.drawText(caixa, Qt::AlignCenter, QString::fromUcs4(&e.emoji, 1));
        return pixmap;
    }
    const QColor blau(0x3B, 0x7D, 0xD8);
    QRectF cercle(0, 0, costat * 0.9, costat * 0.9);
    cercle.moveCenter(caixa.center());
    p.setPen(QPen(blau.darker(140), costat * 0.05));
    p.setBrush(blau);
    p.drawEllipse(cercle);
    QFont lletra;
    lletra.setBold(true);
    lletra.setPixelSize(qMax(1, qRound(costat * 0.5)));
    p.setFont(lletra);
    p.setPen(Qt::white);
    p.drawText(cercle, Qt::AlignCenter, QString::fromLatin1(e.lletra));
    return pixmap;
}

} // namespace ImatgesHistoric
