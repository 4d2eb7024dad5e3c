#include "FitxersProva.h"
#include "QtSoundPlayer.h"
#include "Registres.h"
#include "Taula.h"

#include <QTemporaryDir>

using Registres::le;

namespace {

// Each request replaces the one before; only requests without a file ("/": a folder in its
// place), or without a usable sound module, beep.
struct Sequencia {
    const char* nom;
    QStringList presents, demanats;
    bool preparat;     // the output was set up before the first request
    const char* modul; // where the module is looked for, when not where the program looks
    int beeps;
    QString darrer; // file of the last request, empty when it beeped
};
const Sequencia kSequencies[] = {
    {"two-digit group", {"16"}, {"16"}, true, nullptr, 0, "S16.wav"},
    {"one sound after another", {"1", "20"}, {"1", "20"}, true, nullptr, 0, "S20.wav"},
    {"missing sound beeps", {"1"}, {"24"}, true, nullptr, 1, ""},
    {"found again after a missing one", {"1"}, {"22", "1"}, true, nullptr, 1, "S1.wav"},
    {"waiting for the output", {"21"}, {"21", "21"}, false, nullptr, 0, "S21.wav"},
    {"missing after a waiting one", {"1"}, {"1", "22"}, false, nullptr, 1, ""},
    {"no sounds folder at all", {}, {"1", "20", "21"}, false, nullptr, 3, ""},
    {"name of another sound is not enough", {"2"}, {"20"}, false, nullptr, 1, ""},
    {"a folder in the sound's place", {"20/"}, {"20"}, true, nullptr, 1, ""},
    {"no module", {"1"}, {"1", "1"}, true, "cap.so", 2, ""},
    {"module is not a library", {"1"}, {"1", "1"}, true, "fals.so", 2, ""},
};

// A tenth of a second of 16-bit mono silence at 22050 Hz.
const QByteArray kWav = "RIFF" + le(36 + 4410, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                        le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(4410, 4) +
                        QByteArray(4410, '\0');

} // namespace

class TestQtSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void sequence_data() { files(kSequencies); }
    void sequence() {
        const Sequencia& s = fila(kSequencies);
        QTemporaryDir dir;
        writeFile(dir.filePath("fals.so"), "not an ELF file");
        for (const QString& nom : s.presents)
            if (nom.endsWith('/'))
                QVERIFY(QDir().mkpath(dir.filePath("Sons/S" + nom.chopped(1) + ".wav")));
            else
                writeFile(dir.filePath("Sons/S" + nom + ".wav"), kWav);
        QtSoundPlayer player(dir.path(), s.modul ? QStringList{dir.filePath(s.modul)}
                                                 : QtSoundPlayer::rutesModul());
        if (s.preparat)
            QCOMPARE(player.ambModul(), !s.modul);
        for (const QString& nom : s.demanats)
            player.ReproduirSo(nom);
        QCOMPARE(player.beeps(), s.beeps);
        QCOMPARE(player.source(), s.darrer.isEmpty()
                                      ? QUrl()
                                      : QUrl::fromLocalFile(dir.filePath("Sons/" + s.darrer)));
    }
};

QTEST_MAIN(TestQtSoundPlayer)
#include "tst_QtSoundPlayer.moc"
