#include "levels/ui/CapcaleraNivells.h"

#include "core/Sessio.h"
#include "core/ui/Wingdings.h"

namespace {

constexpr int kPuntsComptador = 18;
constexpr int kPuntsFletxa = 14;
constexpr int kPuntsNom = 8;
constexpr int kIdTemps = 43; // "Temps", "Fer", "Errors" follow
constexpr int kIdInferior = 46;
constexpr int kIdSuperior = 47;

// The string id of the first parameter's name for activities 5..9; the second is the next id.
int idParametre(int activitat) {
    switch (activitat) {
    case 5:
    case 6:
        return 36; // "Xifres", "Portant-se"
    case 7:
        return 38; // "Primera", "Última"
    case 8:
        return 53; // "Multiplicand", "Multiplicador"
    default:
        return 51; // "Dividend", "Divisor"
    }
}

} // namespace

CapcaleraNivells CapcaleraNivells::de(int activitat, int columna, const Sessio& sessio) {
    CapcaleraNivells c;
    if (columna >= 1 && columna <= 3) {
        const int codis[3] = {Wingdings::kClock, Wingdings::kCheck, Wingdings::kCross};
        const QColor colors[3] = {QColor(), QColor(0, 128, 0), QColor(255, 0, 0)};
        c.text = Wingdings::text(codis[columna - 1]);
        c.lletra = Wingdings::font(codis[columna - 1], kPuntsComptador);
        c.lletra.setBold(false);
        c.color = colors[columna - 1];
        c.ajuda = sessio.text(kIdTemps + columna - 1);
        return c;
    }
    const bool segon = columna == 5;
    if (activitat >= 1 && activitat <= 4) {
        const int codi = segon ? Wingdings::kArrowDownLeft : Wingdings::kArrowDownRight;
        c.text = Wingdings::text(codi);
        c.lletra = Wingdings::font(codi, kPuntsFletxa);
        c.ajuda = sessio.text(segon ? kIdSuperior : kIdInferior);
        return c;
    }
    c.text = sessio.text(idParametre(activitat) + (segon ? 1 : 0));
    c.lletra.setPointSize(kPuntsNom);
    c.ajuda = c.text;
    return c;
}
