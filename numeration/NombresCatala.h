#pragma once

#include "numeration/NumberPhrase.h"

// Catalan number names, the words behind `CardinalCat` and `OrdinalCat`. A cardinal outside
// 0..999 999 999 and an ordinal outside 1..1000 are clamped into range first (NumberRanges.h).
namespace NombresCatala {

// `separador` is the `Separador` setting; it shapes only the answer.
NumberPhrase cardinal(qint64 n, int separador);
// The answer of an ordinal never holds a separator.
NumberPhrase ordinal(qint64 n);

} // namespace NombresCatala
