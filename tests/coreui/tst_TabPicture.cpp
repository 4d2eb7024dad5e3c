#include "StringTable.h"
#include "TabPicture.h"
#include "Wingdings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

namespace {

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

class TestTabPicture : public QObject {
    Q_OBJECT
private slots:
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

    // By resource name: an unknown code is Catalan, a name without a digit tab 0; a language
    // without pictures is Catalan, a tab out of range blank. Pictures are made once.
    void byNameAndOutOfRange() {
        const std::tuple<const char*, int, int> kNoms[] = {{"EUS3", 3, 3}, {"FRA3", 3, 0},
                                                           {"XYZ9", 9, 0}, {"eus7", 7, 3},
                                                           {"CAS", 0, 1},  {"", 0, 0}};
        for (const auto& [nom, tab, idioma] : kNoms)
            QCOMPARE(image(ImatgePestanya(nom, 2.0)), image(ImatgePestanya(tab, idioma, 2.0)));
        for (const int idioma : {5, -1, 200})
            QCOMPARE(image(ImatgePestanya(3, idioma, 1.0)), image(ImatgePestanya(3, 0, 1.0)));
        for (const int tab : {-1, 10})
            QCOMPARE(ink(image(ImatgePestanya(tab, 0, 1.0))), std::pair(-1, -1));
        const QPixmap first = ImatgePestanya(QStringLiteral("GAL4"), 2.0);
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
            QCOMPARE(font.pointSizeF(), 18.0);
            QVERIFY2(QFontMetrics(font).inFontUcs4(shown.value(0)), qPrintable(font.family()));
            QVERIFY(QFontDatabase::families().contains(font.family()));
        }
        QCOMPARE(Wingdings::unicode('A'), 0u);
        QVERIFY(Wingdings::text('A').isEmpty());
    }
};

QTEST_MAIN(TestTabPicture)
#include "tst_TabPicture.moc"
