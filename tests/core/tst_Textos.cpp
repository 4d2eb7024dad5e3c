#include "Rutes.h"
#include "SafeName.h"
#include "StringTable.h"
#include "Taula.h"
#include "Win1252.h"

#include <QRegularExpression>

namespace {

QList<int> ids(std::initializer_list<std::pair<int, int>> ranges) {
    QList<int> out;
    for (auto [first, last] : ranges)
        for (int id = first; id <= last; ++id)
            out << id;
    return out;
}

// Every identifier the windows look up, 120..123 being the program's own errors (data folder,
// legacy data, level set, lock file); the English block holds those of the earlier edition only.
const QList<int> kUsats = ids({{2, 62},
                               {67, 118},
                               {120, 123},
                               {150, 150},
                               {170, 183},
                               {200, 202},
                               {250, 252},
                               {300, 302},
                               {400, 400},
                               {480, 484},
                               {496, 499}});
const QList<int> kAngles =
    ids({{2, 28}, {57, 60}, {82, 82}, {87, 87}, {91, 108}, {170, 179}, {480, 484}, {496, 499}});

// Texts fixed in the five blocks (an empty field is not checked): group names name the pupil
// files, activity names and result words are written into the histories.
const char kTextos[] = R"(2|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 4.1
5|Portada|Portada|Portada|Azala|Front page
6|Cardinals|Cardinales|Cardinais|Kardinalak|Cardinal
7|Ordinals|Ordinales|Ordinais|Ordinalak|Ordinal
8|Romans|Romanos|Romanos|Erromatarrak|Romans
9|Ordenació|Ordenación|Ordenación|Ordenaketa|Arrangement
10|Sumar|Sumar|Sumar|Batuketa|Addition
11|Restar|Restar|Restar|Kenketa|Subtraction
12|Taules|Tablas|Táboas|Taulak|Tables
13|Multiplicar|Multiplicar|Multiplicar|Biderkaketa|Multiplication
14|Dividir|Dividir|Dividir|Zatiketa|Division
43|Temps|Tiempo|Tempo|Denbora|
45|Errors|Errores|Erros|Erroreak|
300|Acaba|Acaba|Remata|Bukatuta|
301|Superat|Superado|Superado|Gaindituta|
302|Abandona|Abandona|Abandona|Utzita|
93|Dofins|Delfines|Golfiños|Izurdeak|Dolphins
94|Lloros|Loros|Loros|Loroak|Parrots
95|Gats|Gatos|Gatos|Katuak|Cats
96|Orangutans|Orangutanes|Orangutáns|Orangutanak|Orangutans
97|Lleons|Leones|Leóns|Leohiak|Lions
98|Tigres|Tigres|Tigres|Tigreak|Tigers
99|Ossos Bruns|Osos pardos|Osos pardos|Hartz arreak|Dun bears
100|Elefants|Elefantes|Elefantes|Elefanteak|Elephants
101|Ximpanzés|Chimpancés|Chimpancés|Txinpantzeak|Chimpanzees
102|Papallones|Mariposas|Bolboretas|Tximeletak|Butterflies
103|Rinoceronts|Rinocerontes|Rinocerontes|Errinozeronteak|Rhinos
104|Llops|Lobos|Lobos|Otsoak|Wolves
105|Taurons|Tiburones|Quenllas|Marrazoak|Sharks
106|Ossos Polars|Osos polares|Osos polares|Hartz polarrak|Polar bears
107|Pumes|Pumas|Pumas|Pumak|Pumas
108|Girafes|Jirafas|Xirafas|Jirafak|Giraffes
78|Enhorabona! Has superat la prova.|¡Enhorabuena! Has superado la prueba.|¡Noraboa! Superáche-la proba.|Zorionak! Froga pasatu duzu!|
67|FES CLIC AQUÍ QUAN ACABIS D'ORDENAR||||
80| Sortir ||||
177| Veure l'historial||||)";

// The leading and trailing spaces of `s`.
QString marges(const QString& s) {
    const QRegularExpressionMatch m = QRegularExpression("^( *).*?( *)$").match(s);
    return m.captured(1) + '|' + m.captured(2);
}

// Names that would leave their folder, or name none, made safe.
struct Nom {
    const char *nom, *text, *fitxer;
};
const Nom kInsegurs[] = {
    {"slash", "a/b", "a_b"},
    {"backslash", "a\\b", "a_b"},
    {"parent twice", "../../etc/passwd", "______etc_passwd"},
    {"only dots", "..", "__"},
    {"dots inside", "a..b", "a__b"},
    {"dot", ".", "_"},
    {"blanks", "   ", "_"},
    {"controls", "A\tB\nC\x7F", "A_B_C_"},
    {"absolute", "/tmp/x", "_tmp_x"},
};

// True when `path`, once "." and ".." are resolved, is a file directly inside `folder`.
bool directlyInside(const QString& path, const QString& folder) {
    return QFileInfo(QDir::cleanPath(path)).absolutePath() == folder;
}

} // namespace

