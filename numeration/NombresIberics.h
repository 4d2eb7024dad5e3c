#pragma once

#include "numeration/LlenguaNombres.h"

// Spanish and Galician build the words of a cardinal group and of an ordinal the same way; only
// the words differ. This is that shared construction; each language brings its words.
struct ParaulesIberiques {
    // The cardinal
    ParaulesXifra centenes;    // stems of the hundreds ("dosc", "dousc", ...)
    ParaulesXifra desenes;     // the tens from thirty on
    ParaulesXifra deus;        // eleven to nineteen
    ParaulesXifra unitatsVint; // the units written after "veinti"/"vinte"
    ParaulesXifra unitats;     // the units
    QStringView cent;          // one hundred followed by tens or units ("ciento ")
    QStringView centsFinal;    // the ending of two to nine hundred ("ientos ")
    QStringView deu;           // ten on its own ("diez ")
    QStringView vint;          // twenty on its own ("veinte ")
    QStringView vintDavant;    // twenty joined to its units ("veinti")
    QStringView conjuncio;     // between tens and units (" y ")

    // The ordinal 1..999, from Latin stems (1000 is "milésimo" in both)
    ParaulesXifra ordCentenes;         // stems of the hundreds, before "entésimo " ("duoc", ...)
    ParaulesXifra ordDesenes;          // stems of the tens, before `desenaFinal` ("vi", "tri", ...)
    ParaulesXifra ordUnitats;          // the units ("primero", ...)
    std::array<QStringView, 3> decims; // ten, eleven and twelve ("décimo", ...)
    QStringView desenaFinal;           // the ending of twenty to ninety ("gésimo ")
    QStringView ordDeu;                // ten before the units 3..9 ("decimo")
    QStringView ordDeuDavantVuit;      // ten before eight ("decim": the "o" of "octavo" joins it)
};

class LlenguaIberica final : public LlenguaNombres {
public:
    LlenguaIberica(QStringView zero, const EscalesCardinal& escales,
                   const ParaulesIberiques& paraules)
        : LlenguaNombres(zero, escales), paraules_(paraules) {}

    // One is shortened before a scale word ("un"/"ún").
    void textGrup(QString& frase, int i, GrupNombre g) const override;
    QString textOrdinal(int n, GrupNombre g) const override;

private:
    ParaulesIberiques paraules_;
};
