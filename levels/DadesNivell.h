#pragma once

#include "core/TipusActivitat.h"

#include <QByteArray>
#include <cstdint>

// One level of one activity: the 14-byte record of a level-set file, little-endian, no padding.
struct DadesNivell {
    static constexpr int kLength = 14;

    int16_t Temps = 0;      // seconds for the whole series
    int16_t Fer = 0;        // exercises to get right
    int16_t Errors = 0;     // errors allowed
    int32_t Parametre1 = 0; // meaning per activity
    int32_t Parametre2 = 0;

    QByteArray encode() const;
    // Bytes missing at the end of `record` read as zeros.
    static DadesNivell decode(const QByteArray& record);

    bool operator==(const DadesNivell&) const = default;
};

inline constexpr int kNivellsPerActivitat = 10;

// Record number (from 1) of level `nivell` (1..10) of activity `activitat` (1..9).
constexpr int IndexNivell(int activitat, int nivell) {
    return (activitat - 1) * kNivellsPerActivitat + nivell;
}
inline constexpr int kRegistresJoc = kActivitats * kNivellsPerActivitat;

struct Rang {
    int minim;
    int maxim;
};

// Ranges of the three counters, the same for every activity (the editor's scroll bars).
inline constexpr Rang kRangTemps{10, 999};
inline constexpr Rang kRangFer{1, 999};
inline constexpr Rang kRangErrors{0, 999};

// How the editor keeps the two parameters of an activity in order.
enum class RelacioParametres {
    Cap,
    PrimerNoPassaSegon, // a range from Parametre1 to Parametre2
    SegonNoPassaPrimer, // digits of the second operand never exceed those of the first
};

struct RangsActivitat {
    Rang parametre1;
    Rang parametre2;
    RelacioParametres relacio;
};

// The limits the level editor allows for activity 1..9. Any other number gets the widest ranges
// of any activity, with no relation.
RangsActivitat rangsDe(int activitat);

// `d` held to the limits of `activitat`: every field is brought inside its range, and when the
// two parameters break the activity's relation, Parametre2 takes the value of Parametre1, as the
// editor does when the first one moves past the second; carrying (Sumar, Restar) is allowed by a
// stored 1 only. A record read from a damaged or foreign file goes through here before the board
// builds exercises from it.
DadesNivell ajustaAlsRangs(int activitat, const DadesNivell& d);
