#include "BotoPersiana.h"
#include "ConfigGrup.h"
#include "FitxerNivells.h"
#include "FitxersProva.h"
#include "Portada.h"
#include "PortadaLayout.h"
#include "ProgramFolder.h"
#include "RecordingSoundPlayer.h"
#include "Rutes.h"
#include "Sessio.h"
#include "TabPicture.h"
#include "Units.h"
#include "WhenModal.h"
#include "fIdioma.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// What the level-set file of a test group holds.
enum class Joc { Cap, Defecte, Carpeta, Buit, Zeros, Tallat };

// A 65-byte pupil record laid out by hand: number, name (padded to 35), nine levels, picture
// (padded to 20).
QByteArray rec(int numero, const QByteArray& nom, const QByteArray& nivells,
               const QByteArray& imatge = {}) {
    QByteArray b;
    b += char(numero);
    b += nom + QByteArray(35 - nom.size(), ' ');
    b += nivells;
    b += imatge + QByteArray(20 - imatge.size(), ' ');
    return b;
}

// Three pupils in file order 3, (empty slot), 1, 2; Bet has finished activity 1.
const QByteArray kDofins = rec(3, "Carla", "\x04\x01\x01\x01\x05\x01\x01\x01\x01") +
                           QByteArray(65, '\0') +
                           rec(1, "Arnau", "\x02\x03\x01\x01\x01\x01\x01\x01\x01") +
                           rec(2, "Bet", QByteArray("\x00\x06\x01\x01\x02\x01\x01\x01\x01", 9));

void escriu(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray llista(int alumnes) {
    QByteArray b;
    for (int i = 1; i <= alumnes; ++i)
        b += rec(i, "Alumne " + QByteArray::number(i), "\x01\x01\x01\x01\x01\x01\x01\x01\x01");
    return b;
}

// The text of the message box a flow shows, read from inside its modal loop. Empty when no box
// came up.
class CaptaMissatge {
public:
    CaptaMissatge() {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                if (auto* text = box->findChild<QLabel*>("Text"))
                    text_ = text->text();
                nom_ = box->metaObject()->className();
                box->done(QDialog::Rejected);
            }
        });
    }
    QString text() {
        QCoreApplication::processEvents();
        return text_;
    }
    QString finestra() {
        QCoreApplication::processEvents();
        return nom_;
    }

private:
    QString text_;
    QString nom_;
};

class Front {
public:
    explicit Front(int idioma = 0, int grup = 1) {
        QDir(dir.path()).mkpath(ProgramFolder::kDat);
        QDir(dir.path()).mkpath(ProgramFolder::kNiv);
        QDir(dir.path()).mkpath(ProgramFolder::kImatges);
        sessio.carpeta = dir.path();
        sessio.general.Idioma = int16_t(idioma);
        sessio.general.GrupActual = int16_t(grup);
        sessio.grup = LlegirConfigGrup(dir.path(), grup);
    }

