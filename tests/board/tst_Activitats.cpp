#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "board/FabricaActivitats.h"
#include "board/LecturaExercici.h"
#include "board/Persiana.h"
#include "board/Teclats.h"
#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"
#include "tests/support/FakeContext.h"
#include "tests/support/Taula.h"

#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <limits>

namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
const auto xifres = [](qint64 n) { return int(QString::number(n).size()); };

// An activity of the board as the series makes it, over a random source that always draws `r`.
struct Obert {
    FakeContext ctx;
    ScriptedAtzar atzar;
    std::unique_ptr<Activitat> act;
    Obert(int activitat, int p1, int p2, int sep, bool resta, float r, int idioma = 0)
        : atzar({r}) {
        ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.sep = sep, ctx.resta = resta,
        ctx.lang = idioma;
        act = FabricaActivitats::crea(activitat, ctx);
        act->preparar();
    }
};

// The physical keys each activity takes and refuses, its on-screen keyboard and extra key (a
// word types a blank and is drawn small to fit).
struct Tecles {
    const char* nom;
    int activitat, p1, p2, sep, resta;
    float r; // 0.25 asks a Roman exercise's number, 0.75 its numeral
    const char *preses, *refusades;
    int teclat;
    const char* extra;
    int idioma = 0;
};
const Tecles kTecles[] = {
    {"cardinals punt", 1, 1, 1000, 0, false, .5f, "0123456789.", " A-", 1, "."},
    {"cardinals punt below 1000", 1, 1, 999, 0, false, .5f, "0123456789.", " ", 0, "."},
    {"cardinals espai", 1, 1, 1000, 1, false, .5f, "0123456789 ", ".", 1, "Espai"},
    {"cardinals espai in spanish", 1, 1, 1000, 1, false, .5f, " ", ".", 1, "Espacio", 1},
    {"cardinals cap", 1, 1, 999999999, 2, false, .5f, "0123456789", ". ", 0, "."},
    {"damaged separator as cap", 1, 1, 5000, 9, false, .5f, "0123456789", ". ", 0, "."},
    {"superior below inferior", 1, 4000, -5, 0, false, .5f, ".", " ", 1, "."},
    {"ordinals below 1000", 2, 1, 999, 0, false, .5f, "0123456789", ". -", 0, "."},
    {"ordinals cap 1000", 2, 1, 1000, 2, false, .5f, "0123456789", ". ", 1, "."},
    {"numeral asked", 3, 1234, 1234, 1, false, .75f, "IVXLCDM", "0123456789. AZ", 2, "Espai"},
    {"roman number punt", 3, 1234, 1234, 0, false, .25f, "0123456789.", " IVXLCDM-", 1, "."},
    {"roman number espai", 3, 1234, 1234, 1, false, .25f, "0123456789. ", "IVXLCDM", 1, "Espai"},
    {"roman number cap", 3, 1234, 1234, 2, false, .25f, "0123456789.", " IVX", 1, "."},
    {"ordering", 4, 1, 50, 0, false, .5f, "", "0. A", -1, "."},
    {"addition", 5, 3, 1, 0, false, .5f, "0123456789", ".+- A\u0663", 0, "."},
    {"tables", 7, 2, 9, 0, false, .5f, "0123456789", ". X", 0, "."},
    {"multiplier of one digit", 8, 3, 1, 0, false, .5f, "0123456789", "+ -.", 0, "+"},
    {"multiplier of two digits", 8, 3, 2, 0, false, .5f, "0123456789+", " -.", 1, "+"},
    {"multiplier of three digits", 8, 5, 3, 0, false, .5f, "+", "", 1, "+"},
    {"multiplier longer", 8, 1, 3, 0, false, .5f, "0123456789", "+", 0, "+"},
    {"division plain", 9, 3, 1, 0, false, .5f, "0123456789-", "+. A/:", 0, "."},
    {"division with subtractions", 9, 3, 1, 0, true, .5f, "0123456789-", "+. A/:", 1, "-"},
};

// Level parameters no editor allows: `activitats` keep the first number of each exercise (see
// `mida`) within [minim, maxim] and the others within maxim2, and help finishes every exercise.
struct Danyat {
    const char *nom, *activitats;
    int p1, p2;
    qint64 minim, maxim, maxim2;
};
const Danyat kDanyats[] = {
    {"cardinal reversed", "1", 5000, 10, 5000, 5000, 0},
    {"cardinal extremes", "1", kMin, kMax, 0, 999999999, 0},
    {"ordinal zero", "2", 0, 0, 1, 1, 0},
    {"ordinal huge", "2", 900, kMax, 900, 1000, 0},
    {"roman extremes", "3", kMin, kMax, 1, 3999, 0},
    {"roman reversed extremes", "3", kMax, kMin, 3999, 3999, 0},
    {"ordering extremes", "4", kMin, kMax, 0, 999999999, 999999999},
    {"ordering reversed extremes", "4", kMax, kMin, 999999999, 999999999, 999999999},
    {"column sums of zero digits", "56", 0, 0, 1, 1, 1},
    {"column sums, largest int", "56", kMax, kMax, 5, 5, 5},
    {"tables first above last", "7", 9, 1, 9, 9, 0},
    {"tables extremes", "7", kMin, kMax, 1, 9, 0},
    {"multiplication huge", "8", kMax, kMax, 5, 5, 3},
    {"multiplication extremes", "8", kMin, kMax, 1, 1, 1},
    {"multiplier longer", "8", 2, 3, 2, 2, 2},
    {"divisor longer", "9", 1, 3, 1, 1, 1},
    {"division extremes", "9", kMax, kMin, 1, 5, 1},
    {"division extremes reversed", "9", kMin, kMax, 1, 1, 1},
};

