#include "NombresCastella.h"

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

class TestNombresCastella : public QObject {
    Q_OBJECT
private slots:
    void cardinalPhrases_data() {
        addPhraseRows({
            {0, "CERO"},
            {1, "UNO"},
            {16, "DIECISÉIS"},
            {20, "VEINTE"},
            {21, "VEINTIUNO"},
            {22, "VEINTIDÓS"},
            {26, "VEINTISÉIS"},
            {31, "TREINTA Y UNO"},
            {100, "CIEN"},
            {101, "CIENTO UNO"},
            {110, "CIENTO DIEZ"},
            {200, "DOSCIENTOS"},
            {500, "QUINIENTOS"},
            {1000, "MIL"},
            {1001, "MIL UNO"},
            {21000, "VEINTIÚN MIL"},
            {31000, "TREINTA Y UN MIL"},
            {100000, "CIEN MIL"},
            {1000000, "UN MILLÓN"},
            {2000000, "DOS MILLONES"},
            {21000000, "VEINTIÚN MILLONES"},
        });
    }
    void cardinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCastella::cardinal(n, 0).frase.trimmed(), phrase);
    }

    // Worked through the steps by hand: the short "un" only before a scale word, "ciento"
    // before tens or units, and the blanks the joining leaves.
    void cardinalRules_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("mil keeps its blanks") << qint64(1000) << " MIL ";
        QTest::newRow("cien alone") << qint64(100) << "CIEN ";
        QTest::newRow("veinte alone") << qint64(20) << "VEINTE ";
        QTest::newRow("ciento un mil") << qint64(101000) << "CIENTO UN MIL ";
        QTest::newRow("un millon mil") << qint64(1001000) << QString::fromUtf8("UN MILLÓN MIL ");
        QTest::newRow("units keep uno") << qint64(2021) << "DOS MIL VEINTIUNO ";
        QTest::newRow("hundreds of thousands")
            << qint64(715016) << "SETECIENTOS QUINCE MIL DIECISÉIS ";
        QTest::newRow("largest") << qint64(999999999)
                                 << "NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS NOVENTA Y "
                                    "NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE ";
    }
    void cardinalRules() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCastella::cardinal(n, 2).frase, phrase);
    }

    void cardinalAnswers_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("answer");
        QTest::newRow("1234 punto") << qint64(1234) << 0 << "1.234";
        QTest::newRow("1234 espacio") << qint64(1234) << 1 << "1 234";
        QTest::newRow("1234 ninguno") << qint64(1234) << 2 << "1234";
        QTest::newRow("0") << qint64(0) << 0 << "0";
        QTest::newRow("21000000 punto") << qint64(21000000) << 0 << "21.000.000";
    }
    void cardinalAnswers() {
        QFETCH(qint64, n);
        QFETCH(int, separador);
        QFETCH(QString, answer);
        QCOMPARE(NombresCastella::cardinal(n, separador).solucio, answer);
    }

    void ordinalPhrases_data() {
        addPhraseRows({
            {1, "PRIMERO"},
            {7, "SÉPTIMO"},
            {10, "DÉCIMO"},
            {11, "UNDÉCIMO"},
            {12, "DUODÉCIMO"},
            {13, "DECIMOTERCERO"},
            {18, "DECIMOCTAVO"},
            {20, "VIGÉSIMO"},
            {21, "VIGÉSIMO PRIMERO"},
            {40, "QUADRAGÉSIMO"},
            {100, "CENTÉSIMO"},
            {101, "CENTÉSIMO PRIMERO"},
            {200, "DUOCENTÉSIMO"},
            {500, "QUINCUACENTÉSIMO"},
            {999, "NONINGENTÉSIMO NONAGÉSIMO NOVENO"},
            {1000, "MILÉSIMO"},
        });
    }
    void ordinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        const NumberPhrase p = NombresCastella::ordinal(n);
        QCOMPARE(p.frase.trimmed(), phrase);
        QCOMPARE(p.solucio, QString::number(n));
    }

    void ordinalBlanks_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("tens end in a blank") << qint64(20) << QString::fromUtf8("VIGÉSIMO ");
        QTest::newRow("hundreds end in a blank")
            << qint64(700) << QString::fromUtf8("SEPTINGENTÉSIMO ");
        QTest::newRow("decimo joins")
            << qint64(317) << QString::fromUtf8("TRICENTÉSIMO DECIMOSÉPTIMO");
        QTest::newRow("milesimo") << qint64(1000) << QString::fromUtf8("MILÉSIMO");
    }
    void ordinalBlanks() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresCastella::ordinal(n).frase, phrase);
    }

    void outOfRange_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("cardinal");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("negative") << qint64(-1) << "CERO"
                                  << "PRIMERO";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "CERO"
                                       << "PRIMERO";
        QTest::newRow("zero") << qint64(0) << "CERO"
                              << "PRIMERO";
        QTest::newRow("1001") << qint64(1001) << "MIL UNO" << QString::fromUtf8("MILÉSIMO");
        QTest::newRow("ten digits") << qint64(1000000000)
                                    << "NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS "
                                       "NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE"
                                    << QString::fromUtf8("MILÉSIMO");
    }
    void outOfRange() {
        QFETCH(qint64, n);
        QFETCH(QString, cardinal);
        QFETCH(QString, ordinal);
        const NumberPhrase c = NombresCastella::cardinal(n, 2);
        QCOMPARE(c.frase.trimmed(), cardinal);
        QCOMPARE(WordReaders::cardinalCastella(c.frase), c.solucio.toLongLong());
        const NumberPhrase o = NombresCastella::ordinal(n);
        QCOMPARE(o.frase.trimmed(), ordinal);
        QCOMPARE(WordReaders::ordinalCastella(o.frase), o.solucio.toLongLong());
    }

    void everyCardinalBelowAMillion() {
        const QString fault = PhraseChecks::firstCardinalFault(
            NombresCastella::cardinal, WordReaders::cardinalCastella, 0, 999999);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void sampledCardinals() {
        const QString fault = PhraseChecks::sampledCardinalFault(
            NombresCastella::cardinal, WordReaders::cardinalCastella, 0, 999999999, 1994, 5000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void everyOrdinal() {
        const QString fault = PhraseChecks::firstOrdinalFault(
            NombresCastella::ordinal, WordReaders::ordinalCastella, 1, 1000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestNombresCastella)
#include "tst_NombresCastella.moc"