    void obre() {
        window = std::make_unique<Portada>(sessio, so);
        window->setAnimacions(false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T> T* find(const QString& name) const {
        T* w = window->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QAbstractButton* grup(int n) const {
        return find<QAbstractButton>(QStringLiteral("Grup_%1").arg(n));
    }
    QTabWidget* llistes() const { return find<QTabWidget>("Llistes"); }
    QTableWidget* relacio() const { return find<QTableWidget>(QString::fromUtf8("Relació")); }
    QString label(const char* name) const { return find<QLabel>(QString::fromUtf8(name))->text(); }
    BotoPersiana* persiana(const char* name) const { return find<BotoPersiana>(name); }
    // Gives `inici` (the tab bar when null) the focus, presses `tecla` `vegades` times and names
    // each control the focus lands on ("" for the tab bar).
    QStringList tabula(int vegades, Qt::Key tecla, QWidget* inici = nullptr) const {
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            return {"window not active"};
        (inici ? inici : llistes()->tabBar())->setFocus();
        QStringList noms;
        for (int i = 0; i < vegades; ++i) {
            QTest::keyClick(QApplication::focusWidget(), tecla);
            noms << QApplication::focusWidget()->objectName();
        }
        return noms;
    }

    void pestanya(int t) const {
        QTabBar* bar = llistes()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(t).center());
    }
    void fila(int r) const {
        QTableWidget* g = relacio();
        const QRect cell = g->visualRect(g->model()->index(r, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QStringList columna(int c) const {
        QStringList texts;
        for (int r = 0; r < relacio()->rowCount(); ++r)
            texts << (relacio()->item(r, c) ? relacio()->item(r, c)->text() : QString());
        return texts;
    }
    QString dat(const QString& nom) const {
        return ProgramFolder::path(dir.path(), QString(ProgramFolder::kDat) + '/' + nom);
    }
    // The group's level set `nom`, its file holding `fitxer`.
    void nivellAssignat(const QString& nom, Joc fitxer = Joc::Defecte) {
        ConfigGrup g = LlegirConfigGrup(dir.path(), sessio.general.GrupActual);
        g.NomNivell = nom;
        QVERIFY(DesarConfigGrup(dir.path(), sessio.general.GrupActual, g));
        const QString niv = RutaNivell(dir.path(), nom);
        QByteArray defecte;
        if (fitxer != Joc::Cap && fitxer != Joc::Carpeta) {
            QVERIFY(FitxerNivells::creaSiFalta(niv));
            defecte = readFile(niv);
        }
        if (fitxer == Joc::Carpeta)
            QVERIFY(QDir().mkpath(niv));
        else if (fitxer == Joc::Buit || fitxer == Joc::Zeros)
            escriu(niv, fitxer == Joc::Buit ? QByteArray() : QByteArray(90 * 14, '\0'));
        else if (fitxer == Joc::Tallat) // ends inside the first Sumar record
            escriu(niv, defecte.left(40 * 14 + 7));
        sessio.grup = g;
    }
    bool blau(int n) const {
        return grup(n)->palette().color(QPalette::Button) == QColor(0, 0, 255);
    }

    QTemporaryDir dir;
    Sessio sessio;
    RecordingSoundPlayer so;
    std::unique_ptr<Portada> window;
};

} // namespace

class TestPortada : public QObject {
    Q_OBJECT
private slots:
    void startUpInAnEmptyFolder() {
        Front f;
        f.obre();
        QCOMPARE(f.so.played, QStringList{"1"});
        QCOMPARE(f.window->windowTitle(), QString(" XIFRUM 5.0: Dofins"));
        QVERIFY(f.blau(1));
        for (int n = 2; n <= 16; ++n)
            QVERIFY2(!f.blau(n), qPrintable(QString::number(n)));
        for (int t = 0; t < 10; ++t)
            QVERIFY(f.llistes()->isTabVisible(t));
        QVERIFY(f.find<QWidget>("pGrups")->isVisible());
        QVERIFY(!f.find<QWidget>("Panel")->isVisible());
        QCOMPARE(f.persiana("Persiana")->height(), tw(4095));
        QCOMPARE(f.persiana("Persiana0")->width(), tw(5370));
        QCOMPARE(f.find<QWidget>("Pany")->y(), tw(3900));
        QCOMPARE(f.find<QWidget>("Pany0")->x(), tw(5160));
        QCOMPARE(f.label("lblPrograma_0"), QString("XIFRUM 5.0"));
        QCOMPARE(f.label("lblAutor"), QString("Quadern de matemàtiques per a primària"));
        QCOMPARE(f.find<QLabel>("lblPrograma_1")->font().pointSize(), 20);
        // A fresh folder gets no pupil file from merely starting.
        QVERIFY(!QFile::exists(f.dat("Dofins.dat")));
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame1") << "Frame1" << QRect(1230, 1470, 6030, 1410);
        QTest::newRow("Frame2") << "Frame2" << QRect(0, 120, 7335, 720);
        QTest::newRow("tNom") << "tNom" << QRect(1200, 300, 4935, 360);
        QTest::newRow("lblNom over the level") << "lblNom" << QRect(6360, 60, 765, 240);
        QTest::newRow("pEines") << "pEines" << QRect(7620, 1560, 1215, 4155);
        QTest::newRow("bEines_1") << "bEines_1" << QRect(465, 0, 1630, 615);
        QTest::newRow("bEines_0") << "bEines_0" << QRect(2100, 0, 1630, 615);
        QTest::newRow("bEines_2") << "bEines_2" << QRect(3735, 0, 1630, 615);
        QTest::newRow("Grup_1 top left") << "Grup_1" << QRect(0, 0, 1215, 1455);
        QTest::newRow("Grup_8 middle left") << "Grup_8" << QRect(0, 1455, 1215, 1455);
        QTest::newRow("Grup_9 middle right") << "Grup_9" << QRect(7290, 1455, 1215, 1455);
        QTest::newRow("Grup_16 bottom right") << "Grup_16" << QRect(7290, 2910, 1215, 1455);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        Front f;
        f.obre();
        const QRect px(tw(twips.x()), tw(twips.y()), tw(twips.width()), tw(twips.height()));
        QCOMPARE(f.find<QWidget>(QString::fromUtf8(name.toUtf8()))->geometry(), px);
    }

    void tabsFollowTheGroupsActivities_data() {
        QTest::addColumn<QByteArray>("activitats");
        QTest::addColumn<QList<int>>("visibles");
        QTest::newRow("101000001") << QByteArray("101000001") << QList<int>{0, 1, 3, 9};
        QTest::newRow("all") << QByteArray("111111111") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("division only") << QByteArray("000000001") << QList<int>{0, 9};
    }
    void tabsFollowTheGroupsActivities() {
        QFETCH(QByteArray, activitats);
        QFETCH(QList<int>, visibles);
        Front f;
        ConfigGrup g;
        g.Activitats = activitats;
        QVERIFY(DesarConfigGrup(f.dir.path(), 2, g));
        f.obre();
        QTest::mouseClick(f.grup(2), Qt::LeftButton);
        QTabBar* bar = f.llistes()->tabBar();
        QList<int> shown;
        for (int t = 0; t < 10; ++t)
            if (f.llistes()->isTabVisible(t))
                shown << t;
        QCOMPARE(shown, visibles);
        // One row, sharing the bar's width.
        int total = 0;
        for (int t : shown) {
            QCOMPARE(bar->tabRect(t).y(), bar->tabRect(0).y());
            total += bar->tabRect(t).width();
        }
        QVERIFY(total <= f.llistes()->width());
        QVERIFY(total >= f.llistes()->width() - 2 * int(shown.size()) - 8);
    }

    void pressingTheChosenGroupDoesNothing() {
        Front f;
        f.obre();
        // A change on disk is not picked up: nothing is re-read.
        ConfigGrup g;
        g.Activitats = "100000000";
        QVERIFY(DesarConfigGrup(f.dir.path(), 1, g));
        QTest::mouseClick(f.grup(1), Qt::LeftButton);
        QCOMPARE(f.so.played, QStringList{"1"});
        QVERIFY(f.llistes()->isTabVisible(5));
        QVERIFY(f.blau(1));
    }

    void choosingAGroup_data() {
        QTest::addColumn<int>("grup");
        QTest::addColumn<QString>("titol");
        QTest::newRow("lions") << 5 << " XIFRUM 5.0: Lleons";
        QTest::newRow("giraffes") << 16 << " XIFRUM 5.0: Girafes";
    }
    void choosingAGroup() {
        QFETCH(int, grup);
        QFETCH(QString, titol);
        Front f;
        f.obre();
        QTest::mouseClick(f.grup(grup), Qt::LeftButton);
        QCOMPARE(f.so.played, (QStringList{"1", QString::number(grup)}));
        QCOMPARE(f.window->windowTitle(), titol);
        QCOMPARE(int(f.sessio.general.GrupActual), grup);
        QVERIFY(f.blau(grup));
        QVERIFY(!f.blau(1));
    }

    void keyboardChoosesAGroup() {
        Front f;
        f.obre();
        f.grup(3)->setFocus();
        QTest::keyClick(f.grup(3), Qt::Key_Return);
        QCOMPARE(int(f.sessio.general.GrupActual), 3);
        f.grup(4)->setFocus();
        QTest::keyClick(f.grup(4), Qt::Key_Space);
        QCOMPARE(int(f.sessio.general.GrupActual), 4);
    }

    void openingATabReadsTheSortedList() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        QCOMPARE(f.so.last(), QString("20"));
        QVERIFY(f.find<QWidget>("Panel")->isVisible());
        QVERIFY(!f.find<QWidget>("pGrups")->isVisible());
        QCOMPARE(f.columna(0), (QStringList{"1", "2", "3"}));
        QCOMPARE(f.columna(1).at(0).trimmed(), QString("Arnau"));
        QCOMPARE(f.columna(2), (QStringList{"2", "-", "4"}));
        QCOMPARE(f.columna(11), (QStringList{"3", "4", "1"}));
        QTableWidget* g = f.relacio();
        QCOMPARE(g->horizontalHeaderItem(0)->text(), QString("Núm"));
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QString("Nom"));
        QCOMPARE(g->horizontalHeaderItem(2)->text(), QString("Cardinals"));
        QCOMPARE(g->columnWidth(0), tw(600));
        QCOMPARE(g->columnWidth(1), tw(5175));
        QCOMPARE(g->columnWidth(2), tw(1500));
        for (int c = 3; c <= 12; ++c)
            QVERIFY(g->isColumnHidden(c));
        QCOMPARE(g->height(), tw(4 * 285 + 90));
        // The first pupil is selected, the whole row.
        QCOMPARE(g->currentRow(), 0);
        QCOMPARE(g->selectionModel()->selectedIndexes().size(), 13);
        QCOMPARE(f.label("tNom"), QString("Arnau"));
        QCOMPARE(f.button("bEines_7")->toolTip(), QString(" Veure l'historial: Arnau"));
        // Back to the groups.
        f.pestanya(0);
        QVERIFY(!f.find<QWidget>("Panel")->isVisible());
        QVERIFY(f.find<QWidget>("pGrups")->isVisible());
    }

    // Every tab shows its whole caption picture, centred in the tab, whichever tab is current.
    void tabPicturesAreWhole_data() {
        QTest::addColumn<int>("actual");
        QTest::newRow("front page") << 0;
        QTest::newRow("a list") << 5;
    }
    void tabPicturesAreWhole() {
        QFETCH(int, actual);
        Front f;
        f.obre();
        f.pestanya(actual);
        QTabBar* barra = f.llistes()->tabBar();
        const QImage img = barra->grab().toImage();
        const QRgb gris = TabPicture::background().rgb();
        for (int t = 0; t < barra->count(); ++t) {
            const QRect tab = barra->tabRect(t);
            int primer = -1, darrer = -1;
            for (int x = tab.left(); x <= tab.right(); ++x) {
                for (int y = tab.top(); y <= tab.bottom(); ++y) {
                    if (img.pixel(x, y) == gris) {
                        primer = primer < 0 ? x : primer;
                        darrer = x;
                        break;
                    }
                }
            }
            QVERIFY2(primer > tab.left() && darrer < tab.right(), qPrintable(QString::number(t)));
            QCOMPARE(darrer - primer + 1, TabPicture::kWidth);
            QVERIFY(qAbs((primer - tab.left()) - (tab.right() - darrer)) <= 1);
        }
    }

    // The grid is built when a list is first shown, in its place in the tab order: from the tab
    // bar, Tab reaches the grid, then the pupil's picture, then the blind.
    void gridComesWithTheFirstListInItsTabOrder() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        QVERIFY(!f.window->findChild<QTableWidget*>(QString::fromUtf8("Relació")));
        f.pestanya(1);
        QVERIFY(f.relacio());
        f.fila(0);
        QVERIFY(f.button("ImatgeGrup")->isEnabled());
        QCOMPARE(f.tabula(3, Qt::Key_Tab), QStringList({"Relació", "ImatgeGrup", "Persiana"}));
    }

    // Everything a teacher or a pupil acts on is reached with Tab, in reading order, and Tab and
    // Shift+Tab walk the same circle both ways; Space and Enter act on what has the focus.
    void keyboardReachesEveryControl() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.nivellAssignat("Prova");
        f.obre();
        QStringList portada{""}; // the tab bar
        for (int g = 1; g <= 16; ++g)
            portada << QStringLiteral("Grup_%1").arg(g);
        portada << "bSortida"
                << "Persiana0";
        const QStringList endavant = portada.mid(1) << "";
        QCOMPARE(f.tabula(int(portada.size()), Qt::Key_Tab), endavant);
        std::reverse(portada.begin(), portada.end());
        QCOMPARE(f.tabula(int(portada.size()), Qt::Key_Backtab), portada);

        QTest::keyClick(f.persiana("Persiana0"), Qt::Key_Space);
        QVERIFY(f.persiana("Persiana0")->oberta());
        QCOMPARE(f.tabula(4, Qt::Key_Tab, f.persiana("Persiana0")),
                 QStringList({"bEines_1", "bEines_0", "bEines_2", ""}));
        QTest::keyClick(f.persiana("Persiana0"), Qt::Key_Return);
        QVERIFY(!f.persiana("Persiana0")->oberta());

        QTest::keyClick(f.llistes()->tabBar(), Qt::Key_Right); // Cardinals
        f.persiana("Persiana")->click();
        QStringList llista{"Relació", "ImatgeGrup", "Persiana"};
        for (int i = 3; i <= 8; ++i)
            llista << QStringLiteral("bEines_%1").arg(i);
        llista << ""; // back to the tab bar
        QCOMPARE(f.tabula(int(llista.size()), Qt::Key_Tab), llista);
        int obert = 0;
        f.window->setObrePissarra([&] { ++obert; });
        for (Qt::Key tecla : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(f.button("ImatgeGrup"), tecla);
        QCOMPARE(obert, 3);
    }

    void longListsScroll() {
        Front f;
        escriu(f.dat("Dofins.dat"), llista(20));
        f.obre();
        f.pestanya(1);
        QTableWidget* g = f.relacio();
        QCOMPARE(g->rowCount(), 20);
        QCOMPARE(g->height(), tw(4650));
        QCOMPARE(g->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(g->columnWidth(1), tw(4930));
    }

    void selectingAPupil_data() {
        QTest::addColumn<int>("pestanya");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("nivell");
        QTest::addColumn<bool>("activa");
        QTest::newRow("Bet, cardinals finished") << 1 << 1 << "2"
                                                 << "Bet"
                                                 << "-" << false;
        QTest::newRow("Bet, ordinals") << 2 << 1 << "2"
                                       << "Bet"
                                       << "6" << true;
        QTest::newRow("Carla, addition") << 5 << 2 << "3"
                                         << "Carla"
                                         << "5" << true;
    }
    void selectingAPupil() {
        QFETCH(int, pestanya);
        QFETCH(int, fila);
        QFETCH(QString, numero);
        QFETCH(QString, nom);
        QFETCH(QString, nivell);
        QFETCH(bool, activa);
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(pestanya);
        f.fila(fila);
        QCOMPARE(f.relacio()->currentRow(), fila);
        QCOMPARE(f.label("tNúmero"), numero);
        QCOMPARE(f.label("tNom"), nom);
        QCOMPARE(f.label("tNivell"), nivell);
        QCOMPARE(f.button("ImatgeGrup")->isEnabled(), activa);
        QCOMPARE(f.button("ImatgeGrup")->accessibleName(), nom);
        QCOMPARE(f.sessio.registre.Nom.trimmed(), nom);
        QCOMPARE(int(f.sessio.registre.Numero), numero.toInt());
    }

    void arrowKeysMoveThroughTheList() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        QTest::keyClick(f.relacio(), Qt::Key_Down);
        QCOMPARE(f.label("tNom"), QString("Bet"));
        QTest::keyClick(f.relacio(), Qt::Key_Down);
        QCOMPARE(f.label("tNom"), QString("Carla"));
        QCOMPARE(f.label("tNivell"), QString("4"));
        QTest::keyClick(f.relacio(), Qt::Key_Up);
        QCOMPARE(int(f.sessio.registre.Numero), 2);
    }

    void movingBetweenActivitiesKeepsTheRow() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        f.fila(2);
        // A pupil added on disk meanwhile shows up: the list is read again.
        QFile dat(f.dat("Dofins.dat"));
        QVERIFY(dat.open(QIODevice::Append));
        dat.write(rec(4, "Dani", "\x01\x01\x01\x01\x01\x01\x01\x01\x01"));
        dat.close();
        f.pestanya(2);
        QCOMPARE(f.relacio()->rowCount(), 4);
        QCOMPARE(f.relacio()->currentRow(), 2);
        QCOMPARE(f.label("tNivell"), QString("1"));
        QVERIFY(!f.relacio()->isColumnHidden(3));
        QVERIFY(f.relacio()->isColumnHidden(2));
        QCOMPARE(f.so.played, (QStringList{"1", "20", "20"}));
    }

