#include "FitxerNivells.h"
#include "InformeNivells.h"
#include "JocsNivells.h"
#include "Rutes.h"
#include "Sessio.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using InformeNivells::Element;
using InformeNivells::Pagina;

namespace {

// The printable height of A4 with the report's margins, in points.
constexpr double kAlcadaA4 = 813.5;

// A default level set `Prova` in a program folder of its own, for a group that includes the
// activities marked "1" in `activitats`.
struct Joc {
    QTemporaryDir dir;
    Sessio sessio;

    explicit Joc(const QByteArray& activitats, const QString& nom = "Prova") {
        sessio.carpeta = dir.path();
        sessio.grup.Activitats = activitats;
        FitxerNivells::creaSiFalta(RutaNivell(dir.path(), nom));
    }
    QList<Pagina> pagines(const QString& nom = "Prova") const {
        return InformeNivells::pagines(InformeNivells::dades(sessio, nom), kAlcadaA4);
    }
};

QStringList titols(const Pagina& p) {
    QStringList t;
    for (const Element& e : p)
        if (e.tipus == Element::Text && e.negreta && e.x == 55 && e.text == e.text.toUpper() &&
            e.text != "NIVELL")
            t << e.text;
    return t;
}

// Line `n` of the table titled `titol`: 0 the headings, then one per level; the six texts.
QList<Element> linia(const Pagina& p, const QString& titol, int n) {
    qsizetype i = 0;
    while (i < p.size() && p.at(i).text != titol)
        ++i;
    ++i;
    if (i < p.size() && p.at(i).y == p.at(i - 1).y) // the "Amb resta" mark
        ++i;
    i += n == 0 ? 0 : 7 + 6 * (n - 1); // headings, their rule, the rows before
    return p.mid(i, 6);
}

} // namespace

class TestInformeNivells : public QObject {
    Q_OBJECT
private slots:
    void pages_data() {
        QTest::addColumn<QByteArray>("activitats");
        QTest::addColumn<QList<QStringList>>("pagines");
        QTest::newRow("all nine") << QByteArray("111111111")
                                  << QList<QStringList>{{"CARDINALS", "ORDINALS", "ROMANS"},
                                                        {"ORDENACIÓ", "SUMAR", "RESTAR"},
                                                        {"TAULES", "MULTIPLICAR", "DIVIDIR"}};
        QTest::newRow("Dividir joins a full page")
            << QByteArray("111000001")
            << QList<QStringList>{{"CARDINALS", "ORDINALS", "ROMANS", "DIVIDIR"}};
        QTest::newRow("Dividir joins the second page")
            << QByteArray("111111001")
            << QList<QStringList>{{"CARDINALS", "ORDINALS", "ROMANS"},
                                  {"ORDENACIÓ", "SUMAR", "RESTAR", "DIVIDIR"}};
        QTest::newRow("a fourth table that is not Dividir")
            << QByteArray("111000010")
            << QList<QStringList>{{"CARDINALS", "ORDINALS", "ROMANS"}, {"MULTIPLICAR"}};
        QTest::newRow("only Dividir") << QByteArray("000000001") << QList<QStringList>{{"DIVIDIR"}};
    }
    void pages() {
        QFETCH(QByteArray, activitats);
        QFETCH(QList<QStringList>, pagines);
        Joc joc(activitats);
        const QList<Pagina> llista = joc.pagines();
        QCOMPARE(llista.size(), pagines.size());
        for (int i = 0; i < llista.size(); ++i) {
            const Pagina& p = llista.at(i);
            QCOMPARE(titols(p), pagines.at(i));
            QCOMPARE(p.at(0).tipus, Element::Caixa);
            QCOMPARE(QList<double>({p.at(0).x, p.at(0).y, p.at(0).x2, p.at(0).y2}),
                     QList<double>({38, 20, 550, 50}));
            QCOMPARE(p.at(1).text, QString("NIVELL: Prova"));
            QCOMPARE(p.at(2).text, QString("Pàgina %1").arg(i + 1));
            QCOMPARE(p.at(2).alineacio, Element::Dreta);
            QCOMPARE(p.at(2).x, 545.0);
            // Everything on the page, one line under the other, from y 60 down to the bottom.
            double y = 60;
            for (qsizetype k = 3; k < p.size(); ++k) {
                QVERIFY(p.at(k).y >= y - 2);
                y = std::max(y, p.at(k).y);
                QVERIFY(p.at(k).y + p.at(k).punts <= kAlcadaA4);
            }
        }
    }

