#include "Arrencada.h"
#include "CarpetaProva.h"
#include "ConfigGeneral.h"
#include "ConfigGrup.h"
#include "MigrarDades.h"
#include "Registres.h"
#include "Taula.h"

#include <QDirIterator>

using namespace Registres;

namespace {

// Every entry under `dir`, sorted: folders end in '/', files carry their size.
QStringList tree(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo e(it.next());
        out << QDir(dir).relativeFilePath(e.filePath()) +
                   (e.isDir() ? QString("/") : " " + QString::number(e.size()));
    }
    out.sort();
    return out;
}

const QByteArray kProva =
    camp("101000001", 9) + '\1' + "\3\4\5\6\7\x08\x09\x0A\1" + camp("Prova", 100);

// General.cfg as found at start-up; the group decides which Grups.cfg record is read.
struct General {
    const char* nom;
    QByteArray fitxer;
    int grup;
    const char* clau;
};
const General kGenerals[] = {
    {"group 7", general(7, "ANNA", 1, 2, 1), 7, "ANNA"},
    {"group 16, blank password", general(16, ""), 16, ""},
    {"group 0", general(0, "X"), 1, "X"},
    {"negative group", general(-3, "X"), 1, "X"},
    {"group 17", general(17, "X"), 1, "X"},
    {"password never written", general(3, QByteArray(8, '\0')), 3, "TUXAM"},
    {"password padded both sides", general(3, "  AB"), 3, "AB"},
    {"record cut short", general(5).left(2), 1, "TUXAM"},
};

// A Grups.cfg (null: none) and the record the program holds for `grup` after reading it.
struct Grup {
    const char* nom;
    QByteArray fitxer;
    int grup;
    QByteArray record;
};
const Grup kGrups[] = {
    {"record 1", kProva, 1, kProva},
    {"record 2 of two", QByteArray(119, '\0') + kProva, 2, kProva},
    {"one activity is enough", grup("000000001", 0, 2), 1, grup("000000001", 0, 2)},
    {"never written", QByteArray(119, '\0'), 1, grup()},
    {"no file", QByteArray(), 3, grup()},
    {"all zero digits", grup("000000000", 1, 2, "X"), 1, grup()},
    {"blanks", grup("         ", 1, 2, "X"), 1, grup()},
    {"no 1 offered", grup("222222222", 1, 2, "X"), 1, grup()},
    {"zeros and a letter", grup("0000x0000", 1, 2, "X"), 1, grup()},
    {"record cut short", kProva.left(60), 1, grup()},
    {"beyond the end", kProva, 5, grup()},
};

// Places even root cannot write into: a file where a folder must be, or the reverse.
struct Bloqueig {
    const char* nom;
    const char* carpeta; // made first, when given
    const char* fitxer;  // a file in the way, when given
    const char* bloquejat;
};
const Bloqueig kBloquejos[] = {
    {"program folder is a file", nullptr, "Xifrum", "."},
    {"Inf is a file", "Xifrum", "Xifrum/Inf", "Inf"},
    {"Inf/Hst is a file", "Xifrum/Inf", "Xifrum/Inf/Hst", "Inf/Hst"},
    {"General.cfg is a folder", "Xifrum/Inf/General.cfg", nullptr, "Inf/General.cfg"},
    {"legacy folder is a file", "Xifrum", "Xifrum/Dades", "Dades"},
};

// Legacy files and where each one moves.
const char* const kMigrats[][2] = {
    {"Grups.cfg", "Inf/Grups.cfg"},     {"General.cfg", "Inf/General.cfg"},
    {"Prova.cfg", "Inf/Niv/Prova.niv"}, {"Nivell 2.b.cfg", "Inf/Niv/Nivell 2.b.niv"},
    {"Provacfg", "Inf/Niv/Provaniv"},   {"grups.cfg", "Inf/Niv/grups.niv"},
    {"PROVA.CFG", "Inf/PROVA.CFG"},     {"Lloros.dat", "Inf/Dat/Lloros.dat"},
    {"Gats.DAT", "Inf/Gats.DAT"},       {"Notes.txt", "Inf/Notes.txt"},
    {".amagat", "Inf/.amagat"},
};

// What a legacy file holds: General.cfg and Grups.cfg are read from their new place.
QByteArray legacy(const char* nom) {
    if (qstrcmp(nom, "General.cfg") == 0)
        return general(2, "VELLA");
    if (qstrcmp(nom, "Grups.cfg") == 0)
        return grup() + grup("110000000", 0, 5, "Antic");
    return QByteArray(nom) + '\0' + '\xFF';
}

} // namespace

