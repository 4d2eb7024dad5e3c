#include "WordReaders.h"

#include <QStringList>
#include <array>
#include <cstring>
#include <vector>

namespace {

enum class Kind {
    Add,     // a value that adds to the group being read
    Hundred, // multiplies the group read so far by 100 (alone it is 100)
    Scale,   // closes the group (alone it counts 1) times 1000 or 1 000 000
    Link,    // a linking word: "i", "y", "e", "eta"
};

struct Word {
    Kind kind;
    qint64 value;
};

// A small open-addressing table: a word is found straight from a view into the phrase, which
// keeps the loops over a million phrases quick even in an unoptimised build.
class Lexicon {
public:
    Lexicon() { table.fill(-1); }

    // The blank-separated `words` are worth first, first + step, first + 2 step...
    Lexicon& add(Kind kind, qint64 first, qint64 step, const char* words) {
        for (const QString& w : QString::fromUtf8(words).split(u' ', Qt::SkipEmptyParts)) {
            unsigned h = hash(reinterpret_cast<const char16_t*>(w.utf16()), w.size());
            while (table[h] >= 0)
                h = (h + 1) % kSlots;
            table[h] = int(entries.size());
            entries.push_back({w, Word{kind, first}});
            first += step;
        }
        return *this;
    }
    Lexicon& add(Kind kind, qint64 value, const char* words) { return add(kind, value, 0, words); }
    Lexicon& units(qint64 first, const char* words) { return add(Kind::Add, first, 1, words); }
    Lexicon& tens(qint64 first, const char* words) { return add(Kind::Add, first, 10, words); }
    Lexicon& hundreds(qint64 first, const char* words) { return add(Kind::Add, first, 100, words); }

    const Word* find(const char16_t* text, qsizetype size) const {
        for (unsigned h = hash(text, size); table[h] >= 0; h = (h + 1) % kSlots) {
            const QString& w = entries[table[h]].first;
            if (w.size() == size && std::memcmp(w.utf16(), text, size * sizeof(char16_t)) == 0)
                return &entries[table[h]].second;
        }
        return nullptr;
    }

private:
    static constexpr unsigned kSlots = 512;
    static unsigned hash(const char16_t* text, qsizetype size) {
        unsigned h = 2166136261u;
        for (qsizetype i = 0; i < size; ++i)
            h = (h ^ text[i]) * 16777619u;
        return h % kSlots;
    }

