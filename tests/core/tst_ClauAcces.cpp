#include "ClauAcces.h"
#include "ConfigGeneral.h"
#include "Taula.h"

namespace {

// A typed character and what the new-password box keeps of it (0: refused).
const char32_t kCaracters[][2] = {
    {'a', 'A'},     {'z', 'Z'},   {'Q', 'Q'},       {'0', '0'},   {'9', '9'},   {':', ':'},
    {'@', '@'},     {'_', '_'},   {'~', '~'},       {'/', 0},     {' ', 0},     {'!', 0},
    {'-', 0},       {'.', 0},     {'\t', 0},        {8, 0},       {0x7F, 0},    {0x85, 0},
    {0xA0, 0},      {0xAD, 0},    {0xE0, 0xC0},     {0xE7, 0xC7}, {0xF1, 0xD1}, {0xFF, 0x178},
    {0x153, 0x152}, {0xDF, 0xDF}, {0x20AC, 0x20AC}, {0xB5, 0},    {0x3A9, 0},   {0x142, 0},
    {0x1F600, 0},
};

struct Filtre {
    const char* nom;
    QString text;
    int cursor;
    QString mostrat;
    int cursorDespres;
};
const Filtre kFiltres[] = {
    {"a, b, space, 1", "ab 1", 4, "AB1", 3},
    {"punctuation below 0", "a.b-c/d", 7, "ABCD", 4},
    {"space pasted in the middle", "A xB", 3, "AXB", 2},
    {"accents", "mañana", 6, "MAÑANA", 6},
    {"ten typed keep eight", "abcdefghij", 10, "ABCDEFGH", 8},
    {"ninth typed in the middle", "ABXCDEFGH", 3, "ABCDEFGH", 2},
    {"paste into a full box", "ABxyzCDEFGH", 5, "ABCDEFGH", 2},
    {"emoji", "a\U0001F600b", 4, "AB", 2},
    {"lone surrogate", QString("a") + QChar(0xD800) + "b", 3, "AB", 2},
};

struct Prova {
    const char* nom;
    QByteArray clau;
    QString escrit;
    bool concedit;
};
const Prova kProves[] = {
    {"lower case", "TUXAM   ", "tuxam", true},
    {"mixed case", "TUXAM   ", "TuXaM", true},
    {"too short", "TUXAM   ", "tuxa", false},
    {"trailing space typed", "TUXAM   ", "tuxam ", false},
    {"nothing typed", "TUXAM   ", "", false},
    {"another password", "TUXAM   ", "xifrum", false},
    {"blank password, nothing typed", "        ", "", true},
    {"blank password, a space typed", "        ", " ", false},
    {"accents", "\xC0\xC7      ", "àç", true},
    {"ß", "STRA\xDF   ", "straß", true},
    {"eight characters", "ABCDEFGH", "abcdefgh", true},
    {"stored in lower case", "tuxam   ", "TUXAM", true},
    {"stored with leading spaces", "  TUXAM ", "tuxam", true},
};

} // namespace

class TestClauAcces : public QObject {
    Q_OBJECT
private slots:
    void caracter() {
        for (const auto& [escrit, guardat] : kCaracters)
            QVERIFY2(ClauAcces::caracter(escrit) == guardat,
                     qPrintable(QString::number(escrit, 16)));
    }

    void filtra_data() { files(kFiltres); }
    void filtra() {
        const Filtre& f = fila(kFiltres);
        int cursor = f.cursor;
        QCOMPARE(ClauAcces::filtra(f.text, &cursor), f.mostrat);
        QCOMPARE(cursor, f.cursorDespres);
    }

    void concedeix_data() { files(kProves); }
    void concedeix() {
        const Prova& p = fila(kProves);
        ConfigGeneral g;
        g.Clau = p.clau;
        QCOMPARE(ClauAcces::concedeix(p.escrit, g), p.concedit);
    }

    // Stored upper case, cut or padded to eight bytes of Windows-1252; and whatever the box lets
    // through, typed again at the prompt in either case, opens the tools.
    void novaClau() {
        QCOMPARE(ClauAcces::novaClau("ab1"), QByteArray("AB1     "));
        QCOMPARE(ClauAcces::novaClau("abcdefghij"), QByteArray("ABCDEFGH"));
        QCOMPARE(ClauAcces::novaClau("àç€"), QByteArray("\xC0\xC7\x80     "));
        for (const QString typed : {"abc123", "mañana", "straße", "ÿ", "@[]{}~"}) {
            const QString shown = ClauAcces::filtra(typed);
            QCOMPARE(shown.size(), typed.size());
            ConfigGeneral g;
            g.Clau = ClauAcces::novaClau(shown);
            g = ConfigGeneral::decode(g.encode());
            QVERIFY(ClauAcces::concedeix(typed, g));
            QVERIFY(ClauAcces::concedeix(typed.toLower(), g));
        }
    }
};

QTEST_GUILESS_MAIN(TestClauAcces)
#include "tst_ClauAcces.moc"
