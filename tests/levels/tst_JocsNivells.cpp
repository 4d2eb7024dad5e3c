#include "DigitGrouping.h"
#include "FitxerNivells.h"
#include "JocsNivells.h"
#include "ProgramFolder.h"
#include "Rutes.h"
#include "Sessio.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray record(const QByteArray& file, int k) {
    return file.mid((k - 1) * 14, 14);
}

// Everything under `folder`: each entry's path with its bytes, "folder" or a link's target.
QStringList estat(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        const QString what = f.isSymLink() ? "-> " + f.symLinkTarget()
                             : f.isDir()   ? QString("folder")
                                           : QString::fromLatin1(readAll(f.filePath()).toHex());
        out << QDir(folder).relativeFilePath(f.filePath()) + ": " + what;
    }
    out.sort();
    return out;
}

// Puts a folder (not empty, so that nothing can remove or replace it) where `path` was.
void carpetaA(const QString& path) {
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path + "/dins"));
}

// The level editor in a program folder of its own: the questions it asks are answered from
// `respostes` ("No" when empty), its messages are collected, and `graella` plays the grid.
struct Editor {
    QTemporaryDir dir;
    Sessio sessio;
    QStringList preguntes;
    QStringList missatges;
    QList<bool> respostes;
    QList<FilaGraella> graella;
    std::unique_ptr<JocsNivells> jocs;

    explicit Editor(int idioma = 0) {
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = 3;
        sessio.general.Idioma = int16_t(idioma);
        QDir().mkpath(dir.filePath("Inf/Niv"));
        jocs = std::make_unique<JocsNivells>(
            sessio,
            [this](const QString& q) {
                preguntes << q;
                return respostes.isEmpty() ? false : respostes.takeFirst();
            },
            [this](const QString& m) { missatges << m; }, [this] { return graella; });
    }

    QString niv(const QString& nom) const { return RutaNivell(dir.path(), nom); }
    QString ni2(const QString& nom) const { return RutaCopiaNivell(dir.path(), nom); }
    QStringList fitxers() const {
        return QDir(dir.filePath("Inf/Niv")).entryList(QDir::Files, QDir::Name);
    }
    void creaJoc(const QString& nom) { FitxerNivells::creaSiFalta(niv(nom)); }
    // Opens the window and shows the grid of the activity shown.
    void obre() {
        jocs->Obre();
        graella = jocs->CarregaActivitat();
    }
    void mostra(int a) {
        jocs->CanviaActivitat(a);
        graella = jocs->CarregaActivitat();
    }
    void edita(int row, int col, const QString& text) {
        graella[row - 1][col - 1] = text;
        jocs->marcaModificat();
    }
};

} // namespace