class TestArrencada : public QObject {
    Q_OBJECT
private slots:
    void firstStartInEmptyFolder() {
        QTemporaryDir dir;
        Sessio s;
        QCOMPARE(Arrencada(dir.path()).run(s).status, StartupResult::Ok);
        // General.cfg only gets its record when the program closes.
        QCOMPARE(tree(dir.path()), QStringList({"Imatges/", "Inf/", "Inf/Dat/", "Inf/General.cfg 0",
                                                "Inf/Hst/", "Inf/Niv/"}));
        QCOMPARE(s.carpeta, dir.path());
        QCOMPARE(s.grup.encode(), grup());
        QVERIFY(DesarConfigGeneral(dir.path(), s.general));
        QCOMPARE(readFile(dir.filePath("Inf/General.cfg")), general(1));
        ConfigGeneral g;
        g.GrupActual = 16;
        g.setClau("");
        g.Demanar = 1;
        g.Idioma = 3;
        g.Separador = 2;
        QVERIFY(DesarConfigGeneral(dir.path(), g));
        QCOMPARE(readFile(dir.filePath("Inf/General.cfg")), general(16, "", 1, 3, 2));
        QCOMPARE(LlegirConfigGeneral(dir.path()), g);
    }

    void generalRead_data() { files(kGenerals); }
    void generalRead() {
        const General& g = fila(kGenerals);
        CarpetaProva c;
        c.escriu(c.generalCfg(), g.fitxer);
        QByteArray grups;
        for (int n = 1; n <= 16; ++n)
            grups += grup("101000001", 0, uint8_t(n), "Joc" + QByteArray::number(n));
        c.escriu(c.grupsCfg(), grups);
        Sessio s;
        QCOMPARE(Arrencada(c.path()).run(s).status, StartupResult::Ok);
        QCOMPARE(int(s.general.GrupActual), g.grup);
        QCOMPARE(s.general.clauText(), QString(g.clau));
        QCOMPARE(s.general.Clau.size(), 8);
        QCOMPARE(s.grup.NomNivell, "Joc" + QString::number(g.grup));
        // Reading never rewrites the files.
        QCOMPARE(c.llegeix(c.generalCfg()), g.fitxer);
        QCOMPARE(c.llegeix(c.grupsCfg()), grups);
    }

    void groupRecordRead_data() { files(kGrups); }
    void groupRecordRead() {
        const Grup& g = fila(kGrups);
        CarpetaProva c;
        if (!g.fitxer.isNull())
            c.escriu(c.grupsCfg(), g.fitxer);
        QCOMPARE(LlegirConfigGrup(c.path(), g.grup).encode(), g.record);
        QCOMPARE(c.llegeix(c.grupsCfg()), g.fitxer.isNull() ? QByteArray("<missing>") : g.fitxer);
    }

    void groupRecordWritten() {
        CarpetaProva c;
        ConfigGrup g;
        g.Activitats = "011111111";
        g.OpcResta = 1;
        g.Nivells = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        g.NomNivell = QString::fromUtf8("Nivell genèric");
        QVERIFY(DesarConfigGrup(c.path(), 3, g));
        QCOMPARE(c.llegeix(c.grupsCfg()), QByteArray(238, '\0') + camp("011111111", 9) + '\1' +
                                              "\1\2\3\4\5\6\7\x08\x09" +
                                              camp("Nivell gen\xE8ric", 100));
        QCOMPARE(LlegirConfigGrup(c.path(), 3), g);
        g.Nivells[4] = 0;
        QCOMPARE(g.nivells(5), 10);
        QCOMPARE(g.nivells(6), 6);
        QCOMPARE(CanviaCaracter('0', "111111111", 1), "011111111");
        QCOMPARE(CanviaCaracter('0', "111", 4), "111");
    }

