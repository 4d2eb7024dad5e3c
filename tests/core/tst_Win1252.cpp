#include "Win1252.h"

#include <QTest>

class TestWin1252 : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "ANNA" << QByteArray("ANNA");
        QTest::newRow("catalan") << QString::fromUtf8("Ordenació·ç")
                                 << QByteArray("Ordenaci\xF3\xB7\xE7");
        QTest::newRow("euro and quotes")
            << QString::fromUtf8("€‘’“”") << QByteArray("\x80\x91\x92\x93\x94");
        QTest::newRow("ntilde upper") << QString::fromUtf8("ÑÜ") << QByteArray("\xD1\xDC");
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Win1252::encode(text), bytes);
        QCOMPARE(Win1252::decode(bytes), text);
    }

    void unmappable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("greek") << QString::fromUtf8("αβ") << QByteArray("??");
        QTest::newRow("emoji is one character") << QString::fromUtf8("A😀B") << QByteArray("A?B");
        QTest::newRow("polish l") << QString::fromUtf8("Łódź")
                                  << QByteArray("?\xF3"
                                                "d?");
    }
    void unmappable() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Win1252::encode(text), bytes);
    }

    void field_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("padded") << "AB" << 5 << QByteArray("AB   ");
        QTest::newRow("cut") << "ABCDEFG" << 3 << QByteArray("ABC");
        QTest::newRow("empty") << "" << 2 << QByteArray("  ");
        QTest::newRow("accent counts one byte")
            << QString::fromUtf8("ÀÈ") << 3 << QByteArray("\xC0\xC8 ");
    }
    void field() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Win1252::field(text, width), bytes);
    }

    // Every byte reads and writes back as itself, so a stored name or password keeps its bytes;
    // the five bytes the code page leaves undefined read as the C1 control of the same value.
    void everyByteRoundTrips() {
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            QCOMPARE(Win1252::encode(Win1252::decode(byte)), byte);
        }
        QCOMPARE(Win1252::decode("\x81\x8D\x8F\x90\x9D"),
                 QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
    }
};

QTEST_GUILESS_MAIN(TestWin1252)
#include "tst_Win1252.moc"
