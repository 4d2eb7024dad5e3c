#include "core/ui/UpDown.h"
#include "records/ui/Assignar.h"
#include "records/ui/Edicio.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

using Registres::alumne;

namespace {

const char* const kNoEsPot =
    "No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";

// The records editor of group 1 ("Dofins") over a group file holding `dat`, and ANNA's history.
struct Finestra {
    CarpetaProva c;
    Sessio sessio = c.sessio(1);
    QList<QStringList> files;
    RecordingSoundPlayer so;
    std::unique_ptr<Edicio> w;

    explicit Finestra(const QByteArray& dat) {
        c.escriu(c.dat("Dofins"), dat);
        c.escriu(c.hst("ANNA"), "line\r\n");
    }
    void obre(EdicioRegistres::Mode mode) {
        w = std::make_unique<Edicio>(sessio, mode, files, 0, &so);
        w->show();
    }
    template <typename T = QWidget> T* c_(const char* nom) const { return w->findChild<T*>(nom); }
    void prem(const char* nom) { QTest::mouseClick(c_<QPushButton>(nom), Qt::LeftButton); }
    QByteArray dat() const { return c.llegeix(c.dat("Dofins")); }
};

// The sets in Inf/Niv ("!": a file where the folder goes, so none can be made), how the window
// closes, what it shows (list size, set chosen) and the set Grups.cfg then names.
struct Tancament {
    const char *nom, *jocs, *com, *vist, *desat;
};
const Tancament kTancaments[] = {
    {"accept", "Alfa|Zeta", "Botó_1", "2 Zeta", "Zeta"},
    {"cancel", "Alfa|Zeta", "Botó_0", "2 Zeta", "Lloros"},
    {"Escape", "Alfa|Zeta", "Escape", "2 Zeta", "Lloros"},
    {"no set: one is made", "", "Botó_1", "1 Lloros", "Lloros"},
    {"no set can be made", "!", "Botó_1", "0 ", "Lloros"},
};

// How the confirmation of a class list closes ("!": confirmed, but the group's file cannot be
// written).
const struct { const char* nom; } kConfirmacions[] = {{"Return"}, {"Escape"}, {"Botó_0"}, {"!"}};

} // namespace

