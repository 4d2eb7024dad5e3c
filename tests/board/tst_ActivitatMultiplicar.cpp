#include "ActivitatMultiplicar.h"

#include "FakeContext.h"

#include <QTest>
#include <limits>

namespace {

int power10(int e) {
    int p = 1;
    while (e-- > 0)
        p *= 10;
    return p;
}

// The r that makes Atzar::entre(lo, hi) draw v.
float rFor(int v, int lo, int hi) {
    return (float(v - lo) + 0.5f) / float(hi - lo + 1);
}

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatMultiplicar act;
    Board(int a, int m, int drawn1, int drawn2)
        : scripted({rFor(drawn1, power10(a - 1), power10(a) - 1),
                    rFor(drawn2, power10(m - 1), power10(m) - 1)}),
          act(ctx) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = a;
        ctx.p2 = m;
        act.preparar();
    }
};

// Sends one key as the pupil would: '<' is the left arrow, '?' asks for help.
void press(ActivitatMultiplicar& act, QChar key) {
    if (key == u'<')
        act.fletxaEsquerra();
    else if (key == u'?')
        act.ajuda();
    else
        act.caracter(key);
}

// Types the right key for the current state, the blank through the left arrow.
void typeRight(ActivitatMultiplicar& act) {
    if (act.fase() == 4) {
        act.caracter(u'+');
        return;
    }
    const QString row = act.resposta(act.filaActual());
    const QChar x = row.at(row.size() - act.columna() - 1);
    press(act, x == u' ' ? QChar(u'<') : x);
}

bool solve(ActivitatMultiplicar& act, bool withHelp) {
    for (int i = 0; i < 60 && !act.completa(); ++i) {
        if (withHelp)
            act.ajuda();
        else
            typeRight(act);
    }
    return act.completa();
}

// The number a row stands for: its digits (a blank column as 0) shifted to its last column.
qint64 rowValue(const ActivitatMultiplicar& act, int fila) {
    QString digits;
    const QString text = act.resposta(fila);
    for (int i = 1; i < text.size(); i += 2)
        digits += text.at(i) == u' ' ? QChar(u'0') : text.at(i);
    return digits.toLongLong() * power10(act.columnaDreta(fila));
}

} // namespace

