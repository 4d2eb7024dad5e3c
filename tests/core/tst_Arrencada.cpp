#include "Arrencada.h"
#include "ConfigGeneral.h"
#include "ConfigGrup.h"
#include "FitxersProva.h"
#include "Sessio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every entry under `dir` with its size, sorted, so "nothing was written" can be compared.
QStringList tree(const QString& dir) {
    QStringList out;
    const QDir root(dir);
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    QList<QFileInfo> todo = root.entryInfoList(filters);
    while (!todo.isEmpty()) {
        const QFileInfo e = todo.takeFirst();
        const QString name = root.relativeFilePath(e.filePath());
        out << (e.isDir() ? name + "/" : name + " " + QString::number(e.size()));
        if (e.isDir())
            todo << QDir(e.filePath()).entryInfoList(filters);
    }
    out.sort();
    return out;
}

// A General.cfg record as a file holds it.
QByteArray generalRecord(qint16 grup, const QByteArray& clau, quint8 demanar, qint16 idioma,
                         quint8 separador) {
    QByteArray b;
    b.append(char(grup & 0xFF)).append(char((grup >> 8) & 0xFF));
    b.append(clau);
    b.append(char(demanar));
    b.append(char(idioma & 0xFF)).append(char((idioma >> 8) & 0xFF));
    b.append(char(separador));
    return b;
}

// A Grups.cfg record: activities, division option, nine level counts, level-set name.
QByteArray grupRecord(const QByteArray& activitats, quint8 opcResta, quint8 nivells,
                      const QByteArray& nom) {
    QByteArray b = activitats;
    b.append(char(opcResta));
    b.append(QByteArray(9, char(nivells)));
    b.append(nom.leftJustified(100, ' '));
    return b;
}

bool permissionsBind(const QString& path) {
    return !QFileInfo(path).isWritable();
}

} // namespace

class TestArrencada : public QObject {
    Q_OBJECT
private slots:
    void firstStartInEmptyFolder() {
        QTemporaryDir dir;
        Arrencada arrencada(dir.path());
        Sessio sessio;
        const StartupResult result = arrencada.run(sessio);
        QCOMPARE(result.status, StartupResult::Ok);
        QVERIFY(result.paths.isEmpty());

        // General.cfg is only created by the start-up; it gets its record when the program closes.
        QCOMPARE(tree(dir.path()), QStringList({"Imatges/", "Inf/", "Inf/Dat/", "Inf/General.cfg 0",
                                                "Inf/Hst/", "Inf/Niv/"}));
        QCOMPARE(sessio.carpeta, dir.path());
        QCOMPARE(sessio.general.GrupActual, qint16(1));
        QCOMPARE(sessio.general.clauText(), QString("TUXAM"));
        QCOMPARE(sessio.general.Demanar, quint8(0));
        QCOMPARE(sessio.general.Idioma, qint16(0));
        QCOMPARE(sessio.general.Separador, quint8(0));
        QCOMPARE(sessio.grup, ConfigGrup{});

        QVERIFY(DesarConfigGeneral(dir.path(), sessio.general));
        QCOMPARE(readFile(dir.filePath("Inf/General.cfg")),
                 QByteArray("\x01\x00TUXAM   \x00\x00\x00\x00", 14));
    }

