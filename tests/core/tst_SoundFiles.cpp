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

quint32 le(const QByteArray& b, qsizetype at, int width) {
    quint32 v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

// The samples of a whole 16-bit mono PCM RIFF/WAVE file at 22050 or 44100 Hz, with its rate.
QList<qint16> samples(const QByteArray& b, int* rate) {
    QList<qint16> out;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" ||
        le(b, 4, 4) + 8 != quint32(b.size()))
        return out;
    bool fmt = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const qsizetype size = le(b, at + 4, 4);
        if (at + 8 + size > b.size())
            return out;
        if (b.mid(at, 4) == "fmt ") {
            *rate = int(le(b, at + 12, 4));
            fmt = size >= 16 && le(b, at + 8, 2) == 1 && le(b, at + 10, 2) == 1 &&
                  le(b, at + 22, 2) == 16 && (*rate == 22050 || *rate == 44100);
        } else if (b.mid(at, 4) == "data" && fmt) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                out << qint16(le(b, at + 8 + i, 2));
            return out;
        }
        at += 8 + size + (size & 1);
    }
    return out;
}

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT
private slots:
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
        // The build writes the sounds into <build>/Sons, the folder above the tests.
        QFile f(QCoreApplication::applicationDirPath() + "/../Sons/S" + name + ".wav");
        QVERIFY2(f.open(QIODevice::ReadOnly), "build the xifrum_sounds target first");
        const QByteArray bytes = f.readAll();
        QVERIFY2(!seen_.contains(bytes), "repeats another sound");
        seen_.insert(bytes);
        int rate = 0;
        const QList<qint16> s = samples(bytes, &rate);
        QVERIFY2(!s.isEmpty(), "not a 16-bit mono PCM wave file");
        const double seconds = double(s.size()) / rate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        int peak = 0;
        double sum = 0;
        for (qint16 v : s) {
            peak = std::max(peak, std::abs(int(v)));
            sum += v;
        }
        const double peakDb = 20 * std::log10(peak / 32768.0);
        QVERIFY2(peakDb > -7 && peakDb < -5, qPrintable(QString::number(peakDb)));
        QVERIFY2(std::fabs(sum / s.size()) < 100, "a DC offset thumps at start and end");
        // A sound that starts or stops away from zero clicks.
        for (int i = 0; i < 4; ++i)
            QVERIFY(std::abs(int(s.at(i))) < 300 && std::abs(int(s.at(s.size() - 1 - i))) < 300);
    }

private:
    QSet<QByteArray> seen_;
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_SoundFiles.moc"
