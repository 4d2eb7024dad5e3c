#include "core/Arrencada.h"
#include "core/ConfigGeneral.h"
#include "core/ConfigGrup.h"
#include "core/EscalaPantalla.h"
#include "core/FileLock.h"
#include "core/FitxerAlumnes.h"
#include "core/MigrarDades.h"
#include "core/MotiuNoDesat.h"
#include "core/Rutes.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"

#include <QDateTime>
#include <QDirIterator>
#include <QProcess>
#include <QSysInfo>

#include <cstdio>
#include <functional>

using namespace Registres;

namespace {

// Every entry under `dir`, sorted: folders end in '/', files carry their size.
QStringList tree(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo e(it.next());
        out << e.filePath().mid(dir.size() + 1) +
                   (e.isDir() ? QString("/") : " " + QString::number(e.size()));
    }
    out.sort();
    return out;
}

// General.cfg found at start-up, the group used (it picks the Grups.cfg record) and the password.
const std::tuple<QByteArray, int, const char*> kGenerals[] = {
    {general(7, "ANNA", 1, 2, 1), 7, "ANNA"},
    {general(16, ""), 16, ""},
    {general(0, "X"), 1, "X"},
    {general(17, "X"), 1, "X"},
    {general(3, QByteArray(8, '\0')), 3, "TUXAM"}};

// A Grups.cfg (null: none) and the record the program holds for group 1 after reading it.
const QByteArray kProva =
    camp("101000001", 9) + '\1' + "\3\4\5\6\7\x08\x09\x0A\1" + camp("Prova", 100);
const std::pair<QByteArray, QByteArray> kGrups[] = {
    {kProva, kProva},
    {grup("000000001", 0, 2), grup("000000001", 0, 2)}, // one activity is enough
    {QByteArray(), grup()},
    {grup("2000x0000", 1, 2, "X"), grup()}, // no activity offered
    {grup("x11111111", 1, 2, "X"), grup()}, // reads as the number 0
    {kProva.left(60), grup()}};

// Blocked places of program folder X even for root (folder made, file in the way, place named).
const std::tuple<const char*, const char*, const char*> kBloquejos[] = {
    {nullptr, "X", "."},
    {"X", "X/Inf", "Inf"},
    {"X/Inf", "X/Inf/Hst", "Inf/Hst"},
    {"X/Inf/General.cfg", nullptr, "Inf/General.cfg"},
    {"X", "X/Dades", "Dades"}};

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
QByteArray legacy(const QString& nom) {
    return nom == "General.cfg" ? general(2, "VELLA")
           : nom == "Grups.cfg" ? grup() + grup("110000000", 0, 5, "Antic")
                                : nom.toLatin1() + '\0' + '\xFF';
}

constexpr int kGrup = 3;
const QByteArray kAnna = alumne(1, "ANNA", {1, 2, 3, 4, 5, 6, 7, 8, 9}, "anna.bmp");
const QByteArray kPere = alumne(3, "PERE", {10, 0, 1, 1, 0, 2, 2, 2, 2});
const QByteArray kJan = alumne(2, "JAN");
const QByteArray kBuit(65, '\0');

// Activity, level passed by PERE (record 3), the group's level count, the level stored (a pass
// below the last level and of the last one the board's series stores).
const int kSuperats[][4] = {{2, 9, 10, 10}, {9, 9, 0, 10}, {7, 7, 5, 0}, {8, 10, 12, 0}};

