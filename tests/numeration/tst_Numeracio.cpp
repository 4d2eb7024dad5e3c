#include "ActivitatCardinals.h"
#include "ActivitatOrdenar.h"
#include "ActivitatRomans.h"
#include "FakeContext.h"
#include "Taula.h"

#include <QTest>
#include <memory>

namespace {

// r = 15/64 is exact in single precision: 1000 + 15/64 × 1000 draws 1234 from 1000..1999.
constexpr float k1234 = 0.234375f;
constexpr float kRMax = 0.99999994f;
const char* const kMil = "MIL DOS-CENTS TRENTA-QUATRE";
const char* const kMcc = "MCCXXXIV";
const char* const kMmm = "MMMDCCCLXXXVIII";
// The second draw of a Roman exercise picks the direction: 2r + 1 below 2 shows the numeral.
constexpr float kNum = 0.25f;
constexpr float kRoma = 0.75f;

// A numeration activity on the answer line (1 Cardinals, 2 Ordinals, 3 Romans) over the draws
// `rs`.
struct Linia {
    FakeContext ctx;
    ScriptedAtzar atzar;
    std::unique_ptr<ActivitatLinia> act;
    Linia(int activitat, int p1, int p2, int sep, QList<float> rs, int idioma = 0)
        : atzar(std::move(rs)) {
        ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.sep = sep, ctx.lang = idioma;
        if (activitat == 3)
            act = std::make_unique<ActivitatRomans>(ctx);
        else
            act =
                std::make_unique<ActivitatCardinals>(ActivitatCardinals::Tipus(activitat - 1), ctx);
        act->preparar();
    }

    // '?' asks for help and '!' sends the next character as an on-screen key, unfiltered; the
    // others come from the physical keyboard, upper-cased and filtered as the series does.
    void prem(const QString& keys) {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const QChar c = keys.at(i).toUpper();
            if (c == u'?')
                act->ajuda();
            else if (c == u'!')
                act->caracter(keys.at(++i));
            else if (act->accepta(c))
                act->caracter(c);
        }
    }
};

// The exercise drawn (the question without its outer blanks, the answer, the keyboard), then
// the keys typed: what the answer line holds and what was reported.
struct Tecleig {
    const char* nom;
    int activitat, p1, p2, sep;
    float r1, r2;
    const char *pregunta, *solucio, *tecles, *escrit;
    int errors, correctes, teclat, idioma = 0;
};

const Tecleig kTeclejos[] = {
    {"punt", 1, 1000, 1999, 0, k1234, 0, kMil, "1.234", "1.234", "1.234", 0, 1, 1},
    {"help: point", 1, 1000, 1999, 0, k1234, 0, kMil, "1.234", "1?", "1.", 0, 0, 1},
    {"largest r", 1, 0, 1999, 0, kRMax, 0, "MIL NOU-CENTS NORANTA-NOU", "1.999", "", "", 0, 0, 1},
    {"zero", 1, 0, 0, 0, 0, 0, "ZERO", "0", "0", "0", 0, 1, 0},
    {"spanish", 1, 1000, 1999, 1, k1234, 0, "MIL DOSCIENTOS TREINTA Y CUATRO", "1 234", "1 234",
     "1 234", 0, 1, 1, 1},
    {"english: no words", 1, 1000, 1999, 0, k1234, 0, "", "", "?1", "", 1, 0, 1, 4},
    {"ordinal: no separator", 2, 1000, 1999, 0, k1234, 0, "MILÈ", "1000", "1.000", "1000", 0, 1, 1},
    {"ordinal: extra key", 2, 1000, 1999, 0, k1234, 0, "MILÈ", "1000", "1!.", "1", 1, 0, 1},
    {"ordinal in basque", 2, 1, 64, 0, 0.3125f, 0, "HOGEITA LEHENGO", "21", "21", "21", 0, 1, 0, 3},
    {"shown, punt", 3, 1234, 1234, 0, 0, kNum, kMcc, "1.234", "1.234", "1.234", 0, 1, 1},
    {"shown, espai", 3, 1234, 1234, 1, 0, kNum, kMcc, "1 234", "1 234", "1 234", 0, 1, 1},
    {"numeral asked", 3, 1234, 1234, 0, 0, kRoma, "1.234", kMcc, "mccxxxivi", kMcc, 0, 1, 2},
    {"below 1000: digit keys", 3, 1, 999, 0, kRMax, kNum, "CMXCIX", "999", "999", "999", 0, 1, 0},
    {"below 1000: numeral", 3, 1, 999, 0, 0, kRoma, "1", "I", "I", "I", 0, 1, 2},
    {"1000 at most", 3, 1, 1000, 0, 0, kNum, "I", "1", "1", "1", 0, 1, 1},
    {"longest numeral", 3, 3888, 3888, 0, 0, kRoma, "3.888", "MMMDCCCLXXXVIII", "MMMDCCCLXXXVIII",
     "MMMDCCCLXXXVIII", 0, 1, 2},
    {"1994", 3, 1, 3999, 2, 0.4985f, kNum, "MCMXCIV", "1994", "1994", "1994", 0, 1, 1},
};

