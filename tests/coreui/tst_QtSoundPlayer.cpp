#include "QtSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A tenth of a second of a quiet 16-bit mono tone: enough for QSoundEffect to accept the file.
QByteArray tinyWav() {
    const int rate = 22050, samples = rate / 10;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i) {
        const qint16 v = qint16((i % 50 < 25 ? 1 : -1) * 1000);
        pcm.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    }
    auto le32 = [](quint32 v) {
        QByteArray b;
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
        return b;
    };
    auto le16 = [](quint16 v) { return QByteArray().append(char(v & 0xFF)).append(char(v >> 8)); };
    return "RIFF" + le32(36 + pcm.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
           le32(rate * 2) + le16(2) + le16(16) + "data" + le32(pcm.size()) + pcm;
}

void addSound(const QTemporaryDir& dir, const QString& name) {
    QDir().mkpath(dir.filePath("Sons"));
    QFile f(dir.filePath("Sons/S" + name + ".wav"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tinyWav());
}

} // namespace

class TestQtSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void soundFileOfAName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("group") << "7"
                               << "Sons/S7.wav";
        QTest::newRow("two-digit group") << "16"
                                         << "Sons/S16.wav";
        QTest::newRow("board sound") << "23"
                                     << "Sons/S23.wav";
    }
    void soundFileOfAName() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QTemporaryDir dir;
        addSound(dir, name);
        QtSoundPlayer player(dir.path());
        player.ReproduirSo(name);
        QCOMPARE(player.beeps(), 0);
        QCOMPARE(player.source(), QUrl::fromLocalFile(dir.filePath(file)));
    }

    // Each request replaces the one before; only requests without a file beep.
    void sequence_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("last"); // file of the last request, empty when it beeped
        QTest::newRow("one sound after another")
            << QStringList{"1", "20"} << QStringList{"1", "20"} << 0 << "S20.wav";
        QTest::newRow("same sound twice")
            << QStringList{"21"} << QStringList{"21", "21"} << 0 << "S21.wav";
        QTest::newRow("missing sound beeps") << QStringList{"1"} << QStringList{"24"} << 1 << "";
        QTest::newRow("missing after a playing one")
            << QStringList{"1"} << QStringList{"1", "22"} << 1 << "";
        QTest::newRow("found again after a missing one")
            << QStringList{"1"} << QStringList{"22", "1"} << 1 << "S1.wav";
        QTest::newRow("no sounds folder at all")
            << QStringList{} << QStringList{"1", "20", "21"} << 3 << "";
        QTest::newRow("name of another sound is not enough")
            << QStringList{"2"} << QStringList{"20"} << 1 << "";
    }
    void sequence() {
        QFETCH(QStringList, present);
        QFETCH(QStringList, requests);
        QFETCH(int, beeps);
        QFETCH(QString, last);
        QTemporaryDir dir;
        for (const QString& name : present)
            addSound(dir, name);
        QtSoundPlayer player(dir.path());
        for (const QString& name : requests)
            player.ReproduirSo(name);
        QCOMPARE(player.beeps(), beeps);
        QCOMPARE(player.source(),
                 last.isEmpty() ? QUrl() : QUrl::fromLocalFile(dir.filePath("Sons/" + last)));
    }

    // The module is found where the program looks for it, and loaded.
    void moduleIsFoundAndLoaded() {
        QTemporaryDir dir;
        QtSoundPlayer player(dir.path());
        QVERIFY(player.ambModul());
    }

    // A sound asked for before the output is set up is kept for it, and the output is set up
    // on its own once the event loop runs.
    void soundBeforeSetUpWaitsForTheOutput() {
        QTemporaryDir dir;
        addSound(dir, "7");
        QtSoundPlayer player(dir.path());
        player.ReproduirSo("7");
        QCOMPARE(player.source(), QUrl::fromLocalFile(dir.filePath("Sons/S7.wav")));
        QTest::qWait(QtSoundPlayer::kEsperaSortida + 50);
        QVERIFY(player.ambModul());
        QCOMPARE(player.beeps(), 0);
    }

    // Without a usable module a present sound beeps, like a missing one; nothing crashes.
    void withoutModule_data() {
        QTest::addColumn<QByteArray>("contents"); // what stands where the module should be
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("not a library") << QByteArray("not an ELF file");
    }
    void withoutModule() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        addSound(dir, "1");
        const QString fals = dir.filePath("libxifrum_so.so");
        if (!contents.isEmpty()) {
            QFile f(fals);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        QtSoundPlayer player(dir.path(), {fals});
        QVERIFY(!player.ambModul());
        player.ReproduirSo("1");
        player.ReproduirSo("1");
        QCOMPARE(player.beeps(), 2);
        QCOMPARE(player.source(), QUrl());
    }

    void folderWhereTheSoundIsAFolder() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("Sons/S20.wav")));
        QtSoundPlayer player(dir.path());
        player.ReproduirSo("20");
        QCOMPARE(player.beeps(), 1);
        QCOMPARE(player.source(), QUrl());
    }
};

QTEST_MAIN(TestQtSoundPlayer)
#include "tst_QtSoundPlayer.moc"
