#include "EdicioNivells.h"
#include "Sessio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A level set opened from the defaults in a program folder of its own, showing `activitat`.
struct Grid {
    QTemporaryDir dir;
    Sessio sessio;
    JocsNivells jocs;
    EdicioNivells edicio;

    explicit Grid(int activitat)
        : jocs(sessio, {}, {}, [this] { return edicio.files(); }), edicio(jocs) {
        sessio.carpeta = dir.path();
        QDir().mkpath(dir.filePath("Inf/Niv"));
        jocs.Obre();
        jocs.CanviaActivitat(activitat);
        edicio.CarregaActivitat();
    }

    QList<int> columna(int i) const {
        QList<int> valors;
        for (const FilaGraella& f : edicio.files())
            valors << f.at(i - 1).toInt();
        return valors;
    }
};

} // namespace

class TestEdicioNivells : public QObject {
    Q_OBJECT
private slots:
    void digitButtons_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("p");
        QTest::addColumn<bool>("esquerre");
        QTest::addColumn<QString>("result");
        QTest::newRow("units up") << "0" << 9 << true << "1";
        QTest::newRow("units down from 0") << "0" << 9 << false << "9";
        QTest::newRow("far left, left button") << "0" << 1 << true << "100000000";
        QTest::newRow("far left, right button") << "0" << 1 << false << "100000000";
        // More than one place left of the leading digit adds that place's value...
        QTest::newRow("adds the place") << "5" << 7 << false << "105";
        // ...one place left of it is a digit 0 like any other.
        QTest::newRow("next place up") << "5" << 8 << true << "15";
        QTest::newRow("next place down") << "5" << 8 << false << "95";
        QTest::newRow("9 turns to 0, leading zeros go") << "90" << 8 << true << "0";
        QTest::newRow("top digit down") << "100000000" << 1 << false << "0";
        QTest::newRow("nine nines") << "999999999" << 5 << true << "999909999";
    }
    void digitButtons() {
        QFETCH(QString, caption);
        QFETCH(int, p);
        QFETCH(bool, esquerre);
        QFETCH(QString, result);
        QCOMPARE(EdicioNivells::PremDigit(caption, p, esquerre), result);
    }

    // Cardinals level 2 is 0..50, Dividir level 10 is 5 by 3, Taules level 4 is 2..4.
    void relations_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("quin");
        QTest::addColumn<int>("valor");
        QTest::addColumn<QString>("cella4");
        QTest::addColumn<QString>("cella5");
        QTest::newRow("lower bound raises the upper")
            << 1 << 2 << 1 << 100000000 << "100.000.000   "
            << "100.000.000   ";
        QTest::newRow("upper bound lowers the lower") << 1 << 2 << 2 << 0 << "0   "
                                                      << "0   ";
        QTest::newRow("upper bound alone") << 1 << 2 << 2 << 7 << "0   "
                                           << "7   ";
        QTest::newRow("first table past the last") << 7 << 4 << 1 << 6 << "6"
                                                   << "6";
        QTest::newRow("table held to 9") << 7 << 4 << 2 << 12 << "2"
                                         << "9";
        QTest::newRow("dividend below divisor") << 9 << 10 << 1 << 2 << "2"
                                                << "2";
        QTest::newRow("divisor above dividend") << 9 << 4 << 2 << 3 << "3"
                                                << "3";
        QTest::newRow("dividend alone") << 9 << 10 << 1 << 4 << "4"
                                        << "3";
        QTest::newRow("digits of a sum: no relation") << 5 << 1 << 1 << 4 << "4"
                                                      << "No";
    }
    void relations() {
        QFETCH(int, activitat);
        QFETCH(int, fila);
        QFETCH(int, quin);
        QFETCH(int, valor);
        QFETCH(QString, cella4);
        QFETCH(QString, cella5);
        Grid g(activitat);
        QVERIFY(!g.jocs.Modificat());
        const QList<FilaGraella> abans = g.edicio.files();
        g.edicio.posaParametre(fila, quin, valor);
        QCOMPARE(g.edicio.files().at(fila - 1).at(3), cella4);
        QCOMPARE(g.edicio.files().at(fila - 1).at(4), cella5);
        QVERIFY(g.jocs.Modificat());
        for (int f = 1; f <= g.edicio.nivells(); ++f)
            if (f != fila)
                QCOMPARE(g.edicio.files().at(f - 1), abans.at(f - 1));
    }

    void portant() {
        Grid g(6); // Restar level 1 does not borrow
        QVERIFY(!g.edicio.posaPortant(1, false));
        QVERIFY(!g.jocs.Modificat());
        QVERIFY(g.edicio.posaPortant(1, true));
        QCOMPARE(g.edicio.files().at(0).at(4), QString("Sí"));
        QCOMPARE(g.edicio.dades(1).Parametre2, 1);
        QVERIFY(g.jocs.Modificat());
    }

    void counters() {
        Grid g(3);
        g.edicio.posaComptador(2, 2, 40);
        g.edicio.posaComptador(2, 3, 0);
        QCOMPARE(g.edicio.files().at(1), (FilaGraella{"70", "40", "0", "1   ", "20   "}));
        QVERIFY(g.jocs.Modificat());
    }

    void increment_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("columna");
        QTest::addColumn<int>("k");
        QTest::addColumn<QList<int>>("valors");
        QTest::newRow("Temps +30")
            << 1 << 1 << 30 << QList<int>{120, 150, 180, 210, 240, 270, 300, 330, 360, 390};
        QTest::newRow("Temps -50 stops at 10")
            << 1 << 1 << -50 << QList<int>{120, 70, 20, 10, 10, 10, 10, 10, 10, 10};
        QTest::newRow("Fer up to 999")
            << 2 << 2 << 400 << QList<int>{15, 415, 815, 999, 999, 999, 999, 999, 999, 999};
        QTest::newRow("Errors down to 0")
            << 5 << 3 << -2 << QList<int>{5, 3, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("nothing added") << 7 << 2 << 0 << QList<int>(10, 10);
    }
    void increment() {
        QFETCH(int, activitat);
        QFETCH(int, columna);
        QFETCH(int, k);
        QFETCH(QList<int>, valors);
        Grid g(activitat);
        const QList<FilaGraella> abans = g.edicio.files();
        g.edicio.Increment(columna, k);
        QCOMPARE(g.columna(columna), valors);
        QVERIFY(g.jocs.Modificat());
        for (int f = 0; f < abans.size(); ++f)
            for (int c = 1; c <= 5; ++c)
                if (c != columna)
                    QCOMPARE(g.edicio.files().at(f).at(c - 1), abans.at(f).at(c - 1));
    }
};

QTEST_GUILESS_MAIN(TestEdicioNivells)
#include "tst_EdicioNivells.moc"