class TestJocsNivells : public QObject {
    Q_OBJECT
private slots:
    void emptyFolderOpensGenericSet_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("nom");
        QTest::newRow("catalan") << 0 << "Nivell genèric";
        QTest::newRow("galician") << 2 << "Nivel xenérico";
    }
    void emptyFolderOpensGenericSet() {
        QFETCH(int, idioma);
        QFETCH(QString, nom);
        Editor e(idioma);
        e.obre();
        QCOMPARE(e.jocs->llista(), QStringList{nom});
        QCOMPARE(e.jocs->JocObert(), nom);
        QCOMPARE(e.jocs->seleccionat(), 0);
        QCOMPARE(QFileInfo(e.niv(nom)).size(), 1260);
        QCOMPARE(readAll(e.ni2(nom)), readAll(e.niv(nom)));
        QCOMPARE(e.fitxers(), (QStringList{nom + ".ni2", nom + ".niv"}));
    }

    void listing() {
        Editor e;
        for (const char* f : {"b.niv", "a.niv", "C.niv", "A.niv", "notes.txt", "d.NIV", "e.ni2"})
            QVERIFY(writeAll(e.dir.filePath(QString("Inf/Niv/") + f), "x"));
        // A name with surrounding blanks maps to another file; a folder is not a set.
        QVERIFY(writeAll(e.dir.filePath("Inf/Niv/ f .niv"), "x"));
        QVERIFY(QDir().mkpath(e.dir.filePath("Inf/Niv/carpeta.niv")));
        QCOMPARE(JocsNivells::llistaFitxers(e.dir.path()), (QStringList{"A", "a", "b", "C"}));
    }

    void opensTheGroupsSet_data() {
        QTest::addColumn<QString>("nomNivell");
        QTest::addColumn<int>("posicio");
        QTest::newRow("assigned") << " Segon " << 1;
        QTest::newRow("none") << "" << 0;
        QTest::newRow("missing file") << "Altre" << 0;
    }
    void opensTheGroupsSet() {
        QFETCH(QString, nomNivell);
        QFETCH(int, posicio);
        Editor e;
        e.creaJoc("Primer");
        e.creaJoc("Segon");
        e.sessio.grup.NomNivell = nomNivell;
        e.obre();
        QCOMPARE(e.jocs->seleccionat(), posicio);
        QCOMPARE(e.jocs->JocObert(), e.jocs->llista().at(posicio));
        QVERIFY(QFileInfo::exists(e.ni2(e.jocs->JocObert())));
        QCOMPARE(e.fitxers().size(), 3);
    }

    void openingReplacesOldBackupAndCountsZeroLevelsAsTen() {
        Editor e;
        e.creaJoc("Joc");
        QVERIFY(writeAll(e.ni2("Joc"), "stale"));
        e.sessio.grup.Nivells[0] = 0;
        e.obre();
        QCOMPARE(readAll(e.ni2("Joc")), readAll(e.niv("Joc")));
        QCOMPARE(e.sessio.grup.Nivells[0], uint8_t(10));
        QCOMPARE(e.jocs->CopiaGrup().Nivells[0], uint8_t(10));
        QCOMPARE(e.graella.size(), 10);
        QVERIFY(!e.jocs->Modificat());
        QCOMPARE(e.jocs->ActivitatActual(), 1);
        e.sessio.grup.Nivells[4] = 0;
        e.mostra(5);
        QCOMPARE(e.sessio.grup.Nivells[4], uint8_t(10));
    }

    void gridText_data() {
        QTest::addColumn<int>("separador");
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("nivell");
        QTest::addColumn<QStringList>("fila");
        QTest::newRow("cardinals point")
            << 0 << 1 << 10 << QStringList{"300", "10", "5", "0   ", "100.000.000   "};
        QTest::newRow("cardinals space")
            << 1 << 1 << 10 << QStringList{"300", "10", "5", "0   ", "100 000 000   "};
        QTest::newRow("cardinals none")
            << 2 << 1 << 10 << QStringList{"300", "10", "5", "0   ", "100000000   "};
        QTest::newRow("romans") << 0 << 3 << 10
                                << QStringList{"150", "20", "5", "1   ", "3.999   "};
        QTest::newRow("ordenacio") << 1 << 4 << 3 << QStringList{"180", "8", "5", "0   ", "999   "};
        QTest::newRow("sumar no") << 0 << 5 << 5 << QStringList{"160", "5", "5", "5", "No"};
        QTest::newRow("restar si") << 0 << 6 << 6 << QStringList{"170", "5", "5", "2", "Sí"};
        QTest::newRow("taules") << 0 << 7 << 4 << QStringList{"60", "11", "5", "2", "4"};
        QTest::newRow("dividir") << 0 << 9 << 10 << QStringList{"300", "5", "5", "5", "3"};
    }
    void gridText() {
        QFETCH(int, separador);
        QFETCH(int, activitat);
        QFETCH(int, nivell);
        QFETCH(QStringList, fila);
        Editor e;
        e.sessio.general.Separador = uint8_t(separador);
        e.obre();
        e.mostra(activitat);
        const FilaGraella f = e.graella.at(nivell - 1);
        QCOMPARE(QStringList(f.begin(), f.end()), fila);
    }

    // Every activity's grid, saved as shown, writes back the bytes it was read from.
    void gridRoundTrip_data() {
        QTest::addColumn<int>("separador");
        QTest::newRow("point") << 0;
        QTest::newRow("space") << 1;
        QTest::newRow("none") << 2;
    }
    void gridRoundTrip() {
        QFETCH(int, separador);
        Editor e;
        e.sessio.general.Separador = uint8_t(separador);
        e.obre();
        const QByteArray before = readAll(e.niv(e.jocs->JocObert()));
        for (int a = 1; a <= 9; ++a) {
            e.mostra(a);
            e.jocs->DesaActivitat(e.graella);
        }
        QCOMPARE(readAll(e.niv(e.jocs->JocObert())), before);
    }

    void savingReadsGridCells_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<QStringList>("fila");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cardinals points")
            << 1 << QStringList{"200", "19", "4", "1.234   ", "1.000.000   "}
            << QByteArray("\xC8\x00\x13\x00\x04\x00\xD2\x04\x00\x00\x40\x42\x0F\x00", 14);
        QTest::newRow("ordenacio spaces")
            << 4 << QStringList{"180", "8", "5", "12 345   ", "999 999 999   "}
            << QByteArray("\xB4\x00\x08\x00\x05\x00\x39\x30\x00\x00\xFF\xC9\x9A\x3B", 14);
        QTest::newRow("ordinals digits only")
            << 2 << QStringList{"120", "15", "5", "1   ", "1.000   "}
            << QByteArray("\x78\x00\x0F\x00\x05\x00\x01\x00\x00\x00\xE8\x03\x00\x00", 14);
        QTest::newRow("sumar yes")
            << 5 << QStringList{"130", "5", "5", "3", "Sí"}
            << QByteArray("\x82\x00\x05\x00\x05\x00\x03\x00\x00\x00\x01\x00\x00\x00", 14);
        QTest::newRow("restar no")
            << 6 << QStringList{"130", "5", "5", "4", "No"}
            << QByteArray("\x82\x00\x05\x00\x05\x00\x04\x00\x00\x00\x00\x00\x00\x00", 14);
        QTest::newRow("taules") << 7 << QStringList{"60", "10", "0", "3", "8"}
                                << QByteArray(
                                       "\x3C\x00\x0A\x00\x00\x00\x03\x00\x00\x00\x08\x00\x00\x00",
                                       14);
        QTest::newRow("multiplicar")
            << 8 << QStringList{"999", "999", "999", "5", "3"}
            << QByteArray("\xE7\x03\xE7\x03\xE7\x03\x05\x00\x00\x00\x03\x00\x00\x00", 14);
        // Cells the grid never shows still cannot put a value outside the limits on disk.
        QTest::newRow("held to limits")
            << 1 << QStringList{"5", "-3", "123456", "99999999999999", "7"}
            << QByteArray("\x0A\x00\x01\x00\xE7\x03\xFF\xC9\x9A\x3B\xFF\xC9\x9A\x3B", 14);
        QTest::newRow("dividir divisor above")
            << 9 << QStringList{"120", "5", "5", "2", "3"}
            << QByteArray("\x78\x00\x05\x00\x05\x00\x02\x00\x00\x00\x02\x00\x00\x00", 14);
    }
    void savingReadsGridCells() {
        QFETCH(int, activitat);
        QFETCH(QStringList, fila);
        QFETCH(QByteArray, bytes);
        Editor e;
        e.obre();
        e.mostra(activitat);
        const QString path = e.niv(e.jocs->JocObert());
        const QByteArray before = readAll(path);
        FilaGraella f;
        std::copy(fila.begin(), fila.end(), f.begin());
        e.graella[1] = f;
        e.jocs->DesaActivitat(e.graella);
        const QByteArray after = readAll(path);
        const int k = IndexNivell(activitat, 2);
        QCOMPARE(record(after, k), bytes);
        QCOMPARE(after.left((k - 1) * 14), before.left((k - 1) * 14));
        QCOMPARE(after.mid(k * 14), before.mid(k * 14));
    }

    void savingLeavesLevelsAboveNivells() {
        Editor e;
        e.sessio.grup.Nivells[6] = 3;
        e.obre();
        e.mostra(7);
        QCOMPARE(e.graella.size(), 3);
        const QString path = e.niv(e.jocs->JocObert());
        const QByteArray before = readAll(path);
        QList<FilaGraella> rows(10, FilaGraella{"99", "9", "9", "9", "9"});
        e.jocs->DesaActivitat(rows);
        const QByteArray after = readAll(path);
        for (int l = 1; l <= 10; ++l) {
            const QByteArray r = record(after, IndexNivell(7, l));
            if (l <= 3)
                QCOMPARE(
                    r, QByteArray("\x63\x00\x09\x00\x09\x00\x09\x00\x00\x00\x09\x00\x00\x00", 14));
            else
                QCOMPARE(r, record(before, IndexNivell(7, l)));
        }
    }

    void settlingCleanSetRemovesBackup() {
        Editor e;
        e.obre();
        const QString nom = e.jocs->JocObert();
        const QByteArray before = readAll(e.niv(nom));
        e.jocs->ArxivarConfig();
        QVERIFY(e.preguntes.isEmpty());
        QVERIFY(!QFileInfo::exists(e.ni2(nom)));
        QCOMPARE(readAll(e.niv(nom)), before);
        QVERIFY(!QFileInfo::exists(ProgramFolder::grupsCfg(e.dir.path())));
    }

    void answeringYesStoresActivityAndGroup() {
        Editor e;
        e.sessio.grup.NomNivell = "Prova";
        e.creaJoc("Prova");
        e.obre();
        e.edita(1, 1, "200");
        e.edita(1, 5, "1.000.000   ");
        QVERIFY(e.jocs->CanviaIncloure(false));
        QVERIFY(e.jocs->MenysNivells());
        e.graella.removeLast();
        e.mostra(9);
        e.jocs->CanviaOpcResta(true);
        e.edita(2, 4, "4");
        e.respostes = {true};
        e.jocs->ArxivarConfig();

        QCOMPARE(e.preguntes, QStringList{"Arxivar els canvis?"});
        QVERIFY(!e.jocs->Modificat());
        QVERIFY(!QFileInfo::exists(e.ni2("Prova")));
        const QByteArray set = readAll(e.niv("Prova"));
        QCOMPARE(set.size(), 1260);
        QCOMPARE(record(set, 1),
                 QByteArray("\xC8\x00\x14\x00\x05\x00\x00\x00\x00\x00\x40\x42\x0F\x00", 14));
        QCOMPARE(record(set, 82),
                 QByteArray("\x8C\x00\x05\x00\x05\x00\x04\x00\x00\x00\x01\x00\x00\x00", 14));

        const QByteArray grups = readAll(ProgramFolder::grupsCfg(e.dir.path()));
        QCOMPARE(grups.size(), 3 * 119);
        QCOMPARE(grups.left(2 * 119), QByteArray(2 * 119, '\0'));
        QByteArray expected = QByteArray("011111111") + '\x01' +
                              QByteArray("\x09\x0A\x0A\x0A\x0A\x0A\x0A\x0A\x0A", 9) + "Prova";
        expected.append(QByteArray(119 - expected.size(), ' '));
        QCOMPARE(grups.mid(2 * 119), expected);
    }

    // A write that fails at a tab switch or on "Sí" is reported with message 120 and leaves the
    // changes pending, the activity shown and the backup in place; a later "No" still puts the set
    // and the group back as they were at opening.
    void failedWriteKeepsTheChanges_data() {
        QTest::addColumn<int>(
            "obstacle"); // 0 the set file a folder, 1 on a full disk, 2 Grups.cfg a folder
        QTest::addColumn<bool>("si"); // "Sí" rather than a tab switch
        QTest::newRow("tab switch, set file a folder") << 0 << false;
        QTest::newRow("tab switch, full disk") << 1 << false;
        QTest::newRow("Sí, set file a folder") << 0 << true;
        QTest::newRow("Sí, full disk") << 1 << true;
        QTest::newRow("Sí, Grups.cfg a folder") << 2 << true;
    }
    void failedWriteKeepsTheChanges() {
        QFETCH(int, obstacle);
        QFETCH(bool, si);
        Editor e;
        e.creaJoc("Joc");
        e.sessio.grup.NomNivell = "Joc";
        e.obre();
        const QByteArray atOpening = readAll(e.niv("Joc"));
        const ConfigGrup grupAtOpening = e.sessio.grup;
        const QString grups = ProgramFolder::grupsCfg(e.dir.path());
        e.edita(1, 1, "200");
        QVERIFY(e.jocs->MenysNivells());
        e.graella.removeLast();
        if (obstacle == 0)
            carpetaA(e.niv("Joc"));
        else if (obstacle == 1)
            QVERIFY(QFile::remove(e.niv("Joc")) && QFile::link("/dev/full", e.niv("Joc")));
        else
            carpetaA(grups);

        if (si) {
            e.respostes = {true};
            e.jocs->ArxivarConfig();
        } else {
            e.jocs->CanviaActivitat(2);
            QCOMPARE(e.jocs->ActivitatActual(), 1);
        }
        QCOMPARE(e.missatges, QStringList{e.sessio.text(120)});
        QVERIFY(e.jocs->Modificat());
        QCOMPARE(readAll(e.ni2("Joc")), atOpening);

        QVERIFY(obstacle == 1 || QDir(obstacle == 0 ? e.niv("Joc") : grups).removeRecursively());
        e.missatges.clear();
        e.respostes = {false};
        e.jocs->ArxivarConfig();
        QCOMPARE(e.missatges, QStringList{});
        QCOMPARE(readAll(e.niv("Joc")), atOpening);
        QVERIFY(!QFileInfo::exists(e.ni2("Joc")));
        QVERIFY(!QFileInfo::exists(grups));
        QVERIFY(e.sessio.grup == grupAtOpening);
        QVERIFY(!e.jocs->Modificat());
    }

    // A file operation that fails is reported with message 120 and changes nothing on disk: no
    // entry appears or goes, the set stays open, no file is lost.
    void failedFileOperations_data() {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QStringList>("llista");
        QTest::addColumn<QString>("obert");
        QTest::newRow("adding, the new file cannot be made") << 0 << QStringList{"Joc"} << "Joc";
        QTest::newRow("renaming, the backup cannot go") << 1 << QStringList{"Joc"} << "Joc";
        QTest::newRow("duplicating, the set file a folder") << 2 << QStringList{"Joc"} << "Joc";
        QTest::newRow("deleting, the set file a folder") << 3 << QStringList{"Joc"} << "Joc";
        QTest::newRow("No, the backup a folder") << 4 << QStringList{"Joc"} << "Joc";
        QTest::newRow("opening, the backup cannot be taken") << 5 << QStringList{"Joc"} << "Joc";
        QTest::newRow("opening, the set cannot be made")
            << 6 << QStringList{"Nivell genèric"} << "Nivell genèric";
    }
    void failedFileOperations() {
        QFETCH(int, cas);
        QFETCH(QStringList, llista);
        QFETCH(QString, obert);
        Editor e;
        // A link into a folder that does not exist: nothing can be written through it.
        const QString enlloc = e.dir.filePath("enlloc/x");
        if (cas == 6) {
            QVERIFY(QFile::link(enlloc, e.niv("Nivell genèric")));
        } else {
            e.creaJoc("Joc");
            if (cas == 0)
                QVERIFY(QFile::link(enlloc, e.niv("Nou")));
            if (cas == 1)
                carpetaA(e.ni2("Nou"));
            if (cas == 5)
                carpetaA(e.ni2("Joc"));
        }
        if (cas < 5)
            e.obre();
        if (cas == 4) {
            e.edita(1, 1, "200");
            e.mostra(2);
            carpetaA(e.ni2("Joc"));
        }
        if (cas == 2 || cas == 3)
            carpetaA(e.niv("Joc"));
        const QStringList abans = estat(e.dir.path());

        e.respostes = {cas == 3};
        if (cas == 0 || cas == 1)
            QVERIFY(!e.jocs->EntraNom("Nou", JocsNivells::Opcio(cas)));
        else if (cas == 2)
            e.jocs->Duplica();
        else if (cas == 3)
            e.jocs->Elimina();
        else if (cas == 4)
            e.jocs->ArxivarConfig();
        else
            e.obre();
        QCOMPARE(e.missatges, QStringList{e.sessio.text(120)});
        QCOMPARE(estat(e.dir.path()), abans);
        QCOMPARE(e.jocs->llista(), llista);
        QCOMPARE(e.jocs->JocObert(), obert);
    }

    void answeringNoRestoresFileAndGroup() {
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        const QByteArray atOpening = readAll(e.niv("Joc"));
        const ConfigGrup grupAtOpening = e.sessio.grup;

        e.edita(3, 2, "7");
        e.mostra(5); // writes activity 1
        QCOMPARE(record(readAll(e.niv("Joc")), 3),
                 QByteArray("\x8C\x00\x07\x00\x05\x00\x00\x00\x00\x00\x64\x00\x00\x00", 14));
        e.edita(6, 5, "No");
        QVERIFY(e.jocs->MesNivells() == std::nullopt);
        QVERIFY(e.jocs->MenysNivells());
        e.jocs->CanviaOpcResta(true);
        e.mostra(8); // writes activity 5
        QCOMPARE(record(readAll(e.niv("Joc")), 46),
                 QByteArray("\xAA\x00\x05\x00\x05\x00\x02\x00\x00\x00\x00\x00\x00\x00", 14));

        e.respostes = {false};
        e.jocs->ArxivarConfig();
        QCOMPARE(e.preguntes.size(), 1);
        QCOMPARE(readAll(e.niv("Joc")), atOpening);
        QVERIFY(!QFileInfo::exists(e.ni2("Joc")));
        QVERIFY(!QFileInfo::exists(ProgramFolder::grupsCfg(e.dir.path())));
        QVERIFY(e.sessio.grup == grupAtOpening);
        QVERIFY(!e.jocs->Modificat());
    }

    void noWithoutBackupKeepsTheFile() {
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        e.jocs->ArxivarConfig(); // as printing does: the set stays open without a backup
        e.edita(1, 1, "500");
        e.mostra(2);
        const QByteArray edited = readAll(e.niv("Joc"));
        e.respostes = {false};
        e.jocs->ArxivarConfig();
        QCOMPARE(readAll(e.niv("Joc")), edited);
        QCOMPARE(record(edited, 1).left(2), QByteArray("\xF4\x01", 2));
        // The edits written at the tab switch cannot be undone, and the user is told.
        QCOMPARE(e.missatges, QStringList{e.sessio.text(120)});
    }

    void freshBackupAfterPrinting() {
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        e.edita(1, 1, "500");
        e.respostes = {true};
        e.jocs->ArxivarConfig(); // printing settles the set
        QVERIFY(e.jocs->PrenCopiaSeguretat());
        const QByteArray printed = readAll(e.niv("Joc"));
        QCOMPARE(readAll(e.ni2("Joc")), printed);

        e.edita(2, 1, "600");
        QVERIFY(!e.jocs->PrenCopiaSeguretat()); // never over pending changes
        e.mostra(3);
        e.respostes = {false};
        e.jocs->ArxivarConfig();
        QCOMPARE(readAll(e.niv("Joc")), printed);
    }

    void choosingAnotherSetSettlesTheOpenOne() {
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.obre();
        e.edita(1, 1, "777");
        e.respostes = {true};
        e.jocs->Selecciona(1);
        QCOMPARE(e.preguntes.size(), 1);
        QCOMPARE(e.jocs->JocObert(), QString("B"));
        QVERIFY(!QFileInfo::exists(e.ni2("A")));
        QVERIFY(QFileInfo::exists(e.ni2("B")));
        QCOMPARE(record(readAll(e.niv("A")), 1).left(2), QByteArray("\x09\x03", 2));
    }

    void choosingTheOpenSetWithChangesAsksFirst() {
        Editor e;
        e.creaJoc("A");
        e.obre();
        const QByteArray atOpening = readAll(e.niv("A"));
        e.edita(1, 1, "777");
        e.mostra(2); // written through
        e.respostes = {false};
        e.jocs->Selecciona(0);
        QCOMPARE(e.preguntes.size(), 1);
        QCOMPARE(readAll(e.niv("A")), atOpening);
        QCOMPARE(readAll(e.ni2("A")), atOpening);
        QVERIFY(!e.jocs->Modificat());
    }

    void levelsOfTheShownActivity() {
        Editor e;
        e.sessio.grup.Nivells[1] = 1;
        e.obre();
        e.mostra(2);
        QVERIFY(!e.jocs->MenysNivells());
        QVERIFY(!e.jocs->Modificat());
        const auto added = e.jocs->MesNivells();
        QVERIFY(added.has_value());
        QCOMPARE(QStringList(added->begin(), added->end()),
                 (QStringList{"120", "15", "5", "1   ", "20   "}));
        QCOMPARE(e.sessio.grup.Nivells[1], uint8_t(2));
        QVERIFY(e.jocs->Modificat());
    }

    void lastIncludedActivityStays() {
        Editor e;
        e.sessio.grup.Activitats = "100000000";
        e.obre();
        QVERIFY(!e.jocs->CanviaIncloure(false));
        QCOMPARE(e.missatges, QStringList{"El quadern ha de tenir al menys una activitat!"});
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("100000000"));
        QVERIFY(!e.jocs->Modificat());
        e.mostra(3);
        QVERIFY(e.jocs->CanviaIncloure(true));
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("101000000"));
        QVERIFY(e.jocs->Modificat());
    }

    void invalidNames_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("opcio");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks") << "   " << 0;
        QTest::newRow("slash") << "a/b" << 0;
        QTest::newRow("backslash") << "a\\b" << 0;
        QTest::newRow("parent") << ".." << 0;
        QTest::newRow("climbing") << "../../fora" << 0;
        QTest::newRow("dots inside") << "a..b" << 1;
        QTest::newRow("dot") << "." << 1;
        QTest::newRow("tab") << "a\tb" << 1;
        QTest::newRow("newline") << "a\nb" << 1;
        QTest::newRow("too long") << QString(300, u'x') << 0;
        QTest::newRow("rename to slash") << "x/" << 1;
        // A group's record holds a set's name in 100 Windows-1252 bytes: a name that would be cut
        // or changed there could never be found again.
        QTest::newRow("101 bytes") << QString(101, u'x') << 0;
        QTest::newRow("renaming to 101 bytes") << QString(101, u'x') << 1;
        QTest::newRow("not in Windows-1252") << QString("Joc ☃") << 0;
        QTest::newRow("renaming to Greek") << QString("Επίπεδο") << 1;
        QTest::newRow("100 euro signs, too long a file name") << QString(100, u'€') << 0;
    }
    void invalidNames() {
        QFETCH(QString, nom);
        QFETCH(int, opcio);
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        const QStringList before = e.fitxers();
        QVERIFY(!e.jocs->EntraNom(nom, JocsNivells::Opcio(opcio)));
        QCOMPARE(e.missatges, QStringList{"El nom de fitxer no és vàlid"});
        QCOMPARE(e.fitxers(), before);
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Inf"});
        QCOMPARE(e.jocs->llista(), QStringList{"Joc"});
        QCOMPARE(e.jocs->JocObert(), QString("Joc"));
    }

    // Added under a name that fits, a set is found again through the group's record.
    void namesThatFitTheGroupRecord_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("100 bytes") << QString(100, u'x');
        QTest::newRow("accents and euro") << QString("Català € ñ «ÿ»");
        QTest::newRow("100 accented") << QString(100, u'é');
    }
    void namesThatFitTheGroupRecord() {
        QFETCH(QString, nom);
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        QVERIFY(e.jocs->EntraNom(nom, JocsNivells::Opcio::Afegir));
        QVERIFY(e.missatges.isEmpty());
        e.sessio.grup.NomNivell = e.jocs->JocObert();
        QVERIFY(DesarConfigGrup(e.dir.path(), 3, e.sessio.grup));
        const QString llegit = LlegirConfigGrup(e.dir.path(), 3).NomNivell;
        QCOMPARE(llegit, nom);
        QCOMPARE(QFileInfo(RutaNivell(e.dir.path(), llegit)).size(), 1260);
    }

    void existingName_data() {
        QTest::addColumn<int>("opcio");
        QTest::newRow("adding") << 0;
        QTest::newRow("renaming") << 1;
    }
    void existingName() {
        QFETCH(int, opcio);
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        QVERIFY(writeAll(e.niv("B"), "B's own bytes"));
        e.obre();
        const QByteArray a = readAll(e.niv("A"));
        QVERIFY(!e.jocs->EntraNom(" B ", JocsNivells::Opcio(opcio)));
        QCOMPARE(e.missatges, QStringList{"El fitxer ja existeix"});
        QCOMPARE(readAll(e.niv("A")), a);
        QCOMPARE(readAll(e.ni2("A")), a);
        QCOMPARE(readAll(e.niv("B")), QByteArray("B's own bytes"));
        QCOMPARE(e.jocs->llista(), (QStringList{"A", "B"}));
        QCOMPARE(e.jocs->JocObert(), QString("A"));
    }

    void addingOpensNewSet() {
        Editor e;
        e.creaJoc("A");
        e.obre();
        QVERIFY(e.jocs->EntraNom("Nou", JocsNivells::Opcio::Afegir));
        QCOMPARE(e.jocs->llista(), (QStringList{"A", "Nou"}));
        QCOMPARE(e.jocs->seleccionat(), 1);
        QCOMPARE(e.jocs->JocObert(), QString("Nou"));
        QCOMPARE(QFileInfo(e.niv("Nou")).size(), 1260);
        QCOMPARE(e.fitxers(), (QStringList{"A.niv", "Nou.ni2", "Nou.niv"}));
    }

    void renamingMovesBothFiles() {
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.obre();
        e.edita(1, 1, "321");
        e.mostra(2);
        const QByteArray niv = readAll(e.niv("A"));
        const QByteArray ni2 = readAll(e.ni2("A"));
        QVERIFY(niv != ni2);
        QVERIFY(e.jocs->EntraNom("Reanomenat", JocsNivells::Opcio::Editar));
        QCOMPARE(e.jocs->llista(), (QStringList{"Reanomenat", "B"}));
        QCOMPARE(e.jocs->JocObert(), QString("Reanomenat"));
        QCOMPARE(e.fitxers(), (QStringList{"B.niv", "Reanomenat.ni2", "Reanomenat.niv"}));
        QCOMPARE(readAll(e.niv("Reanomenat")), niv);
        QCOMPARE(readAll(e.ni2("Reanomenat")), ni2);
        // The backup followed the name: "No" still restores the state at opening.
        e.respostes = {false};
        e.jocs->ArxivarConfig();
        QCOMPARE(readAll(e.niv("Reanomenat")), ni2);
    }

    // The copy of N is "N (k)" with the smallest free k, N shortened (and any character the
    // group's record cannot hold made "_") so that the name fits that record.
    void duplicatingTakesNextFreeName_data() {
        const QString x96(96, u'x');
        QTest::addColumn<QString>("n");
        QTest::addColumn<QStringList>("existents");
        QTest::addColumn<QString>("m");
        QTest::newRow("next free number") << "N" << QStringList{"N (1)"} << "N (2)";
        QTest::newRow("full field") << QString(100, u'x') << QStringList{} << x96 + " (1)";
        QTest::newRow("full field, first copy there")
            << QString(100, u'x') << QStringList{x96 + " (1)"} << x96 + " (2)";
        QTest::newRow("tenth copy")
            << QString(100, u'x')
            << QStringList{x96 + " (1)", x96 + " (2)", x96 + " (3)", x96 + " (4)", x96 + " (5)",
                           x96 + " (6)", x96 + " (7)", x96 + " (8)", x96 + " (9)"}
            << QString(95, u'x') + " (10)";
        QTest::newRow("blank at the cut")
            << QString(95, u'x') + " yyyy" << QStringList{} << QString(95, u'x') + " (1)";
        QTest::newRow("not in Windows-1252") << "Joc ☃" << QStringList{} << "Joc _ (1)";
    }
    void duplicatingTakesNextFreeName() {
        QFETCH(QString, n);
        QFETCH(QStringList, existents);
        QFETCH(QString, m);
        Editor e;
        e.creaJoc(n);
        for (const QString& nom : existents)
            e.creaJoc(nom);
        e.sessio.grup.NomNivell = n;
        e.obre();
        QCOMPARE(e.jocs->JocObert(), n);
        e.edita(1, 1, "444");
        e.mostra(2); // on disk now
        const QByteArray onDisk = readAll(e.niv(n));
        e.respostes = {true};
        e.jocs->Duplica();
        QCOMPARE(e.jocs->llista().size(), existents.size() + 2);
        QCOMPARE(e.jocs->llista().last(), m);
        QCOMPARE(e.jocs->seleccionat(), existents.size() + 1);
        QCOMPARE(e.jocs->JocObert(), m);
        QCOMPARE(readAll(e.niv(m)), onDisk);
        QCOMPARE(readAll(e.ni2(m)), onDisk);
        QCOMPARE(e.fitxers().size(), existents.size() + 3);
        e.sessio.grup.NomNivell = m;
        QCOMPARE(ConfigGrup::decode(e.sessio.grup.encode()).NomNivell, m);
    }

    void deletingTheOnlySetOpensGenericSet() {
        Editor e;
        e.creaJoc("Unic");
        e.obre();
        e.edita(1, 1, "444");
        e.respostes = {true};
        QVERIFY(e.jocs->Elimina());
        QCOMPARE(e.preguntes, QStringList{"Eliminar definitivament el nivell?"});
        QCOMPARE(e.jocs->llista(), QStringList{"Nivell genèric"});
        QCOMPARE(e.jocs->JocObert(), QString("Nivell genèric"));
        QCOMPARE(e.fitxers(), (QStringList{"Nivell genèric.ni2", "Nivell genèric.niv"}));
        QCOMPARE(QFileInfo(e.niv("Nivell genèric")).size(), 1260);
        QVERIFY(!e.jocs->Modificat());
    }

    void deletingDropsGroupEdits() {
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.obre();
        const ConfigGrup atOpening = e.sessio.grup;
        e.jocs->CanviaOpcResta(true);
        e.respostes = {true};
        QVERIFY(e.jocs->Elimina());
        QCOMPARE(e.preguntes.size(), 1); // no "Arxivar els canvis?" for the deleted set
        QCOMPARE(e.jocs->llista(), QStringList{"B"});
        QCOMPARE(e.jocs->JocObert(), QString("B"));
        QVERIFY(e.sessio.grup == atOpening);
        QCOMPARE(e.fitxers(), (QStringList{"B.ni2", "B.niv"}));
    }

    void deletingAnsweredNoChangesNothing() {
        Editor e;
        e.creaJoc("A");
        e.obre();
        const QStringList before = e.fitxers();
        e.respostes = {false};
        QVERIFY(!e.jocs->Elimina());
        QCOMPARE(e.fitxers(), before);
        QCOMPARE(e.jocs->llista(), QStringList{"A"});
    }

    void formataNombre_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << 0 << "0   ";
        QTest::newRow("three digits") << qint64(999) << 0 << "999   ";
        QTest::newRow("four digits") << qint64(1000) << 0 << "1.000   ";
        QTest::newRow("space") << qint64(100000) << 1 << "100 000   ";
        QTest::newRow("none") << qint64(100000000) << 2 << "100000000   ";
        QTest::newRow("negative") << qint64(-1234567) << 0 << "-1.234.567   ";
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << 2
                                << "-9223372036854775808   ";
    }
    void formataNombre() {
        QFETCH(qint64, value);
        QFETCH(int, separador);
        QFETCH(QString, text);
        QCOMPARE(DigitGrouping::FormataNombre(value, separador), text);
        if (value >= 0)
            QCOMPARE(JocsNivells::NomesXifres(text).toLongLong(), value);
    }
};

QTEST_GUILESS_MAIN(TestJocsNivells)
#include "tst_JocsNivells.moc"
