#pragma once

#include <QString>

// Upper case as the board shows the number words: every accented letter of the four languages
// keeps its accent (à → À, ï → Ï, ñ → Ñ, ç → Ç). The mapping is Unicode's and does not depend
// on the system locale, so a Turkish locale cannot turn "i" into a dotted capital.
namespace UpperCase {

QString of(QString text);

} // namespace UpperCase
