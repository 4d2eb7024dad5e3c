#include "CaptaMissatges.h"
#include "CarpetaProva.h"
#include "FitxerNivells.h"
#include "InformeNivells.h"
#include "JocsNivells.h"
#include "RecordingSoundPlayer.h"
#include "Registres.h"
#include "Taula.h"
#include "WhenModal.h"
#include "fConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using InformeNivells::Element;
using InformeNivells::Pagina;

namespace {

// The printable height of A4 with the report's margins, in points.
constexpr double kAlcadaA4 = 813.5;

// The report of the default set `nom` for group 1, including the activities marked in
// `activitats`.
struct Informe {
    CarpetaProva c;
    Sessio sessio = c.sessio(1);
    QString nom;

    explicit Informe(const QByteArray& activitats, const QString& nom = "Prova") : nom(nom) {
        sessio.grup.Activitats = activitats;
        QVERIFY(FitxerNivells::creaSiFalta(c.niv(nom)));
    }
    QList<Pagina> pagines() const {
        return InformeNivells::pagines(InformeNivells::dades(sessio, nom), kAlcadaA4);
    }
};

// A page's texts line by line: the size, then each text as "text@x" and "<" left, "|" centred or
// ">" right aligned.
QStringList linies(const Pagina& p) {
    QStringList out;
    double y = -1;
    for (const Element& e : p) {
        const QString t = QString("%1@%2%3").arg(e.text).arg(e.x).arg("<|>"[e.alineacio]);
        if (e.tipus == Element::Text)
            out << (e.y == y ? out.takeLast() + ' ' + t : QString("%1: %2").arg(e.punts).arg(t));
        y = e.tipus == Element::Text ? e.y : y;
    }
    return out;
}

// The tables on each page ("|" between pages), a table's title with its mark.
struct Pagines {
    const char* nom;
    QByteArray activitats;
    int opcResta;
    const char* titols;
};
const Pagines kPagines[] = {
    {"all nine", "111111111", 0,
     "CARDINALS ORDINALS ROMANS|ORDENACIÓ SUMAR RESTAR|TAULES MULTIPLICAR DIVIDIR"},
    {"Dividir joins a full page", "111000001", 0, "CARDINALS ORDINALS ROMANS DIVIDIR"},
    {"Dividir joins the second page", "111111001", 0,
     "CARDINALS ORDINALS ROMANS|ORDENACIÓ SUMAR RESTAR DIVIDIR"},
    {"a fourth table that is not Dividir", "111000010", 0, "CARDINALS ORDINALS ROMANS|MULTIPLICAR"},
    // The mark follows the editor's box: a damaged byte is no tick.
    {"only Dividir, Amb resta", "000000001", 1, "DIVIDIR Amb resta"},
    {"only Dividir, damaged 2", "000000001", 2, "DIVIDIR"},
    {"only Dividir, damaged 255", "000000001", 255, "DIVIDIR"},
};

// Line `n` after the title `titol` of Cardinals, Sumar and Dividir with a space as separator and
// "Amb resta".
struct Linia {
    const char *nom, *titol;
    int n;
    const char* text;
};
const Linia kLinies[] = {
    {"range headings", "CARDINALS", 1,
     "12: Nivell@55< Temps@140| Errors@220| Fer@300| Inferior@390< Superior@545>"},
    {"range, grouped", "CARDINALS", 11,
     "12: 10@55< 300@140| 5@220| 10@300| 0@390< 100 000 000@545>"},
    {"sum with carrying", "SUMAR", 7, "12: 6@55< 170@140| 5@220| 5@300| 2@428.75| Sí@506.25|"},
    {"division headings", "DIVIDIR", 1,
     "12: Nivell@55< Temps@140| Errors@220| Fer@300| Dividend@428.75| Divisor@506.25|"},
    {"division", "DIVIDIR", 11, "12: 10@55< 300@140| 5@220| 5@300| 5@428.75| 3@506.25|"},
    {"the mark", "DIVIDIR", 0, "12: DIVIDIR@55< Amb resta@545>"},
};

// Sumar's levels in use, level 1's stored "Portant-se", and what the report and the editor's grid
// show for it: a stored 1 alone is "Sí".
struct Portant {
    const char* nom;
    int nivells, desat, files;
    const char* text;
};
const Portant kPortants[] = {
    {"one level, 1", 1, 1, 1, "Sí"},
    {"seven levels, 0", 7, 0, 7, "No"},
    {"zero counts as ten, 2", 0, 2, 10, "No"},
    {"255", 10, 255, 10, "No"},
    {"-1", 10, -1, 10, "No"},
};

const QString kArxivar = "Arxivar els canvis?";

// The level editor window over a program folder of its own holding the sets `jocs`, for group 1.
struct Finestra {
    CarpetaProva c;
    Sessio sessio = c.sessio(1);
    RecordingSoundPlayer so;
    std::unique_ptr<fConfig> f;

