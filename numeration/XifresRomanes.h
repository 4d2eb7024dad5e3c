#pragma once

#include <QString>

// The two faces of a Roman-numerals exercise (`NombreRomà`): the numeral and the number in
// digits. Both hold n to 1..3999 (IntervalsNombres.h), so they always describe the same number;
// outside it 0 would give an empty numeral and 4000 or more would lose its thousands.
namespace XifresRomanes {

// At most 15 letters (3888, MMMDCCCLXXXVIII).
QString numeral(qint64 n);

// n in digits, grouped with the `Separador` setting like every numeration answer.
QString textNombre(qint64 n, int separador);

} // namespace XifresRomanes
