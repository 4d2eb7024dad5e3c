#include "helpers/TaulerProva.h"

#include "ActivitatDividir.h"
#include "DadesNivell.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"
#include "Rutes.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QColor kGroc(255, 255, 0);
const QColor kVermell(255, 0, 0);

// A board opened on level 1 of the division for a pupil of group 1, in a program folder that
// holds the level set and nothing else; the group's option chooses the layout.
struct Tauler {
    QTemporaryDir dir;
    RecordingSoundPlayer so;
    std::unique_ptr<Pissarra> w;

    explicit Tauler(bool ambResta) {
        const DadesNivell nivell{300, 3, 5, 3, 1};
        EntornSerie e;
        e.so = &so;
        w = obreTaulerProva(dir.path(), 9, nivell, e, nullptr, ambResta);
    }

    template <class T = QLabel> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QString text(const QString& nom) const {
        if (auto* l = fill(nom))
            return l->text();
        // A caption broken over lines says the same as on one.
        return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
    }
    ActivitatDividir& activitat() const {
        return *qobject_cast<ActivitatDividir*>(w->serie().activitat());
    }
    void tecla(QChar c) const {
        QTest::keyClick(fill<QWidget>(QStringLiteral("CaixaTeclat")), c.toLatin1());
    }
    // The lines the pupil writes on: the quotient and every row's product and remainder.
    QList<QLabel*> linies() const {
        QList<QLabel*> l{fill(QStringLiteral("Quocient"))};
        for (int k = 1; k <= 5; ++k)
            l << fill(QStringLiteral("ApuntRes_%1").arg(k))
              << fill(QStringLiteral("ApuntDiv_%1").arg(k));
        return l;
    }
};

QColor fons(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

} // namespace

class TestPanelDividir : public QObject {
    Q_OBJECT
private slots:
    void divisio_data();
    void divisio();
};

// 845 ÷ 9 in both layouts. `resultats` has one letter per key: A right, E wrong.
void TestPanelDividir::divisio_data() {
    QTest::addColumn<bool>("ambResta");
    QTest::addColumn<QString>("tecles");
    QTest::addColumn<QString>("resultats");
    QTest::addColumn<QStringList>("apuntRes");
    QTest::addColumn<QStringList>("apuntDiv");

    QTest::newRow("sense restes") << false << "9135378"
                                  << "AEAAAEA" << QStringList{"3 5 ", "8 "} << QStringList{"", ""};
    // A minus before any digit is wrong; a digit where the minus is awaited is wrong too, and
    // the cursor stays hidden.
    QTest::newRow("amb restes") << true << "-9185-305372-80"
                                << "EAAAEAAAAAAAAAA" << QStringList{"8 1 ", "2 7 "}
                                << QStringList{"0 3 5 ", "0 8 "};
}