    void anEmptyList() {
        Front f;
        f.obre();
        f.pestanya(3);
        QTableWidget* g = f.relacio();
        QCOMPARE(g->rowCount(), 1); // the blank line under the headings
        QCOMPARE(g->height(), tw(345));
        QCOMPARE(f.label("tNom"), QString());
        QVERIFY(!f.button("ImatgeGrup")->isEnabled());
        f.pestanya(5);
        QVERIFY(!g->isColumnHidden(6));
        QVERIFY(g->isColumnHidden(4));
        QCOMPARE(g->columnWidth(6), tw(1500));
        // Starting the board on an empty list says nothing and opens nothing.
        f.nivellAssignat("Normal");
        int obertes = 0;
        f.window->setObrePissarra([&] { ++obertes; });
        CaptaMissatge missatge;
        f.window->iniciaPissarra();
        QCOMPARE(missatge.text(), QString());
        QCOMPARE(obertes, 0);
    }

    void startingTheBoard_data() {
        QTest::addColumn<QString>("nivell");
        QTest::addColumn<Joc>("fitxer");
        QTest::addColumn<int>("pestanya");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("missatge");
        QTest::addColumn<int>("obertes");
        const QString noAssignat = "Aquest grup no té assignat un nivell";
        const QString noLlegible = "No es pot llegir el nivell d'aquest grup.";
        QTest::newRow("no level set") << "" << Joc::Cap << 1 << 0 << noAssignat << 0;
        QTest::newRow("blank level set") << "   " << Joc::Cap << 1 << 0 << noAssignat << 0;
        QTest::newRow("level set missing")
            << "Prova" << Joc::Cap << 1 << 0 << "No s'ha trobat el nivell d'aquest grup" << 0;
        QTest::newRow("finished, even with no level set")
            << "" << Joc::Cap << 1 << 1 << noAssignat << 0;
        QTest::newRow("activity finished")
            << "Prova" << Joc::Defecte << 1 << 1 << "Aquesta activitat ja l'has superada!" << 0;
        QTest::newRow("opens") << "Prova" << Joc::Defecte << 1 << 0 << "" << 1;
        QTest::newRow("a folder for a set") << "Prova" << Joc::Carpeta << 1 << 0 << noLlegible << 0;
        QTest::newRow("empty set") << "Prova" << Joc::Buit << 1 << 0 << noLlegible << 0;
        QTest::newRow("a level of zeros") << "Prova" << Joc::Zeros << 1 << 0 << noLlegible << 0;
        QTest::newRow("cut short before the level")
            << "Prova" << Joc::Tallat << 5 << 0 << noLlegible << 0;
        QTest::newRow("cut short after the level") << "Prova" << Joc::Tallat << 1 << 0 << "" << 1;
    }
    void startingTheBoard() {
        QFETCH(QString, nivell);
        QFETCH(Joc, fitxer);
        QFETCH(int, pestanya);
        QFETCH(int, fila);
        QFETCH(QString, missatge);
        QFETCH(int, obertes);
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.nivellAssignat(nivell, fitxer);
        f.obre();
        int obert = 0;
        f.window->setObrePissarra([&] { ++obert; });
        f.pestanya(pestanya);
        f.fila(fila);
        CaptaMissatge capta;
        // A finished activity greys the picture out, so the start is forced.
        if (f.button("ImatgeGrup")->isEnabled())
            QTest::mouseClick(f.button("ImatgeGrup"), Qt::LeftButton);
        else
            f.window->iniciaPissarra();
        QCOMPARE(capta.text(), missatge);
        QCOMPARE(obert, obertes);
    }