    explicit Finestra(const QString& jocs = "Joc") {
        for (const QString& n : jocs.split('|', Qt::SkipEmptyParts))
            QVERIFY(FitxerNivells::creaSiFalta(c.niv(n)));
    }
    void obre() {
        f = std::make_unique<fConfig>(sessio, so);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    template <typename T = QWidget> T* w(const QString& nom) const {
        T* found = f->findChild<T*>(nom);
        if (!found)
            qFatal("no control %s", qPrintable(nom));
        return found;
    }
    // Check boxes and option buttons are clicked on their mark.
    void clica(const QString& nom) {
        QWidget* c = w(nom);
        const bool marca = c->inherits("QCheckBox") || c->inherits("QRadioButton");
        QTest::mouseClick(c, Qt::LeftButton, {},
                          marca ? QPoint(8, c->height() / 2) : c->rect().center());
    }
    QTableWidget* graella() const { return w<QTableWidget>("Graella"); }
    void triaFila(int fila) {
        QTest::mouseClick(graella()->viewport(), Qt::LeftButton, {},
                          graella()->visualItemRect(graella()->item(fila - 1, 2)).center());
    }
    // Grid row `fila` as its cells read, "1|120|20|5|0   |10   ".
    QString fila(int fila) const {
        QStringList t;
        for (int c = 0; c < 6; ++c)
            t << (graella()->item(fila - 1, c) ? graella()->item(fila - 1, c)->text() : "-");
        return t.join('|');
    }
    QString text(const QString& etiqueta) const { return w<QLabel>(etiqueta)->text(); }
    QStringList fitxers() const {
        return QDir(c.path("Inf/Niv")).entryList(QDir::Files, QDir::Name);
    }
};

} // namespace

class TestEditorNivells : public QObject {
    Q_OBJECT
private slots:
    // Each page under its boxed header, everything one line under the other down to the bottom.
    void pagines_data() { files(kPagines); }
    void pagines() {
        const Pagines& d = fila(kPagines);
        Informe informe(d.activitats);
        informe.sessio.grup.OpcResta = uint8_t(d.opcResta);
        const QList<Pagina> pagines = informe.pagines();
        QStringList titols;
        for (int i = 0; i < pagines.size(); ++i) {
            const Pagina& p = pagines[i];
            QStringList t;
            for (const Element& e : p)
                t << (e.negreta ? e.text : QString());
            titols << t.join(' ').simplified();
            QVERIFY(p[0].tipus == Element::Caixa && p[0].x == 38 && p[0].y == 20);
            QVERIFY(p[0].x2 == 550 && p[0].y2 == 50);
            QCOMPARE(linies(p)[0], QString("10: NIVELL: Prova@55< Pàgina %1@545>").arg(i + 1));
            double y = 60;
            for (qsizetype k = 3; k < p.size(); ++k) {
                QVERIFY(p[k].y >= y - 2 && p[k].y + p[k].punts <= kAlcadaA4);
                y = std::max(y, p[k].y);
            }
        }
        QCOMPARE(titols.join('|'), QString(d.titols));
    }

    void linia_data() { files(kLinies); }
    void linia() {
        const Linia& l = fila(kLinies);
        Informe informe("100010001");
        informe.sessio.general.Separador = 1;
        informe.sessio.grup.OpcResta = 1;
        const QStringList linies = ::linies(informe.pagines().value(0));
        qsizetype titol = 0;
        while (titol < linies.size() && !linies[titol].contains(QString(": %1@").arg(l.titol)))
            ++titol;
        QCOMPARE(linies.value(titol + l.n), QString(l.text));
    }

