#include "core/Atzar.h"
#include "core/ClauAcces.h"
#include "core/Csv.h"
#include "core/DigitGrouping.h"
#include "core/LiniaResposta.h"
#include "core/Rutes.h"
#include "core/SafeName.h"
#include "core/StringTable.h"
#include "core/Win1252.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Ids written as blank-separated ranges "first-last" or single ids.
QList<int> ids(const char* ranges) {
    QList<int> out;
    for (const QString& r : QString(ranges).split(' '))
        for (int id = r.section('-', 0, 0).toInt(); id <= r.section('-', -1).toInt(); ++id)
            out << id;
    return out;
}

// Every id the windows look up; the English block holds those of the earlier edition only.
const QList<int> kUsats = ids("2-62 67-118 120-123 150 170-183 200-202 250-252 300-302 400 405-429 "
                              "435-444 450-460 475-484 490-491 496-499");
const QList<int> kAngles = ids("2-28 57-60 82 87 91-108 170-179 480-484 496-499");

// Group names name the pupil files; activity names and result words go into the histories.
const char kTextos[] = R"(2|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 4.1
6|Cardinals|Cardinales|Cardinais|Kardinalak|Cardinal
9|Ordenació|Ordenación|Ordenación|Ordenaketa|Arrangement
12|Taules|Tablas|Táboas|Taulak|Tables
300|Acaba|Acaba|Remata|Bukatuta|
301|Superat|Superado|Superado|Gaindituta|
93|Dofins|Delfines|Golfiños|Izurdeak|Dolphins
99|Ossos Bruns|Osos pardos|Osos pardos|Hartz arreak|Dun bears
105|Taurons|Tiburones|Quenllas|Marrazoak|Sharks
108|Girafes|Jirafas|Xirafas|Jirafak|Giraffes
78|Enhorabona! Has superat la prova.|¡Enhorabuena! Has superado la prueba.|¡Noraboa! Superáche-la proba.|Zorionak! Froga pasatu duzu!|
80| Sortir ||||
177| Veure l'historial||||)";

QString marges(const QString& s) {
    const QRegularExpressionMatch m = QRegularExpression("^( *).*?( *)$").match(s);
    return m.captured(1) + '|' + m.captured(2);
}

// Names made file names: those that would leave their folder, or name none, made safe.
const char kNoms[] =
    "../a\\b>___a_b|a..b>a__b|.>_|   >_|A\tB\nC\x7F>A_B_C_| J.M. Núria N'Arnau >J.M. Núria N'Arnau";

// A typed character and what the new-password box keeps of it (0: refused).
const char32_t kCaracters[][2] = {
    {'a', 'A'},     {'0', '0'},   {'~', '~'},       {'/', 0},  {' ', 0},     {'\t', 0},
    {0x7F, 0},      {0x85, 0},    {0xA0, 0},        {0xAD, 0}, {0xE7, 0xC7}, {0xFF, 0x178},
    {0x153, 0x152}, {0xDF, 0xDF}, {0x20AC, 0x20AC}, {0xB5, 0}, {0x142, 0},   {0x1F600, 0}};

// The new-password box after an edit, cursor before and after: the characters typed last give way.
const char kFiltres[] = "ab 1,4,AB1,3|A xB,3,AXB,2|mañana,6,MAÑANA,6|abcdefghij,10,ABCDEFGH,8|"
                        "ABxyzCDEFGH,5,ABCDEFGH,2|a😀b,4,AB,2|ÿ@[]{}~,7,Ÿ@[]{}~,7";

// The stored password, what is typed at the prompt, and whether the tools open.
const std::tuple<QByteArray, QString, bool> kProves[] = {
    {"TUXAM   ", "tuxa", false},    {"TUXAM   ", "tuxam ", false},  {"        ", "", true},
    {"        ", " ", false},       {"\xC0\xC7      ", "àç", true}, {"STRA\xDF   ", "straß", true},
    {"ABCDEFGH", "abcdefgh", true}, {"tuxam   ", "TUXAM", true},    {"  TUXAM ", "tuxam", true},
    {"\x9F~      ", "ÿ~", true}};

// Answer, keys typed, each key's result (Complete, Advance, Error), the line left on the board
// (numbers typed whole with their separators are the number activities' own cases).
const char kEscriptures[] = "21,21,AC,21|21,231,AEC,21|1.234,12,AE,1|XIV,XVIV,AEAC,XIV|5,55,CE,5";

