#include "NombresCatala.h"

#include "helpers/PhraseChecks.h"
#include "helpers/WordReaders.h"

#include <QTest>
#include <limits>

class TestNombresCatala : public QObject {
    Q_OBJECT
private slots:
    void cardinalPhrases_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        const std::pair<qint64, const char*> rows[] = {
            {0, "ZERO"},
            {1, "UN"},
            {10, "DEU"},
            {15, "QUINZE"},
            {20, "VINT"},
            {21, "VINT-I-UN"},
            {31, "TRENTA-UN"},
            {99, "NORANTA-NOU"},
            {100, "CENT"},
            {101, "CENT UN"},
            {110, "CENT DEU"},
            {121, "CENT VINT-I-UN"},
            {200, "DOS-CENTS"},
            {999, "NOU-CENTS NORANTA-NOU"},
            {1000, "MIL"},
            {1001, "MIL UN"},
            {2000, "DOS MIL"},
            {21000, "VINT-I-UN MIL"},
            {100000, "CENT MIL"},
            {110000, "CENT DEU MIL"},
            {1000000, "UN MILIÓ"},
            {1001000, "UN MILIÓ MIL"},
            {2000000, "DOS MILIONS"},
            {21000000, "VINT-I-UN MILIONS"},
        };
        for (const auto& [n, phrase] : rows)
            QTest::addRow("%lld", n) << n << QString::fromUtf8(phrase);
    }
    // The examples are read without their outer blanks, as the board centres the label.
    void cardinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCatala::cardinal(n, 0).frase.trimmed(), phrase);
    }

    void cardinalBlanks_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("mil has a blank on each side") << qint64(1000) << " MIL ";
        QTest::newRow("mil un") << qint64(1001) << " MIL UN ";
        QTest::newRow("units end in a blank") << qint64(999) << "NOU-CENTS NORANTA-NOU ";
        QTest::newRow("cent takes nothing after it") << qint64(100) << "CENT ";
        QTest::newRow("deu takes nothing after it") << qint64(110) << "CENT DEU ";
        QTest::newRow("cent mil, one blank") << qint64(100000) << "CENT MIL ";
        QTest::newRow("milió then mil, one blank")
            << qint64(1001000) << QString::fromUtf8("UN MILIÓ MIL ");
        QTest::newRow("zero has none") << qint64(0) << "ZERO";
        QTest::newRow("every group") << qint64(123456789)
                                     << QString::fromUtf8("CENT VINT-I-TRES MILIONS QUATRE-CENTS "
                                                          "CINQUANTA-SIS MIL SET-CENTS "
                                                          "VUITANTA-NOU ");
        QTest::newRow("largest") << qint64(999999999)
                                 << QString::fromUtf8("NOU-CENTS NORANTA-NOU MILIONS NOU-CENTS "
                                                      "NORANTA-NOU MIL NOU-CENTS NORANTA-NOU ");
    }
    void cardinalBlanks() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCatala::cardinal(n, 1).frase, phrase);
    }

    void cardinalAnswers_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("answer");
        QTest::newRow("1234 punt") << qint64(1234) << 0 << "1.234";
        QTest::newRow("1234 espai") << qint64(1234) << 1 << "1 234";
        QTest::newRow("1234 cap") << qint64(1234) << 2 << "1234";
        QTest::newRow("5 punt") << qint64(5) << 0 << "5";
        QTest::newRow("0 punt") << qint64(0) << 0 << "0";
        QTest::newRow("0 espai") << qint64(0) << 1 << "0";
        QTest::newRow("1000 punt") << qint64(1000) << 0 << "1.000";
        QTest::newRow("1001 punt") << qint64(1001) << 0 << "1.001";
        QTest::newRow("1000000 punt") << qint64(1000000) << 0 << "1.000.000";
        QTest::newRow("999999999 espai") << qint64(999999999) << 1 << "999 999 999";
        QTest::newRow("999999999 cap") << qint64(999999999) << 2 << "999999999";
    }
    void cardinalAnswers() {
        QFETCH(qint64, n);
        QFETCH(int, separador);
        QFETCH(QString, answer);
        QCOMPARE(NombresCatala::cardinal(n, separador).solucio, answer);
    }

    void ordinalPhrases_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        const std::pair<qint64, const char*> rows[] = {
            {1, "PRIMER"},
            {2, "SEGON"},
            {3, "TERCER"},
            {4, "QUART"},
            {5, "CINQUÈ"},
            {10, "DESÈ"},
            {11, "ONZÈ"},
            {19, "DINOVÈ"},
            {20, "VINTÈ"},
            {21, "VINT-I-UNÈ"},
            {30, "TRENTÈ"},
            {31, "TRENTA-UNÈ"},
            {99, "NORANTA-NOVÈ"},
            {100, "CENTÈ"},
            {101, "CENT-PRIMER"},
            {110, "CENT-DESÈ"},
            {121, "CENT-VINT-I-UNÈ"},
            {150, "CENT-CINQUANTÈ"},
            {200, "DOS-CENTÈ"},
            {201, "DOS-CENTS PRIMER"},
            {500, "CINC-CENTÈ"},
            {999, "NOU-CENTS NORANTA-NOVÈ"},
            {1000, "MILÈ"},
        };
        for (const auto& [n, phrase] : rows)
            QTest::addRow("%lld", n) << n << QString::fromUtf8(phrase);
    }
    void ordinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        const NumberPhrase p = NombresCatala::ordinal(n);
        QCOMPARE(p.frase.trimmed(), phrase);
        QCOMPARE(p.solucio, QString::number(n));
    }

    void ordinalBlanks_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("vintè ends in a blank") << qint64(20) << QString::fromUtf8("VINTÈ ");
        QTest::newRow("trentè ends in a blank") << qint64(30) << QString::fromUtf8("TRENTÈ ");
        QTest::newRow("whole hundred has none") << qint64(300) << QString::fromUtf8("TRES-CENTÈ");
        QTest::newRow("hundreds then tens")
            << qint64(340) << QString::fromUtf8("TRES-CENTS QUARANTÈ ");
        QTest::newRow("quatrè after tens") << qint64(64) << QString::fromUtf8("SEIXANTA-QUATRÈ");
    }
    void ordinalBlanks() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCatala::ordinal(n).frase, phrase);
    }

    // Out of range the number is clamped: the phrase and the answer stay one number.
    void outOfRange_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("cardinalAnswer");
        QTest::addColumn<QString>("ordinalPhrase");
        QTest::addColumn<QString>("ordinalAnswer");
        constexpr qint64 kMin = std::numeric_limits<qint64>::min();
        constexpr qint64 kMax = std::numeric_limits<qint64>::max();
        QTest::newRow("zero") << qint64(0) << "0"
                              << "PRIMER"
                              << "1";
        QTest::newRow("negative") << qint64(-5) << "0"
                                  << "PRIMER"
                                  << "1";
        QTest::newRow("most negative") << kMin << "0"
                                       << "PRIMER"
                                       << "1";
        QTest::newRow("just above")
            << qint64(1001) << "1.001" << QString::fromUtf8("MILÈ") << "1000";
        QTest::newRow("ten digits")
            << qint64(1000000000) << "999.999.999" << QString::fromUtf8("MILÈ") << "1000";
        QTest::newRow("largest") << kMax << "999.999.999" << QString::fromUtf8("MILÈ") << "1000";
    }
    void outOfRange() {
        QFETCH(qint64, n);
        QFETCH(QString, cardinalAnswer);
        QFETCH(QString, ordinalPhrase);
        QFETCH(QString, ordinalAnswer);
        const NumberPhrase c = NombresCatala::cardinal(n, 0);
        QCOMPARE(c.solucio, cardinalAnswer);
        QCOMPARE(WordReaders::cardinalCatala(c.frase),
                 QString(c.solucio).remove(u'.').toLongLong());
        const NumberPhrase o = NombresCatala::ordinal(n);
        QCOMPARE(o.frase.trimmed(), ordinalPhrase);
        QCOMPARE(o.solucio, ordinalAnswer);
    }

    void everyCardinalBelowAMillion() {
        const QString fault = PhraseChecks::firstCardinalFault(
            NombresCatala::cardinal, WordReaders::cardinalCatala, 0, 999999);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void sampledCardinals() {
        const QString fault = PhraseChecks::sampledCardinalFault(
            NombresCatala::cardinal, WordReaders::cardinalCatala, 0, 999999999, 20261206, 5000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void everyOrdinal() {
        const QString fault = PhraseChecks::firstOrdinalFault(NombresCatala::ordinal,
                                                              WordReaders::ordinalCatala, 1, 1000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestNombresCatala)
#include "tst_NombresCatala.moc"
