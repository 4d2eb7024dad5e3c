#include "core/ui/TabPicture.h"

#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/TipusActivitat.h"
#include "core/ui/Lletra.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>

namespace {

constexpr int kLanguagesWithPictures = 5; // CAT, CAS, GAL, EUS, ANG
constexpr int kTabs = kActivitats + 1;    // the front page's own, then one per activity
// The names' size in pixels; a longer name shrinks until it fits, down to the smallest size.
constexpr int kLargestPixelSize = 12;
constexpr int kSmallestPixelSize = 6;
// Clear space kept at each side so that antialiased strokes never touch the picture's edge.
constexpr qreal kSideMargin = 3.0;

// The ink, not the advance, decides: a trailing "k" or "f" may reach past its advance.
qreal inkWidth(const QFont& font, const QString& text, const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    const QRectF ink = metrics.tightBoundingRect(text);
    return std::max(ink.right(), metrics.horizontalAdvance(text)) - std::min(ink.left(), 0.0);
}

// The names are drawn in the program's bold face, brought to their size by scaling the painter
// rather than by picking another font: every tab then shares the one font already loaded.
QPixmap draw(const QString& text, qreal dpr) {
    QPixmap pixmap(qRound(TabPicture::kWidth * dpr), qRound(TabPicture::kHeight * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(TabPicture::background());
    if (text.isEmpty())
        return pixmap;
    const QFont font = Lletra::negreta();
    const qreal room = TabPicture::kWidth - 2 * kSideMargin;
    const qreal largest = kLargestPixelSize / Lletra::pixels(font, pixmap);
    const qreal ink = inkWidth(font, text, pixmap) * largest;
    const qreal smallest = qreal(kSmallestPixelSize) / kLargestPixelSize;
    const qreal scale = largest * (ink > room ? std::max(room / ink, smallest) : 1.0);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(TabPicture::textColour());
    painter.translate(TabPicture::kWidth / 2.0, TabPicture::kHeight / 2.0);
    painter.scale(scale, scale);
    const qreal w = TabPicture::kWidth / scale;
    const qreal h = TabPicture::kHeight / scale;
    painter.drawText(QRectF(-w / 2, -h / 2, w, h), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

namespace TabPicture {

QColor background() {
    return QColor(0xC0, 0xC0, 0xC0);
}

QColor textColour() {
    return QColor(0x10, 0x10, 0x10);
}

} // namespace TabPicture

QPixmap ImatgePestanya(int pestanya, int idioma, qreal dpr) {
    if (idioma < 0 || idioma >= kLanguagesWithPictures)
        idioma = 0;
    const bool coneguda = pestanya >= 0 && pestanya < kTabs;
    const QString clau =
        QStringLiteral("xifrum-tab-%1-%2@%3").arg(idioma).arg(coneguda ? pestanya : -1).arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(clau, &pixmap))
        return pixmap;
    pixmap = draw(coneguda ? TextIdioma(IdText::kPortada + pestanya, idioma) : QString(), dpr);
    QPixmapCache::insert(clau, pixmap);
    return pixmap;
}

QPixmap ImatgePestanya(const QString& nom, qreal dpr) {
    int idioma = 0;
    for (int i = 1; i < kLanguagesWithPictures; ++i)
        if (nom.left(3).compare(CodiIdioma(i), Qt::CaseInsensitive) == 0)
            idioma = i;
    const QChar darrer = nom.isEmpty() ? QChar() : nom.back();
    const int pestanya =
        (nom.size() == 4 && darrer >= u'0' && darrer <= u'9') ? darrer.digitValue() : 0;
    return ImatgePestanya(pestanya, idioma, dpr);
}
