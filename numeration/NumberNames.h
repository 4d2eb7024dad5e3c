#pragma once

#include "numeration/NumberPhrase.h"

#include <optional>

// The number-name generators chosen by `Idioma`: 0 Catalan, 1 Spanish, 2 Galician, 3 Basque.
// Any other language (English, 4, included) has no number words and gets no phrase, so that
// `Cardinal` and `Ordinal` leave the question as it was.
namespace NumberNames {

bool hasWords(int idioma);

std::optional<NumberPhrase> cardinal(int idioma, qint64 n, int separador);
std::optional<NumberPhrase> ordinal(int idioma, qint64 n);

} // namespace NumberNames
