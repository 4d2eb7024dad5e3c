#pragma once

#include <QPixmap>

// The pictures of the history viewer's tools, drawn from the colour emoji font so that they stay
// sharp on any screen; a lettered badge stands in where the font is missing.
namespace ImatgesHistoric {

// Tool 0..4: save, copy, empty, print, close.
QPixmap eina(int index, int costat, qreal dpr);

} // namespace ImatgesHistoric
