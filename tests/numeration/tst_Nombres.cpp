#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"
#include "numeration/NomsNombres.h"
#include "numeration/UpperCase.h"
#include "numeration/XifresRomanes.h"
#include "tests/numeration/helpers/WordReaders.h"
#include "tests/support/FakeContext.h"
#include "tests/support/Taula.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <random>

namespace {

using WordReaders::llegeix;
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
constexpr qint64 kMax = std::numeric_limits<qint64>::max();

// Capital words joined by single blanks or hyphens, with at most one blank at either end. Plain
// A to Z is settled without asking Unicode, which keeps the loops over whole ranges quick.
bool benFormada(const QString& frase) {
    const char16_t* p = reinterpret_cast<const char16_t*>(frase.utf16());
    const qsizetype n = frase.size();
    const auto lletra = [p, n](qsizetype i) {
        return i >= 0 && i < n &&
               ((p[i] >= u'A' && p[i] <= u'Z') || (p[i] > 0x7F && QChar(p[i]).isUpper()));
    };
    bool paraula = false;
    for (qsizetype i = 0; i < n; ++i) {
        if (lletra(i))
            paraula = true;
        else if (p[i] == u'-' ? !lletra(i - 1) || !lletra(i + 1)
                              : p[i] != u' ' || (i > 0 && p[i - 1] == u' '))
            return false;
    }
    return paraula;
}

// Whether `solucio` is n in digits grouped in threes from the right by the separator of
// `separador` ("." / blank / none); built on the stack, as the loops ask it a million times.
bool agrupat(const QString& solucio, qint64 n, int separador) {
    char16_t text[16];
    int i = 16;
    for (int xifres = 0; xifres == 0 || n > 0; ++xifres, n /= 10) {
        if (xifres > 0 && xifres % 3 == 0 && separador < 2)
            text[--i] = separador == 0 ? u'.' : u' ';
        text[--i] = char16_t(u'0' + n % 10);
    }
    return solucio.size() == 16 - i &&
           std::memcmp(solucio.utf16(), text + i, (16 - i) * sizeof(char16_t)) == 0;
}

// One language and phrases worked out by hand as "n:PHRASE|...": `cardinals` and `ordinals`
// without their outer blanks, as the word rules list them, the `...Exactes` blank for blank.
struct Llengua {
    const char* nom;
    int idioma;
    const char *cardinals, *exactes, *ordinals, *ordinalsExactes;
};
const Llengua kLlengues[] = {
    {"catala", 0,
     "1:UN|10:DEU|15:QUINZE|20:VINT|21:VINT-I-UN|31:TRENTA-UN|99:NORANTA-NOU|101:CENT UN|121:CENT "
     "VINT-I-UN|200:DOS-CENTS|2000:DOS MIL|21000:VINT-I-UN MIL|110000:CENT DEU MIL|1000000:UN "
     "MILIÓ|2000000:DOS MILIONS|21000000:VINT-I-UN MILIONS",
     "1000: MIL |1001: MIL UN |999:NOU-CENTS NORANTA-NOU |100:CENT |110:CENT DEU |100000:CENT MIL "
     "|1001000:UN MILIÓ MIL |0:ZERO|123456789:CENT VINT-I-TRES MILIONS QUATRE-CENTS CINQUANTA-SIS "
     "MIL SET-CENTS VUITANTA-NOU |999999999:NOU-CENTS NORANTA-NOU MILIONS NOU-CENTS NORANTA-NOU "
     "MIL NOU-CENTS NORANTA-NOU ",
     "1:PRIMER|2:SEGON|3:TERCER|4:QUART|5:CINQUÈ|10:DESÈ|11:ONZÈ|19:DINOVÈ|21:VINT-I-UNÈ|"
     "31:TRENTA-UNÈ|99:NORANTA-NOVÈ|100:CENTÈ|101:CENT-PRIMER|110:CENT-DESÈ|121:CENT-VINT-I-UNÈ|"
     "150:CENT-CINQUANTÈ|200:DOS-CENTÈ|201:DOS-CENTS PRIMER|500:CINC-CENTÈ|999:NOU-CENTS "
     "NORANTA-NOVÈ|1000:MILÈ",
     "20:VINTÈ |30:TRENTÈ |300:TRES-CENTÈ|340:TRES-CENTS QUARANTÈ |64:SEIXANTA-QUATRÈ"},
    {"castella", 1,
     "0:CERO|1:UNO|16:DIECISÉIS|21:VEINTIUNO|22:VEINTIDÓS|26:VEINTISÉIS|31:TREINTA Y UNO|"
     "101:CIENTO UNO|110:CIENTO DIEZ|200:DOSCIENTOS|500:QUINIENTOS|1001:MIL UNO|21000:VEINTIÚN "
     "MIL|31000:TREINTA Y UN MIL|100000:CIEN MIL|1000000:UN MILLÓN|2000000:DOS MILLONES|"
     "21000000:VEINTIÚN MILLONES",
     "1000: MIL |100:CIEN |20:VEINTE |101000:CIENTO UN MIL |1001000:UN MILLÓN MIL |2021:DOS MIL "
     "VEINTIUNO |715016:SETECIENTOS QUINCE MIL DIECISÉIS |999999999:NOVECIENTOS NOVENTA Y NUEVE "
     "MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE ",
     "1:PRIMERO|7:SÉPTIMO|10:DÉCIMO|11:UNDÉCIMO|12:DUODÉCIMO|13:DECIMOTERCERO|18:DECIMOCTAVO|"
     "21:VIGÉSIMO PRIMERO|40:QUADRAGÉSIMO|100:CENTÉSIMO|101:CENTÉSIMO PRIMERO|200:DUOCENTÉSIMO|"
     "500:QUINCUACENTÉSIMO|999:NONINGENTÉSIMO NONAGÉSIMO NOVENO",
     "20:VIGÉSIMO |700:SEPTINGENTÉSIMO |317:TRICENTÉSIMO DECIMOSÉPTIMO|1000:MILÉSIMO"},
    {"galec", 2,
     "0:CERO|1:UN|2:DOUS|16:DEZASEIS|20:VINTE|21:VINTEÚN|22:VINTEDOUS|23:VINTETRÉS|31:TRINTA E UN|"
     "101:CENTO UN|110:CENTO DEZ|200:DOUSCENTOS|500:QUIÑENTOS|21000:VINTEÚN MIL|100000:CEN MIL|"
     "1000000:UN MILLÓN|2000000:DOUS MILLÓNS",
     "1000: MIL |1001: MIL UN |100:CEN |101000:CENTO UN MIL |31000000:TRINTA E UN MILLÓNS |"
     "425821019:CATROCENTOS VINTECINCO MILLÓNS OITOCENTOS VINTEÚN MIL DEZANOVE ",
     "1:PRIMEIRO|7:SÉTIMO|8:OITAVO|10:DÉCIMO|11:UNDÉCIMO|13:DÉCIMO TERCEIRO|18:DÉCIMO OITAVO|"
     "20:VIXÉSIMO|21:VIXÉSIMO PRIMEIRO|40:CUADRAXÉSIMO|100:CENTÉSIMO|500:QUIXENTÉSIMO|"
     "1000:MILÉSIMO",
     "60:SESAXÉSIMO |712:SEPTIXENTÉSIMO DUODÉCIMO|919:NONIXENTÉSIMO DÉCIMO NOVENO"},
    {"basc", 3,
     "0:ZERO|1:BAT|2:BI|10:HAMAR|11:HAMAIKA|15:HAMABOST|20:HOGEI|21:HOGEITA BAT|30:HOGEITA HAMAR|"
     "35:HOGEITA HAMABOST|40:BERROGEI|50:BERROGEITA HAMAR|60:HIRUROGEI|80:LAUROGEI|99:LAUROGEITA "
     "HEMERETZI|100:EHUN|101:EHUN ETA BAT|110:EHUN ETA HAMAR|200:BERREHUN|999:BEDERATZIEHUN ETA "
     "LAUROGEITA HEMERETZI|2000:BI MILA|21000:HOGEITA BAT MILA|2000000:BI MILIOI",
     "1000: MILA |1000000: MILIOI BAT |1001000: MILIOI BAT MILA |1000005: MILIOI BAT BOST |"
     "101000000:EHUN ETA BAT MILIOI |70000:HIRUROGEITA HAMAR MILA |317518213:HIRUREHUN ETA "
     "HAMAZAZPI MILIOI BOSTEHUN ETA HEMEZORTZI MILA BERREHUN ETA HAMAHIRU ",
     "1:LEHENGO|2:BIGARREN|3:HIRUGARREN|11:HAMAIKAGARREN|20:HOGEIGARREN|21:HOGEITA LEHENGO|"
     "22:HOGEITA BIGARREN|30:HOGEITA HAMARGARREN|40:BERROGEIGARREN|100:EHUNGARREN|101:EHUN ETA "
     "LEHENGO|1000:MILAGARREN",
     "10:HAMARGARREN|90:LAUROGEITA HAMARGARREN|600:SEIEHUNGARREN|917:BEDERATZIEHUN ETA "
     "HAMAZAZPIGARREN|441:LAUREHUN ETA BERROGEITA LEHENGO"},
};

// Every property of one number: the phrase well formed and read back as n by the reader written
// from the language's words, and the answer under each of `separadors`, the phrase unchanged.
QString cardinalFault(int idioma, qint64 n, std::initializer_list<int> separadors) {
    QString frase;
    for (const int s : separadors) {
        const FraseNombre p = *NomsNombres::fraseCardinal(idioma, n, s);
        if (frase.isNull() && benFormada(p.frase) && llegeix(idioma, false, p.frase) == n)
            frase = p.frase;
        if (frase.isNull() || p.frase != frase || !agrupat(p.solucio, n, s))
            return QString::asprintf("%lld, separator %d: \"%s\" %s", n, s, qUtf8Printable(p.frase),
                                     qUtf8Printable(p.solucio));
    }
    return {};
}

QString ordinalFault(int idioma, qint64 n) {
    const FraseNombre p = *NomsNombres::fraseOrdinal(idioma, n);
    if (!benFormada(p.frase) || llegeix(idioma, true, p.frase) != n ||
        p.solucio != QString::number(n))
        return QStringLiteral("%1: \"%2\" %3").arg(n).arg(p.frase, p.solucio);
    return {};
}

// The phrases of `items` as written, and as `make` gives them, trimmed when `trim`.
std::pair<QStringList, QStringList> frases(const char* items, bool trim,
                                           const std::function<QString(qint64)>& make) {
    QStringList esperades, fetes;
    for (const QString& item : QString::fromUtf8(items).split(u'|')) {
        const qsizetype colon = item.indexOf(u':');
        const QString feta = make(item.left(colon).toLongLong());
        esperades << item.mid(colon + 1);
        fetes << (trim ? feta.trimmed() : feta);
    }
    return {fetes, esperades};
}

// Reads a Roman numeral back by the subtractive rule alone (a letter worth less than the next
// one is taken away), apart from the program's digit tables; 0 for anything else.
int readRoman(const QString& numeral) {
    const auto valor = [&](qsizetype i) {
        const qsizetype k = QStringLiteral("IVXLCDM").indexOf(numeral.mid(i, 1));
        return i < numeral.size() && k >= 0 ? std::array{1, 5, 10, 50, 100, 500, 1000}[k] : 0;
    };
    int total = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        if (valor(i) == 0)
            return 0;
        total += valor(i) < valor(i + 1) ? -valor(i) : valor(i);
    }
    return total;
}

