#include "ActivitatSumRes.h"
#include "FakeContext.h"
#include "PanelSumRes.h"
#include "Units.h"
#include "Wingdings.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QTest>

namespace {

QLabel* cella(const QWidget& panell, const QString& nom) {
    return panell.findChild<QLabel*>(nom, Qt::FindDirectChildrenOnly);
}

QColor color(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// The texts of row `fila` (1, 2 or 3) read from the leftmost cell to the units.
QString fila(const QWidget& panell, int fila) {
    QString t;
    for (int i = 0;; ++i) {
        QLabel* l = cella(panell, QStringLiteral("Línia%1_%2").arg(fila).arg(i));
        if (!l)
            return t;
        t.prepend(l->text() == Wingdings::text(Wingdings::kWaitingDigit) ? QStringLiteral("?")
                                                                         : l->text());
    }
}

enum Estat { Espera, Correcte, Erroni };

} // namespace

class TestPanelSumRes : public QObject {
    Q_OBJECT
private slots:
    void columnes_data();
    void columnes();
    void cellesDelResultat_data();
    void cellesDelResultat();
    void novaOperacioTreuLesCelles();
};

// 47 + 25 on two digits, drawn column by column from the units.
static const QList<float> k47i25 = {0.75f, 0.55f, 0.34f, 0.12f};

void TestPanelSumRes::columnes_data() {
    QTest::addColumn<int>("operacio");
    QTest::addColumn<int>("xifres");
    QTest::addColumn<QList<float>>("atzar");
    QTest::addColumn<int>("ample");
    QTest::addColumn<QString>("dalt");
    QTest::addColumn<QString>("baix");
    QTest::addColumn<QString>("signe");
    QTest::addColumn<int>("dreta"); // left of the units cells of the operands
    QTest::addColumn<int>("xSigne");

    // Centred as 49 per digit, halves rounded to even: (540 - 98) / 2 = 221.
    QTest::newRow("suma de dues xifres") << int(ActivitatSumRes::Suma) << 2 << k47i25 << 540 << "47"
                                         << "25"
                                         << "+" << 319 << 171;
    // (540 - 49) / 2 = 245.5 goes to 246; (541 - 49) / 2 = 246.
    QTest::newRow("una xifra, mig cap al parell")
        << int(ActivitatSumRes::Suma) << 1 << QList<float>{0.35f, 0.55f} << 540 << "3"
        << "5"
        << "+" << 295 << 196;
    // (541 - 147) / 2 = 197; the subtraction puts the larger number on top.
    QTest::newRow("resta girada") << int(ActivitatSumRes::Resta) << 3
                                  << QList<float>{0.15f, 0.85f, 0.5f, 0.5f, 0.1f, 0.6f} << 541
                                  << "658"
                                  << "151"
                                  << "-" << 344 << 147;
}

void TestPanelSumRes::columnes() {
    QFETCH(int, operacio);
    QFETCH(int, xifres);
    QFETCH(QList<float>, atzar);
    QFETCH(int, ample);

    FakeContext ctx;
    ScriptedAtzar a(atzar);
    ctx.atzarPtr = &a;
    ctx.p1 = xifres;
    ctx.p2 = 1;
    ActivitatSumRes act(ctx, ActivitatSumRes::Operacio(operacio));
    act.preparar();
    PanelSumRes panell(act);
    panell.resize(ample, 400);
    panell.show();

    QTEST(fila(panell, 1), "dalt");
    QTEST(fila(panell, 2), "baix");
    QTEST(cella(panell, "MésMenys")->text(), "signe");

    QFETCH(int, dreta);
    QFETCH(int, xSigne);
    for (int i = 0; i < xifres; ++i) {
        QCOMPARE(cella(panell, QStringLiteral("Línia1_%1").arg(i))->x(), dreta - 60 * i);
        QCOMPARE(cella(panell, QStringLiteral("Línia2_%1").arg(i))->x(), dreta - 60 * i);
    }
    QCOMPARE(cella(panell, "Línia3_0")->x(), dreta + 3);
    QCOMPARE(cella(panell, "MésMenys")->x(), xSigne);
    const QFrame* regle = panell.findChild<QFrame*>("Línia_2");
    QVERIFY(regle);
    QCOMPARE(regle->x(), xSigne);
    QCOMPARE(regle->x() + regle->width(), dreta + 50);
    // The rule lies between the second operand and the result.
    QVERIFY(regle->y() >= cella(panell, "Línia2_0")->y() + 40);
    QVERIFY(regle->y() + regle->height() <= cella(panell, "Línia3_0")->y());
}

void TestPanelSumRes::cellesDelResultat_data() {
    QTest::addColumn<QString>("tecles");
    QTest::addColumn<QString>("resultat");  // row 3 from the left, "?" for a waiting cell
    QTest::addColumn<QList<int>>("estats"); // from the units
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("correctes");

    QTest::newRow("esperant") << ""
                              << "?" << QList<int>{Espera} << 0 << 0;
    QTest::newRow("unitats") << "2"
                             << "?2" << QList<int>{Correcte, Espera} << 0 << 0;
    QTest::newRow("error a les unitats") << "5"
                                         << "?" << QList<int>{Erroni} << 1 << 0;
    QTest::newRow("error i correcció") << "52"
                                       << "?2" << QList<int>{Correcte, Espera} << 1 << 0;
    QTest::newRow("error a les desenes") << "29"
                                         << "?2" << QList<int>{Correcte, Erroni} << 1 << 0;
    QTest::newRow("completa") << "27"
                              << "72" << QList<int>{Correcte, Correcte} << 0 << 1;
}

void TestPanelSumRes::cellesDelResultat() {
    QFETCH(QString, tecles);
    QFETCH(QList<int>, estats);

    FakeContext ctx;
    ScriptedAtzar a(k47i25);
    ctx.atzarPtr = &a;
    ctx.p1 = 2;
    ctx.p2 = 1;
    ActivitatSumRes act(ctx, ActivitatSumRes::Suma);
    act.preparar();
    PanelSumRes panell(act);
    panell.resize(540, 400);
    panell.show();
    for (QChar c : tecles)
        act.caracter(c);

    QTEST(fila(panell, 3), "resultat");
    QTEST(ctx.errors, "errors");
    QTEST(ctx.correctes, "correctes");
    QVERIFY(!cella(panell, QStringLiteral("Línia3_%1").arg(estats.size())));
    for (int i = 0; i < estats.size(); ++i) {
        const QLabel* c = cella(panell, QStringLiteral("Línia3_%1").arg(i));
        QCOMPARE(c->x(), cella(panell, "Línia1_0")->x() + 3 - 60 * i);
        switch (estats.at(i)) {
        case Espera:
        case Erroni:
            QCOMPARE(color(c),
                     QColor(estats.at(i) == Espera ? QColor(0xC0, 0xC0, 0xC0) : QColor(255, 0, 0)));
            QCOMPARE(c->font().pointSize(), 24);
            QVERIFY(!c->font().bold());
            break;
        case Correcte:
            QCOMPARE(color(c), QColor(255, 255, 0));
            QCOMPARE(c->font().pointSize(), 60);
            QVERIFY(c->font().bold());
            QCOMPARE(QFontInfo(c->font()).family(), QStringLiteral("Liberation Sans"));
            break;
        }
    }
}

void TestPanelSumRes::novaOperacioTreuLesCelles() {
    FakeContext ctx;
    ScriptedAtzar a({0.75f, 0.55f, 0.34f, 0.12f, 0.75f, 0.55f, 0.34f, 0.12f});
    ctx.atzarPtr = &a;
    ctx.p1 = 2;
    ctx.p2 = 1;
    ActivitatSumRes act(ctx, ActivitatSumRes::Suma);
    act.preparar();
    PanelSumRes panell(act);
    panell.resize(540, 400);
    panell.show();
    act.caracter(u'2');
    act.caracter(u'7');
    QVERIFY(cella(panell, "Línia3_1"));

    act.novaOperacio();
    QCOMPARE(fila(panell, 3), QStringLiteral("?"));
    QVERIFY(!cella(panell, "Línia3_1"));
    QCOMPARE(fila(panell, 1), QStringLiteral("47"));
    QVERIFY(!cella(panell, "Línia1_2"));
}

QTEST_MAIN(TestPanelSumRes)
#include "tst_PanelSumRes.moc"
