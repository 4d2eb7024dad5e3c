#include "BotoPersiana.h"
#include "CaptaMissatges.h"
#include "CarpetaProva.h"
#include "EstatPortada.h"
#include "Portada.h"
#include "RecordingSoundPlayer.h"
#include "Registres.h"
#include "TabPicture.h"
#include "Taula.h"
#include "WhenModal.h"

#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <memory>

// The front page: what it decides, then what its window shows of it.

using namespace Registres;
using Canvi = EstatPortada::Canvi;

namespace {

// Group 1's pupils in file order: Carla, an empty slot, Arnau, and Bet, who has finished the
// cardinals and whose picture names a path out of the pictures folder.
const QByteArray kDofins = alumne(3, "Carla", {4, 1, 1, 1, 5, 1, 1, 1, 1}) + QByteArray(65, '\0') +
                           alumne(1, "Arnau", {2, 3, 1, 1, 1, 1, 1, 1, 1}) +
                           alumne(2, "Bet", {0, 6, 1, 1, 2, 1, 1, 1, 1}, "../../fora.png");

// `n` pupils numbered 1..n.
QByteArray llistaDe(int n) {
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += alumne(i, "Alumne " + QByteArray::number(i));
    return b;
}

// The front page over group 1's list, whose level set "Prova" holds cardinals levels 1 and 2;
// group 2 is offered activities 1, 3 and 9. Its state `e`, and its window unless `finestra` is
// false.
struct Front {
    CarpetaProva c;
    Sessio s;
    RecordingSoundPlayer so;
    EstatPortada e{s, so};
    std::unique_ptr<Portada> w;

    explicit Front(const QByteArray& dofins = kDofins, int idioma = 0, bool finestra = true) {
        const QByteArray n = nivell(60, 2, 3, 1, 99);
        c.escriu(c.niv("Prova"), joc({{1, 1, n}, {1, 2, n}}));
        c.escriu(c.grupsCfg(),
                 Registres::grup("111111111", 0, 10, "Prova") + Registres::grup("101000001"));
        c.escriu(c.dat("Dofins"), dofins);
        s = c.sessio(1, idioma);
        if (!finestra)
            return;
        w = std::make_unique<Portada>(s, so);
        w->setAnimacions(false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QPushButton* boto(const char* nom) const { return fill<QPushButton>(nom); }
    QString text(const char* nom) const { return fill<QLabel>(nom)->text(); }
    QAbstractButton* grup(int n) const { return fill<QAbstractButton>(QString("Grup_%1").arg(n)); }
    bool blau(int n) const { return grup(n)->palette().color(QPalette::Button) == Qt::blue; }
    BotoPersiana* persiana(const char* nom) const { return fill<BotoPersiana>(nom); }
    QTabBar* pestanyes() const { return fill<QTabWidget>("Llistes")->tabBar(); }
    QTableWidget* relacio() const { return fill<QTableWidget>("Relació"); }
    void pestanya(int t) const {
        QTest::mouseClick(pestanyes(), Qt::LeftButton, {}, pestanyes()->tabRect(t).center());
    }
    // The grid's columns `cols`, or the state's, one after the other.
    QStringList columnes(std::initializer_list<int> cols) const {
        QStringList t;
        for (int col : cols)
            for (int r = 0; r < (w ? relacio()->rowCount() : int(e.files().size())); ++r)
                t << (w ? relacio()->item(r, col)->text().trimmed() : e.files().at(r).at(col));
        return t;
    }
    // Gives `inici` (the tab bar when null) the focus, presses `tecla` `vegades` times and names
    // each control the focus lands on ("" for the tab bar).
    QStringList tabula(int vegades, Qt::Key tecla, QWidget* inici = nullptr) const {
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get()))
            return {"window not active"};
        (inici ? inici : pestanyes())->setFocus();
        QStringList noms;
        for (int i = 0; i < vegades; ++i) {
            QTest::keyClick(QApplication::focusWidget(), tecla);
            noms << QApplication::focusWidget()->objectName();
        }
        return noms;
    }
};

enum Joc { Cap, Bo, Carpeta, Buit, Zeros, Tallat };
constexpr int kObre = EstatPortada::kObrePissarra;

// Pressing the pupil's picture with the group's level set `nivell` in the state `joc`, on a tab
// and row of the sorted list (Arnau plays cardinals level 2 and addition level 1; Bet has
// finished the cardinals).
struct Inici {
    const char *nom, *nivell;
    Joc joc;
    int pestanya, fila, esperat;
};
const Inici kInicis[] = {{"no level set", "", Cap, 1, 0, 113},
                         {"blank level set", "   ", Cap, 1, 0, 113},
                         {"level set missing", "Prova", Cap, 1, 0, 115},
                         {"finished, even with no level set", "", Cap, 1, 1, 113},
                         {"activity finished", "Prova", Bo, 1, 1, 111},
                         {"opens", "Prova", Bo, 1, 0, kObre},
                         {"a folder for a set", "Prova", Carpeta, 1, 0, 122},
                         {"empty set", "Prova", Buit, 1, 0, 122},
                         {"a level of zeros", "Prova", Zeros, 1, 0, 122},
                         {"cut short before the level", "Prova", Tallat, 5, 0, 122},
                         {"cut short after the level", "Prova", Tallat, 1, 0, kObre}};

// The blind over the front page's tools and the password tool, with the prompt on or off; the
// password windows replaced, or the program's own ones, closed as soon as they show.
struct CasPersiana {
    const char* nom;
    int demanar;
    bool concedeix, propies;
    const char *finestres, *sons;
};
const CasPersiana kPersianes[] = {
    {"no prompt", 0, false, true, "Contrasenya", "1 21 21 21 20"},
    {"prompt, granted", 1, true, false, "Pas Pas Contrasenya", "1 21 21 21 20 21"},
    {"the program's prompt, closed", 1, false, true, "Pas", "1"}};

} // namespace