    void portant_data() { files(kPortants); }
    void portant() {
        const Portant& d = fila(kPortants);
        Informe informe("000010000");
        informe.sessio.grup.Nivells[4] = uint8_t(d.nivells);
        DadesNivell n = FitxerNivells::llegeix(informe.c.niv("Prova"), 41);
        n.Parametre2 = d.desat;
        QVERIFY(FitxerNivells::escriu(informe.c.niv("Prova"), 41, n));
        const InformeNivells::Dades dades = InformeNivells::dades(informe.sessio, "Prova");
        QCOMPARE(int(dades.taules.size()), 1);
        QCOMPARE(int(dades.taules[0].files.size()), d.files);
        QCOMPARE(dades.taules[0].files.last().first(), QString::number(d.files));
        QCOMPARE(dades.taules[0].files.first().last(), QString(d.text));
        QCOMPARE(JocsNivells(informe.sessio, {}, {}, {}).filaDe(5, n)[4], QString(d.text));
    }

    void capcaleraEnLIdioma() {
        Informe informe("100000000", QString(70, u'x'));
        informe.sessio.general.Idioma = 1;
        const QStringList linies = ::linies(informe.pagines().value(0));
        QCOMPARE(linies[0], "10: NIVEL: " + QString(60, u'x') + "@55< Página 1@545>");
        QCOMPARE(linies[1], QString("12: CARDINALES@55<"));
    }

    // Through the printer's own page and fonts: portrait A4, one PDF page per laid-out page.
    void pdf() {
        Informe informe("111111111");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(informe.c.path("nivells.pdf"));
        InformeNivells::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(qAbs(printer.pageLayout().paintRect(QPageLayout::Point).height() - kAlcadaA4) < 1);
        QVERIFY(InformeNivells::imprimeix(printer, InformeNivells::dades(informe.sessio, "Prova")));
        const QByteArray pdf = informe.c.llegeix(informe.c.path("nivells.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")), 3);
    }

    // Every control reaches the logic and shows what it did; closing settles the set.
    void controls() {
        Finestra e("A|B");
        e.sessio.grup.NomNivell = "B";
        e.sessio.grup.Activitats = "100010001";
        e.obre();
        QCOMPARE(e.f->windowTitle(), QString(" XIFRUM 5.0: Editar nivells"));
        QCOMPARE(e.w<QComboBox>("ArxiusCfg")->currentText(), QString("B"));
        QVERIFY(e.w("Panel1")->isVisible() && !e.w("OpcResta")->isVisible());
        QVERIFY(e.w("NouNom")->isHidden());
        QCOMPARE(e.graella()->horizontalHeaderItem(2)->toolTip(), QString("Fer"));
        QCOMPARE(e.graella()->item(0, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));

        e.w<QScrollBar>("Tirador_1")->setValue(200);
        QTest::mousePress(e.w("Pulsador1_9"), Qt::RightButton);
        QTest::mousePress(e.w("Pulsador2_1"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), e.graella());
        QCOMPARE(e.text("Primer") + ' ' + e.text("Últim"), QString("9 100000010"));
        QCOMPARE(e.fila(1), QString("1|200|20|5|9   |100.000.010   "));
        e.triaFila(3);
        QCOMPARE(e.text("Dades_1"), QString("140"));
        QTest::mouseClick(e.w("UpDown1_2")->findChild<QToolButton*>("Avall"), Qt::LeftButton);
        QCOMPARE(e.text("Increment_2"), QString("-1"));
        e.clica("bIncrement_2");
        QCOMPARE(e.fila(10).section('|', 2, 2), QString("11"));
        e.clica("MenysNivells");
        QCOMPARE(e.graella()->rowCount(), 9);
        QCOMPARE(e.sessio.grup.Nivells[0], uint8_t(9));
        e.clica("MésNivells");
        QCOMPARE(e.fila(10), QString("10|300|10|5|0   |100.000.000   "));

        e.clica("Fulls_5");
        QCOMPARE(e.so.played, QStringList{"20"});
        QVERIFY(e.w("Panel2")->isVisible());
        e.clica("Portant");
        e.clica("NumXifres_4");
        QCOMPARE(e.fila(1), QString("1|120|5|5|4|Sí"));
        e.clica("Fulls_3");
        QVERIFY(e.w("Panel3")->isVisible() && !e.w<QCheckBox>("Incloure")->isChecked());
        e.w<QScrollBar>("tPrimera")->setValue(30);
        QCOMPARE(e.fila(1), QString("1|60|10|5|30   |30   "));
        e.clica("Incloure");
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("101010001"));
        e.clica("Fulls_9");
        QVERIFY(e.w("Panel4")->isVisible() && e.w("OpcResta")->isVisible());
        QCOMPARE(e.graella()->horizontalHeaderItem(4)->text(), QString("Dividend"));
        e.triaFila(4);
        e.clica("xDivr_3");
        QVERIFY(e.w<QRadioButton>("xDivd_3")->isChecked());
        QCOMPARE(e.fila(4), QString("4|180|5|5|3|3"));
        e.clica("OpcResta");
        QCOMPARE(e.sessio.grup.OpcResta, uint8_t(1));
        e.sessio.grup.Activitats = "000000001";
        {
            CaptaMissatges caixes;
            e.clica("Incloure");
            QCOMPARE(caixes.textos(),
                     QStringList{"El quadern ha de tenir al menys una activitat!"});
        }
        QVERIFY(e.w<QCheckBox>("Incloure")->isChecked());

