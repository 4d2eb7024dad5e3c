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

// The box around the pixels of `img` that are not fully transparent, and how many they are.
QRect tinta(const QImage& img, int* pintats = nullptr) {
    QRect r;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) {
                r |= QRect(x, y, 1, 1);
                ++n;
            }
    if (pintats)
        *pintats = n;
    return r;
}

// A picture, not an empty square nor a filled one.
bool esDibuix(const QImage& img) {
    int n = 0;
    tinta(img, &n);
    return n > img.width() * img.height() / 8 && n < img.width() * img.height();
}

// The colour in the middle of the left edge inside the outline, and on the top edge.
QString colors(QWidget& w) {
    const QImage img = w.grab().toImage();
    return QColor(img.pixel(6, w.height() / 2)).name() + QColor(img.pixel(w.width() / 2, 0)).name();
}

} // namespace

class TestImatgesPortada : public QObject {
    Q_OBJECT
private slots:
    // Every animal and tool was drawn at build time, at every size.
    void imatgesDesades() {
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
                QVERIFY2(esDibuix(img), nom);
            }
        }
        QVERIFY(!EmojiPortada::te("grup17"));
        QVERIFY(EmojiPortada::imatge("grup17", 64).isNull());
        QVERIFY(EmojiPortada::imatge("grup1", 0).isNull());
        // The stored size handed out is the smallest that covers the request, else the largest.
        for (auto [demanat, servit] :
             {std::pair{1, 32}, {32, 32}, {33, 48}, {54, 64}, {96, 96}, {108, 160}, {400, 160}})
            QCOMPARE(EmojiPortada::imatge("grup1", demanat).width(), servit);
    }

    // Each group its own animal, a letter badge outside 1..16; drawn at the device pixels.
    void grupsIEines() {
        const QImage dofi = AnimalsGrups::imatge(1, "Dofins", 54, 1.0).toImage();
        QCOMPARE(dofi.size(), QSize(54, 54));
        QVERIFY(esDibuix(dofi));
        QVERIFY(dofi != AnimalsGrups::imatge(2, "Lloros", 54, 1.0).toImage());
        QVERIFY(AnimalsGrups::ambEmoji(16) && !AnimalsGrups::ambEmoji(17));
        QVERIFY(!tinta(AnimalsGrups::imatge(17, "Zebres", 54, 1.0).toImage()).isEmpty());
        const QPixmap doble = AnimalsGrups::imatge(1, "Dofins", 54, 2.0);
        QCOMPARE(doble.size(), QSize(108, 108));
        QCOMPARE(doble.devicePixelRatio(), 2.0);
        for (int i = -1; i <= 8; ++i)
            QVERIFY(esDibuix(ImatgesPortada::eina(i, 32, 1.0).toImage()));
    }

    // Scaled text takes the room of the scaled size, and the scale is applied, not ignored.
    void textEscalat() {
        for (qreal escala : {1.0, 0.6, 2.0}) {
            const QSizeF mida = QFontMetricsF(Lletra::negreta()).size(0, "Rinoceronts") * escala;
            QImage img(400, 120, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            p.setFont(Lletra::negreta());
            const QRectF caixa(10, 10, mida.width() + 2, mida.height() + 2);
            Lletra::textEscalat(p, caixa, Qt::AlignCenter, "Rinoceronts", escala);
            p.end();
            const QRect t = tinta(img);
            QVERIFY(!t.isEmpty() && caixa.adjusted(-1, -1, 1, 1).contains(QRectF(t)));
            QVERIFY(t.width() > mida.width() * 0.8);
        }
    }

    // The buttons' look follows their state; the frames are filled, outlined and rounded.
    void botoIMarc() {
        BotoArrodonit boto({Qt::white, Qt::darkYellow, Qt::yellow, Qt::darkGreen, Qt::red,
                            Qt::lightGray, Qt::gray, 1, 3, 8});
        boto.resize(80, 40);
        QCOMPARE(colors(boto), QColor(Qt::white).name() + QColor(Qt::darkYellow).name());
        boto.setDown(true);
        QCOMPARE(colors(boto).left(7), QColor(Qt::darkGreen).name());
        boto.setDown(false);
        boto.setEnabled(false);
        QCOMPARE(colors(boto), QColor(Qt::lightGray).name() + QColor(Qt::gray).name());

        Marc marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14});
        marc.resize(200, 80);
        const QImage img = marc.grab().toImage();
        QCOMPARE(QColor(img.pixel(100, 40)), QColor(0xFF, 0xE0, 0x8A));
        QCOMPARE(QColor(img.pixel(100, 0)), QColor(0xE8, 0xA3, 0x3D));
        const QColor cantonada(img.pixel(0, 0)); // what lies behind
        QVERIFY(cantonada != QColor(0xFF, 0xE0, 0x8A) && cantonada != QColor(0xE8, 0xA3, 0x3D));
    }
};

QTEST_MAIN(TestImatgesPortada)
#include "tst_ImatgesPortada.moc"
