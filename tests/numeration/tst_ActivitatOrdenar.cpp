#include "ActivitatOrdenar.h"

#include "FakeContext.h"

#include <QTest>
#include <limits>

namespace {

using Nombres = QList<int>;
using Deixades = QList<std::pair<int, int>>; // (dragged word, word it is dropped on)

// Over 0..2^24 - 1 the draw of r = n / 2^24 is exactly n.
constexpr int kSuperior = (1 << 24) - 1;

QList<float> rs(const Nombres& nombres) {
    QList<float> out;
    for (const int n : nombres)
        out.append(float(n) / float(1 << 24));
    return out;
}

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatOrdenar act;
    Board(const Nombres& nombres, int sep = 0, int inferior = 0, int superior = kSuperior)
        : scripted(rs(nombres)), act(ctx) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = inferior;
        ctx.p2 = superior;
        ctx.sep = sep;
        act.preparar();
    }
    QStringList captions() const {
        QStringList out;
        for (const auto& p : act.paraules())
            out.append(p.caption);
        return out;
    }
    QStringList tags() const {
        QStringList out;
        for (const auto& p : act.paraules())
            out.append(p.tag);
        return out;
    }
    int deixa(const Deixades& deixades) {
        int sons = 0;
        for (const auto& [s, i] : deixades)
            sons += act.deixa(s, i) ? 1 : 0;
        return sons;
    }
};

const Nombres kLlista = {1234567, 5, 1000, 999, 1000, 0};

} // namespace

