#include "InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

class TestInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void oneCopyPerFolder() {
        QTemporaryDir a, b;
        {
            InstanceLock first(a.path());
            QCOMPARE(first.acquire(), InstanceLock::Acquired);
            QCOMPARE(first.acquire(), InstanceLock::Acquired); // asking again keeps it
            InstanceLock second(a.path());
            QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
            QVERIFY(first.isLocked() && !second.isLocked());
            InstanceLock other(b.path());
            QCOMPARE(other.acquire(), InstanceLock::Acquired);
            // The lock lives in the temporary folder: nothing is written into the program's.
            QVERIFY(QDir(a.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
            const QFileInfo lockFile(InstanceLock::lockFilePath(a.path()));
            QVERIFY(lockFile.exists());
            QCOMPARE(lockFile.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        }
        InstanceLock next(a.path()); // released when destroyed
        QCOMPARE(next.acquire(), InstanceLock::Acquired);
    }

    void sameFolderWrittenAnotherWay_data() {
        QTest::addColumn<QString>("other"); // relative to the base folder; "" is a link to Xifrum
        QTest::newRow("trailing slash") << "Xifrum/";
        QTest::newRow("dot segment") << "Xifrum/./";
        QTest::newRow("up and back down") << "Xifrum/../Xifrum";
        QTest::newRow("through a link") << "";
    }
    void sameFolderWrittenAnotherWay() {
        QFETCH(QString, other);
        QTemporaryDir base;
        const QString folder = base.filePath("Xifrum");
        QVERIFY(QDir().mkpath(folder));
        if (other.isEmpty())
            QVERIFY(QFile::link(folder, base.filePath(other = "Enllac")));
        InstanceLock first(folder);
        QCOMPARE(first.acquire(), InstanceLock::Acquired);
        InstanceLock second(base.filePath(other));
        QCOMPARE(second.acquire(), InstanceLock::HeldByAnother);
    }

    // The copy that holds the lock is another process: age alone never frees its lock, and once
    // it dies without releasing it, as a crash leaves it, the next copy starts normally.
    void anotherProcessHoldsThenCrashes() {
        QTemporaryDir dir;
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {"--hold", dir.path()});
        QVERIFY(holder.waitForStarted() && holder.waitForReadyRead());
        QCOMPARE(holder.readLine().trimmed().toInt(), int(InstanceLock::Acquired));
        InstanceLock mine(dir.path());
        QCOMPARE(mine.acquire(), InstanceLock::HeldByAnother);
        QFile lockFile(InstanceLock::lockFilePath(dir.path()));
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        QCOMPARE(mine.acquire(), InstanceLock::HeldByAnother);
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY(lockFile.exists());
        QCOMPARE(mine.acquire(), InstanceLock::Acquired);
    }

    // Whatever a copy that is gone left in the lock file (nothing after a power cut while locking,
    // garbage, half a line, or a whole lock of a process that no longer runs), the next copy takes
    // the folder over and keeps later copies out.
    void leftoverLockIsTakenOver_data() {
        QTest::addColumn<QByteArray>("content"); // "PID" stands for a process that has ended
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13garbled");
        QTest::newRow("a pid alone") << QByteArray("PID\n");
        QTest::newRow("dead pid, program and host")
            << "PID\n" + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() +
                   '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
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

    // A folder where the lock file must go names no copy and cannot be replaced; no usable
    // temporary folder means no lock can be made. Neither is mistaken for another copy.
    void lockThatCannotBeMade() {
        QTemporaryDir dir;
        const QString lockFile = InstanceLock::lockFilePath(dir.path());
        QVERIFY(QDir().mkdir(lockFile));
        InstanceLock blocked(dir.path());
        const InstanceLock::Result result = blocked.acquire();
        QVERIFY(QDir().rmdir(lockFile));
        QCOMPARE(result, InstanceLock::Blocked);
        QVERIFY(!blocked.isLocked());

        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", notAFolder.fileName().toUtf8());
        InstanceLock lock(dir.path());
        const InstanceLock::Result unavailable = lock.acquire();
        saved.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved);
        QCOMPARE(unavailable, InstanceLock::Unavailable);
        QVERIFY(!lock.isLocked());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // As the program names itself: a running copy must not be taken for a dead one because the
    // name differs from the executable's.
    QCoreApplication::setApplicationName("XIFRUM");
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) { // "another copy", until it is killed
        InstanceLock lock(QString::fromLocal8Bit(argv[2]));
        std::printf("%d\n", int(lock.acquire()));
        std::fflush(stdout);
        return std::getchar();
    }
    if (argc == 2 && qstrcmp(argv[1], "--pid") == 0) {
        std::printf("%lld\n", QCoreApplication::applicationPid());
        return 0;
    }
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InstanceLock.moc"
