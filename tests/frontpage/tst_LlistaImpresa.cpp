#include "LlistaImpresa.h"
#include "Sessio.h"
#include "Taula.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

using LlistaImpresa::Element;
using LlistaImpresa::Pagina;

namespace {

// Widths without fonts: 2 mm per character at 8 points, in proportion at other sizes.
double perCaracter(const QString& text, double punts) {
    return text.size() * 2.0 * punts / 8.0;
}

FilaAlumne filaDe(int numero, const QString& nom, const QStringList& nivells) {
    return FilaAlumne{QString::number(numero), nom} + nivells +
           QStringList{QString::number(numero), ""};
}

// Arnau and Bet, or `alumnes` pupils; Romans and Multiplicar left out.
LlistaImpresa::Dades exemple(int alumnes = 0) {
    const QStringList activitats =
        QString("Cardinals Ordinals Romans Ordenació Sumar Restar Taules Multiplicar Dividir")
            .split(' ');
    LlistaImpresa::Dades d{"XIFRUM 5.0", "Dofins", "Normal",   "05/03/2024", "Pàgina",
                           "Núm",        "Nom",    activitats, "110111101",  {}};
    if (alumnes == 0)
        d.files << filaDe(1, "Arnau                              ",
                          {"2", "10", "3", "-", "1", "1", "1", "4", "1"})
                << filaDe(2, "Bet", {"-", "1", "1", "1", "7", "1", "1", "1", "9"});
    for (int i = 1; i <= alumnes; ++i)
        d.files << filaDe(i, "Alumne", QStringList(9, "1"));
    return d;
}

// The texts of the first page: the header ending at the rule's end, the headings 3 mm after one
// another, and the levels centred under them ("-" for a finished or left-out one).
struct Text {
    const char* nom;
    int index;
    const char* text;
    double x, y, punts;
};
const Text kTextos[] = {{"title", 0, "XIFRUM 5.0 > Dofins (Normal)", 12, 9, 10},
                        {"date and page", 1, "05/03/2024. Pàgina 1", 225, 9, 10},
                        {"number heading", 3, "Núm", 12, 16, 8},
                        {"name heading", 4, "Nom", 22, 16, 8},
                        {"Cardinals", 5, "Cardinals", 134, 16, 8},
                        {"Ordinals", 6, "Ordinals", 155, 16, 8},
                        {"Romans", 7, "Romans", 174, 16, 8},
                        {"Dividir", 13, "Dividir", 278, 16, 8},
                        {"Arnau trimmed", 15, "Arnau", 22, 21, 8},
                        {"level 2 under Cardinals", 16, "2", 142, 21, 8},
                        {"level 10 under Ordinals", 17, "10", 161, 21, 8},
                        {"Romans left out", 18, "-", 179, 21, 8},
                        {"Ordenació finished", 19, "-", 197, 21, 8},
                        {"Dividir", 24, "1", 284, 21, 8},
                        {"Bet, one line lower", 27, "Bet", 22, 26, 8},
                        {"Bet's Dividir", 36, "9", 284, 26, 8}};

// 200 mm: lines at 21, 26, ... 171 fit (plus 1 mm, at most 175), 31 per page; 100 mm: 11.
struct Salt {
    const char* nom;
    int alumnes;
    double alcada;
    int pagines, primerDeLaDarrera;
};
const Salt kSalts[] = {{"one page full", 31, 200, 1, 1},
                       {"one line over", 32, 200, 2, 32},
                       {"three pages", 63, 200, 3, 63},
                       {"60 pupils, short paper", 60, 100, 6, 56},
                       {"nobody", -1, 200, 1, 0}};

} // namespace

class TestLlistaImpresa : public QObject {
    Q_OBJECT
private slots:
    void primeraPagina_data() { files(kTextos); }
    void primeraPagina() {
        const Text& r = fila(kTextos);
        const QList<Pagina> pagines = LlistaImpresa::pagines(exemple(), 200, perCaracter);
        QCOMPARE(pagines.size(), 1);
        const Element& e = pagines.first().at(r.index);
        QCOMPARE(e, (Element{Element::Text, r.text, r.x, r.y, 0, r.punts}));
    }

    // Under the header, then after each pupil's line.
    void ratlles() {
        const Pagina p = LlistaImpresa::pagines(exemple(), 200, perCaracter).first();
        QList<double> ys;
        for (const Element& e : p)
            if (e.tipus == Element::Linia && e.x == 21 && e.x2 == 275)
                ys << e.y;
        QCOMPARE(ys, (QList<double>{15, 25, 30}));
        QCOMPARE(p.size(), 14 + 2 * 12);
    }

    void salts_data() { files(kSalts); }
    void salts() {
        const Salt& r = fila(kSalts);
        LlistaImpresa::Dades d = exemple(qMax(r.alumnes, 0));
        if (r.alumnes < 0)
            d.files.clear();
        const QList<Pagina> llista = LlistaImpresa::pagines(d, r.alcada, perCaracter);
        QCOMPARE(llista.size(), r.pagines);
        double mesBaixa = 0;
        for (int i = 0; i < llista.size(); ++i) {
            QCOMPARE(llista.at(i).at(1).text, QString("05/03/2024. Pàgina %1").arg(i + 1));
            QCOMPARE(llista.at(i).at(5).text, QString("Cardinals"));
            for (const Element& e : llista.at(i))
                mesBaixa = qMax(mesBaixa, e.tipus == Element::Text ? e.y : 0);
        }
        QVERIFY(mesBaixa + 1 <= r.alcada - 25);
        if (r.primerDeLaDarrera == 0) {
            QCOMPARE(llista.last().size(), 14);
        } else {
            QCOMPARE(llista.last().at(14).text, QString::number(r.primerDeLaDarrera));
            QCOMPARE(llista.last().at(14).y, 21.0);
        }
    }

    void dadesDeLaSessio() {
        Sessio s;
        s.general.Idioma = 1;
        s.general.GrupActual = 13;
        s.grup.NomNivell = "  Tercer  ";
        s.grup.Activitats = "111100000";
        const LlistaImpresa::Dades d = LlistaImpresa::dades(s, {}, QDate(2024, 3, 5));
        QCOMPARE(QStringList({d.titol, d.grup, d.nivell, d.data, d.pagina, d.capNumero, d.capNom,
                              d.activitats.at(0), d.activitats.at(8)})
                     .join('|'),
                 QString("XIFRUM 5.0|Tiburones|Tercer|05/03/2024|Página|Núm|Nombre|Cardinales|"
                         "Dividir"));
        QCOMPARE(d.incloses, QByteArray("111100000"));
    }

    // Through the printer's own fonts and page: landscape A4, one PDF page per laid-out page.
    void pdf() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("llista.pdf"));
        LlistaImpresa::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(qRound(printer.pageLayout().paintRect(QPageLayout::Millimeter).height()), 200);
        QVERIFY(LlistaImpresa::imprimeix(printer, exemple(60)));
        QFile f(dir.filePath("llista.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(f.readAll());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(int(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)"))), 2);
    }
};

QTEST_MAIN(TestLlistaImpresa)
#include "tst_LlistaImpresa.moc"
