#include "Atzar.h"
#include "LiniaResposta.h"

#include <QTest>

class TestLiniaResposta : public QObject {
    Q_OBJECT
private slots:
    // Each row types `keys` against `solucio`; `results` holds one letter per key
    // (C complete, A advance, E error) and `escrit` the line left on the board.
    void typing_data() {
        QTest::addColumn<QString>("solucio");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("escrit");
        QTest::newRow("right answer") << "21"
                                      << "21"
                                      << "AC"
                                      << "21";
        QTest::newRow("wrong digit is not kept") << "21"
                                                 << "231"
                                                 << "AEC"
                                                 << "21";
        QTest::newRow("separator must be typed") << "1.234"
                                                 << "12"
                                                 << "AE"
                                                 << "1";
        QTest::newRow("separator typed") << "1.234"
                                         << "1.234"
                                         << "AAAAC"
                                         << "1.234";
        QTest::newRow("blank separator") << "12 345"
                                         << "12 345"
                                         << "AAAAAC"
                                         << "12 345";
        QTest::newRow("single char") << "0"
                                     << "0"
                                     << "C"
                                     << "0";
        QTest::newRow("roman letters") << "XIV"
                                       << "XVIV"
                                       << "AEAC"
                                       << "XIV";
        QTest::newRow("typing after complete is wrong") << "5"
                                                        << "55"
                                                        << "CE"
                                                        << "5";
    }
    void typing() {
        QFETCH(QString, solucio);
        QFETCH(QString, keys);
        QFETCH(QString, results);
        QFETCH(QString, escrit);
        LiniaResposta linia;
        linia.inicia(solucio);
        QString got;
        for (QChar k : keys) {
            switch (linia.caracter(k)) {
            case LiniaResposta::Completa:
                got += 'C';
                break;
            case LiniaResposta::Avanca:
                got += 'A';
                break;
            case LiniaResposta::Erronia:
                got += 'E';
                break;
            }
        }
        QCOMPARE(got, results);
        QCOMPARE(linia.escrit(), escrit);
    }

    void cursorColourAndVisibility() {
        LiniaResposta linia;
        linia.inicia("12");
        QVERIFY(linia.senyalVisible());
        QVERIFY(!linia.senyalVermell());
        linia.caracter('9');
        QVERIFY(linia.senyalVermell());
        linia.caracter('1');
        QVERIFY(!linia.senyalVermell());
        QVERIFY(linia.senyalVisible());
        linia.caracter('2');
        QVERIFY(!linia.senyalVisible());
        linia.inicia("3");
        QVERIFY(linia.senyalVisible());
        QCOMPARE(linia.escrit(), QString());
    }

    void helpGivesTheNextCharacter() {
        LiniaResposta linia;
        linia.inicia("1.5");
        QCOMPARE(linia.caracterAjuda(), QChar('1'));
        linia.caracter('1');
        QCOMPARE(linia.caracterAjuda(), QChar('.'));
        linia.caracter('.');
        linia.caracter('5');
        QVERIFY(linia.caracterAjuda().isNull());
    }

    void atzarStaysInRange() {
        Atzar a(7);
        int lows = 0, highs = 0;
        for (int i = 0; i < 20000; ++i) {
            const float r = a.r();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const int v = a.entre(1, 9);
            QVERIFY(v >= 1 && v <= 9);
            lows += v == 1;
            highs += v == 9;
        }
        // Both ends are drawn (a range that loses its top value is a classic fault).
        QVERIFY(lows > 1000);
        QVERIFY(highs > 1000);
    }

    void atzarIsReproducible() {
        Atzar a(99), b(99);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.r(), b.r());
    }
};

QTEST_GUILESS_MAIN(TestLiniaResposta)
#include "tst_LiniaResposta.moc"
