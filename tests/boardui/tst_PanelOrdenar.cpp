#include "helpers/TaulerProva.h"

#include "DadesNivell.h"
#include "FabricaActivitats.h"
#include "FakeContext.h"
#include "PanelOrdenar.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"
#include "Rutes.h"
#include "StringTable.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

using Nombres = QList<int>;
using Deixades = QList<std::pair<int, int>>; // (dragged word, word it is dropped on)

// Numbers 0..99 drawn as they are listed.
QList<float> rs(const Nombres& nombres) {
    QList<float> r;
    for (int n : nombres)
        r << (float(n) + 0.5f) / 100.0f;
    return r;
}

// A board opened on level 1 of the ordering activity (numbers 0..99, three errors allowed) in a
// program folder that holds the level set and nothing else; the lists are `nombres`, six by six.
struct Tauler {
    QTemporaryDir dir;
    RecordingSoundPlayer so;
    Guio guio;
    std::unique_ptr<Pissarra> w;

    explicit Tauler(const Nombres& nombres) : guio(rs(nombres)) {
        const DadesNivell nivell{300, 5, 3, 0, 99};
        EntornSerie e;
        e.so = &so;
        w = obreTaulerProva(dir.path(), 4, nivell, e, &guio);
    }

    template <class T = QLabel> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QLabel* paraula(int i) const { return fill(QStringLiteral("Paraula_%1").arg(i)); }
    QString text(const QString& nom) const {
        if (auto* l = fill(nom))
            return l->text();
        // A caption broken over lines says the same as on one.
        return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
    }
    QStringList paraules() const {
        QStringList p;
        for (int i = 0; i < 6; ++i)
            p << paraula(i)->text();
        return p;
    }
    void clica(const QString& nom) const {
        QTest::mouseClick(fill<QPushButton>(nom), Qt::LeftButton);
    }

    // Presses the mouse on word `s` and moves it far enough to start dragging it; returns the
    // drag it started, if any.
    QDrag* agafa(int s) const {
        QLabel* l = paraula(s);
        const QPoint p(30, l->height() / 2);
        QTest::mousePress(l, Qt::LeftButton, {}, p);
        QTest::mouseMove(l, p + QPoint(0, QApplication::startDragDistance() + 4));
        QTest::mouseRelease(l, Qt::LeftButton, {}, p);
        return l->findChild<QDrag*>();
    }
};

