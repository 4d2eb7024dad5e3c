#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QRectF;

// The front page's bold face. The group names, the frieze and the exit button share it, so the
// font is looked up and loaded once; other sizes of it are drawn by scaling the painter.
namespace LletraPortada {

// Liberation Sans (Arial where it is missing), bold, 10 points.
QFont negreta();
// Draws `text` into `caixa` with the alignment and wrapping `flags`, at `escala` times the size of
// the painter's font.
void textEscalat(QPainter& painter, const QRectF& caixa, int flags, const QString& text,
                 qreal escala);

} // namespace LletraPortada