    // The board shows what the front page shows for the pupil: the default picture when the
    // pupil's own file is gone.
    void theBoardShowsTheDefaultPictureOfAPupilWithoutOne() {
        Front f;
        escriu(f.dat("Dofins.dat"), rec(1, "Arnau", QByteArray(9, 1), "gone.png"));
        f.nivellAssignat("Prova");
        f.obre();
        f.pestanya(1);
        QIcon icona;
        WhenModal board("Pissarra", [&](QDialog* d) {
            auto* imatge = d->findChild<QPushButton*>("Imatge");
            if (imatge && imatge->isVisible())
                icona = imatge->icon();
        });
        QTest::mouseClick(f.button("ImatgeGrup"), Qt::LeftButton);
        QVERIFY(board.ran());
        QVERIFY(!icona.pixmap(QSize(64, 64), QIcon::Disabled).isNull());
    }

    // The hourglass covers the level editor's opening, not the teacher's work in it.
    void theLevelEditorWorksWithTheNormalPointer() {
        Front f;
        f.obre();
        bool ocupat = true;
        WhenModal editor("fConfig", [&](QDialog*) {
            QCoreApplication::processEvents();
            ocupat = QApplication::overrideCursor() != nullptr;
        });
        f.button("bEines_1")->click();
        QVERIFY(editor.ran());
        QVERIFY(!ocupat);
        QVERIFY(!QApplication::overrideCursor());
    }