        CaptaMissatges si(1);
        e.clica("bTancar");
        QCOMPARE(si.textos(), QStringList{kArxivar});
        QVERIFY(e.f->isHidden());
        QCOMPARE(e.fitxers(), (QStringList{"A.niv", "B.niv"}));
        QCOMPARE(e.c.llegeix(e.c.niv("B")).mid(83 * 14, 14), Registres::nivell(180, 5, 5, 3, 3));
    }

    // The front page's way in: modal, and settled when it closes.
    void obre() {
        Finestra e;
        WhenModal tanca("fConfig",
                        [](QDialog* f) { f->findChild<QPushButton*>("bTancar")->click(); });
        fConfig::Obre(e.sessio, nullptr);
        QVERIFY(tanca.ran() && !tanca.leftOpen());
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // The box shows the group's byte as the report and the board read it.
    void opcResta() {
        for (int b : {0, 1, 2, 255}) {
            Finestra e;
            e.sessio.grup.OpcResta = uint8_t(b);
            e.obre();
            e.clica("Fulls_9");
            QCOMPARE(e.w<QCheckBox>("OpcResta")->isChecked(), b == 1);
        }
    }

    // Loading an activity into the panels is no edit, even where the new activity's limits are
    // narrower than the value a panel showed: every tab in turn, each with its last level chosen.
    void pestanyesSenseCanvis() {
        Finestra e;
        e.sessio.grup.NomNivell = "Joc";
        QVERIFY(DesarConfigGrup(e.c.path(), 1, e.sessio.grup));
        const QByteArray grups = e.c.llegeix(e.c.grupsCfg()), joc = e.c.llegeix(e.c.niv("Joc"));
        e.obre();
        for (int a : {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 7, 1}) {
            e.clica(QStringLiteral("Fulls_%1").arg(a));
            e.triaFila(e.graella()->rowCount());
            QVERIFY2(!e.f->jocs().Modificat(), qPrintable(QString::number(a)));
        }
        CaptaMissatges caixes;
        e.clica("bTancar");
        QCOMPARE(caixes.textos(), QStringList{});
        QCOMPARE(e.c.llegeix(e.c.niv("Joc")), joc);
        QCOMPARE(e.c.llegeix(e.c.grupsCfg()), grups);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // The set's file becomes a folder while the editor has it open: the tab switch and "Sí" say so
    // and keep the window on the edits, which "No" then undoes.
    void escripturaFallida() {
        Finestra e;
        e.obre();
        const QByteArray joc = e.c.llegeix(e.c.niv("Joc"));
        e.w<QScrollBar>("Tirador_1")->setValue(200);
        QVERIFY(e.c.bloqueja(e.c.niv("Joc")));
        const QString error = e.sessio.text(120);
        {
            CaptaMissatges si(1);
            e.clica("Fulls_2");
            e.clica("bTancar");
            QCOMPARE(si.textos(), (QStringList{error, kArxivar, error}));
        }
        QVERIFY(e.f->isVisible() && e.w("Panel1")->isVisible());
        QCOMPARE(e.fila(1).section('|', 1, 1), QString("200"));
        QVERIFY(QDir().rmdir(e.c.niv("Joc")));
        CaptaMissatges no(0);
        e.clica("bTancar");
        QCOMPARE(no.textos(), QStringList{kArxivar});
        QVERIFY(e.f->isHidden());
        QCOMPARE(e.c.llegeix(e.c.niv("Joc")), joc);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // Printing settles the set, shows the preview and keeps a fresh backup; a printer that cannot
    // be opened (its output file a folder) is said.
    void imprimeix() {
        Finestra e;
        e.obre();
        e.w<QScrollBar>("Tirador_2")->setValue(33);
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(e.c.path());
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* v) {
            emit static_cast<QPrintPreviewDialog*>(v)->paintRequested(&impressora);
        });
        CaptaMissatges si(1);
        e.clica("OpcCfg_4");
        QVERIFY(vista.ran());
        QCOMPARE(si.textos(), (QStringList{kArxivar, "Error en imprimir"}));
        const QByteArray joc = e.c.llegeix(e.c.niv("Joc"));
        QCOMPARE(joc.mid(2, 2), QByteArray("\x21\x00", 2));
        QCOMPARE(e.c.llegeix(e.c.ni2("Joc")), joc);
        QVERIFY(QFile::exists(e.c.grupsCfg()) && !e.f->jocs().Modificat());
        QCOMPARE(e.fila(1).section('|', 2, 2), QString("33"));
    }

    // The name box: Enter adds or renames, a refused name stays to be corrected, Escape goes back
    // to the list; the other buttons act on a press and never stay down.
    void llista() {
        Finestra e("A|B");
        e.obre();
        auto* nom = e.w<QLineEdit>("NouNom");
        auto* arxius = e.w<QComboBox>("ArxiusCfg");
        CaptaMissatges si(1);
        e.clica("OpcCfg_1");
        QVERIFY(nom->isVisible() && nom->text() == "A");
        nom->selectAll();
        QTest::keyClicks(nom, "B");
        QTest::keyClick(nom, Qt::Key_Return);
        QCOMPARE(si.textos(), QStringList{"El fitxer ja existeix"});
        QVERIFY(nom->isVisible() && nom->text() == "B");
        QTest::keyClick(nom, Qt::Key_Home);
        QTest::keyClicks(nom, "A");
        QTest::keyClick(nom, Qt::Key_Return);
        QVERIFY(nom->isHidden() && arxius->currentText() == "AB");
        e.clica("OpcCfg_0");
        QVERIFY(nom->isVisible() && nom->text().isEmpty());
        QTest::keyClick(nom, Qt::Key_Escape);
        QVERIFY(nom->isHidden() && e.f->focusWidget() == arxius);
        e.clica("OpcCfg_0");
        QTest::keyClicks(nom, "Nou");
        QTest::keyClick(nom, Qt::Key_Return);
        QCOMPARE(arxius->currentText(), QString("Nou"));
        e.clica("OpcCfg_2");
        // Acting on the press, the question box takes the release: the button must not stay down.
        QTest::mousePress(e.w("OpcCfg_3"), Qt::LeftButton);
        QVERIFY(!e.w<QPushButton>("OpcCfg_3")->isDown());
        QTest::mouseRelease(e.w("OpcCfg_3"), Qt::LeftButton);
        e.clica("Fulls_7");
        e.clica("MenysNivells");
        arxius->setFocus();
        QTest::keyClick(arxius, Qt::Key_Down);
        QCOMPARE(si.textos().mid(1), (QStringList{"Eliminar definitivament el nivell?", kArxivar}));
        QStringList items;
        for (int i = 0; i < arxius->count(); ++i)
            items << arxius->itemText(i);
        QCOMPARE(items, (QStringList{"AB", "B", "Nou"}));
        QCOMPARE(arxius->currentText(), QString("B"));
        QVERIFY(e.w("Panel3")->isVisible() && e.graella()->rowCount() == 9);
        QCOMPARE(e.fitxers(), (QStringList{"AB.niv", "B.ni2", "B.niv", "Nou.niv"}));
    }
};

QTEST_MAIN(TestEditorNivells)
#include "tst_EditorNivells.moc"
