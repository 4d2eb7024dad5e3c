#include "DivisioLlarga.h"

#include <QTest>

#include <random>

namespace {

QString senseBlancs(QString s) {
    return s.remove(QLatin1Char(' '));
}

} // namespace

class TestDivisioLlarga : public QObject {
    Q_OBJECT
private slots:
    void files_data() {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<QString>("quocient");
        QTest::addColumn<int>("parcial");
        QTest::addColumn<QStringList>("resPar");
        QTest::addColumn<QStringList>("ddPar");
        QTest::addColumn<QList<int>>("inici");
        QTest::addColumn<int>("acabada");

        QTest::newRow("845/9 plain: one-digit remainder under the 4")
            << 845 << 9 << false << "93" << 84 << QStringList{"3 5 ", "8 "} << QStringList{"", ""}
            << QList<int>{1, 2} << 1;
        QTest::newRow("845/12 plain: remainder padded to the divisor's width")
            << 845 << 12 << false << "70" << 84 << QStringList{"0 0 5 "} << QStringList{""}
            << QList<int>{0} << 1;
        QTest::newRow("8105/4 plain: a quotient 0 brings a second digit down")
            << 8105 << 4 << false << "2026" << 8 << QStringList{"0 1 0 ", "2 5 ", "1 "}
            << QStringList{"", "", ""} << QList<int>{0, 2, 3} << 2;
        QTest::newRow("845/9 with subtractions")
            << 845 << 9 << true << "93" << 84 << QStringList{"0 3 5 ", "0 8 "}
            << QStringList{"8 1 ", "2 7 "} << QList<int>{0, 1} << 1;
        QTest::newRow("1095/5 with subtractions: products of changing width")
            << 1095 << 5 << true << "219" << 10 << QStringList{"0 0 9 ", "4 5 ", "0 0 "}
            << QStringList{"1 0 ", "5 ", "4 5 "} << QList<int>{0, 2, 2} << 2;
        QTest::newRow("1095/5 plain")
            << 1095 << 5 << false << "219" << 10 << QStringList{"0 9 ", "4 5 ", "0 "}
            << QStringList{"", "", ""} << QList<int>{1, 2, 3} << 2;
        QTest::newRow("7/7") << 7 << 7 << false << "1" << 7 << QStringList{"0 "} << QStringList{""}
                             << QList<int>{0} << -1;
        QTest::newRow("99999/1 fills the five rows")
            << 99999 << 1 << false << "99999" << 9
            << QStringList{"0 9 ", "0 9 ", "0 9 ", "0 9 ", "0 "} << QStringList{"", "", "", "", ""}
            << QList<int>{0, 1, 2, 3, 4} << 3;
        QTest::newRow("10000/1: four quotient zeros on one row")
            << 10000 << 1 << false << "10000" << 1 << QStringList{"0 0 0 0 0 "} << QStringList{""}
            << QList<int>{0} << 3;
        QTest::newRow("99999/999 with subtractions")
            << 99999 << 999 << true << "100" << 999 << QStringList{"0 0 0 9 9 "}
            << QStringList{"9 9 9 "} << QList<int>{0} << 3;
        QTest::newRow("1000/999 with subtractions: product shorter than the partial")
            << 1000 << 999 << true << "1" << 1000 << QStringList{"0 0 1 "} << QStringList{"9 9 9 "}
            << QList<int>{1} << 2;
        QTest::newRow("9999/99 plain: remainder 00 then two digits down")
            << 9999 << 99 << false << "101" << 99 << QStringList{"0 0 9 9 ", "0 0 "}
            << QStringList{"", ""} << QList<int>{0, 2} << 2;
    }
    void files() {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(bool, ambResta);
        QFETCH(QString, quocient);
        QFETCH(int, parcial);
        QFETCH(QStringList, resPar);
        QFETCH(QStringList, ddPar);
        QFETCH(QList<int>, inici);
        QFETCH(int, acabada);

        const DivisioLlarga d = DivisioLlarga::construeix(dividend, divisor, ambResta);
        QVERIFY(d.valida());
        QCOMPARE(d.quocient, quocient);
        QCOMPARE(d.parcial, parcial);
        QStringList gotRes, gotDd;
        QList<int> gotInici;
        for (const FilaDivisio& f : d.files) {
            gotRes << f.resPar;
            gotDd << f.ddPar;
            gotInici << f.columnaInici;
        }
        QCOMPARE(gotRes, resPar);
        QCOMPARE(gotDd, ddPar);
        QCOMPARE(gotInici, inici);
        QCOMPARE(d.columnaAcabada(), acabada);
    }

