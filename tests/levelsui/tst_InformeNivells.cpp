#include "CarpetaProva.h"
#include "FitxerNivells.h"
#include "InformeNivells.h"
#include "JocsNivells.h"
#include "Taula.h"

#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

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

} // namespace

class TestInformeNivells : public QObject {
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
};

QTEST_MAIN(TestInformeNivells)
#include "tst_InformeNivells.moc"
