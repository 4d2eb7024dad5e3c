#include "fitxes/DisposicioFitxa.h"
#include "fitxes/EncarrecFitxes.h"
#include "fitxes/GeneradorFitxa.h"
#include "fitxes/ui/PintaFitxa.h"
#include "fitxes/ui/fFitxes.h"
#include "levels/NivellsPerDefecte.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

using namespace Registres;

// Without blanks or digit-group points: digits drawn one per square read as the number.
QString net(QString s) {
    return s.remove(QRegularExpression(QStringLiteral("[\\s.]")));
}

// `pagines` painted to the PDF `ruta`; its text page by page, as pdftotext lays it out.
QStringList textPdf(const QList<PaginaFitxa>& pagines, const QString& ruta) {
    QPdfWriter w(ruta);
    PintaFitxa::preparaPagina(w);
    QPainter painter(&w);
    PintaFitxa::pinta(painter, w, pagines);
    painter.end();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
}

// Whether `textos` appear in `text` one after the other.
bool enOrdre(const QString& text, const QStringList& textos) {
    qsizetype de = 0;
    for (const QString& t : textos)
        if ((de = text.indexOf(net(t), de)) < 0)
            return false;
    return true;
}

// One sheet per activity at a level of the default set: Dividir twice, written both ways.
const struct {
    const char* nom;
    int activitat, nivell;
    bool ambResta;
} kFulls[] = {{"cardinals", 1, 5, false},     {"ordinals", 2, 3, false},
              {"romans", 3, 4, false},        {"ordering", 4, 3, false},
              {"addition", 5, 6, false},      {"subtraction", 6, 9, false},
              {"tables", 7, 5, false},        {"long multiplication", 8, 4, false},
              {"long division", 9, 8, false}, {"with subtractions", 9, 10, true}};

// Group 1 (Dofins): five pupils; the default level set "E" with Sumar's level 5 asking for
// more exercises than a sheet holds, and "T" cut short; Multiplicar counts six levels.
struct Grup {
    CarpetaProva c;
    Sessio s;
    Grup(const QByteArray& activitats, const QByteArray& nomNivell) {
        QByteArray g = grup(activitats, 0, 10, nomNivell), joc;
        g[10 + 7] = 6;
        CarpetaProva::escriu(c.grupsCfg(), g);
        for (int k = 0; k < 90; ++k)
            joc += NivellsPerDefecte::nivell(1 + k / 10, 1 + k % 10).encode();
        CarpetaProva::escriu(c.niv("E"), joc.replace(44 * 14 + 2, 2, le(999, 2)));
        CarpetaProva::escriu(c.niv("T"), joc.left(100));
        const QByteArray bet = alumne(2, "Bet", {4, 2, 1, 1, 5, 2, 1, 1, 1});
        CarpetaProva::escriu(c.dat("Dofins"), alumne(1, "Ana", {2, 1, 1, 1, 3, 1, 1, 9, 1}) + bet +
                                                  alumne(3, "Cai", {1, 1, 1, 1, 1, 1, 1, 0}) +
                                                  alumne(4, "Dan", 2) + alumne(5, "Lia", 0));
        s = c.sessio();
        s.registre = Registre::decode(bet);
    }
};

// The window's choices (the front page's tab, whom: 0 the selected pupil, 1 those ticked beside
// her, 2 all) and what it prints, each pupil at their level, or the message saying why not.
const struct {
    const char* nom;
    QByteArray activitats, nomNivell;
    int pestanya, qui;
    QList<int> marcats;
    const char* activitat;
    const char* esperat;
} kFinestres[] = {
    {"selected, capped", "111111111", "E", 5, 0, {}, "Sumar", "Bet 5"},
    {"ticked, finished", "100011010", "E", 8, 1, {2, 0}, "Multiplicar", "Ana 6|Bet 1|Cai 6"},
    {"all, tab left out", "010010001", "E", 1, 2, {}, "Ordinals", "Ana 1|Bet 2|Cai 1|Dan 2|Lia 10"},
    {"no level set", "111111111", "", 5, 0, {}, "Sumar", "Aquest grup no té assignat un nivell"},
    {"cut short", "111111111", "T", 5, 0, {}, "Sumar", "No es pot llegir el nivell d'aquest grup."},
};

} // namespace

class TestFitxes : public QObject {
    Q_OBJECT
private slots:
    // Millimetres land where they belong on the device; boxes and rules black, grids light grey.
    void pinta() {
        using T = ElementFitxa::Tipus;
        // A box, a rule and a grid of 5 mm squares, on the second page.
        const std::tuple<T, QRectF, double> elements[] = {{T::Caixa, {20, 40, 40, 10}, 0},
                                                          {T::Linia, {20, 100, 100, 0}, 0},
                                                          {T::Quadricula, {100, 150, 90, 80}, 5}};
        PaginaFitxa p;
        ElementFitxa e;
        for (const auto& element : elements) {
            std::tie(e.tipus, e.caixa, e.cella) = element;
            p.elements << e;
        }
        QTemporaryDir dir;
        textPdf({PaginaFitxa(), p}, dir.filePath("p.pdf"));
        QProcess::execute("pdftoppm", {"-png", "-gray", "-r", "254", "-f", "2", "-singlefile",
                                       dir.filePath("p.pdf"), dir.filePath("p")});
        const QImage imatge(dir.filePath(QStringLiteral("p.png")));
        // Grey levels at 10 pixels a mm: on the box's edge, inside it, on the rule, beside it, on
        // the grid's lines near and far, in a square.
        const int punts[][4] = {{200, 450, 0, 60},      {400, 450, 230, 255},
                                {700, 1000, 0, 60},     {700, 1030, 230, 255},
                                {1100, 1600, 100, 225}, {1900, 2300, 100, 225},
                                {1125, 1625, 230, 255}};
        for (const auto& [x, y, minim, maxim] : punts) {
            const int gris = qGray(imatge.pixel(x, y));
            QVERIFY2(gris >= minim && gris <= maxim, qPrintable(QString::number(gris)));
        }
    }