// Files found at start-up, their age in minutes and whether they are still there after it: only
// temporaries of the program's own targets, in the data folders, older than a few minutes go.
const std::tuple<const char*, int, bool> kRestes[] = {
    {"Inf/General.cfg.AbCdEf", 9, false},
    {"Inf/Grups.cfg.qwErty", 9, false},
    {"Inf/Dat/Gats.dat.xYzabc", 9, false},
    {"Inf/Niv/Nivell genèric.niv.ABCDEF", 9, false},
    {"Inf/Niv/Prova.ni2.abcdef", 9, false},
    {"Inf/Hst/ANNA.rtf.abcdef", 9, false},
    {"Imatges/anna.bmp.abcdef", 9, false},
    {"Inf/Dat/Gats.dat.xYzabd", 3, true}, // another computer may be writing it
    {"Imatges/foto.jpg.Abcdef", 9, true}, // JAN's picture
    {"Inf/Hst/ANNA.rtf", 9, true},
    {"Inf/Hst/ANNA.rtf.abc123", 9, true},
    {"Inf/Hst/ANNA.rtf.abcdefg", 9, true},
    {"Inf/Hst/ANNA.txt.abcdef", 9, true},
    {"Inf/Hst/.rtf.abcdef", 9, true},
    {"Inf/Notes.txt.abcdef", 9, true},
    {"Sons/S1.wav.abcdef", 9, true}};

FilaAlumne row(const QString& numero, const QString& nom, const QString& nivell1,
               const QString& posicio) {
    return FilaAlumne{numero, nom, nivell1} + QStringList(8, "1") + QStringList{posicio, ""};
}

// General.cfg as another computer left it when this copy, having read ANNA's record of group 2,
// stores its settings: only the fields this copy changed replace the file's.
const QByteArray kLlegida = general(2, "ANNA");
const std::tuple<const char*, QByteArray, QByteArray, QByteArray> kComunes[] = {
    {"nothing changed here", general(5, "NOVA", 1, 2, 1), kLlegida, general(5, "NOVA", 1, 2, 1)},
    {"their password, our language", general(2, "NOVA"), general(2, "ANNA", 0, 1),
     general(2, "NOVA", 0, 1)},
    {"both the language: ours", general(2, "ANNA", 0, 3), general(2, "ANNA", 0, 1),
     general(2, "ANNA", 0, 1)},
    {"our password, their group", general(7, "ANNA", 1), general(2, "PEP"), general(7, "PEP", 1)},
};

// The group's file as this copy read it (ANNA, PERE), as another computer left it, what this copy
// then stores (`llegides`: the rows it read) and the file after; `conflicte`: the edit replaced a
// level changed elsewhere.
using Accio = std::function<bool(const QString& carpeta, QList<FilaAlumne> llegides)>;
// Level `jugat` of `activitat` passed by the pupil of `fila`, stored as the board stores it; the
// row then shows the record stored.
bool passa(const QString& carpeta, FilaAlumne& fila, int activitat, int jugat, int nivells) {
    Registre r = LlistaAlumnes::registre(fila);
    const int posicio = LlistaAlumnes::posicio(fila);
    if (!FitxerAlumnes::desaNivell(carpeta, kGrup, 0, posicio, activitat,
                                   LlistaAlumnes::nivellDespresDeSuperar(jugat, nivells), r))
        return false;
    fila = LlistaAlumnes::fila(r, posicio);
    return true;
}
bool passaPere(const QString& carpeta, QList<FilaAlumne> llegides) { // level 1 of activity 3
    return passa(carpeta, llegides[1], 3, 1, 10);
}
bool editaPere(const QString& carpeta, QList<FilaAlumne> llegides, int nivell3, bool conflicte) {
    Registre r = LlistaAlumnes::registre(llegides[1]);
    r.Nom = "PETER";
    r.Nivell[2] = uint8_t(nivell3);
    bool xoc = !conflicte;
    return FitxerAlumnes::escriuCanvis(carpeta, kGrup, 0, 2, LlistaAlumnes::registre(llegides[1]),
                                       r, &xoc) != 0 &&
           xoc == conflicte;
}
const QByteArray kPere4 = alumne(3, "PERE", {10, 0, 4, 1, 0, 2, 2, 2, 2});
const QByteArray kPereM = alumne(3, "PERE M", {10, 0, 1, 1, 0, 2, 2, 2, 2});
struct Fusio {
    const char* nom;
    QByteArray ara;
    Accio accio;
    QByteArray despres;
};
const Fusio kFusions[] = {
    {"level over a rename", kAnna + kPereM, passaPere,
     kAnna + alumne(3, "PERE M", {10, 0, 2, 1, 0, 2, 2, 2, 2})},
    {"level after a rewrite moved the pupil", kPere, passaPere,
     alumne(3, "PERE", {10, 0, 2, 1, 0, 2, 2, 2, 2})},
    {"higher level stored elsewhere kept", kAnna + kPere4, passaPere, kAnna + kPere4},
    {"pupil deleted elsewhere", kAnna, passaPere, "!" + kAnna},
    {"edit keeps a level passed elsewhere", kAnna + kPere4,
     [](const QString& c, auto l) { return editaPere(c, l, 1, false); },
     kAnna + alumne(3, "PETER", {10, 0, 4, 1, 0, 2, 2, 2, 2})},
    {"edit and a pass on one level: the edit's", kAnna + kPere4,
     [](const QString& c, auto l) { return editaPere(c, l, 7, true); },
     kAnna + alumne(3, "PETER", {10, 0, 7, 1, 0, 2, 2, 2, 2})},
    {"deletion keeps a pupil added and a level passed", kAnna + kPere4 + kJan,
     [](const QString& c, QList<FilaAlumne> l) {
         return FitxerAlumnes::reescriuSenseEsborrats(c, kGrup, 0, {l[0]}, l) && l.size() == 2;
     },
     kPere4 + kJan},
    {"new pupil after one added elsewhere", kAnna + kPere + kJan,
     [](const QString& c, auto) {
         return FitxerAlumnes::afegeix(c, kGrup, 0, {row("5", "NOU", "1", "3")});
     },
     kAnna + kPere + kJan + alumne(5, "NOU")},
};

} // namespace

