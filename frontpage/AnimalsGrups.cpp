#include "frontpage/AnimalsGrups.h"

#include "core/ui/Pictures.h"
#include "frontpage/EmojiPortada.h"
#include "frontpage/ImatgesPortada.h"
#include "frontpage/TaulaEmoji.h"

#include <QColor>
#include <QPainter>
#include <QPixmapCache>

namespace AnimalsGrups {

namespace {

QColor colorLletra(int grup) {
    return QColor::fromHsv((grup * 360 / 16 + 20) % 360, 170, 210);
}

} // namespace

bool ambEmoji(int grup) {
    return grup >= 1 && grup <= 16 && EmojiPortada::te(TaulaEmoji::kAnimals[grup - 1].nom);
}

QPixmap imatge(int grup, const QString& nom, int costat, qreal dpr) {
    const bool amb = ambEmoji(grup);
    const QString clau = QStringLiteral("xifrum-animal-%1-%2-%3@%4")
                             .arg(grup)
                             .arg(amb ? QString() : nom.left(1))
                             .arg(costat)
                             .arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(clau, &pixmap))
        return pixmap;
    pixmap = Pictures::blank(costat, costat, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF caixa(0, 0, costat, costat);
    if (!amb || !ImatgesPortada::pintaEmoji(p, caixa, TaulaEmoji::kAnimals[grup - 1].nom))
        Pictures::paintLetterBadge(p, caixa, nom.left(1).toUpper(), colorLletra(grup));
    p.end();
    QPixmapCache::insert(clau, pixmap);
    return pixmap;
}

} // namespace AnimalsGrups
