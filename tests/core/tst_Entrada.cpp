#include "Atzar.h"
#include "ClauAcces.h"
#include "DigitGrouping.h"
#include "LiniaResposta.h"
#include "Taula.h"

#include <limits>

namespace {

// A typed character and what the new-password box keeps of it (0: refused).
const char32_t kCaracters[][2] = {
    {'a', 'A'},     {'z', 'Z'},   {'Q', 'Q'},       {'0', '0'},   {'9', '9'},   {':', ':'},
    {'@', '@'},     {'_', '_'},   {'~', '~'},       {'/', 0},     {' ', 0},     {'!', 0},
    {'-', 0},       {'.', 0},     {'\t', 0},        {8, 0},       {0x7F, 0},    {0x85, 0},
    {0xA0, 0},      {0xAD, 0},    {0xE0, 0xC0},     {0xE7, 0xC7}, {0xF1, 0xD1}, {0xFF, 0x178},
    {0x153, 0x152}, {0xDF, 0xDF}, {0x20AC, 0x20AC}, {0xB5, 0},    {0x3A9, 0},   {0x142, 0},
    {0x1F600, 0}};

// The new-password box after an edit, with its cursor: the characters inserted last give way.
struct Filtre {
    const char* nom;
    QString text, mostrat;
    int cursor, cursorDespres;
};
const Filtre kFiltres[] = {
    {"a, b, space, 1", "ab 1", "AB1", 4, 3},
    {"space pasted in the middle", "A xB", "AXB", 3, 2},
    {"accents", "mañana", "MAÑANA", 6, 6},
    {"ten typed keep eight", "abcdefghij", "ABCDEFGH", 10, 8},
    {"paste into a full box", "ABxyzCDEFGH", "ABCDEFGH", 5, 2},
    {"emoji", "a\U0001F600b", "AB", 4, 2},
    {"lone surrogate", QString("a") + QChar(0xD800) + "b", "AB", 3, 2},
};

struct Prova {
    const char* nom;
    QByteArray clau;
    QString escrit;
    bool concedit;
};
const Prova kProves[] = {
    {"lower case", "TUXAM   ", "tuxam", true},
    {"too short", "TUXAM   ", "tuxa", false},
    {"trailing space typed", "TUXAM   ", "tuxam ", false},
    {"nothing typed", "TUXAM   ", "", false},
    {"blank password, nothing typed", "        ", "", true},
    {"blank password, a space typed", "        ", " ", false},
    {"accents", "\xC0\xC7      ", "àç", true},
    {"ß", "STRA\xDF   ", "straß", true},
    {"eight characters", "ABCDEFGH", "abcdefgh", true},
    {"stored in lower case", "tuxam   ", "TUXAM", true},
    {"stored with leading spaces", "  TUXAM ", "tuxam", true},
};

// `tecles` typed against `solucio`: one result per key (C complete, A advance, E error) and the
// line left on the board.
struct Escriptura {
    const char *nom, *solucio, *tecles, *resultats, *escrit;
};
const Escriptura kEscriptures[] = {
    {"right answer", "21", "21", "AC", "21"},
    {"wrong digit is not kept", "21", "231", "AEC", "21"},
    {"separator must be typed", "1.234", "12", "AE", "1"},
    {"separator typed", "1.234", "1.234", "AAAAC", "1.234"},
    {"blank separator", "12 345", "12 345", "AAAAAC", "12 345"},
    {"roman letters", "XIV", "XVIV", "AEAC", "XIV"},
    {"typing after complete is wrong", "5", "55", "CE", "5"},
};

// Digits grouped by threes with separator 0 ".", 1 " ", 2 nothing (and anything else nothing).
const std::tuple<qint64, int, const char*> kGrups[] = {
    {0, 0, "0"},
    {999, 0, "999"},
    {1001001, 0, "1.001.001"},
    {100000, 1, "100 000"},
    {100000000, 2, "100000000"},
    {1234, 7, "1234"},
    {-123, 1, "-123"},
    {-1234567, 0, "-1.234.567"},
    {std::numeric_limits<qint64>::min(), 1, "-9 223 372 036 854 775 808"}};

} // namespace

