#include "ActivitatDividir.h"
#include "FakeContext.h"
#include "NivellsPerDefecte.h"
#include "Taula.h"

#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <random>

namespace {

QString senseBlancs(QString s) {
    return s.remove(u' ');
}

int xifres(int n) {
    return int(QString::number(n).size());
}

// The cursor: "Q2" under the third quotient digit, "P1:3" over column 3 of row 1's product,
// "R2:4" over column 4 of row 2's remainder or difference, "-" hidden; "!" when red.
QString torn(const ActivitatDividir& a) {
    if (!a.tornVisible())
        return QStringLiteral("-");
    const QString s =
        a.tornLinia() == ActivitatDividir::LiniaTorn::Quocient
            ? QStringLiteral("Q%1").arg(a.tornColumna())
            : QStringLiteral("%1%2:%3")
                  .arg(QChar(a.tornLinia() == ActivitatDividir::LiniaTorn::Producte ? u'P' : u'R'))
                  .arg(a.tornFila())
                  .arg(a.tornColumna());
    return a.tornVermell() ? s + u'!' : s;
}

// The panel as written: the quotient, each row's product line and remainder (or difference) line
// as "product/difference" ("-" before a shown minus sign), then the cursor, or C once complete.
QString quadre(const ActivitatDividir& a) {
    QString s = senseBlancs(a.quocient());
    for (int k = 1; k <= a.files(); ++k)
        s += QStringLiteral(" %1%2/%3")
                 .arg(a.signeVisible(k) ? "-" : "", senseBlancs(a.apuntRes(k)),
                      senseBlancs(a.apuntDiv(k)));
    return s + u' ' + (a.completa() ? QStringLiteral("C") : torn(a));
}

// Asks for help until the division is reported right or `maxim` characters are in; returns them.
QString ajudaFins(ActivitatDividir& a, const FakeContext& ctx, int maxim = 100) {
    QString entrats;
    for (const int correctes = ctx.correctes;
         ctx.correctes == correctes && entrats.size() < maxim;) {
        const QChar c = a.caracterAjuda();
        if (c.isNull())
            break;
        entrats += c;
        a.ajuda();
    }
    return entrats;
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

// Keys typed on a division: per key A accepted, E an error, C the division complete; then the
// panel.
struct Tecleig {
    const char* nom;
    bool resta;
    int dividend, divisor;
    const char *tecles, *resultats, *quadre;
};

const Tecleig kTeclejos[] = {
    {"845/9 plain", false, 845, 9, "93538", "AAAAC", "93 35/ 8/ C"},
    {"845/12 plain: a last quotient 0 completes", false, 845, 12, "70050", "AAAAC", "70 005/ C"},
    {"8105/4 plain: a quotient 0 brings the next digit down", false, 8105, 4, "2010022561",
     "AAAAAAAAAC", "2026 010/ 25/ 1/ C"},
    {"845/9 with subtractions", true, 845, 9, "918-305372-80", "AAAAAAAAAAAAC",
     "93 -81/035 -27/08 C"},
    {"845/12 with subtractions", true, 845, 12, "748-0050", "AAAAAAAC", "70 -84/005 C"},
    {"8105/4 with subtractions", true, 8105, 4, "28-010028-25642-10", "AAAAAAAAAAAAAAAAAC",
     "2026 -8/010 -8/25 -24/01 C"},
    {"7/7 with subtractions", true, 7, 7, "17-0", "AAAC", "1 -7/0 C"},
    {"the product is written right to left", true, 845, 9, "981", "AEA", "9 1/ / P1:0"},
    {"the remainder too", false, 845, 12, "7000", "AAAE", "7 00/ R1:2!"},
    {"the digit brought down is the dividend's next", false, 8105, 4, "20010", "AAEAA",
     "20 01/ / / R1:2"},
    {"stopped halfway", false, 8105, 4, "20100", "AAAAA", "20 010/ / / Q2"},
};

// The cursor at the set-up and after each key.
struct Cursor {
    const char* nom;
    bool resta;
    int dividend, divisor;
    const char *tecles, *posicions;
};

const Cursor kCursors[] = {
    {"845/9 plain", false, 845, 9, "9353", "Q0 R1:1 R1:2 Q1 R2:2"},
    {"845/12 plain: the remainder right to left", false, 845, 12, "7005", "Q0 R1:1 R1:0 R1:2 Q1"},
    {"8105/4 plain: each row under the digits it comes from", false, 8105, 4, "201002256",
     "Q0 R1:0 R1:1 Q1 R1:2 Q2 R2:2 R2:3 Q3 R3:3"},
    {"845/9 with subtractions: hidden while the minus is awaited", true, 845, 9, "918-305372-8",
     "Q0 P1:1 P1:0 - R1:1 R1:0 R1:2 Q1 P2:2 P2:1 - R2:2 R2:1"},
    {"wrong keys turn it red where it stands", false, 845, 9, "1943", "Q0 Q0! R1:1 R1:1! R1:2"},
    {"a wrong key while the minus is awaited leaves it hidden", true, 845, 9, "9185-",
     "Q0 P1:1 P1:0 - - R1:1"},
};

// The rows of a long division: quotient, first partial dividend and the end mark's column, then
// each row as "remainder or difference with the digits brought down / product @ first column".
struct Divisio {
    const char* nom;
    int dividend, divisor;
    bool resta;
    const char* files;
};

const Divisio kDivisions[] = {
    {"845/9 plain: a one-digit remainder under the 4", 845, 9, false, "93 84 1: 35/@1 8/@2"},
    {"8105/4 plain: a quotient 0 brings a second digit down", 8105, 4, false,
     "2026 8 2: 010/@0 25/@2 1/@3"},
    {"1095/5 with subtractions: products of changing width", 1095, 5, true,
     "219 10 2: 009/10@0 45/5@2 00/45@2"},
    {"7/7", 7, 7, false, "1 7 -1: 0/@0"},
    {"99999/1 fills the five rows", 99999, 1, false, "99999 9 3: 09/@0 09/@1 09/@2 09/@3 0/@4"},
    {"10000/1: four quotient zeros on one row", 10000, 1, false, "10000 1 3: 00000/@0"},
    {"99999/999 with subtractions", 99999, 999, true, "100 999 3: 00099/999@0"},
    {"1000/999: a product shorter than the partial", 1000, 999, true, "1 1000 2: 001/999@1"},
    {"9999/99 plain: remainder 00, then two digits down", 9999, 99, false,
     "101 99 2: 0099/@0 00/@2"},
};

} // namespace

class TestDividir : public QObject {
    Q_OBJECT
private slots:
    void tecleig_data() { files(kTeclejos); }
    void tecleig() {
        const Tecleig& t = fila(kTeclejos);
        FakeContext ctx;
        ctx.resta = t.resta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(t.dividend, t.divisor));
        QString resultats;
        for (const QChar k : QString::fromLatin1(t.tecles)) {
            const int errors = ctx.errors;
            a.caracter(k);
            resultats += ctx.correctes ? u'C' : ctx.errors > errors ? u'E' : u'A';
        }
        QCOMPARE(resultats, QString::fromLatin1(t.resultats));
        QCOMPARE(quadre(a), QString::fromLatin1(t.quadre));
        QCOMPARE(a.acabadaVisible(), a.completa());
        if (a.completa()) {
            // Nothing is awaited any more: keys and help cost nothing and change nothing.
            QVERIFY(a.quocientPendent().isEmpty());
            const int errors = ctx.errors;
            for (const QChar k : QStringLiteral("0123456789-"))
                a.caracter(k);
            a.ajuda();
            QCOMPARE(quadre(a), QString::fromLatin1(t.quadre));
            QCOMPARE(ctx.errors + ctx.correctes, errors + 1);
        }
        if (!resultats.contains(u'E')) { // help enters the very same characters
            ActivitatDividir b(ctx);
            b.preparar();
            QVERIFY(b.posaOperacio(t.dividend, t.divisor));
            QCOMPARE(ajudaFins(b, ctx, int(resultats.size())), QString::fromLatin1(t.tecles));
        }
    }

