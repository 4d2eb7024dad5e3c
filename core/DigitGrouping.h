#pragma once

#include <QString>

// Numbers in digits as the numeration activities show and expect them: grouped in threes from
// the right with the thousands separator chosen in `Separador` (0 Punt ".", 1 Espai, a blank;
// 2 Cap, nothing). A `Separador` byte of any other value, which only a damaged General.cfg can
// hold, groups with nothing, like Cap.
namespace DigitGrouping {

QString separator(int separador);

// No leading zeros and never a leading separator; 0 gives "0", a negative value keeps its sign
// in front of the grouped digits.
QString group(qint64 value, int separador);

// The level editor's cell text: the grouped value followed by three blanks.
QString FormataNombre(qint64 value, int separador);

} // namespace DigitGrouping
