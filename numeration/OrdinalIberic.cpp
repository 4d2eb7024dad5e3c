#include "numeration/OrdinalIberic.h"

namespace OrdinalIberic {

QString text(int n, const Paraules& p) {
    if (n == 1000)
        return QStringLiteral("milésimo");
    const int h = n / 100 % 10;
    const int t = n / 10 % 10;
    int u = n % 10;

    QString frase;
    if (h >= 1) {
        frase += p.centenes[h];
        frase += u"entésimo ";
    }
    if (t >= 1) {
        frase += p.desenes[t];
        if (t >= 2) {
            frase += p.desenaFinal;
        } else if (u <= 2) {
            frase += p.decims[u];
            u = 0;
        } else {
            frase += u == 8 ? p.deuDavantVuit : p.deu;
        }
    }
    if (u >= 1)
        frase += p.unitats[u];
    return frase;
}

} // namespace OrdinalIberic
