#pragma once

#include <QString>
#include <optional>

// Readers that turn a phrase shown on the board back into its number, written from the words of
// each language (`Idioma` 0 to 3) and not from the generators, so that a reading that disagrees
// with the number points at a wrong word, a wrong scale or a lost group. A word they do not know
// reads as nothing.
namespace WordReaders {

std::optional<qint64> llegeix(int idioma, bool ordinal, const QString& frase);

} // namespace WordReaders
