#pragma once

#include "numeration/NumberPhrase.h"

// Basque number names, the words behind `CardinalEus` and `OrdinalEus`. A cardinal outside
// 0..999 999 999 and an ordinal outside 1..1000 are clamped into range first (NumberRanges.h).
namespace NombresBasc {

NumberPhrase cardinal(qint64 n, int separador);
NumberPhrase ordinal(qint64 n);

} // namespace NombresBasc
