#include "tests/numeration/helpers/WordReaders.h"

#include <array>
#include <cstring>

namespace {

enum class Kind {
    Add,     // a value that adds to the group being read
    Hundred, // multiplies the group read so far by 100 (alone it is 100)
    Scale,   // closes the group (alone it counts 1) times 1000 or 1 000 000
    Link,    // a linking word: "i", "y", "e", "eta"
};

// A small open-addressing table over the literals below: a word is found straight from a view
// into the phrase, which keeps the loops over a million phrases quick even in an unoptimised build.
class Lexicon {
public:
    // The blank-separated `words` are worth first, first + step, first + 2 step...
    Lexicon& add(Kind kind, qint64 first, qint64 step, const char16_t* words) {
        for (const char16_t* w = words; *w; first += step) {
            qsizetype n = 0;
            while (w[n] && w[n] != u' ')
                ++n;
            if (Entrada& e = table_[slot(w, n)]; !e.text)
                e = {w, n, kind, first};
            w += w[n] ? n + 1 : n;
        }
        return *this;
    }
    Lexicon& add(Kind kind, qint64 value, const char16_t* w) { return add(kind, value, 0, w); }
    Lexicon& units(qint64 first, const char16_t* w) { return add(Kind::Add, first, 1, w); }
    Lexicon& tens(qint64 first, const char16_t* w) { return add(Kind::Add, first, 10, w); }
    Lexicon& hundreds(qint64 first, const char16_t* w) { return add(Kind::Add, first, 100, w); }