// What the parameters bound in an exercise: the number asked, the smallest and largest of a list,
// the digits of a sum and of its operands, the table, the digits of both operands.
QList<qint64> mida(Activitat* a) {
    if (auto* c = qobject_cast<ActivitatCardinals*>(a))
        return {c->nombre()};
    if (auto* r = qobject_cast<ActivitatRomans*>(a))
        return {r->nombre()};
    if (auto* o = qobject_cast<ActivitatOrdenar*>(a))
        return {o->relacio().first(), o->relacio().last()};
    if (auto* s = qobject_cast<ActivitatSumRes*>(a))
        return {s->xifres(), s->operand1().size(), s->operand2().size()};
    if (auto* t = qobject_cast<ActivitatTaules*>(a))
        return {t->taula()};
    if (auto* m = qobject_cast<ActivitatMultiplicar*>(a))
        return {xifres(m->operand1()), xifres(m->operand2())};
    auto* d = qobject_cast<ActivitatDividir*>(a);
    return {xifres(d->divisio().dividend), xifres(d->divisio().divisor)};
}

// The r that makes Atzar::entre(lo, hi) draw v.
float rFor(int v, int lo, int hi) {
    return (float(v - lo) + 0.5f) / float(hi - lo + 1);
}

// A column sum or difference drawn, carrying allowed, as `top` over `bottom`.
struct SumRes {
    FakeContext ctx;
    ScriptedAtzar atzar;
    ActivitatSumRes act;
    SumRes(char signe, const QString& top, const QString& bottom, int portant = 1,
           QList<float> draws = {})
        : atzar(draws.isEmpty() ? drawsFor(top, bottom) : draws),
          act(ctx,
              signe == '+' ? ActivitatSumRes::Operacio::Suma : ActivitatSumRes::Operacio::Resta) {
        ctx.atzarPtr = &atzar, ctx.p1 = int(top.size()), ctx.p2 = portant;
        act.preparar();
    }
    static QList<float> drawsFor(const QString& top, const QString& bottom) {
        QList<float> out;
        for (qsizetype i = top.size() - 1; i >= 0; --i) {
            const int lo = i == 0 && top.size() > 1 ? 1 : 0;
            out << rFor(top.at(i).digitValue(), lo, 9) << rFor(bottom.at(i).digitValue(), lo, 9);
        }
        return out;
    }
    // The operation and the result cells from the left: a right digit, "_" awaited, "!" wrong.
    QString quadre() const {
        QString cells;
        for (int i = act.nombreCelles() - 1; i >= 0; --i)
            cells += act.estatCella(i) == ActivitatSumRes::EstatCella::Correcta ? act.digitCella(i)
                     : act.estatCella(i) == ActivitatSumRes::EstatCella::Esperant ? QChar(u'_')
                                                                                  : QChar(u'!');
        return act.operand1() + act.signe() + act.operand2() + u' ' + cells;
    }
};

// Keys typed from the units ('?' help) on a drawn sum or difference. With `draws` and no carrying
// (the top only gives the digits): no column carries or borrows, and a leading 9 is drawn down.
struct Columnes {
    const char* nom;
    char signe;
    const char *top, *bottom, *tecles, *quadre; // then "e" the errors counted
    QList<float> draws = {};
};
const Columnes kColumnes[] = {
    {"52 - 48 keeps its zero", '-', "52", "48", "40", "52-48 04 e0"},
    {"help writes the zeros too", '-', "52", "48", "??", "52-48 04 e0"},
    {"help to the carry digit", '+', "99999", "99999", "??????", "99999+99999 199998 e0"},
    {"a wrong carry digit", '+', "75", "48", "329", "75+48 !23 e1"},
    {"then the right one goes on", '+', "75", "48", "4432", "75+48 _23 e2"},
    {"carries out, nothing after the last digit", '+', "75", "48", "3211", "75+48 123 e0"},
    {"no carry: 3 + 6", '+', "0", "", "", "3+6 _ e0", {0.35f, 0.99f}},
    {"no carry: 0 + 9", '+', "0", "", "", "0+9 _ e0", {0, 0.99f}},
    {"no borrow: 3 - 3", '-', "0", "", "", "3-3 _ e0", {0.35f, 0.99f}},
    {"no carry: 81 + 18", '+', "00", "", "", "81+18 _ e0", {0.1f, 0.99f, 0.99f, 0.99f}},
    {"no borrow: 81 - 81", '-', "00", "", "", "81-81 _ e0", {0.1f, 0.99f, 0.99f, 0.99f}},
};

