#pragma once

#include "numeration/FraseNombre.h"

#include <optional>

// The number words of `Cardinal` and `Ordinal`, in the language of `Idioma`: 0 Catalan,
// 1 Spanish, 2 Galician, 3 Basque. Any other language (English, 4, included) has no number words
// and gets no phrase, so that the board leaves the question as it was. A cardinal outside
// 0..999 999 999 and an ordinal outside 1..1000 are held to their range first (IntervalsNombres.h).
namespace NomsNombres {

bool teParaules(int idioma);

// `separador` is the `Separador` setting; it shapes only the answer.
std::optional<FraseNombre> fraseCardinal(int idioma, qint64 n, int separador);
// The answer of an ordinal never holds a separator.
std::optional<FraseNombre> fraseOrdinal(int idioma, qint64 n);

} // namespace NomsNombres
