#include "classe/Periode.h"
#include "classe/ResumClasse.h"
#include "tests/classe/ClasseProva.h"
#include "tests/support/Taula.h"

#include <QTest>

namespace {

using T = Periode::Tipus;

// A period seen from a day, and the first and last days it counts (empty: no bound).
struct CasPeriode {
    const char* nom;
    T tipus;
    const char* avui;
    const char* inici;
    const char* fi;
    const char* primer;
    const char* darrer;
};
const CasPeriode kPeriodes[] = {
    {"all", T::Tot, "2026-12-07", "", "", "", ""},
    {"first term", T::Trimestre, "2026-12-07", "", "", "2026-09-01", "2026-12-31"},
    {"second term", T::Trimestre, "2027-02-28", "", "", "2027-01-01", "2027-03-31"},
    {"third term", T::Trimestre, "2027-04-01", "", "", "2027-04-01", "2027-08-31"},
    {"last 30 days", T::Darrers30Dies, "2026-03-01", "", "", "2026-01-31", "2026-03-01"},
    {"between", T::EntreDates, "2026-12-07", "2026-01-10", "2026-02-01", "2026-01-10",
     "2026-02-01"},
    {"between, turned", T::EntreDates, "2026-12-07", "2026-02-01", "2026-01-10", "2026-01-10",
     "2026-02-01"},
};

// The overview sorted by a column: the pupils' numbers in the order shown.
struct CasOrdre {
    const char* nom;
    int columna;
    Qt::SortOrder ordre;
    const char* numeros;
};
const CasOrdre kOrdres[] = {
    {"names as the language sorts them", 1, Qt::AscendingOrder, "4 1 2 3"},
    {"level, ties keep their order", 2, Qt::DescendingOrder, "4 2 3 1"},
    {"a finished level is the highest", 3, Qt::DescendingOrder, "3 2 4 1"},
    {"finished after the last level", 4, Qt::AscendingOrder, "1 3 4 2"},
    {"series, blanks last", 5, Qt::AscendingOrder, "2 3 1 4"},
    {"series descending, blanks still last", 5, Qt::DescendingOrder, "3 2 1 4"},
    {"share of none is blank", 7, Qt::DescendingOrder, "3 1 2 4"},
    {"time", 8, Qt::DescendingOrder, "3 2 1 4"},
    {"last day", 9, Qt::AscendingOrder, "3 1 2 4"},
};

QString junta(const QList<QStringList>& taula) {
    QStringList t;
    for (const QStringList& f : taula)
        t << f.join(u'|');
    return t.join(u'\n');
}

QDate dia(const char* text) {
    return QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
}

} // namespace

class TestClasse : public QObject {
    Q_OBJECT
private slots:
    void periode_data() { files(kPeriodes); }
    void periode() {
        const CasPeriode& c = fila(kPeriodes);
        const Periode p = Periode::de(c.tipus, dia(c.avui), dia(c.inici), dia(c.fi));
        QCOMPARE(p.inici, dia(c.primer));
        QCOMPARE(p.fi, dia(c.darrer));
        if (p.inici.isValid())
            QVERIFY(p.conte(p.inici) && !p.conte(p.inici.addDays(-1)));
        if (p.fi.isValid())
            QVERIFY(p.conte(p.fi) && !p.conte(p.fi.addDays(1)));
        QVERIFY(p.conte(dia("2026-01-20")) ==
                (c.tipus != T::Trimestre && c.tipus != T::Darrers30Dies));
    }

    // The list's rules, each activity its count, finished levels marked, blank figures for a
    // history that is missing or cannot be read, only the period's series counted.
    void resum() {
        ClasseProva p;
        ResumClasse r = ResumClasse::llegeix(p.c.path(), 1, 0, p.cfg, p.darrers30);
        QCOMPARE(junta(r.taula(ResumClasse::Format::Pantalla)),
                 QString::fromUtf8("Núm|Nom|Cardinals|Romans|Dividir|Sèries|Superades|% "
                                   "superades|Temps total|Darrer dia\n"
                                   "1|Arnau|1/5|1/5|1/8|||||\n"
                                   "2|Bet|2/5|5/5|8/8 ✓|0|0||00:00|\n"
                                   "3|Carla|2/5|5/5 ✓|2/8|3|2|67 %|1:03:15|05/12/2026\n"
                                   "4|Àlex|5/5|3/5|8/8|||||"));
        QCOMPARE(r.taula(ResumClasse::Format::Csv).mid(2, 2),
                 (QList<QStringList>{
                     {"2", "Bet", "2", "5", "9", "0", "0", "", "0:00:00", ""},
                     {"3", "Carla", "2", "6", "2", "3", "2", "67", "1:03:15", "05/12/2026"}}));
        QCOMPARE(r.capcalera(ResumClasse::Format::Csv).at(4),
                 QString::fromUtf8("Dividir (nivell de 8; 9 = acabada)"));
        QCOMPARE(QList<double>({r.avanc(0, 2), r.avanc(1, 4), r.avanc(2, 4), r.avanc(2, 5)}),
                 QList<double>({0.0, 1.0, 0.125, -1.0}));
        r.posaPeriode({});
        QCOMPARE(r.fila(1, ResumClasse::Format::Pantalla).mid(5).join(u'|'),
                 "1|0|0 %|00:30|01/01/2026");
        QCOMPARE(textTemps(36000 + 59), "10:00:59");
    }

    void ordre_data() { files(kOrdres); }
    void ordre() {
        const CasOrdre& c = fila(kOrdres);
        ClasseProva p;
        ResumClasse r = ResumClasse::llegeix(p.c.path(), 1, 0, p.cfg, p.darrers30);
        r.ordena(c.columna, c.ordre);
        QStringList numeros;
        for (qsizetype i = 0; i < r.files(); ++i)
            numeros << QString::number(r.alumne(i).numero);
        QCOMPARE(numeros.join(u' '), c.numeros);
    }
};

QTEST_GUILESS_MAIN(TestClasse)
#include "tst_Classe.moc"