// The platform carries a dragged object from the word it leaves to the one it enters; here the
// events it would send reach the word dropped on. True when the drop was taken.
bool deixaA(QWidget* desti, const QMimeData* mime, QPoint p) {
    QDragEnterEvent entra(p, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(desti, &entra);
    QDragMoveEvent mou(p, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(desti, &mou);
    QDropEvent deixa(p, Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(desti, &deixa);
    return deixa.isAccepted();
}

// Drags word `s` onto word `d` with the mouse.
void arrossega(const Tauler& t, int s, int d) {
    QDrag* drag = t.agafa(s);
    QVERIFY(drag);
    QVERIFY(!drag->pixmap().isNull());
    QLabel* desti = t.paraula(d);
    deixaA(desti, drag->mimeData(), desti->rect().center());
}

} // namespace

class TestPanelOrdenar : public QObject {
    Q_OBJECT
private slots:
    void ordreDolentIBo();
    void deixades_data();
    void deixades();
    void teclat_data();
    void teclat();
    void ajuda();
};

void TestPanelOrdenar::ordreDolentIBo() {
    Tauler t(Nombres{40, 10, 60, 20, 50, 30} + Nombres{5, 4, 3, 2, 1, 0});
    QPushButton* persiana = t.fill<QPushButton>(QStringLiteral("Persiana"));
    QCOMPARE(persiana->accessibleName(), TextIdioma(67, 0));
    QCOMPARE(persiana->text().simplified(), TextIdioma(67, 0));
    QVERIFY(!t.fill("Pom")->isVisible());
    for (int i = 1; i < 6; ++i)
        QCOMPARE(t.paraula(i)->y() - t.paraula(i - 1)->y(), 720 / 15);
    const QStringList llista = {"40", "10", "60", "20", "50", "30"};
    QCOMPARE(t.paraules(), llista);

    // Checked as drawn: one error, message 72, and the words cannot be dragged meanwhile.
    QTest::mouseClick(persiana, Qt::LeftButton);
    QCOMPARE(t.text("Negatives"), QStringLiteral("2"));
    QCOMPARE(t.text("BtTxt"), TextIdioma(72, 0));
    QVERIFY(t.fill<QPushButton>(QStringLiteral("BtTxt"))->isVisible());
    QVERIFY(!persiana->isEnabled());
    QVERIFY(!t.agafa(1));
    QCOMPARE(t.so.played, QStringList{"24"});

    // The same list comes back after the continue button.
    t.clica(QStringLiteral("BtTxt"));
    QCOMPARE(t.paraules(), llista);
    QVERIFY(persiana->isEnabled());

    for (auto [s, d] : Deixades{{1, 0}, {3, 1}, {5, 2}, {5, 4}})
        arrossega(t, s, d);
    QCOMPARE(t.paraules(), (QStringList{"10", "20", "30", "40", "50", "60"}));
    QCOMPARE(t.so.played, (QStringList{"24", "20", "20", "20", "20"}));

    QTest::mouseClick(persiana, Qt::LeftButton);
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("4"));
    QCOMPARE(t.text("Negatives"), QStringLiteral("2"));
    QCOMPARE(t.so.last(), QStringLiteral("20"));
    QCOMPARE(t.paraules(), (QStringList{"5", "4", "3", "2", "1", "0"}));
}

// One drop on a fresh list 7 3 7 1 2 9; word -1 is something that is not a word of the list.
void TestPanelOrdenar::deixades_data() {
    QTest::addColumn<int>("origen");
    QTest::addColumn<int>("desti");
    QTest::addColumn<QStringList>("paraules");
    QTest::addColumn<bool>("so");

    QTest::newRow("avall") << 1 << 4 << QStringList{"7", "7", "1", "2", "3", "9"} << true;
    QTest::newRow("sobre si mateixa")
        << 2 << 2 << QStringList{"7", "3", "7", "1", "2", "9"} << false;
    QTest::newRow("sobre el seu igual")
        << 2 << 0 << QStringList{"7", "3", "", "1", "2", "9"} << true;
    QTest::newRow("un text d'una altra finestra")
        << -1 << 3 << QStringList{"7", "3", "7", "1", "2", "9"} << false;
}

void TestPanelOrdenar::deixades() {
    QFETCH(int, origen);
    QFETCH(int, desti);

    Tauler t({7, 3, 7, 1, 2, 9});
    QMimeData text;
    text.setText(QStringLiteral("1"));
    QLabel* d = t.paraula(desti);
    if (origen < 0)
        QVERIFY(!deixaA(d, &text, d->rect().center()));
    else
        arrossega(t, origen, desti);
    QTEST(t.paraules(), "paraules");
    QFETCH(bool, so);
    QCOMPARE(t.so.played, so ? QStringList{"20"} : QStringList{});
}

// The keyboard alternative: keys go to the word that has the focus, `inici` at first.
void TestPanelOrdenar::teclat_data() {
    QTest::addColumn<int>("inici");
    QTest::addColumn<QList<int>>("tecles");
    QTest::addColumn<QStringList>("paraules");
    QTest::addColumn<int>("focus");

    QTest::newRow("aixeca, puja i deixa")
        << 4 << QList<int>{Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}
        << QStringList{"7", "2", "3", "7", "1", "9"} << 1;
    QTest::newRow("baixa fins a baix de tot")
        << 0 << QList<int>{Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                           Qt::Key_Down,   Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}
        << QStringList{"3", "7", "1", "2", "9", "7"} << 5;
    QTest::newRow("les fletxes mouen el focus")
        << 0 << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space}
        << QStringList{"7", "7", "3", "1", "2", "9"} << 1;
    QTest::newRow("Escape la torna al seu lloc")
        << 1 << QList<int>{Qt::Key_Space, Qt::Key_Down, Qt::Key_Escape}
        << QStringList{"7", "3", "7", "1", "2", "9"} << 2;
}

void TestPanelOrdenar::teclat() {
    QFETCH(int, inici);
    QFETCH(QList<int>, tecles);

    Tauler t({7, 3, 7, 1, 2, 9});
    // The words are reached with Tab from wherever the board keeps the focus.
    for (int i = 0; i < 20 && t.w->focusWidget() != t.paraula(0); ++i)
        QTest::keyClick(t.w->focusWidget(), Qt::Key_Tab);
    QCOMPARE(t.w->focusWidget(), t.paraula(0));
    for (int i = 0; i < inici; ++i)
        QTest::keyClick(t.w->focusWidget(), Qt::Key_Down);
    for (int k : tecles)
        QTest::keyClick(t.w->focusWidget(), Qt::Key(k));
    QTEST(t.paraules(), "paraules");
    QFETCH(int, focus);
    QCOMPARE(t.w->focusWidget(), t.paraula(focus));
    const bool canvi = t.paraules() != QStringList{"7", "3", "7", "1", "2", "9"};
    QCOMPARE(t.so.played, canvi ? QStringList{"20"} : QStringList{});
}

void TestPanelOrdenar::ajuda() {
    Tauler t({7, 3, 7, 1, 2, 9});
    t.clica(QStringLiteral("BtAjuda"));
    QCOMPARE(t.paraules(), (QStringList{"1", "2", "3", "7", "9", ""}));
    QCOMPARE(t.text("BtTxt"), TextIdioma(68, 0));
    QCOMPARE(t.text("Negatives"), QStringLiteral("2"));
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("4"));
    QVERIFY(!t.agafa(0));
    t.paraula(0)->setFocus();
    QTest::keyClick(t.paraula(0), Qt::Key_Space);
    QTest::keyClick(t.paraula(0), Qt::Key_Down);
    QCOMPARE(t.paraules(), (QStringList{"1", "2", "3", "7", "9", ""}));
}

QTEST_MAIN(TestPanelOrdenar)
#include "tst_PanelOrdenar.moc"
