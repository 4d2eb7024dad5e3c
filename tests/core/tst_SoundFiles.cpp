// Checks the sound files the build synthesises into <build>/Sons, the way a person would listen
// for faults: the format the player reads, a sensible length per kind of sound, the same loudness
// peak for all, silent ends (no clicks) and a distinct jingle for every group.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

struct Wav {
    bool ok = false;
    QString problem;
    int format = 0, channels = 0, rate = 0, bits = 0;
    QList<qint16> samples;
};

quint32 le(const QByteArray& b, int at, int width) {
    quint32 v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

Wav readWav(const QString& path) {
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        w.problem = "cannot open " + path;
        return w;
    }
    const QByteArray b = f.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" ||
        le(b, 4, 4) + 8 != quint32(b.size())) {
        w.problem = "not a whole RIFF/WAVE file";
        return w;
    }
    bool haveFmt = false;
    for (int at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const int size = int(le(b, at + 4, 4));
        if (at + 8 + size > b.size()) {
            w.problem = "chunk " + id + " runs past the end";
            return w;
        }
        if (id == "fmt " && size >= 16) {
            w.format = int(le(b, at + 8, 2));
            w.channels = int(le(b, at + 10, 2));
            w.rate = int(le(b, at + 12, 4));
            w.bits = int(le(b, at + 22, 2));
            haveFmt = true;
        } else if (id == "data" && haveFmt) {
            for (int i = 0; i + 1 < size; i += 2)
                w.samples << qint16(le(b, at + 8 + i, 2));
            w.ok = true;
            return w;
        }
        at += 8 + size + (size & 1);
    }
    w.problem = "no fmt chunk before the data";
    return w;
}

// The build writes the sounds into <build>/Sons; the tests sit in a folder below the build.
QString soundsFolder() {
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 3; ++up) {
        if (QFile::exists(dir.filePath("Sons/S1.wav")))
            return dir.filePath("Sons");
        if (!dir.cdUp())
            break;
    }
    return {};
}

const QStringList kNames = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
                            "12", "13", "14", "15", "16", "20", "21", "22", "23", "24"};

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_folder = soundsFolder();
        if (m_folder.isEmpty())
            QFAIL("no Sons/S1.wav above the test: build the xifrum_sounds target first");
    }

    void eachSound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest"); // seconds
        QTest::addColumn<double>("longest");
        for (int g = 1; g <= 16; ++g)
            QTest::addRow("group %d", g) << QString::number(g) << 0.5 << 1.3;
        QTest::newRow("20 pip") << "20" << 0.05 << 0.3;
        QTest::newRow("21 swoosh") << "21" << 0.2 << 0.8;
        QTest::newRow("22 series lost") << "22" << 0.6 << 1.6;
        QTest::newRow("23 level passed") << "23" << 1.2 << 2.0;
        QTest::newRow("24 bonk") << "24" << 0.1 << 0.5;
    }
    void eachSound() {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const Wav w = readWav(m_folder + "/S" + name + ".wav");
        QVERIFY2(w.ok, qPrintable(w.problem));
        QCOMPARE(w.format, 1);
        QCOMPARE(w.channels, 1);
        QCOMPARE(w.bits, 16);
        QVERIFY(w.rate == 22050 || w.rate == 44100);

        const double seconds = double(w.samples.size()) / w.rate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

        int peak = 0;
        double sum = 0;
        for (qint16 s : w.samples) {
            peak = std::max(peak, std::abs(int(s)));
            sum += s;
        }
        const double peakDb = 20 * std::log10(peak / 32768.0);
        QVERIFY2(peakDb > -7 && peakDb < -5, qPrintable(QString::number(peakDb)));
        QVERIFY2(std::fabs(sum / w.samples.size()) < 100, "a DC offset thumps at start and end");

        // A sound that starts or stops away from zero clicks.
        for (int i = 0; i < 4; ++i) {
            QVERIFY(std::abs(int(w.samples.at(i))) < 300);
            QVERIFY(std::abs(int(w.samples.at(w.samples.size() - 1 - i))) < 300);
        }
    }

    void everySoundDiffers() {
        QSet<QByteArray> seen;
        for (const QString& name : kNames) {
            QFile f(m_folder + "/S" + name + ".wav");
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = f.readAll();
            QVERIFY2(!seen.contains(bytes), qPrintable("S" + name + " repeats another sound"));
            seen.insert(bytes);
        }
    }

private:
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_SoundFiles.moc"
