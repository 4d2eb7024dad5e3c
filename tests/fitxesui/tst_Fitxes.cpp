#include "core/Sessio.h"
#include "fitxes/DisposicioFitxa.h"
#include "fitxes/EncarrecFitxes.h"
#include "fitxes/GeneradorFitxa.h"
#include "fitxes/ui/PintaFitxa.h"
#include "fitxes/ui/fFitxes.h"
#include "levels/NivellsPerDefecte.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"
#include "tests/support/WhenModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

namespace {

using namespace Registres;

// What a PDF says, page by page, as pdftotext lays it out.
QStringList textPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList pagines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    pagines.removeLast(); // after the last form feed
    return pagines;
}

// Without blanks or digit-group points: digits drawn one per square read as the number.
QString net(QString s) {
    return s.remove(QRegularExpression(QStringLiteral("[\\s.]")));
}

// Whether `textos` appear in `text` one after the other, each (made `net`) after the one before.
bool enOrdre(const QString& text, const QStringList& textos) {
    qsizetype de = 0;
    for (const QString& t : textos) {
        de = text.indexOf(net(t), de);
        if (de < 0)
            return false;
        de += net(t).size();
    }
    return true;
}

// The sheet, then its key on new pages, to a PDF; its text page by page.
QStringList imprimeix(const QString& pdf, const QList<PaginaFitxa>& fitxa,
                      const QList<PaginaFitxa>& clau = {}) {
    QPdfWriter w(pdf);
    PintaFitxa::preparaPagina(w);
    QPainter p(&w);
    const bool ok = PintaFitxa::pinta(p, w, fitxa) && PintaFitxa::pinta(p, w, clau, true);
    p.end();
    return ok ? textPdf(pdf) : QStringList();
}

struct FullProva {
    const char* nom;
    TipusActivitat activitat;
    int nivell; // of the default level set
    bool ambResta;
};
const FullProva kFulls[] = {
    {"cardinals", TipusActivitat::Cardinals, 5, false},
    {"ordinals", TipusActivitat::Ordinals, 3, false},
    {"romans", TipusActivitat::Romans, 4, false},
    {"ordering", TipusActivitat::Ordenacio, 3, false},
    {"addition", TipusActivitat::Sumar, 6, false},
    {"subtraction", TipusActivitat::Restar, 9, false},
    {"tables", TipusActivitat::Taules, 5, false},
    {"long multiplication", TipusActivitat::Multiplicar, 4, false},
    {"long division", TipusActivitat::Dividir, 8, false},
    {"long division with subtractions", TipusActivitat::Dividir, 10, true},
};

// A sample of the painted page at 10 pixels a millimetre: its grey level lies within the range.
struct Punt {
    const char* que;
    double x, y; // mm
    int minim, maxim;
};
const Punt kPunts[] = {
    {"box, left edge", 20, 45, 0, 60},
    {"box, inside", 40, 45, 230, 255},
    {"rule", 70, 100, 0, 60},
    {"beside the rule", 70, 103, 230, 255},
    {"grid line", 110, 160, 100, 225},
    {"inside a grid square", 112.5, 162.5, 230, 255},
    {"grid line, page's far end", 190, 230, 100, 225},
};

// Group 1 (Dofins): five pupils, the default level set "Escola" with Sumar's level 5 asking for
// far more exercises than a sheet holds, Multiplicar counting six levels.
struct Grup {
    CarpetaProva c;
    Sessio s;
    explicit Grup(const QByteArray& activitats = "111111111",
                  const QByteArray& nomNivell = "Escola") {
        QByteArray g = grup(activitats, 0, 10, nomNivell);
        g[10 + 7] = 6;
        CarpetaProva::escriu(c.grupsCfg(), g);
        QByteArray joc;
        for (int a = 1; a <= 9; ++a)
            for (int n = 1; n <= 10; ++n)
                joc += NivellsPerDefecte::nivell(a, n).encode();
        joc.replace((4 * 10 + 4) * 14 + 2, 2, le(999, 2));
        CarpetaProva::escriu(c.niv("Escola"), joc);
        CarpetaProva::escriu(c.dat("Dofins"), alumne(1, "Arnau", {2, 1, 1, 1, 3, 1, 1, 9, 1}) +
                                                  alumne(2, "Bet", {4, 2, 1, 1, 5, 2, 1, 1, 1}) +
                                                  alumne(3, "Carla", {1, 1, 1, 1, 1, 1, 1, 0, 1}) +
                                                  alumne(4, "Dani", 2) + alumne(5, "Laia", 0));
        s = c.sessio();
        s.registre = Registre::decode(alumne(2, "Bet", {4, 2, 1, 1, 5, 2, 1, 1, 1}));
    }
};

// Pupils named with their level: "Bet 5".
QString fulls(const EncarrecFitxes::Peticio& p) {
    QStringList r;
    for (const EncarrecFitxes::Full& f : p.fulls)
        r << f.alumne + ' ' + QString::number(f.nivell);
    return r.join(u'|');
}

