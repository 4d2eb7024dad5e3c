#include "levels/DadesNivell.h"

#include "core/Bytes.h"

#include <algorithm>

QByteArray DadesNivell::encode() const {
    QByteArray b(kLength, '\0');
    Bytes::putI16(b, 0, Temps);
    Bytes::putI16(b, 2, Fer);
    Bytes::putI16(b, 4, Errors);
    Bytes::putI32(b, 6, Parametre1);
    Bytes::putI32(b, 10, Parametre2);
    return b;
}

DadesNivell DadesNivell::decode(const QByteArray& record) {
    DadesNivell d;
    d.Temps = Bytes::i16(record, 0);
    d.Fer = Bytes::i16(record, 2);
    d.Errors = Bytes::i16(record, 4);
    d.Parametre1 = Bytes::i32(record, 6);
    d.Parametre2 = Bytes::i32(record, 10);
    return d;
}

RangsActivitat rangsDe(int activitat) {
    constexpr int kNouXifres = 999'999'999;
    using R = RelacioParametres;
    switch (tipusActivitat(activitat)) {
    case TipusActivitat::Cardinals:
    case TipusActivitat::Ordenacio:
        return {{0, kNouXifres}, {0, kNouXifres}, R::PrimerNoPassaSegon};
    case TipusActivitat::Ordinals:
        return {{1, 1000}, {1, 1000}, R::PrimerNoPassaSegon};
    case TipusActivitat::Romans: // 3999 is the largest number the numerals can write
        return {{1, 3999}, {1, 3999}, R::PrimerNoPassaSegon};
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        return {{1, 5}, {0, 1}, R::Cap};
    case TipusActivitat::Taules:
        return {{1, 9}, {1, 9}, R::PrimerNoPassaSegon};
    case TipusActivitat::Multiplicar:
    case TipusActivitat::Dividir:
        return {{1, 5}, {1, 3}, R::SegonNoPassaPrimer};
    case TipusActivitat::Portada:
        break;
    }
    return {{0, kNouXifres}, {0, kNouXifres}, R::Cap};
}

namespace {

int ajusta(int valor, Rang r) {
    return std::clamp(valor, r.minim, r.maxim);
}

} // namespace

DadesNivell ajustaAlsRangs(int activitat, const DadesNivell& d) {
    const RangsActivitat r = rangsDe(activitat);
    DadesNivell ajustat;
    ajustat.Temps = int16_t(ajusta(d.Temps, kRangTemps));
    ajustat.Fer = int16_t(ajusta(d.Fer, kRangFer));
    ajustat.Errors = int16_t(ajusta(d.Errors, kRangErrors));
    ajustat.Parametre1 = ajusta(d.Parametre1, r.parametre1);
    ajustat.Parametre2 = ajusta(d.Parametre2, r.parametre2);
    // "Portant-se" is a yes/no flag whose yes is 1: a damaged 2 or 255 is no more a yes than 0
    // is, so the editor, its report and the board all read it as "No".
    const TipusActivitat tipus = tipusActivitat(activitat);
    if (tipus == TipusActivitat::Sumar || tipus == TipusActivitat::Restar)
        ajustat.Parametre2 = d.Parametre2 == 1 ? 1 : 0;
    // Parametre2 stays inside its own range: where it must not be below Parametre1 both ranges
    // are the same, and where it must not be above Parametre1 it only moves down.
    if (r.relacio == RelacioParametres::PrimerNoPassaSegon &&
        ajustat.Parametre2 < ajustat.Parametre1)
        ajustat.Parametre2 = ajustat.Parametre1;
    if (r.relacio == RelacioParametres::SegonNoPassaPrimer &&
        ajustat.Parametre2 > ajustat.Parametre1)
        ajustat.Parametre2 = ajustat.Parametre1;
    return ajustat;
}