// A long multiplication of d1 by d2 as drawn, each from the numbers of its digits.
struct Multi {
    FakeContext ctx;
    ScriptedAtzar atzar;
    ActivitatMultiplicar act;
    Multi(int d1, int d2) : atzar({r(d1), r(d2)}), act(ctx) {
        ctx.atzarPtr = &atzar, ctx.p1 = xifres(d1), ctx.p2 = xifres(d2);
        act.preparar();
    }
    static float r(int d) {
        const int lo = QString(u'1').leftJustified(xifres(d), u'0').toInt();
        return rFor(d, lo, 10 * lo - 1);
    }
    // '<' is the left arrow, '?' help.
    void prem(const QString& tecles) {
        for (const QChar c : tecles)
            c == u'<' ? act.fletxaEsquerra() : c == u'?' ? act.ajuda() : act.caracter(c);
    }
    // The right key now, the blank through the arrow.
    QChar bona() const {
        if (act.fase() == 4)
            return u'+';
        const QString row = act.resposta(act.filaActual());
        const QChar x = row.at(row.size() - act.columna() - 1);
        return x == u' ' ? QChar(u'<') : x;
    }
    bool resol() {
        for (int i = 0; i < 60 && !act.completa(); ++i)
            prem(bona());
        return act.completa();
    }
    // Where the pupil stands: the phase, the characters shown on rows 1 to 4, the cursor's column
    // ("!" red, "-" hidden), the column of a 0 written in a blank column, "+" the sum's rule, and
    // "e" the errors counted.
    QString estat() const {
        return QString::asprintf(
                   "f%d r%d,%d,%d,%d t%d%s%s", act.fase(), act.revelats(1), act.revelats(2),
                   act.revelats(3), act.revelats(ActivitatMultiplicar::kFilaProducte),
                   act.columnaTorn(), act.tornVermell() ? "!" : "", act.tornVisible() ? "" : "-") +
               (act.zeroVisible() ? QStringLiteral(" z%1").arg(act.zeroColumna()) : QString()) +
               (act.linia1Visible() ? " +" : "") + QStringLiteral(" e%1").arg(ctx.errors);
    }
};

// A row as written: a digit per column, "_" for a blank column.
QString columnes(const QString& text) {
    QString s;
    for (qsizetype i = 1; i < text.size(); i += 2)
        s += text.at(i) == u' ' ? QChar(u'_') : text.at(i);
    return s;
}

// Keys on a multiplication ('<' the left arrow): where the pupil ends and the errors counted.
// "+" is awaited with the cursor hidden: a wrong key there costs an error and shows nothing. With
// `quadre`, the operands as drawn, each partial row at its last column, and the product.
struct Multiplicacio {
    const char* nom;
    int d1, d2;
    const char *tecles, *estat, *quadre = nullptr;
};
const Multiplicacio kMultiplicacions[] = {
    {"456 x 123", 456, 123, "8631219654+88065", "f5 r8,6,6,10 t0- + e0",
     "456x123: 1368@0 912@1 456@2 = 56088"},
    {"205, the blank by the arrow", 456, 205, "0822<219+08439", "f5 r8,8,0,10 t0- + e0",
     "456x205: 2280@0 912_@1 = 93480"},
    {"205, the blank written as 0", 456, 205, "08220219+08439", "f5 r8,8,0,10 t0- z1 + e0"},
    {"multiplier 100", 456, 100, "", "f1 r0,0,0,0 t0 e0", "456x100: 45600@0 = 45600"},
    {"a one-digit multiplier", 47, 6, "", "f1 r0,0,0,0 t0 e0", "47x6: 282@0 = 282"},
    {"the larger drawn second goes on top", 23, 87, "", "f1 r0,0,0,0 t0 e0",
     "87x23: 261@0 174@1 = 2001"},
    {"the largest", 99999, 999, "", "f1 r0,0,0,0 t0 e0",
     "99999x999: 899991@0 899991@1 899991@2 = 99899001"},
    {"a digit in row 1", 456, 123, "7", "f1 r0,0,0,0 t0! e1"},
    {"a 0 where row 2 has a digit", 456, 123, "86310", "f2 r8,0,0,0 t1! e1"},
    {"a digit instead of plus", 456, 123, "86312196545", "f4 r8,6,6,0 t0- e1"},
    {"the arrow in the product", 456, 123, "8631219654+8<", "f5 r8,6,6,2 t1! + e1"},
};

const auto senseBlancs = [](QString s) { return s.remove(u' '); };

