#include "LlistaImpresa.h"
#include "Sessio.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LlistaImpresa::Element;
using LlistaImpresa::Pagina;

namespace {

// Widths without fonts: 2 mm per character at 8 points, in proportion at other sizes.
double perCaracter(const QString& text, double punts) {
    return text.size() * 2.0 * punts / 8.0;
}

FilaAlumne fila(int numero, const QString& nom, const QStringList& nivells) {
    return FilaAlumne{QString::number(numero), nom} + nivells +
           QStringList{QString::number(numero), QString()};
}

LlistaImpresa::Dades exemple(int alumnes = 0) {
    LlistaImpresa::Dades d;
    d.titol = "XIFRUM 5.0";
    d.grup = "Dofins";
    d.nivell = "Normal";
    d.data = "05/03/2024";
    d.pagina = "Pàgina";
    d.capNumero = "Núm";
    d.capNom = "Nom";
    d.activitats = QStringList{"Cardinals", "Ordinals", "Romans",      "Ordenació", "Sumar",
                               "Restar",    "Taules",   "Multiplicar", "Dividir"};
    d.incloses = "110111101"; // Romans and Multiplicar left out
    if (alumnes == 0) {
        d.files << fila(1, "Arnau                              ",
                        {"2", "10", "3", "-", "1", "1", "1", "4", "1"});
        d.files << fila(2, "Bet", {"-", "1", "1", "1", "7", "1", "1", "1", "9"});
    }
    for (int i = 1; i <= alumnes; ++i)
        d.files << fila(i, "Alumne", QStringList(9, "1"));
    return d;
}

} // namespace