// The scale the program starts with, for the screen's free area and the scale variables the
// user set (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS), and how much smaller its windows are shown.
struct CasEscala {
    const char* nom;
    QSize disponible;
    const char *usuari, *pantalles, *escala;
    qreal reduccio;
};
const CasEscala kEscales[] = {{"design screen", {1366, 768}, "", "", "", 1},
                              {"design with a task bar", {1366, 728}, "", "", "", 1},
                              {"netbook", {1024, 600}, "", "", "", 0.8},
                              {"netbook with a task bar", {1024, 570}, "", "", "", 0.75},
                              {"narrow", {1100, 768}, "", "", "", 0.9},
                              {"tiny", {400, 300}, "", "", "", 0.5},
                              {"wide but low", {2560, 810}, "", "", "1.05", 1},
                              {"full HD", {1920, 1080}, "", "", "1.4", 1},
                              {"full HD with a task bar", {1920, 1040}, "", "", "1.35", 1},
                              {"user's own scale", {1920, 1080}, "1", "", "", 1},
                              {"user's screen scales", {1920, 1080}, "", "HDMI-1=2", "", 1},
                              {"no screen", {}, "", "", "", 1}};

class TestCarpetaPrograma : public QObject {
    Q_OBJECT

    CarpetaProva c;
    QList<FilaAlumne> llegeix() const { return FitxerAlumnes::llegeix(c.path(), kGrup, 0); }

private slots:
    // The lock lives in the temporary folder; General.cfg gets its record when the program closes.
    void firstStartInEmptyFolder() {
        QTemporaryDir dir;
        Sessio s;
        QCOMPARE(Arrencada(dir.path()).executa(s).estat, EstatArrencada::Correcta);
        QCOMPARE(tree(dir.path()), QStringList({"Imatges/", "Inf/", "Inf/Dat/", "Inf/General.cfg 0",
                                                "Inf/Hst/", "Inf/Niv/"}));
        QCOMPARE(s.carpeta, dir.path());
        QTemporaryDir other; // one lock per folder
        QCOMPARE(Arrencada(other.path()).executa(s).estat, EstatArrencada::Correcta);
        QVERIFY(DesarCanvisGeneral(dir.path(), s.generalLlegit, s.general));
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Inf/General.cfg")), general(1));
        ConfigGrup grup3{
            "011111111", 1, {1, 2, 3, 4, 5, 6, 7, 8, 0}, QString::fromUtf8("Nivell genèric")};
        QVERIFY(DesarCanvisGrup(dir.path(), 3, ConfigGrup{}, grup3));
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Inf/Grups.cfg")),
                 QByteArray(238, '\0') + camp("011111111", 9) + '\1' +
                     QByteArray("\1\2\3\4\5\6\7\x08\0", 9) + camp("Nivell gen\xE8ric", 100));
        QCOMPARE(CanviaCaracter('0', "111111111", 9) + CanviaCaracter('0', "111", 4),
                 "111111110111");
    }

    void scaleAtStart_data() { files(kEscales); }
    void scaleAtStart() {
        const CasEscala& e = fila(kEscales);
        QCOMPARE(EscalaPantalla::perArrencar(e.disponible, e.usuari, e.pantalles),
                 QByteArray(e.escala));
        QCOMPARE(EscalaPantalla::reduccio(e.disponible), e.reduccio);
    }

    // Reading never rewrites the files.
    void settingsRead() {
        for (const auto& [fitxer, grup, clau] : kGenerals) {
            CarpetaProva c;
            c.escriu(c.generalCfg(), fitxer);
            QByteArray grups;
            for (int n = 1; n <= 16; ++n)
                grups += Registres::grup("101000001", 0, uint8_t(n), "Joc" + QByteArray::number(n));
            c.escriu(c.grupsCfg(), grups);
            Sessio s;
            QCOMPARE(Arrencada(c.path()).executa(s).estat, EstatArrencada::Correcta);
            QCOMPARE(int(s.general.GrupActual), grup);
            QCOMPARE(s.general.clauText(), QString(clau));
            QCOMPARE(s.grup.NomNivell, "Joc" + QString::number(grup));
            QCOMPARE(c.llegeix(c.generalCfg()) + c.llegeix(c.grupsCfg()), fitxer + grups);
        }
        for (const auto& [fitxer, record] : kGrups) {
            CarpetaProva c;
            if (!fitxer.isNull())
                c.escriu(c.grupsCfg(), fitxer);
            QCOMPARE(LlegirConfigGrup(c.path(), 1).encode(), record);
            QCOMPARE(c.llegeix(c.grupsCfg()), fitxer.isNull() ? QByteArray("<missing>") : fitxer);
        }
    }

    // Every legacy file moves before anything is read, replacing whole what is already there.
    void legacyFilesMoveBeforeReading() {
        QTemporaryDir dir;
        CarpetaProva::escriu(dir.filePath("Inf/General.cfg"),
                             general(9, "NOVA") + QByteArray(300, 'O'));
        CarpetaProva::escriu(dir.filePath("Inf/Niv/Prova.niv"),
                             "old level set, longer than the new one");
        QStringList esperat{"Imatges/", "Inf/", "Inf/Dat/", "Inf/Hst/", "Inf/Niv/"};
        for (const auto& m : kMigrats) {
            CarpetaProva::escriu(dir.filePath(QString("Dades/") + m[0]), legacy(m[0]));
            esperat << QString("%1 %2").arg(m[1]).arg(legacy(m[0]).size());
        }
        Sessio s;
        QCOMPARE(Arrencada(dir.path()).executa(s).estat, EstatArrencada::Correcta);
        QCOMPARE(s.general.clauText() + s.grup.NomNivell, QString("VELLAAntic"));
        esperat.sort();
        QCOMPARE(tree(dir.path()), esperat);
    }

    // A failed move stops the start before any reading and keeps its legacy file, and Dades/ too.
    void failedMoveKeepsTheSource() {
        QTemporaryDir dir;
        const QString obstacle = dir.filePath("Inf/Niv/Prova.niv");
        QVERIFY(QDir().mkpath(obstacle));
        CarpetaProva::escriu(dir.filePath("Dades/Prova.cfg"), "level set");
        CarpetaProva::escriu(dir.filePath("Dades/Lloros.dat"), "pupils");
        Sessio s;
        const ResultatArrencada r = Arrencada(dir.path()).executa(s);
        QCOMPARE(r.estat, EstatArrencada::DadesNoMogudes);
        QCOMPARE(r.llocs, QStringList{"Dades/Prova.cfg"});
        QVERIFY(s.carpeta.isEmpty() && !QFileInfo::exists(dir.filePath("Inf/General.cfg")));
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Dades/Prova.cfg")), QByteArray("level set"));
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Inf/Dat/Lloros.dat")), QByteArray("pupils"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades/Lloros.dat")));
        QVERIFY(QDir(obstacle).removeRecursively());
        CarpetaProva::escriu(dir.filePath("Dades/Vell/Gats.dat"), "cats");
        QStringList notMoved;
        QVERIFY(!MigrarDades(dir.path(), &notMoved));
        QCOMPARE(notMoved, QStringList{"Dades"});
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Inf/Niv/Prova.niv")), QByteArray("level set"));
        QCOMPARE(CarpetaProva::llegeix(dir.filePath("Dades/Vell/Gats.dat")), QByteArray("cats"));
    }

    void leftoverTemporariesRemoved() {
        CarpetaProva c;
        c.escriu(c.dat("Gats"), kAnna + alumne(2, "JAN", 1, "foto.jpg.Abcdef"));
        QStringList esperat = tree(c.path());
        const QDateTime ara = QDateTime::currentDateTime();
        for (const auto& [nom, minuts, queda] : kRestes) {
            c.escriu(c.path(QString::fromUtf8(nom)), "x");
            QFile f(c.path(QString::fromUtf8(nom)));
            QVERIFY(f.open(QIODevice::ReadOnly) &&
                    f.setFileTime(ara.addSecs(-60 * minuts), QFileDevice::FileModificationTime));
            if (queda)
                esperat << QString::fromUtf8(nom) + " 1";
        }
        QVERIFY(QDir().mkpath(c.path("Inf/Dat/Lloros.dat.abcdef")));
        // A lock a dead writer left goes; one held now stays.
        c.escriu(c.path("Inf/Gats.dat.lock"),
                 "2147483646\nxifrum\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        FileLock viu(c.path("Inf/Lloros.dat.lock"));
        QVERIFY(viu.lock());
        esperat << "Inf/Lloros.dat.lock " +
                       QString::number(QFileInfo(c.path("Inf/Lloros.dat.lock")).size());
        esperat += {"Inf/Dat/Lloros.dat.abcdef/", "Inf/General.cfg 0", "Sons/"};
        esperat.sort();
        Sessio s;
        QCOMPARE(Arrencada(c.path()).executa(s).estat, EstatArrencada::Correcta);
        QCOMPARE(tree(c.path()), esperat);
    }

    // A second copy, however it names the folder, closes; a lock that cannot be replaced is named.
    void lockRefusalWritesNothing() {
        QTemporaryDir dir, links;
        const QString lockFile = InstanceLock::lockFilePath(dir.path());
        QVERIFY(QFile::link(dir.path(), links.filePath("enllac")));
        for (const bool running : {true, false}) {
            Sessio s;
            Arrencada first(dir.path()); // holds the folder for as long as it lives
            if (running)
                QCOMPARE(first.executa(s).estat, EstatArrencada::Correcta);
            else
                QVERIFY(QDir().mkdir(lockFile));
            CarpetaProva::escriu(dir.filePath("Dades/Grups.cfg"), "legacy");
            const QStringList before = tree(dir.path());
            s.general.GrupActual = 5;
            for (const QString& folder : {dir.path() + "/./", links.filePath("enllac")}) {
                const ResultatArrencada r = Arrencada(folder).executa(s);
                QCOMPARE(r.estat,
                         running ? EstatArrencada::SegonaCopia : EstatArrencada::BloqueigFix);
                QCOMPARE(r.llocs, running ? QStringList{} : QStringList{lockFile});
            }
            QCOMPARE(tree(dir.path()), before);
            QCOMPARE(int(s.general.GrupActual), 5);
        }
        QVERIFY(QDir().rmdir(lockFile));
    }

    // Without any lock (no usable temporary folder) the program still serves its pupils.
    void notWritableWritesNothing() {
        for (const auto& [carpeta, fitxer, bloquejat] : kBloquejos) {
            QTemporaryDir dir;
            if (carpeta)
                QVERIFY(QDir().mkpath(dir.filePath(carpeta)));
            if (fitxer)
                CarpetaProva::escriu(dir.filePath(fitxer), "in the way");
            const QStringList before = tree(dir.path());
            Sessio s;
            const ResultatArrencada r = Arrencada(dir.filePath("X")).executa(s);
            QCOMPARE(r.estat, EstatArrencada::NoEscrivible);
            QCOMPARE(r.llocs, QStringList{bloquejat});
            QCOMPARE(tree(dir.path()), before);
            QVERIFY(s.carpeta.isEmpty());
        }
        QTemporaryDir dir;
        CarpetaProva::escriu(dir.filePath("not a folder"), "");
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir.filePath("not a folder").toUtf8());
        Sessio s;
        const ResultatArrencada r = Arrencada(dir.path()).executa(s);
        saved.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved);
        QCOMPARE(r.estat, EstatArrencada::Correcta);
    }

    // A crash, a power cut while locking or garbage must not keep the program out for good.
    void leftoverLockIsTakenOver() {
        QTemporaryDir dir;
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {"--hold", dir.path()});
        QVERIFY(holder.waitForStarted() && holder.waitForReadyRead());
        QCOMPARE(holder.readLine().trimmed().toInt(), int(InstanceLock::Result::Acquired));
        InstanceLock mine(dir.path());
        QCOMPARE(mine.acquire(), InstanceLock::Result::HeldByAnother);
        QFile lockFile(InstanceLock::lockFilePath(dir.path()));
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        QCOMPARE(mine.acquire(), InstanceLock::Result::HeldByAnother);
        holder.kill();
        QVERIFY(holder.waitForFinished() && lockFile.exists());
        QCOMPARE(mine.acquire(), InstanceLock::Result::Acquired);
        for (const QByteArray& content : {QByteArray(), QByteArray("\x00\xff\x13garbled", 10)}) {
            QTemporaryDir other;
            CarpetaProva::escriu(InstanceLock::lockFilePath(other.path()), content);
            InstanceLock first(other.path()), second(other.path());
            QCOMPARE(first.acquire(), InstanceLock::Result::Acquired);
            QCOMPARE(second.acquire(), InstanceLock::Result::HeldByAnother);
        }
    }

    // Empty slots and a record cut short are skipped but counted, so positions stay true; rows
    // kept after a rewrite point at their new positions, so a later level lands on their record.
    void rowsAndRewrite() {
        QVERIFY(llegeix().isEmpty() && !QFile::exists(c.dat("Gats")));
        c.escriu(c.dat("Gats"), kAnna + kJan + kBuit + kPere + kJan.left(40));
        QList<FilaAlumne> files = llegeix();
        QCOMPARE(files.size(), 3);
        QCOMPARE(LlistaAlumnes::textFila(files[0]) + '|' + LlistaAlumnes::textFila(files[2]),
                 "1\tANNA" + QString(31, ' ') + "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t1\tanna.bmp" +
                     QString(12, ' ') + "|3\tPERE" + QString(31, ' ') +
                     "\t10\t-\t1\t1\t-\t2\t2\t2\t2\t4\t" + QString(20, ' '));
        LlistaAlumnes::ordena(files);
        const QList<FilaAlumne> jan{files.takeAt(1)};
        const QByteArray abans = c.llegeix(c.dat("Gats"));
        QVERIFY(c.bloqueja(c.dat("Gats")));
        QVERIFY(!FitxerAlumnes::reescriuSenseEsborrats(c.path(), kGrup, 0, jan, files));
        QCOMPARE(LlistaAlumnes::posicio(files[1]), 4);
        QVERIFY(QDir(c.dat("Gats")).removeRecursively());
        c.escriu(c.dat("Gats"), abans);
        QVERIFY(FitxerAlumnes::reescriuSenseEsborrats(c.path(), kGrup, 0, jan, files));
        QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + kPere);
        QCOMPARE(llegeix(), files);
        QVERIFY(passa(c.path(), files[1], 3, 1, 10));
        QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + alumne(3, "PERE", {10, 0, 2, 1, 0, 2, 2, 2, 2}));
        QVERIFY(FitxerAlumnes::reescriuSenseEsborrats(c.path(), kGrup, 0, llegeix(), files));
        QVERIFY(files.isEmpty() && !QFile::exists(c.dat("Gats")));
        QVERIFY(FitxerAlumnes::reescriuSenseEsborrats(c.path(), kGrup, 0, {}, files));
    }

    void sharedSettings() {
        for (const auto& [nom, disc, nostra, despres] : kComunes) {
            CarpetaProva::escriu(c.generalCfg(), disc);
            ConfigGeneral llegida = ConfigGeneral::decode(kLlegida);
            QVERIFY(DesarCanvisGeneral(c.path(), llegida, ConfigGeneral::decode(nostra)));
            QVERIFY2(c.llegeix(c.generalCfg()) == despres && llegida.encode() == nostra, nom);
        }
        // A group's record likewise: their set name and first box, our level count of activity 2.
        c.escriu(c.grupsCfg(), grup("011111111", 0, 10, "Altre"));
        ConfigGrup nostre;
        nostre.Nivells[1] = 4;
        QVERIFY(DesarCanvisGrup(c.path(), 1, ConfigGrup{}, nostre));
        QCOMPARE(c.llegeix(c.grupsCfg()), grup("011111111", 0, 10, "Altre").replace(11, 1, "\4"));
    }

    void mergedWrites_data() { files(kFusions); }
    void mergedWrites() {
        const Fusio& cas = fila(kFusions);
        c.escriu(c.dat("Gats"), kAnna + kPere);
        const QList<FilaAlumne> llegides = llegeix();
        c.escriu(c.dat("Gats"), cas.ara);
        const bool fet = cas.accio(c.path(), llegides);
        QCOMPARE((fet ? "" : "!") + c.llegeix(c.dat("Gats")), cas.despres);
    }

    // Every write of a file waits for another computer's lock on it, then gives up with 490 and
    // the file as it was; a lock whose holder is gone, or made elsewhere and old, is taken over.
    void locksKeepWritersApart() {
        c.escriu(c.dat("Gats"), kAnna + kPere);
        c.escriu(c.generalCfg(), general(2));
        std::vector<std::function<bool()>> escriptures = {
            [&] {
                ConfigGeneral g;
                return DesarCanvisGeneral(c.path(), g, ConfigGeneral{.Idioma = 2});
            },
            [&] {
                ConfigGrup g;
                return DesarCanvisGrup(c.path(), kGrup, ConfigGrup{}, g);
            }};
        for (const Fusio& f : kFusions)
            escriptures.push_back(
                [&, llegides = llegeix()] { return f.accio(c.path(), llegides); });
        FileLock::setWaitMs(100);
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {"--hold-file", RutaBloqueig(c.path(), c.dat("Gats")),
                      RutaBloqueig(c.path(), c.generalCfg()),
                      RutaBloqueig(c.path(), c.grupsCfg())});
        QVERIFY(holder.waitForStarted() && holder.waitForReadyRead());
        for (const auto& escriptura : escriptures) {
            QVERIFY(!escriptura());
            QCOMPARE(IdNoDesat(), IdText::kDadesOcupades);
        }
        QCOMPARE(c.llegeix(c.dat("Gats")) + c.llegeix(c.generalCfg()) + c.llegeix(c.grupsCfg()),
                 kAnna + kPere + general(2) +
                     grup("011111111", 0, 10, "Altre").replace(11, 1, "\4"));
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY(escriptures[0]() && escriptures[1]() && escriptures[2]()); // the holder is gone
        const QString lock = RutaBloqueig(c.path(), c.dat("Gats"));
        for (const int segons : {0, 40}) {
            CarpetaProva::escriu(lock, "1\nXIFRUM\naltre-ordinador\n");
            QFile f(lock);
            QVERIFY(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(QDateTime::currentDateTime().addSecs(-segons),
                                  QFileDevice::FileModificationTime));
            FileLock l(lock);
            QCOMPARE(l.lock(), segons > FileLock::kStaleMs / 1000);
        }
        FileLock::setWaitMs(FileLock::kWaitMs);
    }

    void recordWrites() {
        for (const auto& [activitat, jugat, nivells, desat] : kSuperats) {
            c.escriu(c.dat("Gats"), kAnna + kBuit + kPere + kJan);
            QList<FilaAlumne> files = llegeix();
            QVERIFY(passa(c.path(), files[1], activitat, jugat, nivells));
            QCOMPARE(files[1][activitat + 1], desat ? QString::number(desat) : QString("-"));
            QByteArray pere = kPere;
            pere[35 + activitat] = char(desat);
            QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + kBuit + pere + kJan);
            QCOMPARE(llegeix()[1], files[1]);
        }
        // A name beyond the code page: the row shown before the write is the row read back.
        const Registre r{9,
                         QString::fromUtf8("Łucja Muñoz Ξ€ ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                         {1, 1, 1, 1, 1, 1, 1, 1, 1},
                         QString::fromUtf8("ñ_fotografia_de_la_nena.bmp")};
        Registre escrit = r;
        QVERIFY(QFile::remove(c.dat("Gats")));
        QCOMPARE(FitxerAlumnes::escriuCanvis(c.path(), kGrup, 0, 1, Registre(), escrit), 1);
        QCOMPARE(c.llegeix(c.dat("Gats")), alumne(9, "?ucja Mu\xF1oz ?\x80 ABCDEFGHIJKLMNOPQRST", 1,
                                                  "\xF1_fotografia_de_la_n"));
        QCOMPARE(llegeix().value(0), LlistaAlumnes::fila(r, 1));
    }

    // A new pupil takes the first position no row holds, whatever the order.
    void sortsRowsAndNewPosition() {
        QList<FilaAlumne> files = {
            row("10", "ZOE", "1", "1"),  row("9", "MARC", "1", "2"), row("2", "pau", "3", "3"),
            row("2", "PAU", "-", "4"),   row("2", "Pau", "3", "5"),  row("100", "A", "1", "6"),
            row("2", "ANNA", "10", "7"), row("2", "ANNA", "9", "8"),
        };
        LlistaAlumnes::ordena(files);
        QStringList ordre;
        for (const FilaAlumne& f : files)
            ordre << f[0] + "@" + f[11];
        QCOMPARE(ordre, QStringList({"2@8", "2@7", "2@4", "2@3", "2@5", "9@2", "10@1", "100@6"}));
        QCOMPARE(LlistaAlumnes::posicioNova(files), 9);
        QCOMPARE(LlistaAlumnes::posicioNova({}), 1);
        QCOMPARE(LlistaAlumnes::posicioNova({row("1", "X", "1", "2"), row("1", "X", "1", "3")}), 1);
        QVERIFY(LlistaAlumnes::potAfegir(99) && !LlistaAlumnes::potAfegir(100));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Named as the program names itself, so that the live holder is not taken for a dead copy.
    QCoreApplication::setApplicationName("XIFRUM");
    // "--hold FOLDER": another copy; "--hold-file LOCK...": another computer while it writes.
    if (argc >= 3 && qstrncmp(argv[1], "--hold", 6) == 0) { // until it is killed
        const bool copia = qstrcmp(argv[1], "--hold") == 0;
        InstanceLock lock(QString::fromLocal8Bit(argv[2]));
        std::vector<std::unique_ptr<FileLock>> locks;
        for (int i = 2; i < argc; ++i) {
            locks.push_back(std::make_unique<FileLock>(QString::fromLocal8Bit(argv[i])));
            std::printf("%d\n", copia ? int(lock.acquire()) : int(locks.back()->lock()));
        }
        std::fflush(stdout);
        return std::getchar();
    }
    TestCarpetaPrograma test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CarpetaPrograma.moc"