// Over 0..2^24 - 1 the draw of r = n / 2^24 is exactly n.
struct Ordenar {
    FakeContext ctx;
    ScriptedAtzar atzar;
    ActivitatOrdenar act;
    explicit Ordenar(const QString& nombres, int sep = 0) : atzar(rs(nombres)), act(ctx) {
        ctx.atzarPtr = &atzar, ctx.p1 = 0, ctx.p2 = (1 << 24) - 1, ctx.sep = sep;
        act.preparar();
    }
    static QList<float> rs(const QString& nombres) {
        QList<float> out;
        for (const QString& n : nombres.split(u' '))
            out.append(n.toFloat() / float(1 << 24));
        return out;
    }
    // Drops "origin>target ...": how many of them changed the list.
    int deixa(const QString& deixades) {
        int sons = 0;
        for (const QString& d : deixades.split(u' ', Qt::SkipEmptyParts))
            sons += act.deixa(d.section(u'>', 0, 0).toInt(), d.section(u'>', 1).toInt());
        return sons;
    }
    QString captions(bool tags = false) const {
        QStringList out;
        for (const auto& p : act.paraules())
            out.append(tags ? p.tag : p.caption);
        return out.join(u'|');
    }
};

// Words dropped, then the list checked ('C'), helped ('A') or left as it is.
struct Ordre {
    const char *nom, *nombres, *deixades;
    char accio;
    const char* captions;
    int sons, correctes; // drops that changed the list, right exercises
};

const Ordre kOrdres[] = {
    {"down", "10 20 30 40 50 60", "1>4", 0, "10|30|40|50|20|60", 1, 0},
    {"up", "10 20 30 40 50 60", "4>1", 0, "10|50|20|30|40|60", 1, 0},
    {"onto itself", "10 20 30 40 50 60", "2>2", 0, "10|20|30|40|50|60", 0, 0},
    {"outside the list", "10 20 30 40 50 60", "-1>2 2>6 6>0", 0, "10|20|30|40|50|60", 0, 0},
    {"a duplicate blanked", "7 3 7 1 2 9", "2>0", 0, "7|3||1|2|9", 1, 0},
    {"a blank moved down", "7 3 7 1 2 9", "0>2 0>5", 0, "3|7|1|2|9|", 2, 0},
    {"a blank onto a blank", "4 4 4 1 2 3", "0>1 1>2 0>1", 0, "||4|1|2|3", 3, 0},
    {"sorted by dragging", "40 10 60 20 50 30", "1>0 3>1 5>2 5>4", 'C', "10|20|30|40|50|60", 4, 1},
    {"not sorted", "40 10 60 20 50 30", "", 'C', "40|10|60|20|50|30", 0, 0},
    {"equal neighbours", "1 2 2 3 3 3", "", 'C', "1|2|2|3|3|3", 0, 1},
    {"drawn sorted", "0 9 99 999 9999 99999", "", 'C', "0|9|99|999|9.999|99.999", 0, 1},
    {"a blank on top", "1 1 2 3 4 5", "0>1", 'C', "|1|2|3|4|5", 1, 0},
    {"two blanks at the bottom", "1 2 2 3 3 9", "2>1 2>5 3>2 3>4", 'C', "1|2|3|9||", 4, 1},
    {"a blank between a blank and a number", "1 2 2 3 3 9", "2>1 2>5 3>2", 'C', "1|2|3||9|", 3, 0},
    {"help: duplicates once, blanks below", "1000 5 1000 0 5 5", "", 'A', "0|5|1.000|||", 0, 1},
    {"help after a blanking", "9 8 9 7 6 5", "2>0", 'A', "5|6|7|8|9|", 1, 1},
};

} // namespace

class TestNumeracio : public QObject {
    Q_OBJECT
private slots:
    void tecleig_data() { files(kTeclejos); }
    void tecleig() {
        const Tecleig& t = fila(kTeclejos);
        Linia b(t.activitat, t.p1, t.p2, t.sep, {t.r1, t.r2}, t.idioma);
        QCOMPARE(b.act->pregunta().trimmed(), QString::fromUtf8(t.pregunta));
        QCOMPARE(b.act->solucio(), QString::fromUtf8(t.solucio));
        QCOMPARE(b.act->teclat(), t.teclat);
        b.prem(QString::fromUtf8(t.tecles));
        QCOMPARE(b.act->linia().escrit(), QString::fromUtf8(t.escrit));
        QCOMPARE(b.ctx.errors, t.errors);
        QCOMPARE(b.ctx.correctes, t.correctes);
        QCOMPARE(b.act->completa(), t.correctes == 1);
    }

