#include "RtfHistorial.h"

#include <QTest>

class TestRtfHistorial : public QObject {
    Q_OBJECT
private slots:
    void header() {
        const QByteArray rtf = RtfHistorial::document("a", {900, 2360}, 9);
        QCOMPARE(rtf,
                 QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                            "Arial;}}\n\\pard\\tx900\\tx2360\\f0\\fs18 a}"));
    }

    void body_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("columns and lines")
            << QString("05-12-01\tSumar\n06-12-01\n")
            << QByteArray("05-12-01\\tab Sumar\\par\n06-12-01\\par\n");
        QTest::newRow("RTF's own characters") << QString("{a\\b}") << QByteArray("\\{a\\\\b\\}");
        QTest::newRow("Windows-1252")
            << QString("Ordenació €") << QByteArray("Ordenaci\\'f3 \\'80");
        QTest::newRow("outside the code page") << QString("ĉ") << QByteArray("\\u265?");
        QTest::newRow("beyond the first plane")
            << QString::fromUcs4(U"\U0001F600") << QByteArray("\\u-10179?\\u-8704?");
    }
    void body() {
        QFETCH(QString, text);
        QFETCH(QByteArray, body);
        const QByteArray rtf = RtfHistorial::document(text, {}, 9);
        const QByteArray start = "\\fs18 ";
        const qsizetype from = rtf.indexOf(start) + start.size();
        QCOMPARE(rtf.mid(from, rtf.size() - from - 1), body);
        QVERIFY(rtf.endsWith('}'));
    }
};

QTEST_GUILESS_MAIN(TestRtfHistorial)
#include "tst_RtfHistorial.moc"
