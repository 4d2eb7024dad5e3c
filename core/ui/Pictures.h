#pragma once

#include <QPixmap>

class QColor;
class QPainter;
class QRectF;
class QString;

// Pictures drawn rather than stored, so that they stay sharp on any screen.
namespace Pictures {

// A transparent picture of `width` x `height` logical pixels for a screen of `devicePixelRatio`,
// to be painted on.
QPixmap blank(int width, int height, qreal devicePixelRatio);

// A round badge of `colour` on 90% of `box`, outlined a shade darker, holding `letter` in white
// bold: what stands in for a colour emoji the font lacks. `outline` and `letterSize` are parts of
// the badge's diameter.
void paintLetterBadge(QPainter& painter, const QRectF& box, const QString& letter,
                      const QColor& colour, qreal outline = 0.05, qreal letterSize = 0.55);

// The message box's: a speech bubble holding a question mark and a round information sign.

void paintQuestion(QPainter& painter, const QRectF& box);
void paintInformation(QPainter& painter, const QRectF& box);

// `side` logical pixels square, rendered for a screen of `devicePixelRatio`.
QPixmap question(int side, qreal devicePixelRatio);
QPixmap information(int side, qreal devicePixelRatio);

} // namespace Pictures
