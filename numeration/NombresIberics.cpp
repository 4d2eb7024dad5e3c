#include "numeration/NombresIberics.h"

void LlenguaIberica::textGrup(QString& frase, int i, GrupNombre g) const {
    if (g.h == 1 && g.t + g.u > 0) {
        frase += paraules_.cent;
    } else if (g.h >= 1) {
        frase += paraules_.centenes[g.h];
        if (g.h >= 2)
            frase += paraules_.centsFinal;
    }
    if (g.t >= 1) {
        frase += paraules_.desenes[g.t];
        if (g.t == 1 && g.u == 0)
            frase += paraules_.deu;
        else if (g.t == 2 && g.u == 0)
            frase += paraules_.vint;
        else if (g.t == 2)
            frase += paraules_.vintDavant;
        else if (g.t >= 3 && g.u >= 1)
            frase += paraules_.conjuncio;
    }
    if (g.u >= 1) {
        if (g.t == 1)
            frase += paraules_.deus[g.u];
        else if (g.u == 1 && i <= 2) // before the scale words
            frase += g.t == 2 ? QStringView(u"ún") : QStringView(u"un");
        else
            frase += g.t == 2 ? paraules_.unitatsVint[g.u] : paraules_.unitats[g.u];
    }
}

QString LlenguaIberica::textOrdinal(int n, GrupNombre g) const {
    if (n == 1000)
        return QStringLiteral("milésimo");
    auto [h, t, u] = g;

    QString frase;
    if (h >= 1) {
        frase += paraules_.ordCentenes[h];
        frase += u"entésimo ";
    }
    if (t >= 1) {
        frase += paraules_.ordDesenes[t];
        if (t >= 2) {
            frase += paraules_.desenaFinal;
        } else if (u <= 2) {
            frase += paraules_.decims[u];
            u = 0;
        } else {
            frase += u == 8 ? paraules_.ordDeuDavantVuit : paraules_.ordDeu;
        }
    }
    if (u >= 1)
        frase += paraules_.ordUnitats[u];
    return frase;
}
