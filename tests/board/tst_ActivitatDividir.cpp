#include "ActivitatDividir.h"
#include "FakeContext.h"
#include "NivellsPerDefecte.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The whole visible state of the board, to prove that a wrong character moves nothing.
QString estat(const ActivitatDividir& a) {
    QStringList parts;
    parts << QString::number(a.fase()) << QString::number(a.fila()) << QString::number(a.columna())
          << a.quocient() << a.quocientPendent() << QString::number(int(a.tornLinia()))
          << QString::number(a.tornFila()) << QString::number(a.tornColumna())
          << QString::number(a.tornVisible()) << QString::number(a.completa());
    for (int k = 1; k <= a.files(); ++k)
        parts << a.apuntRes(k) << a.apuntDiv(k) << QString::number(a.signeVisible(k));
    return parts.join(QLatin1Char('|'));
}

// "Q2" cursor under the third quotient digit, "P1:3" over column 3 of row 1's product, "R2:4"
// over column 4 of row 2's remainder or difference, "-" hidden; "!" when red.
QString torn(const ActivitatDividir& a) {
    if (!a.tornVisible())
        return QStringLiteral("-");
    QString s;
    switch (a.tornLinia()) {
    case ActivitatDividir::LiniaTorn::Quocient:
        s = QStringLiteral("Q%1").arg(a.tornColumna());
        break;
    case ActivitatDividir::LiniaTorn::Producte:
        s = QStringLiteral("P%1:%2").arg(a.tornFila()).arg(a.tornColumna());
        break;
    case ActivitatDividir::LiniaTorn::Resta:
        s = QStringLiteral("R%1:%2").arg(a.tornFila()).arg(a.tornColumna());
        break;
    }
    return a.tornVermell() ? s + QLatin1Char('!') : s;
}

// Asks for help until the division is complete; returns the characters help entered.
QString completaAmbAjuda(ActivitatDividir& a, FakeContext& ctx) {
    QString entrats;
    const int correctes = ctx.correctes;
    for (int i = 0; i < 100 && ctx.correctes == correctes; ++i) {
        const QChar c = a.caracterAjuda();
        if (c.isNull())
            break;
        entrats += c;
        a.ajuda();
    }
    return entrats;
}

QString senseBlancs(QString s) {
    return s.remove(QLatin1Char(' '));
}

int xifres(int n) {
    return int(QString::number(n).size());
}

// A series that puts the next division on the board from inside RespostaCorrecta, as the real
// one does when the wait option is off.
struct SerieSenseEspera : FakeContext {
    ActivitatDividir* activitat = nullptr;
    void RespostaCorrecta(int missatgeEspera) override {
        FakeContext::RespostaCorrecta(missatgeEspera);
        activitat->novaOperacio();
    }
};

} // namespace

class TestActivitatDividir : public QObject {
    Q_OBJECT
private slots:
    // `results` has one letter per key: A accepted, E error, C division complete.
    void typing_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("quocient");
        QTest::addColumn<QStringList>("apuntRes");
        QTest::addColumn<QStringList>("apuntDiv");

