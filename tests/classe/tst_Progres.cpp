#include "classe/ProgresAlumne.h"
#include "tests/support/Taula.h"

#include <QTest>

namespace {

using A = TipusActivitat;
using R = ResultatSerie;

// A pupil's history in the order of play, all in January 2026: day, activity, result, level,
// errors made.
const std::tuple<int, A, R, int, int> kHistoria[] = {
    {10, A::Sumar, R::Superat, 1, 0}, {10, A::Restar, R::Errors, 1, 5},
    {10, A::Sumar, R::Errors, 2, 5},  {12, A::Sumar, R::Temps, 2, 1},
    {12, A::Sumar, R::Superat, 2, 0}, {13, A::Sumar, R::Abandona, 3, 2},
    {20, A::Sumar, R::Acaba, 3, 1},   {20, A::Cardinals, R::Abandona, 1, 0}};

// What the chart of an activity over the days `primer`..`darrer` (0: no bound) shows: each
// series as x:level, outcome, errors | the step line's corners | the labelled days, about
// `maxim` of them, as x:day.
struct CasProgres {
    const char* nom;
    A activitat;
    int primer;
    int darrer;
    int maxim;
    const char* vist;
};
const CasProgres kCasos[] = {
    {"all", A::Sumar, 0, 0, 10,
     "1:1S0 2:2E5 3:2T1 4:2S0 5:3A2 6:3S1|1,1 2,1 2,2 5,2 5,3 6,3|0.5:10 2.5:12 4.5:13 5.5:20"},
    {"days thinned", A::Sumar, 0, 0, 2,
     "1:1S0 2:2E5 3:2T1 4:2S0 5:3A2 6:3S1|1,1 2,1 2,2 5,2 5,3 6,3|0.5:10 4.5:13"},
    {"period", A::Sumar, 12, 13, 10, "1:2T1 2:2S0 3:3A2|1,2 3,2 3,3|0.5:12 2.5:13"},
    {"none", A::Dividir, 0, 0, 10, "||"},
};

QDate gener(int dia) {
    return dia ? QDate(2026, 1, dia) : QDate();
}

QList<SerieHistorial> historia() {
    QList<SerieHistorial> series;
    for (const auto& [dia, a, r, nivell, errors] : kHistoria)
        series << SerieHistorial{gener(dia), a, r, nivell, 0, 10, errors, 5, 0, 300};
    return series;
}

} // namespace

class TestProgres : public QObject {
    Q_OBJECT
private slots:
    void progres_data() { files(kCasos); }
    void progres() {
        const CasProgres& c = fila(kCasos);
        const ProgresAlumne p = ProgresAlumne::de(
            historia(), c.activitat,
            Periode::de(Periode::Tipus::EntreDates, {}, gener(c.primer), gener(c.darrer)));
        QStringList vist[3];
        for (const PuntProgres& s : p.punts)
            vist[0] << QString::number(s.x) + ':' + QString::number(s.nivell) +
                           "SETA"[int(s.desenllac)] + QString::number(s.errors);
        for (const QPointF& e : p.esglaons())
            vist[1] << QStringLiteral("%1,%2").arg(e.x()).arg(e.y());
        for (const DiaProgres& d : p.dies(c.maxim))
            vist[2] << QStringLiteral("%1:%2").arg(d.x).arg(d.dia.day());
        QCOMPARE(vist[0].join(' ') + '|' + vist[1].join(' ') + '|' + vist[2].join(' '), c.vist);
    }

    // The picker offers the activities played, in activity order whatever the order of play.
    void activitats() {
        QCOMPARE(activitatsAmbSeries(historia()), QList({A::Cardinals, A::Sumar, A::Restar}));
    }
};

QTEST_GUILESS_MAIN(TestProgres)
#include "tst_Progres.moc"
