#include "StringTable.h"
#include "Win1252.h"

#include <QTest>

#include <array>
#include <set>

namespace {

constexpr int kOfferedLanguages = 4; // Catalan, Spanish, Galician, Basque
constexpr int kEnglish = 4;

void addRange(QList<int>& ids, int first, int last) {
    for (int id = first; id <= last; ++id)
        ids.append(id);
}

// Every identifier the windows look up, plus 120..123 for the program's own errors (data folder,
// legacy data, level set, lock file).
QList<int> usedIds() {
    QList<int> ids;
    addRange(ids, 2, 62);
    addRange(ids, 67, 118);
    addRange(ids, 120, 123);
    ids.append(150);
    addRange(ids, 170, 183);
    addRange(ids, 200, 202);
    addRange(ids, 250, 252);
    addRange(ids, 300, 302);
    ids.append(400);
    addRange(ids, 480, 484);
    addRange(ids, 496, 499);
    return ids;
}

// The English block is kept only for the ids the earlier English edition had.
std::set<int> englishIds() {
    QList<int> ids;
    addRange(ids, 2, 28);
    addRange(ids, 57, 60);
    ids.append(82);
    ids.append(87);
    addRange(ids, 91, 108);
    addRange(ids, 170, 179);
    addRange(ids, 480, 484);
    addRange(ids, 496, 499);
    return {ids.begin(), ids.end()};
}

struct CatalanText {
    int id;
    const char* text;
};

const CatalanText kCatalan[] = {
    {2, "XIFRUM 5.0"},
    {4, "Setembre 2001"},
    {5, "Portada"},
    {6, "Cardinals"},
    {7, "Ordinals"},
    {8, "Romans"},
    {9, "Ordenació"},
    {10, "Sumar"},
    {11, "Restar"},
    {12, "Taules"},
    {13, "Multiplicar"},
    {14, "Dividir"},
    {15, "Activitats"},
    {16, "Numeració"},
    {17, "Càlcul"},
    {18, "Número"},
    {19, "Nom"},
    {20, "Nivell"},
    {21, "Afegint registres..."},
    {22, "Editant registres..."},
    {23, "Eliminant registres..."},
    {24, "Eliminar definitivament els registres?"},
    {25, "Contrasenya actual"},
    {26, "Nova contrasenya"},
    {27, "Demanar contrasenya"},
    {28, "Clau d'accés"},
    {29, "Assignar nivell"},
    {30, "Nivell actual"},
    {31, "Nivells disponibles"},
    {32, "Nou nivell"},
    {33, "Nivell genèric"},
    {34, "Sí"},
    {35, "No"},
    {36, "Xifres"},
    {37, "Portant-se"},
    {38, "Primera"},
    {39, "Última"},
    {40, "Editar nivells"},
    {41, "Nivells"},
    {42, "Nivell"},
    {43, "Temps"},
    {44, "Fer"},
    {45, "Errors"},
    {46, "Inferior"},
    {47, "Superior"},
    {48, "Total"},
    {49, "Parcial"},
    {50, "Arxivar els canvis?"},
    {51, "Dividend"},
    {52, "Divisor"},
    {53, "Multiplicand"},
    {54, "Multiplicador"},
    {55, "Activitat inclosa al quadern"},
    {56, "Amb resta"},
    {57, "Separador de milers"},
    {58, "Punt"},
    {59, "Espai"},
    {60, "Cap"},
    {61, "El quadern ha de tenir al menys una activitat!"},
    {62, "Pantalla de treball"},
    {67, "FES CLIC AQUÍ QUAN ACABIS D'ORDENAR"},
    {68, "Procura no demanar ajuda!"},
    {69, "Resposta correcta!"},
    {70, "Resposta incorrecta!"},
    {71, "Operació finalitzada!"},
    {72, "La llista no està ben ordenada!"},
    {73, "L'ordenació és correcta!"},
    {74, "Accelera una mica!"},
    {75, "Ho sento! No has millorat el nivell."},
    {76, "Massa errors! No millores el nivell."},
    {77, "Molt bé! Has arribat al final."},
    {78, "Enhorabona! Has superat la prova."},
    {79, "Pàgina"},
    {80, " Sortir "},
    {81, "Afegir"},
    {82, "Acceptar"},
    {83, "Editar"},
    {84, "Anterior"},
    {85, "Següent"},
    {86, "Eliminar"},
    {87, "Cancel·lar"},
    {88, "Esperar"},
    {89, "No esperar"},
    {90, "Ajuda"},
    {91, "Núm"},
    {92, "Nom"},
    {93, "Dofins"},
    {94, "Lloros"},
    {95, "Gats"},
    {96, "Orangutans"},
    {97, "Lleons"},
    {98, "Tigres"},
    {99, "Ossos Bruns"},
    {100, "Elefants"},
    {101, "Ximpanzés"},
    {102, "Papallones"},
    {103, "Rinoceronts"},
    {104, "Llops"},
    {105, "Taurons"},
    {106, "Ossos Polars"},
    {107, "Pumes"},
    {108, "Girafes"},
    {109, "Error en imprimir"},
    {110, "La llista no admet més registres!"},
    {111, "Aquesta activitat ja l'has superada!"},
    {112, "És imprescindible el nom!"},
    {113, "Aquest grup no té assignat un nivell"},
    {114, "La clau és incorrecta"},
    {115, "No s'ha trobat el nivell d'aquest grup"},
    {116, "Eliminar definitivament el nivell?"},
    {117, "El nom de fitxer no és vàlid"},
    {118, "El fitxer ja existeix"},
    {150, "Duplicar"},
    {170, " Sortir del programa "},
    {171, " Editar nivells de dificultat "},
    {172, " Modificar la clau d'accés "},
    {173, " Canviar l'idioma "},
    {174, " Afegir un nou registre "},
    {175, " Editar un registre existent "},
    {176, " Eliminar un registre "},
    {177, " Veure l'historial"},
    {178, " Imprimir el llistat "},
    {179, " Assignar nivell al grup "},
    {180, " Desar l'historial "},
    {181, " Copiar al portapapers "},
    {182, " Imprimir l'historial "},
    {183, " Buidar l'historial "},
    {200, "Imatge identificativa"},
    {202, "Espai"},
    {250, "Historial"},
    {251, "Data"},
    {252, "Resultat"},
    {300, "Acaba"},
    {301, "Superat"},
    {302, "Abandona"},
    {400, "Imprimir"},
    {480, "Català"},
    {481, "Espanyol"},
    {482, "Gallec"},
    {483, "Euskera"},
    {484, "Anglès"},
    {496, "Idioma actual"},
    {497, "Idiomes disponibles"},
    {498, "Idioma triat"},
    {499, "Idioma de l'aplicació"},
};

// Texts fixed in every language: group names, tab and activity names, messages, history words.
// nullptr where the language's block does not carry the id.
struct GivenTexts {
    int id;
    std::array<const char*, 5> texts;
};

const GivenTexts kGiven[] = {
    {2, {"XIFRUM 5.0", "XIFRUM 5.0", "XIFRUM 5.0", "XIFRUM 5.0", "XIFRUM 4.1"}},
    {4, {"Setembre 2001", nullptr, nullptr, nullptr, "April 2001"}},
    {93, {"Dofins", "Delfines", "Golfiños", "Izurdeak", "Dolphins"}},
    {94, {"Lloros", "Loros", "Loros", "Loroak", "Parrots"}},
    {95, {"Gats", "Gatos", "Gatos", "Katuak", "Cats"}},
    {96, {"Orangutans", "Orangutanes", "Orangutáns", "Orangutanak", "Orangutans"}},
    {97, {"Lleons", "Leones", "Leóns", "Leohiak", "Lions"}},
    {98, {"Tigres", "Tigres", "Tigres", "Tigreak", "Tigers"}},
    {99, {"Ossos Bruns", "Osos pardos", "Osos pardos", "Hartz arreak", "Dun bears"}},
    {100, {"Elefants", "Elefantes", "Elefantes", "Elefanteak", "Elephants"}},
    {101, {"Ximpanzés", "Chimpancés", "Chimpancés", "Txinpantzeak", "Chimpanzees"}},
    {102, {"Papallones", "Mariposas", "Bolboretas", "Tximeletak", "Butterflies"}},
    {103, {"Rinoceronts", "Rinocerontes", "Rinocerontes", "Errinozeronteak", "Rhinos"}},
    {104, {"Llops", "Lobos", "Lobos", "Otsoak", "Wolves"}},
    {105, {"Taurons", "Tiburones", "Quenllas", "Marrazoak", "Sharks"}},
    {106, {"Ossos Polars", "Osos polares", "Osos polares", "Hartz polarrak", "Polar bears"}},
    {107, {"Pumes", "Pumas", "Pumas", "Pumak", "Pumas"}},
    {108, {"Girafes", "Jirafas", "Xirafas", "Jirafak", "Giraffes"}},
    {5, {"Portada", "Portada", "Portada", "Azala", "Front page"}},
    {6, {"Cardinals", "Cardinales", "Cardinais", "Kardinalak", "Cardinal"}},
    {7, {"Ordinals", "Ordinales", "Ordinais", "Ordinalak", "Ordinal"}},
    {8, {"Romans", "Romanos", "Romanos", "Erromatarrak", "Romans"}},
    {9, {"Ordenació", "Ordenación", "Ordenación", "Ordenaketa", "Arrangement"}},
    {10, {"Sumar", "Sumar", "Sumar", "Batuketa", "Addition"}},
    {11, {"Restar", "Restar", "Restar", "Kenketa", "Subtraction"}},
    {12, {"Taules", "Tablas", "Táboas", "Taulak", "Tables"}},
    {13, {"Multiplicar", "Multiplicar", "Multiplicar", "Biderkaketa", "Multiplication"}},
    {14, {"Dividir", "Dividir", "Dividir", "Zatiketa", "Division"}},
    {24,
     {"Eliminar definitivament els registres?", "¿Eliminar definitivamente los registros?",
      "¿Eliminar definitivamente os rexistros?", "Erregistroak betirako kendu?", nullptr}},
    {50,
     {"Arxivar els canvis?", "¿Archivar los cambios?", "¿Arquivar os cambios?", "Aldaketak gorde?",
      nullptr}},
    {67,
     {"FES CLIC AQUÍ QUAN ACABIS D'ORDENAR", "CLICA AQUÍ CUANDO ACABES DE ORDENAR",
      "CLICA AQUÍ CANDO REMATES DE ORDENAR", "ORDENATU ONDOREN EGIN KLIK HEMEN", nullptr}},
    {68,
     {"Procura no demanar ajuda!", "¡Procura no pedir ayuda!", "¡Procura non pedir axuda!",
      "Ez eskatu laguntza!", nullptr}},
    {71,
     {"Operació finalitzada!", "¡Operación finalizada!", "¡Operación rematada!",
      "Eragiketa bukatuta!", nullptr}},
    {72,
     {"La llista no està ben ordenada!", "¡La lista no está bien ordenada!",
      "¡A lista non está ben ordenada!", "Zerrenda ez dago ondo ordenatuta!", nullptr}},
    {75,
     {"Ho sento! No has millorat el nivell.", "¡Lo siento! No has mejorado el nivel.",
      "¡Síntoo! Non mellorache o nivel.", "Zer pena! Ez duzu maila hobetu.", nullptr}},
    {76,
     {"Massa errors! No millores el nivell.", "¡Demasiados errores! No mejoras el nivel.",
      "¡Demasiados erros! Non melloras o nivel.", "Errore gehiegi! Ez duzu maila hobetzen.",
      nullptr}},
    {77,
     {"Molt bé! Has arribat al final.", "¡Muy bien! Has llegado al final.",
      "¡Moi ben! Chegache ao final.", "Oso ondo! Bukaeraino heldu zara.", nullptr}},
    {78,
     {"Enhorabona! Has superat la prova.", "¡Enhorabuena! Has superado la prueba.",
      "¡Noraboa! Superáche-la proba.", "Zorionak! Froga pasatu duzu!", nullptr}},
    {109,
     {"Error en imprimir", "¡Error al imprimir!", "¡Erro ao imprimir!", "Errorea inpramatzean!",
      nullptr}},
    {110,
     {"La llista no admet més registres!", "¡La lista no admite más registros!",
      "¡A lista non admite máis rexistros!", "Zerrendak ez du erregistro gehiago onartzen!",
      nullptr}},
    {111,
     {"Aquesta activitat ja l'has superada!", "¡Esta actividad ya la has superado!",
      "¡Esta actividade xa a superache!", "Iharduera hau gainditu duzu!", nullptr}},
    {113,
     {"Aquest grup no té assignat un nivell", "Este grupo no tiene asignado un nivel",
      "Este grupo non ten asignado un nivel", "Talde honek ez du mailarik finkatuta", nullptr}},
    {114,
     {"La clau és incorrecta", "La clave es incorrecta", "A clave é incorrecta",
      "Klabea ez da zuzena", nullptr}},
    {115,
     {"No s'ha trobat el nivell d'aquest grup", "No se ha encontrado el nivel de este grupo",
      "Non se encontrou o nivel deste grupo", "Ez da talde honen maila aurkitu", nullptr}},
    {116,
     {"Eliminar definitivament el nivell?", "¿Eliminar definitivamente el nivel?",
      "¿Eliminar definitivamente o nivel?", "Maila betirako kendu?", nullptr}},
    {117,
     {"El nom de fitxer no és vàlid", "El nombre de fichero no es válido",
      "O nome de arquivo non é válido", "Artxiboaren izena ez da baliogarria", nullptr}},
    {118,
     {"El fitxer ja existeix", "El fichero ya existe", "O arquivo xa existe",
      "Artxiboa existitzen da", nullptr}},
    {120,
     {"No es pot crear la carpeta de dades del programa o no s'hi pot escriure.",
      "No se puede crear la carpeta de datos del programa o no se puede escribir en ella.",
      "Non se pode crear o cartafol de datos do programa ou non se pode escribir nel.",
      "Ezin da programaren datu-karpeta sortu edo ezin da bertan idatzi.", nullptr}},
    {123,
     {"No es pot substituir el fitxer que impedeix obrir dues còpies del programa. Esborreu-lo i "
      "torneu a obrir el programa.",
      "No se puede sustituir el fichero que impide abrir dos copias del programa. Bórrelo y "
      "vuelva a abrir el programa.",
      "Non se pode substituír o arquivo que impide abrir dúas copias do programa. Bórreo e volva "
      "abrir o programa.",
      "Ezin da ordeztu programaren bi kopia irekitzea eragozten duen artxiboa. Ezabatu eta ireki "
      "berriro programa.",
      nullptr}},
    {300, {"Acaba", "Acaba", "Remata", "Bukatuta", nullptr}},
    {301, {"Superat", "Superado", "Superado", "Gaindituta", nullptr}},
    {302, {"Abandona", "Abandona", "Abandona", "Utzita", nullptr}},
    {45, {"Errors", "Errores", "Erros", "Erroreak", nullptr}},
    {43, {"Temps", "Tiempo", "Tempo", "Denbora", nullptr}},
};

int leadingSpaces(const QString& s) {
    int n = 0;
    while (n < s.size() && s[n] == u' ')
        ++n;
    return n;
}

int trailingSpaces(const QString& s) {
    int n = 0;
    while (n < s.size() && s[s.size() - 1 - n] == u' ')
        ++n;
    return n;
}

} // namespace

