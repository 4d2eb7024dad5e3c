#pragma once

#include <QPixmap>

class QPainter;
class QRectF;

// The pictures of the message box, drawn rather than stored so that they stay sharp on any
// screen: a speech bubble holding a question mark and a round information sign.
namespace Pictures {

void paintQuestion(QPainter& painter, const QRectF& box);
void paintInformation(QPainter& painter, const QRectF& box);

// `side` logical pixels square, rendered for a screen of `devicePixelRatio`.
QPixmap question(int side, qreal devicePixelRatio);
QPixmap information(int side, qreal devicePixelRatio);

} // namespace Pictures
