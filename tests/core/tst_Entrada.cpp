#include "Atzar.h"
#include "ClauAcces.h"
#include "ConfigGeneral.h"
#include "DigitGrouping.h"
#include "LiniaResposta.h"

#include <QTest>

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

// The new-password box after an edit, and its cursor before and after: the characters inserted
// last give way.
const std::tuple<QString, int, QString, int> kFiltres[] = {
    {"ab 1", 4, "AB1", 3},
    {"A xB", 3, "AXB", 2},
    {"mañana", 6, "MAÑANA", 6},
    {"abcdefghij", 10, "ABCDEFGH", 8},
    {"ABxyzCDEFGH", 5, "ABCDEFGH", 2},
    {"a\U0001F600b", 4, "AB", 2},
    {QString("a") + QChar(0xD800) + "b", 3, "AB", 2}};

// The stored password, what is typed at the prompt, and whether the tools open.
const std::tuple<QByteArray, QString, bool> kProves[] = {
    {"TUXAM   ", "tuxam", true},    {"TUXAM   ", "tuxa", false},    {"TUXAM   ", "tuxam ", false},
    {"        ", "", true},         {"        ", " ", false},       {"\xC0\xC7      ", "àç", true},
    {"STRA\xDF   ", "straß", true}, {"ABCDEFGH", "abcdefgh", true}, {"tuxam   ", "TUXAM", true},
    {"  TUXAM ", "tuxam", true}};

// Keys typed against an answer: one result per key (C complete, A advance, E error: a wrong key
// is not kept, nor one after the answer is complete) and the line left on the board.
const std::tuple<const char*, const char*, const char*, const char*> kEscriptures[] = {
    {"21", "21", "AC", "21"},
    {"21", "231", "AEC", "21"},
    {"1.234", "12", "AE", "1"},
    {"1.234", "1.234", "AAAAC", "1.234"},
    {"12 345", "12 345", "AAAAAC", "12 345"},
    {"XIV", "XVIV", "AEAC", "XIV"},
    {"5", "55", "CE", "5"}};

// Digits grouped by threes with separator 0 ".", 1 " ", 2 nothing (and anything else nothing).
const std::tuple<qint64, int, const char*> kGrups[] = {
    {0, 0, "0"},
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

    void passwordBox() {
        for (const auto& [text, cursor, mostrat, cursorDespres] : kFiltres) {
            int c = cursor;
            QCOMPARE(ClauAcces::filtra(text, &c), mostrat);
            QCOMPARE(c, cursorDespres);
        }
    }

    void passwordPrompt() {
        for (const auto& [clau, escrit, concedit] : kProves) {
            ConfigGeneral g;
            g.Clau = clau;
            QVERIFY2(ClauAcces::concedeix(escrit, g) == concedit, qPrintable(escrit));
        }
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

    void answerLine() {
        for (const auto& [solucio, tecles, esperat, escrit] : kEscriptures) {
            LiniaResposta linia;
            linia.inicia(solucio);
            QString resultats;
            for (const char* k = tecles; *k; ++k)
                resultats += "CAE"[linia.caracter(QChar(*k))];
            QCOMPARE(resultats, QString(esperat));
            QCOMPARE(linia.escrit(), QString(escrit));
        }
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