    void refused_data() {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::newRow("divisor 0") << 5 << 0;
        QTest::newRow("dividend 0") << 0 << 0;
        QTest::newRow("divisor above dividend") << 3 << 5;
        QTest::newRow("six-digit dividend") << 100000 << 7;
        QTest::newRow("negative") << -10 << -2;
        QTest::newRow("huge") << 2147483647 << 1;
    }
    void refused() {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        for (bool ambResta : {false, true}) {
            const DivisioLlarga d = DivisioLlarga::construeix(dividend, divisor, ambResta);
            QVERIFY(!d.valida());
            QVERIFY(d.files.isEmpty());
            QVERIFY(d.quocient.isEmpty());
        }
    }

    void espaiat() {
        QCOMPARE(DivisioLlarga::espaiat("047"), QString("0 4 7 "));
        QCOMPARE(DivisioLlarga::espaiat(""), QString());
    }

    // Over many divisions within the board's limits: at most five rows, each row brings down
    // the very digits of the dividend at their own columns, the products are the quotient
    // digits times the divisor, and the last row holds the true remainder.
    void rowsAgreeWithTheDividend_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::newRow("plain") << false;
        QTest::newRow("with subtractions") << true;
    }
    void rowsAgreeWithTheDividend() {
        QFETCH(bool, ambResta);
        std::mt19937 gen(20261206);
        for (int i = 0; i < 20000; ++i) {
            const int dividend = std::uniform_int_distribution<int>(1, 99999)(gen);
            const int divisor = std::uniform_int_distribution<int>(1, std::min(dividend, 999))(gen);
            const DivisioLlarga d = DivisioLlarga::construeix(dividend, divisor, ambResta);
            const QString xifres = QString::number(dividend);
            QVERIFY(d.valida());
            QVERIFY(d.files.size() <= DivisioLlarga::kMaxFiles);
            QCOMPARE(d.quocient.toInt(), dividend / divisor);

            QString nonZero = d.quocient;
            nonZero.remove(QLatin1Char('0'));
            QCOMPARE(int(d.files.size()), int(nonZero.size()));

            for (int k = 0; k < d.files.size(); ++k) {
                const FilaDivisio& f = d.files.at(k);
                const QString fila = senseBlancs(f.resPar);
                QCOMPARE(f.resPar, DivisioLlarga::espaiat(fila));
                for (int j = f.xifresResta; j < fila.size(); ++j)
                    QCOMPARE(fila.at(j), xifres.at(f.columnaInici + j));
                if (ambResta) {
                    const int producte = senseBlancs(f.ddPar).toInt();
                    QCOMPARE(producte, nonZero.at(k).digitValue() * divisor);
                    QCOMPARE(int(senseBlancs(f.ddPar).size()), f.xifresResta);
                } else {
                    QVERIFY(f.ddPar.isEmpty());
                    QCOMPARE(f.xifresResta, int(QString::number(divisor).size()));
                }
            }
            const FilaDivisio& ultima = d.files.last();
            QCOMPARE(ultima.columnaInici + int(ultima.resPar.size()) / 2, int(xifres.size()));
            QCOMPARE(senseBlancs(ultima.resPar).toInt(), dividend % divisor);
        }
    }
};

QTEST_GUILESS_MAIN(TestDivisioLlarga)
#include "tst_DivisioLlarga.moc"