void TestPanelDividir::divisio() {
    QFETCH(bool, ambResta);
    QFETCH(QString, tecles);
    QFETCH(QString, resultats);

    Tauler t(ambResta);
    QTest::mouseClick(t.fill<QPushButton>(QStringLiteral("BtEspera_1")), Qt::LeftButton);
    QVERIFY(t.activitat().posaOperacio(845, 9));
    QCOMPARE(t.text("Dividend"), QStringLiteral("8 4 5 "));
    QCOMPARE(t.text("Divisor"), QStringLiteral("9 "));
    QCOMPARE(t.text("ResPar_1"), ambResta ? QStringLiteral("0 3 5 ") : QStringLiteral("3 5 "));
    QVERIFY(!t.fill("ResPar_1")->isVisible());
    QVERIFY(!t.fill("ApuntRes_3")->isVisible());
    QCOMPARE(t.fill("ApuntDiv_1")->isVisible(), ambResta);

    QLabel* torn = t.fill("TornDiv");
    int errors = 5;
    for (int i = 0; i < tecles.size(); ++i) {
        const QChar c = tecles.at(i);
        const bool visible = torn->isVisible();
        // Products, remainders and differences grow leftwards, the rest rightwards.
        const bool davant = t.activitat().fase() == 1 || t.activitat().fase() == 2;
        const QRect lloc = torn->geometry();
        QStringList abans;
        for (QLabel* l : t.linies())
            abans << l->text();
        t.tecla(c);

        if (resultats.at(i) == u'E') {
            QCOMPARE(t.text("Negatives"), QString::number(--errors));
            QCOMPARE(torn->isVisible(), visible);
            QCOMPARE(torn->geometry(), lloc);
            if (visible)
                QCOMPARE(fons(torn), kVermell);
            continue;
        }
        if (c == u'-') {
            QVERIFY(!visible);
            QVERIFY(t.fill(QStringLiteral("Signe_%1").arg(t.activitat().fila()))->isVisible());
            QVERIFY(t.fill<QWidget>(QStringLiteral("LinDiv_%1").arg(t.activitat().fila()))
                        ->isVisible());
        } else {
            // The character lands where the cursor stood.
            const QList<QLabel*> linies = t.linies();
            int canviada = 0;
            while (canviada < linies.size() && linies.at(canviada)->text() == abans.at(canviada))
                ++canviada;
            QVERIFY(canviada < linies.size());
            const QLabel* l = linies.at(canviada);
            const QString vell = abans.at(canviada);
            const int x =
                davant ? l->x() : l->x() + QFontMetrics(l->font()).horizontalAdvance(vell);
            QVERIFY2(qAbs(x - lloc.x()) <= 3,
                     qPrintable(QStringLiteral("key %1: %2 vs %3").arg(i).arg(x).arg(lloc.x())));
            QVERIFY(lloc.top() > l->y() && lloc.bottom() < l->y() + l->height() + 4);
            QCOMPARE(l->palette().color(QPalette::WindowText), kGroc);
        }
        if (torn->isVisible())
            QCOMPARE(fons(torn), kGroc);
    }

    QCOMPARE(t.text("Quocient"), QStringLiteral("9 3 "));
    QFETCH(QStringList, apuntRes);
    QFETCH(QStringList, apuntDiv);
    for (int k = 1; k <= 2; ++k) {
        QCOMPARE(t.text(QStringLiteral("ApuntRes_%1").arg(k)), apuntRes.at(k - 1));
        QCOMPARE(t.text(QStringLiteral("ApuntDiv_%1").arg(k)), apuntDiv.at(k - 1));
        QCOMPARE(t.fill(QStringLiteral("Signe_%1").arg(k))->isVisible(), ambResta);
    }
    // The finished division stays on the board with the last remainder underlined.
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("2"));
    QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
    QVERIFY(!torn->isVisible());
    QLabel* acabada = t.fill("Acabada");
    QVERIFY(acabada->isVisible());
    const QLabel* ultima = t.fill(ambResta ? "ApuntDiv_2" : "ApuntRes_2");
    QVERIFY(acabada->y() > ultima->y() + ultima->height() / 2);
    const int ultimaXifra =
        ultima->x() + QFontMetrics(ultima->font()).horizontalAdvance(ultima->text().chopped(2));
    QVERIFY(acabada->x() < ultimaXifra && acabada->geometry().right() > ultimaXifra);
    QCOMPARE(t.so.played.count(QStringLiteral("20")), 1);
    QCOMPARE(t.so.played.count(QStringLiteral("24")), 5 - errors);

    // The next division clears the board.
    QTest::mouseClick(t.fill<QPushButton>(QStringLiteral("BtTxt")), Qt::LeftButton);
    QVERIFY(!acabada->isVisible());
    QVERIFY(torn->isVisible());
    QCOMPARE(t.text("Quocient"), QString());
}

QTEST_MAIN(TestPanelDividir)
#include "tst_PanelDividir.moc"
