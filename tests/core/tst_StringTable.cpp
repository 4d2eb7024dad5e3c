#include "StringTable.h"
#include "Win1252.h"

#include <QRegularExpression>
#include <QTest>

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

// Texts fixed in the five blocks (an empty field is not checked): the group names name the pupil
// files, activity names and result words are written into the histories.
const char kTextos[] = R"(2|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 5.0|XIFRUM 4.1
4|Setembre 2001||||April 2001
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
77|Molt bé! Has arribat al final.|¡Muy bien! Has llegado al final.|¡Moi ben! Chegache ao final.|Oso ondo! Bukaeraino heldu zara.|
78|Enhorabona! Has superat la prova.|¡Enhorabuena! Has superado la prueba.|¡Noraboa! Superáche-la proba.|Zorionak! Froga pasatu duzu!|
109|Error en imprimir|¡Error al imprimir!|¡Erro ao imprimir!|Errorea inpramatzean!|
114|La clau és incorrecta|La clave es incorrecta|A clave é incorrecta|Klabea ez da zuzena|
120|No es pot crear la carpeta de dades del programa o no s'hi pot escriure.||||
24|Eliminar definitivament els registres?||||
67|FES CLIC AQUÍ QUAN ACABIS D'ORDENAR||||
80| Sortir ||||
177| Veure l'historial||||
480|Català||||)";

// The leading and trailing spaces of `s`.
QString marges(const QString& s) {
    const QRegularExpressionMatch m = QRegularExpression("^( *).*?( *)$").match(s);
    return m.captured(1) + '|' + m.captured(2);
}

} // namespace

class TestStringTable : public QObject {
    Q_OBJECT
private slots:
    // Present in every offered block, visible, carried by the single-byte code page of history
    // lines and file names, and with the Catalan text's leading and trailing spaces.
    void usedIdsInEveryOfferedBlock() {
        QCOMPARE(StringTable::ids(), kUsats);
        for (int id : kUsats) {
            const QString catala = TextIdioma(id, 0);
            for (int idioma = 0; idioma <= 4; ++idioma) {
                const QString text = TextIdioma(id, idioma);
                const QString on =
                    QString("%1 %2: \"%3\"").arg(CodiIdioma(idioma)).arg(id).arg(text);
                QVERIFY2(StringTable::has(id, idioma) == (idioma < 4 || kAngles.contains(id)),
                         qPrintable(on));
                QVERIFY2(!text.trimmed().isEmpty() &&
                             Win1252::decode(Win1252::encode(text)) == text,
                         qPrintable(on));
                for (QChar c : text)
                    QVERIFY2(c.unicode() >= 0x20, qPrintable(on));
                QVERIFY2(marges(text) == marges(catala), qPrintable(on));
            }
        }
    }

    void blockSizes() {
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
        for (int idioma = 0; idioma < 4; ++idioma) {
            const QStringList filtre = TextIdioma(201, idioma).split('|');
            QCOMPARE(filtre.size(), 2);
            QVERIFY(!filtre[0].trimmed().isEmpty());
            QCOMPARE(filtre[1], "*.bmp;*.gif");
        }
    }

    // A block that lacks an id (partial English, "FRA", any other language) gives the Catalan
    // text; an id no block holds gives nothing.
    void missingEntries() {
        const struct {
            int id, idioma;
            const char* text;
        } kFallbacks[] = {{110, 4, "La llista no admet més registres!"},
                          {301, 4, "Superat"},
                          {93, 5, "Dofins"},
                          {177, 5, " Veure l'historial"},
                          {5, -1, "Portada"},
                          {14, 6, "Dividir"},
                          {113, 255, "Aquest grup no té assignat un nivell"}};
        for (const auto& f : kFallbacks)
            QCOMPARE(TextIdioma(f.id, f.idioma), QString::fromUtf8(f.text));
        const int kUnknown[][2] = {{0, 0},   {1, 1},   {63, 0}, {119, 3},   {401, 4},
                                   {500, 0}, {593, 0}, {-1, 2}, {32767, 5}, {-32768, 1}};
        for (const auto& [id, idioma] : kUnknown) {
            QCOMPARE(TextIdioma(id, idioma), QString());
            QVERIFY(!StringTable::has(id, idioma));
        }
        QCOMPARE(
            QStringList({CodiIdioma(-1), CodiIdioma(0), CodiIdioma(1), CodiIdioma(2), CodiIdioma(3),
                         CodiIdioma(4), CodiIdioma(5), CodiIdioma(6), CodiIdioma(255)}),
            QString("CAT CAT CAS GAL EUS ANG FRA CAT CAT").split(' '));
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_StringTable.moc"
