#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the sixteen groups, each the colour emoji of its animal; where the emoji font
// lacks one, a coloured badge with the first letter of the group's name stands in.
namespace AnimalsGrups {

// Whether group `grup` is drawn with its emoji rather than a letter.
bool ambEmoji(int grup);
// The picture of group `grup`, `costat` logical pixels square; `nom` gives the stand-in letter.
QPixmap imatge(int grup, const QString& nom, int costat, qreal dpr);

} // namespace AnimalsGrups
