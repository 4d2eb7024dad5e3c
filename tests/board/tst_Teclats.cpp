#include "StringTable.h"
#include "Teclats.h"

#include <QTest>

class TestTeclats : public QObject {
    Q_OBJECT
private slots:
    void panells_data();
    void panells();
    void teclaExtra_data();
    void teclaExtra();
    void teclesSenseCanvi();
};

void TestTeclats::panells_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("panell");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("9") << 9 << 0;
    QTest::newRow("10") << 10 << 1;
    QTest::newRow("20") << 20 << 1;
    QTest::newRow("21") << 21 << -1;
    QTest::newRow("22") << 22 << 2;
    QTest::newRow("28") << 28 << 2;
    QTest::newRow("29") << 29 << -1;
    QTest::newRow("-1") << -1 << -1;
}

void TestTeclats::panells() {
    QFETCH(int, index);
    QFETCH(int, panell);
    QCOMPARE(Teclats::panell(index), panell);
}

void TestTeclats::teclaExtra_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<int>("separador");
    QTest::addColumn<bool>("ambResta");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QChar>("tecleja");
    QTest::addColumn<bool>("petita");

    QTest::newRow("cardinals punt") << 1 << 0 << false << 0 << "." << QChar(u'.') << false;
    QTest::newRow("cardinals espai") << 1 << 1 << false << 0 << "Espai" << QChar(u' ') << true;
    QTest::newRow("cardinals espai en basc")
        << 1 << 1 << false << 3 << TextIdioma(202, 3) << QChar(u' ') << true;
    QTest::newRow("ordinals espai") << 2 << 1 << false << 0 << "." << QChar(u'.') << false;
    QTest::newRow("romans espai") << 3 << 1 << false << 0 << "Espai" << QChar(u' ') << true;
    QTest::newRow("romans punt") << 3 << 0 << false << 0 << "." << QChar(u'.') << false;
    QTest::newRow("multiplicar") << 8 << 1 << false << 0 << "+" << QChar(u'+') << false;
    QTest::newRow("dividir amb restes") << 9 << 1 << true << 0 << "-" << QChar(u'-') << false;
    QTest::newRow("dividir sense restes") << 9 << 0 << false << 0 << "." << QChar(u'.') << false;
}

void TestTeclats::teclaExtra() {
    QFETCH(int, activitat);
    QFETCH(int, separador);
    QFETCH(bool, ambResta);
    QFETCH(int, idioma);
    QFETCH(QString, caption);
    QFETCH(QChar, tecleja);
    QFETCH(bool, petita);

    const Teclats t(activitat, separador, ambResta, idioma);
    QCOMPARE(t.caption(Teclats::kTeclaExtra), caption);
    QCOMPARE(t.caracter(Teclats::kTeclaExtra), tecleja);
    QCOMPARE(t.lletraPetita(Teclats::kTeclaExtra), petita);
}

void TestTeclats::teclesSenseCanvi() {
    const Teclats t(1, 1, false, 0);
    QString teclat0, teclat1, teclat2;
    for (int i = 0; i <= 9; ++i)
        teclat0 += t.caracter(i);
    for (int i = 10; i <= 19; ++i)
        teclat1 += t.caracter(i);
    for (int i = 22; i <= 28; ++i)
        teclat2 += t.caption(i);
    QCOMPARE(teclat0, QStringLiteral("0123456789"));
    QCOMPARE(teclat1, QStringLiteral("9123456780"));
    QCOMPARE(teclat2, QStringLiteral("IVXLCDM"));
    QVERIFY(!t.lletraPetita(3));
    QVERIFY(t.caracter(21).isNull());
    QVERIFY(t.caption(21).isEmpty());
}

QTEST_GUILESS_MAIN(TestTeclats)
#include "tst_Teclats.moc"
