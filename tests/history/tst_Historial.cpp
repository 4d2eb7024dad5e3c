#include "core/IdsText.h"
#include "core/StringTable.h"
#include "history/EscriuHistorial.h"
#include "history/FitxerHistorial.h"
#include "history/LecturaHistorial.h"
#include "history/RtfHistorial.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/MitjaPle.h"
#include "tests/support/Taula.h"

namespace {

// A series as the board reports it (counters with their totals) and its line in the history.
const std::pair<LiniaHistorial, QByteArray> kLinies[] = {
    {{QDate(2000, 1, 9), 1, 4, "Tiempo", "1", 0, 5, 7, 10, 5, 300},
     "09-01-00\tOrdenaci\xF3n\tTiempo\t 1\t  0\t(10)\t  5\t(5)\t  7\t(300)\r\n"},
    {{QDate(1999, 12, 31), 2, 7, "Remata", "10", 12, 0, 60, 10, 5, 300},
     "31-12-99\tT\xE1\x62oas\tRemata\t10\t 12\t(10)\t  0\t(5)\t 60\t(300)\r\n"},
    {{QDate(2024, 10, 17), 3, 9, "Denbora", "9", 100, 250, 300, 10, 5, 300},
     "17-10-24\tZatiketa\tDenbora\t 9\t100\t(10)\t250\t(5)\t300\t(300)\r\n"},
    {{QDate(2001, 12, 5), 0, 4, "Abandona", "100", 1234, 10000, 3600, 1, 0, 1500},
     "05-12-01\tOrdenaci\xF3\tAbandona\t100\t1234\t(1)\t10000\t(0)\t3600\t(1500)\r\n"}};

// Lines as a teacher may leave them after editing in the viewer, or as damage leaves them. The
// expected series is written "day activity result level done/to-do errors/allowed used/allowed".
struct Lectura {
    const char* nom;
    const char* linia;
    const char* serie; // nullptr: not a series line
};
const Lectura kLectures[] = {
    {"blanks and doubled tabs",
     " 5-12-2001 \t\tcardinals \t SUPERAT\t3\t10\t( 10 )\t2\t(5)\t95\t(300)  ",
     "2001-12-05 1 Superat 3 10/10 2/5 95/300"},
    {"slashes, English words", "05/12/01\tDivision\tTemps\t10\t1\t(10)\t0\t(5)\t300\t(300)",
     "2001-12-05 9 Temps 10 1/10 0/5 300/300"},
    {"old Basque words", "31-12-99\tZatiketa\tBukatu\t1\t1\t(1)\t0\t(0)\t1\t(9)",
     "1999-12-31 9 Acaba 1 1/1 0/0 1/9"},
    {"old Basque leaving", "01-01-02\tTaulak\tUtzi\t1\t0\t(1)\t0\t(0)\t1\t(9)",
     "2002-01-01 7 Abandona 1 0/1 0/0 1/9"},
    {"blank", "   ", nullptr},
    {"one piece too many", "05-12-01\tSumar\tSuperat\t3\t1\t(1)\t0\t(0)\t1\t(9)\tx", nullptr},
    {"unknown activity", "05-12-01\tDibuix\tSuperat\t3\t1\t(1)\t0\t(0)\t1\t(9)", nullptr},
    {"unknown result", "05-12-01\tSumar\tGuanya\t3\t1\t(1)\t0\t(0)\t1\t(9)", nullptr},
    {"total without brackets", "05-12-01\tSumar\tSuperat\t3\t1\t1\t0\t(0)\t1\t(9)", nullptr},
    {"level not a number", "05-12-01\tSumar\tSuperat\tx\t1\t(1)\t0\t(0)\t1\t(9)", nullptr},
};

QString escrit(const std::optional<SerieHistorial>& s) {
    static const char* const kResultats[] = {"Acaba", "Superat", "Abandona", "Errors", "Temps"};
    if (!s)
        return {};
    return QString::asprintf("%s %d %s %d %d/%d %d/%d %d/%d",
                             qPrintable(s->data.toString(Qt::ISODate)), numero(s->activitat),
                             kResultats[int(s->resultat)], s->nivell, s->fets, s->fer,
                             s->errorsFets, s->errors, s->segonsUsats, s->temps);
}

} // namespace

class TestHistorial : public QObject {
    Q_OBJECT
private slots:
    // Appended inside the history folder whatever the name, the folder made again when gone.
    void linesAppended() {
        CarpetaProva c;
        QVERIFY(QDir(c.path("Inf/Hst")).removeRecursively());
        QByteArray linies;
        for (const auto& [serie, bytes] : kLinies) {
            const QString nom = linies.isEmpty() ? "ANNA" + QString(31, ' ') : QString("ANNA");
            QVERIFY(EscriuHistorial(c.path(), nom, serie));
            linies += bytes;
        }
        QCOMPARE(c.llegeix(c.hst("ANNA")), linies);
        QVERIFY(EscriuHistorial(c.path(), "../../General", QByteArray("y\r\n")));
        QCOMPARE(c.llegeix(c.hst("______General")), "y\r\n");
        QVERIFY(![&] { // a full medium
            MitjaPle ple;
            return EscriuHistorial(c.path(), "JAN", kLinies[0].first);
        }());
    }