// The cursor: "Q2" under the third quotient digit, "P1:3" over column 3 of row 1's product,
// "R2:4" over column 4 of row 2's remainder or difference, "-" hidden; "!" when red.
QString torn(const ActivitatDividir& a) {
    using L = ActivitatDividir::LiniaTorn;
    const QString s = a.tornLinia() == L::Quocient
                          ? QStringLiteral("Q%1").arg(a.tornColumna())
                          : QString::asprintf("%c%d:%d", a.tornLinia() == L::Producte ? 'P' : 'R',
                                              a.tornFila(), a.tornColumna());
    return !a.tornVisible() ? QStringLiteral("-") : a.tornVermell() ? s + u'!' : s;
}

// The panel as written: the quotient, each row's product line and remainder (or difference) line
// as "product/difference" ("-" before a shown minus sign), then the cursor, or C once complete.
QString quadre(const ActivitatDividir& a) {
    QString s = senseBlancs(a.quocient());
    for (int k = 1; k <= a.files(); ++k)
        s += QString::asprintf(" %s%s/%s", a.signeVisible(k) ? "-" : "",
                               qPrintable(senseBlancs(a.apuntRes(k))),
                               qPrintable(senseBlancs(a.apuntDiv(k))));
    return s + u' ' + (a.completa() ? QStringLiteral("C") : torn(a));
}

// Asks for help until the division is reported right; returns the characters help entered.
QString ajudaFins(ActivitatDividir& a, const FakeContext& ctx) {
    QString entrats;
    for (const int c = ctx.correctes;
         ctx.correctes == c && entrats.size() < 100 && !a.caracterAjuda().isNull(); a.ajuda())
        entrats += a.caracterAjuda();
    return entrats;
}

// A division put on by hand, on a series with or without the subtractions.
struct Div {
    FakeContext ctx;
    ActivitatDividir a{ctx};
    Div(bool resta, int dividend, int divisor) {
        ctx.resta = resta;
        a.preparar();
        QVERIFY(a.posaOperacio(dividend, divisor));
    }
};

// A series that, its wait option off, puts the next division on from inside RespostaCorrecta.
struct SerieSenseEspera : FakeContext {
    ActivitatDividir* activitat = nullptr;
    void RespostaCorrecta(int missatgeEspera) override {
        FakeContext::RespostaCorrecta(missatgeEspera);
        activitat->novaOperacio();
    }
};

// Keys that finish a division: the cursor at the set-up and after each key ("C" once reported
// right), then the panel and "e" the errors counted.
struct Tecleig {
    const char* nom;
    int resta, dividend, divisor;
    const char *tecles, *posicions, *quadre;
};
const Tecleig kTeclejos[] = {
    {"845/12: last quotient 0", false, 845, 12, "70050", "Q0 R1:1 R1:0 R1:2 Q1 C", "70 005/ C e0"},
    {"8105/4: 0 brings a digit", false, 8105, 4, "2010022561",
     "Q0 R1:0 R1:1 Q1 R1:2 Q2 R2:2 R2:3 Q3 R3:3 C", "2026 010/ 25/ 1/ C e0"},
    {"845/12-", true, 845, 12, "748-0050", "Q0 P1:1 P1:0 - R1:1 R1:0 R1:2 Q1 C", "70 -84/005 C e0"},
    {"8105/4 -", true, 8105, 4, "28-010028-25642-10",
     "Q0 P1:0 - R1:0 R1:1 Q1 R1:2 Q2 P2:2 - R2:2 R2:3 Q3 P3:3 P3:2 - R3:3 R3:2 C",
     "2026 -8/010 -8/25 -24/01 C e0"},
    {"7/7 -", true, 7, 7, "17-0", "Q0 P1:0 - R1:0 C", "1 -7/0 C e0"},
};

// The rows of a long division: quotient, first partial dividend and the end mark's column, then
// each row as "remainder or difference with the digits brought down / product @ first column".
struct Divisio {
    const char* nom;
    int dividend, divisor, resta;
    const char* files;
};
const Divisio kDivisions[] = {
    {"845/9: remainder under the 4", 845, 9, false, "93 84 1: 35/@1 8/@2"},
    {"8105/4: a 0 brings a digit", 8105, 4, false, "2026 8 2: 010/@0 25/@2 1/@3"},
    {"1095/5 -: products of any width", 1095, 5, true, "219 10 2: 009/10@0 45/5@2 00/45@2"},
    {"7/7", 7, 7, false, "1 7 -1: 0/@0"},
    {"99999/1 fills the five rows", 99999, 1, false, "99999 9 3: 09/@0 09/@1 09/@2 09/@3 0/@4"},
    {"10000/1: four quotient zeros on one row", 10000, 1, false, "10000 1 3: 00000/@0"},
    {"99999/999 with subtractions", 99999, 999, true, "100 999 3: 00099/999@0"},
    {"1000/999: a product shorter than the partial", 1000, 999, true, "1 1000 2: 001/999@1"},
    {"9999/99: remainder 00", 9999, 99, false, "101 99 2: 0099/@0 00/@2"},
};