    // The next exercise starts on an empty line; the Roman keypad follows each answer.
    void seguent() {
        Linia c(1, 0, 1999, 0, {k1234 / 2, 0.5f}); // 234, then 1000
        c.prem(QStringLiteral("239"));
        QVERIFY(c.act->linia().senyalVermell());
        c.act->novaOperacio();
        QCOMPARE(c.act->pregunta() + c.act->solucio(), QStringLiteral(" MIL 1.000"));
        QVERIFY(c.act->linia().escrit().isEmpty() && !c.act->completa());
        QVERIFY(c.act->linia().senyalVisible() && !c.act->linia().senyalVermell());
        Linia r(3, 1, 500, 0, {0.5f, kRoma, 0.5f, kNum, 0.5f, kRoma});
        QList<int> teclats{r.act->teclat()};
        for (int i = 0; i < 2; ++i) {
            r.act->novaOperacio();
            teclats << r.act->teclat();
        }
        QCOMPARE(teclats, (QList<int>{2, 0, 2}));
    }

    // The Roman numeral is asked as often as the number.
    void direccions() {
        FakeContext ctx;
        Atzar atzar(2024);
        ctx.atzarPtr = &atzar;
        ctx.p2 = 3999;
        ActivitatRomans act(ctx);
        act.preparar();
        int demanats = 0;
        for (int i = 0; i < 10000; ++i, act.novaOperacio())
            demanats += act.romaDemanat() ? 1 : 0;
        QVERIFY2(demanats >= 4500 && demanats <= 5500, qPrintable(QString::number(demanats)));
    }

    // Captions grouped by the separator, tags in plain digits, the sorted texts right-aligned in
    // 11 characters.
    void llistaNova() {
        QStringList fets;
        for (const int sep : {0, 2}) {
            Ordenar b(QStringLiteral("1234567 5 1000 999 1000 0"), sep);
            fets << b.captions() << b.captions(true) << b.act.textsRelacio().join(u'|');
            QVERIFY(b.act.arrossegable());
        }
        QCOMPARE(fets,
                 QStringList({
                     "1.234.567|5|1.000|999|1.000|0",
                     "1234567|5|1000|999|1000|0",
                     "          0|          5|        999|      1.000|      1.000|  1.234.567",
                     "1234567|5|1000|999|1000|0",
                     "1234567|5|1000|999|1000|0",
                     "          0|          5|        999|       1000|       1000|    1234567",
                 }));
    }

    void ordre_data() { files(kOrdres); }
    void ordre() {
        const Ordre& o = fila(kOrdres);
        Ordenar b(QString::fromLatin1(o.nombres));
        QCOMPARE(b.deixa(QString::fromLatin1(o.deixades)), o.sons);
        const QString tags = b.captions(true);
        if (o.accio == 0) {
            QCOMPARE(b.captions(), QString::fromLatin1(o.captions));
            QCOMPARE(tags, b.captions()); // below 1000 the tag follows the caption, blanks too
            return;
        }
        o.accio == 'C' ? b.act.comprova() : b.act.ajuda();
        QCOMPARE(b.captions(), QString::fromLatin1(o.captions));
        QCOMPARE(b.ctx.correctes, o.correctes);
        QCOMPARE(b.ctx.errors, 1 - o.correctes); // help's error is the series' to count
        QCOMPARE(b.ctx.missatgeId, o.accio == 'A' ? 68 : o.correctes ? 0 : 72);
        QCOMPARE(b.captions(true), tags);
        // Once checked or helped, the list takes neither drops nor a second check.
        QVERIFY(!b.act.arrossegable() && !b.act.deixa(0, 5));
        b.act.comprova();
        QCOMPARE(b.ctx.correctes + b.ctx.errors, 1);
        QCOMPARE(b.captions(), QString::fromLatin1(o.captions));
    }

    // After a wrong order the same list comes back to be corrected; after a right one a new one.
    void ordreSeguent() {
        Ordenar b(QStringLiteral("40 10 60 20 50 30 1 2 3 4 5 6"));
        b.deixa(QStringLiteral("1>0"));
        b.act.comprova();
        b.act.novaOperacio(); // the series calls it before the message is cleared
        QCOMPARE(b.captions(), QStringLiteral("10|40|60|20|50|30"));
        QVERIFY(b.act.arrossegable());
        b.ctx.missatgeId = 0;
        b.deixa(QStringLiteral("3>1 5>2 5>4"));
        b.act.comprova();
        b.act.novaOperacio();
        QCOMPARE(b.ctx.correctes, 1);
        QCOMPARE(b.captions(), QStringLiteral("1|2|3|4|5|6"));
        QVERIFY(b.act.arrossegable());
    }
};

QTEST_GUILESS_MAIN(TestNumeracio)
#include "tst_Numeracio.moc"