// r = 15/64 is exact in single precision: 1000 + 15/64 × 1000 draws 1234 from 1000..1999.
constexpr float k1234 = 0.234375f;
constexpr float kRMax = 0.99999994f;
const char* const kMil = "MIL DOS-CENTS TRENTA-QUATRE";
const char* const kMcc = "MCCXXXIV";
const char* const kMmm = "MMMDCCCLXXXVIII";
// The second draw of a Roman exercise picks the direction: 2r + 1 below 2 shows the numeral.
constexpr float kNum = 0.25f;
constexpr float kRoma = 0.75f;

// A numeration activity on the answer line (1 Cardinals, 2 Ordinals, 3 Romans) over draws `rs`.
struct Linia {
    FakeContext ctx;
    ScriptedAtzar atzar;
    std::unique_ptr<ActivitatLinia> act;
    Linia(int activitat, int p1, int p2, int sep, QList<float> rs, int idioma = 0)
        : atzar(std::move(rs)) {
        ctx.atzarPtr = &atzar, ctx.p1 = p1, ctx.p2 = p2, ctx.sep = sep, ctx.lang = idioma;
        using C = ActivitatCardinals;
        act = activitat == 3 ? std::unique_ptr<ActivitatLinia>(new ActivitatRomans(ctx))
                             : std::make_unique<C>(tipusActivitat(activitat), ctx);
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

// The exercise drawn (the question without its outer blanks, the answer, the keyboard), the
// keys typed, what the answer line holds and what was reported.
struct Tecleig {
    const char* nom;
    int activitat, p1, p2, sep;
    float r1, r2;
    const char *pregunta, *solucio, *tecles, *escrit;
    int errors, correctes, teclat, idioma = 0;
};
const Tecleig kTeclejos[] = {
    {"punt", 1, 1000, 1999, 0, k1234, 0, kMil, "1.234", "1.234", "1.234", 0, 1, 1},
    {"largest r", 1, 0, 1999, 0, kRMax, 0, "MIL NOU-CENTS NORANTA-NOU", "1.999", "", "", 0, 0, 1},
    {"zero", 1, 0, 0, 0, 0, 0, "ZERO", "0", "0", "0", 0, 1, 0},
    {"spanish", 1, 1000, 1999, 1, k1234, 0, "MIL DOSCIENTOS TREINTA Y CUATRO", "1 234", "1 234",
     "1 234", 0, 1, 1, 1},
    {"english: no words", 1, 1000, 1999, 0, k1234, 0, "", "", "?1", "", 1, 0, 1, 4},
    {"ordinal: no separator", 2, 1000, 1999, 0, k1234, 0, "MILÈ", "1000", "1.000", "1000", 0, 1, 1},
    {"ordinal: extra key", 2, 1000, 1999, 0, k1234, 0, "MILÈ", "1000", "1!.", "1", 1, 0, 1},
    {"ordinal in basque", 2, 1, 64, 0, 0.3125f, 0, "HOGEITA LEHENGO", "21", "21", "21", 0, 1, 0, 3},
    {"shown, punt", 3, 1234, 1234, 0, 0, kNum, kMcc, "1.234", "1.234", "1.234", 0, 1, 1},
    {"numeral asked", 3, 1234, 1234, 0, 0, kRoma, "1.234", kMcc, "mccxxxivi", kMcc, 0, 1, 2},
    {"below 1000: digit keys", 3, 1, 999, 0, kRMax, kNum, "CMXCIX", "999", "999", "999", 0, 1, 0},
    {"1000 at most", 3, 1, 1000, 0, 0, kNum, "I", "1", "1", "1", 0, 1, 1},
    {"longest numeral", 3, 3888, 3888, 0, 0, kRoma, "3.888", kMmm, kMmm, kMmm, 0, 1, 2},
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
    {"sorted by dragging", "40 10 60 20 50 30", "1>0 3>1 5>2 5>4", 'C', "10|20|30|40|50|60", 4, 1},
    {"a blank moved down", "7 3 7 1 2 9", "0>2 0>5", 0, "3|7|1|2|9|", 2, 0},
    {"equal neighbours", "1 2 2 3 3 3", "", 'C', "1|2|2|3|3|3", 0, 1},
    {"drawn sorted", "0 9 99 999 9999 99999", "", 'C', "0|9|99|999|9.999|99.999", 0, 1},
    {"a blank on top", "1 1 2 3 4 5", "0>1", 'C', "|1|2|3|4|5", 1, 0},
    {"two blanks at the bottom", "1 2 2 3 3 9", "2>1 2>5 3>2 3>4", 'C', "1|2|3|9||", 4, 1},
    {"a blank between a blank and a number", "1 2 2 3 3 9", "2>1 2>5 3>2", 'C', "1|2|3||9|", 3, 0},
    {"help: duplicates once, blanks below", "1000 5 1000 0 5 5", "", 'A', "0|5|1.000|||", 0, 1},
};

} // namespace

class TestNombres : public QObject {
    Q_OBJECT
private slots:
    // Through the language switch the board uses; out of range the number is clamped, so the
    // phrase and the answer stay one number.
    void exemples_data() { files(kLlengues); }
    void exemples() {
        const Llengua& l = fila(kLlengues);
        QVERIFY(NomsNombres::teParaules(l.idioma));
        const auto card = [&](qint64 n) {
            return NomsNombres::fraseCardinal(l.idioma, n, 1)->frase;
        };
        const auto ord = [&](qint64 n) { return NomsNombres::fraseOrdinal(l.idioma, n)->frase; };
        for (const auto& [fetes, esperades] :
             {frases(l.cardinals, true, card), frases(l.exactes, false, card),
              frases(l.ordinals, true, ord), frases(l.ordinalsExactes, false, ord)})
            QCOMPARE(fetes, esperades);
        QString fora; // the number read back = the answer, cardinal then ordinal
        for (const qint64 n : {kMin, qint64(-5), qint64(0), qint64(1001), qint64(1000000000), kMax})
            for (const bool o : {false, true}) {
                const FraseNombre p = *(o ? NomsNombres::fraseOrdinal(l.idioma, n)
                                          : NomsNombres::fraseCardinal(l.idioma, n, 2));
                fora += QString::asprintf("%lld=%s ", llegeix(l.idioma, o, p.frase).value_or(-1),
                                          qUtf8Printable(p.solucio));
            }
        QCOMPARE(fora,
                 QStringLiteral("0=0 1=1 0=0 1=1 0=0 1=1 1001=1001 1000=1000 "
                                "999999999=999999999 1000=1000 999999999=999999999 1000=1000 "));
    }

