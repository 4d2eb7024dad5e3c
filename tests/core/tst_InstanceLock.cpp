#include "InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

namespace {

// This test program doubles as "another copy": started with --hold FOLDER it takes the folder's
// lock, says so on its output and waits until it is killed, like a copy that crashes.
int holdLock(const QString& folder) {
    InstanceLock lock(folder);
    std::printf("%d\n", int(lock.acquire()));
    std::fflush(stdout);
    std::getchar();
    return 0;
}

// Starts another process holding the lock of `folder`; returns what its acquire() said.
int startHolder(QProcess& holder, const QString& folder) {
    holder.start(QCoreApplication::applicationFilePath(), {"--hold", folder});
    if (!holder.waitForStarted() || !holder.waitForReadyRead())
        return -1;
    return holder.readLine().trimmed().toInt();
}

} // namespace

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void oneCopyPerFolder() {
        QTemporaryDir a, b;
        InstanceLock first(a.path());
        QCOMPARE(first.acquire(), InstanceLock::Acquired);
        QVERIFY(first.isLocked());
        QCOMPARE(first.acquire(), InstanceLock::Acquired); // asking again keeps it

        InstanceLock second(a.path());
        QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
        QVERIFY(!second.isLocked());

        InstanceLock other(b.path());
        QCOMPARE(other.acquire(), InstanceLock::Acquired);
    }

    void releasedWhenDestroyed() {
        QTemporaryDir dir;
        {
            InstanceLock first(dir.path());
            QCOMPARE(first.acquire(), InstanceLock::Acquired);
        }
        InstanceLock next(dir.path());
        QCOMPARE(next.acquire(), InstanceLock::Acquired);
    }

    void sameFolderWrittenAnotherWay_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("trailing slash") << "/";
        QTest::newRow("dot segment") << "/./";
        QTest::newRow("up and back down") << "/../" + QString("FOLDER");
        QTest::newRow("through a link") << "LINK";
    }
    void sameFolderWrittenAnotherWay() {
        QFETCH(QString, suffix);
        QTemporaryDir base;
        const QString folder = base.filePath("Xifrum");
        QVERIFY(QDir().mkpath(folder));
        QString other;
        if (suffix == "LINK") {
            other = base.filePath("Enllac");
            QVERIFY(QFile::link(folder, other));
        } else {
            other = folder + suffix.replace("FOLDER", "Xifrum");
        }

        InstanceLock first(folder);
        QCOMPARE(first.acquire(), InstanceLock::Acquired);
        InstanceLock second(other);
        QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
        QCOMPARE(InstanceLock::lockFilePath(other), InstanceLock::lockFilePath(folder));
    }

    void nothingIsWrittenIntoTheProgramFolder() {
        QTemporaryDir dir;
        InstanceLock first(dir.path());
        InstanceLock second(dir.path());
        QCOMPARE(first.acquire(), InstanceLock::Acquired);
        QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
        QVERIFY(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
        const QString lockFile = InstanceLock::lockFilePath(dir.path());
        QCOMPARE(QFileInfo(lockFile).absolutePath(),
                 QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(QFileInfo::exists(lockFile));
    }

    // The copy that holds the lock is another process; once it dies without releasing it, as a
    // crash would leave it, the next copy starts normally.
    void anotherProcessHoldsThenCrashes() {
        QTemporaryDir dir;
        QProcess holder;
        QCOMPARE(startHolder(holder, dir.path()), int(InstanceLock::Acquired));

        InstanceLock mine(dir.path());
        QCOMPARE(mine.acquire(), InstanceLock::HeldByAnother);

        // A copy left open for a day still owns its folder: age alone never frees a lock.
        QFile lockFile(InstanceLock::lockFilePath(dir.path()));
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        QCOMPARE(mine.acquire(), InstanceLock::HeldByAnother);

        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY(QFileInfo::exists(InstanceLock::lockFilePath(dir.path())));
        QCOMPARE(mine.acquire(), InstanceLock::Acquired);
    }

    // Whatever a copy that is gone left in the lock file (nothing at all after a power cut while
    // locking, half a line, or a whole lock of a process that no longer runs), the next copy takes
    // the folder over and keeps later copies out.
    void leftoverLockIsTakenOver_data() {
        QTest::addColumn<QByteArray>("content"); // "PID" stands for a process that has ended
        const QByteArray program =
            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13garbled");
        QTest::newRow("a pid alone") << QByteArray("PID\n");
        QTest::newRow("dead pid, program and host")
            << "PID\n" + program + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    }
    void leftoverLockIsTakenOver() {
        QFETCH(QByteArray, content);
        QProcess gone;
        gone.start(QCoreApplication::applicationFilePath(), {"--pid"});
        QVERIFY(gone.waitForFinished());
        const QByteArray deadPid = gone.readAllStandardOutput().trimmed();
        QVERIFY(deadPid.toLongLong() > 0);

        QTemporaryDir dir;
        QFile stale(InstanceLock::lockFilePath(dir.path()));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(content.replace("PID", deadPid));
        stale.close();

        InstanceLock mine(dir.path());
        QCOMPARE(mine.acquire(), InstanceLock::Acquired);
        InstanceLock second(dir.path());
        QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
    }

    // A folder where the lock file must go names no copy and cannot be replaced: the start is
    // refused for that reason, not mistaken for another copy.
    void lockThatCannotBeReplaced() {
        QTemporaryDir dir;
        const QString lockFile = InstanceLock::lockFilePath(dir.path());
        QVERIFY(QDir().mkdir(lockFile));
        InstanceLock mine(dir.path());
        const InstanceLock::Result result = mine.acquire();
        QVERIFY(QDir().rmdir(lockFile));
        QCOMPARE(result, InstanceLock::Blocked);
        QVERIFY(!mine.isLocked());
    }

    // No usable temporary folder: the lock cannot be made, which is not the same as another
    // copy holding it.
    void unusableTemporaryFolder() {
        QTemporaryDir dir;
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", notAFolder.fileName().toUtf8());
        InstanceLock lock(dir.path());
        const InstanceLock::Result result = lock.acquire();
        if (saved.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", saved);
        QCOMPARE(result, InstanceLock::Unavailable);
        QVERIFY(!lock.isLocked());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // As the program names itself: the lock must not mistake a running copy for a dead one
    // because the name differs from the executable's.
    QCoreApplication::setApplicationName("XIFRUM");
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0)
        return holdLock(QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && qstrcmp(argv[1], "--pid") == 0) {
        std::printf("%lld\n", QCoreApplication::applicationPid());
        return 0;
    }
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InstanceLock.moc"
