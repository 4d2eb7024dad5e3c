#include "ActivitatSumRes.h"

#include "FakeContext.h"

#include <QTest>
#include <limits>

namespace {

// The r that makes Atzar::entre(lo, hi) draw v.
float rFor(int v, int lo, int hi) {
    return (float(v - lo) + 0.5f) / float(hi - lo + 1);
}

// Draws that make the generator (with carrying allowed) write `top` over `bottom`: two per
// column, from the units.
QList<float> drawsFor(const QString& top, const QString& bottom) {
    QList<float> rs;
    const int n = int(top.size());
    for (int i = 0; i < n; ++i) {
        const int lo = i == n - 1 && n > 1 ? 1 : 0;
        rs << rFor(top.at(n - 1 - i).digitValue(), lo, 9)
           << rFor(bottom.at(n - 1 - i).digitValue(), lo, 9);
    }
    return rs;
}

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatSumRes act;
    Board(ActivitatSumRes::Operacio op, int n, int portant, QList<float> rs)
        : scripted(std::move(rs)), act(ctx, op) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = n;
        ctx.p2 = portant;
        act.preparar();
    }
};

// Help until the exercise is complete; a stuck exercise fails instead of looping.
bool solveWithHelp(ActivitatSumRes& act) {
    for (int i = 0; i < 10 && !act.completa(); ++i)
        act.ajuda();
    return act.completa();
}

} // namespace

