#include "FitxersProva.h"
#include "MigrarDades.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every entry under `dir`, relative and sorted, folders marked with a trailing slash.
QStringList tree(const QString& dir) {
    QStringList out;
    const QDir root(dir);
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    QList<QFileInfo> todo = root.entryInfoList(filters);
    while (!todo.isEmpty()) {
        const QFileInfo e = todo.takeFirst();
        out << root.relativeFilePath(e.filePath()) + (e.isDir() ? "/" : "");
        if (e.isDir())
            todo << QDir(e.filePath()).entryInfoList(filters);
    }
    out.sort();
    return out;
}

} // namespace

class TestMigrarDades : public QObject {
    Q_OBJECT
private slots:
    void legacyFolderMovesIntoLayout() {
        QTemporaryDir dir;
        const QByteArray grups("GRUPS\0\x01\x02", 8), lloros("LLOROS\xFF", 7), prova("PROVA");
        writeFile(dir.filePath("Dades/Grups.cfg"), grups);
        writeFile(dir.filePath("Dades/Lloros.dat"), lloros);
        writeFile(dir.filePath("Dades/Prova.cfg"), prova);

        QStringList notMoved{"stale"};
        QVERIFY(MigrarDades(dir.path(), &notMoved));
        QVERIFY(notMoved.isEmpty());

        QCOMPARE(readFile(dir.filePath("Inf/Grups.cfg")), grups);
        QCOMPARE(readFile(dir.filePath("Inf/Dat/Lloros.dat")), lloros);
        QCOMPARE(readFile(dir.filePath("Inf/Niv/Prova.niv")), prova);
        QCOMPARE(tree(dir.path()), QStringList({"Inf/", "Inf/Dat/", "Inf/Dat/Lloros.dat",
                                                "Inf/Grups.cfg", "Inf/Niv/", "Inf/Niv/Prova.niv"}));
    }