    // Opening never rewrites a file, nor touches what stands in its place.
    void viewerText() {
        CarpetaProva c;
        const QString nom = QString::fromUtf8("Núria Puig");
        QVERIFY(QDir(c.path("Inf/Hst")).removeRecursively());
        QCOMPARE(FitxerHistorial::obre(c.path(), "  " + nom + "  "), std::optional(QString()));
        QCOMPARE(c.llegeix(c.hst(nom)), QByteArray());
        const QByteArray bytes = "05-12-01\tOrdenaci\xf3\tSuperat\r\n06-12-01\r\na\nb\rc";
        c.escriu(c.hst(nom), bytes);
        QCOMPARE(
            FitxerHistorial::obre(c.path(), nom),
            std::optional(QString::fromUtf8("05-12-01\tOrdenació\tSuperat\n06-12-01\na\nb\nc")));
        QCOMPARE(c.llegeix(c.hst(nom)), bytes);
        // Saved as the board writes: Windows-1252, every line ended by CR LF.
        QVERIFY(FitxerHistorial::desa(c.path(), nom, "Ordenació ĉ €\nx"));
        QCOMPARE(c.llegeix(c.hst(nom)), "Ordenaci\xf3 ? \x80\r\nx\r\n");
        QVERIFY(![&] { // a full medium keeps the old history whole
            MitjaPle ple;
            return FitxerHistorial::desa(c.path(), nom, "y\n");
        }());
        QCOMPARE(c.llegeix(c.hst(nom)), "Ordenaci\xf3 ? \x80\r\nx\r\n");
        // An edit saved keeps the lines a series appended since the viewer read the file.
        c.escriu(c.hst(nom), "L1\r\nL2\r\n");
        QString edicio = "E";
        QVERIFY(FitxerHistorial::desaEdicio(c.path(), nom, edicio, "L1"));
        QCOMPARE(c.llegeix(c.hst(nom)), "E\r\nL2\r\n");
        QVERIFY(c.bloqueja(c.hst(nom)));
        QCOMPARE(FitxerHistorial::obre(c.path(), nom), std::nullopt);
        QVERIFY(!FitxerHistorial::desa(c.path(), nom, "a\n"));
    }

    void lectura_data() { files(kLectures); }
    void lectura() {
        const Lectura& l = fila(kLectures);
        QCOMPARE(escrit(LecturaHistorial::linia(QString::fromUtf8(l.linia))), l.serie);
    }

    // Every line the board writes reads back, in every language, whatever the result word; the
    // file's other lines are passed over, a missing or unreadable file is no history at all.
    void linesReadBack() {
        CarpetaProva c;
        QByteArray bytes = "Notes\r\n";
        QList<SerieHistorial> esperades;
        const int kResultats[] = {IdText::kAcaba, IdText::kSuperat, IdText::kAbandona,
                                  IdText::kErrors, IdText::kTemps};
        for (int idioma = 0; idioma < 4; ++idioma)
            for (int r = 0; r < 5; ++r) {
                const int a = 1 + (idioma * 5 + r) % kActivitats;
                const QDate dia(2024, 1 + r, 10 + idioma);
                const QString paraula = TextIdioma(kResultats[r], idioma),
                              n = QString::number(r + 1);
                const LiniaHistorial l{dia, idioma, a, paraula, n, r, idioma, 100 + r, 10, 5, 300};
                bytes += l.bytes();
                esperades << SerieHistorial{
                    l.data, tipusActivitat(a), ResultatSerie(r), r + 1, r, 10, idioma, 5, 100 + r,
                    300};
            }
        c.escriu(c.hst("ANNA"), bytes + "05-12-01\tSumar");
        QCOMPARE(LecturaHistorial::fitxer(c.path(), "ANNA"), std::optional(esperades));
        QCOMPARE(LecturaHistorial::fitxer(c.path(), "PERE"), std::nullopt);
        QVERIFY(!QFileInfo::exists(c.hst("PERE")));
        QVERIFY(c.bloqueja(c.hst("JAN")));
        QCOMPARE(LecturaHistorial::fitxer(c.path(), "JAN"), std::nullopt);
    }

    // Beyond Windows-1252, signed 16-bit Unicode numbers; beyond the first plane two surrogates.
    void rtf() {
        QCOMPARE(
            RtfHistorial::document(QString::fromUtf8("05-12-01\tSumar\n{a\\b} Ordenació € ĉ 😀\n"),
                                   {900, 2360}, 9),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
            "\\pard\\tx900\\tx2360\\f0\\fs18 05-12-01\\tab Sumar\\par\n"
            "\\{a\\\\b\\} Ordenaci\\'f3 \\'80 \\u265? \\u-10179?\\u-8704?\\par\n}");
    }
};

QTEST_GUILESS_MAIN(TestHistorial)
#include "tst_Historial.moc"
