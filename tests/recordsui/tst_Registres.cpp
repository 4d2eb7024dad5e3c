#include "Assignar.h"
#include "CaptaMissatges.h"
#include "CarpetaProva.h"
#include "Edicio.h"
#include "RecordingSoundPlayer.h"
#include "Registres.h"
#include "UpDown.h"
#include "WhenModal.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

using Registres::alumne;

namespace {

// The records editor of group 1 ("Dofins") over a program folder whose group file holds `dat`
// and whose Inf/Hst holds ANNA's history.
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
    void obre(EdicioRegistres::Mode mode, int fila = 0) {
        w = std::make_unique<Edicio>(sessio, mode, files, fila, &so);
        w->show();
    }
    template <typename T = QWidget> T* c_(const char* nom) const { return w->findChild<T*>(nom); }
    void prem(const char* nom) { QTest::mouseClick(c_<QPushButton>(nom), Qt::LeftButton); }
    QString nom() const { return c_<QLineEdit>("Nom")->text(); }
};

void puja(QWidget* updown, int passos) {
    for (int i = 0; i < std::abs(passos); ++i)
        QTest::mouseClick(updown->findChild<QToolButton*>(passos > 0 ? "Amunt" : "Avall"),
                          Qt::LeftButton);
}

// Grups.cfg holding record 2 alone, the defaults with the set `nom`.
QByteArray grups(const QByteArray& nom) {
    return QByteArray(119, '\0') + Registres::grup("111111111", 0, 10, nom);
}

} // namespace

