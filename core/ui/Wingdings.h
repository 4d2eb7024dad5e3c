#pragma once

#include <QFont>
#include <QString>

// The symbols the windows take from the Wingdings font, by their Wingdings character code. Each
// is drawn as its Unicode counterpart in a font installed here that holds it.
namespace Wingdings {

inline constexpr int kWaitingDigit = 63; // "?": a digit cell of the board that awaits its digit
inline constexpr int kQuery = 180;       // heading of the level column (history viewer)
inline constexpr int kClock = 191;       // time column, seconds allowed
inline constexpr int kArrowDownLeft = 195;
inline constexpr int kArrowDownRight = 196;
inline constexpr int kCross = 251; // cancel buttons, errors column
inline constexpr int kCheck = 252; // accept buttons, exercises column

// The Unicode code point that the standard Wingdings mapping gives `code`; 0 for a code the
// program never uses.
char32_t unicode(int code);

// The character to show for `code`: its Unicode counterpart, or, when no installed font holds that
// character, a look-alike that one does. Empty for a code the program never uses.
QString text(int code);

// A font that holds `text(code)` itself (font merging is off), at `pointSize` when positive.
QFont font(int code, qreal pointSize = 0);

// Finds now which installed font holds each character of the table, which may mean looking
// through every installed font; text() and font() then answer at once. For idle time.
void prepare();

} // namespace Wingdings
