#pragma once

#include <QColor>
#include <QPixmap>

class QPainter;
class QRectF;

// The front page's pictures, drawn rather than stored so that they stay sharp on any screen:
// colour emoji (drawn from the emoji font at build time), the padlocks of the blinds, the traffic
// light of `Semàfor` and the tools' pictures.
namespace ImatgesPortada {

// Draws the emoji picture `nom` (a name of TaulaEmoji.h) as the largest square centred in `caixa`;
// false, with nothing drawn, when the build did not find it in the emoji font.
bool pintaEmoji(QPainter& painter, const QRectF& caixa, const char* nom);
// A rounded card: `fons` inside an outline `gruix` wide and centred on `caixa`'s edge, as
// QPainter::drawRoundedRect would draw it with that pen, but filled twice rather than stroked,
// which is quicker. The painter's antialiasing applies.
void pintaTargeta(QPainter& painter, const QRectF& caixa, qreal radi, const QColor& fons,
                  const QColor& vora, qreal gruix);

// The padlock of a blind: shut while the blind is closed, open once it is.
QPixmap pany(bool obert, int costat, qreal dpr);
// `Semàfor`'s pictures for the pupil's picture button: green light to start, red when the
// activity cannot be started.
QPixmap semafor(bool verd, int ample, int alt, qreal dpr);
// Tool 0..8 and the exit button (index -1).
QPixmap eina(int index, int costat, qreal dpr);

} // namespace ImatgesPortada
