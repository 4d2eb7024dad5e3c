#include "core/StringTable.h"
#include "core/ui/QtSoundPlayer.h"
#include "core/ui/TabPicture.h"
#include "core/ui/Wingdings.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <numeric>

using Registres::le;

namespace {

// Present ("/": a folder instead), asked for, output ready first, module, beeps, last file played.
const std::tuple<QStringList, QStringList, bool, const char*, int, QString> kSequencies[] = {
    {{"1", "16"}, {"1", "16"}, true, nullptr, 0, "S16.wav"},
    {{"1"}, {"22", "1"}, true, nullptr, 1, "S1.wav"},
    {{"21"}, {"21", "21"}, false, nullptr, 0, "S21.wav"},
    {{"1"}, {"1", "22"}, false, nullptr, 1, ""},
    {{"20/"}, {"20"}, true, nullptr, 1, ""},
    {{"1"}, {"1", "1"}, true, "fals.so", 2, ""}};

// A tenth of a second of 16-bit mono silence at 22050 Hz.
const QByteArray kWav = "RIFF" + le(36 + 4410, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                        le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(4410, 4) +
                        QByteArray(4410, '\0');

QImage image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The first and last columns holding ink (half way to the text's colour); {-1, -1} if blank.
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
    void sequence() {
        for (const auto& [presents, demanats, preparat, modul, beeps, darrer] : kSequencies) {
            QTemporaryDir dir;
            CarpetaProva::escriu(dir.filePath("fals.so"), "not an ELF file");
            for (const QString& nom : presents)
                if (nom.endsWith('/'))
                    QVERIFY(QDir().mkpath(dir.filePath("Sons/S" + nom.chopped(1) + ".wav")));
                else
                    CarpetaProva::escriu(dir.filePath("Sons/S" + nom + ".wav"), kWav);
            QtSoundPlayer player(dir.path(), modul ? QStringList{dir.filePath(modul)}
                                                   : QtSoundPlayer::modulePaths());
            if (preparat)
                QCOMPARE(player.hasModule(), !modul);
            for (const QString& nom : demanats)
                player.ReproduirSo(nom);
            QCOMPARE(player.beeps(), beeps);
            QCOMPARE(player.source(), darrer.isEmpty()
                                          ? QUrl()
                                          : QUrl::fromLocalFile(dir.filePath("Sons/" + darrer)));
        }
    }

    // Two pictures are the same exactly when the names are ("Sumar" in Catalan, Spanish, Galician).
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

    // A language without pictures gets the Catalan ones; a picture is made once per pixel ratio.
    void outOfRangeAndReuse() {
        for (const int idioma : {5, -1, 200})
            QCOMPARE(image(ImatgePestanya(3, idioma, 1.0)), image(ImatgePestanya(3, 0, 1.0)));
        for (const int tab : {-1, 10})
            QCOMPARE(ink(image(ImatgePestanya(tab, 0, 1.0))), std::pair(-1, -1));
        const QPixmap first = ImatgePestanya(4, 2, 2.0);
        QCOMPARE(ImatgePestanya(4, 2, 2.0).cacheKey(), first.cacheKey());
        QVERIFY(ImatgePestanya(4, 2, 1.0).cacheKey() != first.cacheKey());
    }

    // Each symbol is drawn as its Unicode counterpart or a look-alike, in a font that holds it.
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

    // Listened to as a person would: length per kind (seconds), one peak, no clicks, no repeats.
    void soundFilesOfTheBuild() {
        QList<std::tuple<int, double, double>> sons = {
            {20, 0.05, 0.3}, {21, 0.2, 0.8}, {22, 0.6, 1.6}, {23, 1.2, 2.0}, {24, 0.1, 0.5}};
        for (int grup = 1; grup <= 16; ++grup)
            sons << std::tuple(grup, 0.5, 1.3);
        QSet<QByteArray> seen;
        for (const auto& [nom, shortest, longest] : sons) {
            const QString f =
                QCoreApplication::applicationDirPath() + QString("/../Sons/S%1.wav").arg(nom);
            const QByteArray b = CarpetaProva::llegeix(f);
            QVERIFY2(b != "<missing>", "build the xifrum_sounds target first");
            QVERIFY2(!seen.contains(b), qPrintable(f + " repeats another sound"));
            seen.insert(b);
            // 16-bit mono PCM at 22050 or 44100 Hz, in a whole canonical RIFF/WAVE file.
            const int rate = b.mid(24, 2) == le(44100, 2) ? 44100 : 22050;
            QCOMPARE(b.left(44), "RIFF" + le(b.size() - 8, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                                     le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) +
                                     le(16, 2) + "data" + le(b.size() - 44, 4));
            QList<qint16> s(b.size() / 2 - 22);
            memcpy(s.data(), b.constData() + 44, s.size() * 2);
            QVERIFY2(s.size() >= shortest * rate && s.size() <= longest * rate, qPrintable(f));
            const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
            const double peakDb = 20 * std::log10(std::max(-int(*lo), int(*hi)) / 32768.0);
            QVERIFY2(peakDb > -7 && peakDb < -5, qPrintable(f));
            QVERIFY2(std::fabs(std::accumulate(s.begin(), s.end(), 0.0) / s.size()) < 100,
                     "a DC offset thumps at start and end");
            for (int i = 0; i < 4; ++i)
                QVERIFY(std::abs(int(s.at(i))) < 300 &&
                        std::abs(int(s.at(s.size() - 1 - i))) < 300);
        }
    }
};

QTEST_MAIN(TestSonsIImatges)
#include "tst_SonsIImatges.moc"
