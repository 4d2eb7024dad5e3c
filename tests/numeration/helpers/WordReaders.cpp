#include "WordReaders.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
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

    void add(Kind kind, std::initializer_list<std::pair<const char*, qint64>> words) {
        for (const auto& [text, value] : words)
            entries.emplace_back(QString::fromUtf8(text).toStdU16String(), Word{kind, value});
        rebuild();
    }
    void remove(const char* text) {
        const std::u16string key = QString::fromUtf8(text).toStdU16String();
        std::erase_if(entries, [&](const auto& e) { return e.first == key; });
        rebuild();
    }
    const Word* find(const char16_t* text, qsizetype size) const {
        for (unsigned h = hash(text, size);; h = (h + 1) % kSlots) {
            const int i = table[h];
            if (i < 0)
                return nullptr;
            const std::u16string& w = entries[i].first;
            if (qsizetype(w.size()) == size &&
                std::memcmp(w.data(), text, size * sizeof(char16_t)) == 0)
                return &entries[i].second;
        }
    }

private:
    static constexpr unsigned kSlots = 512;

    static unsigned hash(const char16_t* text, qsizetype size) {
        unsigned h = 2166136261u;
        for (qsizetype i = 0; i < size; ++i)
            h = (h ^ text[i]) * 16777619u;
        return h % kSlots;
    }
    void rebuild() {
        Q_ASSERT(entries.size() < kSlots / 2);
        table.fill(-1);
        for (int i = 0; i < int(entries.size()); ++i) {
            const std::u16string& w = entries[i].first;
            unsigned h = hash(w.data(), qsizetype(w.size()));
            while (table[h] >= 0)
                h = (h + 1) % kSlots;
            table[h] = i;
        }
    }

    std::vector<std::pair<std::u16string, Word>> entries;
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

Lexicon catalaCardinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"ZERO", 0},      {"UN", 1},       {"DOS", 2},       {"TRES", 3},
                        {"QUATRE", 4},    {"CINC", 5},     {"SIS", 6},       {"SET", 7},
                        {"VUIT", 8},      {"NOU", 9},      {"DEU", 10},      {"ONZE", 11},
                        {"DOTZE", 12},    {"TRETZE", 13},  {"CATORZE", 14},  {"QUINZE", 15},
                        {"SETZE", 16},    {"DISSET", 17},  {"DIVUIT", 18},   {"DINOU", 19},
                        {"VINT", 20},     {"TRENTA", 30},  {"QUARANTA", 40}, {"CINQUANTA", 50},
                        {"SEIXANTA", 60}, {"SETANTA", 70}, {"VUITANTA", 80}, {"NORANTA", 90}});
    lex.add(Kind::Hundred, {{"CENT", 100}, {"CENTS", 100}});
    lex.add(Kind::Scale, {{"MIL", 1000}, {"MILIÓ", 1000000}, {"MILIONS", 1000000}});
    lex.add(Kind::Link, {{"I", 0}});
    return lex;
}

Lexicon catalaOrdinal() {
    Lexicon lex = catalaCardinal();
    lex.remove("ZERO");
    lex.add(Kind::Add, {{"PRIMER", 1},   {"SEGON", 2},     {"TERCER", 3},     {"QUART", 4},
                        {"CINQUÈ", 5},   {"SISÈ", 6},      {"SETÈ", 7},       {"VUITÈ", 8},
                        {"NOVÈ", 9},     {"UNÈ", 1},       {"DOSÈ", 2},       {"TRESÈ", 3},
                        {"QUATRÈ", 4},   {"DESÈ", 10},     {"ONZÈ", 11},      {"DOTZÈ", 12},
                        {"TRETZÈ", 13},  {"CATORZÈ", 14},  {"QUINZÈ", 15},    {"SETZÈ", 16},
                        {"DISSETÈ", 17}, {"DIVUITÈ", 18},  {"DINOVÈ", 19},    {"VINTÈ", 20},
                        {"TRENTÈ", 30},  {"QUARANTÈ", 40}, {"CINQUANTÈ", 50}, {"SEIXANTÈ", 60},
                        {"SETANTÈ", 70}, {"VUITANTÈ", 80}, {"NORANTÈ", 90}});
    lex.add(Kind::Hundred, {{"CENTÈ", 100}});
    lex.add(Kind::Scale, {{"MILÈ", 1000}});
    // The cardinal stems that never stand in an ordinal phrase.
    for (const char* w : {"UN", "DEU", "ONZE", "DOTZE", "TRETZE", "CATORZE", "QUINZE", "SETZE",
                          "DISSET", "DIVUIT", "DINOU", "MIL", "MILIÓ", "MILIONS"})
        lex.remove(w);
    return lex;
}