class TestPortada : public QObject {
    Q_OBJECT
private slots:
    void grups() {
        Front f(kDofins, 0, false);
        QVERIFY(!f.e.triaGrup(1) && !f.e.triaGrup(17) && f.so.played.isEmpty()); // 1 is chosen
        QVERIFY(f.e.triaGrup(2));
        QCOMPARE(f.e.titol() + f.so.played.join(' '), QString(" XIFRUM 5.0: Lloros2"));
        QList<int> visibles;
        for (int p = -1; p <= 10; ++p)
            if (f.e.pestanyaVisible(p))
                visibles << p;
        QCOMPARE(visibles, (QList<int>{0, 1, 3, 9}));
        QCOMPARE(f.e.pestanyesVisibles(), 4);
        // Choosing the chosen group reads nothing again.
        f.c.escriu(f.c.grupsCfg(), grup() + grup("000100000"));
        QVERIFY(!f.e.triaGrup(2) && f.e.pestanyaVisible(9));
        // Group 2 has no pupil file: nobody is selected and nothing starts.
        f.s.grup.NomNivell = "Prova";
        f.c.escriu(f.c.niv("Prova"), joc({}));
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QVERIFY(f.e.buida() && f.e.fila() == -1 && !f.e.imatgeActiva());
        QCOMPARE(f.e.nom() + f.e.nivell(), QString());
        QCOMPARE(f.e.comprovaInici(), EstatPortada::kRes);
        QCOMPARE(f.e.canviaPestanya(3), Canvi::NomesAmples);
        QVERIFY(!QFile::exists(f.c.dat("Lloros")));
    }

