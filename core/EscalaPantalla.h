#pragma once

#include <QByteArray>
#include <QSize>

// One scale for the whole program, so that the board and the front page grow with the screen
// and keep their proportions. The windows are laid out for a 1366 x 768 screen; Qt's own
// high-DPI scaling (QT_SCALE_FACTOR) draws them larger in device pixels, so fonts and pictures
// stay sharp and no layout changes. Qt cannot draw widgets below a ratio of 1 (its painter never
// scales down while their clipping does), so on a screen too small for the board each window is
// drawn smaller instead, through a scaled view (`reduccio`).
namespace EscalaPantalla {

inline constexpr QSize kPantallaDisseny{1366, 768};
// The largest fixed window, the board, with room for a window frame and its title bar.
inline constexpr QSize kFinestraMesGran{1180 + 8, 680 + 40};

// The scale for a screen whose free area is `disponible` (logical pixels): as much larger than
// the design as the screen is in both directions, never below 1, in steps of 0.05 so that the
// figures stay round.
qreal factor(QSize disponible);

// How much smaller than drawn the windows are shown on a screen whose free area is `disponible`,
// so that the board fits: 1 when it fits as it is, otherwise the largest step of 0.05 that fits
// (0.8 on a 1024 x 600 netbook), never below 0.5.
qreal reduccio(QSize disponible);

// The QT_SCALE_FACTOR to start the program again with, or empty when it starts as it is: the
// scale is 1, or the user has chosen a scale of his own (`escalaUsuari` and `escalesPantalles`
// are the values of QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS).
QByteArray perArrencar(QSize disponible, const QByteArray& escalaUsuari,
                       const QByteArray& escalesPantalles);

} // namespace EscalaPantalla
