#pragma once

#include <QByteArray>
#include <QSize>

// One scale for the whole program, so that the board and the front page fit every school screen
// and keep their proportions. The windows are laid out for a 1366 x 768 screen; Qt's own
// high-DPI scaling (QT_SCALE_FACTOR) draws them larger or smaller in device pixels, so fonts and
// pictures stay sharp and no layout changes.
namespace EscalaPantalla {

inline constexpr QSize kPantallaDisseny{1366, 768};

// What the window manager adds around a window (title bar and borders), kept free on the screen.
inline constexpr QSize kMarcFinestra{16, 40};

// The scale for a screen whose free area is `disponible` (logical pixels) and a program whose
// largest window is `finestra`: it grows with screens larger than the design, shrinks only as far
// as the window needs to fit, and comes in steps of 0.05 so that the figures stay round.
qreal factor(QSize disponible, QSize finestra);

// The QT_SCALE_FACTOR to start the program again with, or empty when it starts as it is: the
// scale is 1, or the user has chosen a scale of his own (`escalaUsuari` and `escalesPantalles`
// are the values of QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS).
QByteArray perArrencar(QSize disponible, QSize finestra, const QByteArray& escalaUsuari,
                       const QByteArray& escalesPantalles);

} // namespace EscalaPantalla
