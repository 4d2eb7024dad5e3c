#include "HistorialImpres.h"
#include "Wingdings.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using HistorialImpres::Element;
using HistorialImpres::Pagina;

namespace {

// Without fonts: 2 mm per character, lines 5 mm apart.
const HistorialImpres::Mesures kMesures{[](const QString& t) { return t.size() * 2.0; }, 5};
const QSizeF kA4(210, 297);
const QString kLinia = "05-12-01\tCardinals\tSuperat\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)";

HistorialImpres::Dades exemple(int linies) {
    HistorialImpres::Dades d;
    d.nom = "Núria Puig";
    d.data = "05/03/2024";
    d.pagina = "Pàgina";
    d.eti = QStringList{" Data", " Activitats", "?", " Resultat", "v", "x", "o"};
    d.linies = QStringList(linies, kLinia);
    return d;
}

} // namespace

class TestHistorialImpres : public QObject {
    Q_OBJECT
private slots:
    void header_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codi");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // The name, and the page title ending where the 66-character rule ends (15 + 132).
        QTest::newRow("name") << 0 << "Núria Puig" << 0 << 15.0 << 50.0;
        QTest::newRow("page title") << 1 << "Pàgina 1" << 0 << 131.0 << 50.0;
        QTest::newRow("date under the title") << 2 << "05/03/2024" << 0 << 131.0 << 55.0;
        QTest::newRow("rule") << 3 << QString(66, '=') << 0 << 15.0 << 60.0;
        QTest::newRow("date heading trimmed") << 4 << "Data" << 0 << 15.0 << 65.0;
        QTest::newRow("activity heading") << 5 << "Activitats" << 0 << 33.0 << 65.0;
        QTest::newRow("result heading") << 6 << "Resultat" << 0 << 60.0 << 65.0;
        QTest::newRow("level symbol") << 7 << "?" << Wingdings::kQuery << 85.0 << 65.0;
        QTest::newRow("exercises symbol") << 8 << "v" << Wingdings::kCheck << 105.0 << 65.0;
        QTest::newRow("errors symbol") << 9 << "x" << Wingdings::kCross << 125.0 << 65.0;
        QTest::newRow("time symbol") << 10 << "o" << Wingdings::kClock << 145.0 << 65.0;
        QTest::newRow("second rule") << 11 << QString(66, '=') << 0 << 15.0 << 70.0;
        // The pieces of a line at their columns, 2 mm under the header.
        const QStringList peces = kLinia.split('\t');
        const double xs[] = {15, 33, 60, 85, 100, 106, 120, 126, 140, 146};
        for (int i = 0; i < peces.size(); ++i)
            QTest::addRow("piece %d", i) << 12 + i << peces.at(i) << 0 << xs[i] << 77.0;
    }
    void header() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, codi);
        QFETCH(double, x);
        QFETCH(double, y);
        const auto pagines = HistorialImpres::pagines(exemple(1), kA4, kMesures);
        QVERIFY(pagines);
        QCOMPARE(pagines->size(), 1);
        const Element& e = pagines->first().at(index);
        QCOMPARE(e.text, text);
        QCOMPARE(e.tipus, codi ? Element::Simbol : Element::Text);
        QCOMPARE(e.codi, codi);
        QCOMPARE(e.x, x);
        QCOMPARE(e.y, y);
    }

    void pageBreaks_data() {
        QTest::addColumn<int>("linies");
        QTest::addColumn<int>("pagines");
        QTest::addColumn<int>("alDarrera");
        // Lines from 77 mm, 5 mm apart, while top + 1 stays within 297 - 25: 39 a page.
        QTest::newRow("empty history") << 0 << 1 << 0;
        QTest::newRow("one page full") << 39 << 1 << 39;
        QTest::newRow("one line over") << 40 << 2 << 1;
        QTest::newRow("long history") << 100 << 3 << 22;
    }
    void pageBreaks() {
        QFETCH(int, linies);
        QFETCH(int, pagines);
        QFETCH(int, alDarrera);
        const auto llista = HistorialImpres::pagines(exemple(linies), kA4, kMesures);
        QVERIFY(llista);
        QCOMPARE(llista->size(), pagines);
        for (int i = 0; i < pagines; ++i) {
            const Pagina& p = llista->at(i);
            QCOMPARE(p.at(0).text, QString("Núria Puig"));
            QCOMPARE(p.at(1).text, QString("Pàgina %1").arg(i + 1));
            QCOMPARE(p.at(5).text, QString("Activitats"));
            QVERIFY(p.last().y + 1 <= 297 - 25);
        }
        QCOMPARE(llista->last().size(), 12 + 10 * alDarrera);
    }

    void columnsRunOut_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<bool>("imprimible");
        QTest::newRow("nine TABs, ten columns") << 9 << true;
        QTest::newRow("a tenth TAB has no column") << 10 << false;
    }
    void columnsRunOut() {
        QFETCH(int, tabs);
        QFETCH(bool, imprimible);
        HistorialImpres::Dades d = exemple(3);
        d.linies[1] = QStringList(tabs + 1, "x").join('\t');
        QCOMPARE(HistorialImpres::pagines(d, kA4, kMesures).has_value(), imprimible);
    }

    // The picture stands in the band above the first page's header, 25 mm above the text area.
    void picture() {
        HistorialImpres::Dades d = exemple(60);
        d.imatge = QSizeF(100, 200);
        const auto llista = HistorialImpres::pagines(d, kA4, kMesures);
        QVERIFY(llista);
        Element esperat;
        esperat.tipus = Element::Imatge;
        esperat.x = 15;
        esperat.y = 25;
        esperat.ample = 11;
        esperat.alt = 22;
        QCOMPARE(llista->at(0).at(0), esperat);
        QCOMPARE(llista->at(0).at(1).text, QString("Núria Puig"));
        QCOMPARE(llista->at(1).at(0).text, QString("Núria Puig"));
    }

    // Through the printer's own fonts and paper: one PDF page per laid-out page.
    void printsToPdf() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("historial.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        HistorialImpres::preparaImpressora(printer);
        HistorialImpres::Dades d = exemple(120);
        QPixmap foto(40, 50);
        foto.fill(Qt::darkGreen);
        d.imatge = foto.size();
        const auto llista = HistorialImpres::pagines(d, HistorialImpres::paper(printer),
                                                     HistorialImpres::mesures(printer));
        QVERIFY(llista);
        QVERIFY(llista->size() >= 2);
        QVERIFY(HistorialImpres::imprimeix(printer, d, foto));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        QCOMPARE(int(QString::fromLatin1(bytes).count(page)), int(llista->size()));
    }
};

QTEST_MAIN(TestHistorialImpres)
#include "tst_HistorialImpres.moc"