    // Every exercise the generator draws for the seed is on the sheet, every answer in the key.
    void pdf_data() { files(kFulls); }
    void pdf() {
        const auto& f = fila(kFulls);
        const TipusActivitat a = tipusActivitat(f.activitat);
        const DadesNivell d =
            ajustaAlsRangs(f.activitat, NivellsPerDefecte::nivell(f.activitat, f.nivell));
        const int n = DisposicioFitxa::maximExercicis(a, d, f.ambResta);
        const GeneradorFitxa::Peticio g{a, d, n, 90210, 0, 0, f.ambResta};
        const QList<ExerciciFitxa> exercicis = GeneradorFitxa::genera(g);
        const DisposicioFitxa::Capcalera c{"Bet Soler", "Dofins", "",          "",
                                           "",          "90210",  "Solucions", ""};
        const QList<PaginaFitxa> fitxa = DisposicioFitxa::fitxa(c, exercicis, d);
        QTemporaryDir dir;
        const QStringList text =
            textPdf(fitxa + DisposicioFitxa::solucions(c, exercicis), dir.filePath("f.pdf"));
        const QString full = net(text.mid(0, fitxa.size()).join(u' '));
        const QString clau = net(text.mid(fitxa.size()).join(u' '));
        QVERIFY(clau.contains("Solucions")); // the sheet's header is the seed test's case
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

    // The default count is the first pupil's level's, capped at what the sheet holds; the print
    // goes through the preview with every pupil's sheet and key.
    void finestra_data() { files(kFinestres); }
    void finestra() {
        const auto& cas = fila(kFinestres);
        Grup g(cas.activitats, cas.nomNivell);
        fFitxes f(g.s, tipusActivitat(cas.pestanya));
        auto* combo = f.findChild<QComboBox*>("Activitat");
        QVERIFY(combo->count() == cas.activitats.count('1') &&
                combo->currentText() == cas.activitat);
        f.findChild<QRadioButton*>(QStringLiteral("Qui_%1").arg(cas.qui))->click();
        auto* llista = f.findChild<QListWidget*>("Alumnes");
        QCOMPARE(llista->isEnabled(), cas.qui == 1);
        for (int i : cas.marcats)
            llista->item(i)->setCheckState(Qt::Checked);
        int error = 0, pagines = 0;
        const EncarrecFitxes::Peticio p = f.peticio(&error);
        QStringList fulls;
        for (const EncarrecFitxes::Full& full : p.fulls)
            fulls << full.alumne + ' ' + QString::number(full.nivell);
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
            pagines = d->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        CaptaMissatges capta;
        f.findChild<QCheckBox*>("Solucions")->setChecked(true);
        QTest::mouseClick(f.findChild<QPushButton*>("Imprimir"), Qt::LeftButton);
        QCOMPARE((error != 0 ? QString() : fulls.join(u'|')) + capta.textos().join(""),
                 QString::fromUtf8(cas.esperat));
        if (error != 0) {
            QVERIFY(!vista.ran());
            return;
        }
        const int maxim =
            DisposicioFitxa::maximExercicis(p.activitat, p.fulls.first().dades, false);
        QCOMPARE(f.findChild<QSpinBox*>("Exercicis")->maximum(), maxim);
        QCOMPARE(p.exercicis, std::min<int>(p.fulls.first().dades.Fer, maxim));
        QVERIFY(pagines == EncarrecFitxes::pagines(f.peticio()).size() &&
                pagines >= 2 * fulls.size());
    }

    // Sheet k of a print carries seed + k: that seed typed back for that pupil alone prints the
    // same sheet. Tab walks the choices in order; Escape closes.
    void llavor() {
        Grup g("111111111", "E");
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
        QTemporaryDir dir;
        const auto text = [&](int qui, int llavor) {
            f.findChild<QRadioButton*>(QStringLiteral("Qui_%1").arg(qui))->click();
            f.findChild<QSpinBox*>("Llavor")->setValue(llavor);
            return net(
                textPdf(EncarrecFitxes::pagines(f.peticio()), dir.filePath("f.pdf")).join(""));
        };
        const QString tots = text(2, 777001);
        f.findChild<QListWidget*>("Alumnes")->item(1)->setCheckState(Qt::Unchecked);
        f.findChild<QListWidget*>("Alumnes")->item(3)->setCheckState(Qt::Checked);
        const QString dani = text(1, 777004);
        QVERIFY(dani.contains("Dan") && dani.contains("777004") && !dani.contains("777003"));
        QVERIFY(tots.contains(dani) && tots.contains("777005"));
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(TestFitxes)
#include "tst_Fitxes.moc"