    // Every cardinal below a million (under separator n mod 3, so every separator meets every
    // group length), a fixed sample of the larger ones under all three, and every ordinal. The
    // longest run of the suite: CTest gives the languages in XIFRUM_A_PART entries of their own.
    void totsElsNombres_data() {
        const QStringList aPart =
            qEnvironmentVariable("XIFRUM_A_PART").split(u' ', Qt::SkipEmptyParts);
        QTest::addColumn<int>("fila");
        for (int i = 0; i < int(std::size(kLlengues)); ++i)
            if (!aPart.contains(QLatin1String(kLlengues[i].nom)))
                QTest::newRow(kLlengues[i].nom) << i;
    }
    void totsElsNombres() {
        const Llengua& l = fila(kLlengues);
        QString f;
        for (qint64 n = 0; n < 1000000 && f.isEmpty(); ++n)
            f = cardinalFault(l.idioma, n, {int(n % 3)});
        std::mt19937 gen(20261206);
        std::uniform_int_distribution<qint64> draw(1000000, 999999999);
        for (int i = 0; i < 5000 && f.isEmpty(); ++i)
            f = cardinalFault(l.idioma, draw(gen), {0, 1, 2});
        for (qint64 n = 1; n <= 1000 && f.isEmpty(); ++n)
            f = ordinalFault(l.idioma, n);
        QVERIFY2(f.isEmpty(), qPrintable(f));
    }

