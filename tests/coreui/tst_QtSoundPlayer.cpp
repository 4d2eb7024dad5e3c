#include "FitxersProva.h"
#include "QtSoundPlayer.h"
#include "Registres.h"
#include "Taula.h"

#include <QTemporaryDir>

using Registres::le;

namespace {

// A tenth of a second of a quiet 16-bit mono tone at 22050 Hz, for <folder>/Sons/S<name>.wav.
void addSound(const QTemporaryDir& dir, const QString& name) {
    QByteArray pcm;
    for (int i = 0; i < 2205; ++i)
        pcm += i % 50 < 25 ? QByteArray("\xE8\x03", 2) : QByteArray("\x18\xFC", 2);
    writeFile(dir.filePath("Sons/S" + name + ".wav"),
              "RIFF" + le(36 + pcm.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                  le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(pcm.size(), 4) +
                  pcm);
}

// Each request replaces the one before; only requests without a file, or without the sound
// module, beep. `preparat`: the output was set up before the first request.
struct Sequencia {
    const char* nom;
    QStringList presents, demanats;
    bool preparat;
    int beeps;
    QString darrer; // file of the last request, empty when it beeped
};
const Sequencia kSequencies[] = {
    {"group", {"7"}, {"7"}, false, 0, "S7.wav"},
    {"two-digit group, set up", {"16"}, {"16"}, true, 0, "S16.wav"},
    {"one sound after another", {"1", "20"}, {"1", "20"}, true, 0, "S20.wav"},
    {"same sound twice", {"21"}, {"21", "21"}, false, 0, "S21.wav"},
    {"missing sound beeps", {"1"}, {"24"}, true, 1, ""},
    {"missing after a playing one", {"1"}, {"1", "22"}, false, 1, ""},
    {"found again after a missing one", {"1"}, {"22", "1"}, true, 1, "S1.wav"},
    {"no sounds folder at all", {}, {"1", "20", "21"}, false, 3, ""},
    {"name of another sound is not enough", {"2"}, {"20"}, false, 1, ""},
};

} // namespace

class TestQtSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void sequence_data() { files(kSequencies); }
    void sequence() {
        const Sequencia& s = fila(kSequencies);
        QTemporaryDir dir;
        for (const QString& name : s.presents)
            addSound(dir, name);
        QtSoundPlayer player(dir.path());
        if (s.preparat)
            QVERIFY(player.ambModul());
        for (const QString& name : s.demanats)
            player.ReproduirSo(name);
        QCOMPARE(player.beeps(), s.beeps);
        QCOMPARE(player.source(), s.darrer.isEmpty()
                                      ? QUrl()
                                      : QUrl::fromLocalFile(dir.filePath("Sons/" + s.darrer)));
    }

    // Without a usable module, or with a folder in the sound's place, a sound beeps; nothing
    // crashes.
    void beepsInstead() {
        QTemporaryDir dir;
        addSound(dir, "1");
        QVERIFY(QDir().mkpath(dir.filePath("Sons/S20.wav")));
        writeFile(dir.filePath("libxifrum_so.so"), "not an ELF file");
        for (const QString& modul : {dir.filePath("cap.so"), dir.filePath("libxifrum_so.so")}) {
            QtSoundPlayer player(dir.path(), {modul});
            QVERIFY(!player.ambModul());
            player.ReproduirSo("1");
            player.ReproduirSo("1");
            QCOMPARE(player.beeps(), 2);
            QCOMPARE(player.source(), QUrl());
        }
        QtSoundPlayer player(dir.path());
        player.ReproduirSo("20");
        QCOMPARE(player.beeps(), 1);
    }
};

QTEST_MAIN(TestQtSoundPlayer)
#include "tst_QtSoundPlayer.moc"
