#include "classe/ui/TriaPeriode.h"
#include "core/Sessio.h"

#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTest>

class TestFinestres : public QObject {
    Q_OBJECT
private slots:
    // The dates show for a range between dates only; every change is told; the header names it.
    void triaPeriode() {
        Sessio s;
        s.general.Idioma = 1;
        TriaPeriode t(s);
        t.show();
        auto* tipus = t.findChild<QComboBox*>("Periode");
        auto* inici = t.findChild<QDateEdit*>("Inici");
        QCOMPARE(tipus->itemText(2), QString::fromUtf8("Últimos 30 días"));
        QVERIFY(!inici->isVisible());
        QSignalSpy canvis(&t, &TriaPeriode::canviat);
        tipus->setCurrentIndex(3);
        QVERIFY(inici->isVisible());
        inici->setDate(QDate(2026, 1, 10));
        QCOMPARE(canvis.count(), 2);
        t.findChild<QDateEdit*>("Fi")->setDate(QDate(2026, 2, 1));
        QCOMPARE(textPeriode(s, t.periode()), "Entre dos fechas (10-01-2026 – 01-02-2026)");
        t.posa(Periode::Tipus::Tot);
        QCOMPARE(canvis.count(), 3);
        QVERIFY(!inici->isVisible());
        QCOMPARE(textPeriode(s, t.periode()), "Todo");
    }
};

QTEST_MAIN(TestFinestres)
#include "tst_Finestres.moc"
