#include "StringTable.h"
#include "TabPicture.h"

#include <QImage>
#include <QTest>

namespace {

constexpr int kTabs = 10;
constexpr int kLanguagesWithPictures = 5;

QImage image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

bool columnIsBackground(const QImage& img, int x) {
    const QRgb bg = TabPicture::background().rgb();
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(x, y) != bg)
            return false;
    return true;
}

// Columns holding pixels at least half way from the background to the text colour.
QList<int> inkColumns(const QImage& img) {
    const int threshold =
        (TabPicture::background().lightness() + TabPicture::textColour().lightness()) / 2;
    QList<int> columns;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (QColor(img.pixel(x, y)).lightness() < threshold) {
                columns.append(x);
                break;
            }
    return columns;
}

void addEveryPicture() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<qreal>("dpr");
    for (qreal dpr : {1.0, 2.0})
        for (int idioma = 0; idioma < kLanguagesWithPictures; ++idioma)
            for (int tab = 0; tab < kTabs; ++tab)
                QTest::addRow("%s%d@%g", qPrintable(CodiIdioma(idioma)), tab, dpr)
                    << tab << idioma << dpr;
}

} // namespace

class TestTabPicture : public QObject {
    Q_OBJECT
private slots:
    void sizeFollowsTheDevicePixelRatio_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
        QTest::newRow("1.5") << 1.5;
    }
    void sizeFollowsTheDevicePixelRatio() {
        QFETCH(qreal, dpr);
        const QPixmap pixmap = ImatgePestanya(8, 3, dpr);
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        QCOMPARE(pixmap.size(), QSize(qRound(53 * dpr), qRound(16 * dpr)));
        // A fractional ratio rounds the pixel size, so the logical size may be off by a fraction.
        QVERIFY(qAbs(pixmap.deviceIndependentSize().width() - 53) < 1);
        QVERIFY(qAbs(pixmap.deviceIndependentSize().height() - 16) < 1);
    }

    void everyNameGivesItsTabInItsLanguage_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("idioma");
        const char* codes[] = {"CAT", "CAS", "GAL", "EUS", "ANG"};
        for (int idioma = 0; idioma < kLanguagesWithPictures; ++idioma)
            for (int tab = 0; tab < kTabs; ++tab) {
                const QString nom = QString::fromLatin1(codes[idioma]) + QString::number(tab);
                QTest::newRow(qPrintable(nom)) << nom << tab << idioma;
            }
    }
    void everyNameGivesItsTabInItsLanguage() {
        QFETCH(QString, nom);
        QFETCH(int, tab);
        QFETCH(int, idioma);
        const QImage byName = image(ImatgePestanya(nom, 1.0));
        QCOMPARE(byName.size(), QSize(53, 16));
        QCOMPARE(byName, image(ImatgePestanya(tab, idioma, 1.0)));
        QVERIFY(!inkColumns(byName).isEmpty());
    }

    // The same tab looks different in two languages exactly when its name differs
    // ("Sumar" is the same word in Catalan, Spanish and Galician).
    void languagesDifferWhereTheNamesDiffer_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        for (int tab = 0; tab < kTabs; ++tab)
            for (int a = 0; a < kLanguagesWithPictures; ++a)
                for (int b = a + 1; b < kLanguagesWithPictures; ++b)
                    QTest::addRow("%d %s-%s", tab, qPrintable(CodiIdioma(a)),
                                  qPrintable(CodiIdioma(b)))
                        << tab << a << b;
    }
    void languagesDifferWhereTheNamesDiffer() {
        QFETCH(int, tab);
        QFETCH(int, a);
        QFETCH(int, b);
        const bool sameName = TextIdioma(5 + tab, a) == TextIdioma(5 + tab, b);
        const bool samePicture =
            image(ImatgePestanya(tab, a, 2.0)) == image(ImatgePestanya(tab, b, 2.0));
        QCOMPARE(samePicture, sameName);
    }

    void tabsOfOneLanguageDiffer_data() {
        QTest::addColumn<int>("idioma");
        for (int idioma = 0; idioma < kLanguagesWithPictures; ++idioma)
            QTest::newRow(qPrintable(CodiIdioma(idioma))) << idioma;
    }
    void tabsOfOneLanguageDiffer() {
        QFETCH(int, idioma);
        QList<QImage> seen;
        for (int tab = 0; tab < kTabs; ++tab) {
            const QImage img = image(ImatgePestanya(tab, idioma, 1.0));
            QVERIFY2(!seen.contains(img), qPrintable(TextIdioma(5 + tab, idioma)));
            seen.append(img);
        }
    }

    void nameFitsInsideThePicture_data() { addEveryPicture(); }
    void nameFitsInsideThePicture() {
        QFETCH(int, tab);
        QFETCH(int, idioma);
        QFETCH(qreal, dpr);
        const QImage img = image(ImatgePestanya(tab, idioma, dpr));
        QVERIFY(columnIsBackground(img, 0));
        QVERIFY(columnIsBackground(img, img.width() - 1));
        const QList<int> ink = inkColumns(img);
        QVERIFY(!ink.isEmpty());
        // Centred: the blank space left and right of the name differs by at most a pixel or two.
        const int left = ink.first();
        const int right = img.width() - 1 - ink.last();
        QVERIFY2(qAbs(left - right) <= qCeil(2 * dpr),
                 qPrintable(QStringLiteral("%1 / %2").arg(left).arg(right)));
    }

    void backgroundIsLightGrey() {
        const QImage img = image(ImatgePestanya(0, 0, 1.0));
        QCOMPARE(QColor(img.pixel(0, 0)), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(QColor(img.pixel(52, 15)), QColor(0xC0, 0xC0, 0xC0));
    }

    void picturesWithoutALanguageAreCatalan_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("catala");
        QTest::newRow("FRA3") << "FRA3"
                              << "CAT3";
        QTest::newRow("FRA0") << "FRA0"
                              << "CAT0";
        QTest::newRow("unknown code") << "XYZ9"
                                      << "CAT9";
        QTest::newRow("lower case code") << "eus7"
                                         << "EUS7";
        QTest::newRow("no digit") << "CAS"
                                  << "CAS0";
        QTest::newRow("empty") << ""
                               << "CAT0";
    }
    void picturesWithoutALanguageAreCatalan() {
        QFETCH(QString, nom);
        QFETCH(QString, catala);
        QCOMPARE(image(ImatgePestanya(nom, 2.0)), image(ImatgePestanya(catala, 2.0)));
    }

    void languageIndexWithoutPicturesIsCatalan_data() {
        QTest::addColumn<int>("idioma");
        QTest::newRow("FRA") << 5;
        QTest::newRow("negative") << -1;
        QTest::newRow("damaged byte") << 200;
    }
    void languageIndexWithoutPicturesIsCatalan() {
        QFETCH(int, idioma);
        for (int tab = 0; tab < kTabs; ++tab)
            QCOMPARE(image(ImatgePestanya(tab, idioma, 1.0)), image(ImatgePestanya(tab, 0, 1.0)));
    }

    void tabOutOfRangeIsBlank_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("-1") << -1;
        QTest::newRow("10") << 10;
    }
    void tabOutOfRangeIsBlank() {
        QFETCH(int, tab);
        const QImage img = image(ImatgePestanya(tab, 0, 1.0));
        QCOMPARE(img.size(), QSize(53, 16));
        QVERIFY(inkColumns(img).isEmpty());
    }

    // The front page asks for its pictures every time it rebuilds the tabs.
    void repeatedRequestsShareOnePixmap() {
        const QPixmap first = ImatgePestanya(QStringLiteral("GAL4"), 2.0);
        QCOMPARE(ImatgePestanya(4, 2, 2.0).cacheKey(), first.cacheKey());
        QVERIFY(ImatgePestanya(4, 2, 1.0).cacheKey() != first.cacheKey());
    }
};

QTEST_MAIN(TestTabPicture)
#include "tst_TabPicture.moc"
