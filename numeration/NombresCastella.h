#pragma once

#include "numeration/NumberPhrase.h"

// Spanish number names, the words behind `CardinalCas` and `OrdinalCas`. A cardinal outside
// 0..999 999 999 and an ordinal outside 1..1000 are clamped into range first (NumberRanges.h).
namespace NombresCastella {

NumberPhrase cardinal(qint64 n, int separador);
NumberPhrase ordinal(qint64 n);

} // namespace NombresCastella
