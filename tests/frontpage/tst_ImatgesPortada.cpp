#include "AnimalsGrups.h"
#include "BotoArrodonit.h"
#include "EmojiPortada.h"
#include "ImatgesPortada.h"
#include "Lletra.h"
#include "Marc.h"
#include "TaulaEmoji.h"

#include <QPainter>
#include <QTest>

namespace {

// Pixels of `img` that are not fully transparent.
int pintats(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0 ? 1 : 0;
    return n;
}

// The colour at the middle of `w`'s left edge, inside its outline.
QColor fonsDe(QWidget& w) {
    return QColor(w.grab().toImage().pixel(6, w.height() / 2));
}

QColor voraDe(QWidget& w) {
    return QColor(w.grab().toImage().pixel(w.width() / 2, 0));
}

} // namespace

class TestImatgesPortada : public QObject {
    Q_OBJECT
private slots:
    // Every animal and tool was drawn at build time, at every size.
    void everyPictureIsStored() {
        QList<const char*> noms;
        for (const auto& e : TaulaEmoji::kAnimals)
            noms << e.nom;
        for (const auto& e : TaulaEmoji::kEines)
            noms << e.nom;
        for (const char* nom : noms) {
            QVERIFY2(EmojiPortada::te(nom), nom);
            for (int mida : TaulaEmoji::kMides) {
                const QImage img = EmojiPortada::imatge(nom, mida);
                QCOMPARE(img.size(), QSize(mida, mida));
                // A picture, not an empty square nor a filled one.
                const int n = pintats(img);
                QVERIFY2(n > mida * mida / 8 && n < mida * mida, nom);
            }
        }
    }

    // The stored size handed out is the smallest that covers the request, else the largest.
    void sizeForARequest_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("mida");
        QTest::newRow("tiny") << 1 << 32;
        QTest::newRow("exact smallest") << 32 << 32;
        QTest::newRow("just above") << 33 << 48;
        QTest::newRow("group card at 1x") << 54 << 64;
        QTest::newRow("exact") << 96 << 96;
        QTest::newRow("group card at 2x") << 108 << 160;
        QTest::newRow("larger than any") << 400 << 160;
    }
    void sizeForARequest() {
        QFETCH(int, pixels);
        QFETCH(int, mida);
        QCOMPARE(EmojiPortada::imatge("grup1", pixels).width(), mida);
    }

    void unknownNameHasNoPicture() {
        QVERIFY(!EmojiPortada::te("grup17"));
        QVERIFY(EmojiPortada::imatge("grup17", 64).isNull());
        QVERIFY(EmojiPortada::imatge("grup1", 0).isNull());
    }

    // Each group gets its own animal; outside 1..16 a letter badge stands in.
    void groupPictures() {
        const QImage dofi = AnimalsGrups::imatge(1, "Dofins", 54, 1.0).toImage();
        const QImage lloro = AnimalsGrups::imatge(2, "Lloros", 54, 1.0).toImage();
        QCOMPARE(dofi.size(), QSize(54, 54));
        QVERIFY(pintats(dofi) > 54 * 54 / 8);
        QVERIFY(dofi != lloro);
        QVERIFY(AnimalsGrups::ambEmoji(16));
        QVERIFY(!AnimalsGrups::ambEmoji(17));
        QVERIFY(pintats(AnimalsGrups::imatge(17, "Zebres", 54, 1.0).toImage()) > 0);
        // Sharp on a HiDPI screen: drawn at the device pixels.
        const QPixmap doble = AnimalsGrups::imatge(1, "Dofins", 54, 2.0);
        QCOMPARE(doble.size(), QSize(108, 108));
        QCOMPARE(doble.devicePixelRatio(), 2.0);
    }

    void toolPictures() {
        for (int i = -1; i <= 8; ++i) {
            const QImage img = ImatgesPortada::eina(i, 32, 1.0).toImage();
            QCOMPARE(img.size(), QSize(32, 32));
            QVERIFY(pintats(img) > 32 * 32 / 8);
        }
    }

    // Scaled text takes the room of the scaled size: at half scale a word fits half the box.
    void scaledTextStaysInItsBox_data() {
        QTest::addColumn<qreal>("escala");
        QTest::newRow("own size") << 1.0;
        QTest::newRow("smaller") << 0.6;
        QTest::newRow("larger") << 2.0;
    }
    void scaledTextStaysInItsBox() {
        QFETCH(qreal, escala);
        const QFont cara = Lletra::negreta();
        const QString text = "Rinoceronts";
        const QSizeF mida = QFontMetricsF(cara).size(0, text) * escala;
        QImage img(400, 120, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setFont(cara);
        p.setPen(Qt::black);
        const QRectF caixa(10, 10, mida.width() + 2, mida.height() + 2);
        Lletra::textEscalat(p, caixa, Qt::AlignCenter, text, escala);
        p.end();
        QRect tinta;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 0)
                    tinta |= QRect(x, y, 1, 1);
        QVERIFY(!tinta.isEmpty());
        QVERIFY2(caixa.adjusted(-1, -1, 1, 1).contains(QRectF(tinta)),
                 qPrintable(QString("ink %1,%2 %3x%4")
                                .arg(tinta.x())
                                .arg(tinta.y())
                                .arg(tinta.width())
                                .arg(tinta.height())));
        // The ink is about as wide as the scaled text: the scale was applied, not ignored.
        QVERIFY(tinta.width() > mida.width() * 0.8);
    }

    // The buttons' look follows their state.
    void roundedButtonStates() {
        const BotoArrodonit::Estil estil{Qt::white,
                                         Qt::darkYellow,
                                         Qt::yellow,
                                         Qt::darkGreen,
                                         Qt::red,
                                         Qt::lightGray,
                                         QColor(Qt::gray),
                                         1,
                                         3,
                                         8};
        BotoArrodonit boto(estil);
        boto.resize(80, 40);
        QCOMPARE(fonsDe(boto), QColor(Qt::white));
        QCOMPARE(voraDe(boto), QColor(Qt::darkYellow));
        boto.setDown(true);
        QCOMPARE(fonsDe(boto), QColor(Qt::darkGreen));
        boto.setDown(false);
        boto.setEnabled(false);
        QCOMPARE(fonsDe(boto), QColor(Qt::lightGray));
        QCOMPARE(voraDe(boto), QColor(Qt::gray));
    }

    void frame() {
        Marc marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14});
        marc.resize(200, 80);
        const QImage img = marc.grab().toImage();
        QCOMPARE(QColor(img.pixel(100, 40)), QColor(0xFF, 0xE0, 0x8A));
        QCOMPARE(QColor(img.pixel(100, 0)), QColor(0xE8, 0xA3, 0x3D));
        // The corners are round: the very corner shows what lies behind.
        const QColor cantonada(img.pixel(0, 0));
        QVERIFY(cantonada != QColor(0xFF, 0xE0, 0x8A) && cantonada != QColor(0xE8, 0xA3, 0x3D));
    }
};

QTEST_MAIN(TestImatgesPortada)
#include "tst_ImatgesPortada.moc"