class TestActivitatSumRes : public QObject {
    Q_OBJECT
private slots:
    void exercises_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("drawnTop");
        QTest::addColumn<QString>("drawnBottom");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<int>("resultat");
        QTest::addColumn<QString>("answer"); // as written on the board
        const int suma = ActivitatSumRes::Suma;
        const int resta = ActivitatSumRes::Resta;
        QTest::newRow("75 + 48, a carry out") << suma << "75"
                                              << "48"
                                              << "75"
                                              << "48" << 123 << "123";
        QTest::newRow("52 - 48 keeps its zero") << resta << "52"
                                                << "48"
                                                << "52"
                                                << "48" << 4 << "04";
        QTest::newRow("35 - 78 is swapped") << resta << "35"
                                            << "78"
                                            << "78"
                                            << "35" << 43 << "43";
        QTest::newRow("equal operands") << resta << "123"
                                        << "123"
                                        << "123"
                                        << "123" << 0 << "000";
        QTest::newRow("one digit 0 + 0") << suma << "0"
                                         << "0"
                                         << "0"
                                         << "0" << 0 << "0";
        QTest::newRow("one digit 3 - 7 swapped") << resta << "3"
                                                 << "7"
                                                 << "7"
                                                 << "3" << 4 << "4";
        QTest::newRow("largest sum") << suma << "99999"
                                     << "99999"
                                     << "99999"
                                     << "99999" << 199998 << "199998";
        QTest::newRow("10000 - 99999 swapped") << resta << "10000"
                                               << "99999"
                                               << "99999"
                                               << "10000" << 89999 << "89999";
        QTest::newRow("no carry out") << suma << "1203"
                                      << "4516"
                                      << "1203"
                                      << "4516" << 5719 << "5719";
    }

    // The pupil writes the answer from the units: one cell per column, each created when the
    // previous one is right, and the exercise counts when the last one is.
    void exercises() {
        QFETCH(int, op);
        QFETCH(QString, drawnTop);
        QFETCH(QString, drawnBottom);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(int, resultat);
        QFETCH(QString, answer);
        const int n = int(top.size());
        Board b(ActivitatSumRes::Operacio(op), n, 1, drawsFor(drawnTop, drawnBottom));
        ActivitatSumRes& act = b.act;

        QCOMPARE(act.operand1(), top);
        QCOMPARE(act.operand2(), bottom);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(act.digit1(i), top.at(n - 1 - i).digitValue());
            QCOMPARE(act.digit2(i), bottom.at(n - 1 - i).digitValue());
        }
        QCOMPARE(act.resultat(), resultat);
        QCOMPARE(act.esperat(), answer);
        QCOMPARE(act.nombreCelles(), 1);
        QCOMPARE(act.estatCella(0), ActivitatSumRes::Esperant);

        const int l = int(answer.size());
        for (int k = 0; k < l; ++k) {
            QCOMPARE(b.ctx.correctes, 0);
            act.caracter(answer.at(l - 1 - k));
            QCOMPARE(act.columna(), k + 1);
            QCOMPARE(act.estatCella(k), ActivitatSumRes::Correcta);
            QCOMPARE(act.digitCella(k), answer.at(l - 1 - k));
            if (k + 1 < l) {
                QCOMPARE(act.nombreCelles(), k + 2);
                QCOMPARE(act.estatCella(k + 1), ActivitatSumRes::Esperant);
            }
        }
        QCOMPARE(act.nombreCelles(), l);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0);
        QCOMPARE(b.ctx.esperes, QList<int>{71});
        QVERIFY(act.completa());

        // A finished exercise takes no more input until the next one.
        act.caracter(u'1');
        QCOMPARE(b.ctx.errors, 0);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(act.nombreCelles(), l);

        act.novaOperacio();
        QVERIFY(!act.completa());
        QCOMPARE(act.columna(), 0);
        QCOMPARE(act.nombreCelles(), 1);
        QCOMPARE(act.estatCella(0), ActivitatSumRes::Esperant);
    }

    void help_data() { exercises_data(); }
    // Help writes the right digit of the current column each time, leading zeros included.
    void help() {
        QFETCH(int, op);
        QFETCH(QString, drawnTop);
        QFETCH(QString, drawnBottom);
        QFETCH(QString, answer);
        Board b(ActivitatSumRes::Operacio(op), int(drawnTop.size()), 1,
                drawsFor(drawnTop, drawnBottom));
        QVERIFY(solveWithHelp(b.act));
        QString written;
        for (int i = b.act.nombreCelles() - 1; i >= 0; --i)
            written += b.act.digitCella(i);
        QCOMPARE(written, answer);
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.ctx.errors, 0); // the series counts the help's error, not the activity
    }

    void wrongDigit_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QChar>("wrong");
        QTest::newRow("units") << 0 << QChar(u'4');
        QTest::newRow("tens") << 1 << QChar(u'0');
        QTest::newRow("carry digit") << 2 << QChar(u'9');
    }
    // 75 + 48: a wrong digit leaves its column waiting in red and costs one error; the right
    // digit there then moves on.
    void wrongDigit() {
        QFETCH(int, column);
        QFETCH(QChar, wrong);
        Board b(ActivitatSumRes::Suma, 2, 1, drawsFor("75", "48"));
        const QString reversed = "321";
        for (int i = 0; i < column; ++i)
            b.act.caracter(reversed.at(i));
        b.act.caracter(wrong);
        QCOMPARE(b.ctx.errors, 1);
        QCOMPARE(b.act.columna(), column);
        QCOMPARE(b.act.nombreCelles(), column + 1);
        QCOMPARE(b.act.estatCella(column), ActivitatSumRes::Erronia);
        QVERIFY(b.act.digitCella(column).isNull());

        b.act.caracter(wrong);
        QCOMPARE(b.ctx.errors, 2);
        b.act.caracter(reversed.at(column));
        QCOMPARE(b.act.estatCella(column), ActivitatSumRes::Correcta);
        QCOMPARE(b.act.digitCella(column), reversed.at(column));
        QCOMPARE(b.act.columna(), column + 1);
        QCOMPARE(b.ctx.errors, 2);
    }

    void withoutCarrying_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<float>>("rs");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        const int suma = ActivitatSumRes::Suma;
        const int resta = ActivitatSumRes::Resta;
        QTest::newRow("9 + 0") << suma << 1 << QList<float>{0.95f, 0.99f} << "9"
                               << "0";
        QTest::newRow("3 + at most 6") << suma << 1 << QList<float>{0.35f, 0.99f} << "3"
                                       << "6";
        QTest::newRow("0 + at most 9") << suma << 1 << QList<float>{0.0f, 0.99f} << "0"
                                       << "9";
        QTest::newRow("3 - at most 3") << resta << 1 << QList<float>{0.35f, 0.99f} << "3"
                                       << "3";
        QTest::newRow("0 - 0") << resta << 1 << QList<float>{0.0f, 0.99f} << "0"
                               << "0";
        QTest::newRow("tens 9 becomes 8, bottom tens 1 (low r)")
            << suma << 2 << QList<float>{0.1f, 0.1f, 0.99f, 0.0f} << "81"
            << "10";
        QTest::newRow("tens 9 becomes 8, bottom tens 1 (high r)")
            << suma << 2 << QList<float>{0.1f, 0.99f, 0.99f, 0.99f} << "81"
            << "18";
        QTest::newRow("difference: tens 9 becomes 8")
            << resta << 2 << QList<float>{0.1f, 0.99f, 0.99f, 0.99f} << "81"
            << "81";
        QTest::newRow("difference: bottom tens from 1")
            << resta << 2 << QList<float>{0.55f, 0.0f, 0.5f, 0.0f} << "55"
            << "10";
    }
    void withoutCarrying() {
        QFETCH(int, op);
        QFETCH(int, n);
        QFETCH(QList<float>, rs);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        Board b(ActivitatSumRes::Operacio(op), n, 0, rs);
        QCOMPARE(b.act.operand1(), top);
        QCOMPARE(b.act.operand2(), bottom);
    }

    void seededDraws_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("portant");
        for (int op : {ActivitatSumRes::Suma, ActivitatSumRes::Resta})
            for (int n = 1; n <= 5; ++n)
                for (bool portant : {false, true})
                    QTest::addRow("%s n=%d %s", op == ActivitatSumRes::Suma ? "sum" : "difference",
                                  n, portant ? "carrying" : "plain")
                        << op << n << portant;
    }
    // Over many seeded exercises: the digit counts, no leading zero, the carrying rule, and an
    // answer that really is the sum or the difference.
    void seededDraws() {
        QFETCH(int, op);
        QFETCH(int, n);
        QFETCH(bool, portant);
        const bool suma = op == ActivitatSumRes::Suma;
        FakeContext ctx;
        ctx.p1 = n;
        ctx.p2 = portant ? 1 : 0;
        ActivitatSumRes act(ctx, ActivitatSumRes::Operacio(op));
        bool carried = false;
        bool leadingNine = false;
        for (uint32_t seed = 1; seed <= 300; ++seed) {
            Atzar atzar(seed);
            ctx.atzarPtr = &atzar;
            act.novaOperacio();
            const QString top = act.operand1();
            const QString bottom = act.operand2();
            QCOMPARE(act.xifres(), n);
            QCOMPARE(top.size(), n);
            QCOMPARE(bottom.size(), n);
            if (n >= 2) {
                QVERIFY2(top.at(0) != u'0' && bottom.at(0) != u'0', qPrintable(top + " " + bottom));
            }
            for (int i = 0; i < n; ++i) {
                const int d1 = act.digit1(i);
                const int d2 = act.digit2(i);
                QCOMPARE(top.at(n - 1 - i).digitValue(), d1);
                QCOMPARE(bottom.at(n - 1 - i).digitValue(), d2);
                const bool needs = suma ? d1 + d2 > 9 : d1 < d2;
                if (!portant) {
                    QVERIFY2(!needs, qPrintable(top + " " + bottom));
                }
                carried = carried || needs;
            }
            leadingNine = leadingNine || top.at(0) == u'9';
            const int a = top.toInt();
            const int c = bottom.toInt();
            QVERIFY(suma || a >= c);
            QCOMPARE(act.resultat(), suma ? a + c : a - c);
            if (suma) {
                QCOMPARE(act.esperat(), QString::number(a + c));
            } else {
                QCOMPARE(act.esperat().size(), n);
                QCOMPARE(act.esperat().toInt(), a - c);
            }
        }
        // Carrying allowed really lets it happen (a one-digit difference is always swapped
        // clear of borrowing).
        if (portant && (suma || n >= 2)) {
            QVERIFY(carried);
        }
        // Without carrying a leading 9 of two or more digits is drawn down to 8.
        QCOMPARE(leadingNine, portant || n == 1);
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("xifres");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        QTest::newRow("zero digits") << 0 << 0 << 1;
        QTest::newRow("negative digits") << -3 << -1 << 1;
        QTest::newRow("smallest int") << kMin << kMin << 1;
        QTest::newRow("largest int") << kMax << kMax << 5;
        QTest::newRow("six digits") << 6 << 2 << 5;
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, xifres);
        for (int op : {ActivitatSumRes::Suma, ActivitatSumRes::Resta}) {
            FakeContext ctx;
            ctx.p1 = p1;
            ctx.p2 = p2;
            ActivitatSumRes act(ctx, ActivitatSumRes::Operacio(op));
            act.preparar();
            QCOMPARE(act.xifres(), xifres);
            QCOMPARE(act.operand1().size(), xifres);
            QVERIFY(solveWithHelp(act));
            QCOMPARE(ctx.correctes, 1);
        }
    }

    void keys_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0") << QChar(u'0') << true;
        QTest::newRow("9") << QChar(u'9') << true;
        QTest::newRow("point") << QChar(u'.') << false;
        QTest::newRow("plus") << QChar(u'+') << false;
        QTest::newRow("minus") << QChar(u'-') << false;
        QTest::newRow("blank") << QChar(u' ') << false;
        QTest::newRow("letter") << QChar(u'A') << false;
        QTest::newRow("arabic-indic digit") << QChar(0x0663) << false;
    }
    void keys() {
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        FakeContext ctx;
        ActivitatSumRes act(ctx, ActivitatSumRes::Suma);
        act.preparar();
        QCOMPARE(act.accepta(key), accepted);
        QCOMPARE(act.teclat(), 0);
    }

    void sign() {
        FakeContext ctx;
        QCOMPARE(ActivitatSumRes(ctx, ActivitatSumRes::Suma).signe(), QStringLiteral("+"));
        QCOMPARE(ActivitatSumRes(ctx, ActivitatSumRes::Resta).signe(), QStringLiteral("-"));
    }
};

QTEST_GUILESS_MAIN(TestActivitatSumRes)
#include "tst_ActivitatSumRes.moc"
