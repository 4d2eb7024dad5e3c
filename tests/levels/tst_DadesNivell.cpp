#include "DadesNivell.h"

#include <QTest>

#include <climits>

Q_DECLARE_METATYPE(DadesNivell)

char* toString(const DadesNivell& d) {
    return QTest::toString(QString("(%1, %2, %3, %4, %5)")
                               .arg(d.Temps)
                               .arg(d.Fer)
                               .arg(d.Errors)
                               .arg(d.Parametre1)
                               .arg(d.Parametre2));
}

namespace {

DadesNivell nivell(int temps, int fer, int errors, int p1, int p2) {
    DadesNivell d;
    d.Temps = int16_t(temps);
    d.Fer = int16_t(fer);
    d.Errors = int16_t(errors);
    d.Parametre1 = p1;
    d.Parametre2 = p2;
    return d;
}

} // namespace

class TestDadesNivell : public QObject {
    Q_OBJECT
private slots:
    void bytes_data() {
        QTest::addColumn<DadesNivell>("d");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cardinals 1") << nivell(120, 20, 5, 0, 10)
                                     << QByteArray("\x78\x00\x14\x00\x05\x00"
                                                   "\x00\x00\x00\x00\x0A\x00\x00\x00",
                                                   14);
        QTest::newRow("largest bound") << nivell(999, 1, 0, 0, 999999999)
                                       << QByteArray("\xE7\x03\x01\x00\x00\x00"
                                                     "\x00\x00\x00\x00\xFF\xC9\x9A\x3B",
                                                     14);
        QTest::newRow("negative and extremes") << nivell(-1, -32768, 32767, INT_MIN, -2)
                                               << QByteArray("\xFF\xFF\x00\x80\xFF\x7F"
                                                             "\x00\x00\x00\x80\xFE\xFF\xFF\xFF",
                                                             14);
    }
    void bytes() {
        QFETCH(DadesNivell, d);
        QFETCH(QByteArray, bytes);
        QCOMPARE(d.encode(), bytes);
        QCOMPARE(DadesNivell::decode(bytes), d);
    }

    void shortRecordReadsZeros() {
        // Temps and half of Fer present: the missing high byte of Fer and the rest read as 0.
        const DadesNivell d = DadesNivell::decode(QByteArray("\x2C\x01\xFF", 3));
        QCOMPARE(d, nivell(300, 255, 0, 0, 0));
        QCOMPARE(DadesNivell::decode({}), DadesNivell{});
    }

    void clamp_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<DadesNivell>("in");
        QTest::addColumn<DadesNivell>("out");
        const DadesNivell minims = nivell(SHRT_MIN, SHRT_MIN, SHRT_MIN, INT_MIN, INT_MIN);
        const DadesNivell maxims = nivell(SHRT_MAX, SHRT_MAX, SHRT_MAX, INT_MAX, INT_MAX);

        QTest::newRow("cardinals min") << 1 << minims << nivell(10, 1, 0, 0, 0);
        QTest::newRow("cardinals max")
            << 1 << maxims << nivell(999, 999, 999, 999999999, 999999999);
        QTest::newRow("cardinals reversed")
            << 1 << nivell(120, 20, 5, 5000, 10) << nivell(120, 20, 5, 5000, 5000);
        QTest::newRow("cardinals valid kept")
            << 1 << nivell(10, 1, 0, 0, 100000000) << nivell(10, 1, 0, 0, 100000000);
        QTest::newRow("ordinals min") << 2 << minims << nivell(10, 1, 0, 1, 1);
        QTest::newRow("ordinals max") << 2 << maxims << nivell(999, 999, 999, 1000, 1000);
        QTest::newRow("ordinals reversed")
            << 2 << nivell(120, 15, 5, 70, -4) << nivell(120, 15, 5, 70, 70);
        QTest::newRow("romans max") << 3 << maxims << nivell(999, 999, 999, 3999, 3999);
        QTest::newRow("romans zero") << 3 << DadesNivell{} << nivell(10, 1, 0, 1, 1);
        QTest::newRow("romans reversed")
            << 3 << nivell(60, 10, 5, 4000, 20) << nivell(60, 10, 5, 3999, 3999);
        QTest::newRow("ordenacio min") << 4 << minims << nivell(10, 1, 0, 0, 0);
        QTest::newRow("ordenacio reversed")
            << 4 << nivell(180, 8, 5, INT_MAX, 9) << nivell(180, 8, 5, 999999999, 999999999);
        QTest::newRow("sumar min") << 5 << minims << nivell(10, 1, 0, 1, 0);
        // Carrying is allowed by a stored 1 alone.
        QTest::newRow("sumar max") << 5 << maxims << nivell(999, 999, 999, 5, 0);
        QTest::newRow("sumar carrying 1")
            << 5 << nivell(120, 5, 5, 2, 1) << nivell(120, 5, 5, 2, 1);
        QTest::newRow("sumar carrying 2")
            << 5 << nivell(120, 5, 5, 2, 2) << nivell(120, 5, 5, 2, 0);
        QTest::newRow("restar carrying 7")
            << 6 << nivell(120, 5, 5, 3, 7) << nivell(120, 5, 5, 3, 0);
        QTest::newRow("restar carrying -1")
            << 6 << nivell(120, 5, 5, 3, -1) << nivell(120, 5, 5, 3, 0);
        QTest::newRow("restar no relation")
            << 6 << nivell(120, 5, 5, 5, 0) << nivell(120, 5, 5, 5, 0);
        QTest::newRow("taules min") << 7 << minims << nivell(10, 1, 0, 1, 1);
        QTest::newRow("taules max") << 7 << maxims << nivell(999, 999, 999, 9, 9);
        QTest::newRow("taules reversed") << 7 << nivell(60, 10, 5, 8, 3) << nivell(60, 10, 5, 8, 8);
        QTest::newRow("multiplicar min") << 8 << minims << nivell(10, 1, 0, 1, 1);
        QTest::newRow("multiplicar max") << 8 << maxims << nivell(999, 999, 999, 5, 3);
        QTest::newRow("multiplicar divisor above")
            << 8 << nivell(120, 5, 5, 2, 3) << nivell(120, 5, 5, 2, 2);
        QTest::newRow("dividir negative divisor")
            << 9 << nivell(120, 5, 5, 4, -7) << nivell(120, 5, 5, 4, 1);
        QTest::newRow("dividir zero dividend")
            << 9 << nivell(120, 5, 5, 0, 3) << nivell(120, 5, 5, 1, 1);
        QTest::newRow("dividir valid kept")
            << 9 << nivell(300, 5, 5, 5, 3) << nivell(300, 5, 5, 5, 3);
        QTest::newRow("unknown activity") << 0 << minims << nivell(10, 1, 0, 0, 0);
    }
    void clamp() {
        QFETCH(int, activitat);
        QFETCH(DadesNivell, in);
        QFETCH(DadesNivell, out);
        QCOMPARE(clampToRanges(activitat, in), out);
    }
};

QTEST_GUILESS_MAIN(TestDadesNivell)
#include "tst_DadesNivell.moc"
