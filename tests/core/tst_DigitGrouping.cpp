#include "DigitGrouping.h"

#include <QTest>
#include <limits>

class TestDigitGrouping : public QObject {
    Q_OBJECT
private slots:
    void group_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << 0 << "0";
        QTest::newRow("one digit") << qint64(5) << 1 << "5";
        QTest::newRow("three digits") << qint64(999) << 0 << "999";
        QTest::newRow("four digits punt") << qint64(1234) << 0 << "1.234";
        QTest::newRow("four digits espai") << qint64(1234) << 1 << "1 234";
        QTest::newRow("four digits cap") << qint64(1234) << 2 << "1234";
        QTest::newRow("six digits") << qint64(100000) << 1 << "100 000";
        QTest::newRow("seven digits") << qint64(1000000) << 0 << "1.000.000";
        QTest::newRow("inner zeros") << qint64(1001001) << 0 << "1.001.001";
        QTest::newRow("nine digits") << qint64(999999999) << 1 << "999 999 999";
        QTest::newRow("nine digits cap") << qint64(100000000) << 2 << "100000000";
        QTest::newRow("negative") << qint64(-1234567) << 0 << "-1.234.567";
        QTest::newRow("negative three digits") << qint64(-123) << 1 << "-123";
        QTest::newRow("most negative")
            << std::numeric_limits<qint64>::min() << 0 << "-9.223.372.036.854.775.808";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << 1
                                 << "9 223 372 036 854 775 807";
        QTest::newRow("unknown separator groups with nothing") << qint64(1234) << 7 << "1234";
        QTest::newRow("negative separator") << qint64(1234) << -1 << "1234";
    }
    void group() {
        QFETCH(qint64, value);
        QFETCH(int, separador);
        QFETCH(QString, text);
        QCOMPARE(DigitGrouping::group(value, separador), text);
    }

    void separator_data() {
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("text");
        QTest::newRow("punt") << 0 << ".";
        QTest::newRow("espai") << 1 << " ";
        QTest::newRow("cap") << 2 << "";
        QTest::newRow("damaged") << 255 << "";
    }
    void separator() {
        QFETCH(int, separador);
        QFETCH(QString, text);
        QCOMPARE(DigitGrouping::separator(separador), text);
    }

    void formataNombre_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << 0 << "0   ";
        QTest::newRow("blank separator") << qint64(100000) << 1 << "100 000   ";
        QTest::newRow("no separator") << qint64(100000000) << 2 << "100000000   ";
        QTest::newRow("point") << qint64(999999999) << 0 << "999.999.999   ";
        QTest::newRow("small") << qint64(12) << 0 << "12   ";
    }
    void formataNombre() {
        QFETCH(qint64, value);
        QFETCH(int, separador);
        QFETCH(QString, text);
        QCOMPARE(DigitGrouping::FormataNombre(value, separador), text);
    }
};

QTEST_GUILESS_MAIN(TestDigitGrouping)
#include "tst_DigitGrouping.moc"