class TestActivitatOrdenar : public QObject {
    Q_OBJECT
private slots:
    void newList_data() {
        QTest::addColumn<int>("sep");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("relacio");
        QTest::newRow("punt") << 0 << QStringList{"1.234.567", "5", "1.000", "999", "1.000", "0"}
                              << QStringList{"          0", "          5", "        999",
                                             "      1.000", "      1.000", "  1.234.567"};
        QTest::newRow("espai") << 1 << QStringList{"1 234 567", "5", "1 000", "999", "1 000", "0"}
                               << QStringList{"          0", "          5", "        999",
                                              "      1 000", "      1 000", "  1 234 567"};
        QTest::newRow("cap") << 2 << QStringList{"1234567", "5", "1000", "999", "1000", "0"}
                             << QStringList{"          0", "          5", "        999",
                                            "       1000", "       1000", "    1234567"};
    }
    void newList() {
        QFETCH(int, sep);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, relacio);
        Board b(kLlista, sep);
        QCOMPARE(b.captions(), captions);
        QCOMPARE(b.tags(), (QStringList{"1234567", "5", "1000", "999", "1000", "0"}));
        QCOMPARE(b.act.relacio(), (QList<qint64>{0, 5, 999, 1000, 1000, 1234567}));
        QCOMPARE(b.act.textsRelacio(), relacio);
        QVERIFY(b.act.arrossegable());
        QCOMPARE(b.act.teclat(), -1);
        for (const QChar c : QStringLiteral("0. A"))
            QVERIFY(!b.act.accepta(c));
    }

    void drops_data() {
        QTest::addColumn<Nombres>("nombres");
        QTest::addColumn<Deixades>("deixades");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("sons");
        const Nombres abc = {10, 20, 30, 40, 50, 60};
        QTest::newRow("down") << abc << Deixades{{1, 4}}
                              << QStringList{"10", "30", "40", "50", "20", "60"} << 1;
        QTest::newRow("up") << abc << Deixades{{4, 1}}
                            << QStringList{"10", "50", "20", "30", "40", "60"} << 1;
        QTest::newRow("top to bottom")
            << abc << Deixades{{0, 5}} << QStringList{"20", "30", "40", "50", "60", "10"} << 1;
        QTest::newRow("bottom to top")
            << abc << Deixades{{5, 0}} << QStringList{"60", "10", "20", "30", "40", "50"} << 1;
        QTest::newRow("onto itself")
            << abc << Deixades{{2, 2}} << QStringList{"10", "20", "30", "40", "50", "60"} << 0;
        QTest::newRow("outside the list") << abc << Deixades{{-1, 2}, {2, 6}, {6, 0}}
                                          << QStringList{"10", "20", "30", "40", "50", "60"} << 0;
        QTest::newRow("duplicate blanked") << Nombres{7, 3, 7, 1, 2, 9} << Deixades{{2, 0}}
                                           << QStringList{"7", "3", "", "1", "2", "9"} << 1;
        QTest::newRow("blank moved down") << Nombres{7, 3, 7, 1, 2, 9} << Deixades{{0, 2}, {0, 5}}
                                          << QStringList{"3", "7", "1", "2", "9", ""} << 2;
        QTest::newRow("blank onto blank")
            << Nombres{4, 4, 4, 1, 2, 3} << Deixades{{0, 1}, {1, 2}, {0, 1}}
            << QStringList{"", "", "4", "1", "2", "3"} << 3;
    }
    void drops() {
        QFETCH(Nombres, nombres);
        QFETCH(Deixades, deixades);
        QFETCH(QStringList, captions);
        QFETCH(int, sons);
        Board b(nombres);
        QCOMPARE(b.deixa(deixades), sons);
        QCOMPARE(b.captions(), captions);
        for (int i = 0; i < ActivitatOrdenar::kParaules; ++i) {
            const auto& p = b.act.paraules()[i];
            QCOMPARE(p.tag, p.caption); // below 1000 caption and tag agree, blanks included
        }
    }

    void check_data() {
        QTest::addColumn<Nombres>("nombres");
        QTest::addColumn<Deixades>("deixades");
        QTest::addColumn<bool>("right");
        const Nombres barreja = {40, 10, 60, 20, 50, 30};
        QTest::newRow("sorted by dragging")
            << barreja << Deixades{{1, 0}, {3, 1}, {5, 2}, {5, 4}} << true;
        QTest::newRow("not sorted") << barreja << Deixades{} << false;
        QTest::newRow("almost sorted") << barreja << Deixades{{1, 0}, {3, 1}, {5, 2}} << false;
        QTest::newRow("equal neighbours") << Nombres{1, 2, 2, 3, 3, 3} << Deixades{} << true;
        QTest::newRow("drawn sorted") << Nombres{0, 9, 99, 999, 9999, 99999} << Deixades{} << true;
        QTest::newRow("blank in the middle")
            << Nombres{1, 2, 2, 3, 4, 5} << Deixades{{2, 1}} << false;
        QTest::newRow("blank dragged to the bottom")
            << Nombres{1, 2, 2, 3, 4, 5} << Deixades{{2, 1}, {2, 5}} << true;
        QTest::newRow("blank on top") << Nombres{1, 1, 2, 3, 4, 5} << Deixades{{0, 1}} << false;
        QTest::newRow("two blanks at the bottom")
            << Nombres{1, 2, 2, 3, 3, 9} << Deixades{{2, 1}, {2, 5}, {3, 2}, {3, 4}} << true;
        QTest::newRow("blank between blank and number")
            << Nombres{1, 2, 2, 3, 3, 9} << Deixades{{2, 1}, {2, 5}, {3, 2}} << false;
    }
    void check() {
        QFETCH(Nombres, nombres);
        QFETCH(Deixades, deixades);
        QFETCH(bool, right);
        Board b(nombres);
        b.deixa(deixades);
        const QStringList abans = b.captions();
        b.act.comprova();
        QCOMPARE(b.ctx.correctes, right ? 1 : 0);
        QCOMPARE(b.ctx.errors, right ? 0 : 1);
        QCOMPARE(b.ctx.missatgeId, right ? 0 : ActivitatOrdenar::kMissatgeDesordenada);
        QVERIFY(!b.act.arrossegable());
        // Once checked, the list takes neither drops nor a second check.
        QVERIFY(!b.act.deixa(0, 5));
        b.act.comprova();
        QCOMPARE(b.ctx.correctes + b.ctx.errors, 1);
        QCOMPARE(b.captions(), abans);
    }

    // After a wrong order the same list comes back, editable; after a right one a new list.
    void nextExercise() {
        const Nombres primera = {40, 10, 60, 20, 50, 30};
        Board b(primera + Nombres{1, 2, 3, 4, 5, 6});
        b.deixa({{1, 0}});
        const QStringList corregint = b.captions();
        b.act.comprova();
        QCOMPARE(b.ctx.missatgeId, 72);
        b.act.novaOperacio(); // the series calls it before the message is cleared
        QCOMPARE(b.captions(), corregint);
        QVERIFY(b.act.arrossegable());
        b.ctx.missatgeId = 0;
        b.deixa({{3, 1}, {5, 2}, {5, 4}});
        b.act.comprova();
        QCOMPARE(b.ctx.correctes, 1);
        b.act.novaOperacio();
        QCOMPARE(b.captions(), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QVERIFY(b.act.arrossegable());
    }

    void singleNumberRange() {
        Board b({}, 0, 4200, 4200);
        QCOMPARE(b.captions(), QStringList(6, QStringLiteral("4.200")));
        b.act.comprova();
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0);
    }

    void help_data() {
        QTest::addColumn<Nombres>("nombres");
        QTest::addColumn<Deixades>("deixades");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("distinct") << Nombres{40, 10, 60, 20, 50, 30} << Deixades{}
                                  << QStringList{"10", "20", "30", "40", "50", "60"};
        QTest::newRow("duplicates once, blanks below")
            << Nombres{1000, 5, 1000, 0, 5, 5} << Deixades{}
            << QStringList{"0", "5", "1.000", "", "", ""};
        QTest::newRow("after a blanking") << Nombres{9, 8, 9, 7, 6, 5} << Deixades{{2, 0}}
                                          << QStringList{"5", "6", "7", "8", "9", ""};
        QTest::newRow("all equal")
            << Nombres{3, 3, 3, 3, 3, 3} << Deixades{} << QStringList{"3", "", "", "", "", ""};
    }
    void help() {
        QFETCH(Nombres, nombres);
        QFETCH(Deixades, deixades);
        QFETCH(QStringList, captions);
        Board b(nombres);
        b.deixa(deixades);
        const QStringList tags = b.tags();
        b.act.ajuda();
        QCOMPARE(b.captions(), captions);
        QCOMPARE(b.tags(), tags);
        QCOMPARE(b.ctx.missatgeId, ActivitatOrdenar::kMissatgeAjuda);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0); // the series counts help's error before calling it
        QVERIFY(!b.act.arrossegable());
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<qint64>("lowest");
        QTest::addColumn<qint64>("highest");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("reversed") << 500 << 20 << qint64(500) << qint64(500);
        QTest::newRow("negative") << -100 << -1 << qint64(0) << qint64(0);
        QTest::newRow("huge") << 0 << kMax << qint64(0) << qint64(999999999);
        QTest::newRow("int extremes") << kMin << kMax << qint64(0) << qint64(999999999);
        QTest::newRow("reversed extremes")
            << kMax << kMin << qint64(999999999) << qint64(999999999);
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(qint64, lowest);
        QFETCH(qint64, highest);
        FakeContext ctx;
        ctx.p1 = p1;
        ctx.p2 = p2;
        ActivitatOrdenar act(ctx);
        act.preparar();
        for (int i = 0; i < 50; ++i) {
            for (int k = 0; k < ActivitatOrdenar::kParaules; ++k)
                QVERIFY(act.valor(k) >= lowest && act.valor(k) <= highest);
            for (const QString& text : act.textsRelacio())
                QCOMPARE(text.size(), 11);
            act.ajuda();
            act.comprova(); // refused after help: nothing is counted twice
            act.novaOperacio();
        }
        QCOMPARE(ctx.correctes, 50);
        QCOMPARE(ctx.errors, 0);
    }
};

QTEST_GUILESS_MAIN(TestActivitatOrdenar)
#include "tst_ActivitatOrdenar.moc"