    void targetOfEachName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::newRow("group file") << "Grups.cfg"
                                    << "Inf/Grups.cfg";
        QTest::newRow("general file") << "General.cfg"
                                      << "Inf/General.cfg";
        QTest::newRow("level set") << "Prova.cfg"
                                   << "Inf/Niv/Prova.niv";
        QTest::newRow("level set, name with dots") << "Nivell 2.b.cfg"
                                                   << "Inf/Niv/Nivell 2.b.niv";
        QTest::newRow("level set without a dot") << "Provacfg"
                                                 << "Inf/Niv/Provaniv";
        QTest::newRow("pupil records") << "Lloros.dat"
                                       << "Inf/Dat/Lloros.dat";
        QTest::newRow("upper-case level set is no level set") << "PROVA.CFG"
                                                              << "Inf/PROVA.CFG";
        QTest::newRow("upper-case records") << "Gats.DAT"
                                            << "Inf/Gats.DAT";
        QTest::newRow("group file in another case") << "grups.cfg"
                                                    << "Inf/Niv/grups.niv";
        QTest::newRow("anything else") << "Notes.txt"
                                       << "Inf/Notes.txt";
        QTest::newRow("hidden file") << ".amagat"
                                     << "Inf/.amagat";
    }
    void targetOfEachName() {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QByteArray bytes = name.toUtf8() + "\x01\x00\x7F";
        writeFile(dir.filePath("Dades/" + name), bytes);

        QVERIFY(MigrarDades(dir.path()));
        QCOMPARE(readFile(dir.filePath(target)), bytes);
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades")));
        QCOMPARE(MigrationTarget(name), target);
    }

    void existingTargetIsReplacedWhole() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/Grups.cfg"), QByteArray(300, 'O'));
        writeFile(dir.filePath("Inf/Niv/Prova.niv"), "old level set");
        writeFile(dir.filePath("Dades/Grups.cfg"), "new");
        writeFile(dir.filePath("Dades/Prova.cfg"), "new level set, longer than the old one");

        QVERIFY(MigrarDades(dir.path()));
        QCOMPARE(readFile(dir.filePath("Inf/Grups.cfg")), QByteArray("new"));
        QCOMPARE(readFile(dir.filePath("Inf/Niv/Prova.niv")),
                 QByteArray("new level set, longer than the old one"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades")));
    }

    // A copy that fails keeps the legacy file, and with it the legacy folder; the others move.
    void failedCopyKeepsTheSource_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("obstacleIsFolder");
        QTest::newRow("target is a folder") << "Inf/Niv/Prova.niv" << true;
        QTest::newRow("target folder is a file") << "Inf/Niv" << false;
    }
    void failedCopyKeepsTheSource() {
        QFETCH(QString, obstacle);
        QFETCH(bool, obstacleIsFolder);
        QTemporaryDir dir;
        if (obstacleIsFolder)
            QVERIFY(QDir().mkpath(dir.filePath(obstacle)));
        else
            writeFile(dir.filePath(obstacle), "in the way");
        writeFile(dir.filePath("Dades/Prova.cfg"), "level set");
        writeFile(dir.filePath("Dades/Lloros.dat"), "pupils");

        QStringList notMoved;
        QVERIFY(!MigrarDades(dir.path(), &notMoved));
        QCOMPARE(notMoved, QStringList{"Dades/Prova.cfg"});
        QCOMPARE(readFile(dir.filePath("Dades/Prova.cfg")), QByteArray("level set"));
        QCOMPARE(readFile(dir.filePath("Inf/Dat/Lloros.dat")), QByteArray("pupils"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades/Lloros.dat")));
        QCOMPARE(QFileInfo(dir.filePath(obstacle)).isDir(), obstacleIsFolder);

        // Once the obstacle is gone the next start finishes the move.
        QVERIFY(obstacleIsFolder ? QDir(dir.filePath(obstacle)).removeRecursively()
                                 : QFile::remove(dir.filePath(obstacle)));
        QVERIFY(MigrarDades(dir.path(), &notMoved));
        QCOMPARE(readFile(dir.filePath("Inf/Niv/Prova.niv")), QByteArray("level set"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades")));
    }

    void readOnlyLayoutKeepsEverything() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("Inf/Niv")));
        QVERIFY(QDir().mkpath(dir.filePath("Inf/Dat")));
        writeFile(dir.filePath("Dades/Grups.cfg"), "groups");
        QFile::setPermissions(dir.filePath("Inf"), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dir.filePath("Inf")).isWritable()) {
            QFile::setPermissions(dir.filePath("Inf"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permission bits do not bind this user (root)");
        }

        QStringList notMoved;
        const bool moved = MigrarDades(dir.path(), &notMoved);
        QFile::setPermissions(dir.filePath("Inf"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!moved);
        QCOMPARE(notMoved, QStringList{"Dades/Grups.cfg"});
        QCOMPARE(readFile(dir.filePath("Dades/Grups.cfg")), QByteArray("groups"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Inf/Grups.cfg")));
    }

    void folderInsideLegacyFolderKeepsIt() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Dades/Lloros.dat"), "pupils");
        writeFile(dir.filePath("Dades/Vell/Gats.dat"), "cats");

        QStringList notMoved;
        QVERIFY(!MigrarDades(dir.path(), &notMoved));
        QCOMPARE(notMoved, QStringList{"Dades"});
        QCOMPARE(readFile(dir.filePath("Inf/Dat/Lloros.dat")), QByteArray("pupils"));
        QCOMPARE(readFile(dir.filePath("Dades/Vell/Gats.dat")), QByteArray("cats"));
    }

    void noLegacyFolderDoesNothing() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/Grups.cfg"), "groups");
        const QStringList before = tree(dir.path());

        QStringList notMoved{"stale"};
        QVERIFY(MigrarDades(dir.path(), &notMoved));
        QVERIFY(notMoved.isEmpty());
        QCOMPARE(tree(dir.path()), before);
    }

    void emptyLegacyFolderIsRemoved() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("Dades")));
        QVERIFY(MigrarDades(dir.path()));
        QCOMPARE(tree(dir.path()), QStringList({"Inf/", "Inf/Dat/", "Inf/Niv/"}));
    }
};

QTEST_GUILESS_MAIN(TestMigrarDades)
#include "tst_MigrarDades.moc"