Lexicon castellaCardinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"CERO", 0},          {"UN", 1},
                        {"UNO", 1},           {"DOS", 2},
                        {"TRES", 3},          {"CUATRO", 4},
                        {"CINCO", 5},         {"SEIS", 6},
                        {"SIETE", 7},         {"OCHO", 8},
                        {"NUEVE", 9},         {"DIEZ", 10},
                        {"ONCE", 11},         {"DOCE", 12},
                        {"TRECE", 13},        {"CATORCE", 14},
                        {"QUINCE", 15},       {"DIECISÉIS", 16},
                        {"DIECISIETE", 17},   {"DIECIOCHO", 18},
                        {"DIECINUEVE", 19},   {"VEINTE", 20},
                        {"VEINTIÚN", 21},     {"VEINTIUNO", 21},
                        {"VEINTIDÓS", 22},    {"VEINTITRÉS", 23},
                        {"VEINTICUATRO", 24}, {"VEINTICINCO", 25},
                        {"VEINTISÉIS", 26},   {"VEINTISIETE", 27},
                        {"VEINTIOCHO", 28},   {"VEINTINUEVE", 29},
                        {"TREINTA", 30},      {"CUARENTA", 40},
                        {"CINCUENTA", 50},    {"SESENTA", 60},
                        {"SETENTA", 70},      {"OCHENTA", 80},
                        {"NOVENTA", 90},      {"CIEN", 100},
                        {"CIENTO", 100},      {"DOSCIENTOS", 200},
                        {"TRESCIENTOS", 300}, {"CUATROCIENTOS", 400},
                        {"QUINIENTOS", 500},  {"SEISCIENTOS", 600},
                        {"SETECIENTOS", 700}, {"OCHOCIENTOS", 800},
                        {"NOVECIENTOS", 900}});
    lex.add(Kind::Scale, {{"MIL", 1000}, {"MILLÓN", 1000000}, {"MILLONES", 1000000}});
    lex.add(Kind::Link, {{"Y", 0}});
    return lex;
}

Lexicon castellaOrdinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"PRIMERO", 1},
                        {"SEGUNDO", 2},
                        {"TERCERO", 3},
                        {"CUARTO", 4},
                        {"QUINTO", 5},
                        {"SEXTO", 6},
                        {"SÉPTIMO", 7},
                        {"OCTAVO", 8},
                        {"NOVENO", 9},
                        {"DÉCIMO", 10},
                        {"UNDÉCIMO", 11},
                        {"DUODÉCIMO", 12},
                        {"DECIMOTERCERO", 13},
                        {"DECIMOCUARTO", 14},
                        {"DECIMOQUINTO", 15},
                        {"DECIMOSEXTO", 16},
                        {"DECIMOSÉPTIMO", 17},
                        {"DECIMOCTAVO", 18},
                        {"DECIMONOVENO", 19},
                        {"VIGÉSIMO", 20},
                        {"TRIGÉSIMO", 30},
                        {"QUADRAGÉSIMO", 40},
                        {"QUINCUAGÉSIMO", 50},
                        {"SEXAGÉSIMO", 60},
                        {"SEPTUAGÉSIMO", 70},
                        {"OCTOGÉSIMO", 80},
                        {"NONAGÉSIMO", 90},
                        {"CENTÉSIMO", 100},
                        {"DUOCENTÉSIMO", 200},
                        {"TRICENTÉSIMO", 300},
                        {"CUADRICENTÉSIMO", 400},
                        {"QUINCUACENTÉSIMO", 500},
                        {"SEXCENTÉSIMO", 600},
                        {"SEPTINGENTÉSIMO", 700},
                        {"OCTINGENTÉSIMO", 800},
                        {"NONINGENTÉSIMO", 900},
                        {"MILÉSIMO", 1000}});
    return lex;
}

Lexicon galecCardinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"CERO", 0},         {"UN", 1},           {"DOUS", 2},
                        {"TRES", 3},         {"CATRO", 4},        {"CINCO", 5},
                        {"SEIS", 6},         {"SETE", 7},         {"OITO", 8},
                        {"NOVE", 9},         {"DEZ", 10},         {"ONCE", 11},
                        {"DOCE", 12},        {"TRECE", 13},       {"CATORCE", 14},
                        {"QUINCE", 15},      {"DEZASEIS", 16},    {"DEZASETE", 17},
                        {"DEZAOITO", 18},    {"DEZANOVE", 19},    {"VINTE", 20},
                        {"VINTEÚN", 21},     {"VINTEDOUS", 22},   {"VINTETRÉS", 23},
                        {"VINTECATRO", 24},  {"VINTECINCO", 25},  {"VINTESEIS", 26},
                        {"VINTESETE", 27},   {"VINTEOITO", 28},   {"VINTENOVE", 29},
                        {"TRINTA", 30},      {"CORENTA", 40},     {"CINCUENTA", 50},
                        {"SESENTA", 60},     {"SETENTA", 70},     {"OITENTA", 80},
                        {"NOVENTA", 90},     {"CEN", 100},        {"CENTO", 100},
                        {"DOUSCENTOS", 200}, {"TRESCENTOS", 300}, {"CATROCENTOS", 400},
                        {"QUIÑENTOS", 500},  {"SEISCENTOS", 600}, {"SETECENTOS", 700},
                        {"OITOCENTOS", 800}, {"NOVECENTOS", 900}});
    lex.add(Kind::Scale, {{"MIL", 1000}, {"MILLÓN", 1000000}, {"MILLÓNS", 1000000}});
    lex.add(Kind::Link, {{"E", 0}});
    return lex;
}

