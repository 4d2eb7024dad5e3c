#include "NombresGalec.h"

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

class TestNombresGalec : public QObject {
    Q_OBJECT
private slots:
    void cardinalPhrases_data() {
        addPhraseRows({
            {0, "CERO"},
            {1, "UN"},
            {2, "DOUS"},
            {16, "DEZASEIS"},
            {20, "VINTE"},
            {21, "VINTEÚN"},
            {22, "VINTEDOUS"},
            {23, "VINTETRÉS"},
            {31, "TRINTA E UN"},
            {100, "CEN"},
            {101, "CENTO UN"},
            {110, "CENTO DEZ"},
            {200, "DOUSCENTOS"},
            {500, "QUIÑENTOS"},
            {1000, "MIL"},
            {21000, "VINTEÚN MIL"},
            {100000, "CEN MIL"},
            {1000000, "UN MILLÓN"},
            {2000000, "DOUS MILLÓNS"},
        });
    }
    void cardinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresGalec::cardinal(n, 0).frase.trimmed(), phrase);
    }

    // Worked through the steps by hand.
    void cardinalRules_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("mil keeps its blanks") << qint64(1000) << " MIL ";
        QTest::newRow("mil un") << qint64(1001) << " MIL UN ";
        QTest::newRow("cen alone") << qint64(100) << "CEN ";
        QTest::newRow("cento un mil") << qint64(101000) << "CENTO UN MIL ";
        QTest::newRow("trinta e un millons")
            << qint64(31000000) << QString::fromUtf8("TRINTA E UN MILLÓNS ");
        QTest::newRow("every group") << qint64(425821019)
                                     << QString::fromUtf8("CATROCENTOS VINTECINCO MILLÓNS "
                                                          "OITOCENTOS VINTEÚN MIL DEZANOVE ");
    }
    void cardinalRules() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresGalec::cardinal(n, 1).frase, phrase);
    }

    void cardinalAnswers_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("answer");
        QTest::newRow("1234 punto") << qint64(1234) << 0 << "1.234";
        QTest::newRow("1234 espazo") << qint64(1234) << 1 << "1 234";
        QTest::newRow("1234 ningún") << qint64(1234) << 2 << "1234";
        QTest::newRow("0") << qint64(0) << 1 << "0";
        QTest::newRow("2000000 espazo") << qint64(2000000) << 1 << "2 000 000";
    }
    void cardinalAnswers() {
        QFETCH(qint64, n);
        QFETCH(int, separador);
        QFETCH(QString, answer);
        QCOMPARE(NombresGalec::cardinal(n, separador).solucio, answer);
    }

    void ordinalPhrases_data() {
        addPhraseRows({
            {1, "PRIMEIRO"},
            {7, "SÉTIMO"},
            {8, "OITAVO"},
            {10, "DÉCIMO"},
            {11, "UNDÉCIMO"},
            {13, "DÉCIMO TERCEIRO"},
            {18, "DÉCIMO OITAVO"},
            {20, "VIXÉSIMO"},
            {21, "VIXÉSIMO PRIMEIRO"},
            {40, "CUADRAXÉSIMO"},
            {60, "SESAXÉSIMO"},
            {100, "CENTÉSIMO"},
            {500, "QUIXENTÉSIMO"},
            {1000, "MILÉSIMO"},
        });
    }
    void ordinalPhrases() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        const NumberPhrase p = NombresGalec::ordinal(n);
        QCOMPARE(p.frase.trimmed(), phrase);
        QCOMPARE(p.solucio, QString::number(n));
    }

    void ordinalBlanks_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("tens end in a blank") << qint64(60) << QString::fromUtf8("SESAXÉSIMO ");
        QTest::newRow("every part") << qint64(712) << QString::fromUtf8("SEPTIXENTÉSIMO DUODÉCIMO");
        QTest::newRow("decimo then units")
            << qint64(919) << QString::fromUtf8("NONIXENTÉSIMO DÉCIMO NOVENO");
    }
    void ordinalBlanks() {
        QFETCH(qint64, n);
        QFETCH(QString, phrase);
        QCOMPARE(NombresGalec::ordinal(n).frase, phrase);
    }

    void outOfRange_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("cardinal");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("negative") << qint64(-42) << "CERO"
                                  << "PRIMEIRO";
        QTest::newRow("zero") << qint64(0) << "CERO"
                              << "PRIMEIRO";
        QTest::newRow("5000") << qint64(5000) << "CINCO MIL" << QString::fromUtf8("MILÉSIMO");
        QTest::newRow("largest") << std::numeric_limits<qint64>::max()
                                 << QString::fromUtf8("NOVECENTOS NOVENTA E NOVE MILLÓNS "
                                                      "NOVECENTOS NOVENTA E NOVE MIL NOVECENTOS "
                                                      "NOVENTA E NOVE")
                                 << QString::fromUtf8("MILÉSIMO");
    }
    void outOfRange() {
        QFETCH(qint64, n);
        QFETCH(QString, cardinal);
        QFETCH(QString, ordinal);
        const NumberPhrase c = NombresGalec::cardinal(n, 2);
        QCOMPARE(c.frase.trimmed(), cardinal);
        QCOMPARE(WordReaders::cardinalGalec(c.frase), c.solucio.toLongLong());
        const NumberPhrase o = NombresGalec::ordinal(n);
        QCOMPARE(o.frase.trimmed(), ordinal);
        QCOMPARE(WordReaders::ordinalGalec(o.frase), o.solucio.toLongLong());
    }

    void everyCardinalBelowAMillion() {
        const QString fault = PhraseChecks::firstCardinalFault(
            NombresGalec::cardinal, WordReaders::cardinalGalec, 0, 999999);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void sampledCardinals() {
        const QString fault = PhraseChecks::sampledCardinalFault(
            NombresGalec::cardinal, WordReaders::cardinalGalec, 0, 999999999, 1982, 5000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void everyOrdinal() {
        const QString fault = PhraseChecks::firstOrdinalFault(NombresGalec::ordinal,
                                                              WordReaders::ordinalGalec, 1, 1000);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestNombresGalec)
#include "tst_NombresGalec.moc"