    // Cardinals, Sumar and Dividir with a space as separator.
    void columns_data() {
        QTest::addColumn<QString>("titol");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QList<int>>("alineacions");
        const QList<double> rang{55, 140, 220, 300, 390, 545};
        const QList<double> centrats{55, 140, 220, 300, 428.75, 506.25};
        const QList<int> esquerraDreta{Element::Esquerra, Element::Centre,   Element::Centre,
                                       Element::Centre,   Element::Esquerra, Element::Dreta};
        const QList<int> centre{Element::Esquerra, Element::Centre, Element::Centre,
                                Element::Centre,   Element::Centre, Element::Centre};
        QTest::newRow("range headings")
            << "CARDINALS" << 0
            << QStringList{"Nivell", "Temps", "Errors", "Fer", "Inferior", "Superior"} << rang
            << esquerraDreta;
        QTest::newRow("range, grouped")
            << "CARDINALS" << 10 << QStringList{"10", "300", "5", "10", "0", "100 000 000"} << rang
            << esquerraDreta;
        QTest::newRow("sum with carrying")
            << "SUMAR" << 6 << QStringList{"6", "170", "5", "5", "2", "Sí"} << centrats << centre;
        QTest::newRow("division headings")
            << "DIVIDIR" << 0
            << QStringList{"Nivell", "Temps", "Errors", "Fer", "Dividend", "Divisor"} << centrats
            << centre;
        QTest::newRow("division") << "DIVIDIR" << 10 << QStringList{"10", "300", "5", "5", "5", "3"}
                                  << centrats << centre;
    }
    void columns() {
        QFETCH(QString, titol);
        QFETCH(int, n);
        QFETCH(QStringList, textos);
        QFETCH(QList<double>, xs);
        QFETCH(QList<int>, alineacions);
        Joc joc("100010001");
        joc.sessio.general.Separador = 1;
        const QList<Pagina> llista = joc.pagines();
        QCOMPARE(llista.size(), 1);
        const QList<Element> l = linia(llista.first(), titol, n);
        QCOMPARE(l.size(), 6);
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(l.at(c).text, textos.at(c));
            QCOMPARE(l.at(c).x, xs.at(c));
            QCOMPARE(int(l.at(c).alineacio), alineacions.at(c));
            QCOMPARE(l.at(c).y, l.at(0).y);
            QCOMPARE(l.at(c).punts, 12.0);
        }
    }

    // The mark follows the box of the editor: ticked, the board writes the subtractions out. A
    // damaged byte is no tick, for the group's record as for the report.
    void ambResta_data() {
        QTest::addColumn<int>("opcResta");
        QTest::addColumn<bool>("marca");
        QTest::newRow("ticked") << 1 << true;
        QTest::newRow("cleared") << 0 << false;
        QTest::newRow("damaged 2") << 2 << false;
        QTest::newRow("damaged 255") << 255 << false;
    }
    void ambResta() {
        QFETCH(int, opcResta);
        QFETCH(bool, marca);
        Joc joc("000000001");
        joc.sessio.grup.OpcResta = uint8_t(opcResta);
        QCOMPARE(joc.sessio.grup.ambResta(), marca);
        const Pagina p = joc.pagines().first();
        qsizetype i = 0;
        while (p.at(i).text != "DIVIDIR")
            ++i;
        const Element& seguent = p.at(i + 1);
        QCOMPARE(seguent.text == "Amb resta", marca);
        if (marca) {
            QCOMPARE(seguent.y, p.at(i).y);
            QCOMPARE(seguent.x, 545.0);
            QCOMPARE(seguent.alineacio, Element::Dreta);
        }
    }

    // A damaged "Portant-se" other than 1 reads "No" in the report and in the editor's grid alike.
    void carryingOnlyWhenOne_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "No";
        QTest::newRow("1") << 1 << "Sí";
        QTest::newRow("2") << 2 << "No";
        QTest::newRow("255") << 255 << "No";
        QTest::newRow("-1") << -1 << "No";
    }
    void carryingOnlyWhenOne() {
        QFETCH(int, stored);
        QFETCH(QString, text);
        Joc joc("000010000");
        DadesNivell d = FitxerNivells::llegeix(RutaNivell(joc.dir.path(), "Prova"), 41);
        d.Parametre2 = stored;
        QVERIFY(FitxerNivells::escriu(RutaNivell(joc.dir.path(), "Prova"), 41, d));
        const InformeNivells::Dades dades = InformeNivells::dades(joc.sessio, "Prova");
        QCOMPARE(dades.taules.first().files.first().last(), text);
        const JocsNivells editor(joc.sessio, {}, {}, {});
        QCOMPARE(editor.filaDe(5, d)[4], text);
    }

    void levelsInUse_data() {
        QTest::addColumn<int>("nivells");
        QTest::addColumn<int>("files");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("seven") << 7 << 7;
        QTest::newRow("zero counts as ten") << 0 << 10;
    }
    void levelsInUse() {
        QFETCH(int, nivells);
        QFETCH(int, files);
        Joc joc("000000100");
        joc.sessio.grup.Nivells[6] = uint8_t(nivells);
        const InformeNivells::Dades d = InformeNivells::dades(joc.sessio, "Prova");
        QCOMPARE(d.taules.size(), 1);
        QCOMPARE(d.taules.first().files.size(), files);
        QCOMPARE(d.taules.first().files.last().first(), QString::number(files));
    }

    void headerInTheLanguageWithTheNameCut() {
        const QString nom = QString(70, u'x');
        Joc joc("100000000", nom);
        joc.sessio.general.Idioma = 1;
        const Pagina p = joc.pagines(nom).first();
        QCOMPARE(p.at(1).text, "NIVEL: " + QString(60, u'x'));
        QCOMPARE(p.at(1).x, 55.0);
        QCOMPARE(p.at(1).y, 23.0);
        QCOMPARE(p.at(1).punts, 10.0);
        QCOMPARE(p.at(2).text, QString("Página 1"));
        QCOMPARE(titols(p), QStringList{"CARDINALES"});
    }

    // Through the printer's own page and fonts: portrait A4, one PDF page per laid-out page.
    void printsToPdf() {
        Joc joc("111111111");
        const QString pdf = joc.dir.filePath("nivells.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        InformeNivells::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(qAbs(printer.pageLayout().paintRect(QPageLayout::Point).height() - kAlcadaA4) < 1);
        QVERIFY(InformeNivells::imprimeix(printer, InformeNivells::dades(joc.sessio, "Prova")));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        QCOMPARE(int(QString::fromLatin1(bytes).count(page)), 3);
    }
};

QTEST_MAIN(TestInformeNivells)
#include "tst_InformeNivells.moc"
