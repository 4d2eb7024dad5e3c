#include "AnimalsGrups.h"

#include "ImatgesPortada.h"

#include <QColor>
#include <QPainter>
#include <QPixmapCache>

namespace AnimalsGrups {

namespace {

// Groups 1..16: dolphins, parrots, cats, orangutans, lions, tigers, brown bears, elephants,
// chimpanzees, butterflies, rhinos, wolves, sharks, polar bears, pumas and giraffes. Emoji has no
// chimpanzee or puma: the monkey and the leopard are the nearest.
const char* const kEmoji[16] = {
    "\U0001F42C",                   // dolphin
    "\U0001F99C",                   // parrot
    "\U0001F431",                   // cat face
    "\U0001F9A7",                   // orangutan
    "\U0001F981",                   // lion face
    "\U0001F42F",                   // tiger face
    "\U0001F43B",                   // bear face
    "\U0001F418",                   // elephant
    "\U0001F412",                   // monkey
    "\U0001F98B",                   // butterfly
    "\U0001F98F",                   // rhinoceros
    "\U0001F43A",                   // wolf face
    "\U0001F988",                   // shark
    "\U0001F43B\u200D\u2744\uFE0F", // polar bear
    "\U0001F406",                   // leopard
    "\U0001F992",                   // giraffe
};

QColor colorLletra(int grup) {
    return QColor::fromHsv((grup * 360 / 16 + 20) % 360, 170, 210);
}

} // namespace

QString emoji(int grup) {
    return grup >= 1 && grup <= 16 ? QString::fromUtf8(kEmoji[grup - 1]) : QString();
}

bool ambEmoji(int grup) {
    return grup >= 1 && grup <= 16 && ImatgesPortada::teEmoji(emoji(grup));
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
    pixmap = QPixmap(qRound(costat * dpr), qRound(costat * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF caixa(0, 0, costat, costat);
    if (!amb || !ImatgesPortada::pintaEmoji(p, caixa, emoji(grup)))
        ImatgesPortada::pintaLletra(p, caixa, nom.left(1).toUpper(), colorLletra(grup));
    p.end();
    QPixmapCache::insert(clau, pixmap);
    return pixmap;
}

} // namespace AnimalsGrups
