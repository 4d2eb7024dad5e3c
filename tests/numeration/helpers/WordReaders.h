#pragma once

#include <QString>
#include <optional>

// Readers that turn a phrase shown on the board back into its number, written from the words of
// each language and not from the generators, so that a reading that disagrees with the number
// points at a wrong word, a wrong scale or a lost group. A word they do not know reads as nothing.
namespace WordReaders {

std::optional<qint64> cardinalCatala(const QString& frase);
std::optional<qint64> ordinalCatala(const QString& frase);
std::optional<qint64> cardinalCastella(const QString& frase);
std::optional<qint64> ordinalCastella(const QString& frase);
std::optional<qint64> cardinalGalec(const QString& frase);
std::optional<qint64> ordinalGalec(const QString& frase);
std::optional<qint64> cardinalBasc(const QString& frase);
std::optional<qint64> ordinalBasc(const QString& frase);

} // namespace WordReaders
