#pragma once

#include <QString>
#include <QStringView>
#include <array>

// One word per digit 0..9, read with the digit as index.
using ParaulesXifra = std::array<QStringView, 10>;

// A cardinal is read in three `GrupNombre` of three digits (millions, thousands and units), an
// ordinal in one.
struct GrupNombre {
    int h = 0; // hundreds digit
    int t = 0; // tens digit
    int u = 0; // units digit
};

// The scale word each group is joined to; index 0 millions, 1 thousands, 2 units.
struct EscalesCardinal {
    std::array<QStringView, 3> plural;
    std::array<QStringView, 3> singular;
    // The whole text of a thousands group "001": one thousand is never said with a units word.
    QStringView milSol;
    // Basque says one million as "milioi bat": the millions group "001" then has no words of its
    // own and brings only its singular scale.
    bool milioSolNomesEscala = false;
};

// What one language brings to the number words: its word for zero, its scales, and its own rules
// for the words of one group and for an ordinal. Everything the four languages do alike (the
// range, the groups and their joining, upper case, the answer) is the one path of NomsNombres.
class LlenguaNombres {
public:
    LlenguaNombres(QStringView zero, const EscalesCardinal& escales)
        : zero_(zero), escales_(escales) {}
    virtual ~LlenguaNombres() = default;

    QStringView zero() const { return zero_; }
    const EscalesCardinal& escales() const { return escales_; }

    // Appends the words of group `g`, without its scale; `i` is 1 (millions), 2 (thousands) or
    // 3 (units). A group that has no words appends nothing.
    virtual void textGrup(QString& frase, int i, GrupNombre g) const = 0;
    // The ordinal of `n` (1..1000), lower case, with the blanks the language's steps give it.
    // `g` holds the last three digits of n: its thousands digit is never read.
    virtual QString textOrdinal(int n, GrupNombre g) const = 0;

private:
    QStringView zero_;
    EscalesCardinal escales_;
};

// The four languages with number words, each in its own file.
const LlenguaNombres& nombresCatala();   // `CardinalCat`, `OrdinalCat`
const LlenguaNombres& nombresCastella(); // `CardinalCas`, `OrdinalCas`
const LlenguaNombres& nombresGalec();    // `CardinalGal`, `OrdinalGal`
const LlenguaNombres& nombresBasc();     // `CardinalEus`, `OrdinalEus`
