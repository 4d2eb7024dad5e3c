#include "ActivitatCardinals.h"
#include "ActivitatRomans.h"
#include "ActivitatTaules.h"
#include "FakeContext.h"
#include "PanelNombres.h"
#include "Units.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <memory>

namespace {

QLabel* label(const QWidget& panell, const char* nom) {
    return panell.findChild<QLabel*>(QString::fromUtf8(nom));
}

QColor color(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// One number panel over its activity, at the size the board gives it.
struct Prova {
    FakeContext ctx;
    ScriptedAtzar atzar;
    std::unique_ptr<Activitat> act;
    std::unique_ptr<PanelNombres> panell;

    Prova(int activitat, int p1, int p2, QList<float> r) : atzar(std::move(r)) {
        ctx.atzarPtr = &atzar;
        ctx.p1 = p1;
        ctx.p2 = p2;
        switch (activitat) {
        case 1: {
            auto a = std::make_unique<ActivitatCardinals>(ActivitatCardinals::Cardinals, ctx);
            panell = std::make_unique<PanelNombres>(*a, FontNombres::de(*a), activitat);
            act = std::move(a);
            break;
        }
        case 3: {
            auto a = std::make_unique<ActivitatRomans>(ctx);
            panell = std::make_unique<PanelNombres>(*a, FontNombres::de(*a), activitat);
            act = std::move(a);
            break;
        }
        default: {
            auto a = std::make_unique<ActivitatTaules>(ctx);
            panell = std::make_unique<PanelNombres>(*a, FontNombres::de(*a), activitat);
            act = std::move(a);
        }
        }
        panell->resize(540, 372);
        panell->show();
        act->preparar();
    }
};

} // namespace

class TestPanelNombres : public QObject {
    Q_OBJECT
private slots:
    void disposicio_data();
    void disposicio();
    void taulesPujaLaLinia();
    void linia_data();
    void linia();
};

void TestPanelNombres::disposicio_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<int>("p1");
    QTest::addColumn<int>("p2");
    QTest::addColumn<QList<float>>("atzar");
    QTest::addColumn<QString>("pregunta");
    QTest::addColumn<int>("midaPregunta"); // 0: whatever fits
    QTest::addColumn<bool>("per");

    QTest::newRow("cardinals") << 1 << 1234 << 1234 << QList<float>{0.5f}
                               << "MIL DOS-CENTS TRENTA-QUATRE" << 0 << false;
    QTest::newRow("romans") << 3 << 14 << 14 << QList<float>{0.5f, 0.1f} << "XIV" << 32 << false;
    QTest::newRow("taules") << 7 << 3 << 3 << QList<float>{0.75f, 0.5f} << "7 x 3" << 60 << true;
}

void TestPanelNombres::disposicio() {
    QFETCH(int, activitat);
    QFETCH(int, p1);
    QFETCH(int, p2);
    QFETCH(QList<float>, atzar);
    QFETCH(QString, pregunta);
    QFETCH(int, midaPregunta);
    QFETCH(bool, per);

    Prova p(activitat, p1, p2, atzar);
    const QLabel* q = label(*p.panell, "Pregunta");
    // Word joiners keep number words whole when the phrase wraps; they are not seen.
    QCOMPARE(q->text().remove(QChar(0x2060)).trimmed(), pregunta);
    QVERIFY(q->wordWrap());
    if (midaPregunta > 0)
        QCOMPARE(q->font().pointSize(), midaPregunta);
    QCOMPARE(label(*p.panell, "Per")->isVisibleTo(p.panell.get()), per);
    QCOMPARE(color(label(*p.panell, "lblSolució")), QColor(255, 255, 0));
    const QLabel* senyal = label(*p.panell, "Senyal");
    QCOMPARE(senyal->font().pointSize(), 24);
    QCOMPARE(senyal->width(), tw(540));
    QCOMPARE(senyal->pos(), label(*p.panell, "lblSolució")->pos());
}

void TestPanelNombres::taulesPujaLaLinia() {
    Prova cardinals(1, 5, 5, {0.5f});
    Prova taules(7, 3, 3, {0.75f, 0.5f});
    const QLabel* c = label(*cardinals.panell, "lblSolució");
    const QLabel* t = label(*taules.panell, "lblSolució");
    QCOMPARE(c->y() - t->y(), tw(500));
    QCOMPARE(t->height() - c->height(), tw(300));
    QCOMPARE(t->font().pointSize(), 60);
    QCOMPARE(label(*taules.panell, "Senyal")->height(), t->height());
}

void TestPanelNombres::linia_data() {
    QTest::addColumn<QString>("tecles");
    QTest::addColumn<QString>("escrit");
    QTest::addColumn<bool>("vermell");
    QTest::addColumn<bool>("senyal");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("correctes");

    QTest::newRow("res") << ""
                         << "" << false << true << 0 << 0;
    QTest::newRow("primera xifra") << "2"
                                   << "2" << false << true << 0 << 0;
    QTest::newRow("xifra equivocada") << "9"
                                      << "" << true << true << 1 << 0;
    QTest::newRow("error esmenat") << "92"
                                   << "2" << false << true << 1 << 0;
    QTest::newRow("error després d'una xifra") << "23"
                                               << "2" << true << true << 1 << 0;
    QTest::newRow("completa") << "21"
                              << "21" << false << false << 0 << 1;
}

void TestPanelNombres::linia() {
    QFETCH(QString, tecles);
    QFETCH(QString, escrit);
    QFETCH(bool, vermell);

    Prova p(7, 3, 3, {0.75f, 0.5f}); // 7 x 3
    for (QChar c : tecles)
        p.act->caracter(c);

    const QLabel* solucio = label(*p.panell, "lblSolució");
    const QLabel* senyal = label(*p.panell, "Senyal");
    QCOMPARE(solucio->text(), escrit);
    QCOMPARE(color(senyal), vermell ? QColor(255, 0, 0) : QColor(0xE0, 0xE0, 0xE0));
    QTEST(senyal->isVisibleTo(p.panell.get()), "senyal");
    // The cursor waits at the right end of what is written.
    QCOMPARE(senyal->x(), solucio->x() + QFontMetrics(solucio->font()).horizontalAdvance(escrit));
    QTEST(p.ctx.errors, "errors");
    QTEST(p.ctx.correctes, "correctes");
}

QTEST_MAIN(TestPanelNombres)
#include "tst_PanelNombres.moc"
