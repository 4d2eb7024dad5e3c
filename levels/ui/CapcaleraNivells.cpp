#include "levels/ui/CapcaleraNivells.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/Wingdings.h"

namespace {

constexpr int kPuntsComptador = 18;
constexpr int kPuntsFletxa = 14;
constexpr int kPuntsNom = 8;

} // namespace

int CapcaleraNivells::idParametre(TipusActivitat activitat) {
    if (esNumeracio(activitat))
        return IdText::kInferior; // "Superior" follows
    switch (activitat) {
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        return IdText::kXifres; // "Portant-se" follows
    case TipusActivitat::Taules:
        return IdText::kPrimera; // "Última" follows
    case TipusActivitat::Multiplicar:
        return IdText::kMultiplicand; // "Multiplicador" follows
    default:
        return IdText::kDividend; // "Divisor" follows
    }
}

CapcaleraNivells CapcaleraNivells::de(TipusActivitat activitat, int columna, const Sessio& sessio) {
    CapcaleraNivells c;
    if (columna >= 1 && columna <= 3) {
        const int codis[3] = {Wingdings::kClock, Wingdings::kCheck, Wingdings::kCross};
        const QColor colors[3] = {QColor(), QColor(0, 128, 0), QColor(255, 0, 0)};
        c.text = Wingdings::text(codis[columna - 1]);
        c.lletra = Wingdings::font(codis[columna - 1], kPuntsComptador);
        c.lletra.setBold(false);
        c.color = colors[columna - 1];
        c.ajuda = sessio.text(IdText::kTemps + columna - 1); // "Temps", "Fer", "Errors"
        return c;
    }
    const bool segon = columna == 5;
    const QString nom = sessio.text(idParametre(activitat) + (segon ? 1 : 0));
    if (esNumeracio(activitat)) {
        const int codi = segon ? Wingdings::kArrowDownLeft : Wingdings::kArrowDownRight;
        c.text = Wingdings::text(codi);
        c.lletra = Wingdings::font(codi, kPuntsFletxa);
        c.ajuda = nom;
        return c;
    }
    c.text = nom;
    c.lletra.setPointSize(kPuntsNom);
    c.ajuda = c.text;
    return c;
}
