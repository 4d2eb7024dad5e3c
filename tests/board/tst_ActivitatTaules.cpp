#include "ActivitatTaules.h"

#include "FakeContext.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <limits>

namespace {

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatTaules act;
    Board(int primera, int ultima, QList<float> rs) : scripted(std::move(rs)), act(ctx) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = primera;
        ctx.p2 = ultima;
        act.preparar();
    }
};

} // namespace

class TestActivitatTaules : public QObject {
    Q_OBJECT
private slots:
    void questions_data() {
        QTest::addColumn<int>("primera");
        QTest::addColumn<int>("ultima");
        QTest::addColumn<float>("ra");
        QTest::addColumn<float>("rb");
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("solucio");
        QTest::newRow("0 x 5") << 5 << 5 << 0.0f << 0.7f << "0 x 5"
                               << "0";
        QTest::newRow("7 x 5") << 5 << 5 << 0.75f << 0.0f << "7 x 5"
                               << "35";
        QTest::newRow("9 x 5") << 5 << 5 << 0.999f << 0.999f << "9 x 5"
                               << "45";
        QTest::newRow("lowest table of 2..9") << 2 << 9 << 0.35f << 0.0f << "3 x 2"
                                              << "6";
        QTest::newRow("highest table of 2..9") << 2 << 9 << 0.95f << 0.99f << "9 x 9"
                                               << "81";
        QTest::newRow("middle table of 2..9") << 2 << 9 << 0.65f << 0.5f << "6 x 6"
                                              << "36";
        QTest::newRow("table of 1") << 1 << 1 << 0.85f << 0.5f << "8 x 1"
                                    << "8";
    }
    void questions() {
        QFETCH(int, primera);
        QFETCH(int, ultima);
        QFETCH(float, ra);
        QFETCH(float, rb);
        QFETCH(QString, pregunta);
        QFETCH(QString, solucio);
        Board b(primera, ultima, {ra, rb});
        QCOMPARE(b.act.pregunta(), pregunta);
        QCOMPARE(b.act.solucio(), solucio);
        QVERIFY(b.act.linia().escrit().isEmpty());
    }

    void seededTables_data() {
        QTest::addColumn<int>("primera");
        QTest::addColumn<int>("ultima");
        QTest::newRow("only the table of 5") << 5 << 5;
        QTest::newRow("tables 3 to 7") << 3 << 7;
        QTest::newRow("every table") << 1 << 9;
    }
    // Every factor 0..9 and every table of the level come up, and nothing outside them.
    void seededTables() {
        QFETCH(int, primera);
        QFETCH(int, ultima);
        FakeContext ctx;
        ctx.p1 = primera;
        ctx.p2 = ultima;
        ActivitatTaules act(ctx);
        const QRegularExpression shape(QStringLiteral("^(\\d) x (\\d)$"));
        QSet<int> factors;
        QSet<int> tables;
        for (uint32_t seed = 1; seed <= 400; ++seed) {
            Atzar atzar(seed);
            ctx.atzarPtr = &atzar;
            act.novaOperacio();
            const auto m = shape.match(act.pregunta());
            QVERIFY2(m.hasMatch(), qPrintable(act.pregunta()));
            const int a = m.captured(1).toInt();
            const int b = m.captured(2).toInt();
            QVERIFY(b >= primera && b <= ultima);
            QCOMPARE(act.solucio(), QString::number(a * b));
            factors.insert(a);
            tables.insert(b);
        }
        QCOMPARE(factors.size(), 10);
        QCOMPARE(tables.size(), ultima - primera + 1);
    }

    void answering_data() {
        QTest::addColumn<QString>("keys"); // '?' asks for help
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("correctes");
        QTest::newRow("right first digit") << "3"
                                           << "3" << 0 << false << 0;
        QTest::newRow("right answer") << "35"
                                      << "35" << 0 << false << 1;
        QTest::newRow("wrong first digit") << "4"
                                           << "" << 1 << true << 0;
        QTest::newRow("wrong then right") << "43"
                                          << "3" << 1 << false << 0;
        QTest::newRow("wrong second digit kept out") << "36"
                                                     << "3" << 1 << true << 0;
        QTest::newRow("help twice completes") << "??"
                                              << "35" << 0 << false << 1;
        QTest::newRow("help on the last digit") << "3?"
                                                << "35" << 0 << false << 1;
        QTest::newRow("nothing after the answer") << "3557"
                                                  << "35" << 0 << false << 1;
    }
    // 7 x 5 on the answer line: wrong digits are not kept and cost one error each.
    void answering() {
        QFETCH(QString, keys);
        QFETCH(QString, written);
        QFETCH(int, errors);
        QFETCH(bool, red);
        QFETCH(int, correctes);
        Board b(5, 5, {0.75f, 0.0f});
        for (const QChar c : keys) {
            if (c == u'?')
                b.act.ajuda();
            else
                b.act.caracter(c);
        }
        QCOMPARE(b.act.linia().escrit(), written);
        QCOMPARE(b.ctx.errors, errors);
        QCOMPARE(b.act.linia().senyalVermell(), red);
        QCOMPARE(b.ctx.correctes, correctes);
        QCOMPARE(b.act.completa(), correctes == 1);
    }

    void zeroAnswer() {
        Board b(5, 5, {0.0f, 0.0f});
        b.act.caracter(u'0');
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.esperes, QList<int>{71});
        QVERIFY(!b.act.linia().senyalVisible());
    }

    void nextExerciseClearsTheLine() {
        Board b(5, 5, {0.75f, 0.0f, 0.25f, 0.0f});
        b.act.caracter(u'3');
        b.act.caracter(u'9');
        b.act.novaOperacio();
        QCOMPARE(b.act.pregunta(), QStringLiteral("2 x 5"));
        QVERIFY(b.act.linia().escrit().isEmpty());
        QVERIFY(!b.act.linia().senyalVermell());
        QVERIFY(b.act.linia().senyalVisible());
    }

    void keys_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0") << QChar(u'0') << true;
        QTest::newRow("9") << QChar(u'9') << true;
        QTest::newRow("point") << QChar(u'.') << false;
        QTest::newRow("x") << QChar(u'X') << false;
        QTest::newRow("blank") << QChar(u' ') << false;
    }
    void keys() {
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        FakeContext ctx;
        ActivitatTaules act(ctx);
        act.preparar();
        QCOMPARE(act.accepta(key), accepted);
        QCOMPARE(act.teclat(), 0);
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("zero") << 0 << 0 << 1 << 1;
        QTest::newRow("negative") << -7 << -2 << 1 << 1;
        QTest::newRow("first above last") << 9 << 1 << 9 << 9;
        QTest::newRow("huge last") << 3 << kMax << 3 << 9;
        QTest::newRow("int extremes") << kMin << kMax << 1 << 9;
        QTest::newRow("reversed extremes") << kMax << kMin << 9 << 9;
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        FakeContext ctx;
        ctx.p1 = p1;
        ctx.p2 = p2;
        ActivitatTaules act(ctx);
        for (int i = 0; i < 50; ++i) {
            act.novaOperacio();
            QVERIFY(act.taula() >= lowest && act.taula() <= highest);
            QCOMPARE(act.solucio(), QString::number(act.factor() * act.taula()));
            for (int k = 0; k < 3 && !act.completa(); ++k)
                act.ajuda();
            QVERIFY(act.completa());
        }
        QCOMPARE(ctx.correctes, 50);
    }
};

QTEST_GUILESS_MAIN(TestActivitatTaules)
#include "tst_ActivitatTaules.moc"