// Number, separator (0 ".", 1 " ", anything else none), the number grouped by threes.
const char kGrups[] =
    "0,0,0|1001001,0,1.001.001|100000,1,100 000|100000000,2,100000000|1234,7,1234|"
    "-123,1,-123|-1234567,0,-1.234.567|-9223372036854775808,1,-9 223 372 036 854 775 808";

} // namespace

class TestTextos : public QObject {
    Q_OBJECT
private slots:
    // Texts go into history lines and file names: one code page, visible, no control characters.
    void texts() {
        QCOMPARE(StringTable::ids(), kUsats);
        for (int id = -10; id < 3000; ++id)
            for (int idioma = -1; idioma <= 6; ++idioma) {
                const QString text = TextIdioma(id, idioma);
                const QString on = CodiIdioma(idioma) + ' ' + QString::number(id) + ": " + text;
                const bool usat = kUsats.contains(id);
                const bool propi = usat && (idioma < 4 || (idioma == 4 && kAngles.contains(id)));
                QVERIFY2(StringTable::has(id, idioma) == (idioma >= 0 && propi), qPrintable(on));
                QVERIFY2(text.isNull() != usat && (propi || text == TextIdioma(id, 0)),
                         qPrintable(on));
                QVERIFY2(!usat || (!text.trimmed().isEmpty() &&
                                   !text.contains(QRegularExpression("[\\x00-\\x1F]")) &&
                                   Win1252::decode(Win1252::encode(text)) == text &&
                                   marges(text) == marges(TextIdioma(id, 0))),
                         qPrintable(on));
            }
        for (const QString& linia : QString::fromUtf8(kTextos).split('\n')) {
            const QStringList camps = linia.split('|');
            for (int idioma = 0; idioma <= 4; ++idioma)
                if (!camps.at(idioma + 1).isEmpty())
                    QCOMPARE(TextIdioma(camps.at(0).toInt(), idioma), camps.at(idioma + 1));
        }
        QCOMPARE(RutaRegistres("/p", 1, 2) + RutaRegistres("/p", 14, 0),
                 QString::fromUtf8("/p/Inf/Dat/Golfiños.dat/p/Inf/Dat/Ossos Polars.dat"));
        for (int idioma = 0; idioma < 4; ++idioma)
            QVERIFY(TextIdioma(201, idioma)
                        .contains(QRegularExpression("^[^|]*\\w[^|]*\\|\\*\\.bmp;\\*\\.gif$")));
        QCOMPARE(CodiIdioma(-1) + CodiIdioma(0) + CodiIdioma(1) + CodiIdioma(2) + CodiIdioma(3) +
                     CodiIdioma(4) + CodiIdioma(5) + CodiIdioma(6) + CodiIdioma(255),
                 "CATCATCASGALEUSANGFRACATCAT");
    }

    // Every byte reads and writes back as itself, so a stored name or password keeps its bytes.
    void windows1252() {
        for (int b = 0; b < 256; ++b)
            QCOMPARE(Win1252::encode(Win1252::decode(QByteArray(1, char(b)))),
                     QByteArray(1, char(b)));
        QCOMPARE(Win1252::decode("\x81\x8D\x8F\x90\x9D"),
                 QString::fromUtf16(u"\x81\x8D\x8F\x90\x9D"));
        const QString text = QString::fromUtf8("ANNA Ordenació·ç €‘’“” ÑÜ");
        const QByteArray bytes("ANNA Ordenaci\xF3\xB7\xE7 \x80\x91\x92\x93\x94 \xD1\xDC");
        QCOMPARE(Win1252::encode(text), bytes);
        QCOMPARE(Win1252::decode(bytes), text);
        QCOMPARE(Win1252::encode(QString::fromUtf8("αβ A😀B Łódź")),
                 QByteArray("?? A?B ?\xF3\x64?"));
    }

    void namesStayInsideTheirFolder() {
        for (const QString& fila : QString::fromUtf8(kNoms).split('|')) {
            const QString nom = fila.section('>', 0, 0), f = fila.section('>', 1);
            QCOMPARE(SafeName::isValid(nom), f == nom.trimmed());
            QCOMPARE(RutaHistorial("/p", nom) + RutaNivell("/p", nom) + RutaCopiaNivell("/p", nom),
                     "/p/Inf/Hst/" + f + ".rtf/p/Inf/Niv/" + f + ".niv/p/Inf/Niv/" + f + ".ni2");
        }
    }

