#pragma once

#include <QString>
#include <QStringView>
#include <array>

// The part of the cardinal words that the four languages share: the number written with nine
// digits and cut into three `GrupNombre` (millions, thousands, units), each group's words joined
// with its scale word.
struct GrupNombre {
    int h = 0; // hundreds digit
    int t = 0; // tens digit
    int u = 0; // units digit
};

struct CardinalScales {
    // Index 0 millions, 1 thousands, 2 units.
    std::array<QStringView, 3> plural;
    std::array<QStringView, 3> singular;
    // The whole text of a thousands group "001": one thousand is never said with a units word.
    QStringView thousandAlone;
    // Basque says one million as "milioi bat": the millions group "001" then has no words of its
    // own and brings only its singular scale.
    bool millionAloneIsScaleOnly = false;
};

namespace CardinalGroups {

// Group 1, 2 or 3 of n (0..999 999 999).
GrupNombre grup(qint64 n, int i);

// Appends the words of one group, without its scale, to the phrase; i is 1 (millions),
// 2 (thousands) or 3 (units). A group that has no words appends nothing.
using GroupText = void (*)(QString& phrase, int i, GrupNombre g);

// The lower-case phrase of n in 1..999 999 999, with the blanks the joining gives it and never
// two blanks side by side. Zero has a word of its own in each language and is not handled here.
QString join(qint64 n, const CardinalScales& scales, GroupText groupText);

// Appends `piece`, dropping its leading blank when `phrase` already ends in one.
void appendJoined(QString& phrase, QStringView piece);

} // namespace CardinalGroups
