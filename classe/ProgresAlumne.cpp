#include "classe/ProgresAlumne.h"

#include <algorithm>

ProgresAlumne ProgresAlumne::de(const QList<SerieHistorial>& series, TipusActivitat activitat,
                                const Periode& periode) {
    ProgresAlumne p;
    for (const SerieHistorial& s : series)
        if (s.activitat == activitat && periode.conte(s.data))
            p.punts << PuntProgres{double(p.punts.size() + 1), s.data, s.nivell,
                                   desenllac(s.resultat), s.errorsFets};
    return p;
}

QList<QPointF> ProgresAlumne::esglaons() const {
    QList<QPointF> linia;
    for (const PuntProgres& p : punts) {
        if (linia.isEmpty()) {
            linia << QPointF(p.x, p.nivell);
        } else if (p.nivell != linia.last().y()) {
            linia << QPointF(p.x, linia.last().y()) << QPointF(p.x, p.nivell);
        }
    }
    if (!punts.isEmpty() && linia.last().x() < punts.last().x)
        linia << QPointF(punts.last().x, linia.last().y());
    return linia;
}

QList<DiaProgres> ProgresAlumne::dies(int maxim) const {
    QList<DiaProgres> dies;
    const double pas = double(punts.size()) / std::max(maxim, 1);
    for (int i = 0; i < punts.size(); ++i) {
        const PuntProgres& p = punts[i];
        if (i > 0 && punts[i - 1].dia == p.dia)
            continue;
        if (!dies.isEmpty() && p.x - 0.5 - dies.last().x < pas)
            continue;
        dies << DiaProgres{p.x - 0.5, p.dia};
    }
    return dies;
}

QList<TipusActivitat> activitatsAmbSeries(const QList<SerieHistorial>& series) {
    bool jugada[kActivitats + 1] = {};
    for (const SerieHistorial& s : series)
        jugada[numero(s.activitat)] = true;
    QList<TipusActivitat> activitats;
    for (int a = 1; a <= kActivitats; ++a)
        if (jugada[a])
            activitats << tipusActivitat(a);
    return activitats;
}
