#include "board/DivisioLlarga.h"

namespace {

QString ambZeros(int valor, int amplada) {
    return QStringLiteral("%1").arg(valor, amplada, 10, QLatin1Char('0'));
}

} // namespace

QString DivisioLlarga::espaiat(const QString& xifres) {
    QString text;
    text.reserve(xifres.size() * 2);
    for (QChar c : xifres) {
        text += c;
        text += QLatin1Char(' ');
    }
    return text;
}

DivisioLlarga DivisioLlarga::construeix(int dividend, int divisor, bool ambResta) {
    DivisioLlarga d;
    d.ambResta = ambResta;
    if (divisor < 1 || divisor > dividend || dividend > kMaxDividend)
        return d;
    d.dividend = dividend;
    d.divisor = divisor;
    d.quocient = QString::number(dividend / divisor);

    const QString xifres = QString::number(dividend);
    const int n = int(xifres.size());
    const int ampladaDivisor = int(QString::number(divisor).size());
    auto xifra = [&](int i) { return xifres.at(i).digitValue(); };

    int usades = 1;
    int p = xifra(0);
    while (p < divisor && usades < n)
        p = p * 10 + xifra(usades++);
    d.parcial = p;

    for (;;) {
        FilaDivisio fila;
        QString text;
        if (ambResta) {
            const int producte = (p / divisor) * divisor;
            const QString textProducte = QString::number(producte);
            fila.ddPar = espaiat(textProducte);
            fila.xifresResta = int(textProducte.size());
            text = ambZeros(p - producte, fila.xifresResta);
        } else {
            fila.xifresResta = ampladaDivisor;
            text = ambZeros(p % divisor, ampladaDivisor);
        }
        fila.columnaInici = usades - fila.xifresResta;

        if (usades == n) {
            fila.resPar = espaiat(text);
            d.files.append(fila);
            break;
        }
        text += xifres.at(usades++);
        p = text.toInt();
        // Each digit appended here stands for a quotient digit 0 and gets no row of its own.
        while (p < divisor && usades < n) {
            text += xifres.at(usades++);
            p = text.toInt();
        }
        fila.resPar = espaiat(text);
        d.files.append(fila);
        if (p < divisor)
            break; // the quotient ends in 0: nothing left to divide
    }
    return d;
}

int DivisioLlarga::columnaAcabada() const {
    if (files.isEmpty())
        return 0;
    const FilaDivisio& ultima = files.last();
    return ultima.columnaInici + int(ultima.resPar.size()) / 2 - 2;
}