class TestTextos : public QObject {
    Q_OBJECT
private slots:
    // Present in every offered block, visible, carried by the single-byte code page of history
    // lines and file names, and with the Catalan text's leading and trailing spaces.
    void usedIdsInEveryOfferedBlock() {
        QCOMPARE(StringTable::ids(), kUsats);
        for (int id : kUsats)
            for (int idioma = 0; idioma <= 4; ++idioma) {
                const QString text = TextIdioma(id, idioma);
                const QString on =
                    QString("%1 %2: \"%3\"").arg(CodiIdioma(idioma)).arg(id).arg(text);
                QVERIFY2(StringTable::has(id, idioma) == (idioma < 4 || kAngles.contains(id)),
                         qPrintable(on));
                QVERIFY2(!text.trimmed().isEmpty() &&
                             !text.contains(QRegularExpression("[\\x00-\\x1F]")) &&
                             Win1252::decode(Win1252::encode(text)) == text &&
                             marges(text) == marges(TextIdioma(id, 0)),
                         qPrintable(on));
            }
        const int sizes[] = {151, 151, 151, 151, 70, 0};
        for (int idioma = 0; idioma <= 5; ++idioma) {
            int held = 0;
            for (int id = -10; id < 3000; ++id)
                held += StringTable::has(id, idioma);
            QCOMPARE(held, sizes[idioma]);
        }
    }

    void givenTexts() {
        for (const QString& linia : QString::fromUtf8(kTextos).split('\n')) {
            const QStringList camps = linia.split('|');
            for (int idioma = 0; idioma <= 4; ++idioma)
                if (!camps.at(idioma + 1).isEmpty())
                    QCOMPARE(TextIdioma(camps.at(0).toInt(), idioma), camps.at(idioma + 1));
        }
        for (int idioma = 0; idioma < 4; ++idioma)
            QVERIFY(TextIdioma(201, idioma)
                        .contains(QRegularExpression("^[^|]*\\w[^|]*\\|\\*\\.bmp;\\*\\.gif$")));
    }

    // A block that lacks an id (partial English, "FRA", any other language) gives the Catalan
    // text; an id no block holds gives nothing.
    void missingEntries() {
        QCOMPARE(QStringList({TextIdioma(110, 4), TextIdioma(93, 5), TextIdioma(177, 5),
                              TextIdioma(5, -1), TextIdioma(14, 6), TextIdioma(301, 255)}),
                 QStringList({"La llista no admet més registres!", "Dofins", " Veure l'historial",
                              "Portada", "Dividir", "Superat"}));
        const int kDesconeguts[][2] = {{0, 0},   {1, 1},   {63, 0}, {119, 3},   {401, 4},
                                       {500, 0}, {593, 0}, {-1, 2}, {32767, 5}, {-32768, 1}};
        for (const auto& [id, idioma] : kDesconeguts)
            QVERIFY(TextIdioma(id, idioma).isNull() && !StringTable::has(id, idioma));
        QStringList codis;
        for (const int idioma : {-1, 0, 1, 2, 3, 4, 5, 6, 255})
            codis << CodiIdioma(idioma);
        QCOMPARE(codis.join(' '), "CAT CAT CAS GAL EUS ANG FRA CAT CAT");
    }

    // Every byte reads and writes back as itself, so a stored name or password keeps its bytes;
    // the five bytes the code page leaves undefined read as the C1 control of the same value.
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
        // What the code page cannot hold is '?', one for each character.
        QCOMPARE(Win1252::encode(QString::fromUtf8("αβ A😀B Łódź")), QByteArray("?? A?B ?\xF3"
                                                                               "d?"));
        QCOMPARE(Win1252::field("AB", 3) + Win1252::field("ABCDEFG", 3) +
                     Win1252::field(QString::fromUtf8("ÀÈ"), 3),
                 QByteArray("AB ABC\xC0\xC8 "));
    }

    void unsafeNamesStayInsideTheirFolder_data() { files(kInsegurs); }
    void unsafeNamesStayInsideTheirFolder() {
        const Nom& n = fila(kInsegurs);
        QVERIFY(!SafeName::esValid(n.text));
        QCOMPARE(SafeName::nomFitxer(n.text), n.fitxer);
        QVERIFY(directlyInside(RutaHistorial("/prog", n.text), "/prog/Inf/Hst"));
        QVERIFY(directlyInside(RutaNivell("/prog", n.text), "/prog/Inf/Niv"));
        QVERIFY(directlyInside(RutaCopiaNivell("/prog", n.text), "/prog/Inf/Niv"));
    }

    // Ordinary names keep their files' names, apart from surrounding blanks; a group's name in
    // the language names its pupil file.
    void ordinaryNames() {
        const QString nom = QString::fromUtf8("  J.M. Núria Col·lecció N'Arnau ");
        QVERIFY(SafeName::esValid(nom));
        QCOMPARE(
            QStringList(
                {RutaHistorial("/p", nom), RutaNivell("/p", nom), RutaCopiaNivell("/p", nom)}),
            QString::fromUtf8("/p/Inf/Hst/J.M. Núria Col·lecció N'Arnau.rtf|/p/Inf/Niv/J.M. Núria "
                              "Col·lecció N'Arnau.niv|/p/Inf/Niv/J.M. Núria Col·lecció N'Arnau.ni2")
                .split('|'));
        QCOMPARE(QStringList({RutaRegistres("/p", 1, 0), RutaRegistres("/p", 1, 2),
                              RutaRegistres("/p", 14, 0), RutaRegistres("/p", 16, 3)}),
                 QString::fromUtf8("/p/Inf/Dat/Dofins.dat|/p/Inf/Dat/Golfiños.dat|/p/Inf/Dat/Ossos "
                                   "Polars.dat|/p/Inf/Dat/Jirafak.dat")
                     .split('|'));
    }
};

QTEST_GUILESS_MAIN(TestTextos)
#include "tst_Textos.moc"