class TestRegistres : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Edicio::setTriaFitxer({}); }

    // Through the front page's way in: a pupil typed in lower case, one level raised, then the
    // next pupil prepared.
    void afegeix() {
        CarpetaProva c;
        Sessio sessio = c.sessio(1);
        QList<QStringList> files;
        QStringList vist;
        WhenModal finestra("Edicio", [&](QDialog* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("Nom"), "anna");
            puja(w->findChild<UpDown*>("UpAct_5"), 2);
            vist << w->windowTitle() << w->findChild<QLineEdit*>("Nom")->text()
                 << w->findChild<QLabel*>("nValor_5")->text();
            w->findChild<QPushButton*>("Mou_1")->click();
            vist << w->findChild<QLineEdit*>("Nom")->text() << w->findChild<QLabel*>("Num")->text();
            w->findChild<QPushButton*>("Mou_0")->click();
        });
        QVERIFY(Edicio::Obre(sessio, 0, files, -1, nullptr, nullptr));
        QCOMPARE(vist, QStringList({"Afegint registres...", "ANNA", "3", "", "2"}));
        QCOMPARE(c.llegeix(c.dat("Dofins")), alumne(1, "ANNA", {1, 1, 1, 1, 3, 1, 1, 1, 1}));
        QCOMPARE(files.size(), 1);
    }

    // A level the group's count no longer reaches and the level of an excluded activity stay as
    // stored; the name changes and the history follows it.
    void edita() {
        Finestra f(alumne(3, "PERE") + alumne(1, "ANNA", {8, 7, 1, 1, 1, 1, 1, 1, 1}));
        f.sessio.grup.Activitats = "101111111";
        f.sessio.grup.Nivells[0] = 5;
        f.obre(EdicioRegistres::Editar);
        QCOMPARE(f.w->windowTitle(), QString("Editant registres..."));
        QVERIFY(!f.c_("UpAct_2")->isEnabled() && f.c_("UpAct_1")->isEnabled());
        QCOMPARE(f.c_<UpDown>("UpAct_1")->maximum(), 5);
        QCOMPARE(f.c_<QLabel>("nValor_1")->text(), QString("8"));
        f.c_<QLineEdit>("Nom")->end(false);
        QTest::keyClicks(f.c_("Nom"), " m");
        f.prem("Mou_1");
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")),
                 alumne(3, "PERE") + alumne(1, "ANNA M", {8, 7, 1, 1, 1, 1, 1, 1, 1}));
        QCOMPARE(f.c.llegeix(f.c.hst("ANNA M")), QByteArray("line\r\n"));
        QCOMPARE(f.files[0][1].trimmed(), QString("ANNA M"));
    }

    // Deletions wait for the question on closing; the action stops once nobody is left.
    void elimina_data() {
        QTest::addColumn<int>("premudes");
        QTest::addColumn<int>("resposta");
        QTest::newRow("two deleted, No") << 2 << 0;
        QTest::newRow("the only pupil, Yes") << 1 << 1;
    }
    void elimina() {
        QFETCH(int, premudes);
        QFETCH(int, resposta);
        const QByteArray abans = premudes == 2
                                     ? alumne(1, "ANNA") + alumne(2, "PERE") + alumne(3, "JAN")
                                     : alumne(1, "ANNA");
        Finestra f(abans);
        f.obre(EdicioRegistres::Eliminar);
        QVERIFY(!f.c_("upNum")->isEnabled() && !f.c_("Imatge")->isEnabled());
        for (int i = 0; i < premudes; ++i)
            f.prem("Mou_1");
        QCOMPARE(f.c_("Mou_1")->isEnabled(), premudes == 2);
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")), abans);
        CaptaMissatges resposta_(resposta);
        f.prem("Mou_0");
        QCOMPARE(resposta_.textos(), QStringList{"Eliminar definitivament els registres?"});
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")), resposta ? "<missing>" : abans);
        QCOMPARE(f.files.size(), resposta ? 0 : 3);
    }

    // `Anterior` at the first row and `Següent` at the last play the warning sound.
    void mou() {
        Finestra f(alumne(2, "PERE") + alumne(1, "ANNA"));
        f.obre(EdicioRegistres::Editar);
        f.prem("Mou_2");
        QCOMPARE(f.so.played, QStringList{"24"});
        f.prem("Mou_3");
        QCOMPARE(f.nom(), QString("PERE"));
        f.prem("Mou_3");
        QCOMPARE(f.so.played, (QStringList{"24", "24"}));
    }

    // A chosen picture is copied into Imatges/ under the name the record holds and shown; a file
    // no picture can be read from changes nothing: the old picture stays shown and stored.
    void imatge_data() {
        QTest::addColumn<QString>("fitxer");
        QTest::addColumn<int>("bytes"); // of the PNG written there, 0 all; -1 a text instead
        QTest::newRow("25 characters") << "abcdefghijklmnopqrstu.png" << 0;
        QTest::newRow("not a picture") << "trencada.png" << -1;
        QTest::newRow("picture cut short") << "tallada.png" << 40;
    }
    void imatge() {
        QFETCH(QString, fitxer);
        QFETCH(int, bytes);
        CarpetaProva fora;
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(fora.path("anna.bmp")) &&
                (img.fill(Qt::blue), img.save(fora.path(fitxer), "PNG")));
        fora.escriu(fora.path(fitxer),
                    bytes < 0 ? "text"
                              : fora.llegeix(fora.path(fitxer)).left(bytes ? bytes : 1 << 20));
        Finestra f(alumne(1, "ANNA", 1, "anna.bmp"));
        QVERIFY(QFile::copy(fora.path("anna.bmp"), f.c.imatge("anna.bmp")));
        f.obre(EdicioRegistres::Editar);
        QStringList dialeg;
        Edicio::setTriaFitxer([&](QWidget*, const QString& t, const QString& filtre) {
            dialeg << t << filtre;
            return fora.path(fitxer);
        });
        const auto color = [&f] {
            return f.c_<QPushButton>("Imatge")
                ->icon()
                .pixmap(QSize(16, 16))
                .toImage()
                .pixelColor(8, 8);
        };
        QCOMPARE(color(), QColor(Qt::red));
        f.prem("Imatge");
        QCOMPARE(dialeg, QStringList({"Imatge identificativa",
                                      "Fitxers gràfics (*.bmp *.gif *.png *.jpg *.jpeg)"}));
        QCOMPARE(color(), bytes ? QColor(Qt::red) : QColor(Qt::blue));
        const QByteArray desat = bytes ? "anna.bmp" : "abcdefghijklmnopqrst";
        QCOMPARE(f.c.llegeix(f.c.imatge(desat)),
                 fora.llegeix(fora.path(bytes ? "anna.bmp" : fitxer)));
        QCOMPARE(QDir(f.c.path("Imatges")).count(), bytes ? 3u : 4u);
        f.prem("Mou_1");
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")), alumne(1, "ANNA", 1, desat));
    }

    // What cannot be stored is said, and the list shows what the file holds: a blank name, or a
    // name the record took but the history could not follow (a link to nowhere stands there).
    void refusat_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("missatge");
        QTest::newRow("adding without a name") << 0 << "  "
                                               << "És imprescindible el nom!";
        QTest::newRow("editing to a blank name") << 1 << " "
                                                 << "És imprescindible el nom!";
        QTest::newRow("history cannot follow the name")
            << 1 << "EVA"
            << "No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";
    }
    void refusat() {
        QFETCH(int, mode);
        QFETCH(QString, nom);
        QFETCH(QString, missatge);
        Finestra f(alumne(1, "ANNA"));
        f.obre(EdicioRegistres::Mode(mode));
        QVERIFY(QFile::link(f.c.path("enlloc/EVA.rtf"), f.c.hst("EVA")));
        f.c_<QLineEdit>("Nom")->clear();
        QTest::keyClicks(f.c_("Nom"), nom);
        CaptaMissatges caixes;
        f.prem("Mou_1");
        QCOMPARE(caixes.textos(), QStringList{missatge});
        const QByteArray queda = nom == "EVA" ? "EVA" : "ANNA";
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")), alumne(1, queda));
        QVERIFY(f.files.size() == 1 && f.files[0][1].trimmed() == queda);
        QCOMPARE(f.c.llegeix(f.c.hst("ANNA")), QByteArray("line\r\n"));
    }

    // No set at all: one named after the group is created from the defaults, listed and chosen;
    // the front page's button of the group lends its picture.
    void assignaCarpetaBuida() {
        CarpetaProva c;
        Sessio sessio = c.sessio(2);
        QWidget portada;
        auto* boto = new QPushButton("Lloros", &portada);
        boto->setObjectName("Grup_2");
        QStringList vist;
        WhenModal finestra("Assignar", [&](QDialog* w) {
            vist << w->windowTitle() << w->findChild<QListWidget*>("ArxiusCfg")->item(0)->text()
                 << w->findChild<QLabel*>("Actual")->text()
                 << w->findChild<QLabel*>("Triat")->text();
            QVERIFY(!w->findChild<QLabel*>("Grup")->pixmap().isNull());
            w->findChild<QPushButton*>("Botó_1")->click();
        });
        Assignar::Obre(sessio, &portada);
        QCOMPARE(vist, QStringList({" Assignar nivell", "Lloros", "Lloros", "Lloros"}));
        QCOMPARE(c.llegeix(c.niv("Lloros")).size(), 1260);
        QCOMPARE(c.llegeix(c.grupsCfg()), grups("Lloros"));
    }

    // A group without a set shows its own name; every way of closing writes the group's record,
    // `Botó_1` alone with the set chosen. A set that cannot be made (a file stands where Inf/Niv
    // goes) is said and not listed.
    void assigna_data() {
        QTest::addColumn<QString>("com");
        QTest::addColumn<bool>("cap");
        QTest::addColumn<QByteArray>("desat");
        QTest::newRow("accept") << "Botó_1" << false << QByteArray("Zeta");
        QTest::newRow("cancel") << "Botó_0" << false << QByteArray("Lloros");
        QTest::newRow("Escape") << "Escape" << false << QByteArray("Lloros");
        QTest::newRow("no set can be made") << "Botó_1" << true << QByteArray("Lloros");
    }
    void assigna() {
        QFETCH(QString, com);
        QFETCH(bool, cap);
        QFETCH(QByteArray, desat);
        CarpetaProva c;
        if (cap && QDir(c.path("Inf/Niv")).removeRecursively())
            c.escriu(c.path("Inf/Niv"), {});
        for (const char* joc : {"Alfa", "Zeta"})
            cap ? void() : c.escriu(c.niv(joc), {});
        Sessio sessio = c.sessio(2);
        CaptaMissatges caixes;
        Assignar w(sessio);
        w.show();
        QCOMPARE(caixes.textos(), cap ? QStringList{"No es pot crear la carpeta de dades del "
                                                    "programa o no s'hi pot escriure."}
                                      : QStringList{});
        auto* llista = w.findChild<QListWidget*>("ArxiusCfg");
        QCOMPARE(llista->count(), cap ? 0 : 2);
        QCOMPARE(w.findChild<QLabel*>("Actual")->text(), QString("Lloros"));
        if (!cap)
            QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                              llista->visualItemRect(llista->item(1)).center());
        QCOMPARE(w.findChild<QLabel*>("Triat")->text(), cap ? QString() : QString("Zeta"));
        QCOMPARE(c.llegeix(c.grupsCfg()), QByteArray("<missing>"));
        if (com == "Escape")
            QTest::keyClick(llista, Qt::Key_Escape);
        else
            QTest::mouseClick(w.findChild<QPushButton*>(com), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(c.llegeix(c.grupsCfg()), grups(desat));
    }
};

QTEST_MAIN(TestRegistres)
#include "tst_Registres.moc"
