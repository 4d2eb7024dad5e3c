#include "ActivitatCardinals.h"
#include "ActivitatDividir.h"
#include "ActivitatMultiplicar.h"
#include "ActivitatOrdenar.h"
#include "ActivitatRomans.h"
#include "ActivitatSumRes.h"
#include "ActivitatTaules.h"
#include "FabricaActivitats.h"
#include "FakeContext.h"
#include "Persiana.h"
#include "Taula.h"
#include "Teclats.h"

#include <QTest>
#include <limits>

namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// An activity of the board as the series makes it, over a random source that draws `r` every
// time.
struct Obert {
    FakeContext ctx;
    ScriptedAtzar atzar;
    std::unique_ptr<Activitat> act;
    Obert(int activitat, int p1, int p2, int sep, bool resta, float r, int idioma = 0)
        : atzar({r}) {
        ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.sep = sep, ctx.resta = resta;
        ctx.lang = idioma;
        act = FabricaActivitats::crea(activitat, ctx);
        act->preparar();
    }
};

// The physical keys each activity takes and refuses, its on-screen keyboard and extra key (a
// word types a blank and is drawn small to fit).
struct Tecles {
    const char* nom;
    int activitat, p1, p2, sep;
    bool resta;
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
    {"cardinals espai in basque", 1, 1, 1000, 1, false, .5f, " ", ".", 1, "Zuriunea", 3},
    {"cardinals cap", 1, 1, 999999999, 2, false, .5f, "0123456789", ". ", 0, "."},
    {"damaged separator as cap", 1, 1, 5000, 9, false, .5f, "0123456789", ". ", 0, "."},
    {"superior below inferior", 1, 4000, -5, 0, false, .5f, ".", " ", 1, "."},
    {"ordinals below 1000", 2, 1, 999, 0, false, .5f, "0123456789", ". -", 0, "."},
    {"ordinals cap 1000", 2, 1, 1000, 2, false, .5f, "0123456789", ". ", 1, "."},
    {"ordinals espai", 2, 1, 1000, 1, false, .5f, "0123456789", " .", 1, "."},
    {"numeral asked", 3, 1234, 1234, 1, false, .75f, "IVXLCDM", "0123456789. AZ", 2, "Espai"},
    {"roman number punt", 3, 1234, 1234, 0, false, .25f, "0123456789.", " IVXLCDM-", 1, "."},
    {"roman number espai", 3, 1234, 1234, 1, false, .25f, "0123456789. ", "IVXLCDM", 1, "Espai"},
    {"roman number cap", 3, 1234, 1234, 2, false, .25f, "0123456789.", " IVX", 1, "."},
    {"ordering", 4, 1, 50, 0, false, .5f, "", "0. A", -1, "."},
    {"addition", 5, 3, 1, 0, false, .5f, "0123456789", ".+- A\u0663", 0, "."},
    {"tables", 7, 2, 9, 0, false, .5f, "0123456789", ". X", 0, "."},
    {"multiplier of one digit", 8, 3, 1, 0, false, .5f, "0123456789", "+ -.", 0, "+"},
    {"multiplier of two digits", 8, 3, 2, 0, false, .5f, "0123456789+", " -.", 1, "+"},
    {"multiplier longer", 8, 1, 3, 0, false, .5f, "0123456789", "+", 0, "+"},
    {"multiplication of zero digits", 8, 0, 0, 0, false, .5f, "0123456789", "+", 0, "+"},
    {"division plain", 9, 3, 1, 0, false, .5f, "0123456789-", "+. A/:", 0, "."},
    {"division with subtractions", 9, 3, 1, 0, true, .5f, "0123456789-", "+. A/:", 1, "-"},
};

// Level parameters no editor allows, from a damaged level set: `activitats` keep the first
// number of each exercise (see `mida`) within [minim, maxim] and the others within maxim2, and
// help finishes every exercise.
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
    const auto xifres = [](qint64 n) { return qint64(QString::number(n).size()); };
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

} // namespace

class TestActivitats : public QObject {
    Q_OBJECT
private slots:
    void tecles_data() { files(kTecles); }
    void tecles() {
        const Tecles& t = fila(kTecles);
        Obert o(t.activitat, t.p1, t.p2, t.sep, t.resta, t.r, t.idioma);
        const QString preses = QString::fromUtf8(t.preses), extra = QString::fromUtf8(t.extra);
        const QString refusades = QString::fromUtf8(t.refusades);
        QString preses2;
        for (const QChar c : preses + refusades)
            preses2 += o.act->accepta(c) ? c : QChar(u'_');
        QCOMPARE(preses2, preses + QString(refusades.size(), u'_'));
        // Chosen once for the series: neither the next exercise nor the division option changes it.
        for (int i = 0; i < 2; ++i, o.ctx.resta = !o.ctx.resta, o.act->novaOperacio())
            QCOMPARE(QString::number(o.act->teclat()) + o.act->teclaExtra(),
                     QString::number(t.teclat) + extra);
        const Teclats k(t.activitat, t.sep, t.resta, t.idioma);
        QCOMPARE(k.caption(Teclats::kTeclaExtra), extra);
        QCOMPARE(k.caracter(Teclats::kTeclaExtra), extra.size() > 1 ? QChar(u' ') : extra.at(0));
        QCOMPARE(k.lletraPetita(Teclats::kTeclaExtra), extra.size() > 1);
    }

    void danyats_data() { files(kDanyats); }
    void danyats() {
        const Danyat& d = fila(kDanyats);
        for (const char* a = d.activitats; *a; ++a) {
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
};

QTEST_GUILESS_MAIN(TestActivitats)
#include "tst_Activitats.moc"