    struct Entrada {
        const char16_t* text = nullptr;
        qsizetype size = 0;
        Kind kind;
        qint64 value;
    };
    const Entrada* find(const char16_t* text, qsizetype size) const {
        const Entrada& e = table_[slot(text, size)];
        return e.text ? &e : nullptr;
    }

private:
    static constexpr unsigned kSlots = 512;
    // Where `text` is, or the free slot where it would go.
    unsigned slot(const char16_t* text, qsizetype size) const {
        unsigned h = 2166136261u;
        for (qsizetype i = 0; i < size; ++i)
            h = (h ^ text[i]) * 16777619u;
        for (h %= kSlots; table_[h].text; h = (h + 1) % kSlots)
            if (table_[h].size == size && std::memcmp(table_[h].text, text, size * 2) == 0)
                break;
        return h;
    }
    std::array<Entrada, kSlots> table_;
};

std::optional<qint64> readWith(const Lexicon& lex, const QString& frase) {
    qint64 total = 0, group = 0;
    int words = 0;
    const char16_t* text = reinterpret_cast<const char16_t*>(frase.utf16());
    for (qsizetype start = 0, end = 0; start < frase.size(); start = end + 1) {
        for (end = start; end < frase.size() && text[end] != u' ' && text[end] != u'-';)
            ++end;
        if (end == start)
            continue;
        const Lexicon::Entrada* w = lex.find(text + start, end - start);
        if (!w)
            return std::nullopt;
        ++words;
        if (w->kind == Kind::Add)
            group += w->value;
        else if (w->kind == Kind::Hundred)
            group = (group == 0 ? 1 : group) * 100;
        else if (w->kind == Kind::Scale)
            total += (group == 0 ? 1 : group) * w->value, group = 0;
    }
    return words ? std::optional<qint64>(total + group) : std::nullopt;
}

// Catalan words shared by cardinals and ordinals: units from two, tens, hundreds and the link.
const Lexicon kCatala =
    Lexicon()
        .units(2, u"DOS TRES QUATRE CINC SIS SET VUIT NOU")
        .tens(20, u"VINT TRENTA QUARANTA CINQUANTA SEIXANTA SETANTA VUITANTA NORANTA")
        .add(Kind::Hundred, 100, u"CENT CENTS")
        .add(Kind::Link, 0, u"I");
const Lexicon kCatalaCardinal =
    Lexicon(kCatala)
        .units(0, u"ZERO UN")
        .units(10, u"DEU ONZE DOTZE TRETZE CATORZE QUINZE SETZE DISSET DIVUIT DINOU")
        .add(Kind::Scale, 1000, u"MIL")
        .add(Kind::Scale, 1000000, u"MILIÓ MILIONS");
const Lexicon kCatalaOrdinal =
    Lexicon(kCatala)
        .units(1, u"PRIMER SEGON TERCER QUART CINQUÈ SISÈ SETÈ VUITÈ NOVÈ")
        .units(1, u"UNÈ DOSÈ TRESÈ QUATRÈ")
        .units(10, u"DESÈ ONZÈ DOTZÈ TRETZÈ CATORZÈ QUINZÈ SETZÈ DISSETÈ DIVUITÈ DINOVÈ")
        .tens(20, u"VINTÈ TRENTÈ QUARANTÈ CINQUANTÈ SEIXANTÈ SETANTÈ VUITANTÈ NORANTÈ")
        .add(Kind::Hundred, 100, u"CENTÈ")
        .add(Kind::Scale, 1000, u"MILÈ");
const Lexicon kCastellaCardinal =
    Lexicon()
        .units(0, u"CERO UNO DOS TRES CUATRO CINCO SEIS SIETE OCHO NUEVE DIEZ ONCE DOCE TRECE "
                  u"CATORCE QUINCE DIECISÉIS DIECISIETE DIECIOCHO DIECINUEVE VEINTE")
        .units(21,
               u"VEINTIUNO VEINTIDÓS VEINTITRÉS VEINTICUATRO VEINTICINCO VEINTISÉIS VEINTISIETE "
               u"VEINTIOCHO VEINTINUEVE")
        .add(Kind::Add, 1, u"UN")
        .add(Kind::Add, 21, u"VEINTIÚN")
        .tens(30, u"TREINTA CUARENTA CINCUENTA SESENTA SETENTA OCHENTA NOVENTA")
        .add(Kind::Add, 100, u"CIEN CIENTO")
        .hundreds(200, u"DOSCIENTOS TRESCIENTOS CUATROCIENTOS QUINIENTOS SEISCIENTOS SETECIENTOS "
                       u"OCHOCIENTOS NOVECIENTOS")
        .add(Kind::Scale, 1000, u"MIL")
        .add(Kind::Scale, 1000000, u"MILLÓN MILLONES")
        .add(Kind::Link, 0, u"Y");
const Lexicon kCastellaOrdinal =
    Lexicon()
        .units(1,
               u"PRIMERO SEGUNDO TERCERO CUARTO QUINTO SEXTO SÉPTIMO OCTAVO NOVENO DÉCIMO UNDÉCIMO "
               u"DUODÉCIMO DECIMOTERCERO DECIMOCUARTO DECIMOQUINTO DECIMOSEXTO DECIMOSÉPTIMO "
               u"DECIMOCTAVO DECIMONOVENO")
        .tens(20, u"VIGÉSIMO TRIGÉSIMO QUADRAGÉSIMO QUINCUAGÉSIMO SEXAGÉSIMO SEPTUAGÉSIMO "
                  u"OCTOGÉSIMO NONAGÉSIMO")
        .hundreds(100, u"CENTÉSIMO DUOCENTÉSIMO TRICENTÉSIMO CUADRICENTÉSIMO QUINCUACENTÉSIMO "
                       u"SEXCENTÉSIMO SEPTINGENTÉSIMO OCTINGENTÉSIMO NONINGENTÉSIMO MILÉSIMO");
const Lexicon kGalecCardinal =
    Lexicon()
        .units(0, u"CERO UN DOUS TRES CATRO CINCO SEIS SETE OITO NOVE DEZ ONCE DOCE TRECE CATORCE "
                  u"QUINCE DEZASEIS DEZASETE DEZAOITO DEZANOVE VINTE VINTEÚN VINTEDOUS VINTETRÉS "
                  u"VINTECATRO VINTECINCO VINTESEIS VINTESETE VINTEOITO VINTENOVE")
        .tens(30, u"TRINTA CORENTA CINCUENTA SESENTA SETENTA OITENTA NOVENTA")
        .add(Kind::Add, 100, u"CEN CENTO")
        .hundreds(200, u"DOUSCENTOS TRESCENTOS CATROCENTOS QUIÑENTOS SEISCENTOS SETECENTOS "
                       u"OITOCENTOS NOVECENTOS")
        .add(Kind::Scale, 1000, u"MIL")
        .add(Kind::Scale, 1000000, u"MILLÓN MILLÓNS")
        .add(Kind::Link, 0, u"E");
const Lexicon kGalecOrdinal =
    Lexicon()
        .units(1, u"PRIMEIRO SEGUNDO TERCEIRO CUARTO QUINTO SEXTO SÉTIMO OITAVO NOVENO DÉCIMO "
                  u"UNDÉCIMO DUODÉCIMO")
        .tens(20, u"VIXÉSIMO TRIXÉSIMO CUADRAXÉSIMO QUINCUAXÉSIMO SESAXÉSIMO SEPTUAXÉSIMO "
                  u"OCTOXÉSIMO NONAXÉSIMO")
        .hundreds(100, u"CENTÉSIMO DUOCENTÉSIMO TRICENTÉSIMO CUADRICENTÉSIMO QUIXENTÉSIMO "
                       u"SEXCENTÉSIMO SEPTIXENTÉSIMO OCTIXENTÉSIMO NONIXENTÉSIMO MILÉSIMO");
const Lexicon kBascCardinal =
    Lexicon()
        .units(0, u"ZERO BAT BI HIRU LAU BOST SEI ZAZPI ZORTZI BEDERATZI HAMAR HAMAIKA HAMABI "
                  u"HAMAHIRU HAMALAU HAMABOST HAMASEI HAMAZAZPI HEMEZORTZI HEMERETZI")
        .add(Kind::Add, 20, 20, u"HOGEI BERROGEI HIRUROGEI LAUROGEI")
        .add(Kind::Add, 20, 20, u"HOGEITA BERROGEITA HIRUROGEITA LAUROGEITA")
        .hundreds(100, u"EHUN BERREHUN HIRUREHUN LAUREHUN BOSTEHUN SEIEHUN ZAZPIEHUN ZORTZIEHUN "
                       u"BEDERATZIEHUN")
        .add(Kind::Scale, 1000, u"MILA")
        .add(Kind::Scale, 1000000, u"MILIOI")
        .add(Kind::Link, 0, u"ETA");

} // namespace