class TestLlistaImpresa : public QObject {
    Q_OBJECT
private slots:
    void firstPage_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("punts");
        // The header: title, then the date and page number ending at the rule's end.
        QTest::newRow("title") << 0 << "XIFRUM 5.0 > Dofins (Normal)" << 12.0 << 9.0 << 10.0;
        QTest::newRow("date and page") << 1 << "05/03/2024. Pàgina 1" << 225.0 << 9.0 << 10.0;
        QTest::newRow("number heading") << 3 << "Núm" << 12.0 << 16.0 << 8.0;
        QTest::newRow("name heading") << 4 << "Nom" << 22.0 << 16.0 << 8.0;
        // Activity names side by side, each 3 mm after the previous one's end.
        QTest::newRow("Cardinals") << 5 << "Cardinals" << 134.0 << 16.0 << 8.0;
        QTest::newRow("Ordinals") << 6 << "Ordinals" << 155.0 << 16.0 << 8.0;
        QTest::newRow("Romans") << 7 << "Romans" << 174.0 << 16.0 << 8.0;
        QTest::newRow("Ordenació") << 8 << "Ordenació" << 189.0 << 16.0 << 8.0;
        QTest::newRow("Dividir") << 13 << "Dividir" << 278.0 << 16.0 << 8.0;
        // Arnau's line: levels centred under the names; "-" for a finished or left-out one.
        QTest::newRow("Arnau's number") << 14 << "1" << 12.0 << 21.0 << 8.0;
        QTest::newRow("Arnau trimmed") << 15 << "Arnau" << 22.0 << 21.0 << 8.0;
        QTest::newRow("level 2 under Cardinals") << 16 << "2" << 142.0 << 21.0 << 8.0;
        QTest::newRow("level 10 under Ordinals") << 17 << "10" << 161.0 << 21.0 << 8.0;
        QTest::newRow("Romans left out") << 18 << "-" << 179.0 << 21.0 << 8.0;
        QTest::newRow("Ordenació finished") << 19 << "-" << 197.0 << 21.0 << 8.0;
        QTest::newRow("Multiplicar left out") << 23 << "-" << 263.0 << 21.0 << 8.0;
        QTest::newRow("Dividir") << 24 << "1" << 284.0 << 21.0 << 8.0;
        // Bet's line, one step lower.
        QTest::newRow("Bet") << 27 << "Bet" << 22.0 << 26.0 << 8.0;
        QTest::newRow("Bet finished Cardinals") << 28 << "-" << 142.0 << 26.0 << 8.0;
        QTest::newRow("Bet's Dividir") << 36 << "9" << 284.0 << 26.0 << 8.0;
    }
    void firstPage() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, punts);
        const QList<Pagina> pagines = LlistaImpresa::pagines(exemple(), 200, perCaracter);
        QCOMPARE(pagines.size(), 1);
        const Element& e = pagines.first().at(index);
        QCOMPARE(e.tipus, Element::Text);
        QCOMPARE(e.text, text);
        QCOMPARE(e.x, x);
        QCOMPARE(e.y, y);
        QCOMPARE(e.punts, punts);
    }

    void rules() {
        const Pagina p = LlistaImpresa::pagines(exemple(), 200, perCaracter).first();
        QList<double> ys;
        for (const Element& e : p) {
            if (e.tipus != Element::Linia)
                continue;
            QCOMPARE(e.x, 21.0);
            QCOMPARE(e.x2, 275.0);
            ys << e.y;
        }
        // Under the header, then after each pupil's line.
        QCOMPARE(ys, (QList<double>{15, 25, 30}));
        QCOMPARE(p.size(), 14 + 2 * 12);
    }

    void pageBreaks_data() {
        QTest::addColumn<int>("alumnes");
        QTest::addColumn<double>("alcada");
        QTest::addColumn<int>("pagines");
        QTest::addColumn<int>("primerDeLaDarrera");
        // 200 mm: lines at 21, 26, ... 171 fit (plus 1 mm, at most 175); 31 per page.
        QTest::newRow("one page full") << 31 << 200.0 << 1 << 1;
        QTest::newRow("one line over") << 32 << 200.0 << 2 << 32;
        QTest::newRow("60 pupils on A4") << 60 << 200.0 << 2 << 32;
        QTest::newRow("three pages") << 63 << 200.0 << 3 << 63;
        // 100 mm: 11 lines per page.
        QTest::newRow("60 pupils, short paper") << 60 << 100.0 << 6 << 56;
        QTest::newRow("nobody") << -1 << 200.0 << 1 << 0;
    }
    void pageBreaks() {
        QFETCH(int, alumnes);
        QFETCH(double, alcada);
        QFETCH(int, pagines);
        QFETCH(int, primerDeLaDarrera);
        LlistaImpresa::Dades d = exemple(qMax(alumnes, 0));
        if (alumnes < 0)
            d.files.clear();
        const QList<Pagina> llista = LlistaImpresa::pagines(d, alcada, perCaracter);
        QCOMPARE(llista.size(), pagines);
        for (int i = 0; i < llista.size(); ++i) {
            QCOMPARE(llista.at(i).at(1).text, QString("05/03/2024. Pàgina %1").arg(i + 1));
            QCOMPARE(llista.at(i).at(5).text, QString("Cardinals"));
        }
        const Pagina& darrera = llista.last();
        if (primerDeLaDarrera > 0) {
            QCOMPARE(darrera.at(14).text, QString::number(primerDeLaDarrera));
            QCOMPARE(darrera.at(14).y, 21.0);
        } else {
            QCOMPARE(darrera.size(), 14);
        }
        double mesBaixa = 0;
        for (const Pagina& p : llista)
            for (const Element& e : p)
                if (e.tipus == Element::Text)
                    mesBaixa = qMax(mesBaixa, e.y);
        QVERIFY(mesBaixa + 1 <= alcada - 25);
    }

    void dataFromTheSession() {
        Sessio s;
        s.general.Idioma = 1;
        s.general.GrupActual = 13;
        s.grup.NomNivell = "  Tercer  ";
        s.grup.Activitats = "111100000";
        const LlistaImpresa::Dades d = LlistaImpresa::dades(s, {}, QDate(2024, 3, 5));
        QCOMPARE(d.titol, QString("XIFRUM 5.0"));
        QCOMPARE(d.grup, QString("Tiburones"));
        QCOMPARE(d.nivell, QString("Tercer"));
        QCOMPARE(d.data, QString("05/03/2024"));
        QCOMPARE(d.pagina, QString("Página"));
        QCOMPARE(d.capNumero, QString("Núm"));
        QCOMPARE(d.capNom, QString("Nombre"));
        QCOMPARE(d.activitats.size(), 9);
        QCOMPARE(d.activitats.at(8), QString("Dividir"));
        QCOMPARE(d.incloses, QByteArray("111100000"));
    }

    // The real thing, through the printer's own fonts and page: landscape A4, one PDF page per
    // laid-out page.
    void printsToPdf() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("llista.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        LlistaImpresa::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(qRound(printer.pageLayout().paintRect(QPageLayout::Millimeter).height()), 200);
        LlistaImpresa::imprimeix(printer, exemple(60));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        QCOMPARE(int(QString::fromLatin1(bytes).count(page)), 2);
    }
};

QTEST_MAIN(TestLlistaImpresa)
#include "tst_LlistaImpresa.moc"