// What a screen reader hears of an exercise after a few keys: the question, then the answer so
// far in reading order.
struct Lectura {
    const char *nom, *pregunta, *resposta;
    std::function<LecturaExercici()> llegeix;
};
const auto tecleja = [](auto&& a, const QString& tecles) {
    for (const QChar c : tecles)
        a.caracter(c);
    return LecturaExercici::de(&a);
};
const Lectura kLectures[] = {
    {"cardinal", "VINT-I-CINC", "2", [] { return tecleja(*Obert(1, 25, 25, 1, 0, .5f).act, "2"); }},
    {"sum from the units", "75 + 48", "23",
     [] { return tecleja(SumRes('+', "75", "48").act, "32"); }},
    {"multiplication by rows", "456 × 123", "1368, 2",
     [] { return tecleja(Multi(456, 123).act, "86312"); }},
    {"division, quotient then remainder", "845 ÷ 9", "9, 35",
     [] { return tecleja(Div(false, 845, 9).a, "935"); }},
    {"division with the subtraction", "845 ÷ 9", "9, 81, 3",
     [] { return tecleja(Div(true, 845, 9).a, "918-3"); }},
};

} // namespace

class TestActivitats : public QObject {
    Q_OBJECT
private slots:
    void lectura_data() { files(kLectures); }
    void lectura() {
        const Lectura& l = fila(kLectures);
        const LecturaExercici e = l.llegeix();
        QCOMPARE(e.pregunta + u'|' + e.resposta,
                 QString::fromUtf8(l.pregunta) + u'|' + QString::fromUtf8(l.resposta));
    }
    void tecles_data() { files(kTecles); }
    void tecles() {
        const Tecles& t = fila(kTecles);
        Obert o(t.activitat, t.p1, t.p2, t.sep, t.resta, t.r, t.idioma);
        const QString preses = QString::fromUtf8(t.preses), extra = QString::fromUtf8(t.extra),
                      refusades = QString::fromUtf8(t.refusades);
        QString preses2;
        for (const QChar c : preses + refusades)
            preses2 += o.act->accepta(c) ? c : QChar(u'_');
        QCOMPARE(preses2, preses + QString(refusades.size(), u'_'));
        // Chosen once for the series: neither the next exercise nor the division option changes it.
        for (int i = 0; i < 2; ++i, o.ctx.resta = !o.ctx.resta, o.act->novaOperacio())
            QCOMPARE(QString::number(o.act->teclat()) + o.act->teclaExtra(),
                     QString::number(t.teclat) + extra);
        const Teclats k(t.activitat, t.sep, t.resta, t.idioma);
        QCOMPARE(k.rotul(Teclats::kTeclaExtra), extra);
        QCOMPARE(k.caracter(Teclats::kTeclaExtra), extra.size() > 1 ? QChar(u' ') : extra.at(0));
        QCOMPARE(k.lletraPetita(Teclats::kTeclaExtra), extra.size() > 1);
    }

    void danyats_data() { files(kDanyats); }
    void danyats() {
        const Danyat& d = fila(kDanyats);
        for (const char* a = d.activitats; *a; ++a)
            for (const bool resta : {false, true}) {
                FakeContext ctx;
                ctx.p1 = d.p1, ctx.p2 = d.p2, ctx.resta = resta;
                const auto act = FabricaActivitats::crea(*a - '0', ctx);
                act->preparar();
                for (int i = 0; i < 30; ++i, act->novaOperacio()) {
                    const QList<qint64> v = mida(act.get());
                    QVERIFY2(v[0] >= d.minim && v[0] <= d.maxim, qPrintable(QString::number(v[0])));
                    for (qsizetype k = 1; k < v.size(); ++k)
                        QVERIFY2(v[k] <= d.maxim2, qPrintable(QString::number(v[k])));
                    for (int k = 0; k < 100 && ctx.correctes == i; ++k)
                        act->ajuda();
                    QCOMPARE(ctx.correctes, i + 1);
                }
                QCOMPARE(ctx.errors, 0);
            }
    }

    // The blind rolls 263 to 22 in 16 steps of 15 and one of 1, its handle to 10 and back to 250;
    // the scoreboard 110 to 22 in 44 steps of 2, its handle to 10 and back to 98. Each click:
    // steps: first..second to last,last, the handle, rolled up (v) or down, the height.
    void persianes() {
        QStringList rotlles;
        for (Persiana p : {Persiana::deLaPissarra(), Persiana::marcador()})
            for (int i = 0; i < 3; ++i) {
                const QList<int> h = p.clic();
                rotlles << QString::asprintf("%d:%d..%d,%d %d%c%d", int(h.size()), h.first(),
                                             h.at(h.size() - 2), h.last(), p.pom(),
                                             p.plegada() ? 'v' : '^', p.alcada());
            }
        QCOMPARE(rotlles.join(u' '),
                 QStringLiteral("17:248..23,22 10v22 17:37..262,263 250^263 17:248..23,22 10v22 "
                                "44:108..24,22 10v22 44:24..108,110 98^110 44:108..24,22 10v22"));
    }