int fer(TipusActivitat a, int nivell) {
    return NivellsPerDefecte::nivell(numero(a), nivell).Fer;
}

} // namespace

class TestFitxes : public QObject {
    Q_OBJECT
private slots:
    // Millimetres land where they belong on the device; boxes and rules black, grids light grey.
    void pinta() {
        PaginaFitxa p;
        using T = ElementFitxa::Tipus;
        const auto element = [](T tipus, QRectF caixa, QString text = {}, double cella = 0) {
            ElementFitxa e;
            e.tipus = tipus;
            e.caixa = caixa;
            e.text = text;
            e.cella = cella;
            return e;
        };
        p.elements = {
            element(T::Caixa, QRectF(20, 40, 40, 10)), element(T::Linia, QRectF(20, 100, 100, 0)),
            element(T::Quadricula, QRectF(100, 150, 90, 80), {}, 5),
            element(T::Text, QRectF(20, 250, 170, 10), QStringLiteral("Nivell 3 \u00d7"))};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
        QCOMPARE(imprimeix(pdf, {p, p}).value(1).trimmed(), QString::fromUtf8("Nivell 3 ×"));
        QProcess::execute(QStringLiteral("pdftoppm"), {"-png", "-gray", "-r", "254", "-f", "2",
                                                       "-singlefile", pdf, dir.filePath("p")});
        const QImage imatge(dir.filePath(QStringLiteral("p.png")));
        QCOMPARE(imatge.width(), 2100);
        for (const Punt& punt : kPunts) {
            const int gris = qGray(imatge.pixel(qRound(punt.x * 10), qRound(punt.y * 10)));
            QVERIFY2(gris >= punt.minim && gris <= punt.maxim,
                     qPrintable(QStringLiteral("%1: %2").arg(punt.que).arg(gris)));
        }
    }

    // Every exercise the generator draws for the seed is on the sheet, every answer in the key.
    void pdf_data() {
        QTest::addColumn<int>("fila");
        for (int i = 0; i < int(std::size(kFulls)); ++i)
            QTest::newRow(kFulls[i].nom) << i;
    }
    void pdf() {
        QFETCH(int, fila);
        const FullProva& f = kFulls[fila];
        const DadesNivell d = ajustaAlsRangs(
            numero(f.activitat), NivellsPerDefecte::nivell(numero(f.activitat), f.nivell));
        const GeneradorFitxa::Peticio g{f.activitat,
                                        d,
                                        DisposicioFitxa::maximExercicis(f.activitat, d, f.ambResta),
                                        uint32_t(90210 + fila),
                                        0,
                                        0,
                                        f.ambResta};
        const QList<ExerciciFitxa> exercicis = GeneradorFitxa::genera(g);
        const DisposicioFitxa::Capcalera c{"Bet Soler", "Dofins",     "Sumar",
                                           "Nivell 4",  "07/12/2026", QString::number(g.llavor),
                                           "Solucions", "Pàgina"};
        const QList<PaginaFitxa> fitxa = DisposicioFitxa::fitxa(c, exercicis, d);
        QTemporaryDir dir;
        const QStringList text = imprimeix(dir.filePath(QStringLiteral("f.pdf")), fitxa,
                                           DisposicioFitxa::solucions(c, exercicis));
        const QString full = net(text.mid(0, fitxa.size()).join(u' '));
        const QString clau = net(text.mid(fitxa.size()).join(u' '));
        QVERIFY(exercicis.size() == g.exercicis && full.contains("BetSoler") &&
                full.contains(c.llavor) && clau.contains("Solucions"));
        // Read row by row, the blocks' first lines come in exercise order, as do the key's answers
        // when each takes one line; the long operations' keys open with their operands.
        QStringList preguntes, primers, solucions;
        for (const ExerciciFitxa& e : exercicis) {
            preguntes << e.pregunta;
            primers << e.nombres.value(0);
            solucions << e.solucio;
            for (const QString& s : e.nombres)
                QVERIFY2(full.contains(net(s)), qPrintable(s));
            for (const QString& s : e.files + QStringList(e.solucio))
                QVERIFY2(clau.contains(net(s)), qPrintable(s));
        }
        QVERIFY(enOrdre(full, preguntes) && enOrdre(full, primers) &&
                enOrdre(clau, exercicis.first().files.isEmpty() ? solucions : primers));
    }

