#pragma once

#include <QtGlobal>
#include <algorithm>

// The ranges the number-name generators and the Roman numerals support. The level settings keep
// the drawn numbers inside them, but a damaged level-set file can carry anything: a number
// outside is clamped to the nearest end of its range, so the phrase, the numeral and the
// expected answer always describe the same number and no table is ever read out of bounds.
namespace NumberRanges {

constexpr qint64 kCardinalMin = 0;
constexpr qint64 kCardinalMax = 999'999'999;
constexpr qint64 kOrdinalMin = 1;
constexpr qint64 kOrdinalMax = 1000;
constexpr qint64 kRomanMin = 1;
constexpr qint64 kRomanMax = 3999;

inline qint64 clampCardinal(qint64 n) {
    return std::clamp(n, kCardinalMin, kCardinalMax);
}
inline qint64 clampOrdinal(qint64 n) {
    return std::clamp(n, kOrdinalMin, kOrdinalMax);
}
inline qint64 clampRoman(qint64 n) {
    return std::clamp(n, kRomanMin, kRomanMax);
}

} // namespace NumberRanges