        QTest::newRow("845/9 plain") << false << 845 << 9 << "93538"
                                     << "AAAAC"
                                     << "9 3 " << QStringList{"3 5 ", "8 "} << QStringList{"", ""};
        QTest::newRow("845/12 plain: last quotient 0 completes")
            << false << 845 << 12 << "70050"
            << "AAAAC"
            << "7 0 " << QStringList{"0 0 5 "} << QStringList{""};
        QTest::newRow("8105/4 plain: quotient 0 brings the next digit down")
            << false << 8105 << 4 << "2010022561"
            << "AAAAAAAAAC"
            << "2 0 2 6 " << QStringList{"0 1 0 ", "2 5 ", "1 "} << QStringList{"", "", ""};
        QTest::newRow("845/9 with subtractions")
            << true << 845 << 9 << "918-305372-80"
            << "AAAAAAAAAAAAC"
            << "9 3 " << QStringList{"8 1 ", "2 7 "} << QStringList{"0 3 5 ", "0 8 "};
        QTest::newRow("845/12 with subtractions")
            << true << 845 << 12 << "748-0050"
            << "AAAAAAAC"
            << "7 0 " << QStringList{"8 4 "} << QStringList{"0 0 5 "};
        QTest::newRow("8105/4 with subtractions") << true << 8105 << 4 << "28-010028-25642-10"
                                                  << "AAAAAAAAAAAAAAAAAC"
                                                  << "2 0 2 6 " << QStringList{"8 ", "8 ", "2 4 "}
                                                  << QStringList{"0 1 0 ", "2 5 ", "0 1 "};
        QTest::newRow("minus first costs an error, plain")
            << false << 845 << 9 << "-93538"
            << "EAAAAC"
            << "9 3 " << QStringList{"3 5 ", "8 "} << QStringList{"", ""};
        QTest::newRow("minus first costs an error, with subtractions")
            << true << 845 << 9 << "-918-305372-80"
            << "EAAAAAAAAAAAAC"
            << "9 3 " << QStringList{"8 1 ", "2 7 "} << QStringList{"0 3 5 ", "0 8 "};
        QTest::newRow("minus is always wrong in the plain layout")
            << false << 845 << 9 << "9-3-5-3-8"
            << "AEAEAEAEC"
            << "9 3 " << QStringList{"3 5 ", "8 "} << QStringList{"", ""};
        QTest::newRow("wrong digits are not kept")
            << false << 845 << 9 << "19435738"
            << "EAEAAEAC"
            << "9 3 " << QStringList{"3 5 ", "8 "} << QStringList{"", ""};
        QTest::newRow("digit awaited as minus, minus awaited as digit")
            << true << 845 << 9 << "9-183-305372-80"
            << "AEAAEAAAAAAAAAC"
            << "9 3 " << QStringList{"8 1 ", "2 7 "} << QStringList{"0 3 5 ", "0 8 "};
        QTest::newRow("the product is written right to left")
            << true << 845 << 9 << "981"
            << "AEA"
            << "9 " << QStringList{"1 ", ""} << QStringList{"", ""};
        QTest::newRow("the remainder is written right to left")
            << false << 845 << 12 << "7000"
            << "AAAE"
            << "7 " << QStringList{"0 0 "} << QStringList{""};
        QTest::newRow("the digit brought down is the dividend's next")
            << false << 8105 << 4 << "20010"
            << "AAEAA"
            << "2 0 " << QStringList{"0 1 ", "", ""} << QStringList{"", "", ""};
        QTest::newRow("stopped halfway")
            << false << 8105 << 4 << "20100"
            << "AAAAA"
            << "2 0 " << QStringList{"0 1 0 ", "", ""} << QStringList{"", "", ""};
    }
    void typing() {
        QFETCH(bool, ambResta);
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, keys);
        QFETCH(QString, results);
        QFETCH(QString, quocient);
        QFETCH(QStringList, apuntRes);
        QFETCH(QStringList, apuntDiv);

        FakeContext ctx;
        ctx.resta = ambResta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(dividend, divisor));
        QCOMPARE(a.files(), int(apuntRes.size()));

        QString got;
        for (QChar k : keys) {
            const int errors = ctx.errors;
            const int correctes = ctx.correctes;
            a.caracter(k);
            if (ctx.correctes > correctes)
                got += 'C';
            else if (ctx.errors > errors)
                got += 'E';
            else
                got += 'A';
        }
        QCOMPARE(got, results);
        QCOMPARE(a.quocient(), quocient);
        QStringList res, div;
        for (int k = 1; k <= a.files(); ++k) {
            res << a.apuntRes(k);
            div << a.apuntDiv(k);
            // The minus sign and its line appear once typed, only with subtractions.
            QCOMPARE(a.signeVisible(k), ambResta && !a.apuntDiv(k).isEmpty());
        }
        QCOMPARE(res, apuntRes);
        QCOMPARE(div, apuntDiv);

        const bool complete = results.endsWith('C');
        QCOMPARE(a.completa(), complete);
        QCOMPARE(a.acabadaVisible(), complete);
        QCOMPARE(ctx.correctes, complete ? 1 : 0);
        if (complete) {
            QCOMPARE(senseBlancs(a.quocient()), QString::number(dividend / divisor));
            QVERIFY(a.quocientPendent().isEmpty());
            // Nothing is awaited any more: further keys cost nothing and change nothing.
            const QString abans = estat(a);
            const int errors = ctx.errors;
            for (QChar k : QStringLiteral("0123456789-"))
                a.caracter(k);
            a.ajuda();
            QCOMPARE(estat(a), abans);
            QCOMPARE(ctx.errors, errors);
            QCOMPARE(ctx.correctes, 1);
        }
    }

    // The cursor after the set-up and after each key (see `torn`).
    void cursor_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("positions");

        QTest::newRow("845/9 plain")
            << false << 845 << 9 << "9353" << QStringList{"Q0", "R1:1", "R1:2", "Q1", "R2:2"};
        QTest::newRow("845/12 plain: remainder right to left")
            << false << 845 << 12 << "7005" << QStringList{"Q0", "R1:1", "R1:0", "R1:2", "Q1"};
        QTest::newRow("8105/4 plain: second row under the digits it comes from")
            << false << 8105 << 4 << "201002256"
            << QStringList{"Q0", "R1:0", "R1:1", "Q1", "R1:2", "Q2", "R2:2", "R2:3", "Q3", "R3:3"};
        QTest::newRow("845/9 with subtractions, hidden while the minus is awaited")
            << true << 845 << 9 << "918-305372-8"
            << QStringList{"Q0", "P1:1", "P1:0", "-", "R1:1", "R1:0", "R1:2",
                           "Q1", "P2:2", "P2:1", "-", "R2:2", "R2:1"};
        QTest::newRow("wrong keys turn it red where it stands")
            << false << 845 << 9 << "1943" << QStringList{"Q0", "Q0!", "R1:1", "R1:1!", "R1:2"};
        QTest::newRow("a wrong key while the minus is awaited leaves it hidden")
            << true << 845 << 9 << "9185-" << QStringList{"Q0", "P1:1", "P1:0", "-", "-", "R1:1"};
    }
    void cursor() {
        QFETCH(bool, ambResta);
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, keys);
        QFETCH(QStringList, positions);

        FakeContext ctx;
        ctx.resta = ambResta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(dividend, divisor));
        QStringList got{torn(a)};
        for (QChar k : keys) {
            a.caracter(k);
            got << torn(a);
        }
        QCOMPARE(got, positions);
        QCOMPARE(ctx.correctes, 0);
    }

    // At every step of a whole division every wrong key costs exactly one error and leaves
    // the board as it was; then the right key goes on.
    void wrongKeysMoveNothing_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::newRow("8105/4 plain") << false << 8105 << 4;
        QTest::newRow("8105/4 with subtractions") << true << 8105 << 4;
        QTest::newRow("99999/999 with subtractions") << true << 99999 << 999;
        QTest::newRow("10000/1 plain") << false << 10000 << 1;
    }
    void wrongKeysMoveNothing() {
        QFETCH(bool, ambResta);
        QFETCH(int, dividend);
        QFETCH(int, divisor);

        FakeContext ctx;
        ctx.resta = ambResta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(dividend, divisor));
        QSignalSpy canvis(&a, &ActivitatDividir::canviat);
        int steps = 0;
        while (!a.completa() && steps++ < 100) {
            const QChar right = a.caracterAjuda();
            QVERIFY(!right.isNull());
            const QString abans = estat(a);
            for (QChar k : QStringLiteral("0123456789-")) {
                if (k == right)
                    continue;
                const int errors = ctx.errors;
                a.caracter(k);
                QCOMPARE(ctx.errors, errors + 1);
                QCOMPARE(estat(a), abans);
                QCOMPARE(a.tornVermell(), a.fase() != 4);
            }
            canvis.clear();
            a.caracter(right);
            QVERIFY(!a.tornVermell());
            QVERIFY(!canvis.isEmpty());
        }
        QVERIFY(a.completa());
        QCOMPARE(ctx.correctes, 1);
        QCOMPARE(senseBlancs(a.quocient()), QString::number(dividend / divisor));
    }

    void helpEntersTheRightCharacters_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("chars");
        QTest::newRow("845/9 plain") << false << 845 << 9 << "93538";
        QTest::newRow("845/12 plain") << false << 845 << 12 << "70050";
        QTest::newRow("8105/4 plain") << false << 8105 << 4 << "2010022561";
        QTest::newRow("845/9 with subtractions") << true << 845 << 9 << "918-305372-80";
        QTest::newRow("8105/4 with subtractions") << true << 8105 << 4 << "28-010028-25642-10";
        QTest::newRow("7/7 with subtractions") << true << 7 << 7 << "17-0";
    }
    void helpEntersTheRightCharacters() {
        QFETCH(bool, ambResta);
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, chars);

        FakeContext ctx;
        ctx.resta = ambResta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(dividend, divisor));
        QCOMPARE(completaAmbAjuda(a, ctx), chars);
        // The series counts help's error; the characters help enters are all right.
        QCOMPARE(ctx.errors, 0);
        QCOMPARE(ctx.correctes, 1);
        QVERIFY(a.completa());
        QVERIFY(a.caracterAjuda().isNull());
    }

    // Operands drawn with the series' random source: Int((hi - lo + 1) * r + lo).
    void generation_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("operand1");
        QTest::addColumn<int>("operand2");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("845 and 9") << 3 << 1 << 845 << 9 << "8 4 5 "
                                   << "9 ";
        QTest::newRow("divisor drawn larger is swapped") << 2 << 2 << 34 << 78 << "7 8 "
                                                         << "3 4 ";
        QTest::newRow("equal operands") << 2 << 2 << 56 << 56 << "5 6 "
                                        << "5 6 ";
        QTest::newRow("five and three digits") << 5 << 3 << 12345 << 678 << "1 2 3 4 5 "
                                               << "6 7 8 ";
        QTest::newRow("smallest") << 5 << 3 << 10000 << 100 << "1 0 0 0 0 "
                                  << "1 0 0 ";
        QTest::newRow("largest") << 5 << 3 << 99999 << 999 << "9 9 9 9 9 "
                                 << "9 9 9 ";
        QTest::newRow("one digit each") << 1 << 1 << 3 << 7 << "7 "
                                        << "3 ";
    }
    void generation() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, operand1);
        QFETCH(int, operand2);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);

        auto rFor = [](int value, int digits) {
            const int lo = digits == 1 ? 1 : int(std::pow(10, digits - 1));
            const int hi = int(std::pow(10, digits)) - 1;
            return float((value - lo + 0.5) / (hi - lo + 1));
        };
        for (bool ambResta : {false, true}) {
            ScriptedAtzar atzar({rFor(operand1, p1), rFor(operand2, p2)});
            FakeContext ctx;
            ctx.atzarPtr = &atzar;
            ctx.p1 = p1;
            ctx.p2 = p2;
            ctx.resta = ambResta;
            ActivitatDividir a(ctx);
            QSignalSpy canvis(&a, &ActivitatDividir::canviat);
            a.preparar();
            QVERIFY(!canvis.isEmpty());
            QCOMPARE(a.dividendText(), dividend);
            QCOMPARE(a.divisorText(), divisor);
            QCOMPARE(a.quocientPendent(),
                     QString::number(senseBlancs(dividend).toInt() / senseBlancs(divisor).toInt()));
            QVERIFY(a.quocient().isEmpty());
            QCOMPARE(a.fase(), 0);
            QCOMPARE(a.fila(), ambResta ? 1 : 0);
            QCOMPARE(torn(a), QString("Q0"));
            QVERIFY(!a.acabadaVisible());
            for (int k = 1; k <= a.files(); ++k) {
                QVERIFY(a.apuntRes(k).isEmpty());
                QVERIFY(a.apuntDiv(k).isEmpty());
                QVERIFY(!a.signeVisible(k));
                QCOMPARE(a.ddPar(k).isEmpty(), !ambResta);
            }
        }
    }

    void nextDivisionStartsClean() {
        FakeContext ctx;
        ctx.resta = true;
        ctx.p1 = 4;
        ctx.p2 = 2;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(8105, 4));
        completaAmbAjuda(a, ctx);
        QVERIFY(a.completa());
        a.novaOperacio();
        QVERIFY(!a.completa());
        QVERIFY(a.quocient().isEmpty());
        QCOMPARE(a.fila(), 1);
        QCOMPARE(xifres(a.divisio().dividend), 4);
        QCOMPARE(xifres(a.divisio().divisor), 2);
        for (int k = 1; k <= DivisioLlarga::kMaxFiles; ++k) {
            QVERIFY(a.apuntRes(k).isEmpty());
            QVERIFY(a.apuntDiv(k).isEmpty());
            QVERIFY(!a.signeVisible(k));
        }
    }

    // With the wait option off the series puts the next division on the board from inside
    // RespostaCorrecta; that division must not be touched by the one just finished.
    void nextDivisionFromInsideTheReport() {
        SerieSenseEspera ctx;
        ctx.p1 = 3;
        ctx.p2 = 1;
        ActivitatDividir a(ctx);
        ctx.activitat = &a;
        a.preparar();
        QVERIFY(a.posaOperacio(845, 9));
        const QString typed = completaAmbAjuda(a, ctx);
        QCOMPARE(typed, QString("93538"));
        QCOMPARE(ctx.correctes, 1);
        QVERIFY(!a.completa());
        QVERIFY(a.quocient().isEmpty());
        QCOMPARE(a.quocientPendent(), QString::number(a.divisio().dividend / a.divisio().divisor));
        QCOMPARE(torn(a), QString("Q0"));
    }

    void refusedOperands_data() {
        QTest::addColumn<int>("operand1");
        QTest::addColumn<int>("operand2");
        QTest::newRow("zero divisor") << 5 << 0;
        QTest::newRow("zero divisor, swapped") << 0 << 5;
        QTest::newRow("negative") << -845 << 9;
        QTest::newRow("six digits") << 100000 << 9;
        QTest::newRow("largest int") << INT_MAX << 1;
    }
    void refusedOperands() {
        QFETCH(int, operand1);
        QFETCH(int, operand2);
        FakeContext ctx;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(845, 9));
        a.caracter('9');
        const QString abans = estat(a);
        QVERIFY(!a.posaOperacio(operand1, operand2));
        QCOMPARE(estat(a), abans);
        QCOMPARE(a.divisio().dividend, 845);
    }

    void keyboard_data() {
        QTest::addColumn<bool>("ambResta");
        QTest::addColumn<int>("teclat");
        QTest::addColumn<QString>("extra");
        QTest::newRow("plain") << false << 0 << ".";
        QTest::newRow("with subtractions") << true << 1 << "-";
    }
    void keyboard() {
        QFETCH(bool, ambResta);
        QFETCH(int, teclat);
        QFETCH(QString, extra);
        FakeContext ctx;
        ctx.resta = ambResta;
        ActivitatDividir a(ctx);
        a.preparar();
        QCOMPARE(a.ambResta(), ambResta);
        QCOMPARE(a.teclat(), teclat);
        QCOMPARE(a.teclaExtra(), extra);
        for (QChar c : QStringLiteral("0123456789-"))
            QVERIFY(a.accepta(c));
        for (QChar c : QStringLiteral("+. A/:"))
            QVERIFY(!a.accepta(c));
        // The layout belongs to the board's opening, not to later changes of the option.
        ctx.resta = !ambResta;
        a.novaOperacio();
        QCOMPARE(a.ambResta(), ambResta);
        QCOMPARE(a.teclat(), teclat);
    }

    // Parameters outside the editor's ranges still give divisions that fit the five rows.
    void hostileParameters_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<int>("maxDividend");
        QTest::addColumn<int>("maxDivisor");
        QTest::newRow("zeros") << 0 << 0 << 9 << 9;
        QTest::newRow("negative") << -5 << -1 << 9 << 9;
        QTest::newRow("nine digits") << 9 << 9 << 5 << 3;
        QTest::newRow("divisor longer than dividend") << 1 << 3 << 1 << 1;
        QTest::newRow("extremes") << INT_MAX << INT_MIN << 5 << 1;
        QTest::newRow("extremes reversed") << INT_MIN << INT_MAX << 1 << 1;
    }
    void hostileParameters() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(int, maxDividend);
        QFETCH(int, maxDivisor);
        for (bool ambResta : {false, true}) {
            FakeContext ctx;
            ctx.p1 = p1;
            ctx.p2 = p2;
            ctx.resta = ambResta;
            ActivitatDividir a(ctx);
            a.preparar();
            for (int i = 0; i < 50; ++i) {
                if (i > 0)
                    a.novaOperacio();
                QVERIFY(a.divisio().valida());
                QVERIFY(xifres(a.divisio().dividend) <= maxDividend);
                QVERIFY(xifres(a.divisio().divisor) <= maxDivisor);
                QVERIFY(a.files() <= DivisioLlarga::kMaxFiles);
                completaAmbAjuda(a, ctx);
                QVERIFY(a.completa());
            }
            QCOMPARE(ctx.errors, 0);
            QCOMPARE(ctx.correctes, 50);
        }
    }

    // Every level a teacher can set, and every default level: typing the help characters one
    // after another always completes the division with the right quotient in five rows or less.
    void helpAlwaysCompletes_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        for (int a = 1; a <= 5; ++a)
            for (int b = 1; b <= std::min(a, 3); ++b)
                QTest::addRow("dividend %d, divisor %d", a, b) << a << b;
        for (int n = 1; n <= 10; ++n) {
            const DadesNivell d = NivellsPerDefecte::nivell(9, n);
            QTest::addRow("default level %d", n) << int(d.Parametre1) << int(d.Parametre2);
        }
    }
    void helpAlwaysCompletes() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        for (bool ambResta : {false, true}) {
            for (uint32_t seed = 1; seed <= 20; ++seed) {
                FakeContext ctx;
                Atzar atzar(seed * 7919u);
                ctx.atzarPtr = &atzar;
                ctx.p1 = p1;
                ctx.p2 = p2;
                ctx.resta = ambResta;
                ActivitatDividir a(ctx);
                a.preparar();
                for (int i = 0; i < 25; ++i) {
                    if (i > 0)
                        a.novaOperacio();
                    const int dividend = a.divisio().dividend;
                    const int divisor = a.divisio().divisor;
                    QCOMPARE(xifres(dividend), p1);
                    QCOMPARE(xifres(divisor), p2);
                    QVERIFY(divisor <= dividend);
                    QVERIFY(a.files() >= 1);
                    QVERIFY(a.files() <= DivisioLlarga::kMaxFiles);
                    const QString typed = completaAmbAjuda(a, ctx);
                    QVERIFY2(a.completa(), qPrintable(QStringLiteral("%1/%2 stopped after %3")
                                                          .arg(dividend)
                                                          .arg(divisor)
                                                          .arg(typed)));
                    QCOMPARE(senseBlancs(a.quocient()), QString::number(dividend / divisor));
                    QCOMPARE(typed.count(QLatin1Char('-')), ambResta ? a.files() : 0);
                    for (int k = 1; k <= a.files(); ++k) {
                        QCOMPARE(ambResta ? a.apuntDiv(k) : a.apuntRes(k), a.resPar(k));
                        if (ambResta)
                            QCOMPARE(a.apuntRes(k), a.ddPar(k));
                    }
                }
                QCOMPARE(ctx.correctes, 25);
                QCOMPARE(ctx.errors, 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestActivitatDividir)
#include "tst_ActivitatDividir.moc"