    void cursor_data() { files(kCursors); }
    void cursor() {
        const Cursor& c = fila(kCursors);
        FakeContext ctx;
        ctx.resta = c.resta;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(c.dividend, c.divisor));
        QStringList posicions{torn(a)};
        for (const QChar k : QString::fromLatin1(c.tecles)) {
            a.caracter(k);
            posicions << torn(a);
        }
        QCOMPARE(posicions.join(u' '), QString::fromLatin1(c.posicions));
    }

    // The operands span every number of their digits, the smallest and the largest, and the
    // panel is drawn at once.
    void generacio() {
        for (const auto& [r, textos] :
             {std::pair{0.0f, "1 0 0 0 0 |1 0 0 "}, std::pair{0.99999994f, "9 9 9 9 9 |9 9 9 "}}) {
            ScriptedAtzar atzar({r});
            FakeContext ctx;
            ctx.atzarPtr = &atzar, ctx.p1 = 5, ctx.p2 = 3;
            ActivitatDividir a(ctx);
            QSignalSpy canvis(&a, &ActivitatDividir::canviat);
            a.preparar();
            QVERIFY(!canvis.isEmpty());
            QCOMPARE(a.dividendText() + u'|' + a.divisorText(), QString::fromLatin1(textos));
            QCOMPARE(quadre(a), QString(QStringLiteral(" /")).repeated(a.files()) + " Q0");
        }
    }

    // With the wait option off the series puts the next division on the board from inside
    // RespostaCorrecta: it starts clean, untouched by the one just finished.
    void seguent() {
        SerieSenseEspera ctx;
        ctx.resta = true, ctx.p1 = 4, ctx.p2 = 2;
        ActivitatDividir a(ctx);
        ctx.activitat = &a;
        a.preparar();
        QVERIFY(a.posaOperacio(8105, 4));
        QCOMPARE(ajudaFins(a, ctx), QStringLiteral("28-010028-25642-10"));
        QCOMPARE(ctx.correctes, 1);
        QCOMPARE(quadre(a), QString(QStringLiteral(" /")).repeated(a.files()) + " Q0");
        QCOMPARE(a.quocientPendent(), QString::number(a.divisio().dividend / a.divisio().divisor));
        QCOMPARE(QList<int>({a.fila(), xifres(a.divisio().dividend), xifres(a.divisio().divisor)}),
                 QList<int>({1, 4, 2}));
        for (int k = 1; k <= DivisioLlarga::kMaxFiles; ++k)
            QVERIFY(a.apuntRes(k).isEmpty() && a.apuntDiv(k).isEmpty() && !a.signeVisible(k));
    }

    // Operands outside 1 <= divisor <= dividend <= 99999 make no division; the board keeps its own.
    void refusades() {
        FakeContext ctx;
        ActivitatDividir a(ctx);
        a.preparar();
        QVERIFY(a.posaOperacio(845, 9));
        a.caracter('9');
        const std::pair<int, int> kCasos[] = {{5, 0},    {0, 5},      {0, 0},
                                              {-845, 9}, {100000, 9}, {INT_MAX, 1}};
        for (const auto& [x, y] : kCasos) {
            QVERIFY(!a.posaOperacio(x, y));
            QCOMPARE(quadre(a), QStringLiteral("9 / / R1:1"));
            for (const bool resta : {false, true}) {
                const DivisioLlarga d = DivisioLlarga::construeix(x, y, resta);
                QVERIFY(!d.valida() && d.files.isEmpty() && d.quocient.isEmpty());
            }
        }
        QVERIFY(!DivisioLlarga::construeix(3, 5, false).valida());
    }

    void divisions_data() { files(kDivisions); }
    void divisions() {
        const Divisio& d = fila(kDivisions);
        const DivisioLlarga l = DivisioLlarga::construeix(d.dividend, d.divisor, d.resta);
        QString text =
            QStringLiteral("%1 %2 %3:").arg(l.quocient).arg(l.parcial).arg(l.columnaAcabada());
        for (const FilaDivisio& f : l.files)
            text += QStringLiteral(" %1/%2@%3")
                        .arg(senseBlancs(f.resPar), senseBlancs(f.ddPar))
                        .arg(f.columnaInici);
        QCOMPARE(text, QString::fromLatin1(d.files));
        QCOMPARE(DivisioLlarga::espaiat(QStringLiteral("047")), QStringLiteral("0 4 7 "));
    }

    // Over many divisions within the board's limits: at most five rows, one per non-zero quotient
    // digit; each row brings down the very digits of the dividend at their own columns, every
    // product is its quotient digit times the divisor, and the last row holds the remainder.
    void filesCoincideixen() {
        std::mt19937 gen(20261206);
        for (int i = 0; i < 40000; ++i) {
            const bool resta = i % 2;
            const int dividend = std::uniform_int_distribution<int>(1, 99999)(gen);
            const int divisor = std::uniform_int_distribution<int>(1, std::min(dividend, 999))(gen);
            const DivisioLlarga d = DivisioLlarga::construeix(dividend, divisor, resta);
            const QString xifresDividend = QString::number(dividend);
            QCOMPARE(d.quocient.toInt(), dividend / divisor);
            const QString noZero = QString(d.quocient).remove(u'0');
            QVERIFY(d.files.size() == noZero.size() && d.files.size() <= DivisioLlarga::kMaxFiles);
            for (int k = 0; k < d.files.size(); ++k) {
                const FilaDivisio& f = d.files.at(k);
                const QString fila = senseBlancs(f.resPar);
                QCOMPARE(f.resPar, DivisioLlarga::espaiat(fila));
                for (int j = f.xifresResta; j < fila.size(); ++j)
                    QCOMPARE(fila.at(j), xifresDividend.at(f.columnaInici + j));
                const int producte = senseBlancs(f.ddPar).toInt();
                QCOMPARE(producte, resta ? noZero.at(k).digitValue() * divisor : 0);
                QCOMPARE(f.xifresResta, resta ? xifres(producte) : xifres(divisor));
            }
            const FilaDivisio& ultima = d.files.last();
            QCOMPARE(ultima.columnaInici + ultima.resPar.size() / 2, xifresDividend.size());
            QCOMPARE(senseBlancs(ultima.resPar).toInt(), dividend % divisor);
        }
    }

    // Every level a teacher can set and every default level, in both layouts: at every step a
    // wrong digit and a wrong minus cost one error each and change nothing, the help character
    // goes on, and each division ends with its quotient, its rows written as the long division
    // has them.
    void sempreAcaba_data() {
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
    void sempreAcaba() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        for (const bool resta : {false, true}) {
            for (uint32_t seed = 1; seed <= 10; ++seed) {
                FakeContext ctx;
                Atzar atzar(seed * 7919u);
                ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.resta = resta;
                ActivitatDividir a(ctx);
                QSignalSpy canvis(&a, &ActivitatDividir::canviat);
                a.preparar();
                int errors = 0;
                for (int i = 0; i < 20; ++i, a.novaOperacio()) {
                    const DivisioLlarga& d = a.divisio();
                    QCOMPARE(QList<int>({xifres(d.dividend), xifres(d.divisor)}),
                             QList<int>({p1, p2}));
                    QVERIFY(d.divisor <= d.dividend);
                    for (int pas = 0; pas < 100 && !a.completa(); ++pas) {
                        const QChar bona = a.caracterAjuda();
                        const QString abans = quadre(a).remove(u'!');
                        for (const QChar dolenta :
                             {bona == u'-' ? u'0' : QChar(u'0' + (bona.digitValue() + 1) % 10),
                              QChar(u'-')}) {
                            if (dolenta == bona)
                                continue;
                            a.caracter(dolenta);
                            ++errors;
                            QCOMPARE(quadre(a).remove(u'!'), abans);
                            QCOMPARE(a.tornVermell(), a.fase() != 4); // hidden while "-" is awaited
                        }
                        const qsizetype repintats = canvis.size();
                        a.caracter(bona);
                        QVERIFY(!a.tornVermell() && canvis.size() > repintats);
                    }
                    QVERIFY2(a.completa(), qPrintable(quadre(a)));
                    QCOMPARE(senseBlancs(a.quocient()).toInt(), d.dividend / d.divisor);
                    for (int k = 1; k <= a.files(); ++k) {
                        QCOMPARE(a.apuntRes(k), resta ? a.ddPar(k) : a.resPar(k));
                        QCOMPARE(a.apuntDiv(k), resta ? a.resPar(k) : QString());
                        QCOMPARE(a.signeVisible(k), resta);
                    }
                }
                QCOMPARE(ctx.correctes, 20);
                QCOMPARE(ctx.errors, errors);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDividir)
#include "tst_Dividir.moc"
