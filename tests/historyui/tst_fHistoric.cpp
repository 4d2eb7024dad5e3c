#include "history/ui/HistorialImpres.h"
#include "history/ui/fHistoric.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/WhenModal.h"

#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QToolButton>

namespace {

const QByteArray kHistorial =
    "05-12-01\tCardinals\tSuperat\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"
    "06-12-01\tOrdenaci\xf3\tTemps\t 4\t  6\t(10)\t  1\t(5)\t300\t(300)\r\n";
const QString kNom = QString::fromUtf8("Núria Puig");
const QString kErrorCarpeta =
    "No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";

// Without fonts: 2 mm per character, lines 5 mm apart, on A4.
const HistorialImpres::Mesures kMesures{[](const QString& t) { return t.size() * 2.0; }, 5};
const QSizeF kA4(210, 297);

HistorialImpres::Dades dades(int linies) {
    const QString linia = QString::fromLatin1(kHistorial.left(kHistorial.indexOf('\r')));
    return HistorialImpres::Dades(kNom, "05/03/2024", QString::fromUtf8("Pàgina"),
                                  {" Data", " Activitats", "?", " Resultat", "v", "x", "o"},
                                  QStringList(linies, linia), QSizeF());
}

// A page as "text@x,y" (a symbol's text is its Wingdings code after '#', a picture's its size).
QStringList elements(const HistorialImpres::Pagina& p) {
    QStringList out;
    for (const HistorialImpres::Element& e : p)
        out << (e.tipus == HistorialImpres::Element::Tipus::Simbol ? "#" + QString::number(e.codi)
                : e.tipus == HistorialImpres::Element::Tipus::Imatge
                    ? QString("%1x%2").arg(e.ample).arg(e.alt)
                    : e.text) +
                   QString("@%1,%2").arg(e.x).arg(e.y);
    return out;
}

// A program folder with the pupil "Núria Puig" selected and, when given, her history.
struct Carpeta : CarpetaProva {
    Sessio s = sessio();
    explicit Carpeta(const QByteArray& historial = {}) {
        s.registre.Nom = kNom + QString(25, ' ');
        if (!historial.isNull())
            escriu(hst(kNom), historial);
    }
};

QToolButton* eina(QWidget* w, int i) {
    return w->findChild<QToolButton*>(QString("bEines_%1").arg(i));
}
QPlainTextEdit* visor(QWidget* w) {
    return w->findChild<QPlainTextEdit*>("Visor");
}
// Save, copy, empty, print: '1' usable, '0' not.
QString eines(QWidget* w) {
    QString s;
    for (int i = 0; i < 4; ++i)
        s += eina(w, i)->isEnabled() ? '1' : '0';
    return s;
}

} // namespace

class TestfHistoric : public QObject {
    Q_OBJECT
private slots:
    // The page title ends where the 66-character rule ends.
    void printedPages() {
        const auto pagines = HistorialImpres::pagines(dades(1), kA4, kMesures);
        QVERIFY(pagines && pagines->size() == 1);
        const QString rule = QString(66, '=');
        QCOMPARE(elements(pagines->at(0)).join('|').replace(rule, "="),
                 QString::fromUtf8("Núria Puig@15,50|Pàgina 1@131,50|05/03/2024@131,55|=@15,60|"
                                   "Data@15,65|Activitats@33,65|Resultat@60,65|#180@85,65|"
                                   "#252@105,65|#251@125,65|#191@145,65|=@15,70|05-12-01@15,77|"
                                   "Cardinals@33,77|Superat@60,77| 3@85,77| 10@100,77|(10)@106,77|"
                                   "  2@120,77|(5)@126,77| 95@140,77|(300)@146,77"));
        // The picture stands in the band above the first page's header.
        HistorialImpres::Dades d = dades(60);
        d.imatge = QSizeF(100, 200);
        const auto ambImatge = HistorialImpres::pagines(d, kA4, kMesures);
        QCOMPARE(elements(ambImatge->at(0)).mid(0, 2),
                 QStringList({"11x22@15,25", kNom + "@15,50"}));
        QCOMPARE(elements(ambImatge->at(1)).at(0), kNom + "@15,50");
        // Lines from 77 mm, 5 mm apart, while their foot stays 25 mm above the paper's: 39 a page.
        const int kLinies[][3] = {{0, 1, 0}, {39, 1, 39}, {40, 2, 1}, {100, 3, 22}};
        for (const auto& [linies, pagines, alDarrera] : kLinies) {
            const auto llista = HistorialImpres::pagines(dades(linies), kA4, kMesures);
            QCOMPARE(llista->size(), pagines);
            QCOMPARE(elements(llista->last()).at(1),
                     QString::fromUtf8("Pàgina %1@131,50").arg(pagines));
            QCOMPARE(llista->last().size(), 12 + 10 * alDarrera);
        }
        // A tenth TAB has no column: the history cannot be printed.
        d = dades(3);
        d.linies[1] = QStringList(10, "x").join('\t');
        QVERIFY(HistorialImpres::pagines(d, kA4, kMesures));
        d.linies[1] += "\tx";
        QVERIFY(!HistorialImpres::pagines(d, kA4, kMesures));
    }

