#pragma once

#include <QString>
#include <QStringView>

// Spanish and Galician build the ordinals 1..999 the same way, from Latin stems; only the words
// differ (and 1000 is "milésimo" in both). This is that shared construction.
namespace OrdinalIberic {

struct Paraules {
    const QStringView* centenes; // [10] stems of the hundreds, before "entésimo " ("duoc", ...)
    const QStringView* desenes;  // [10] stems of the tens, before `desenaFinal` ("vi", "tri", ...)
    const QStringView* unitats;  // [10] the units ("primero", ...)
    const QStringView* decims;   // [3] ten, eleven and twelve ("décimo", ...)
    QStringView desenaFinal;     // the ending of twenty to ninety ("gésimo ")
    QStringView deu;             // ten before the units 3..9 ("decimo")
    QStringView deuDavantVuit;   // ten before eight ("decim": the "o" of "octavo" joins it)
};

// The ordinal of `n` (1..1000), lower case, with the blanks the steps give it.
QString text(int n, const Paraules& p);

} // namespace OrdinalIberic
