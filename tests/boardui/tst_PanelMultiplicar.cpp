#include "helpers/TaulerProva.h"

#include "ActivitatMultiplicar.h"
#include "DadesNivell.h"
#include "FabricaActivitats.h"
#include "FakeContext.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"
#include "Rutes.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QColor kGroc(255, 255, 0);
const QColor kGris(0xC0, 0xC0, 0xC0);
const QColor kVermell(255, 0, 0);

int potencia10(int e) {
    int p = 1;
    while (e-- > 0)
        p *= 10;
    return p;
}

// The r that makes the generator draw `v` among the numbers of `xifres` digits.
float rPer(int v, int xifres) {
    const int lo = potencia10(xifres - 1);
    return (float(v - lo) + 0.5f) / float(potencia10(xifres) - lo);
}

// A board opened on level 1 of long multiplication (five errors allowed), with the wait option
// on, in a program folder that holds the level set and nothing else. The first exercise is
// `operand1` x `operand2`.
struct Tauler {
    QTemporaryDir dir;
    RecordingSoundPlayer so;
    Guio guio;
    std::unique_ptr<Pissarra> w;

    Tauler(int operand1, int operand2)
        : guio({rPer(operand1, int(QString::number(operand1).size())),
                rPer(operand2, int(QString::number(operand2).size()))}) {
        const DadesNivell nivell{300, 5, 5, int(QString::number(operand1).size()),
                                 int(QString::number(operand2).size())};
        EntornSerie e;
        e.so = &so;
        w = obreTaulerProva(dir.path(), 8, nivell, e, &guio);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BtEspera_1")), Qt::LeftButton);
    }

    template <class T = QLabel> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QLabel* resposta(int k) const { return fill(QStringLiteral("Resposta_%1").arg(k)); }
    QString text(const QString& nom) const {
        if (auto* l = fill(nom))
            return l->text();
        // A caption broken over lines says the same as on one.
        return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
    }
    const ActivitatMultiplicar& activitat() const {
        return *qobject_cast<ActivitatMultiplicar*>(w->serie().activitat());
    }
    // '<' is the left arrow.
    void tecla(QChar c) const {
        QWidget* caixa = fill<QWidget>(QStringLiteral("CaixaTeclat"));
        if (c == u'<')
            QTest::keyClick(caixa, Qt::Key_Left);
        else
            QTest::keyClick(caixa, c.toLatin1());
    }
    // Where the text of a line ends on the board.
    qreal dreta(const QLabel* l) const {
        return l->x() + QFontMetricsF(l->font()).horizontalAdvance(l->text());
    }
};