    // The group read at start-up decides which group record is read as well.
    void currentGroup_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("used");
        QTest::newRow("first") << 1 << 1;
        QTest::newRow("middle") << 7 << 7;
        QTest::newRow("last") << 16 << 16;
        QTest::newRow("zero") << 0 << 1;
        QTest::newRow("negative") << -3 << 1;
        QTest::newRow("above the groups") << 17 << 1;
        QTest::newRow("far above") << 32767 << 1;
    }
    void currentGroup() {
        QFETCH(int, stored);
        QFETCH(int, used);
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/General.cfg"),
                  generalRecord(qint16(stored), "ANNA    ", 1, 2, 1));
        QByteArray grups;
        for (int g = 1; g <= 16; ++g)
            grups += grupRecord("101000001", 0, quint8(g), "Joc" + QByteArray::number(g));
        writeFile(dir.filePath("Inf/Grups.cfg"), grups);

        Arrencada arrencada(dir.path());
        Sessio sessio;
        QCOMPARE(arrencada.run(sessio).status, StartupResult::Ok);
        QCOMPARE(int(sessio.general.GrupActual), used);
        QCOMPARE(sessio.grup.NomNivell, "Joc" + QString::number(used));
        QCOMPARE(int(sessio.grup.Nivells[0]), used);
        QCOMPARE(sessio.general.clauText(), QString("ANNA"));
        QCOMPARE(int(sessio.general.Demanar), 1);
        QCOMPARE(int(sessio.general.Idioma), 2);
        QCOMPARE(int(sessio.general.Separador), 1);
        // Reading never rewrites the files.
        QCOMPARE(readFile(dir.filePath("Inf/General.cfg")),
                 generalRecord(qint16(stored), "ANNA    ", 1, 2, 1));
        QCOMPARE(readFile(dir.filePath("Inf/Grups.cfg")), grups);
    }

    void passwordRead_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("password");
        QTest::newRow("never written") << QByteArray(8, '\0') << "TUXAM";
        QTest::newRow("set to blank stays blank") << QByteArray(8, ' ') << "";
        QTest::newRow("leading spaces trimmed") << QByteArray("  CLAU  ") << "CLAU";
    }
    void passwordRead() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, password);
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/General.cfg"), generalRecord(3, stored, 0, 0, 0));
        Arrencada arrencada(dir.path());
        Sessio sessio;
        QCOMPARE(arrencada.run(sessio).status, StartupResult::Ok);
        QCOMPARE(sessio.general.clauText(), password);
        QCOMPARE(sessio.general.Clau.size(), 8);
    }

    void groupRecordRules_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("activitats");
        QTest::addColumn<int>("nivells");
        QTest::addColumn<QString>("nomNivell");
        const QByteArray before = QByteArray(119, 'x'); // record 1, not ours: group 2 is read
        QTest::newRow("never written (zero bytes)")
            << before + QByteArray(119, '\0') << QByteArray("111111111") << 10 << "";
        QTest::newRow("all activities off") << before + grupRecord("000000000", 1, 4, "Prova")
                                            << QByteArray("111111111") << 10 << "";
        QTest::newRow("blank activities") << before + grupRecord("         ", 1, 4, "Prova")
                                          << QByteArray("111111111") << 10 << "";
        QTest::newRow("record cut short")
            << before + grupRecord("101000001", 1, 4, "Prova").left(60) << QByteArray("111111111")
            << 10 << "";
        QTest::newRow("no record at all") << before << QByteArray("111111111") << 10 << "";
        QTest::newRow("written") << before + grupRecord("101000001", 1, 4, "Prova")
                                 << QByteArray("101000001") << 4 << "Prova";
        QTest::newRow("one activity is enough")
            << before + grupRecord("000000001", 0, 3, "") << QByteArray("000000001") << 3 << "";
    }
    void groupRecordRules() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, activitats);
        QFETCH(int, nivells);
        QFETCH(QString, nomNivell);
        QTemporaryDir dir;
        writeFile(dir.filePath("Inf/General.cfg"), generalRecord(2, "TUXAM   ", 0, 0, 0));
        writeFile(dir.filePath("Inf/Grups.cfg"), file);

        Arrencada arrencada(dir.path());
        Sessio sessio;
        QCOMPARE(arrencada.run(sessio).status, StartupResult::Ok);
        QCOMPARE(sessio.grup.Activitats, activitats);
        for (int a = 1; a <= 9; ++a)
            QCOMPARE(int(sessio.grup.Nivells[a - 1]), nivells);
        QCOMPARE(sessio.grup.NomNivell, nomNivell);
        QCOMPARE(readFile(dir.filePath("Inf/Grups.cfg")), file); // never extended by reading
    }

    void legacyFolderIsMigratedBeforeReading() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Dades/General.cfg"), generalRecord(2, "VELLA   ", 1, 1, 2));
        writeFile(dir.filePath("Dades/Grups.cfg"),
                  grupRecord("111111111", 0, 10, "") + grupRecord("110000000", 0, 5, "Antic"));
        writeFile(dir.filePath("Dades/Antic.cfg"), "levels");
        writeFile(dir.filePath("Inf/General.cfg"), generalRecord(9, "NOVA    ", 0, 0, 0));

        Arrencada arrencada(dir.path());
        Sessio sessio;
        QCOMPARE(arrencada.run(sessio).status, StartupResult::Ok);
        QCOMPARE(int(sessio.general.GrupActual), 2);
        QCOMPARE(sessio.general.clauText(), QString("VELLA"));
        QCOMPARE(sessio.grup.NomNivell, QString("Antic"));
        QCOMPARE(readFile(dir.filePath("Inf/Niv/Antic.niv")), QByteArray("levels"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Dades")));
    }

    void migrationFailureStopsBeforeReading() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Dades/Prova.cfg"), "levels");
        QVERIFY(QDir().mkpath(dir.filePath("Inf/Niv/Prova.niv"))); // a folder where the file goes

        Arrencada arrencada(dir.path());
        Sessio sessio;
        sessio.carpeta = "untouched";
        const StartupResult result = arrencada.run(sessio);
        QCOMPARE(result.status, StartupResult::MigrationFailed);
        QCOMPARE(result.paths, QStringList{"Dades/Prova.cfg"});
        QCOMPARE(readFile(dir.filePath("Dades/Prova.cfg")), QByteArray("levels"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Inf/General.cfg")));
        QVERIFY(!QFileInfo::exists(dir.filePath("Imatges")));
        QCOMPARE(sessio.carpeta, QString("untouched"));
    }

    // Refused before anything is read or written: a second copy just closes; a lock no copy holds
    // that cannot be replaced (a folder in its place) is named, so the user can be told.
    void lockRefusalWritesNothing_data() {
        QTest::addColumn<bool>(
            "running"); // another copy holds the lock, else a folder stands there
        QTest::addColumn<int>("status");
        QTest::newRow("second copy") << true << int(StartupResult::SecondCopy);
        QTest::newRow("folder in the lock's place") << false << int(StartupResult::LockBlocked);
    }
    void lockRefusalWritesNothing() {
        QFETCH(bool, running);
        QFETCH(int, status);
        QTemporaryDir dir;
        writeFile(dir.filePath("Dades/Grups.cfg"), "legacy");
        const QStringList before = tree(dir.path());
        const QString lockFile = InstanceLock::lockFilePath(dir.path());

        InstanceLock other(dir.path());
        if (running)
            QCOMPARE(other.acquire(), InstanceLock::Acquired);
        else
            QVERIFY(QDir().mkdir(lockFile));
        Arrencada second(dir.path());
        Sessio sessio;
        sessio.general.GrupActual = 5;
        const StartupResult result = second.run(sessio);
        if (!running)
            QVERIFY(QDir().rmdir(lockFile));
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.paths, running ? QStringList{} : QStringList{lockFile});
        QCOMPARE(tree(dir.path()), before);
        QCOMPARE(sessio.general.GrupActual, qint16(5));
    }

    void folderStaysGuardedWhileRunning() {
        QTemporaryDir dir;
        Sessio sessio;
        {
            Arrencada first(dir.path());
            QCOMPARE(first.run(sessio).status, StartupResult::Ok);
            Arrencada second(dir.path());
            QCOMPARE(second.run(sessio).status, StartupResult::SecondCopy);
        }
        Arrencada afterwards(dir.path());
        QCOMPARE(afterwards.run(sessio).status, StartupResult::Ok);
    }

    // Places that even root cannot write into: a file where a folder must be, or the reverse.
    void notWritableWritesNothing_data() {
        QTest::addColumn<QString>("program"); // relative to the temporary folder
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("file"); // a regular file in the way
        QTest::addColumn<QStringList>("blocked");
        QTest::newRow("program folder is a file")
            << "Xifrum" << QStringList{} << "Xifrum" << QStringList{"."};
        QTest::newRow("program folder under a file")
            << "Fitxer/Xifrum" << QStringList{} << "Fitxer" << QStringList{"."};
        QTest::newRow("Inf is a file")
            << "Xifrum" << QStringList{"Xifrum"} << "Xifrum/Inf" << QStringList{"Inf"};
        QTest::newRow("Inf/Hst is a file")
            << "Xifrum" << QStringList{"Xifrum/Inf"} << "Xifrum/Inf/Hst" << QStringList{"Inf/Hst"};
        QTest::newRow("Imatges is a file")
            << "Xifrum" << QStringList{"Xifrum"} << "Xifrum/Imatges" << QStringList{"Imatges"};
        QTest::newRow("General.cfg is a folder")
            << "Xifrum" << QStringList{"Xifrum/Inf/General.cfg"} << ""
            << QStringList{"Inf/General.cfg"};
        QTest::newRow("legacy folder is a file, the rest missing")
            << "Xifrum" << QStringList{"Xifrum"} << "Xifrum/Dades" << QStringList{"Dades"};
    }
    void notWritableWritesNothing() {
        QFETCH(QString, program);
        QFETCH(QStringList, folders);
        QFETCH(QString, file);
        QFETCH(QStringList, blocked);
        QTemporaryDir dir;
        for (const QString& f : folders)
            QVERIFY(QDir().mkpath(dir.filePath(f)));
        if (!file.isEmpty())
            writeFile(dir.filePath(file), "in the way");
        const QStringList before = tree(dir.path());

        Arrencada arrencada(dir.filePath(program));
        Sessio sessio;
        const StartupResult result = arrencada.run(sessio);
        QCOMPARE(result.status, StartupResult::NotWritable);
        QCOMPARE(result.paths, blocked);
        QCOMPARE(tree(dir.path()), before);
        QVERIFY(sessio.carpeta.isEmpty());
    }

    // Permission bits: they stop a normal user, not root (the tests may run as either).
    void readOnlyPlaces_data() {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<QString>("existing");
        QTest::newRow("read-only program folder") << "."
                                                  << "";
        QTest::newRow("read-only Inf, folders to add") << "Inf"
                                                       << "Inf/";
        QTest::newRow("read-only General.cfg") << "Inf/General.cfg"
                                               << "Inf/General.cfg";
    }
    void readOnlyPlaces() {
        QFETCH(QString, readOnly);
        QFETCH(QString, existing);
        QTemporaryDir dir;
        if (existing.endsWith('/'))
            QVERIFY(QDir().mkpath(dir.filePath(existing)));
        else if (!existing.isEmpty())
            writeFile(dir.filePath(existing), generalRecord(1, "TUXAM   ", 0, 0, 0));
        const QString target = QDir(dir.path()).filePath(readOnly);
        const auto rw = QFileInfo(target).permissions();
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
        if (!permissionsBind(target)) {
            QFile::setPermissions(target, rw);
            QSKIP("permission bits do not bind this user (root)");
        }
        const QStringList before = tree(dir.path());

        Arrencada arrencada(dir.path());
        Sessio sessio;
        const StartupResult result = arrencada.run(sessio);
        const QStringList after = tree(dir.path());
        QFile::setPermissions(target, rw);
        QCOMPARE(result.status, StartupResult::NotWritable);
        QCOMPARE(result.paths, QStringList{QDir::cleanPath(readOnly)});
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestArrencada)
#include "tst_Arrencada.moc"
