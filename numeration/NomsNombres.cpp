#include "numeration/NomsNombres.h"

#include "core/DigitGrouping.h"
#include "numeration/IntervalsNombres.h"
#include "numeration/LlenguaNombres.h"
#include "numeration/UpperCase.h"

namespace {

const LlenguaNombres* llengua(int idioma) {
    switch (idioma) {
    case 0:
        return &nombresCatala();
    case 1:
        return &nombresCastella();
    case 2:
        return &nombresGalec();
    case 3:
        return &nombresBasc();
    default:
        return nullptr;
    }
}

// Group 1 (millions), 2 (thousands) or 3 (units) of n, written with nine digits.
GrupNombre grup(qint64 n, int i) {
    static constexpr qint64 kUnitatGrup[] = {1'000'000, 1'000, 1};
    const int xifres = int((n / kUnitatGrup[i - 1]) % 1000);
    return {xifres / 100, xifres / 10 % 10, xifres % 10};
}

// Appends `tros`, dropping its leading blank when `frase` already ends in one: no two blanks ever
// stand side by side.
void afegeix(QString& frase, QStringView tros) {
    if (frase.endsWith(u' ') && tros.startsWith(u' '))
        tros = tros.mid(1);
    frase += tros;
}

// The lower-case words of n in 1..999 999 999: each group's words joined with its scale.
QString paraulesCardinal(const LlenguaNombres& llengua, qint64 n) {
    const EscalesCardinal& escales = llengua.escales();
    QString frase;
    frase.reserve(112);
    for (int i = 1; i <= 3; ++i) {
        const GrupNombre g = grup(n, i);
        const bool plural = g.h + g.t > 0 || g.u > 1;
        const bool singular = !plural && (!frase.isEmpty() || g.u == 1);
        // A singular group with u = 1 is "001".
        if (singular && i == 2 && g.u == 1) {
            afegeix(frase, escales.milSol);
            continue;
        }
        if (singular && i == 1 && g.u == 1 && escales.milioSolNomesEscala) {
            afegeix(frase, escales.singular[0]);
            continue;
        }
        const qsizetype abans = frase.size();
        llengua.textGrup(frase, i, g);
        if (frase.size() == abans)
            continue; // a group without words takes no scale
        if (plural)
            afegeix(frase, escales.plural[i - 1]);
        else if (singular)
            afegeix(frase, escales.singular[i - 1]);
    }
    return frase;
}

} // namespace

namespace NomsNombres {

bool teParaules(int idioma) {
    return llengua(idioma) != nullptr;
}

std::optional<FraseNombre> fraseCardinal(int idioma, qint64 n, int separador) {
    const LlenguaNombres* l = llengua(idioma);
    if (!l)
        return std::nullopt;
    n = IntervalsNombres::limitaCardinal(n);
    QString frase = n == 0 ? l->zero().toString() : paraulesCardinal(*l, n);
    return FraseNombre{UpperCase::of(std::move(frase)), DigitGrouping::group(n, separador)};
}

std::optional<FraseNombre> fraseOrdinal(int idioma, qint64 n) {
    const LlenguaNombres* l = llengua(idioma);
    if (!l)
        return std::nullopt;
    n = IntervalsNombres::limitaOrdinal(n);
    return FraseNombre{UpperCase::of(l->textOrdinal(int(n), grup(n, 3))), QString::number(n)};
}

} // namespace NomsNombres
