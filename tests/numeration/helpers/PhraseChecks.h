#pragma once

#include "NumberPhrase.h"

#include <QString>
#include <optional>

// Properties every phrase and every answer must have, for the loops that run over whole ranges.
// Each returns an empty text when the property holds and otherwise says what is wrong, so that a
// loop can stop at the first fault and report it.
namespace PhraseChecks {

using Reader = std::optional<qint64> (*)(const QString&);
using CardinalFn = NumberPhrase (*)(qint64, int);
using OrdinalFn = NumberPhrase (*)(qint64);

// Not empty; only upper-case letters, blanks and hyphens; no two blanks side by side; a hyphen
// only between two letters.
QString phraseFault(const QString& frase);

// The cardinal answer: digits in groups of three from the right, the separator of `separador`
// ("." / blank / none) between groups, no leading zero or separator, reading back as n.
QString cardinalAnswerFault(const QString& solucio, qint64 n, int separador);

// Every property of one cardinal number: the phrase read back by `read` as n and the answer.
// With `everySeparator` the number is made under all three separators, and the phrase must not
// change with them; otherwise only under separator n mod 3, which keeps a loop over a million
// numbers to one phrase each while every separator still meets every group length.
QString cardinalFault(CardinalFn cardinal, Reader read, qint64 n, bool everySeparator);

// One ordinal: the phrase read back as n and an answer in plain digits.
QString ordinalFault(OrdinalFn ordinal, Reader read, qint64 n);

} // namespace PhraseChecks

namespace PhraseChecks {

// The first fault over every n in [from, to] (one separator each), or an empty text.
QString firstCardinalFault(CardinalFn cardinal, Reader read, qint64 from, qint64 to);
QString firstOrdinalFault(OrdinalFn ordinal, Reader read, qint64 from, qint64 to);

// The first fault over `count` numbers drawn uniformly from [from, to] by std::mt19937 seeded
// with `seed`, so every run checks the same numbers; each under every separator.
QString sampledCardinalFault(CardinalFn cardinal, Reader read, qint64 from, qint64 to,
                             unsigned seed, int count);

} // namespace PhraseChecks
