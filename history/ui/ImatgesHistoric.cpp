#include "history/ui/ImatgesHistoric.h"

#include "core/ui/Pictures.h"

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
    QPixmap pixmap = Pictures::blank(costat, costat, dpr);
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
    // The outline a twentieth of the picture's side and the letter half of it; the badge takes 0.9.
    Pictures::paintLetterBadge(p, caixa, QString::fromLatin1(e.lletra), QColor(0x3B, 0x7D, 0xD8),
                               0.05 / 0.9, 0.5 / 0.9);
    return pixmap;
}

} // namespace ImatgesHistoric
