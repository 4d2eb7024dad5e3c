#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// The names of the ten tabs of the front page are pictures, one per tab and language, named by
// the language code and the tab digit ("CAT0".."ANG9"). They are drawn from the string table
// (tab 0 is id 5 "Portada", tab 1..9 the activity names, ids 6..14) rather than stored, so they
// stay sharp at any device pixel ratio.

namespace TabPicture {
constexpr int kWidth = 53; // logical pixels
constexpr int kHeight = 16;
QColor background();
QColor textColour();
} // namespace TabPicture

// The picture of tab `pestanya` (0..9) in language `idioma`. A language without pictures ("FRA",
// or any index outside 0..4) gets the Catalan one; a tab outside 0..9 gets a blank picture.
QPixmap ImatgePestanya(int pestanya, int idioma, qreal dpr);

// The picture named `nom` as the resources name it: code + digit, e.g. "EUS3". An unknown code
// gives the Catalan picture of the same digit; a name without a final digit gives tab 0.
QPixmap ImatgePestanya(const QString& nom, qreal dpr);
