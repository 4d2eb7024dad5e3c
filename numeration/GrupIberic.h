#pragma once

#include "numeration/CardinalGroups.h"

#include <QString>
#include <QStringView>

// Spanish and Galician build the words of one group of three digits the same way; only the
// words differ. This is that shared construction.
namespace GrupIberic {

struct Paraules {
    const QStringView* centenes;    // [10] stems of the hundreds ("dosc", "dousc", ...)
    const QStringView* desenes;     // [10] the tens from thirty on
    const QStringView* deus;        // [10] eleven to nineteen
    const QStringView* unitatsVint; // [10] the units written after "veinti"/"vinte"
    const QStringView* unitats;     // [10] the units
    QStringView cent;               // one hundred followed by tens or units ("ciento ")
    QStringView centsFinal;         // the ending of two to nine hundred ("ientos ")
    QStringView deu;                // ten on its own ("diez ")
    QStringView vint;               // twenty on its own ("veinte ")
    QStringView vintDavant;         // twenty joined to its units ("veinti")
    QStringView i;                  // between tens and units (" y ")
};

// Appends the words of group `g` (the `i`-th group, 1 millions, 2 thousands, 3 units). One is
// shortened before a scale word ("un"/"ún").
void text(QString& frase, int i, GrupNombre g, const Paraules& p);

} // namespace GrupIberic