namespace WordReaders {

std::optional<qint64> llegeix(int idioma, bool ordinal, const QString& frase) {
    const Lexicon* const kLexicons[][2] = {{&kCatalaCardinal, &kCatalaOrdinal},
                                           {&kCastellaCardinal, &kCastellaOrdinal},
                                           {&kGalecCardinal, &kGalecOrdinal}};
    if (idioma != 3)
        return readWith(*kLexicons[idioma][ordinal], frase);
    QString text = frase.trimmed();
    if (ordinal) {
        // Every Basque ordinal but those ending in "lehengo" (the first) carries the suffix
        // "garren"; what goes before it reads as a cardinal.
        if (text.endsWith(QStringLiteral("LEHENGO")))
            text = text.chopped(7) + QStringLiteral("BAT");
        else if (text.endsWith(QStringLiteral("GARREN")) && text.size() > 6)
            text.chop(6);
        else
            return std::nullopt;
    }
    // One million is "milioi bat" in Basque, the scale before its one: read in the usual order.
    if (text == QStringLiteral("MILIOI BAT") || text.startsWith(QStringLiteral("MILIOI BAT ")))
        text = QStringLiteral("BAT MILIOI") + text.mid(10);
    return readWith(kBascCardinal, text);
}

} // namespace WordReaders
