#include "classe/ui/fProgres.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

// ANNA's history as the board writes it, with a note between.
const char kHistoria[] =
    "10-01-26\tSumar\tSuperat\t 1\t 10\t(10)\t  0\t(5)\t100\t(300)\r\nNotes\r\n"
    "10-01-26\tSumar\tErrors\t 2\t  4\t(10)\t  5\t(5)\t 80\t(300)\r\n"
    "12-01-26\tRestar\tAbandona\t 1\t  0\t(10)\t  0\t(5)\t  9\t(300)\r\n"
    "03-02-26\tSumar\tTemps\t 2\t  8\t(10)\t  1\t(5)\t300\t(300)\r\n";

// The window on a pupil's history (PERE has none), the activity picked and the
// days of the period (none: all); what it shows: per outcome the marks as x,level,errors, the x
// range, the y range and the labelled days; or the words of the empty state.
struct CasFinestra {
    const char* nom;
    const char* alumne;
    int activitat;
    const char* periode;
    const char* vist;
};
const CasFinestra kCasos[] = {
    {"addition", "ANNA", 0, "",
     "Superada 1,1,0|Perduda per errors 2,2,5|Perduda per temps 3,2,1|"
     "Abandonada|0.5-3.5 0.5-10.5|10-01 03-02"},
    {"subtraction", "ANNA", 1, "",
     "Superada|Perduda per errors|Perduda per temps|Abandonada 1,1,0|0.5-1.5 0.5-10.5|12-01"},
    {"none in the period", "ANNA", 0, "2025-02-01 2025-02-28",
     "No hi ha cap sèrie d'aquesta activitat en el període triat.\n\nTrieu un altre període o una "
     "altra activitat."},
    {"no history", "PERE", 0, "", "Aquest alumne encara no té cap sèrie a l'historial."},
};

QString vist(fProgres& f) {
    if (auto* buit = f.findChild<QLabel*>("Buit"); buit->isVisible())
        return buit->text();
    QChart* nivells = f.findChild<QChartView*>("Nivells")->chart();
    QChart* errors = f.findChild<QChartView*>("Errors")->chart();
    QStringList s;
    for (QAbstractSeries* serie : nivells->series())
        if (auto* marques = qobject_cast<QScatterSeries*>(serie)) {
            s << marques->name();
            const auto* e = static_cast<QScatterSeries*>(errors->series()[s.size() - 1]);
            for (int i = 0; i < marques->count(); ++i)
                s.last() += QStringLiteral(" %1,%2,%3")
                                .arg(marques->at(i).x())
                                .arg(marques->at(i).y())
                                .arg(e->at(i).y());
        }
    // The levels 1..10 whatever was played, the panels one over the other.
    auto* x = static_cast<QCategoryAxis*>(nivells->axes(Qt::Horizontal).constFirst());
    const auto* y = static_cast<QValueAxis*>(nivells->axes(Qt::Vertical).constFirst());
    const bool alineats = qAbs(nivells->plotArea().left() - errors->plotArea().left()) <= 1 &&
                          qAbs(nivells->plotArea().right() - errors->plotArea().right()) <= 1;
    s << QStringLiteral("%1-%2 %3-%4").arg(x->min()).arg(x->max()).arg(y->min()).arg(y->max())
      << x->categoriesLabels().join(' ') + (alineats ? "" : " misaligned");
    return s.join('|');
}

} // namespace

class TestProgres : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { c_.escriu(c_.hst("ANNA"), kHistoria); }

    void finestra_data() { files(kCasos); }
    void finestra() {
        const CasFinestra& c = fila(kCasos);
        const Sessio s = c_.sessio();
        fProgres f(s, c.alumne);
        f.show();
        auto* activitat = f.findChild<QComboBox*>("Activitat");
        activitat->setCurrentIndex(c.activitat);
        if (const QStringList dies = QString(c.periode).split(' '); dies.size() == 2) {
            f.findChild<QDateEdit*>("Inici")->setDate(QDate::fromString(dies[0], Qt::ISODate));
            f.findChild<QDateEdit*>("Fi")->setDate(QDate::fromString(dies[1], Qt::ISODate));
            f.findChild<QComboBox*>("Periode")->setCurrentIndex(3);
        }
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::qWait(50);
        QCOMPARE(vist(f), QString::fromUtf8(c.vist));
        QCOMPARE(activitat->count(), c.alumne == QStringLiteral("ANNA") ? 2 : 0);
        QVERIFY(f.width() <= 1280 && f.height() <= 700); // on a 1366 x 768 screen, whatever shown
    }

    // Printed through the preview: one landscape page under a header naming the pupil, the
    // activity and the period; Escape then closes the window.
    void imprimeix() {
        const Sessio s = c_.sessio(1, 1);
        const QString pdf = c_.path("progres.pdf");
        QStringList capcalera;
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* v) {
            QPrinter* p = static_cast<QPrintPreviewDialog*>(v)->printer();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            emit static_cast<QPrintPreviewDialog*>(v)->paintRequested(p);
        });
        WhenModal finestra("fProgres", [&](QDialog* f) {
            capcalera = static_cast<fProgres*>(f)->capcalera().mid(0, 3);
            f->findChild<QPushButton*>("Imprimir")->click();
            QTest::keyClick(f, Qt::Key_Escape);
        });
        fProgres::Obre(nullptr, s, "ANNA");
        QVERIFY(vista.ran() && finestra.ran() && !finestra.leftOpen());
        QCOMPARE(capcalera, QStringList({"ANNA – Progreso", "Actividad: Sumar", "Período: Todo"}));
        const QByteArray bytes = c_.llegeix(pdf);
        QVERIFY(bytes.startsWith("%PDF") && bytes.count("/Type /Page\n") == 1);
        QVERIFY(bytes.contains("/MediaBox [0 0 842"));
    }

private:
    CarpetaProva c_;
};

QTEST_MAIN(TestProgres)
#include "tst_Progres.moc"