    void theBoardReportsAPassedLevel() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.nivellAssignat("Prova");
        f.obre();
        f.pestanya(5);
        f.fila(2); // Carla, addition level 5
        f.window->setObrePissarra([&] { f.window->nivellSuperat(5, "6"); });
        QTest::mouseClick(f.button("ImatgeGrup"), Qt::LeftButton);
        QCOMPARE(f.relacio()->item(2, 6)->text(), QString("6"));
        QCOMPARE(f.label("tNivell"), QString("6"));
        QCOMPARE(int(f.sessio.registre.Nivell[4]), 6);
        // Another activity's cell changes without touching the level shown.
        f.window->nivellSuperat(2, "2");
        QCOMPARE(f.relacio()->item(2, 3)->text(), QString("2"));
        QCOMPARE(f.label("tNivell"), QString("6"));
        // The last level: the activity is finished and cannot be started again.
        f.window->nivellSuperat(5, "-");
        QCOMPARE(f.label("tNivell"), QString("-"));
        QVERIFY(!f.button("ImatgeGrup")->isEnabled());
    }

    void blindsOpenWithoutAPromptWhenNoneIsAsked() {
        Front f;
        f.obre();
        int preguntes = 0;
        f.window->setDemanaClau([&] {
            ++preguntes;
            return false;
        });
        // A tool's picture is drawn when its blind first opens.
        QVERIFY(f.button("bEines_2")->icon().isNull());
        QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        QVERIFY(f.persiana("Persiana0")->oberta());
        QCOMPARE(f.persiana("Persiana0")->width(), tw(465));
        QCOMPARE(f.find<QWidget>("Pany0")->x(), tw(270));
        QVERIFY(f.button("bEines_2")->isVisible());
        QVERIFY(!f.button("bEines_2")->icon().isNull());
        QCOMPARE(f.so.last(), QString("21"));
        QCOMPARE(preguntes, 0);

        QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        QVERIFY(!f.persiana("Persiana0")->oberta());
        QCOMPARE(f.persiana("Persiana0")->width(), tw(5370));
        QCOMPARE(f.find<QWidget>("Pany0")->x(), tw(5160));
        QVERIFY(!f.button("bEines_2")->isVisible());
        QCOMPARE(f.so.played, (QStringList{"1", "21", "21"}));
    }

    void theVerticalBlind() {
        Front f;
        f.obre();
        f.pestanya(1);
        BotoPersiana* p = f.persiana("Persiana");
        // With animations on, the blind steps; finishing at once lands on the same end.
        f.window->setAnimacions(true);
        QTest::mouseClick(p, Qt::LeftButton);
        f.window->setAnimacions(false);
        QCOMPARE(p->height(), tw(405));
        QCOMPARE(f.find<QWidget>("Pany")->y(), tw(210));
        QVERIFY(f.find<QWidget>("Pany")->isVisible());
        QVERIFY(f.button("bEines_8")->isVisible());
        QVERIFY(!f.button("bEines_8")->icon().isNull());
        f.window->TancaPersiana();
        QCOMPARE(p->height(), tw(4095));
        QCOMPARE(f.find<QWidget>("Pany")->y(), tw(3900));
    }

    void thePromptDecides_data() {
        QTest::addColumn<bool>("grant");
        QTest::newRow("granted") << true;
        QTest::newRow("refused") << false;
    }
    void thePromptDecides() {
        QFETCH(bool, grant);
        Front f;
        f.sessio.general.Demanar = 1;
        f.obre();
        int preguntes = 0;
        f.window->setDemanaClau([&] {
            ++preguntes;
            return grant;
        });
        QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        QCOMPARE(preguntes, 1);
        QCOMPARE(f.persiana("Persiana0")->oberta(), grant);
        QCOMPARE(f.so.played.contains("21"), grant);
        // Closing never asks.
        if (grant) {
            QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
            QCOMPARE(preguntes, 1);
            QVERIFY(!f.persiana("Persiana0")->oberta());
        }
    }

    // The program's own windows, when nothing replaces them.
    void thePasswordWindowsOpen_data() {
        QTest::addColumn<int>("demanar");
        QTest::addColumn<QString>("boto");
        QTest::addColumn<QString>("finestra");
        QTest::newRow("prompt before the blind") << 1 << "Persiana0"
                                                 << "Pas";
        QTest::newRow("password change") << 0 << "bEines_0"
                                         << "Contrasenya";
    }
    void thePasswordWindowsOpen() {
        QFETCH(int, demanar);
        QFETCH(QString, boto);
        QFETCH(QString, finestra);
        Front f;
        f.sessio.general.Demanar = uint8_t(demanar);
        f.obre();
        if (boto == "bEines_0")
            QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        CaptaMissatge capta;
        QTest::mouseClick(f.find<QAbstractButton>(boto), Qt::LeftButton);
        QCOMPARE(capta.finestra(), finestra);
        // Closed without a password: the blind stays as it was.
        QCOMPARE(f.persiana("Persiana0")->oberta(), demanar == 0);
    }

    void passwordToolClosesTheBlindWhenThePromptIsOn_data() {
        QTest::addColumn<int>("demanar");
        QTest::addColumn<bool>("oberta");
        QTest::newRow("prompt switched on") << 1 << false;
        QTest::newRow("no prompt") << 0 << true;
    }
    void passwordToolClosesTheBlindWhenThePromptIsOn() {
        QFETCH(int, demanar);
        QFETCH(bool, oberta);
        Front f;
        f.obre();
        int canvis = 0;
        f.window->setCanviaClau([&] {
            ++canvis;
            f.sessio.general.Demanar = uint8_t(demanar);
        });
        QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        QTest::mouseClick(f.button("bEines_0"), Qt::LeftButton);
        QCOMPARE(canvis, 1);
        QCOMPARE(f.persiana("Persiana0")->oberta(), oberta);
        QCOMPARE(f.so.played.mid(1, 2), (QStringList{"21", "20"}));
    }

    void theHundredPupilLimit_data() {
        QTest::addColumn<int>("alumnes");
        QTest::addColumn<QString>("missatge");
        QTest::newRow("100 pupils") << 100 << "La llista no admet més registres!";
        QTest::newRow("99 pupils") << 99 << "";
    }
    void theHundredPupilLimit() {
        QFETCH(int, alumnes);
        QFETCH(QString, missatge);
        Front f;
        escriu(f.dat("Dofins.dat"), llista(alumnes));
        f.obre();
        f.pestanya(1);
        QCOMPARE(f.relacio()->rowCount(), alumnes);
        QTest::mouseClick(f.persiana("Persiana"), Qt::LeftButton);
        CaptaMissatge capta;
        QTest::mouseClick(f.button("bEines_4"), Qt::LeftButton);
        QCOMPARE(capta.text(), missatge);
        QCOMPARE(f.so.last(), QString("20"));
    }

    void printingOpensThePreview() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        QTest::mouseClick(f.persiana("Persiana"), Qt::LeftButton);
        CaptaMissatge capta;
        QTest::mouseClick(f.button("bEines_8"), Qt::LeftButton);
        QCOMPARE(capta.finestra(), QString("QPrintPreviewDialog"));
    }

    // A printer that cannot be opened (here a PDF to be written where a folder stands) is said.
    void aPrinterThatFailsIsSaid() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(f.dir.path());
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
            emit static_cast<QPrintPreviewDialog*>(d)->paintRequested(&impressora);
        });
        QString missatge;
        WhenModal caixa("Missatges",
                        [&](QDialog* d) { missatge = d->findChild<QLabel*>("Text")->text(); });
        f.button("bEines_8")->click();
        QVERIFY(vista.ran());
        QCOMPARE(missatge, QString("Error en imprimir"));
    }

    void languageChangeReappliesTexts() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        // Windows-1252 bytes on disk: 0xED is "í".
        escriu(f.dat("Delfines.dat"), rec(7,
                                          "Luc\xED"
                                          "a",
                                          "\x03\x03\x03\x03\x03\x03\x03\x03\x03"));
        f.obre();
        QTest::mouseClick(f.persiana("Persiana0"), Qt::LeftButton);
        bool vista = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<fIdioma*>(QApplication::activeModalWidget());
            QVERIFY(window);
            vista = true;
            auto* list = window->findChild<QListWidget*>("Disponibles");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(window->findChild<QPushButton*>(QString::fromUtf8("Botó_1")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(f.button("bEines_2"), Qt::LeftButton);
        QVERIFY(vista);
        QCOMPARE(f.window->windowTitle(), QString(" XIFRUM 5.0: Delfines"));
        QCOMPARE(f.grup(1)->accessibleName(), QString("Delfines"));
        QCOMPARE(f.grup(13)->accessibleName(), QString("Tiburones"));
        QCOMPARE(f.button("bEines_2")->toolTip(), QString(" Cambiar el idioma "));
        QCOMPARE(f.button("bEines_2")->accessibleName(), QString("Cambiar el idioma"));
        QCOMPARE(f.button("bSortida")->accessibleName(), QString("Salir del programa"));
        QCOMPARE(f.label("lblNivell"), QString("Nombre"));
        f.pestanya(1);
        QCOMPARE(f.columna(0), QStringList{"7"});
        QCOMPARE(f.label("tNom"), QString("Lucía"));
        QCOMPARE(f.relacio()->horizontalHeaderItem(2)->text(), QString("Cardinales"));
    }

    void basqueTitleIsSmaller() {
        Front f(3);
        f.obre();
        QCOMPARE(f.find<QLabel>("lblPrograma_0")->font().pointSize(), 16);
        QCOMPARE(f.grup(1)->accessibleName(), QString("Izurdeak"));
    }

    void everyActionableControlHasAName() {
        Front f;
        escriu(f.dat("Dofins.dat"), kDofins);
        f.obre();
        f.pestanya(1);
        for (QAbstractButton* b : f.window->findChildren<QAbstractButton*>()) {
            if (b->focusPolicy() == Qt::NoFocus || b->objectName() == QString::fromUtf8("Semàfor"))
                continue;
            QVERIFY2(!b->accessibleName().trimmed().isEmpty(), qPrintable(b->objectName()));
        }
        QCOMPARE(f.button("bEines_8")->accessibleName(), QString("Imprimir el llistat"));
        QCOMPARE(f.llistes()->tabBar()->accessibleTabName(5), QString("Sumar"));
    }

    void exitClosesTheWindowWithoutWritingTheSettings() {
        Front f;
        f.obre();
        QTest::mouseClick(f.button("bSortida"), Qt::LeftButton);
        QVERIFY(!f.window->isVisible());
        // The one write of General.cfg happens after the window's life, in the program.
        QVERIFY(!QFile::exists(ProgramFolder::generalCfg(f.dir.path())));
    }
    // --- Geometry rules, without a window ---

    void blindSteps_data() {
        QTest::addColumn<QList<int>>("passos");
        QTest::addColumn<int>("primer");
        QTest::addColumn<int>("segon");
        QTest::addColumn<int>("penultim");
        QTest::addColumn<int>("ultim");
        QTest::addColumn<int>("quants");
        namespace L = PortadaLayout;
        QTest::newRow("vertical opens")
            << L::passosObrir(4095, 405) << 4095 << 3895 << 495 << 405 << 20;
        QTest::newRow("horizontal opens")
            << L::passosObrir(5370, 465) << 5370 << 5170 << 570 << 465 << 26;
        QTest::newRow("vertical closes")
            << L::passosTancar(4095, 405) << 405 << 505 << 4005 << 4095 << 38;
        QTest::newRow("horizontal closes")
            << L::passosTancar(5370, 450) << 450 << 550 << 5350 << 5370 << 51;
    }
    void blindSteps() {
        QFETCH(QList<int>, passos);
        QFETCH(int, primer);
        QFETCH(int, segon);
        QFETCH(int, penultim);
        QFETCH(int, ultim);
        QFETCH(int, quants);
        QCOMPARE(passos.size(), quants);
        QCOMPARE(passos.at(0), primer);
        QCOMPARE(passos.at(1), segon);
        QCOMPARE(passos.at(passos.size() - 2), penultim);
        QCOMPARE(passos.last(), ultim);
    }

    void tallScreens_data() {
        QTest::addColumn<int>("pantalla");
        QTest::addColumn<int>("yGrups");
        QTest::addColumn<int>("yBarres");
        QTest::addColumn<int>("yPanel");
        QTest::addColumn<int>("altLlistes");
        const QRect grups = PortadaLayout::kGrups;
        const int barres = PortadaLayout::kSortida.y();
        const int panel = PortadaLayout::kPanel.y();
        const int llistes = PortadaLayout::kLlistes.height();
        QTest::newRow("480 pixels") << 7200 << grups.y() << barres << panel << llistes;
        QTest::newRow("600 pixels") << 9000 << 930 << 5730 << 690 << 6780;
        QTest::newRow("768 pixels") << 11520 << 930 << 5730 << 690 << 9300;
    }
    void tallScreens() {
        QFETCH(int, pantalla);
        QFETCH(int, yGrups);
        QFETCH(int, yBarres);
        QFETCH(int, yPanel);
        QFETCH(int, altLlistes);
        const PortadaLayout::Disposicio d = PortadaLayout::perPantalla(pantalla);
        QCOMPARE(d.grups.y(), yGrups);
        QCOMPARE(d.sortida.y(), yBarres);
        QCOMPARE(d.portada.y(), yBarres);
        QCOMPARE(d.panel.y(), yPanel);
        QCOMPARE(d.llistes.height(), altLlistes);
        QCOMPARE(d.grups.x(), PortadaLayout::kGrups.x());
        QCOMPARE(d.portada.x(), PortadaLayout::kPortada.x());
    }

    void gridShape_data() {
        QTest::addColumn<int>("pestanya");
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("buida");
        QTest::addColumn<int>("ampleNom");
        QTest::addColumn<bool>("barra");
        QTest::addColumn<int>("alcada");
        QTest::addColumn<int>("dalFarcit");
        QTest::addColumn<int>("altFarcit");
        QTest::newRow("empty") << 4 << 2 << true << 5175 << false << 345 << 1355 << 4315;
        QTest::newRow("3 pupils") << 1 << 4 << false << 5175 << false << 1230 << 2240 << 3430;
        QTest::newRow("15 pupils") << 9 << 16 << false << 5175 << false << 4650 << 5660 << 15;
        QTest::newRow("16 pupils") << 2 << 17 << false << 4930 << true << 4650 << 5660 << 15;
        QTest::newRow("100 pupils") << 7 << 101 << false << 4930 << true << 4650 << 5660 << 15;
    }
    void gridShape() {
        QFETCH(int, pestanya);
        QFETCH(int, files);
        QFETCH(bool, buida);
        QFETCH(int, ampleNom);
        QFETCH(bool, barra);
        QFETCH(int, alcada);
        QFETCH(int, dalFarcit);
        QFETCH(int, altFarcit);
        const PortadaLayout::FormatGraella f = PortadaLayout::formatGraella(pestanya, files, buida);
        std::array<int, 13> amples{};
        amples[0] = 600;
        amples[1] = ampleNom;
        amples[pestanya + 1] = 1500;
        QCOMPARE(f.amples, amples);
        QCOMPARE(f.barra, barra);
        QCOMPARE(f.alcada, alcada);
        QCOMPARE(f.farcit.y(), dalFarcit);
        QCOMPARE(f.farcit.height(), altFarcit);
    }
};

QTEST_MAIN(TestPortada)
#include "tst_Portada.moc"
