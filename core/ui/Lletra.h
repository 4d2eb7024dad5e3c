#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;
class QPainter;
class QRectF;

// The program's bold face. The front page draws all its words with it (group names, title, tab
// pictures, frieze, buttons), so a single font is looked up and loaded on the way to the first
// window; other sizes of it are drawn by scaling the painter.
namespace Lletra {

// "Arial" at `punts` points, bold or not, as the lists, the printouts and the board ask for it:
// its metric twin Liberation Sans, or Arial itself where that is missing.
QFont arial(qreal punts, bool negreta = false);
// The same, bold at 10 points.
QFont negreta();
// The face's size in pixels on `device` (its logical resolution).
qreal pixels(const QFont& lletra, const QPaintDevice& device);
// Draws `text` into `caixa` with the alignment and wrapping `flags`, at `escala` times the size of
// the painter's font.
void textEscalat(QPainter& painter, const QRectF& caixa, int flags, const QString& text,
                 qreal escala);

} // namespace Lletra