QColor color(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class TestPanelMultiplicar : public QObject {
    Q_OBJECT
private slots:
    void multiplicacio_data();
    void multiplicacio();
};

// `resultats` has one letter per key: A right, E wrong. Rows 1..3 and the product as they read
// at the end, '+' is the left arrow.
void TestPanelMultiplicar::multiplicacio_data() {
    QTest::addColumn<int>("operand1");
    QTest::addColumn<int>("operand2");
    QTest::addColumn<QString>("tecles");
    QTest::addColumn<QString>("resultats");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("zero");

    // The multiplier ends in 0: a written 0 ends row 1, and row 2 has a blank column, written
    // here as 0. A digit where "+" is awaited is wrong.
    QTest::newRow("456 x 120") << 456 << 120 << "02319065458+02745"
                               << "AAEAAAAAAEEAAAAAA"
                               << QStringList{" 9 1 2 0", " 4 5 6  ", "", " 5 4 7 2 0"} << true;
    // The blank column of row 2 taken by the left arrow, which is wrong anywhere else.
    QTest::newRow("456 x 205") << 456 << 205 << "0<822<219+08439"
                               << "AEAAAAAAAAAAAAA"
                               << QStringList{" 2 2 8 0", " 9 1 2  ", "", " 9 3 4 8 0"} << false;
    // A multiplier ending in 0 with one digit more: one row, which is the product.
    QTest::newRow("37 x 20") << 37 << 20 << "047"
                             << "AAA" << QStringList{" 7 4 0", "", "", ""} << false;
}

void TestPanelMultiplicar::multiplicacio() {
    QFETCH(int, operand1);
    QFETCH(int, operand2);
    QFETCH(QString, tecles);
    QFETCH(QString, resultats);
    QFETCH(QStringList, files);

    Tauler t(operand1, operand2);
    const ActivitatMultiplicar& a = t.activitat();
    QCOMPARE(t.text("MultiSup"), a.multiSup());
    QCOMPARE(t.text("MultiInf"), a.multiInf());
    QVERIFY(t.fill("lblSigne")->x() < t.fill("MultiInf")->x());
    QLabel* torn = t.fill("Torn");
    QFrame* linia1 = t.fill<QFrame>(QStringLiteral("Línia_1"));
    QVERIFY(t.fill<QFrame>(QStringLiteral("Línia_0"))->isVisible());

    int errors = 5;
    for (int i = 0; i < tecles.size(); ++i) {
        const QChar c = tecles.at(i);
        const int fila = a.filaActual();
        const bool visible = torn->isVisible();
        const QRect lloc = torn->geometry();
        const QString abans = fila ? t.resposta(fila)->text() : QString();
        t.tecla(c);

        if (resultats.at(i) == u'E') {
            QCOMPARE(t.text("Negatives"), QString::number(--errors));
            QCOMPARE(torn->isVisible(), visible);
            QCOMPARE(torn->geometry(), lloc);
            if (visible)
                QCOMPARE(color(torn), kVermell);
            if (fila)
                QCOMPARE(t.resposta(fila)->text(), abans);
            continue;
        }
        if (c == u'+') {
            QVERIFY(!visible);
            QVERIFY(linia1->isVisible());
        } else {
            // One more column of the row shows, the new digit (or the 0 of a blank column)
            // under the place where the cursor waited.
            QLabel* l = t.resposta(fila);
            QCOMPARE(l->text().size(), abans.size() + 2);
            QVERIFY(l->text().endsWith(abans));
            QCOMPARE(color(l), kGroc);
            const QLabel* escrit = l->text().at(1) == u' ' ? t.fill("Zero") : l;
            if (c == u'0' && escrit != l)
                QVERIFY(escrit->isVisible());
            if (c != u'<') {
                const QFontMetricsF fm(escrit->font());
                const qreal centre = escrit->x() + fm.horizontalAdvance(QStringLiteral(" ")) +
                                     fm.horizontalAdvance(c) / 2;
                QVERIFY2(qAbs(centre - lloc.center().x()) <= 3,
                         qPrintable(QStringLiteral("key %1").arg(i)));
                QVERIFY(escrit->geometry().contains(lloc.center()));
            }
        }
        if (torn->isVisible())
            QCOMPARE(color(torn), kGris);
    }

    // The exercise stays on the board, finished and without its cursor.
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("4"));
    QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
    QVERIFY(!torn->isVisible());
    QCOMPARE(t.so.played.count(QStringLiteral("20")), 1);
    QCOMPARE(t.so.played.count(QStringLiteral("24")), 5 - errors);
    QTEST(t.fill("Zero")->isVisible(), "zero");
    QCOMPARE(linia1->isVisible(), !files.at(3).isEmpty());
    // Every row stands on its own columns of the product: row 1 ends under the units of the
    // multiplicand, each later row one column further left.
    const qreal columna = QFontMetricsF(t.fill("MultiSup")->font()).horizontalAdvance(" 0");
    for (int k = 1; k <= 4; ++k) {
        QLabel* l = t.resposta(k);
        QCOMPARE(l->text(), files.at(k - 1));
        QCOMPARE(l->isVisible(), !files.at(k - 1).isEmpty());
        if (l->isVisible()) {
            QCOMPARE(color(l), kGroc);
            const qreal esquerra =
                t.dreta(t.fill("MultiSup")) - (a.columnaDreta(k) + l->text().size() / 2) * columna;
            QVERIFY(qAbs(l->x() - esquerra) <= 2);
        }
    }
}

QTEST_MAIN(TestPanelMultiplicar)
#include "tst_PanelMultiplicar.moc"
