#include "Persiana.h"

#include <QTest>

class TestPersiana : public QObject {
    Q_OBJECT
private slots:
    void rotlles_data();
    void rotlles();
};

void TestPersiana::rotlles_data() {
    QTest::addColumn<bool>("marcador");
    QTest::addColumn<int>("clics"); // before the roll under test
    QTest::addColumn<int>("primer");
    QTest::addColumn<int>("penultim");
    QTest::addColumn<int>("final");
    QTest::addColumn<int>("passos");
    QTest::addColumn<int>("pom");

    // 263 - 22 = 16 steps of 15 and one of 1; 110 - 22 = 44 steps of 2.
    QTest::newRow("persiana plega") << false << 0 << 248 << 23 << 22 << 17 << 10;
    QTest::newRow("persiana desplega") << false << 1 << 37 << 262 << 263 << 17 << 250;
    QTest::newRow("persiana torna a plegar") << false << 2 << 248 << 23 << 22 << 17 << 10;
    QTest::newRow("marcador plega") << true << 0 << 108 << 24 << 22 << 44 << 10;
    QTest::newRow("marcador desplega") << true << 1 << 24 << 108 << 110 << 44 << 98;
}

void TestPersiana::rotlles() {
    QFETCH(bool, marcador);
    QFETCH(int, clics);
    QFETCH(int, primer);
    QFETCH(int, penultim);
    QFETCH(int, final);
    QFETCH(int, passos);
    QFETCH(int, pom);

    Persiana p = marcador ? Persiana::marcador() : Persiana::deLaPissarra();
    for (int i = 0; i < clics; ++i)
        p.clic();
    const QList<int> h = p.clic();
    QCOMPARE(h.size(), passos);
    QCOMPARE(h.first(), primer);
    QCOMPARE(h.at(h.size() - 2), penultim);
    QCOMPARE(h.last(), final);
    QCOMPARE(p.alcada(), final);
    QCOMPARE(p.pom(), pom);
    QCOMPARE(p.plegada(), final == 22);
}

QTEST_GUILESS_MAIN(TestPersiana)
#include "tst_Persiana.moc"