    // The window's choices and defaults, and what a print holds: each pupil at their own level.
    void finestra_data() {
        QTest::addColumn<QByteArray>("activitats");
        QTest::addColumn<int>("pestanya");
        QTest::addColumn<int>("qui");
        QTest::addColumn<QList<int>>("marcats");
        QTest::addColumn<QString>("activitat");
        QTest::addColumn<QString>("esperats");
        QTest::addColumn<int>("exercicis"); // the level's count
        QTest::newRow("the selected pupil, capped")
            << QByteArray("111111111") << 5 << 0 << QList<int>() << "Sumar"
            << "Bet 5" << 999;
        QTest::newRow("some pupils, a finished one at the last level")
            << QByteArray("100011010") << 8 << 1 << QList<int>{2, 0} << "Multiplicar"
            << "Arnau 6|Carla 6" << fer(TipusActivitat::Multiplicar, 6);
        QTest::newRow("the whole list, tab not included")
            << QByteArray("010010001") << 1 << 2 << QList<int>() << "Ordinals"
            << "Arnau 1|Bet 2|Carla 1|Dani 2|Laia 10" << fer(TipusActivitat::Ordinals, 1);
    }
    void finestra() {
        QFETCH(QByteArray, activitats);
        QFETCH(int, pestanya);
        QFETCH(int, qui);
        QFETCH(QList<int>, marcats);
        QFETCH(QString, activitat);
        QFETCH(QString, esperats);
        QFETCH(int, exercicis);
        Grup g(activitats);
        fFitxes f(g.s, tipusActivitat(pestanya));
        f.show();
        auto* combo = f.findChild<QComboBox*>("Activitat");
        QCOMPARE(combo->count(), activitats.count('1'));
        QCOMPARE(combo->currentText(), activitat);
        f.findChild<QRadioButton*>(QStringLiteral("Qui_%1").arg(qui))->click();
        auto* llista = f.findChild<QListWidget*>("Alumnes");
        QCOMPARE(llista->isEnabled(), qui == 1);
        llista->item(1)->setCheckState(Qt::Unchecked);
        for (int i : marcats)
            llista->item(i)->setCheckState(Qt::Checked);
        const EncarrecFitxes::Peticio p = f.peticio();
        QCOMPARE(fulls(p), esperats);
        const DadesNivell& d = p.fulls.first().dades;
        const int maxim = DisposicioFitxa::maximExercicis(p.activitat, d, false);
        QCOMPARE(f.findChild<QSpinBox*>("Exercicis")->maximum(), maxim);
        QCOMPARE(p.exercicis, std::min(exercicis, maxim));
        QVERIFY(maxim < 999);
        // Through the preview: every pupil's sheet and its key.
        f.findChild<QCheckBox*>("Solucions")->setChecked(true);
        int pagines = 0;
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
            pagines = d->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        QTest::mouseClick(f.findChild<QPushButton*>("Imprimir"), Qt::LeftButton);
        QCOMPARE(pagines, EncarrecFitxes::pagines(f.peticio()).size());
        QVERIFY(pagines >= 2 * p.fulls.size());
    }

    // Sheet k of a print carries seed + k: that seed typed back for that pupil alone prints the
    // same sheet. Tab walks the choices in order; Escape closes.
    void llavor() {
        Grup g;
        fFitxes f(g.s, TipusActivitat::Restar);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QStringList focus;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focus << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(focus, QStringList({"Qui_0", "Exercicis", "Solucions", "Llavor", "Imprimir",
                                     "Tancar", "Activitat", "Qui_0"}));
        f.findChild<QSpinBox*>("Llavor")->setValue(777001);
        f.findChild<QRadioButton*>("Qui_2")->click();
        QTemporaryDir dir;
        const auto pinta = [&](const QString& nom) {
            QPdfWriter w(dir.filePath(nom));
            PintaFitxa::preparaPagina(w);
            QPainter p(&w);
            PintaFitxa::pinta(p, w, EncarrecFitxes::pagines(f.peticio()));
            p.end();
            return net(textPdf(dir.filePath(nom)).join(u' '));
        };
        const QString tots = pinta("tots.pdf");
        f.findChild<QRadioButton*>("Qui_1")->click();
        f.findChild<QListWidget*>("Alumnes")->item(1)->setCheckState(Qt::Unchecked);
        f.findChild<QListWidget*>("Alumnes")->item(3)->setCheckState(Qt::Checked);
        f.findChild<QSpinBox*>("Llavor")->setValue(777004);
        const QString dani = pinta("dani.pdf");
        QVERIFY(dani.contains("Dani") && dani.contains("777004") && !dani.contains("777003"));
        QVERIFY(tots.contains(dani) && tots.contains("777005"));
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    // A group without a level set, or with one that cannot be read, prints nothing and says why.
    void nivellIllegible() {
        const struct {
            QByteArray nom;
            QByteArray joc;
            const char* missatge;
        } kCasos[] = {
            {"", "", "Aquest grup no té assignat un nivell"},
            {"Escola", QByteArray(100, '\1'), "No es pot llegir el nivell d'aquest grup."}};
        for (const auto& cas : kCasos) {
            Grup g("111111111", cas.nom);
            CarpetaProva::escriu(g.c.niv("Escola"), cas.joc);
            fFitxes f(g.s, TipusActivitat::Sumar);
            WhenModal vista("QPrintPreviewDialog", [](QDialog*) {});
            CaptaMissatges capta;
            f.findChild<QPushButton*>("Imprimir")->click();
            QCOMPARE(capta.textos(), QStringList(QString::fromUtf8(cas.missatge)));
            QVERIFY(!vista.ran());
        }
    }
};

QTEST_MAIN(TestFitxes)
#include "tst_Fitxes.moc"
