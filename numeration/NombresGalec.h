#pragma once

#include "numeration/NumberPhrase.h"

// Galician number names, the words behind `CardinalGal` and `OrdinalGal`. A cardinal outside
// 0..999 999 999 and an ordinal outside 1..1000 are clamped into range first (NumberRanges.h).
namespace NombresGalec {

NumberPhrase cardinal(qint64 n, int separador);
NumberPhrase ordinal(qint64 n);

} // namespace NombresGalec
