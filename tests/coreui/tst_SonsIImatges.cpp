#include "FitxersProva.h"
#include "QtSoundPlayer.h"
#include "Registres.h"
#include "StringTable.h"
#include "TabPicture.h"
#include "Taula.h"
#include "Wingdings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <numeric>

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
    {"a folder in the sound's place", {"20/"}, {"20"}, true, nullptr, 1, ""},
    {"no module", {"1"}, {"1", "1"}, true, "cap.so", 2, ""},
    {"module is not a library", {"1"}, {"1", "1"}, true, "fals.so", 2, ""},
};

// A tenth of a second of 16-bit mono silence at 22050 Hz.
const QByteArray kWav = "RIFF" + le(36 + 4410, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                        le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(4410, 4) +
                        QByteArray(4410, '\0');

QImage image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The first and last columns holding a pixel at least half way from the light grey ground to the
// near-black text; {-1, -1} for a blank picture.
std::pair<int, int> ink(const QImage& img) {
    std::pair<int, int> out{-1, -1};
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (QColor(img.pixel(x, y)).lightness() < 0x68) {
                out = {out.first < 0 ? x : out.first, x};
                break;
            }
    return out;
}

} // namespace

class TestSonsIImatges : public QObject {
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

    // Each picture shows its tab's name, centred, on light grey, sized for the device pixel ratio:
    // two pictures are the same exactly when the names are ("Sumar" in Catalan, Spanish, Galician).
    void everyPictureShowsItsName() {
        QList<std::pair<QString, QImage>> vistes;
        for (const qreal dpr : {1.0, 1.5, 2.0})
            for (int idioma = 0; idioma < 5; ++idioma)
                for (int tab = 0; tab < 10; ++tab) {
                    const QString nom = TextIdioma(5 + tab, idioma) + "@" + QString::number(dpr);
                    const QPixmap pixmap = ImatgePestanya(tab, idioma, dpr);
                    QCOMPARE(pixmap.devicePixelRatio(), dpr);
                    const QImage img = image(pixmap);
                    QCOMPARE(img.size(), QSize(qRound(53 * dpr), qRound(16 * dpr)));
                    QCOMPARE(img.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
                    const auto [left, right] = ink(img);
                    QVERIFY2(left > 0 && right < img.width() - 1 &&
                                 qAbs(left - (img.width() - 1 - right)) <= qCeil(2 * dpr),
                             qPrintable(nom));
                    for (const auto& [altre, vista] : vistes)
                        QVERIFY2((vista == img) == (altre == nom), qPrintable(nom + " / " + altre));
                    vistes.append({nom, img});
                }
    }

    // A language without pictures gets the Catalan ones, a tab out of range a blank one; a picture
    // is made once for each pixel ratio.
    void outOfRangeAndReuse() {
        for (const int idioma : {5, -1, 200})
            QCOMPARE(image(ImatgePestanya(3, idioma, 1.0)), image(ImatgePestanya(3, 0, 1.0)));
        for (const int tab : {-1, 10})
            QCOMPARE(ink(image(ImatgePestanya(tab, 0, 1.0))), std::pair(-1, -1));
        const QPixmap first = ImatgePestanya(4, 2, 2.0);
        QCOMPARE(ImatgePestanya(4, 2, 2.0).cacheKey(), first.cacheKey());
        QVERIFY(ImatgePestanya(4, 2, 1.0).cacheKey() != first.cacheKey());
    }

    // Each Wingdings symbol is drawn as its Unicode counterpart, or a look-alike, in an installed
    // font that holds it; those of buttons, digit cells and the clock column as themselves.
    void wingdings() {
        const std::tuple<int, char32_t, char32_t> kCodis[] = {
            {251, 0x2717, 0x2717}, {252, 0x2713, 0x2713}, {191, 0x1F558, 0x1F558},
            {'?', 0x270D, 0x270D}, {180, 0x2BD1, 0x2370}, {195, 0x2BB0, 0x21B2},
            {196, 0x2BB1, 0x21B3}};
        for (const auto& [codi, unicode, semblant] : kCodis) {
            QCOMPARE(Wingdings::unicode(codi), unicode);
            const QList<uint> shown = Wingdings::text(codi).toUcs4();
            QVERIFY(shown == QList<uint>{unicode} || shown == QList<uint>{semblant});
            const QFont font = Wingdings::font(codi, 18);
            QVERIFY2(QFontMetrics(font).inFontUcs4(shown.value(0)), qPrintable(font.family()));
            QVERIFY(QFontDatabase::families().contains(font.family()));
        }
        QVERIFY(Wingdings::unicode('A') == 0 && Wingdings::text('A').isEmpty());
    }

    // The sound files the build writes into <build>/Sons, checked the way a person would listen
    // for faults: the format the player reads, a sensible length per kind of sound (name, shortest
    // and longest seconds), the same loudness peak for all, silent ends (no clicks) and a
    // distinct jingle for every group.
    void soundFilesOfTheBuild() {
        QList<std::tuple<int, double, double>> sons = {
            {20, 0.05, 0.3}, {21, 0.2, 0.8}, {22, 0.6, 1.6}, {23, 1.2, 2.0}, {24, 0.1, 0.5}};
        for (int grup = 1; grup <= 16; ++grup)
            sons << std::tuple(grup, 0.5, 1.3);
        QSet<QByteArray> seen;
        for (const auto& [nom, shortest, longest] : sons) {
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
            QVERIFY2(s.size() >= shortest * rate && s.size() <= longest * rate,
                     qPrintable(f.fileName()));
            const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
            const double peakDb = 20 * std::log10(std::max(-int(*lo), int(*hi)) / 32768.0);
            QVERIFY2(peakDb > -7 && peakDb < -5, qPrintable(f.fileName()));
            QVERIFY2(std::fabs(std::accumulate(s.begin(), s.end(), 0.0) / s.size()) < 100,
                     "a DC offset thumps at start and end");
            // A sound that starts or stops away from zero clicks.
            for (int i = 0; i < 4; ++i)
                QVERIFY(std::abs(int(s.at(i))) < 300 &&
                        std::abs(int(s.at(s.size() - 1 - i))) < 300);
        }
    }
};

QTEST_MAIN(TestSonsIImatges)
#include "tst_SonsIImatges.moc"
