#include "DadesNivell.h"
#include "NivellsPerDefecte.h"

#include <QBuffer>
#include <QTest>

namespace {

// The default set as written to a fresh file.
QByteArray defaultFile() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EscriuNivellsPerDefecte(buffer);
    return buffer.data();
}

QByteArray record(const QByteArray& file, int k) {
    return file.mid((k - 1) * 14, 14);
}

} // namespace

class TestNivellsPerDefecte : public QObject {
    Q_OBJECT
private slots:
    void fileSize() { QCOMPARE(defaultFile().size(), 1260); }

    void records_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QByteArray>("bytes");
        // Temps, Fer, Errors as 16-bit, then Parametre1 and Parametre2 as 32-bit, little-endian.
        QTest::newRow("1 cardinals 1: 120,20,5,0,10")
            << 1 << QByteArray("\x78\x00\x14\x00\x05\x00\x00\x00\x00\x00\x0A\x00\x00\x00", 14);
        QTest::newRow("10 cardinals 10: 300,10,5,0,100000000")
            << 10 << QByteArray("\x2C\x01\x0A\x00\x05\x00\x00\x00\x00\x00\x00\xE1\xF5\x05", 14);
        QTest::newRow("11 ordinals 1: 120,15,5,1,10")
            << 11 << QByteArray("\x78\x00\x0F\x00\x05\x00\x01\x00\x00\x00\x0A\x00\x00\x00", 14);
        QTest::newRow("30 romans 10: 150,20,5,1,3999")
            << 30 << QByteArray("\x96\x00\x14\x00\x05\x00\x01\x00\x00\x00\x9F\x0F\x00\x00", 14);
        QTest::newRow("39 ordenacio 9: 180,8,5,0,999999999")
            << 39 << QByteArray("\xB4\x00\x08\x00\x05\x00\x00\x00\x00\x00\xFF\xC9\x9A\x3B", 14);
        QTest::newRow("40 ordenacio 10: 180,8,5,0,999999999")
            << 40 << QByteArray("\xB4\x00\x08\x00\x05\x00\x00\x00\x00\x00\xFF\xC9\x9A\x3B", 14);
        QTest::newRow("41 sumar 1: 120,5,5,1,0")
            << 41 << QByteArray("\x78\x00\x05\x00\x05\x00\x01\x00\x00\x00\x00\x00\x00\x00", 14);
        QTest::newRow("46 sumar 6: 170,5,5,2,1")
            << 46 << QByteArray("\xAA\x00\x05\x00\x05\x00\x02\x00\x00\x00\x01\x00\x00\x00", 14);
        QTest::newRow("60 restar 10: 240,5,5,5,1")
            << 60 << QByteArray("\xF0\x00\x05\x00\x05\x00\x05\x00\x00\x00\x01\x00\x00\x00", 14);
        QTest::newRow("69 taules 9: 60,14,5,2,9")
            << 69 << QByteArray("\x3C\x00\x0E\x00\x05\x00\x02\x00\x00\x00\x09\x00\x00\x00", 14);
        QTest::newRow("70 taules 10: 60,15,5,2,9")
            << 70 << QByteArray("\x3C\x00\x0F\x00\x05\x00\x02\x00\x00\x00\x09\x00\x00\x00", 14);
        QTest::newRow("74 multiplicar 4: 180,5,5,2,2")
            << 74 << QByteArray("\xB4\x00\x05\x00\x05\x00\x02\x00\x00\x00\x02\x00\x00\x00", 14);
        QTest::newRow("90 dividir 10: 300,5,5,5,3")
            << 90 << QByteArray("\x2C\x01\x05\x00\x05\x00\x05\x00\x00\x00\x03\x00\x00\x00", 14);
    }
    void records() {
        QFETCH(int, k);
        QFETCH(QByteArray, bytes);
        QCOMPARE(record(defaultFile(), k), bytes);
    }

    void tablesRepeatWhereTheyShould() {
        const QByteArray f = defaultFile();
        QCOMPARE(record(f, 61), record(f, 62)); // Taules 1 and 2: table 2 only
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(record(f, IndexNivell(5, n)), record(f, IndexNivell(6, n)));
            QCOMPARE(record(f, IndexNivell(8, n)), record(f, IndexNivell(9, n)));
        }
    }

    void everyLevel_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("primer"); // Parametre1 of every level of number-range activities
        QTest::newRow("cardinals") << 1 << 0;
        QTest::newRow("ordinals") << 2 << 1;
        QTest::newRow("romans") << 3 << 1;
        QTest::newRow("ordenacio") << 4 << 0;
        QTest::newRow("sumar") << 5 << -1;
        QTest::newRow("restar") << 6 << -1;
        QTest::newRow("taules") << 7 << 2;
        QTest::newRow("multiplicar") << 8 << -1;
        QTest::newRow("dividir") << 9 << -1;
    }
    void everyLevel() {
        QFETCH(int, activitat);
        QFETCH(int, primer);
        const QByteArray f = defaultFile();
        for (int n = 1; n <= 10; ++n) {
            const DadesNivell d = DadesNivell::decode(record(f, IndexNivell(activitat, n)));
            QCOMPARE(d.Errors, int16_t(5));
            if (primer >= 0)
                QCOMPARE(d.Parametre1, primer);
            // The defaults are levels the editor itself could have made.
            QCOMPARE(clampToRanges(activitat, d), d);
            QCOMPARE(NivellsPerDefecte::nivell(activitat, n), d);
        }
    }

    void writesFromCurrentPositionAndLeavesDeviceOpen() {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        buffer.write("head");
        QVERIFY(EscriuNivellsPerDefecte(buffer));
        QVERIFY(buffer.isOpen());
        QCOMPARE(buffer.size(), 4 + 1260);
        QCOMPARE(buffer.data().left(4), QByteArray("head"));
        QCOMPARE(buffer.data().mid(4), defaultFile());
    }

    void reportsFailedWrite() {
        QBuffer buffer;
        buffer.open(QIODevice::ReadOnly);
        QVERIFY(!EscriuNivellsPerDefecte(buffer));
    }
};

QTEST_GUILESS_MAIN(TestNivellsPerDefecte)
#include "tst_NivellsPerDefecte.moc"