    void sumes_data() { files(kColumnes); }
    void sumes() {
        const Columnes& c = fila(kColumnes);
        SumRes s(c.signe, QString::fromLatin1(c.top), QString::fromLatin1(c.bottom),
                 c.draws.isEmpty(), c.draws);
        for (const QChar k : QString::fromLatin1(c.tecles))
            k == u'?' ? s.act.ajuda() : s.act.caracter(k);
        // Help's error is the series' to count.
        QCOMPARE(s.quadre() + QStringLiteral(" e%1").arg(s.ctx.errors),
                 QString::fromLatin1(c.quadre));
        const bool completa = !QString::fromLatin1(c.quadre).contains(QRegularExpression("[_!]"));
        QCOMPARE(s.act.completa(), completa);
        QCOMPARE(s.ctx.esperes, completa ? QList<int>{71} : QList<int>{});
    }

    // Over many seeded exercises: the digits asked for, no leading zero, the carrying rule, the
    // answer, one empty cell to start. Carrying allowed really happens (a one-digit difference is
    // swapped clear of borrowing); without it a leading 9 appears in one digit only.
    void sumesSembrades() {
        for (int k = 0; k < 20; ++k) {
            const char signe = k < 10 ? '+' : '-';
            const int n = k / 2 % 5 + 1;
            const bool portant = k % 2;
            FakeContext ctx;
            ctx.p1 = n, ctx.p2 = portant;
            ActivitatSumRes act(ctx, signe == '+' ? ActivitatSumRes::Operacio::Suma
                                                  : ActivitatSumRes::Operacio::Resta);
            bool porta = false, nou = false;
            for (uint32_t seed = 1; seed <= 300; ++seed) {
                Atzar atzar(seed);
                ctx.atzarPtr = &atzar;
                act.novaOperacio();
                const QString top = act.operand1(), bottom = act.operand2();
                const int a = top.toInt(), b = bottom.toInt();
                QVERIFY2(top.size() == n && bottom.size() == n && (signe == '+' || a >= b) &&
                             (n == 1 || (top.at(0) != u'0' && bottom.at(0) != u'0')),
                         qPrintable(top + signe + bottom));
                QVERIFY(act.nombreCelles() == 1 &&
                        act.estatCella(0) == ActivitatSumRes::EstatCella::Esperant &&
                        act.columna() == 0 && !act.completa());
                for (int i = 0; i < n; ++i) {
                    const int d1 = act.digit1(i), d2 = act.digit2(i);
                    QCOMPARE(QString::number(d1 * 10 + d2).rightJustified(2, u'0'),
                             QString(top.at(n - 1 - i)) + bottom.at(n - 1 - i));
                    const bool cal = signe == '+' ? d1 + d2 > 9 : d1 < d2;
                    QVERIFY2(portant || !cal, qPrintable(top + signe + bottom));
                    porta = porta || cal;
                }
                nou = nou || top.at(0) == u'9';
                QCOMPARE(act.esperat(), signe == '+'
                                            ? QString::number(a + b)
                                            : QString::number(a - b).rightJustified(n, u'0'));
            }
            QVERIFY(porta == (portant && (signe == '+' || n >= 2)));
            QCOMPARE(nou, portant || n == 1);
        }
    }

    // Every factor 0..9 and every table of the level come up, and nothing outside them.
    void taulesSembrades() {
        const QRegularExpression forma(QStringLiteral("^(\\d) x (\\d)$"));
        for (const auto& [primera, ultima] : {std::pair{5, 5}, {3, 7}, {1, 9}}) {
            FakeContext ctx;
            ctx.p1 = primera, ctx.p2 = ultima;
            ActivitatTaules act(ctx);
            QSet<int> factors, taules;
            for (uint32_t seed = 1; seed <= 400; ++seed) {
                Atzar atzar(seed);
                ctx.atzarPtr = &atzar;
                act.novaOperacio();
                const auto m = forma.match(act.pregunta());
                const int a = m.captured(1).toInt(), b = m.captured(2).toInt();
                QVERIFY2(m.hasMatch() && b >= primera && b <= ultima, qPrintable(act.pregunta()));
                QCOMPARE(act.solucio(), QString::number(a * b));
                factors.insert(a), taules.insert(b);
            }
            QCOMPARE(int(factors.size() * 100 + taules.size()), 1000 + ultima - primera + 1);
        }
    }

