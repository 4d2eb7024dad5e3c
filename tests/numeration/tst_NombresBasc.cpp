#include "NombresBasc.h"

#include "helpers/PhraseChecks.h"
#include "helpers/WordReaders.h"

#include <QTest>
#include <limits>

namespace {

void addPhraseRows(std::initializer_list<std::pair<qint64, const char*>> rows) {
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("phrase");
    for (const auto& [n, phrase] : rows)
        QTest::addRow("%lld", n) << n << QString::fromUtf8(phrase);
}

} // namespace

class TestNombresBasc : public QObject {
    Q_OBJECT
private slots:
    void cardinalPhrases_data() {
        addPhraseRows({
            {0, "ZERO"},
            {1, "BAT"},
            {2, "BI"},
            {10, "HAMAR"},
            {11, "HAMAIKA"},
            {15, "HAMABOST"},
            {20, "HOGEI"},
            {21, "HOGEITA BAT"},
            {30, "HOGEITA HAMAR"},
            {35, "HOGEITA HAMABOST"},
            {40, "BERROGEI"},
            {50, "BERROGEITA HAMAR"},
            {60, "HIRUROGEI"},
            {80, "LAUROGEI"},
            {99, "LAUROGEITA HEMERETZI"},
            {100, "EHUN"},
            {101, "EHUN ETA BAT"},
            {110, "EHUN ETA HAMAR"},
            {200, "BERREHUN"},
            {999, "BEDERATZIEHUN ETA LAUROGEITA HEMERETZI"},
            {1000, "MILA"},
            {2000, "BI MILA"},
            {21000, "HOGEITA BAT MILA"},
            {1000000, "MILIOI BAT"},
            {2000000, "BI MILIOI"},
        });
    }
    void cardinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresBasc::cardinal(n, 0).frase.trimmed(), phrase);
    }

    // Worked through the steps by hand: one thousand and one million stand without a units
    // word of their own.
    void cardinalRules_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("mila keeps its blanks") << qint64(1000) << " MILA ";
        QTest::newRow("milioi bat keeps its blanks") << qint64(1000000) << " MILIOI BAT ";
        QTest::newRow("milioi bat mila") << qint64(1001000) << " MILIOI BAT MILA ";
        QTest::newRow("milioi bat then units") << qint64(1000005) << " MILIOI BAT BOST ";
        QTest::newRow("hundred and one millions") << qint64(101000000) << "EHUN ETA BAT MILIOI ";
        QTest::newRow("odd tens before mila") << qint64(70000) << "HIRUROGEITA HAMAR MILA ";
        QTest::newRow("every group") << qint64(317518213)
                                     << "HIRUREHUN ETA HAMAZAZPI MILIOI BOSTEHUN ETA HEMEZORTZI "
                                        "MILA BERREHUN ETA HAMAHIRU ";
    }
    void cardinalRules() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresBasc::cardinal(n, 0).frase, phrase);
    }

    void cardinalAnswers_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("answer");
        QTest::newRow("1234 puntua") << qint64(1234) << 0 << "1.234";
        QTest::newRow("1234 tartea") << qint64(1234) << 1 << "1 234";
        QTest::newRow("1234 bat ere ez") << qint64(1234) << 2 << "1234";
        QTest::newRow("0") << qint64(0) << 2 << "0";
        QTest::newRow("1000000 puntua") << qint64(1000000) << 0 << "1.000.000";
    }
    void cardinalAnswers() {
        QFETCH(qint64, n);
        QFETCH(int, separador);
        QFETCH(QString, answer);
        QCOMPARE(NombresBasc::cardinal(n, separador).solucio, answer);
    }

    void ordinalPhrases_data() {
        addPhraseRows({
            {1, "LEHENGO"},
            {2, "BIGARREN"},
            {3, "HIRUGARREN"},
            {10, "HAMARGARREN"},
            {11, "HAMAIKAGARREN"},
            {20, "HOGEIGARREN"},
            {21, "HOGEITA LEHENGO"},
            {22, "HOGEITA BIGARREN"},
            {30, "HOGEITA HAMARGARREN"},
            {40, "BERROGEIGARREN"},
            {100, "EHUNGARREN"},
            {101, "EHUN ETA LEHENGO"},
            {1000, "MILAGARREN"},
        });
    }
    void ordinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        const NumberPhrase p = NombresBasc::ordinal(n);
        QCOMPARE(p.frase.trimmed(), phrase);
        QCOMPARE(p.solucio, QString::number(n));
    }

    // The suffix closes the phrase, so no ordinal keeps an outer blank.
    void ordinalBlanks_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("hamar") << qint64(10) << "HAMARGARREN";
        QTest::newRow("odd ten") << qint64(90) << "LAUROGEITA HAMARGARREN";
        QTest::newRow("hundred") << qint64(600) << "SEIEHUNGARREN";
        QTest::newRow("teen after hundred") << qint64(917) << "BEDERATZIEHUN ETA HAMAZAZPIGARREN";
        QTest::newRow("first after hundred and tens")
            << qint64(441) << "LAUREHUN ETA BERROGEITA LEHENGO";
    }
    void ordinalBlanks() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresBasc::ordinal(n).frase, phrase);
    }

    void outOfRange_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("cardinal");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("negative") << qint64(-1000) << "ZERO"
                                  << "LEHENGO";
        QTest::newRow("zero") << qint64(0) << "ZERO"
                              << "LEHENGO";
        QTest::newRow("1001") << qint64(1001) << "MILA BAT"
                              << "MILAGARREN";
        QTest::newRow("ten digits") << qint64(1234567890)
                                    << "BEDERATZIEHUN ETA LAUROGEITA HEMERETZI MILIOI "
                                       "BEDERATZIEHUN ETA LAUROGEITA HEMERETZI MILA "
                                       "BEDERATZIEHUN ETA LAUROGEITA HEMERETZI"
                                    << "MILAGARREN";
    }
    void outOfRange() {
        QFETCH(qint64, n);
        QFETCH(QString, cardinal);
        QFETCH(QString, ordinal);
        const NumberPhrase c = NombresBasc::cardinal(n, 2);
        QCOMPARE(c.frase.trimmed(), cardinal);
        QCOMPARE(WordReaders::cardinalBasc(c.frase), c.solucio.toLongLong());
        const NumberPhrase o = NombresBasc::ordinal(n);
        QCOMPARE(o.frase.trimmed(), ordinal);
        QCOMPARE(WordReaders::ordinalBasc(o.frase), o.solucio.toLongLong());
    }

    void everyCardinalBelowAMillion() {
        const QString fault = PhraseChecks::firstCardinalFault(
            NombresBasc::cardinal, WordReaders::cardinalBasc, 0, 999999);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void sampledCardinals() {
        const QString fault = PhraseChecks::sampledCardinalFault(
            NombresBasc::cardinal, WordReaders::cardinalBasc, 0, 999999999, 1876, 5000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void everyOrdinal() {
        const QString fault = PhraseChecks::firstOrdinalFault(NombresBasc::ordinal,
                                                              WordReaders::ordinalBasc, 1, 1000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestNombresBasc)
#include "tst_NombresBasc.moc"