    void estatLlista() {
        Front f(kDofins, 0, false);
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QCOMPARE(f.columnes({0, 11}), (QStringList{"1", "2", "3", "3", "4", "1"}));
        QCOMPARE(f.e.numero() + f.e.nom() + f.e.nivell(), QString("1Arnau2"));
        QVERIFY(f.e.imatgeActiva() && f.e.rutaImatge().isEmpty() && f.s.registre.Numero == 1);
        f.e.seleccionaFila(1);
        QCOMPARE(f.e.nom() + f.e.nivell() + f.s.registre.Nom.trimmed(), QString("Bet-Bet"));
        QVERIFY(!f.e.imatgeActiva());
        // The picture's path never leaves the pictures folder.
        QVERIFY(QDir::cleanPath(f.e.rutaImatge()).startsWith(f.c.imatge("")));
        // Another tab reads the list again and keeps the row.
        QCOMPARE(f.e.canviaPestanya(2), Canvi::Rellegida);
        QCOMPARE(f.e.nom() + f.e.nivell(), QString("Bet6"));
        QVERIFY(f.e.imatgeActiva());
        QCOMPARE(f.e.canviaPestanya(2), Canvi::Cap);
        f.c.escriu(f.c.dat("Dofins"), kDofins + alumne(4, "Dani"));
        QCOMPARE(f.e.canviaPestanya(5), Canvi::Rellegida);
        QCOMPARE(f.columnes({1}).last().trimmed() + f.e.nom() + f.e.nivell(), QString("DaniBet2"));
        // A level passed on the board shows in the row; the last one finishes the activity.
        f.e.seleccionaFila(2);
        f.e.nivellSuperat(5, "6");
        f.e.nivellSuperat(2, "2");
        QCOMPARE(f.e.nom() + f.e.nivell() + f.e.files().at(2).at(3), QString("Carla62"));
        QCOMPARE(int(f.s.registre.Nivell[4]), 6);
        f.e.nivellSuperat(5, "-");
        QVERIFY(!f.e.imatgeActiva());
        QCOMPARE(f.e.canviaPestanya(0), Canvi::Portada);
        // Every tool but the level editor clicks; the blinds roll.
        for (int i = 0; i < 9; ++i)
            f.e.einaPremuda(i);
        f.e.persianaPremuda();
        QCOMPARE(f.so.played, QStringList(12, "20") << "21");
        for (int n : {99, 100}) {
            f.c.escriu(f.c.dat("Dofins"), llistaDe(n));
            f.e.rellegeix();
            QCOMPARE(f.e.potAfegir(), n < 100);
        }
    }

    void inici_data() { files(kInicis); }
    void inici() {
        const Inici& r = fila(kInicis);
        Front f(kDofins, 0, false);
        f.s.grup.NomNivell = r.nivell;
        const QString niv = f.c.niv("Prova"); // cardinals levels 1 and 2, as Bo
        if (r.joc == Cap)
            QFile::remove(niv);
        else if (r.joc == Carpeta)
            QVERIFY(f.c.bloqueja(niv));
        else if (r.joc != Bo)
            f.c.escriu(niv, r.joc == Zeros  ? joc({})
                            : r.joc == Buit ? QByteArray()
                                            : f.c.llegeix(niv).left(28)); // the level, no more
        f.e.canviaPestanya(r.pestanya);
        f.e.seleccionaFila(r.fila);
        QCOMPARE(f.e.comprovaInici(), r.esperat);
    }