    std::vector<std::pair<QString, Word>> entries;
    std::array<int, kSlots> table;
};

std::optional<qint64> readWith(const Lexicon& lex, const QString& frase) {
    qint64 total = 0;
    qint64 group = 0;
    int words = 0;
    const char16_t* text = reinterpret_cast<const char16_t*>(frase.utf16());
    const qsizetype size = frase.size();
    for (qsizetype start = 0; start < size;) {
        qsizetype end = start;
        while (end < size && text[end] != u' ' && text[end] != u'-')
            ++end;
        const qsizetype length = end - start;
        const char16_t* w = text + start;
        start = end + 1;
        if (length == 0)
            continue;
        const Word* it = lex.find(w, length);
        if (!it)
            return std::nullopt;
        ++words;
        switch (it->kind) {
        case Kind::Add:
            group += it->value;
            break;
        case Kind::Hundred:
            group = (group == 0 ? 1 : group) * 100;
            break;
        case Kind::Scale:
            total += (group == 0 ? 1 : group) * it->value;
            group = 0;
            break;
        case Kind::Link:
            break;
        }
    }
    if (words == 0)
        return std::nullopt;
    return total + group;
}

// Catalan words shared by cardinals and ordinals: units from two, tens, hundreds and the link.
Lexicon catala() {
    return Lexicon()
        .units(2, "DOS TRES QUATRE CINC SIS SET VUIT NOU")
        .tens(20, "VINT TRENTA QUARANTA CINQUANTA SEIXANTA SETANTA VUITANTA NORANTA")
        .add(Kind::Hundred, 100, "CENT CENTS")
        .add(Kind::Link, 0, "I");
}

Lexicon catalaCardinal() {
    return catala()
        .units(0, "ZERO UN")
        .units(10, "DEU ONZE DOTZE TRETZE CATORZE QUINZE SETZE DISSET DIVUIT DINOU")
        .add(Kind::Scale, 1000, "MIL")
        .add(Kind::Scale, 1000000, "MILIÓ MILIONS");
}

Lexicon catalaOrdinal() {
    return catala()
        .units(1, "PRIMER SEGON TERCER QUART CINQUÈ SISÈ SETÈ VUITÈ NOVÈ")
        .units(1, "UNÈ DOSÈ TRESÈ QUATRÈ")
        .units(10, "DESÈ ONZÈ DOTZÈ TRETZÈ CATORZÈ QUINZÈ SETZÈ DISSETÈ DIVUITÈ DINOVÈ")
        .tens(20, "VINTÈ TRENTÈ QUARANTÈ CINQUANTÈ SEIXANTÈ SETANTÈ VUITANTÈ NORANTÈ")
        .add(Kind::Hundred, 100, "CENTÈ")
        .add(Kind::Scale, 1000, "MILÈ");
}

Lexicon castellaCardinal() {
    return Lexicon()
        .units(0, "CERO UNO DOS TRES CUATRO CINCO SEIS SIETE OCHO NUEVE DIEZ ONCE DOCE TRECE "
                  "CATORCE QUINCE DIECISÉIS DIECISIETE DIECIOCHO DIECINUEVE VEINTE")
        .units(21, "VEINTIUNO VEINTIDÓS VEINTITRÉS VEINTICUATRO VEINTICINCO VEINTISÉIS VEINTISIETE "
                   "VEINTIOCHO VEINTINUEVE")
        .add(Kind::Add, 1, "UN")
        .add(Kind::Add, 21, "VEINTIÚN")
        .tens(30, "TREINTA CUARENTA CINCUENTA SESENTA SETENTA OCHENTA NOVENTA")
        .add(Kind::Add, 100, "CIEN CIENTO")
        .hundreds(200, "DOSCIENTOS TRESCIENTOS CUATROCIENTOS QUINIENTOS SEISCIENTOS SETECIENTOS "
                       "OCHOCIENTOS NOVECIENTOS")
        .add(Kind::Scale, 1000, "MIL")
        .add(Kind::Scale, 1000000, "MILLÓN MILLONES")
        .add(Kind::Link, 0, "Y");
}

Lexicon castellaOrdinal() {
    return Lexicon()
        .units(1,
               "PRIMERO SEGUNDO TERCERO CUARTO QUINTO SEXTO SÉPTIMO OCTAVO NOVENO DÉCIMO UNDÉCIMO "
               "DUODÉCIMO DECIMOTERCERO DECIMOCUARTO DECIMOQUINTO DECIMOSEXTO DECIMOSÉPTIMO "
               "DECIMOCTAVO DECIMONOVENO")
        .tens(20, "VIGÉSIMO TRIGÉSIMO QUADRAGÉSIMO QUINCUAGÉSIMO SEXAGÉSIMO SEPTUAGÉSIMO "
                  "OCTOGÉSIMO NONAGÉSIMO")
        .hundreds(100, "CENTÉSIMO DUOCENTÉSIMO TRICENTÉSIMO CUADRICENTÉSIMO QUINCUACENTÉSIMO "
                       "SEXCENTÉSIMO SEPTINGENTÉSIMO OCTINGENTÉSIMO NONINGENTÉSIMO MILÉSIMO");
}

Lexicon galecCardinal() {
    return Lexicon()
        .units(0, "CERO UN DOUS TRES CATRO CINCO SEIS SETE OITO NOVE DEZ ONCE DOCE TRECE CATORCE "
                  "QUINCE DEZASEIS DEZASETE DEZAOITO DEZANOVE VINTE VINTEÚN VINTEDOUS VINTETRÉS "
                  "VINTECATRO VINTECINCO VINTESEIS VINTESETE VINTEOITO VINTENOVE")
        .tens(30, "TRINTA CORENTA CINCUENTA SESENTA SETENTA OITENTA NOVENTA")
        .add(Kind::Add, 100, "CEN CENTO")
        .hundreds(200, "DOUSCENTOS TRESCENTOS CATROCENTOS QUIÑENTOS SEISCENTOS SETECENTOS "
                       "OITOCENTOS NOVECENTOS")
        .add(Kind::Scale, 1000, "MIL")
        .add(Kind::Scale, 1000000, "MILLÓN MILLÓNS")
        .add(Kind::Link, 0, "E");
}

Lexicon galecOrdinal() {
    return Lexicon()
        .units(1, "PRIMEIRO SEGUNDO TERCEIRO CUARTO QUINTO SEXTO SÉTIMO OITAVO NOVENO DÉCIMO "
                  "UNDÉCIMO DUODÉCIMO")
        .tens(20, "VIXÉSIMO TRIXÉSIMO CUADRAXÉSIMO QUINCUAXÉSIMO SESAXÉSIMO SEPTUAXÉSIMO "
                  "OCTOXÉSIMO NONAXÉSIMO")
        .hundreds(100, "CENTÉSIMO DUOCENTÉSIMO TRICENTÉSIMO CUADRICENTÉSIMO QUIXENTÉSIMO "
                       "SEXCENTÉSIMO SEPTIXENTÉSIMO OCTIXENTÉSIMO NONIXENTÉSIMO MILÉSIMO");
}

Lexicon bascCardinal() {
    return Lexicon()
        .units(0, "ZERO BAT BI HIRU LAU BOST SEI ZAZPI ZORTZI BEDERATZI HAMAR HAMAIKA HAMABI "
                  "HAMAHIRU HAMALAU HAMABOST HAMASEI HAMAZAZPI HEMEZORTZI HEMERETZI")
        .add(Kind::Add, 20, 20, "HOGEI BERROGEI HIRUROGEI LAUROGEI")
        .add(Kind::Add, 20, 20, "HOGEITA BERROGEITA HIRUROGEITA LAUROGEITA")
        .hundreds(100, "EHUN BERREHUN HIRUREHUN LAUREHUN BOSTEHUN SEIEHUN ZAZPIEHUN ZORTZIEHUN "
                       "BEDERATZIEHUN")
        .add(Kind::Scale, 1000, "MILA")
        .add(Kind::Scale, 1000000, "MILIOI")
        .add(Kind::Link, 0, "ETA");
}

} // namespace

namespace WordReaders {

std::optional<qint64> llegeix(int idioma, bool ordinal, const QString& frase) {
    static const Lexicon kLexicons[][2] = {{catalaCardinal(), catalaOrdinal()},
                                           {castellaCardinal(), castellaOrdinal()},
                                           {galecCardinal(), galecOrdinal()},
                                           {bascCardinal(), bascCardinal()}};
    if (idioma != 3)
        return readWith(kLexicons[idioma][ordinal], frase);
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
    return readWith(kLexicons[idioma][ordinal], text);
}

} // namespace WordReaders
