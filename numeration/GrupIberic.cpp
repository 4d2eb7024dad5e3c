#include "numeration/GrupIberic.h"

namespace GrupIberic {

void text(QString& text, int i, GrupNombre g, const Paraules& p) {
    if (g.h == 1 && g.t + g.u > 0) {
        text += p.cent;
    } else if (g.h >= 1) {
        text += p.centenes[g.h];
        if (g.h >= 2)
            text += p.centsFinal;
    }
    if (g.t >= 1) {
        text += p.desenes[g.t];
        if (g.t == 1 && g.u == 0)
            text += p.deu;
        else if (g.t == 2 && g.u == 0)
            text += p.vint;
        else if (g.t == 2)
            text += p.vintDavant;
        else if (g.t >= 3 && g.u >= 1)
            text += p.i;
    }
    if (g.u >= 1) {
        if (g.t == 1)
            text += p.deus[g.u];
        else if (g.u == 1 && i <= 2) // before the scale words
            text += g.t == 2 ? QStringView(u"ún") : QStringView(u"un");
        else
            text += g.t == 2 ? p.unitatsVint[g.u] : p.unitats[g.u];
    }
}

} // namespace GrupIberic