    void obertura() {
        Front f;
        QCOMPARE(f.w->windowTitle(), QString(" XIFRUM 5.0: Dofins"));
        QVERIFY(f.blau(1) && !f.blau(2));
        QCOMPARE(f.text("lblPrograma_0") + f.text("lblAutor"),
                 QString("XIFRUM 5.0Quadern de matemàtiques per a primària"));
        QCOMPARE(f.fill("lblPrograma_1")->font().pointSize(), 20);
        // The grid is built when a list is first shown.
        QVERIFY(f.fill("pGrups")->isVisible() && !f.fill("Panel")->isVisible() && !f.relacio());
        for (QAbstractButton* b : f.w->findChildren<QAbstractButton*>())
            if (b->focusPolicy() != Qt::NoFocus && b->objectName() != "Semàfor")
                QVERIFY2(!b->accessibleName().trimmed().isEmpty(), qPrintable(b->objectName()));
        QCOMPARE(f.boto("bEines_8")->accessibleName() + f.pestanyes()->accessibleTabName(5),
                 QString("Imprimir el llistatSumar"));
        // Every tab shows its whole caption picture, centred in the tab, whichever tab is current.
        for (int actual : {5, 0}) {
            f.pestanya(actual);
            const QImage img = f.pestanyes()->grab().toImage();
            for (int t = 0; t < 10; ++t) {
                const QRect tab = f.pestanyes()->tabRect(t);
                int primer = -1, darrer = -1;
                for (int x = tab.left(); x <= tab.right(); ++x)
                    for (int y = tab.top(); y <= tab.bottom(); ++y)
                        if (img.pixel(x, y) == TabPicture::background().rgb()) {
                            primer = primer < 0 ? x : primer;
                            darrer = x;
                            break;
                        }
                QVERIFY2(primer > tab.left() && darrer < tab.right(),
                         qPrintable(QString::number(t)));
                QCOMPARE(darrer - primer + 1, TabPicture::kWidth);
                QVERIFY(qAbs((primer - tab.left()) - (tab.right() - darrer)) <= 1);
            }
        }
        f.grup(2)->click();
        f.grup(2)->click();
        QCOMPARE(f.w->windowTitle() + f.so.played.join(' '),
                 QString(" XIFRUM 5.0: Lloros1 20 20 2"));
        QVERIFY(f.blau(2) && !f.blau(1));
        // The group's tabs share one row across the bar.
        QList<int> visibles;
        int ample = 0;
        for (int t = 0; t < 10; ++t) {
            if (!f.pestanyes()->isTabVisible(t))
                continue;
            visibles << t;
            ample += f.pestanyes()->tabRect(t).width();
            QCOMPARE(f.pestanyes()->tabRect(t).y(), f.pestanyes()->tabRect(0).y());
        }
        QCOMPARE(visibles, (QList<int>{0, 1, 3, 9}));
        QVERIFY(ample <= f.pestanyes()->width() && ample >= f.pestanyes()->width() - 16);
        // Leaving writes no settings: General.cfg is written once, after the window's life.
        f.boto("bSortida")->click();
        QVERIFY(!f.w->isVisible() && !QFile::exists(f.c.generalCfg()));
    }

    void llista() {
        Front f;
        int obertes = 0;
        f.w->setObrePissarra([&] {
            ++obertes;
            f.w->nivellSuperat(1, "3");
        });
        f.pestanya(1);
        QCOMPARE(f.so.last(), QString("20"));
        QVERIFY(f.fill("Panel")->isVisible() && !f.fill("pGrups")->isVisible());
        QCOMPARE(f.columnes({0, 1, 2}),
                 (QStringList{"1", "2", "3", "Arnau", "Bet", "Carla", "2", "-", "4"}));
        QCOMPARE(f.relacio()->horizontalHeaderItem(0)->text() +
                     f.relacio()->horizontalHeaderItem(2)->text(),
                 QString("NúmCardinals"));
        QVERIFY(!f.relacio()->isColumnHidden(2) && f.relacio()->isColumnHidden(3));
        QCOMPARE(f.relacio()->selectionModel()->selectedIndexes().size(), 13);
        QCOMPARE(f.text("tNúmero") + f.text("tNom") + f.text("tNivell") +
                     f.boto("ImatgeGrup")->accessibleName(),
                 QString("1Arnau2Arnau"));
        // The board's pass shows in the row and the bar.
        f.boto("ImatgeGrup")->click();
        QCOMPARE(obertes, 1);
        QCOMPARE(f.relacio()->item(0, 2)->text() + f.text("tNivell"), QString("33"));
        QTest::keyClick(f.relacio(), Qt::Key_Down);
        QCOMPARE(f.text("tNom") + f.text("tNivell") + f.boto("bEines_7")->toolTip(),
                 QString("Bet- Veure l'historial: Bet"));
        QVERIFY(!f.boto("ImatgeGrup")->isEnabled());
        QTest::keyClick(f.relacio(), Qt::Key_Down);
        QCOMPARE(f.text("tNom") + f.text("tNivell"), QString("Carla4"));
        f.pestanya(5);
        QVERIFY(!f.relacio()->isColumnHidden(6) && f.relacio()->isColumnHidden(2));
        QCOMPARE(f.text("tNom") + f.text("tNivell"), QString("Carla5"));
        // What stops the board is said.
        CaptaMissatges capta;
        f.boto("ImatgeGrup")->click();
        QCOMPARE(capta.textos(), QStringList{"No es pot llegir el nivell d'aquest grup."});
        QCOMPARE(obertes, 1);
        f.pestanya(0);
        QVERIFY(!f.fill("Panel")->isVisible());
    }