    // A move that fails stops the start before anything is read and keeps its legacy file, and
    // with it Dades/; the other files move, and a later start finishes once the obstacle is gone.
    void failedMoveKeepsTheSource() {
        QTemporaryDir dir;
        const QString obstacle = dir.filePath("Inf/Niv/Prova.niv");
        QVERIFY(QDir().mkpath(obstacle));
        writeFile(dir.filePath("Dades/Prova.cfg"), "level set");
        writeFile(dir.filePath("Dades/Lloros.dat"), "pupils");
        Sessio s;
        s.carpeta = "untouched";
        const StartupResult r = Arrencada(dir.path()).run(s);
        QCOMPARE(r.status, StartupResult::MigrationFailed);
        QCOMPARE(r.paths, QStringList{"Dades/Prova.cfg"});
        QCOMPARE(s.carpeta, QString("untouched"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Inf/General.cfg")));
        QCOMPARE(readFile(dir.filePath("Dades/Prova.cfg")), QByteArray("level set"));
        QCOMPARE(readFile(dir.filePath("Inf/Dat/Lloros.dat")), QByteArray("pupils"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades/Lloros.dat")));
        QVERIFY(QDir(obstacle).removeRecursively());
        QCOMPARE(Arrencada(dir.path()).run(s).status, StartupResult::Ok);
        QCOMPARE(readFile(dir.filePath("Inf/Niv/Prova.niv")), QByteArray("level set"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades")));
    }

    // Every legacy file moves before anything is read, replacing whole what is already there.
    void legacyFilesMoveBeforeReading() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/General.cfg"), general(9, "NOVA") + QByteArray(300, 'O'));
        writeFile(dir.filePath("Inf/Niv/Prova.niv"), "old level set, longer than the new one");
        QStringList esperat{"Imatges/", "Inf/", "Inf/Dat/", "Inf/Hst/", "Inf/Niv/"};
        for (const auto& m : kMigrats) {
            writeFile(dir.filePath(QString("Dades/") + m[0]), legacy(m[0]));
            esperat << QString("%1 %2").arg(m[1]).arg(legacy(m[0]).size());
        }
        Sessio s;
        QCOMPARE(Arrencada(dir.path()).run(s).status, StartupResult::Ok);
        QCOMPARE(s.general.clauText(), QString("VELLA"));
        QCOMPARE(s.grup.NomNivell, QString("Antic"));
        for (const auto& m : kMigrats)
            QCOMPARE(readFile(dir.filePath(m[1])), legacy(m[0]));
        esperat.sort();
        QCOMPARE(tree(dir.path()), esperat);
    }

    // A folder inside Dades/ is not moved, so Dades/ stays.
    void folderInsideLegacyFolder() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Dades/Lloros.dat"), "pupils");
        writeFile(dir.filePath("Dades/Vell/Gats.dat"), "cats");
        QStringList notMoved;
        QVERIFY(!MigrarDades(dir.path(), &notMoved));
        QCOMPARE(notMoved, QStringList{"Dades"});
        QCOMPARE(readFile(dir.filePath("Inf/Dat/Lloros.dat")), QByteArray("pupils"));
        QCOMPARE(readFile(dir.filePath("Dades/Vell/Gats.dat")), QByteArray("cats"));
    }

    // Refused before anything is read or written: a second copy just closes; a lock no copy holds
    // that cannot be replaced (a folder in its place) is named, so the user can be told.
    void lockRefusalWritesNothing_data() {
        QTest::addColumn<bool>("running");
        QTest::newRow("second copy") << true;
        QTest::newRow("folder in the lock's place") << false;
    }
    void lockRefusalWritesNothing() {
        QFETCH(bool, running);
        QTemporaryDir dir;
        const QString lockFile = InstanceLock::lockFilePath(dir.path());
        Sessio s;
        Arrencada first(dir.path()); // holds the folder for as long as it lives
        if (running)
            QCOMPARE(first.run(s).status, StartupResult::Ok);
        else
            QVERIFY(QDir().mkdir(lockFile));
        writeFile(dir.filePath("Dades/Grups.cfg"), "legacy");
        const QStringList before = tree(dir.path());
        s.general.GrupActual = 5;
        const StartupResult r = Arrencada(dir.path()).run(s);
        if (!running)
            QVERIFY(QDir().rmdir(lockFile));
        QCOMPARE(r.status, running ? StartupResult::SecondCopy : StartupResult::LockBlocked);
        QCOMPARE(r.paths, running ? QStringList{} : QStringList{lockFile});
        QCOMPARE(tree(dir.path()), before);
        QCOMPARE(s.general.GrupActual, qint16(5));
    }

    void notWritableWritesNothing_data() { files(kBloquejos); }
    void notWritableWritesNothing() {
        const Bloqueig& b = fila(kBloquejos);
        QTemporaryDir dir;
        if (b.carpeta)
            QVERIFY(QDir().mkpath(dir.filePath(b.carpeta)));
        if (b.fitxer)
            writeFile(dir.filePath(b.fitxer), "in the way");
        const QStringList before = tree(dir.path());
        Sessio s;
        const StartupResult r = Arrencada(dir.filePath("Xifrum")).run(s);
        QCOMPARE(r.status, StartupResult::NotWritable);
        QCOMPARE(r.paths, QStringList{b.bloquejat});
        QCOMPARE(tree(dir.path()), before);
        QVERIFY(s.carpeta.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestArrencada)
#include "tst_Arrencada.moc"