    // Row after row, "+" only when there is a sum to draw; the exercise counts at the last digit of
    // the product, or of the only row, and then takes nothing more. Help enters the same keys;
    // after an error it greys the cursor and costs nothing more.
    void multiplicacions_data() { files(kMultiplicacions); }
    void multiplicacions() {
        const Multiplicacio& j = fila(kMultiplicacions);
        Multi m(j.d1, j.d2);
        if (j.quadre) {
            QString text = columnes(m.act.multiSup()) + u'x' + columnes(m.act.multiInf()) + u':';
            for (int k = 1; k <= m.act.files(); ++k)
                text += QString::asprintf(" %s@%d", qPrintable(columnes(m.act.resposta(k))),
                                          m.act.columnaDreta(k));
            text += " = " + columnes(m.act.resposta(ActivitatMultiplicar::kFilaProducte));
            QCOMPARE(text, QString::fromLatin1(j.quadre));
            QVERIFY(m.act.files() == 3 || m.act.resposta(m.act.files() + 1).isEmpty());
            QCOMPARE(m.estat(), QStringLiteral("f1 r0,0,0,0 t0 e0"));
        }
        m.prem(QString::fromLatin1(j.tecles));
        QCOMPARE(m.estat(), QString::fromLatin1(j.estat));
        if (!m.act.completa()) {
            m.act.ajuda();
            QVERIFY(!m.act.tornVermell() && m.resol());
            QCOMPARE(m.estat().section(u' ', -1), QString::fromLatin1(j.estat).section(u' ', -1));
            QCOMPARE(m.ctx.correctes, 1);
            return;
        }
        QCOMPARE(m.ctx.esperes, QList<int>{71});
        m.prem(QStringLiteral("1+<"));
        QCOMPARE(m.estat(), QString::fromLatin1(j.estat));
        if (m.act.zeroVisible())
            return;
        Multi h(j.d1, j.d2);
        h.ctx.ajuda = true; // asked in the series: the exercise ends with the help reminder
        QString entrats;
        while (!h.act.completa() && entrats.size() < 60)
            entrats += h.bona(), h.act.ajuda();
        QCOMPARE(entrats + h.estat(), QString::fromLatin1(j.tecles) + QString::fromLatin1(j.estat));
        QCOMPARE(h.ctx.esperes, QList<int>{68});
    }

    void tecleig_data() { files(kTeclejos); }
    void tecleig() {
        const Tecleig& t = fila(kTeclejos);
        Div d(t.resta, t.dividend, t.divisor);
        auto& [ctx, a] = d;
        QStringList posicions{torn(a)};
        for (const QChar k : QString::fromLatin1(t.tecles)) {
            a.caracter(k);
            posicions << (ctx.correctes ? QStringLiteral("C") : torn(a));
        }
        QCOMPARE(posicions.join(u' '), QString::fromLatin1(t.posicions));
        const auto panell = [&] { return quadre(a) + QStringLiteral(" e%1").arg(ctx.errors); };
        QCOMPARE(panell(), QString::fromLatin1(t.quadre));
        // Nothing is awaited any more: keys and help cost nothing and change nothing.
        QVERIFY(a.acabadaVisible() && a.quocientPendent().isEmpty() && ctx.correctes == 1);
        for (const QChar k : QStringLiteral("0123456789-"))
            a.caracter(k);
        a.ajuda();
        QCOMPARE(panell() + QString::number(ctx.correctes), QString::fromLatin1(t.quadre) + u'1');
        Div b(t.resta, t.dividend, t.divisor); // help enters the very same characters
        QCOMPARE(ajudaFins(b.a, b.ctx), QString::fromLatin1(t.tecles));
    }

    // The operands span every number of their digits, and a division put on from inside
    // RespostaCorrecta (the wait option off) is drawn at once, clean of the one just finished.
    void generacio() {
        for (const auto& [r, textos] :
             {std::pair{0.0f, "1 0 0 0 0 |1 0 0 "}, std::pair{0.99999994f, "9 9 9 9 9 |9 9 9 "}}) {
            ScriptedAtzar atzar({r});
            SerieSenseEspera ctx;
            ctx.atzarPtr = &atzar, ctx.p1 = 5, ctx.p2 = 3, ctx.resta = true;
            ActivitatDividir a(ctx);
            ctx.activitat = &a;
            QSignalSpy canvis(&a, &ActivitatDividir::canviat);
            a.preparar();
            QVERIFY(!canvis.isEmpty() && a.posaOperacio(8105, 4));
            QCOMPARE(ajudaFins(a, ctx), QStringLiteral("28-010028-25642-10"));
            QVERIFY(ctx.correctes == 1 && a.fila() == 1);
            QCOMPARE(a.dividendText() + u'|' + a.divisorText(), QString::fromLatin1(textos));
            QCOMPARE(quadre(a), QString(QStringLiteral(" /")).repeated(a.files()) + " Q0");
            QCOMPARE(a.quocientPendent(),
                     QString::number(a.divisio().dividend / a.divisio().divisor));
            for (int k = 1; k <= DivisioLlarga::kMaxFiles; ++k)
                QVERIFY(a.apuntRes(k).isEmpty() && a.apuntDiv(k).isEmpty() && !a.signeVisible(k));
        }
    }