class TestRegistres : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Edicio::posaTriaFitxer({}); }

    // Through the front page's way in: no name is said; a pupil typed in lower case, one level
    // raised, then the next pupil prepared.
    void afegeix() {
        Finestra f("");
        QStringList vist;
        CaptaMissatges caixes;
        WhenModal finestra("Edicio", [&](QDialog* w) {
            const auto text = [w](const char* nom) { return w->findChild<QLabel*>(nom)->text(); };
            auto* nom = w->findChild<QLineEdit*>("Nom");
            auto* amunt = w->findChild<UpDown*>("UpAct_5")->findChild<QToolButton*>("Amunt");
            w->findChild<QPushButton*>("Mou_1")->click();
            QTest::keyClicks(nom, "anna");
            QTest::mouseClick(amunt, Qt::LeftButton);
            QTest::mouseClick(amunt, Qt::LeftButton);
            vist << w->windowTitle() << nom->text() << text("nValor_5");
            w->findChild<QPushButton*>("Mou_1")->click();
            vist << nom->text() << text("Num");
            w->findChild<QPushButton*>("Mou_0")->click();
        });
        QVERIFY(Edicio::Obre(f.sessio, 0, f.files, -1, nullptr, nullptr));
        QCOMPARE(vist, QStringList({"Afegint registres...", "ANNA", "3", "", "2"}));
        QCOMPARE(caixes.textos(), QStringList{"És imprescindible el nom!"});
        QCOMPARE(f.dat(), alumne(1, "ANNA", {1, 1, 1, 1, 3, 1, 1, 1, 1}));
        QCOMPARE(f.files.size(), 1);
    }

    // A class list shown before it is brought in (a heading and a pupil there already passed
    // over); only a confirmation writes, and a write that fails is said.
    void importa_data() { files(kConfirmacions); }
    void importa() {
        const QString com = QString::fromUtf8(fila(kConfirmacions).nom);
        Finestra f(alumne(1, "ANNA"));
        f.c.escriu(f.c.path("llista.csv"), "Nom;Edat\r\nJan;9\r\nanna;8\r\n");
        QStringList dialeg, vist;
        Edicio::posaTriaFitxer([&](QWidget*, const QString& titol, const QString& filtre) {
            dialeg = QStringList{titol, filtre};
            return f.c.path("llista.csv");
        });
        f.obre(EdicioRegistres::Mode::Afegir);
        const bool escriu = com == "Return" || com == "!";
        if (com == "!")
            QVERIFY(f.c.bloqueja(f.c.dat("Dofins")));
        CaptaMissatges caixes;
        WhenModal finestra("ImportacioLlista", [&](QDialog* w) {
            for (const char* nom : {"Etiqueta_0", "Nous", "Etiqueta_1", "Omesos"})
                if (auto* l = w->findChild<QTreeWidget*>(nom))
                    for (int i = 0; i < l->topLevelItemCount(); ++i)
                        for (int c = 0; c < l->columnCount(); ++c)
                            vist << l->topLevelItem(i)->text(c);
                else
                    vist << w->findChild<QLabel*>(nom)->text();
            if (com.startsWith(u'B'))
                f.prem(qPrintable(com));
            else
                QTest::keyClick(w->findChild<QTreeWidget*>("Nous"),
                                com == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        });
        f.prem("Importa");
        QVERIFY(finestra.ran() && !finestra.leftOpen());
        QCOMPARE(dialeg,
                 QStringList({"Importar una llista d'alumnes", "Llistes d'alumnes (*.txt *.csv)"}));
        QCOMPARE(vist, QStringList({"S'afegiran (1)", "2", "JAN", "No s'afegiran (2)", "1", "Nom",
                                    "Fila de capçalera", "3", "ANNA", "Ja és a la llista"}));
        QCOMPARE(caixes.textos(), com == "!" ? QStringList{kNoEsPot} : QStringList{});
        QCOMPARE(f.dat(), com == "!" ? QByteArray("<missing>")
                                     : alumne(1, "ANNA") + (escriu ? alumne(2, "JAN") : ""));
        QCOMPARE(f.files.size(), com == "Return" ? 2 : 1);
        QCOMPARE(f.c_<QLabel>("Num")->text(), com == "Return" ? "3" : "2");
    }

    // Levels beyond the group's count or of an excluded activity stay as stored; a name the
    // history cannot follow (a link to nowhere is there) is stored and said; the ends of the list
    // beep.
    void edita() {
        Finestra f(alumne(3, "PERE") + alumne(1, "ANNA", {8, 7, 1, 1, 1, 1, 1, 1, 1}));
        f.sessio.grup.Activitats = "101111111";
        f.sessio.grup.Nivells[0] = 5;
        f.obre(EdicioRegistres::Mode::Editar);
        QCOMPARE(f.w->windowTitle(), QString("Editant registres..."));
        QVERIFY(!f.c_("UpAct_2")->isEnabled() && f.c_("UpAct_1")->isEnabled());
        QCOMPARE(f.c_<UpDown>("UpAct_1")->maximum(), 5);
        QCOMPARE(f.c_<QLabel>("nValor_1")->text(), QString("8"));
        QVERIFY(!f.c_("Importa")->isVisible());
        QVERIFY(QFile::link(f.c.path("enlloc/EVA.rtf"), f.c.hst("EVA")));
        CaptaMissatges caixes;
        f.c_<QLineEdit>("Nom")->clear();
        QTest::keyClicks(f.c_("Nom"), "eva");
        f.prem("Mou_1");
        QCOMPARE(f.dat() + f.c.llegeix(f.c.hst("ANNA")),
                 alumne(3, "PERE") + alumne(1, "EVA", {8, 7, 1, 1, 1, 1, 1, 1, 1}) + "line\r\n");
        QCOMPARE(caixes.textos(), QStringList{kNoEsPot});
        for (const char* boto : {"Mou_2", "Mou_3", "Mou_3"})
            f.prem(boto);
        QCOMPARE(f.so.played, (QStringList{"24", "24"}));
        QCOMPARE(f.c_<QLineEdit>("Nom")->text(), QString("PERE"));
    }

    // Deletions wait for the question on closing; the action stops once nobody is left.
    void elimina() {
        for (const bool si : {false, true}) {
            const QByteArray abans =
                alumne(1, "ANNA") + (si ? "" : alumne(2, "PERE") + alumne(3, "JAN"));
            Finestra f(abans);
            f.obre(EdicioRegistres::Mode::Eliminar);
            QVERIFY(!f.c_("upNum")->isEnabled() && !f.c_("Imatge")->isEnabled());
            for (int i = si ? 1 : 2; i > 0; --i)
                f.prem("Mou_1");
            QCOMPARE(f.c_("Mou_1")->isEnabled(), !si);
            CaptaMissatges resposta(si);
            f.prem("Mou_0");
            QCOMPARE(resposta.textos(), QStringList{"Eliminar definitivament els registres?"});
            QVERIFY(!f.w->isVisible());
            QCOMPARE(f.dat(), si ? "<missing>" : abans);
        }
    }

    // A chosen picture is copied into Imatges/ and shown; a file no picture can be read from (a
    // text, a PNG cut short) changes nothing.
    void imatge() {
        CarpetaProva fora;
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QVERIFY(img.save(fora.path("abcdefghijklmnopqrstu.png")));
        fora.escriu(fora.path("tallada.png"),
                    fora.llegeix(fora.path("abcdefghijklmnopqrstu.png")).left(40));
        fora.escriu(fora.path("text.png"), "text");
        Finestra f(alumne(1, "ANNA", 1, "anna.bmp"));
        img.fill(Qt::red);
        QVERIFY(img.save(f.c.imatge("anna.bmp")));
        f.obre(EdicioRegistres::Mode::Editar);
        QStringList triats{"text.png", "tallada.png", "abcdefghijklmnopqrstu.png"}, dialeg;
        Edicio::posaTriaFitxer([&](QWidget*, const QString& titol, const QString& filtre) {
            dialeg = QStringList{titol, filtre};
            return fora.path(triats.takeFirst());
        });
        const auto color = [&f] {
            return f.c_<QPushButton>("Imatge")->icon().pixmap(16).toImage().pixelColor(8, 8).name();
        };
        QStringList colors{color()};
        for (int i = 0; i < 3; ++i) {
            f.prem("Imatge");
            colors << color();
        }
        QCOMPARE(colors, (QStringList{"#ff0000", "#ff0000", "#ff0000", "#0000ff"}));
        QCOMPARE(dialeg, QStringList({"Imatge identificativa",
                                      "Fitxers gràfics (*.bmp *.gif *.png *.jpg *.jpeg)"}));
        QCOMPARE(QDir(f.c.path("Imatges")).entryList(QDir::Files),
                 (QStringList{"abcdefghijklmnopqrst", "anna.bmp"}));
        f.prem("Mou_1");
        QCOMPARE(f.dat(), alumne(1, "ANNA", 1, "abcdefghijklmnopqrst"));
    }

    // Through the front page's way in (the group's button lends its picture): a missing set is
    // made or said; every way of closing writes the group's record, `Botó_1` with the set chosen.
    void assigna_data() { files(kTancaments); }
    void assigna() {
        const Tancament& t = fila(kTancaments);
        CarpetaProva c;
        const bool cap = QString(t.jocs) == "!";
        if (cap && QDir(c.path("Inf/Niv")).removeRecursively())
            c.escriu(c.path("Inf/Niv"), {});
        for (const QString& joc : QString(t.jocs).split('|', Qt::SkipEmptyParts))
            cap ? void() : c.escriu(c.niv(joc), {});
        Sessio sessio = c.sessio(2);
        QWidget portada;
        (new QPushButton("Lloros", &portada))->setObjectName("Grup_2");
        CaptaMissatges caixes;
        QStringList vist;
        WhenModal finestra("Assignar", [&](QDialog* w) {
            auto* llista = w->findChild<QListWidget*>("ArxiusCfg");
            if (llista->count() > 1) // the last one chosen; a single one is chosen already
                QTest::mouseClick(
                    llista->viewport(), Qt::LeftButton, {},
                    llista->visualItemRect(llista->item(llista->count() - 1)).center());
            const auto text = [w](const char* nom) { return w->findChild<QLabel*>(nom)->text(); };
            vist << w->windowTitle() << QString::number(llista->count()) + ' ' + text("Triat")
                 << text("Actual") << c.llegeix(c.grupsCfg())
                 << QString::number(w->findChild<QLabel*>("Grup")->pixmap().isNull());
            if (QString(t.com) == "Escape")
                QTest::keyClick(llista, Qt::Key_Escape);
            else
                QTest::mouseClick(w->findChild<QPushButton*>(t.com), Qt::LeftButton);
        });
        Assignar::Obre(sessio, &portada);
        QVERIFY(finestra.ran() && !finestra.leftOpen());
        QCOMPARE(caixes.textos(), cap ? QStringList{kNoEsPot} : QStringList{});
        QCOMPARE(vist, QStringList({" Assignar nivell", t.vist, "Lloros", "<missing>", "0"}));
        QCOMPARE(c.llegeix(c.grupsCfg()),
                 QByteArray(119, '\0') + Registres::grup("111111111", 0, 10, t.desat));
    }
};

QTEST_MAIN(TestRegistres)
#include "tst_Registres.moc"