class TestStringTable : public QObject {
    Q_OBJECT
private slots:
    void usedIdsInEveryOfferedBlock_data() {
        QTest::addColumn<int>("id");
        for (int id : usedIds())
            QTest::addRow("%d", id) << id;
    }
    void usedIdsInEveryOfferedBlock() {
        QFETCH(int, id);
        for (int idioma = 0; idioma < kOfferedLanguages; ++idioma) {
            QVERIFY2(StringTable::has(id, idioma), qPrintable(CodiIdioma(idioma)));
            const QString text = TextIdioma(id, idioma);
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(CodiIdioma(idioma)));
            for (QChar c : text)
                QVERIFY2(c.unicode() >= 0x20, qPrintable(CodiIdioma(idioma)));
        }
    }

    // History lines, printed lists and file names carry these texts through the single-byte codec.
    void textsSurviveWindows1252_data() { usedIdsInEveryOfferedBlock_data(); }
    void textsSurviveWindows1252() {
        QFETCH(int, id);
        for (int idioma = 0; idioma <= kEnglish; ++idioma) {
            const QString text = TextIdioma(id, idioma);
            QCOMPARE(Win1252::decode(Win1252::encode(text)), text);
        }
    }

    void blockSizes_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("count");
        QTest::newRow("CAT") << 0 << 151;
        QTest::newRow("CAS") << 1 << 151;
        QTest::newRow("GAL") << 2 << 151;
        QTest::newRow("EUS") << 3 << 151;
        QTest::newRow("ANG") << 4 << 70;
        QTest::newRow("FRA") << 5 << 0;
    }
    void blockSizes() {
        QFETCH(int, idioma);
        QFETCH(int, count);
        int held = 0;
        for (int id = -10; id < 3000; ++id)
            held += StringTable::has(id, idioma) ? 1 : 0;
        QCOMPARE(held, count);
    }

    void catalanBlockHoldsExactlyTheUsedIds() { QCOMPARE(StringTable::ids(), usedIds()); }

    void englishBlockIsPartial_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("inEnglish");
        const std::set<int> english = englishIds();
        for (int id : usedIds())
            QTest::addRow("%d", id) << id << english.contains(id);
    }
    void englishBlockIsPartial() {
        QFETCH(int, id);
        QFETCH(bool, inEnglish);
        QCOMPARE(StringTable::has(id, kEnglish), inEnglish);
        if (inEnglish)
            QVERIFY(!TextIdioma(id, kEnglish).trimmed().isEmpty());
    }

    void catalanTexts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("expected");
        for (const CatalanText& c : kCatalan)
            QTest::addRow("%d", c.id) << c.id << QString::fromUtf8(c.text);
        QTest::newRow("201 picture filter") << 201 << QStringLiteral("Fitxers gràfics|*.bmp;*.gif");
    }
    void catalanTexts() {
        QFETCH(int, id);
        QFETCH(QString, expected);
        QCOMPARE(TextIdioma(id, 0), expected);
    }

    void givenTranslations_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("expected");
        for (const GivenTexts& g : kGiven)
            for (int idioma = 0; idioma <= kEnglish; ++idioma)
                if (g.texts[idioma])
                    QTest::addRow("%d %s", g.id, qPrintable(CodiIdioma(idioma)))
                        << g.id << idioma << QString::fromUtf8(g.texts[idioma]);
    }
    void givenTranslations() {
        QFETCH(int, id);
        QFETCH(int, idioma);
        QFETCH(QString, expected);
        QCOMPARE(TextIdioma(id, idioma), expected);
    }

    void spacesFollowTheCatalan_data() { usedIdsInEveryOfferedBlock_data(); }
    void spacesFollowTheCatalan() {
        QFETCH(int, id);
        const QString catalan = TextIdioma(id, 0);
        for (int idioma = 1; idioma <= kEnglish; ++idioma) {
            if (!StringTable::has(id, idioma))
                continue;
            const QString text = TextIdioma(id, idioma);
            QVERIFY2(leadingSpaces(text) == leadingSpaces(catalan), qPrintable(text));
            QVERIFY2(trailingSpaces(text) == trailingSpaces(catalan), qPrintable(text));
        }
    }

    void spacedTextsKeepTheirBlanks_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("leading");
        QTest::addColumn<int>("trailing");
        QTest::newRow("exit button") << 80 << 1 << 1;
        QTest::newRow("tool-tip") << 170 << 1 << 1;
        QTest::newRow("history tool-tip, name follows") << 177 << 1 << 0;
        QTest::newRow("history viewer tool-tip") << 183 << 1 << 1;
        QTest::newRow("plain caption") << 81 << 0 << 0;
    }
    void spacedTextsKeepTheirBlanks() {
        QFETCH(int, id);
        QFETCH(int, leading);
        QFETCH(int, trailing);
        QCOMPARE(leadingSpaces(TextIdioma(id, 0)), leading);
        QCOMPARE(trailingSpaces(TextIdioma(id, 0)), trailing);
    }

    void pictureFilter_data() {
        QTest::addColumn<int>("idioma");
        for (int idioma = 0; idioma < kOfferedLanguages; ++idioma)
            QTest::newRow(qPrintable(CodiIdioma(idioma))) << idioma;
    }
    void pictureFilter() {
        QFETCH(int, idioma);
        const QStringList parts = TextIdioma(201, idioma).split(u'|');
        QCOMPARE(parts.size(), 2);
        QVERIFY(!parts[0].trimmed().isEmpty());
        QCOMPARE(parts[1], QStringLiteral("*.bmp;*.gif"));
    }

    void groupNameFollowsTheLanguage() {
        QCOMPARE(TextIdioma(92 + 1, 1), QStringLiteral("Delfines"));
        QCOMPARE(TextIdioma(92 + 1, 0), QStringLiteral("Dofins"));
        QCOMPARE(TextIdioma(92 + 16, 3), QStringLiteral("Jirafak"));
    }

    // Group names name the pupil-record files, so each language needs sixteen distinct names
    // that a file system accepts.
    void groupNamesAreDistinctFileNames_data() { pictureFilter_data(); }
    void groupNamesAreDistinctFileNames() {
        QFETCH(int, idioma);
        QSet<QString> seen;
        for (int grup = 1; grup <= 16; ++grup) {
            const QString nom = TextIdioma(92 + grup, idioma);
            for (QChar c : QStringLiteral("/\\:*?\"<>|"))
                QVERIFY2(!nom.contains(c), qPrintable(nom));
            QCOMPARE(nom.trimmed(), nom);
            seen.insert(nom);
        }
        QCOMPARE(seen.size(), 16);
    }

    void languageNamesOfTheLanguageWindow_data() { pictureFilter_data(); }
    void languageNamesOfTheLanguageWindow() {
        QFETCH(int, idioma);
        QSet<QString> names;
        for (int id = 480; id <= 483; ++id)
            names.insert(TextIdioma(id, idioma));
        QCOMPARE(names.size(), 4);
    }

    void missingEntriesFallBackToCatalan_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("expected");
        QTest::newRow("message missing in English")
            << 110 << 4 << QStringLiteral("La llista no admet més registres!");
        QTest::newRow("result word missing in English") << 301 << 4 << QStringLiteral("Superat");
        QTest::newRow("program folder error in English")
            << 120 << 4
            << QStringLiteral("No es pot crear la carpeta de dades del programa o no s'hi pot "
                              "escriure.");
        QTest::newRow("FRA has no block") << 93 << 5 << QStringLiteral("Dofins");
        QTest::newRow("FRA title") << 2 << 5 << QStringLiteral("XIFRUM 5.0");
        QTest::newRow("FRA tool-tip") << 177 << 5 << QStringLiteral(" Veure l'historial");
        QTest::newRow("negative language") << 5 << -1 << QStringLiteral("Portada");
        QTest::newRow("language beyond FRA") << 14 << 6 << QStringLiteral("Dividir");
        QTest::newRow("damaged config byte")
            << 113 << 255 << QStringLiteral("Aquest grup no té assignat un nivell");
    }
    void missingEntriesFallBackToCatalan() {
        QFETCH(int, id);
        QFETCH(int, idioma);
        QFETCH(QString, expected);
        QCOMPARE(TextIdioma(id, idioma), expected);
    }

    void unknownIdsAreEmpty_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("idioma");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1 Spanish") << 1 << 1;
        QTest::newRow("gap 63") << 63 << 0;
        QTest::newRow("gap 119 Basque") << 119 << 3;
        QTest::newRow("gap 401 English") << 401 << 4;
        QTest::newRow("past the block") << 500 << 0;
        QTest::newRow("an entry number, not an offset") << 593 << 0;
        QTest::newRow("negative") << -1 << 2;
        QTest::newRow("16-bit extremes") << 32767 << 5;
        QTest::newRow("most negative") << -32768 << 1;
    }
    void unknownIdsAreEmpty() {
        QFETCH(int, id);
        QFETCH(int, idioma);
        QCOMPARE(TextIdioma(id, idioma), QString());
        QVERIFY(!StringTable::has(id, idioma));
    }

    void languageCodes_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("code");
        QTest::newRow("0") << 0 << "CAT";
        QTest::newRow("1") << 1 << "CAS";
        QTest::newRow("2") << 2 << "GAL";
        QTest::newRow("3") << 3 << "EUS";
        QTest::newRow("4") << 4 << "ANG";
        QTest::newRow("5") << 5 << "FRA";
        QTest::newRow("-1") << -1 << "CAT";
        QTest::newRow("6") << 6 << "CAT";
        QTest::newRow("255") << 255 << "CAT";
    }
    void languageCodes() {
        QFETCH(int, idioma);
        QFETCH(QString, code);
        QCOMPARE(CodiIdioma(idioma), code);
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_StringTable.moc"