    // Operands outside 1 <= divisor <= dividend <= 99999 make no division; the board keeps its own.
    void refusades() {
        Div d(false, 845, 9);
        ActivitatDividir& a = d.a;
        a.caracter('9');
        for (const auto& [x, y] :
             {std::pair{5, 0}, {0, 5}, {0, 0}, {-845, 9}, {100000, 9}, {kMax, 1}}) {
            QVERIFY(!a.posaOperacio(x, y));
            QCOMPARE(quadre(a), QStringLiteral("9 / / R1:1"));
            for (const bool resta : {false, true})
                QVERIFY(DivisioLlarga::construeix(x, y, resta).quocient.isEmpty() &&
                        !DivisioLlarga::construeix(x, y, resta).valida());
        }
        QVERIFY(!DivisioLlarga::construeix(3, 5, false).valida());
    }

    void divisions_data() { files(kDivisions); }
    void divisions() {
        const Divisio& d = fila(kDivisions);
        const DivisioLlarga l = DivisioLlarga::construeix(d.dividend, d.divisor, d.resta);
        QString text =
            QString::asprintf("%s %d %d:", qPrintable(l.quocient), l.parcial, l.columnaAcabada());
        for (const FilaDivisio& f : l.files)
            text += QString::asprintf(" %s/%s@%d", qPrintable(senseBlancs(f.resPar)),
                                      qPrintable(senseBlancs(f.ddPar)), f.columnaInici);
        QCOMPARE(text, QString::fromLatin1(d.files));
        QCOMPARE(DivisioLlarga::espaiat(QStringLiteral("047")), QStringLiteral("0 4 7 "));
    }

    // Every level a teacher can set (the default ones among them), in both layouts: at every step a
    // wrong digit and a wrong minus cost an error each and change nothing, the help character goes
    // on, and each division ends with its quotient and rows as the long division has them.
    void sempreAcaba_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        for (int a = 1; a <= 5; ++a)
            for (int b = 1; b <= std::min(a, 3); ++b)
                QTest::addRow("dividend %d, divisor %d", a, b) << a << b;
    }
    void sempreAcaba() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        for (uint32_t n = 0; n < 20; ++n) {
            const bool resta = n % 2;
            FakeContext ctx;
            Atzar atzar((n / 2 + 1) * 7919u);
            ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.resta = resta;
            ActivitatDividir a(ctx);
            QSignalSpy canvis(&a, &ActivitatDividir::canviat);
            a.preparar();
            int errors = 0;
            for (int i = 0; i < 20; ++i, a.novaOperacio()) {
                const DivisioLlarga& d = a.divisio();
                QVERIFY(xifres(d.dividend) == p1 && xifres(d.divisor) == p2 &&
                        d.divisor <= d.dividend);
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
                QCOMPARE(senseBlancs(a.quocient()), d.quocient);
                // At most five rows, one per non-zero quotient digit; each brings down the very
                // digits of the dividend at their own columns, every product is its quotient digit
                // times the divisor, and the last row holds the remainder.
                const QString xifresDividend = QString::number(d.dividend);
                QCOMPARE(d.quocient.toInt(), d.dividend / d.divisor);
                const QString noZero = QString(d.quocient).remove(u'0');
                QVERIFY(d.files.size() == noZero.size() &&
                        d.files.size() <= DivisioLlarga::kMaxFiles);
                for (int k = 0; k < d.files.size(); ++k) {
                    const FilaDivisio& f = d.files.at(k);
                    const QString fila = senseBlancs(f.resPar);
                    QCOMPARE(f.resPar, DivisioLlarga::espaiat(fila));
                    for (int j = f.xifresResta; j < fila.size(); ++j)
                        QCOMPARE(fila.at(j), xifresDividend.at(f.columnaInici + j));
                    const int producte = senseBlancs(f.ddPar).toInt();
                    QCOMPARE(producte, resta ? noZero.at(k).digitValue() * d.divisor : 0);
                    QCOMPARE(f.xifresResta, resta ? xifres(producte) : xifres(d.divisor));
                }
                QCOMPARE(d.files.last().columnaInici + d.files.last().resPar.size() / 2,
                         xifresDividend.size());
                QCOMPARE(senseBlancs(d.files.last().resPar).toInt(), d.dividend % d.divisor);
                for (int k = 1; k <= a.files(); ++k)
                    QVERIFY(a.apuntRes(k) == (resta ? a.ddPar(k) : a.resPar(k)) &&
                            a.apuntDiv(k) == (resta ? a.resPar(k) : QString()) &&
                            a.signeVisible(k) == resta);
            }
            QCOMPARE(ctx.correctes, 20);
            QCOMPARE(ctx.errors, errors);
        }
    }
};

QTEST_GUILESS_MAIN(TestActivitats)
#include "tst_Activitats.moc"