class TestActivitatMultiplicar : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("drawn1");
        QTest::addColumn<int>("drawn2");
        QTest::addColumn<QString>("sup");
        QTest::addColumn<QString>("inf");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("lastColumns");
        QTest::addColumn<QString>("product");
        QTest::newRow("456 x 123") << 3 << 3 << 456 << 123 << " 4 5 6"
                                   << " 1 2 3" << QStringList{" 1 3 6 8", " 9 1 2", " 4 5 6"}
                                   << QList<int>{0, 1, 2} << " 5 6 0 8 8";
        QTest::newRow("multiplier 20")
            << 2 << 2 << 37 << 20 << " 3 7"
            << " 2 0" << QStringList{" 7 4 0"} << QList<int>{0} << " 7 4 0";
        QTest::newRow("multiplier 205")
            << 3 << 3 << 456 << 205 << " 4 5 6"
            << " 2 0 5" << QStringList{" 2 2 8 0", " 9 1 2  "} << QList<int>{0, 1} << " 9 3 4 8 0";
        QTest::newRow("multiplier 120")
            << 3 << 3 << 456 << 120 << " 4 5 6"
            << " 1 2 0" << QStringList{" 9 1 2 0", " 4 5 6  "} << QList<int>{0, 1} << " 5 4 7 2 0";
        QTest::newRow("multiplier 100")
            << 3 << 3 << 456 << 100 << " 4 5 6"
            << " 1 0 0" << QStringList{" 4 5 6 0 0"} << QList<int>{0} << " 4 5 6 0 0";
        QTest::newRow("multiplier 101")
            << 3 << 3 << 456 << 101 << " 4 5 6"
            << " 1 0 1" << QStringList{" 4 5 6", " 4 5 6  "} << QList<int>{0, 1} << " 4 6 0 5 6";
        QTest::newRow("multiplier 30 under 450")
            << 3 << 2 << 450 << 30 << " 4 5 0"
            << " 3 0" << QStringList{" 1 3 5 0 0"} << QList<int>{0} << " 1 3 5 0 0";
        QTest::newRow("one-digit multiplier")
            << 2 << 1 << 47 << 6 << " 4 7"
            << " 6" << QStringList{" 2 8 2"} << QList<int>{0} << " 2 8 2";
        QTest::newRow("larger multiplier drawn is swapped")
            << 2 << 2 << 23 << 87 << " 8 7"
            << " 2 3" << QStringList{" 2 6 1", " 1 7 4"} << QList<int>{0, 1} << " 2 0 0 1";
        QTest::newRow("1 x 1") << 1 << 1 << 1 << 1 << " 1"
                               << " 1" << QStringList{" 1"} << QList<int>{0} << " 1";
        QTest::newRow("largest") << 5 << 3 << 99999 << 999 << " 9 9 9 9 9"
                                 << " 9 9 9"
                                 << QStringList{" 8 9 9 9 9 1", " 8 9 9 9 9 1", " 8 9 9 9 9 1"}
                                 << QList<int>{0, 1, 2} << " 9 9 8 9 9 0 0 1";
    }
    void layout() {
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, drawn1);
        QFETCH(int, drawn2);
        QFETCH(QString, sup);
        QFETCH(QString, inf);
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, lastColumns);
        QFETCH(QString, product);
        Board b(a, m, drawn1, drawn2);
        const ActivitatMultiplicar& act = b.act;
        QCOMPARE(act.multiSup(), sup);
        QCOMPARE(act.multiInf(), inf);
        QCOMPARE(act.files(), rows.size());
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(act.resposta(k), rows.value(k - 1));
            QCOMPARE(act.revelats(k), 0);
        }
        for (int k = 1; k <= rows.size(); ++k)
            QCOMPARE(act.columnaDreta(k), lastColumns.at(k - 1));
        QCOMPARE(act.resposta(ActivitatMultiplicar::kFilaProducte), product);
        QCOMPARE(act.fase(), 1);
        QCOMPARE(act.columna(), 0);
        QVERIFY(act.tornVisible());
        QVERIFY(!act.tornVermell());
        QVERIFY(!act.zeroVisible());
        QVERIFY(!act.linia1Visible());
    }

    void playing_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("drawn1");
        QTest::addColumn<int>("drawn2");
        QTest::addColumn<QString>("keys");   // '<' is the left arrow
        QTest::addColumn<QString>("fases");  // after each key
        QTest::addColumn<int>("zeroColumn"); // -1: never shown
        QTest::newRow("456 x 123") << 3 << 3 << 456 << 123 << "8631219654+88065"
                                   << "1112223334555555" << -1;
        QTest::newRow("205, blank by the arrow") << 3 << 3 << 456 << 205 << "0822<219+08439"
                                                 << "11122224555555" << -1;
        QTest::newRow("205, blank written as 0") << 3 << 3 << 456 << 205 << "08220219+08439"
                                                 << "11122224555555" << 1;
        QTest::newRow("120, blank written as 0") << 3 << 3 << 456 << 120 << "02190654+02745"
                                                 << "11122224555555" << 1;
        QTest::newRow("multiplier 20: one row") << 2 << 2 << 37 << 20 << "047"
                                                << "111" << -1;
        QTest::newRow("one-digit multiplier") << 2 << 1 << 47 << 6 << "282"
                                              << "111" << -1;
    }
    // Row after row, "+" only when there is a sum to draw, and the exercise counts at the last
    // digit of the product (or of the only row).
    void playing() {
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, drawn1);
        QFETCH(int, drawn2);
        QFETCH(QString, keys);
        QFETCH(QString, fases);
        QFETCH(int, zeroColumn);
        Board b(a, m, drawn1, drawn2);
        ActivitatMultiplicar& act = b.act;
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(b.ctx.correctes, 0);
            press(act, keys.at(i));
            QCOMPARE(act.fase(), fases.at(i).digitValue());
            QVERIFY(!act.tornVermell());
            if (act.fase() == 4 || act.completa()) {
                QVERIFY(!act.tornVisible());
            } else {
                QVERIFY(act.tornVisible());
            }
        }
        QCOMPARE(b.ctx.errors, 0);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.esperes, QList<int>{71});
        QVERIFY(act.completa());
        for (int k = 1; k <= act.files(); ++k)
            QCOMPARE(act.revelats(k), act.resposta(k).size());
        const bool sum = act.files() >= 2;
        QCOMPARE(act.linia1Visible(), sum);
        QCOMPARE(act.revelats(ActivitatMultiplicar::kFilaProducte),
                 sum ? act.resposta(ActivitatMultiplicar::kFilaProducte).size() : 0);
        QCOMPARE(act.zeroVisible(), zeroColumn >= 0);
        if (zeroColumn >= 0) {
            QCOMPARE(act.zeroColumna(), zeroColumn);
        }

        // Nothing more is judged until the next exercise.
        press(act, u'1');
        QCOMPARE(b.ctx.errors, 0);
        QCOMPARE(b.ctx.correctes, 1);
    }

    // 456 x 205: the cursor walks left along each row and starts row 2 under its blank column.
    void cursor() {
        Board b(3, 3, 456, 205);
        ActivitatMultiplicar& act = b.act;
        const QList<int> columns = {1, 2, 3, 1, 2, 3, 4};
        const QList<int> revealed = {2, 4, 6, 8, 2, 4, 6};
        QCOMPARE(act.columnaTorn(), 0);
        const QString keys = "0822<21";
        for (int i = 0; i < keys.size(); ++i) {
            press(act, keys.at(i));
            QCOMPARE(act.columnaTorn(), columns.at(i));
            QCOMPARE(act.revelats(i < 4 ? 1 : 2), revealed.at(i));
        }
    }

    void wrongKeys_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QChar>("wrong"); // '<' is the left arrow
        QTest::addColumn<int>("fase");
        QTest::addColumn<bool>("red");
        QTest::newRow("digit in row 1") << "" << QChar(u'7') << 1 << true;
        QTest::newRow("arrow in row 1") << "8" << QChar(u'<') << 1 << true;
        QTest::newRow("plus in row 1") << "86" << QChar(u'+') << 1 << true;
        QTest::newRow("0 where row 2 has a digit") << "8631" << QChar(u'0') << 2 << true;
        QTest::newRow("digit in row 3") << "8631219" << QChar(u'1') << 3 << true;
        QTest::newRow("digit instead of plus") << "8631219654" << QChar(u'5') << 4 << false;
        QTest::newRow("arrow instead of plus") << "8631219654" << QChar(u'<') << 4 << false;
        QTest::newRow("arrow in the product") << "8631219654+8" << QChar(u'<') << 5 << true;
    }
    // 456 x 123: a refused key costs one error and moves nothing; while "+" is awaited the
    // cursor is hidden and stays grey.
    void wrongKeys() {
        QFETCH(QString, before);
        QFETCH(QChar, wrong);
        QFETCH(int, fase);
        QFETCH(bool, red);
        Board b(3, 3, 456, 123);
        ActivitatMultiplicar& act = b.act;
        for (const QChar c : before)
            press(act, c);
        const int columna = act.columna();
        const int revealed = act.revelats(act.filaActual());
        press(act, wrong);
        QCOMPARE(b.ctx.errors, 1);
        QCOMPARE(act.fase(), fase);
        QCOMPARE(act.columna(), columna);
        QCOMPARE(act.revelats(act.filaActual()), revealed);
        QCOMPARE(act.tornVermell(), red);
        QCOMPARE(act.tornVisible(), fase != 4);
        QVERIFY(!act.linia1Visible() || fase == 5);

        act.ajuda();
        QVERIFY(!act.tornVermell());
        QCOMPARE(b.ctx.errors, 1);
        QVERIFY(solve(act, false));
        QCOMPARE(b.ctx.correctes, 1);
    }

    void helpInEveryPhase_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("drawn1");
        QTest::addColumn<int>("drawn2");
        QTest::addColumn<QString>("helped"); // every character help entered
        QTest::newRow("456 x 123") << 3 << 3 << 456 << 123 << "8631219654+88065";
        QTest::newRow("456 x 205: help enters the blank")
            << 3 << 3 << 456 << 205 << "0822 219+08439";
        QTest::newRow("multiplier 20") << 2 << 2 << 37 << 20 << "047";
        QTest::newRow("one-digit multiplier") << 2 << 1 << 47 << 6 << "282";
    }
    void helpInEveryPhase() {
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, drawn1);
        QFETCH(int, drawn2);
        QFETCH(QString, helped);
        Board b(a, m, drawn1, drawn2);
        ActivitatMultiplicar& act = b.act;
        QString entered;
        for (int i = 0; i < 60 && !act.completa(); ++i) {
            if (act.fase() == 4) {
                entered += u'+';
            } else {
                const QString row = act.resposta(act.filaActual());
                entered += row.at(row.size() - act.columna() - 1);
            }
            act.ajuda();
        }
        QCOMPARE(entered, helped);
        QVERIFY(act.completa());
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0); // the series counts the help's error
        QVERIFY(!act.zeroVisible());
    }

    // Once help was asked in the series, every later exercise ends with the reminder.
    void helpReminder() {
        FakeContext ctx;
        Atzar atzar(7);
        ctx.atzarPtr = &atzar;
        ctx.p1 = 3;
        ctx.p2 = 2;
        ActivitatMultiplicar act(ctx);
        act.preparar();
        QVERIFY(solve(act, false));
        act.novaOperacio();
        typeRight(act);
        ctx.ajuda = true; // what the series records when help is asked
        act.ajuda();
        QVERIFY(solve(act, false));
        for (int i = 0; i < 3; ++i) {
            act.novaOperacio();
            QVERIFY(solve(act, false));
        }
        QCOMPARE(ctx.esperes, (QList<int>{71, 68, 68, 68, 68}));
        QCOMPARE(ctx.errors, 0);
    }

    void keyboard_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("teclat");
        QTest::addColumn<bool>("plus");
        QTest::newRow("one-digit multiplier") << 3 << 1 << 0 << false;
        QTest::newRow("two digits") << 3 << 2 << 1 << true;
        QTest::newRow("three digits") << 5 << 3 << 1 << true;
        QTest::newRow("multiplier longer than the multiplicand") << 1 << 3 << 0 << false;
        QTest::newRow("zero digits") << 0 << 0 << 0 << false;
    }
    void keyboard() {
        QFETCH(int, a);
        QFETCH(int, m);
        QFETCH(int, teclat);
        QFETCH(bool, plus);
        FakeContext ctx;
        ctx.p1 = a;
        ctx.p2 = m;
        ActivitatMultiplicar act(ctx);
        act.preparar();
        QCOMPARE(act.teclat(), teclat);
        QCOMPARE(act.accepta(u'+'), plus);
        QCOMPARE(act.teclaExtra(), QStringLiteral("+"));
        QVERIFY(act.accepta(u'0'));
        QVERIFY(act.accepta(u'9'));
        QVERIFY(!act.accepta(u' '));
        QVERIFY(!act.accepta(u'-'));
        QVERIFY(!act.accepta(u'.'));
    }

    void seededExercises_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("m");
        for (int a = 1; a <= 5; ++a)
            for (int m = 1; m <= qMin(a, 3); ++m)
                QTest::addRow("%d by %d digits", a, m) << a << m;
    }
    // Over many seeded exercises: the digit counts, the larger number on top, and partial rows
    // that, placed at their columns, add up to the product.
    void seededExercises() {
        QFETCH(int, a);
        QFETCH(int, m);
        FakeContext ctx;
        ctx.p1 = a;
        ctx.p2 = m;
        ActivitatMultiplicar act(ctx);
        for (uint32_t seed = 1; seed <= 300; ++seed) {
            Atzar atzar(seed);
            ctx.atzarPtr = &atzar;
            act.novaOperacio();
            const int top = act.operand1();
            const int bottom = act.operand2();
            QVERIFY(top >= bottom);
            QCOMPARE(QString::number(top).size(), a);
            QCOMPARE(QString::number(bottom).size(), a == m ? a : m);
            QVERIFY(act.files() >= 1 && act.files() <= m);
            qint64 sum = 0;
            for (int k = 1; k <= act.files(); ++k)
                sum += rowValue(act, k);
            const qint64 product = qint64(top) * bottom;
            QCOMPARE(sum, product);
            QCOMPARE(act.resposta(ActivitatMultiplicar::kFilaProducte).remove(u' '),
                     QString::number(product));
            QVERIFY(solve(act, false));
        }
        QCOMPARE(ctx.correctes, 300);
        QCOMPARE(ctx.errors, 0);
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("digits1");
        QTest::addColumn<int>("digits2");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("zero") << 0 << 0 << 1 << 1;
        QTest::newRow("negative") << -4 << -9 << 1 << 1;
        QTest::newRow("huge") << kMax << kMax << 5 << 3;
        QTest::newRow("int extremes") << kMin << kMax << 1 << 1;
        QTest::newRow("multiplier longer") << 2 << 3 << 2 << 2;
        QTest::newRow("ten digits") << 10 << 10 << 5 << 3;
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, digits1);
        QFETCH(int, digits2);
        FakeContext ctx;
        ctx.p1 = p1;
        ctx.p2 = p2;
        ActivitatMultiplicar act(ctx);
        for (int i = 0; i < 20; ++i) {
            act.novaOperacio();
            QCOMPARE(QString::number(act.operand1()).size(), digits1);
            QVERIFY(QString::number(act.operand2()).size() <= digits2);
            QVERIFY(solve(act, true));
        }
        QCOMPARE(ctx.correctes, 20);
    }
};

QTEST_GUILESS_MAIN(TestActivitatMultiplicar)
#include "tst_ActivitatMultiplicar.moc"
