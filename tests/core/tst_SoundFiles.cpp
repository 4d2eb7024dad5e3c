// Checks the sound files the build synthesises into <build>/Sons, the way a person would listen
// for faults: the format the player reads, a sensible length per kind of sound, the same loudness
// peak for all, silent ends (no clicks) and a distinct jingle for every group.

#include "Registres.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTest>

#include <cmath>

using Registres::le;

class TestSoundFiles : public QObject {
    Q_OBJECT
private slots:
    void eachSound() {
        const std::tuple<int, double, double> kSons[] = {// name, shortest and longest seconds
                                                         {20, 0.05, 0.3},
                                                         {21, 0.2, 0.8},
                                                         {22, 0.6, 1.6},
                                                         {23, 1.2, 2.0},
                                                         {24, 0.1, 0.5}};
        QList<std::tuple<int, double, double>> sons(std::begin(kSons), std::end(kSons));
        for (int grup = 1; grup <= 16; ++grup)
            sons << std::tuple(grup, 0.5, 1.3);
        QSet<QByteArray> seen;
        for (const auto& [nom, shortest, longest] : sons) {
            // The build writes the sounds into <build>/Sons, the folder above the tests.
            QFile f(QCoreApplication::applicationDirPath() + QString("/../Sons/S%1.wav").arg(nom));
            QVERIFY2(f.open(QIODevice::ReadOnly), "build the xifrum_sounds target first");
            const QByteArray b = f.readAll();
            QVERIFY2(!seen.contains(b), qPrintable(f.fileName() + " repeats another sound"));
            seen.insert(b);
            // 16-bit mono PCM at 22050 or 44100 Hz, in a whole canonical RIFF/WAVE file.
            const int rate = b.mid(24, 2) == le(44100, 2) ? 44100 : 22050;
            QCOMPARE(b.left(44), "RIFF" + le(b.size() - 8, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                                     le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) +
                                     le(16, 2) + "data" + le(b.size() - 44, 4));
            QList<qint16> s(b.size() / 2 - 22);
            memcpy(s.data(), b.constData() + 44, s.size() * 2);
            const double seconds = double(s.size()) / rate;
            QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(f.fileName()));
            int peak = 0;
            double sum = 0;
            for (qint16 v : s) {
                peak = std::max(peak, std::abs(int(v)));
                sum += v;
            }
            const double peakDb = 20 * std::log10(peak / 32768.0);
            QVERIFY2(peakDb > -7 && peakDb < -5, qPrintable(f.fileName()));
            QVERIFY2(std::fabs(sum / s.size()) < 100, "a DC offset thumps at start and end");
            // A sound that starts or stops away from zero clicks.
            for (int i = 0; i < 4; ++i)
                QVERIFY(std::abs(int(s.at(i))) < 300 &&
                        std::abs(int(s.at(s.size() - 1 - i))) < 300);
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_SoundFiles.moc"