    void centAlumnes() {
        Front f(llistaDe(100));
        f.pestanya(1);
        QCOMPARE(f.relacio()->rowCount(), 100);
        f.w->setAnimacions(true);
        f.persiana("Persiana")->click();
        QVERIFY(!f.fill("Pany")->isVisible()); // rolling
        f.w->setAnimacions(false);
        QVERIFY(f.fill("Pany")->isVisible());
        QVERIFY(f.boto("bEines_8")->isVisible() && !f.boto("bEines_8")->icon().isNull());
        CaptaMissatges capta;
        f.boto("bEines_4")->click();
        QCOMPARE(capta.textos(), QStringList{"La llista no admet més registres!"});
        f.w->TancaPersiana();
        QVERIFY(!f.boto("bEines_8")->isVisible());
    }

    // Everything a teacher or a pupil acts on is reached with Tab, in reading order, and Tab and
    // Shift+Tab walk the same circle both ways; Space and Enter act on what has the focus.
    void teclat() {
        Front f;
        QStringList portada{""}; // the tab bar
        for (int g = 1; g <= 16; ++g)
            portada << QStringLiteral("Grup_%1").arg(g);
        portada << "bSortida"
                << "Persiana0";
        QCOMPARE(f.tabula(int(portada.size()), Qt::Key_Tab), portada.mid(1) << "");
        std::reverse(portada.begin(), portada.end());
        QCOMPARE(f.tabula(int(portada.size()), Qt::Key_Backtab), portada);
        QTest::keyClick(f.grup(3), Qt::Key_Return);
        QTest::keyClick(f.grup(1), Qt::Key_Space);
        QCOMPARE(f.so.played, (QStringList{"1", "3", "1"}));
        QTest::keyClick(f.persiana("Persiana0"), Qt::Key_Space);
        QVERIFY(f.persiana("Persiana0")->oberta());
        QCOMPARE(f.tabula(4, Qt::Key_Tab, f.persiana("Persiana0")),
                 QStringList({"bEines_1", "bEines_0", "bEines_2", ""}));
        QTest::keyClick(f.persiana("Persiana0"), Qt::Key_Return);
        QVERIFY(!f.persiana("Persiana0")->oberta());
        QTest::keyClick(f.pestanyes(), Qt::Key_Right); // Cardinals
        f.persiana("Persiana")->click();
        QStringList llista{"Relació", "ImatgeGrup", "Persiana"};
        for (int i = 3; i <= 8; ++i)
            llista << QStringLiteral("bEines_%1").arg(i);
        llista << ""; // back to the tab bar
        QCOMPARE(f.tabula(int(llista.size()), Qt::Key_Tab), llista);
        int obertes = 0;
        f.w->setObrePissarra([&] { ++obertes; });
        for (Qt::Key tecla : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(f.boto("ImatgeGrup"), tecla);
        QCOMPARE(obertes, 3);
    }

    void persianes_data() { files(kPersianes); }
    void persianes() {
        const CasPersiana& r = fila(kPersianes);
        Front f;
        f.s.general.Demanar = uint8_t(r.demanar);
        QStringList finestres;
        if (!r.propies) {
            f.w->setDemanaClau([&] {
                finestres << "Pas";
                return r.concedeix;
            });
            f.w->setCanviaClau([&] { finestres << "Contrasenya"; });
        }
        const auto clica = [&](QAbstractButton* b) {
            WhenModal finestra([&](QDialog* d) { finestres << d->objectName(); });
            b->click();
        };
        BotoPersiana* p = f.persiana("Persiana0");
        const bool obre = r.demanar == 0 || r.concedeix;
        QVERIFY(f.boto("bEines_2")->icon().isNull()); // drawn when its blind first opens
        clica(p);
        QCOMPARE(p->oberta(), obre);
        QCOMPARE(f.boto("bEines_2")->isVisible(), obre);
        if (obre) {
            QVERIFY(!f.boto("bEines_2")->icon().isNull());
            clica(p); // closing never asks
            QVERIFY(!p->oberta() && !f.boto("bEines_2")->isVisible());
            clica(p);
            clica(f.boto("bEines_0")); // closes the blind once the prompt is on
            QCOMPARE(p->oberta(), r.demanar == 0);
        }
        QCOMPARE(finestres.join(' ') + "|" + f.so.played.join(' '),
                 QString(r.finestres) + "|" + r.sons);
    }

    // The level editor opens without the hourglass left over it; the board shows a pupil whose
    // own picture is gone the front page's default one; a printer that cannot be opened (a PDF to
    // be written where a folder stands) is said.
    void finestres() {
        Front f(alumne(1, "Arnau", 1, "gone.png"));
        bool ocupat = true;
        WhenModal editor("fConfig", [&](QDialog*) {
            QCoreApplication::processEvents();
            ocupat = QApplication::overrideCursor() != nullptr;
        });
        f.boto("bEines_1")->click();
        QVERIFY(editor.ran() && !ocupat && !QApplication::overrideCursor());
        f.pestanya(1);
        QIcon icona;
        WhenModal pissarra("Pissarra", [&](QDialog* d) {
            if (auto* imatge = d->findChild<QPushButton*>("Imatge"); imatge && imatge->isVisible())
                icona = imatge->icon();
        });
        f.boto("ImatgeGrup")->click();
        QVERIFY(pissarra.ran() && !icona.pixmap(QSize(64, 64), QIcon::Disabled).isNull());
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(f.c.path());
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
            emit static_cast<QPrintPreviewDialog*>(d)->paintRequested(&impressora);
        });
        CaptaMissatges capta;
        f.boto("bEines_8")->click();
        QVERIFY(vista.ran());
        QCOMPARE(capta.textos(), QStringList{"Error en imprimir"});
    }

    void idioma() {
        Front f;
        f.c.escriu(f.c.dat("Delfines"), alumne(7, "Luc\355a"));
        f.persiana("Persiana0")->click();
        WhenModal tria("fIdioma", [](QDialog* d) {
            d->findChild<QListWidget*>("Disponibles")->setCurrentRow(1);
            d->findChild<QPushButton*>(QString::fromUtf8("Botó_1"))->click();
        });
        f.boto("bEines_2")->click();
        QVERIFY(tria.ran());
        QCOMPARE(QStringList({f.w->windowTitle(), f.grup(13)->accessibleName(),
                              f.boto("bEines_2")->toolTip(), f.boto("bSortida")->accessibleName(),
                              f.text("lblNivell")})
                     .join('|'),
                 " XIFRUM 5.0: Delfines|Tiburones| Cambiar el idioma |Salir del programa|Nombre");
        f.pestanya(1);
        QCOMPARE(f.columnes({0, 1}) << f.relacio()->horizontalHeaderItem(2)->text(),
                 (QStringList{"7", "Lucía", "Cardinales"}));
        // Basque's title is smaller.
        Front basc(kDofins, 3);
        QCOMPARE(basc.fill("lblPrograma_0")->font().pointSize(), 16);
        QCOMPARE(basc.grup(1)->accessibleName(), QString("Izurdeak"));
    }
};

QTEST_MAIN(TestPortada)
#include "tst_Portada.moc"