    // Whatever the box lets through, typed again at the prompt in either case, opens the tools.
    void password() {
        QStringList vist, esperat;
        const QString lone = QString("|a") + QChar(0xD800) + "b,3,AB,2"; // a lone surrogate
        for (const QString& fila : (QString::fromUtf8(kFiltres) + lone).split('|')) {
            const QStringList c = fila.split(',');
            int cursor = c[1].toInt();
            vist << ClauAcces::filtra(c[0], &cursor);
            vist.last() += ',' + QString::number(cursor);
            esperat << c[2] + ',' + c[3];
        }
        QCOMPARE(vist, esperat);
        for (const auto& [escrit, guardat] : kCaracters)
            QVERIFY2(ClauAcces::caracter(escrit) == guardat,
                     qPrintable(QString::number(escrit, 16)));
        for (const auto& [clau, escrit, concedit] : kProves) {
            ConfigGeneral g;
            g.Clau = clau;
            QVERIFY2(ClauAcces::concedeix(escrit, g) == concedit, qPrintable(escrit));
        }
        QCOMPARE(ClauAcces::novaClau("ab1") + ClauAcces::novaClau("abcdefghij") +
                     ClauAcces::novaClau("àç€Ÿ@[]{}"),
                 QByteArray("AB1     ABCDEFGH\xC0\xC7\x80\x9F@[]{"));
    }

    // Help, then the cursor (Grey, Red, Hidden) before each key.
    void answerLine() {
        for (const QString& fila : QString(kEscriptures).split('|')) {
            const QStringList c = fila.split(',');
            LiniaResposta linia;
            linia.inicia(c[0]);
            QString resultats;
            for (const QChar k : c[1])
                resultats += "CAE"[linia.caracter(k)];
            QCOMPARE(resultats + ',' + linia.escrit(), c[2] + ',' + c[3]);
        }
        LiniaResposta linia;
        linia.inicia("1.5");
        QString vist;
        for (const QChar c : QString("91.55")) {
            vist += linia.caracterAjuda().isNull() ? '-' : linia.caracterAjuda();
            vist += linia.senyalVisible() ? (linia.senyalVermell() ? "R" : "G") : "H";
            linia.caracter(c);
        }
        QCOMPARE(vist, "1G1R.G5G-H");
        linia.inicia("3"); // after a key past the answer turned it red
        QVERIFY(linia.senyalVisible() && !linia.senyalVermell() && linia.escrit().isEmpty());
    }

    // One seed, one sequence of draws, each in [0, 1).
    void atzar() {
        Atzar a(7), b(7);
        for (int i = 0; i < 20000; ++i) {
            const float r = a.r();
            QVERIFY(r >= 0.0f && r < 1.0f && r == b.r());
        }
    }

    void digitGrouping() {
        for (const QString& fila : QString(kGrups).split('|')) {
            const QStringList c = fila.split(',');
            QCOMPARE(DigitGrouping::group(c[0].toLongLong(), c[1].toInt()), c[2]);
            QCOMPARE(DigitGrouping::FormataNombre(c[0].toLongLong(), c[1].toInt()), c[2] + "   ");
        }
        QCOMPARE(DigitGrouping::separator(0) + DigitGrouping::separator(1) +
                     DigitGrouping::separator(2) + DigitGrouping::separator(255),
                 ". ");
    }

    // Written as UTF-8 with its mark, fields quoted when they need it (the replayed lists read
    // every table written back); files from elsewhere are read with their own separator (their
    // encodings are the class-list import's cases).
    void csv() {
        const QList<QStringList> taula = {{"Núm", "Nom", "Cardinals"},
                                          {"1", "NÚRIA; \"la petita\"", "3"},
                                          {"2", " ANNA ", ""},
                                          {"3", "JAN\r\nPUIG", "€"}};
        QCOMPARE(Csv::write(taula), "\xEF\xBB\xBFN\xC3\xBAm;Nom;Cardinals\r\n1;\"N\xC3\x9ARIA; "
                                    "\"\"la petita\"\"\";3\r\n2;\" ANNA \";\r\n3;\"JAN\r\nPUIG\";"
                                    "\xE2\x82\xAC\r\n");
        const QString coma = "Nom,Cognom\n\"Puig, Anna\",x\n\nJan";
        QCOMPARE(Csv::parse(coma, u','),
                 (QList<QStringList>{{"Nom", "Cognom"}, {"Puig, Anna", "x"}, {""}, {"Jan"}}));
        QCOMPARE(Csv::guessSeparator("Anna\tPuig"), u'\t');
        QCOMPARE(Csv::guessSeparator("\"a;b\",c"), u',');
        QCOMPARE(Csv::guessSeparator("Anna Puig\nx;y"), u';');
    }
};

QTEST_GUILESS_MAIN(TestTextos)
#include "tst_Textos.moc"
