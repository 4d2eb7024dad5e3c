#include "history/EscriuHistorial.h"
#include "history/FitxerHistorial.h"
#include "history/RtfHistorial.h"
#include "tests/support/CarpetaProva.h"

#include <csignal>
#include <sys/resource.h>

namespace {

// A series as the board reports it (counters with their totals) and its line in the history.
const std::pair<LiniaHistorial, QByteArray> kLinies[] = {
    {{QDate(2001, 12, 5), 0, 1, "Superat", "3", 10, 2, 95, 10, 5, 300},
     "05-12-01\tCardinals\tSuperat\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"},
    {{QDate(2000, 1, 9), 1, 4, "Tiempo", "1", 0, 5, 7, 10, 5, 300},
     "09-01-00\tOrdenaci\xF3n\tTiempo\t 1\t  0\t(10)\t  5\t(5)\t  7\t(300)\r\n"},
    {{QDate(1999, 12, 31), 2, 7, "Remata", "10", 12, 0, 60, 10, 5, 300},
     "31-12-99\tT\xE1"
     "boas\tRemata\t10\t 12\t(10)\t  0\t(5)\t 60\t(300)\r\n"},
    {{QDate(2024, 10, 17), 3, 9, "Denbora", "9", 100, 250, 300, 10, 5, 300},
     "17-10-24\tZatiketa\tDenbora\t 9\t100\t(10)\t250\t(5)\t300\t(300)\r\n"},
    {{QDate(2001, 12, 5), 0, 4, "Abandona", "100", 1234, 10000, 3600, 1, 0, 1500},
     "05-12-01\tOrdenaci\xF3\tAbandona\t100\t1234\t(1)\t10000\t(0)\t3600\t(1500)\r\n"}};

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
        const auto valor = &LiniaHistorial::valorComptador; // a counter shown blank reads as 0
        QCOMPARE(QList<int>({valor(""), valor(" "), valor(" 7"), valor("300")}),
                 QList<int>({0, 0, 7, 300}));
        QVERIFY(EscriuHistorial(c.path(), "../../General", QByteArray("y\r\n")));
        QCOMPARE(c.llegeix(c.hst("______General")), "y\r\n");
        QVERIFY(c.bloqueja(c.hst("PERE")));
        QVERIFY(!EscriuHistorial(c.path(), "PERE", kLinies[0].first));
        // A medium that takes no more: the file may not grow, which binds root too.
        rlimit was;
        getrlimit(RLIMIT_FSIZE, &was);
        const rlimit cap{0, was.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &cap);
        const bool escrit = EscriuHistorial(c.path(), "JAN", kLinies[0].first);
        setrlimit(RLIMIT_FSIZE, &was);
        QVERIFY(!escrit);
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
        QVERIFY(c.bloqueja(c.hst(nom)));
        QCOMPARE(FitxerHistorial::obre(c.path(), nom), std::nullopt);
        QVERIFY(QFileInfo(c.hst(nom)).isDir());
        QVERIFY(!FitxerHistorial::desa(c.path(), nom, "a\n"));
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