    // English and any unknown index have no number words: the board keeps its question.
    void senseParaules() {
        for (const int idioma : {4, 5, -1, 32767}) {
            QVERIFY(!NomsNombres::teParaules(idioma));
            QVERIFY(!NomsNombres::fraseCardinal(idioma, 5, 0) &&
                    !NomsNombres::fraseOrdinal(idioma, 5));
        }
    }

    // Every accented letter of the four languages keeps its accent, whatever the locale.
    void majuscules() {
        QCOMPARE(UpperCase::of(QString::fromUtf8("àáéèíïóòúüñç l·l Milè ")),
                 QString::fromUtf8("ÀÁÉÈÍÏÓÒÚÜÑÇ L·L MILÈ "));
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const QString turc = UpperCase::of(QStringLiteral("vint-i-un milions"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(turc, QStringLiteral("VINT-I-UN MILIONS"));
    }

    void romans() {
        // Besides the numerals the answer lines take (1, 999, 1234, 1994, 3888).
        const auto [fets, esperats] = frases("4:IV|14:XIV|40:XL|400:CD|3999:MMMCMXCIX", false,
                                             [](qint64 n) { return XifresRomanes::numeral(n); });
        QCOMPARE(fets, esperats);
        // Every numeral reads back, in the standard form: no letter four times in a row, V, L, D
        // once at most, 15 letters at most.
        qsizetype longest = 0;
        for (int n = 1; n <= 3999; ++n) {
            const QString r = XifresRomanes::numeral(n);
            const bool standard =
                !QRegularExpression("(.)\\1\\1\\1|V.*V|L.*L|D.*D").match(r).hasMatch();
            QVERIFY2(readRoman(r) == n && standard,
                     qPrintable(QStringLiteral("%1: %2").arg(n).arg(r)));
            longest = std::max(longest, r.size());
        }
        QCOMPARE(longest, qsizetype(15));
        // Outside 1..3999 the number is clamped, so numeral and number text still agree.
        QStringList textos;
        for (const qint64 n : {qint64(0), qint64(-9), kMin, qint64(4000), kMax})
            textos << XifresRomanes::numeral(n) + XifresRomanes::textNombre(n, 0);
        for (const int sep : {0, 1, 2})
            textos << XifresRomanes::textNombre(1234, sep);
        QCOMPARE(textos.join(u' ') + XifresRomanes::textNombre(999, 1),
                 QStringLiteral("I1 I1 I1 MMMCMXCIX3.999 MMMCMXCIX3.999 1.234 1 234 1234999"));
    }

    void tecleig_data() { files(kTeclejos); }
    void tecleig() {
        const Tecleig& t = fila(kTeclejos);
        Linia b(t.activitat, t.p1, t.p2, t.sep, {t.r1, t.r2}, t.idioma);
        QCOMPARE(b.act->pregunta().trimmed(), QString::fromUtf8(t.pregunta));
        QCOMPARE(b.act->solucio(), QString::fromUtf8(t.solucio));
        b.prem(QString::fromUtf8(t.tecles));
        QCOMPARE(b.act->linia().escrit(), QString::fromUtf8(t.escrit));
        QCOMPARE(QList<int>({b.act->teclat(), b.ctx.errors, b.ctx.correctes, b.act->completa()}),
                 QList<int>({t.teclat, t.errors, t.correctes, t.correctes}));
    }

    // The next exercise starts on an empty line; the Roman keypad follows each answer.
    void seguent() {
        Linia c(1, 0, 1999, 0, {k1234 / 2, 0.5f}); // 234, then 1000
        c.prem(QStringLiteral("239"));
        QVERIFY(c.act->linia().senyalVermell());
        c.act->novaOperacio();
        QCOMPARE(c.act->pregunta() + c.act->solucio(), QStringLiteral(" MIL 1.000"));
        QVERIFY(c.act->linia().escrit().isEmpty() && !c.act->completa() &&
                c.act->linia().senyalVisible() && !c.act->linia().senyalVermell());
        Linia r(3, 1, 500, 0, {0.5f, kRoma, 0.5f, kNum, 0.5f, kRoma});
        QList<int> teclats{r.act->teclat()};
        for (int i = 0; i < 2; ++i, teclats << r.act->teclat())
            r.act->novaOperacio();
        QCOMPARE(teclats, (QList<int>{2, 0, 2}));
    }

    // The Roman numeral is asked as often as the number.
    void direccions() {
        FakeContext ctx;
        Atzar atzar(2024);
        ctx.atzarPtr = &atzar, ctx.p2 = 3999;
        ActivitatRomans act(ctx);
        act.preparar();
        int demanats = 0;
        for (int i = 0; i < 10000; ++i, act.novaOperacio())
            demanats += act.romaDemanat() ? 1 : 0;
        QVERIFY2(demanats >= 4500 && demanats <= 5500, qPrintable(QString::number(demanats)));
    }

    // Captions grouped by the separator, tags plain, the sorted texts right-aligned in 11 places.
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
        QVERIFY(o.accio || tags == b.captions()); // below 1000 the tag follows the caption
        if (o.accio) { // once checked or helped, the list takes neither drops nor a second check
            o.accio == 'C' ? b.act.comprova() : b.act.ajuda();
            QVERIFY(!b.act.arrossegable() && !b.act.deixa(0, 5));
            b.act.comprova();
        }
        QCOMPARE(b.captions(true), tags);
        // The list, right exercises/errors (help's error is the series' to count), the message.
        const int errors = o.accio ? 1 - o.correctes : 0;
        const int missatge = o.accio == 'A' ? 68 : errors ? 72 : 0;
        QCOMPARE(QString::asprintf("%s %d/%d m%d", qPrintable(b.captions()), b.ctx.correctes,
                                   b.ctx.errors, b.ctx.missatgeId),
                 QString::asprintf("%s %d/%d m%d", o.captions, o.correctes, errors, missatge));
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

QTEST_GUILESS_MAIN(TestNombres)
#include "tst_Nombres.moc"