    // Emptying only empties the box, and closing never asks.
    void viewerOfAHistory() {
        Carpeta c(kHistorial);
        c.s.general.Idioma = 3;
        CaptaMissatges missatges;
        fHistoric f(c.s, QPixmap());
        f.show();
        QCOMPARE(QStringList(
                     {f.objectName(), f.windowTitle(), f.findChild<QLabel*>("Eti_0")->text(),
                      f.findChild<QLabel*>("Eti_1")->text(), f.findChild<QLabel*>("Eti_3")->text(),
                      f.findChild<QLabel*>("Eti_2")->toolTip(), eina(&f, 0)->toolTip(),
                      eina(&f, 0)->accessibleName()}),
                 QStringList({QString::fromUtf8("fHistòric"), " " + kNom + ": Historiala", " Data",
                              " Jarduerak", " Emaitza", " Maila ", " Historiala gorde ",
                              "Historiala gorde"}));
        QCOMPARE(visor(&f)->toPlainText(), QString::fromLatin1(kHistorial).replace("\r\n", "\n"));
        QVERIFY(visor(&f)->textCursor().atEnd());
        QCOMPARE(eines(&f), "0111");
        QTest::mouseClick(eina(&f, 1), Qt::LeftButton);
        const QMimeData* m = QApplication::clipboard()->mimeData();
        QCOMPARE(m->text(), visor(&f)->toPlainText());
        QVERIFY(m->data("text/rtf").contains("\\tx900\\tx2360\\tx3525") &&
                m->data("text/rtf").contains("Ordenaci\\'f3\\tab Temps"));
        QCOMPARE(eines(&f), "0011");
        QTest::keyClicks(visor(&f), "07-12-01\tSumar");
        QCOMPARE(eines(&f), "1111");
        QTest::mouseClick(eina(&f, 0), Qt::LeftButton);
        QCOMPARE(eines(&f), "0111");
        QTest::mouseClick(eina(&f, 2), Qt::LeftButton);
        QCOMPARE(eines(&f), "1000");
        QTest::mouseClick(eina(&f, 4), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(c.llegeix(c.hst(kNom)), kHistorial + "07-12-01\tSumar\r\n");
        QCOMPARE(missatges.textos(), QStringList());
    }

    // A save that cannot be done says so and keeps the edit for another try.
    void writeFailures() {
        for (const bool folderInPlace : {true, false}) {
            Carpeta c;
            const QString enMig = folderInPlace ? c.hst(kNom) : c.path("Inf/Hst");
            if (folderInPlace)
                QVERIFY(c.bloqueja(enMig));
            else
                QVERIFY(QDir(enMig).removeRecursively() && QFile(enMig).open(QIODevice::WriteOnly));
            CaptaMissatges missatges;
            fHistoric f(c.s, QPixmap());
            f.show();
            QCOMPARE(visor(&f)->toPlainText(), QString());
            QCOMPARE(eines(&f), "0000"); // nothing to copy, empty or print
            QVERIFY(eina(&f, 4)->isEnabled());
            QCOMPARE(missatges.textos(), QStringList(folderInPlace ? 0 : 1, kErrorCarpeta));
            QTest::keyClicks(visor(&f), "x");
            QTest::mouseClick(eina(&f, 0), Qt::LeftButton);
            QCOMPARE(missatges.textos(), QStringList(folderInPlace ? 1 : 2, kErrorCarpeta));
            QCOMPARE(eines(&f), "1111");
            QCOMPARE(QFileInfo(enMig).isDir(), folderInPlace);
        }
    }

    // Through the printer's own fonts and paper, with the pupil's picture.
    void print() {
        Carpeta c(kHistorial.repeated(60));
        QPixmap foto(40, 50);
        foto.fill(Qt::darkGreen);
        fHistoric f(c.s, foto);
        int pagines = 0;
        WhenModal when("QPrintPreviewDialog", [&](QDialog* vista) {
            auto* w = vista->findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(w->pageCount() > 0);
            pagines = w->pageCount();
        });
        QTest::mouseClick(eina(&f, 3), Qt::LeftButton);
        QVERIFY(when.ran() && pagines >= 3);

        Carpeta massa(kHistorial + "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\r\n");
        fHistoric g(massa.s, QPixmap());
        CaptaMissatges missatges;
        QTest::mouseClick(eina(&g, 3), Qt::LeftButton);
        QCOMPARE(missatges.textos(), QStringList{"Error en imprimir"});
    }
};

QTEST_MAIN(TestfHistoric)
#include "tst_fHistoric.moc"
