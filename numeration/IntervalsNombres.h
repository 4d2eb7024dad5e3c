#pragma once

#include <QtGlobal>
#include <algorithm>

// The numbers the number words and the Roman numerals can name. The level settings keep the
// drawn numbers inside, but a damaged level-set file can carry anything: a number outside is
// held to the nearest end, so the phrase, the numeral and the expected answer always describe
// the same number and no table is ever read out of bounds.
namespace IntervalsNombres {

constexpr qint64 kCardinalMinim = 0;
constexpr qint64 kCardinalMaxim = 999'999'999;
constexpr qint64 kOrdinalMinim = 1;
constexpr qint64 kOrdinalMaxim = 1000;
constexpr qint64 kRomaMinim = 1;
constexpr qint64 kRomaMaxim = 3999;

inline qint64 limitaCardinal(qint64 n) {
    return std::clamp(n, kCardinalMinim, kCardinalMaxim);
}
inline qint64 limitaOrdinal(qint64 n) {
    return std::clamp(n, kOrdinalMinim, kOrdinalMaxim);
}
inline qint64 limitaRoma(qint64 n) {
    return std::clamp(n, kRomaMinim, kRomaMaxim);
}

} // namespace IntervalsNombres
