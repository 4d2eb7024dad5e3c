#include "NumberNames.h"

#include <QTest>

class TestNumberNames : public QObject {
    Q_OBJECT
private slots:
    void byLanguage_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("cardinal");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("catalan") << 0 << "VINT-I-UN MIL" << QString::fromUtf8("VINT-I-UNÈ");
        QTest::newRow("spanish") << 1 << QString::fromUtf8("VEINTIÚN MIL") << "VIGÉSIMO PRIMERO";
        QTest::newRow("galician") << 2 << QString::fromUtf8("VINTEÚN MIL")
                                  << QString::fromUtf8("VIXÉSIMO PRIMEIRO");
        QTest::newRow("basque") << 3 << "HOGEITA BAT MILA"
                                << "HOGEITA LEHENGO";
    }
    void byLanguage() {
        QFETCH(int, idioma);
        QFETCH(QString, cardinal);
        QFETCH(QString, ordinal);
        QVERIFY(NumberNames::hasWords(idioma));
        const auto c = NumberNames::cardinal(idioma, 21000, 1);
        QVERIFY(c.has_value());
        QCOMPARE(c->frase.trimmed(), cardinal);
        QCOMPARE(c->solucio, QStringLiteral("21 000"));
        const auto o = NumberNames::ordinal(idioma, 21);
        QVERIFY(o.has_value());
        QCOMPARE(o->frase.trimmed(), ordinal);
        QCOMPARE(o->solucio, QStringLiteral("21"));
    }

    // English and any unknown index have no number words: the board keeps its question.
    void withoutWords_data() {
        QTest::addColumn<int>("idioma");
        QTest::newRow("english") << 4;
        QTest::newRow("fifth block") << 5;
        QTest::newRow("negative") << -1;
        QTest::newRow("damaged") << 32767;
    }
    void withoutWords() {
        QFETCH(int, idioma);
        QVERIFY(!NumberNames::hasWords(idioma));
        QVERIFY(!NumberNames::cardinal(idioma, 5, 0).has_value());
        QVERIFY(!NumberNames::ordinal(idioma, 5).has_value());
    }
};

QTEST_GUILESS_MAIN(TestNumberNames)
#include "tst_NumberNames.moc"
