#pragma once

#include "core/ui/Units.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;
class QRectF;

// The look of the exercise board: its colours, fonts, the places of its controls and the drawing
// of its furniture (wall, wooden frame, slate, chalk tray, the window behind the blind, the
// scoreboard, the pupil's card). Everything is drawn, never stored as a picture, so the board
// stays sharp at any device pixel ratio.
namespace PissarraEstil {

// The board's layout unit. The blind and the scoreboard roll in these units (263, 110, steps of
// 15 and 2), and the column sums place their digits in them (49 per digit when centring, 60
// between columns, +3, -50, +50): one unit is 15 twips, a logical pixel at 96 dpi. At that size
// the 60-point digits (80 px tall, about 45 px wide) sit in 60-unit columns with a small gap, as
// the pitch intends. The number panel's own offsets (500, 300, 540) are twips, through tw().
constexpr int kTwipsPerUnitat = 15;
constexpr int ub(int unitats) {
    return tw(unitats * kTwipsPerUnitat);
}

// The long multiplication and division keep the offsets of their rows in finer units of their
// own: columns of 405 and rows 570 apart in the multiplication, columns of 300 in the division.
// One unit is 1.5 twips in the multiplication and 2 twips in the division, so that either column
// is as wide as a blank and a digit of their 36-point bold figures and every row keeps its digits
// in line with the others. A division too tall for the slate shrinks its unit, figures and all.
constexpr qreal uMultiplicar(qreal unitats) {
    return unitats * 1.5 / 15;
}
constexpr qreal uDividir(qreal unitats) {
    return unitats * 2 / 15;
}

// --- Colours
QColor verdPissarra(); // the slate
QColor guix();         // chalk white: questions, operands, signs
QColor groc();         // 65535: the pupil's right answers
QColor grisEspera();   // 0xC0C0C0: a digit cell waiting for its digit
QColor grisSenyal();   // 0xE0E0E0: the answer cursor
QColor vermell();      // 255: a wrong character

// --- Fonts
// The colour pictures of the buttons (pointing hand, help, wait, door).
QFont emoji(qreal punts);
// The friendly rounded letters of the pupil's card and of the keys.
QFont rodona(qreal punts, bool negreta = true);
// Monochrome symbols that take the colour they are painted in (the answer cursor).
QFont simbols(qreal punts);

// Text colour of a label or button; kept in its palette, where tests and styles read it.
void posaColor(QWidget* w, const QColor& c);
QColor colorDe(const QWidget* w);

// --- Places of the window's parts, in board units (the window is 1180 x 680).
namespace Lloc {
constexpr QRect kFinestra{0, 0, 1180, 680};
constexpr QRect kFitxa{14, 14, 262, 200};      // the pupil's card
constexpr QRect kImatge{26, 26, 96, 96};       // `Imatge`, on the card
constexpr QRect kVista{28, 244, 234, 263};     // the window pane behind `Persiana`
constexpr QRect kMarcVista{14, 230, 262, 291}; // its frame
constexpr QRect kMarc{290, 14, 604, 556};      // the blackboard with its wooden frame
constexpr QRect kLlosa{312, 36, 560, 500};     // the slate inside the frame
constexpr QRect kPanell{322, 46, 540, 372};    // the activity's panel, on the slate
constexpr QRect kBtTxt{446, 436, 400, 84};     // the message button, on the slate
constexpr QRect kPulsa{360, 440, 80, 76};      // the pointing hand beside it
constexpr QRect kMarcador{908, 14, 258, 110};  // `Marcador`, fully down
constexpr QRect kCaixaTeclat{908, 136, 258, 318};
constexpr QRect kBtAjuda{908, 468, 258, 96};
constexpr QRect kBtEspera{908, 580, 120, 86};
constexpr QRect kBtTancar{1046, 580, 120, 86};
constexpr QRect kAnimal{14, 540, 262, 126}; // the animal again, watching the board
} // namespace Lloc

// --- Drawing of the furniture, in the painter's logical coordinates.
void pintaParet(QPainter& p, const QRectF& r);
void pintaFitxa(QPainter& p, const QRectF& r);
// The wooden frame `marc` around the slate `llosa`, with its chalk tray.
void pintaPissarra(QPainter& p, const QRectF& marc, const QRectF& llosa);
void pintaMarcVista(QPainter& p, const QRectF& marc, const QRectF& vista);
void pintaVista(QPainter& p, const QRectF& r); // sky, sun, hills and a tree
// The blind hanging `alcada` units from the top of `vista`.
void pintaPersiana(QPainter& p, const QRectF& vista, int alcada);
// The scoreboard rolled down to `r` (its full height is `alcadaGran`).
void pintaMarcador(QPainter& p, const QRectF& r, int alcadaGran);

// --- Style sheets of the controls
QString estilTecles(); // the on-screen keys
QString estilBotons(); // help, wait, close and the message button
QString estilRodets(); // the blind and the scoreboard: clickable, drawn by the window
QString estilImatge(); // the pupil's picture button

} // namespace PissarraEstil