class TestEntrada : public QObject {
    Q_OBJECT
private slots:
    void passwordCharacter() {
        for (const auto& [escrit, guardat] : kCaracters)
            QVERIFY2(ClauAcces::caracter(escrit) == guardat,
                     qPrintable(QString::number(escrit, 16)));
    }

    void passwordBox_data() { files(kFiltres); }
    void passwordBox() {
        const Filtre& f = fila(kFiltres);
        int cursor = f.cursor;
        QCOMPARE(ClauAcces::filtra(f.text, &cursor), f.mostrat);
        QCOMPARE(cursor, f.cursorDespres);
    }

    void passwordPrompt_data() { files(kProves); }
    void passwordPrompt() {
        const Prova& p = fila(kProves);
        ConfigGeneral g;
        g.Clau = p.clau;
        QCOMPARE(ClauAcces::concedeix(p.escrit, g), p.concedit);
    }

    // Stored upper case, cut or padded to eight bytes of Windows-1252; and whatever the box lets
    // through, typed again at the prompt in either case, opens the tools.
    void newPassword() {
        QCOMPARE(ClauAcces::novaClau("ab1") + ClauAcces::novaClau("abcdefghij") +
                     ClauAcces::novaClau("àç€"),
                 QByteArray("AB1     ABCDEFGH\xC0\xC7\x80     "));
        for (const QString typed : {"abc123", "mañana", "straße", "ÿ", "@[]{}~"}) {
            const QString shown = ClauAcces::filtra(typed);
            QCOMPARE(shown.size(), typed.size());
            ConfigGeneral g;
            g.Clau = ClauAcces::novaClau(shown);
            g = ConfigGeneral::decode(g.encode());
            QVERIFY(ClauAcces::concedeix(typed, g) && ClauAcces::concedeix(typed.toLower(), g));
        }
    }

    void answerLine_data() { files(kEscriptures); }
    void answerLine() {
        const Escriptura& e = fila(kEscriptures);
        LiniaResposta linia;
        linia.inicia(e.solucio);
        QString resultats;
        for (const char* k = e.tecles; *k; ++k)
            resultats += "CAE"[linia.caracter(QChar(*k))];
        QCOMPARE(resultats, QString(e.resultats));
        QCOMPARE(linia.escrit(), QString(e.escrit));
    }

    // The cursor turns red after a wrong key and hides once the answer is complete; help gives
    // the next right character.
    void answerCursorAndHelp() {
        LiniaResposta linia;
        linia.inicia("1.5");
        QString vist;
        for (const QChar c : QString("91.5")) {
            vist += linia.caracterAjuda().isNull() ? '-' : linia.caracterAjuda();
            vist += linia.senyalVisible() ? (linia.senyalVermell() ? "R" : "G") : "H";
            linia.caracter(c);
        }
        vist += linia.senyalVisible() ? "G" : "H";
        QCOMPARE(vist, "1G1R.G5GH");
        QVERIFY(linia.caracterAjuda().isNull());
        linia.inicia("3");
        QVERIFY(linia.senyalVisible() && !linia.senyalVermell() && linia.escrit().isEmpty());
    }

    // Every draw is in range, both ends are drawn (a range that loses its top value is a classic
    // fault) and a seed gives the same series.
    void atzar() {
        Atzar a(7), b(7);
        int ends[2] = {0, 0};
        for (int i = 0; i < 20000; ++i) {
            const float r = a.r();
            QVERIFY(r >= 0.0f && r < 1.0f && r == b.r());
            const int v = a.entre(1, 9);
            QVERIFY(v >= 1 && v <= 9 && b.entre(1, 9) == v);
            ends[0] += v == 1;
            ends[1] += v == 9;
        }
        QVERIFY(ends[0] > 1000 && ends[1] > 1000);
    }

    void digitGrouping() {
        for (const auto& [valor, separador, text] : kGrups) {
            QCOMPARE(DigitGrouping::group(valor, separador), QString(text));
            QCOMPARE(DigitGrouping::FormataNombre(valor, separador), text + QString("   "));
        }
        QCOMPARE(DigitGrouping::separator(0) + DigitGrouping::separator(1) +
                     DigitGrouping::separator(2) + DigitGrouping::separator(255),
                 ". ");
    }
};

QTEST_GUILESS_MAIN(TestEntrada)
#include "tst_Entrada.moc"
