#include "classe/Periode.h"
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
};

QTEST_GUILESS_MAIN(TestClasse)
#include "tst_Classe.moc"
