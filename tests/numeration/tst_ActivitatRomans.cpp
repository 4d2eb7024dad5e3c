#include "ActivitatRomans.h"

#include "FakeContext.h"

#include <QTest>
#include <limits>

namespace {

// The second draw of each exercise picks the direction: 2r + 1 below 2 shows the numeral.
constexpr float kNombreDemanat = 0.25f;
constexpr float kRomaDemanat = 0.75f;

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatRomans act;
    Board(int inferior, int superior, int sep, QList<float> rs)
        : scripted(std::move(rs)), act(ctx) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = inferior;
        ctx.p2 = superior;
        ctx.sep = sep;
        act.preparar();
    }

    // The physical keyboard as the series hands it over: upper-cased, then filtered.
    void prem(const QString& keys) {
        for (const QChar c : keys) {
            if (act.accepta(c.toUpper()))
                act.caracter(c.toUpper());
        }
    }
};

} // namespace

class TestActivitatRomans : public QObject {
    Q_OBJECT
private slots:
    void exercises_data() {
        QTest::addColumn<int>("inferior");
        QTest::addColumn<int>("superior");
        QTest::addColumn<float>("r");
        QTest::addColumn<float>("direccio");
        QTest::addColumn<int>("sep");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("solucio");
        QTest::addColumn<bool>("romaDemanat");
        QTest::addColumn<int>("teclat");
        QTest::newRow("numeral shown, punt")
            << 1234 << 1234 << 0.0f << kNombreDemanat << 0 << "MCCXXXIV"
            << "1.234" << false << 1;
        QTest::newRow("numeral shown, espai")
            << 1234 << 1234 << 0.0f << kNombreDemanat << 1 << "MCCXXXIV"
            << "1 234" << false << 1;
        QTest::newRow("numeral shown, cap")
            << 1234 << 1234 << 0.0f << kNombreDemanat << 2 << "MCCXXXIV"
            << "1234" << false << 1;
        QTest::newRow("numeral asked") << 1234 << 1234 << 0.0f << kRomaDemanat << 0 << "1.234"
                                       << "MCCXXXIV" << true << 2;
        QTest::newRow("below 1000: digit keypad")
            << 1 << 999 << 0.99999994f << kNombreDemanat << 0 << "CMXCIX"
            << "999" << false << 0;
        QTest::newRow("below 1000 asked as numeral") << 1 << 999 << 0.0f << kRomaDemanat << 0 << "1"
                                                     << "I" << true << 2;
        QTest::newRow("the largest superior decides")
            << 1 << 1000 << 0.0f << kNombreDemanat << 0 << "I"
            << "1" << false << 1;
        QTest::newRow("longest numeral") << 3888 << 3888 << 0.0f << kRomaDemanat << 0 << "3.888"
                                         << "MMMDCCCLXXXVIII" << true << 2;
        QTest::newRow("1994") << 1 << 3999 << 0.4985f << kNombreDemanat << 2 << "MCMXCIV"
                              << "1994" << false << 1;
    }
    void exercises() {
        QFETCH(int, inferior);
        QFETCH(int, superior);
        QFETCH(float, r);
        QFETCH(float, direccio);
        QFETCH(int, sep);
        QFETCH(QString, pregunta);
        QFETCH(QString, solucio);
        QFETCH(bool, romaDemanat);
        QFETCH(int, teclat);
        Board b(inferior, superior, sep, {r, direccio});
        QCOMPARE(b.act.pregunta(), pregunta);
        QCOMPARE(b.act.solucio(), solucio);
        QCOMPARE(b.act.romaDemanat(), romaDemanat);
        QCOMPARE(b.act.teclat(), teclat);
        b.prem(solucio);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0);
    }

    // The keypad follows each exercise's answer.
    void keypadPerExercise() {
        Board b(1, 500, 0, {0.5f, kRomaDemanat, 0.5f, kNombreDemanat, 0.5f, kRomaDemanat});
        QCOMPARE(b.act.teclat(), 2);
        b.act.novaOperacio();
        QCOMPARE(b.act.teclat(), 0);
        QVERIFY(!b.act.romaDemanat());
        b.act.novaOperacio();
        QCOMPARE(b.act.teclat(), 2);
        QVERIFY(b.act.linia().escrit().isEmpty());
    }

    void directionsBalanced() {
        FakeContext ctx;
        ctx.p1 = 1;
        ctx.p2 = 3999;
        Atzar atzar(2024);
        ctx.atzarPtr = &atzar;
        ActivitatRomans act(ctx);
        act.preparar();
        int demanats = 0;
        for (int i = 0; i < 10000; ++i) {
            act.novaOperacio();
            demanats += act.romaDemanat() ? 1 : 0;
        }
        QVERIFY2(demanats >= 4500 && demanats <= 5500, qPrintable(QString::number(demanats)));
    }

    void physicalKeys_data() {
        QTest::addColumn<float>("direccio");
        QTest::addColumn<int>("sep");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("ignored");
        QTest::newRow("numeral asked") << kRomaDemanat << 1 << "IVXLCDM"
                                       << "0123456789. AZ";
        QTest::newRow("number asked, punt") << kNombreDemanat << 0 << "0123456789."
                                            << " IVXLCDM-";
        QTest::newRow("number asked, espai") << kNombreDemanat << 1 << "0123456789. "
                                             << "IVXLCDM";
        QTest::newRow("number asked, cap") << kNombreDemanat << 2 << "0123456789."
                                           << " IVX";
    }
    void physicalKeys() {
        QFETCH(float, direccio);
        QFETCH(int, sep);
        QFETCH(QString, accepted);
        QFETCH(QString, ignored);
        Board b(1234, 1234, sep, {0.0f, direccio});
        for (const QChar c : accepted)
            QVERIFY2(b.act.accepta(c), qPrintable(QString(c)));
        for (const QChar c : ignored)
            QVERIFY2(!b.act.accepta(c), qPrintable(QString(c)));
    }

    void typing_data() {
        QTest::addColumn<float>("direccio");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("escrit");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("correctes");
        QTest::newRow("lower case accepted, nothing after") << kRomaDemanat << "mccxxxivi"
                                                            << "MCCXXXIV" << 0 << 1;
        QTest::newRow("digits ignored when the numeral is asked") << kRomaDemanat << "m1c2"
                                                                  << "MC" << 0 << 0;
        QTest::newRow("wrong letter") << kRomaDemanat << "mx"
                                      << "M" << 1 << 0;
        QTest::newRow("digit where the point goes") << kNombreDemanat << "12"
                                                    << "1" << 1 << 0;
        QTest::newRow("letters ignored when the number is asked") << kNombreDemanat << "1m.2"
                                                                  << "1.2" << 0 << 0;
    }
    // 1234 with Punt.
    void typing() {
        QFETCH(float, direccio);
        QFETCH(QString, keys);
        QFETCH(QString, escrit);
        QFETCH(int, errors);
        QFETCH(int, correctes);
        Board b(1234, 1234, 0, {0.0f, direccio});
        b.prem(keys);
        QCOMPARE(b.act.linia().escrit(), escrit);
        QCOMPARE(b.ctx.errors, errors);
        QCOMPARE(b.ctx.correctes, correctes);
    }

    void extraKey_data() {
        QTest::addColumn<int>("sep");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("blanc");
        QTest::newRow("punt") << 0 << "." << false;
        QTest::newRow("espai") << 1 << "Espai" << true;
        QTest::newRow("cap") << 2 << "." << false;
    }
    void extraKey() {
        QFETCH(int, sep);
        QFETCH(QString, caption);
        QFETCH(bool, blanc);
        Board b(1000, 3999, sep, {0.0f, kNombreDemanat});
        QCOMPARE(b.act.teclat(), 1);
        QCOMPARE(b.act.teclaExtra(), caption);
        QCOMPARE(b.act.teclaExtraBlanc(), blanc);
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("zero") << 0 << 0 << 1 << 1;
        QTest::newRow("negative") << -40 << -3 << 1 << 1;
        QTest::newRow("reversed") << 3000 << 5 << 3000 << 3000;
        QTest::newRow("above the numerals") << 4000 << 90000 << 3999 << 3999;
        QTest::newRow("int extremes") << kMin << kMax << 1 << 3999;
        QTest::newRow("reversed extremes") << kMax << kMin << 3999 << 3999;
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        FakeContext ctx;
        ctx.p1 = p1;
        ctx.p2 = p2;
        ActivitatRomans act(ctx);
        act.preparar();
        for (int i = 0; i < 50; ++i) {
            QVERIFY(act.nombre() >= lowest && act.nombre() <= highest);
            QVERIFY(!act.pregunta().isEmpty());
            for (int k = 0; k < 16 && !act.completa(); ++k)
                act.ajuda();
            QVERIFY(act.completa());
            act.novaOperacio();
        }
        QCOMPARE(ctx.correctes, 50);
    }
};

QTEST_GUILESS_MAIN(TestActivitatRomans)
#include "tst_ActivitatRomans.moc"
