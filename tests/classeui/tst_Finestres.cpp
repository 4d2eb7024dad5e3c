#include "classe/ui/TriaPeriode.h"
#include "classe/ui/fResum.h"
#include "core/Csv.h"
#include "core/Sessio.h"
#include "tests/classe/ClasseProva.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/WhenModal.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

// The table's rows as shown, columns `de` to `fins` joined with '|'.
QStringList files(const QTableWidget* t, int de, int fins) {
    QStringList r;
    for (int f = 0; f < t->rowCount(); ++f) {
        QStringList c;
        for (int col = de; col <= fins; ++col)
            c << t->item(f, col)->text();
        r << c.join(u'|');
    }
    return r;
}

} // namespace

class TestFinestres : public QObject {
    Q_OBJECT
private slots:
    // The dates show for a range between dates only; every change is told; the header names it.
    void triaPeriode() {
        Sessio s;
        s.general.Idioma = 1;
        TriaPeriode t(s);
        t.show();
        auto* tipus = t.findChild<QComboBox*>("Periode");
        auto* inici = t.findChild<QDateEdit*>("Inici");
        QCOMPARE(tipus->itemText(2), QString::fromUtf8("Últimos 30 días"));
        QVERIFY(!inici->isVisible());
        QSignalSpy canvis(&t, &TriaPeriode::canviat);
        tipus->setCurrentIndex(3);
        QVERIFY(inici->isVisible());
        inici->setDate(QDate(2026, 1, 10));
        QCOMPARE(canvis.count(), 2);
        t.findChild<QDateEdit*>("Fi")->setDate(QDate(2026, 2, 1));
        QCOMPARE(textPeriode(s, t.periode()), "Entre dos fechas (10-01-2026 – 01-02-2026)");
        t.posa(Periode::Tipus::Tot);
        QCOMPARE(canvis.count(), 3);
        QVERIFY(!inici->isVisible());
    }

    // The group's table sorted from its headings and the keyboard, the period applied, a pupil
    // opened with Enter and a double-click, the spreadsheet written as shown, failures said.
    void resum() {
        ClasseProva p;
        Sessio s = p.c.sessio();
        s.grup = p.cfg;
        QStringList oberts;
        fResum f(s, [&](QWidget*, const QString& nom) { oberts << nom; });
        f.show();
        auto* t = f.findChild<QTableWidget*>("Taula");
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QStringList focus;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focus << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(focus, QStringList({"Imprimir", "Exportar", "Tancar", "Periode"}));
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Dofins — Resum de la classe"));
        QCOMPARE(t->model()->headerData(4, Qt::Horizontal).toString(), "Dividir");
        QCOMPARE(files(t, 1, 9).at(2),
                 QString::fromUtf8("Carla|2/5|5/5 ✓|2/8|4|3|75 %|1:04:15|05/12/2026"));
        const QColor inici = t->item(0, 2)->background().color(),
                     fi = t->item(2, 3)->background().color();
        QVERIFY(inici.lightness() > fi.lightness() + 100);
        QVERIFY(t->item(0, 2)->foreground().color() == Qt::black &&
                t->item(2, 3)->foreground().color() == Qt::white);

        QHeaderView* cap = t->horizontalHeader();
        QCOMPARE(cap->sortIndicatorSection(), 0);
        QTest::mouseClick(cap->viewport(), Qt::LeftButton, {},
                          QPoint(cap->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(files(t, 1, 1), QString::fromUtf8("Àlex Arnau Bet Carla").split(' '));
        t->setCurrentCell(0, 5);
        QTest::keyClick(t, Qt::Key_Down, Qt::ControlModifier); // series, most first
        QCOMPARE(files(t, 1, 1), QString::fromUtf8("Carla Bet Àlex Arnau").split(' '));
        f.findChild<QComboBox*>("Periode")->setCurrentIndex(3);
        f.findChild<QDateEdit*>("Inici")->setDate(p.darrers30.inici);
        f.findChild<QDateEdit*>("Fi")->setDate(p.darrers30.fi);
        QCOMPARE(files(t, 1, 5), QString::fromUtf8("Carla|2/5|5/5 ✓|2/8|3;Bet|2/5|5/5|8/8 ✓|0;"
                                                   "Àlex|5/5|3/5|8/8|;Arnau|1/5|1/5|1/8|")
                                     .split(';'));
        QCOMPARE(t->currentRow(), 2); // Àlex stays chosen
        QTest::keyClick(t, Qt::Key_Down);
        QTest::keyClick(t, Qt::Key_Return);
        const QRect cella = t->visualRect(t->model()->index(1, 1));
        // A double-click as the system sends it: press, release, double-click, release.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, cella.center());
        QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, cella.center());
        QCOMPARE(oberts, QStringList({"Arnau", "Bet"}));
        QVERIFY(f.isVisible());

        const QString cami = p.c.path("resum");
        fResum::posaTriaFitxer([&](QWidget*, const QString&, const QString& filtre) {
            return filtre.endsWith("(*.csv)") ? cami : QString();
        });
        CaptaMissatges capta;
        f.findChild<QPushButton*>("Exportar")->click();
        QList<QStringList> csv = Csv::parse(Csv::decode(p.c.llegeix(cami + ".csv")));
        // The rows in the order shown, with the period's figures (the model's own test checks
        // every field).
        QCOMPARE(csv.size(), t->rowCount() + 1);
        for (int r = 0; r < t->rowCount(); ++r)
            QCOMPARE(csv.at(r + 1).at(1), t->item(r, 1)->text());
        QCOMPARE(csv.at(1).mid(5, 3), QStringList({"3", "2", "67"}));
        p.c.bloqueja(cami + ".csv");
        f.findChild<QPushButton*>("Exportar")->click();
        fResum::posaTriaFitxer({});
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        for (const QString& pdf : {p.c.path("resum.pdf"), cami + ".csv"}) {
            impressora.setOutputFileName(pdf);
            WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
                emit static_cast<QPrintPreviewDialog*>(d)->paintRequested(&impressora);
            });
            f.findChild<QPushButton*>("Imprimir")->click();
            QVERIFY(vista.ran());
        }
        QVERIFY(p.c.llegeix(p.c.path("resum.pdf")).startsWith("%PDF"));
        QCOMPARE(capta.textos(),
                 QStringList({TextIdioma(IdText::kNoEsPotEscriure, 0), "Error en imprimir"}));
        QTest::keyClick(t, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(TestFinestres)
#include "tst_Finestres.moc"
