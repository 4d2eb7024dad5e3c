#pragma once

#include <QFont>
#include <QString>

class QDialog;
class QLayout;
class QPushButton;

// What the password windows share: text at 12 points, their controls above a row holding the
// cross ("Mou_0", cancel) and the check mark ("Mou_1", accept, the default button) at the right,
// wide margins, and a size fixed to what they hold.
namespace FinestraPetita {

inline constexpr int kEspai = 180;      // twips between the controls
inline constexpr int kAmpleCamp = 2400; // the least width of an entry box, in twips

// Sets the window's text size; the font set, for the controls that show it in bold.
QFont posaLletra(QDialog& finestra);
// The cross and the check mark, their tool-tips `cancel` and `accepta`.
void preparaBotons(QPushButton* const (&mou)[2], const QString& cancel, const QString& accepta);
// Lays `controls` out over the buttons as the window's own layout.
void disposa(QDialog& finestra, QLayout* controls, QPushButton* const (&mou)[2]);

} // namespace FinestraPetita