Lexicon galecOrdinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"PRIMEIRO", 1},        {"SEGUNDO", 2},         {"TERCEIRO", 3},
                        {"CUARTO", 4},          {"QUINTO", 5},          {"SEXTO", 6},
                        {"SÉTIMO", 7},          {"OITAVO", 8},          {"NOVENO", 9},
                        {"DÉCIMO", 10},         {"UNDÉCIMO", 11},       {"DUODÉCIMO", 12},
                        {"VIXÉSIMO", 20},       {"TRIXÉSIMO", 30},      {"CUADRAXÉSIMO", 40},
                        {"QUINCUAXÉSIMO", 50},  {"SESAXÉSIMO", 60},     {"SEPTUAXÉSIMO", 70},
                        {"OCTOXÉSIMO", 80},     {"NONAXÉSIMO", 90},     {"CENTÉSIMO", 100},
                        {"DUOCENTÉSIMO", 200},  {"TRICENTÉSIMO", 300},  {"CUADRICENTÉSIMO", 400},
                        {"QUIXENTÉSIMO", 500},  {"SEXCENTÉSIMO", 600},  {"SEPTIXENTÉSIMO", 700},
                        {"OCTIXENTÉSIMO", 800}, {"NONIXENTÉSIMO", 900}, {"MILÉSIMO", 1000}});
    return lex;
}

Lexicon bascCardinal() {
    Lexicon lex;
    lex.add(Kind::Add, {{"ZERO", 0},
                        {"BAT", 1},
                        {"BI", 2},
                        {"HIRU", 3},
                        {"LAU", 4},
                        {"BOST", 5},
                        {"SEI", 6},
                        {"ZAZPI", 7},
                        {"ZORTZI", 8},
                        {"BEDERATZI", 9},
                        {"HAMAR", 10},
                        {"HAMAIKA", 11},
                        {"HAMABI", 12},
                        {"HAMAHIRU", 13},
                        {"HAMALAU", 14},
                        {"HAMABOST", 15},
                        {"HAMASEI", 16},
                        {"HAMAZAZPI", 17},
                        {"HEMEZORTZI", 18},
                        {"HEMERETZI", 19},
                        {"HOGEI", 20},
                        {"HOGEITA", 20},
                        {"BERROGEI", 40},
                        {"BERROGEITA", 40},
                        {"HIRUROGEI", 60},
                        {"HIRUROGEITA", 60},
                        {"LAUROGEI", 80},
                        {"LAUROGEITA", 80},
                        {"EHUN", 100},
                        {"BERREHUN", 200},
                        {"HIRUREHUN", 300},
                        {"LAUREHUN", 400},
                        {"BOSTEHUN", 500},
                        {"SEIEHUN", 600},
                        {"ZAZPIEHUN", 700},
                        {"ZORTZIEHUN", 800},
                        {"BEDERATZIEHUN", 900}});
    lex.add(Kind::Scale, {{"MILA", 1000}, {"MILIOI", 1000000}});
    lex.add(Kind::Link, {{"ETA", 0}});
    return lex;
}

} // namespace

namespace WordReaders {

std::optional<qint64> cardinalCatala(const QString& frase) {
    static const Lexicon lex = catalaCardinal();
    return readWith(lex, frase);
}

std::optional<qint64> ordinalCatala(const QString& frase) {
    static const Lexicon lex = catalaOrdinal();
    return readWith(lex, frase);
}

std::optional<qint64> cardinalCastella(const QString& frase) {
    static const Lexicon lex = castellaCardinal();
    return readWith(lex, frase);
}

std::optional<qint64> ordinalCastella(const QString& frase) {
    static const Lexicon lex = castellaOrdinal();
    return readWith(lex, frase);
}

std::optional<qint64> cardinalGalec(const QString& frase) {
    static const Lexicon lex = galecCardinal();
    return readWith(lex, frase);
}

std::optional<qint64> ordinalGalec(const QString& frase) {
    static const Lexicon lex = galecOrdinal();
    return readWith(lex, frase);
}

std::optional<qint64> cardinalBasc(const QString& frase) {
    static const Lexicon lex = bascCardinal();
    // One million is "milioi bat", the scale before its one: read it in the usual order.
    QString text = frase.trimmed();
    if (text == QStringLiteral("MILIOI BAT") || text.startsWith(QStringLiteral("MILIOI BAT ")))
        text = QStringLiteral("BAT MILIOI") + text.mid(10);
    return readWith(lex, text);
}

std::optional<qint64> ordinalBasc(const QString& frase) {
    // Every ordinal but those ending in "lehengo" (the first) carries the suffix "garren".
    static const QString kSuffix = QStringLiteral("GARREN");
    static const QString kFirst = QStringLiteral("LEHENGO");
    QString text = frase;
    if (text.endsWith(kFirst))
        text = text.left(text.size() - kFirst.size()) + QStringLiteral("BAT");
    else if (text.endsWith(kSuffix) && text.size() > kSuffix.size())
        text.chop(kSuffix.size());
    else
        return std::nullopt;
    return cardinalBasc(text);
}

} // namespace WordReaders
