#include "levels/FitxerNivells.h"
#include "levels/ui/InformeNivells.h"
#include "levels/ui/fConfig.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/WhenModal.h"

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
#include <QToolButton>

using InformeNivells::Element;
using InformeNivells::Pagina;

namespace {

// The printable height of A4 with the report's margins, in points.
constexpr double kAlcadaA4 = 813.5;

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

const QString kArxivar = "Arxivar els canvis?";
const QString kNoEsPot = "No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";

// The level editor window of group 1 over a program folder holding the sets `jocs`, and the
// report it prints.
struct Finestra {
    CarpetaProva c;
    Sessio sessio = c.sessio(1);
    RecordingSoundPlayer so;
    std::unique_ptr<fConfig> propia;
    fConfig* f = nullptr; // the window under test, own or shown by the front page's way in

    explicit Finestra(const QString& jocs = "Joc") {
        for (const QString& n : jocs.split('|', Qt::SkipEmptyParts))
            QVERIFY(FitxerNivells::creaSiFalta(c.niv(n)));
    }
    // The printed report of set `nom`, as laid out on A4.
    QList<Pagina> pagines(const QString& nom) const {
        return InformeNivells::pagines(InformeNivells::dades(sessio, nom), kAlcadaA4);
    }
    void obre() {
        f = (propia = std::make_unique<fConfig>(sessio, so)).get();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    template <typename T = QWidget> T* w(const QString& nom) const { return f->findChild<T*>(nom); }
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
    // Each page under its boxed header, everything one line under the other down to the bottom;
    // the tables on each page ("|" between pages), Dividir joining the page before.
    void pagines() {
        QStringList informes;
        for (const char* activitats : {"111000001", "111111001", "111000010", "000000001"}) {
            Finestra informe("Prova");
            informe.sessio.grup.Activitats = activitats;
            informe.sessio.grup.OpcResta = 2; // damaged: no tick, as in the editor
            const QList<Pagina> pagines = informe.pagines("Prova");
            QStringList titols;
            for (int i = 0; i < pagines.size(); ++i) {
                const Pagina& p = pagines[i];
                QVERIFY(p[0].tipus == Element::Caixa && p[0].x == 38 && p[0].y == 20 &&
                        p[0].x2 == 550 && p[0].y2 == 50);
                QCOMPARE(::linies(p)[0],
                         QString("10: NIVELL: Prova@55< Pàgina %1@545>").arg(i + 1));
                QString t;
                double y = 60;
                for (qsizetype k = 0; k < p.size(); ++k) {
                    t += p[k].negreta ? ' ' + p[k].text : QString(' ');
                    QVERIFY(k < 3 || (p[k].y >= y - 2 && p[k].y + p[k].punts <= kAlcadaA4));
                    y = k < 3 ? y : std::max(y, p[k].y);
                }
                titols << t.simplified();
            }
            informes << titols.join('|');
        }
        QCOMPARE(informes, QStringList({"CARDINALS ORDINALS ROMANS DIVIDIR",
                                        "CARDINALS ORDINALS ROMANS|ORDENACIÓ SUMAR RESTAR DIVIDIR",
                                        "CARDINALS ORDINALS ROMANS|MULTIPLICAR", "DIVIDIR"}));
    }

    // Cardinals (0 levels count as 10), Sumar (7 levels, a damaged carrying flag is "No") and
    // Dividir with "Amb resta", space-grouped; the set's name cut to 60, words in the language.
    void linies() {
        const QString nom(70, u'x');
        Finestra informe(nom);
        ConfigGrup& g = informe.sessio.grup;
        g.Activitats = "100010001", g.OpcResta = 1, g.Nivells[0] = 0, g.Nivells[4] = 7;
        informe.sessio.general.Separador = 1;
        QVERIFY(FitxerNivells::escriu(informe.c.niv(nom), 41, {120, 5, 5, 1, 2}));
        const QStringList l = ::linies(informe.pagines(nom).value(0));
        QCOMPARE(QStringList({l[2], l[12], l[15], l[20], l[22], l[23], l[33]}).join('\n'),
                 "12: Nivell@55< Temps@140| Errors@220| Fer@300| Inferior@390< Superior@545>\n"
                 "12: 10@55< 300@140| 5@220| 10@300| 0@390< 100 000 000@545>\n"
                 "12: 1@55< 120@140| 5@220| 5@300| 1@428.75| No@506.25|\n"
                 "12: 6@55< 170@140| 5@220| 5@300| 2@428.75| Sí@506.25|\n"
                 "12: DIVIDIR@55< Amb resta@545>\n"
                 "12: Nivell@55< Temps@140| Errors@220| Fer@300| Dividend@428.75| Divisor@506.25|\n"
                 "12: 10@55< 300@140| 5@220| 5@300| 5@428.75| 3@506.25|");
        informe.sessio.general.Idioma = 1;
        QCOMPARE(::linies(informe.pagines(nom).value(0)).mid(0, 2).join('\n'),
                 "10: NIVEL: " + QString(60, u'x') + "@55< Página 1@545>\n12: CARDINALES@55<");
    }

    // Every control reaches the logic and shows what it did; closing settles the set.
    void controls() {
        Finestra e("A|B");
        e.sessio.grup.NomNivell = "B", e.sessio.grup.Activitats = "100010001";
        e.sessio.grup.OpcResta = 1;
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
        QCOMPARE(e.sessio.grup.OpcResta, uint8_t(0));
        e.sessio.grup.Activitats = "000000001";
        CaptaMissatges si(1);
        e.clica("Incloure");
        QVERIFY(e.w<QCheckBox>("Incloure")->isChecked());
        e.clica("bTancar");
        QCOMPARE(si.textos(),
                 (QStringList{"El quadern ha de tenir al menys una activitat!", kArxivar}));
        QVERIFY(e.f->isHidden());
        QCOMPARE(e.fitxers(), (QStringList{"A.niv", "B.niv"}));
        QCOMPARE(e.c.llegeix(e.c.niv("B")).mid(83 * 14, 14), Registres::nivell(180, 5, 5, 3, 3));
    }

    // Loading an activity into the panels is no edit, even where its limits are narrower than the
    // value a panel showed; the "Amb resta" box reads a damaged byte as the report does. A write
    // that fails (the set's file a folder) is said, the window staying on the edits "No" undoes.
    void pestanyes() {
        Finestra e;
        e.sessio.grup.NomNivell = "Joc", e.sessio.grup.OpcResta = 2;
        e.c.escriu(e.c.grupsCfg(), e.sessio.grup.encode());
        const QByteArray grups = e.c.llegeix(e.c.grupsCfg()), joc = e.c.llegeix(e.c.niv("Joc"));
        e.obre();
        for (int a : {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 7, 1}) {
            e.clica(QStringLiteral("Fulls_%1").arg(a));
            e.triaFila(e.graella()->rowCount());
            QVERIFY2(!e.f->jocs().Modificat() &&
                         (a != 9 || !e.w<QCheckBox>("OpcResta")->isChecked()),
                     qPrintable(QString::number(a)));
        }
        e.triaFila(1);
        e.w<QScrollBar>("Tirador_1")->setValue(200);
        QVERIFY(e.c.bloqueja(e.c.niv("Joc")));
        {
            CaptaMissatges si(1);
            e.clica("Fulls_2");
            e.clica("bTancar");
            QCOMPARE(si.textos(), (QStringList{kNoEsPot, kArxivar, kNoEsPot}));
        }
        QVERIFY(e.f->isVisible() && e.w("Panel1")->isVisible());
        QCOMPARE(e.fila(1).section('|', 1, 1), QString("200"));
        QVERIFY(QDir().rmdir(e.c.niv("Joc")));
        CaptaMissatges no(0);
        e.clica("bTancar");
        QCOMPARE(no.textos(), QStringList{kArxivar});
        QVERIFY(e.f->isHidden());
        QCOMPARE(e.c.llegeix(e.c.niv("Joc")), joc);
        QCOMPARE(e.c.llegeix(e.c.grupsCfg()), grups);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // Through the front page's way in: printing settles the set, keeps a fresh backup, prints one
    // A4 page per laid-out page and says when a printer cannot be opened (output a folder).
    void imprimeix() {
        Finestra e;
        QPrinter mala;
        mala.setOutputFormat(QPrinter::PdfFormat);
        mala.setOutputFileName(e.c.path());
        QPageLayout pagina;
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* v) {
            QPrinter* p = static_cast<QPrintPreviewDialog*>(v)->printer();
            pagina = p->pageLayout();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(e.c.path("nivells.pdf"));
            emit static_cast<QPrintPreviewDialog*>(v)->paintRequested(p);
            emit static_cast<QPrintPreviewDialog*>(v)->paintRequested(&mala);
        });
        QStringList vist;
        WhenModal finestra("fConfig", [&](QDialog* f) {
            e.f = static_cast<fConfig*>(f);
            e.w<QScrollBar>("Tirador_2")->setValue(33);
            e.clica("OpcCfg_4");
            vist << e.fila(1) << e.c.llegeix(e.c.niv("Joc")).mid(2, 2).toHex()
                 << QString::number(e.c.llegeix(e.c.ni2("Joc")) == e.c.llegeix(e.c.niv("Joc")))
                 << QString::number(QFile::exists(e.c.grupsCfg()) && !e.f->jocs().Modificat());
            e.clica("bTancar");
        });
        CaptaMissatges si(1);
        fConfig::Obre(e.sessio, nullptr);
        QVERIFY(vista.ran() && !finestra.leftOpen());
        QCOMPARE(si.textos(), (QStringList{kArxivar, "Error en imprimir"}));
        QCOMPARE(vist, QStringList({"1|120|33|5|0   |10   ", "2100", "1", "1"}));
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
        QCOMPARE(pagina.orientation(), QPageLayout::Portrait);
        QVERIFY(qAbs(pagina.paintRect(QPageLayout::Point).height() - kAlcadaA4) < 1);
        const QByteArray pdf = e.c.llegeix(e.c.path("nivells.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")), 3);
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
        // The question box takes the release: the button must not stay down.
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
