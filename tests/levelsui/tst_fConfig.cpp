#include "ConfigGrup.h"
#include "FitxerNivells.h"
#include "ProgramFolder.h"
#include "RecordingSoundPlayer.h"
#include "Rutes.h"
#include "Sessio.h"
#include "fConfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray record(const QByteArray& file, int k) {
    return file.mid((k - 1) * 14, 14);
}

// Answers the boxes that come up while a flow runs, from inside their modal loops: questions
// with the answers given ("No" once they run out), information boxes by accepting them. The
// print preview is handed to `vista`, when given, then closed. What each box said is kept.
class Caixes : public QObject {
public:
    explicit Caixes(QList<bool> respostes = {}) : respostes_(std::move(respostes)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &Caixes::mira);
        timer_.start();
    }
    QStringList textos;
    bool vistaPrevia = false;
    std::function<void(QPrintPreviewDialog*)> vista;

private:
    void mira() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* vista = qobject_cast<QPrintPreviewDialog*>(modal)) {
            vistaPrevia = true;
            if (this->vista)
                this->vista(vista);
            vista->reject();
            return;
        }
        if (!modal->inherits("Missatges"))
            return;
        textos << modal->findChild<QLabel*>("Text")->text();
        const bool informacio = !modal->findChild<QPushButton*>("Mou_0")->isVisible();
        const bool si = informacio || (!respostes_.isEmpty() && respostes_.takeFirst());
        modal->findChild<QPushButton*>(si ? "Mou_1" : "Mou_0")->click();
    }

    QList<bool> respostes_;
    QTimer timer_;
};

// The editor over a program folder of its own, for group 1.
struct Editor {
    QTemporaryDir dir;
    Sessio sessio;
    RecordingSoundPlayer so;
    std::unique_ptr<fConfig> finestra;

    Editor() {
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = 1;
        QDir().mkpath(dir.filePath("Inf/Niv"));
    }
    void creaJoc(const QString& nom) { QVERIFY(FitxerNivells::creaSiFalta(niv(nom))); }
    void obre() {
        finestra = std::make_unique<fConfig>(sessio, so);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    }
    template <typename T = QWidget> T* w(const QString& nom) const {
        T* found = finestra->findChild<T*>(nom);
        if (!found)
            qFatal("no control %s", qPrintable(nom));
        return found;
    }
    // Check boxes and option buttons are clicked on their mark.
    void clica(const QString& nom) {
        QWidget* control = w(nom);
        const bool marca = control->inherits("QCheckBox") || control->inherits("QRadioButton");
        QTest::mouseClick(control, Qt::LeftButton, {},
                          marca ? QPoint(8, control->height() / 2) : control->rect().center());
    }
    void premDigit(const QString& nom, Qt::MouseButton boto) { QTest::mousePress(w(nom), boto); }
    QTableWidget* graella() const { return w<QTableWidget>("Graella"); }
    void triaFila(int fila) {
        QTableWidget* g = graella();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(fila - 1, 2)).center());
    }
    QString cella(int fila, int columna) const {
        return graella()->item(fila - 1, columna)->text();
    }
    QStringList columna(int c) const {
        QStringList valors;
        for (int r = 1; r <= graella()->rowCount(); ++r)
            valors << cella(r, c);
        return valors;
    }
    void tanca() { clica("bTancar"); }
    QString niv(const QString& nom) const { return RutaNivell(dir.path(), nom); }
    QString ni2(const QString& nom) const { return RutaCopiaNivell(dir.path(), nom); }
    QString grupsCfg() const { return ProgramFolder::grupsCfg(dir.path()); }
    QStringList fitxers() const {
        return QDir(dir.filePath("Inf/Niv")).entryList(QDir::Files, QDir::Name);
    }
    QStringList llista() const {
        QStringList items;
        for (int i = 0; i < w<QComboBox>("ArxiusCfg")->count(); ++i)
            items << w<QComboBox>("ArxiusCfg")->itemText(i);
        return items;
    }
};

} // namespace

class TestfConfig : public QObject {
    Q_OBJECT
private slots:
    void opensTheGroupsSet() {
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.sessio.grup.NomNivell = "B";
        e.obre();
        QCOMPARE(e.finestra->windowTitle(), QString(" XIFRUM 5.0: Editar nivells"));
        QCOMPARE(e.llista(), (QStringList{"A", "B"}));
        QCOMPARE(e.w<QComboBox>("ArxiusCfg")->currentText(), QString("B"));
        QVERIFY(QFileInfo::exists(e.ni2("B")));
        QVERIFY(e.w("Panel1")->isVisible());
        QVERIFY(!e.w("OpcResta")->isVisible());
        QVERIFY(e.w<QLineEdit>("NouNom")->isHidden());
        QCOMPARE(e.graella()->horizontalHeaderItem(2)->toolTip(), QString("Fer"));
        QCOMPARE(e.graella()->item(0, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(e.w<QLabel>("Dades_1")->text(), QString("120"));
        QCOMPARE(e.w<QLabel>("Últim")->text(), QString("10"));
        e.tanca();
        QCOMPARE(e.fitxers(), (QStringList{"A.niv", "B.niv"}));
    }

    // The front page's way in: modal, and settled when it closes.
    void obreRunsModally() {
        Editor e;
        e.creaJoc("Joc");
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* finestra = qobject_cast<fConfig*>(QApplication::activeModalWidget());
            modal = finestra != nullptr;
            if (finestra)
                finestra->findChild<QPushButton*>("bTancar")->click();
        });
        fConfig::Obre(e.sessio, nullptr);
        QVERIFY(modal);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    void levelButtons_data() {
        QTest::addColumn<int>("nivells");
        QTest::addColumn<QString>("boto");
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("modificat");
        QTest::newRow("ten levels, more") << 10 << "MésNivells" << 10 << false;
        QTest::newRow("one level, fewer") << 1 << "MenysNivells" << 1 << false;
        QTest::newRow("one level, more") << 1 << "MésNivells" << 2 << true;
        QTest::newRow("ten levels, fewer") << 10 << "MenysNivells" << 9 << true;
    }
    void levelButtons() {
        QFETCH(int, nivells);
        QFETCH(QString, boto);
        QFETCH(int, files);
        QFETCH(bool, modificat);
        Editor e;
        e.sessio.grup.Nivells[2] = uint8_t(nivells);
        e.obre();
        e.clica("Fulls_3");
        e.triaFila(nivells);
        e.clica(boto);
        QCOMPARE(e.graella()->rowCount(), files);
        QCOMPARE(int(e.sessio.grup.Nivells[2]), files);
        QCOMPARE(e.finestra->jocs().Modificat(), modificat);
        QCOMPARE(e.graella()->currentRow() + 1, std::min(nivells, files));
    }

    void removedLevelsComeBackFromTheFile() {
        Editor e;
        e.obre();
        e.triaFila(10);
        e.w<QScrollBar>("Tirador_1")->setValue(999); // an edit the file never sees
        QCOMPARE(e.cella(10, 1), QString("999"));
        e.clica("MenysNivells");
        e.clica("MenysNivells");
        QCOMPARE(e.graella()->rowCount(), 8);
        QCOMPARE(e.w<QLabel>("Dades_1")->text(), QString("240"));
        e.clica("MésNivells");
        e.clica("MésNivells");
        QCOMPARE(int(e.sessio.grup.Nivells[0]), 10);
        const QStringList nou{"9", "270", "12", "5", "0   ", "10.000.000   "};
        const QStringList deu{"10", "300", "10", "5", "0   ", "100.000.000   "};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(e.cella(9, c), nou.at(c));
            QCOMPARE(e.cella(10, c), deu.at(c));
        }
    }

    void increment_data() {
        QTest::addColumn<int>("passos");
        QTest::addColumn<QStringList>("temps");
        QTest::newRow("+30") << 30 << QStringList{"120", "150", "180", "210", "240",
                                                  "270", "300", "330", "360", "390"};
        QTest::newRow("-50") << -50 << QStringList{"120", "70", "20", "10", "10",
                                                   "10",  "10", "10", "10", "10"};
    }
    void increment() {
        QFETCH(int, passos);
        QFETCH(QStringList, temps);
        Editor e;
        e.obre();
        e.triaFila(4);
        auto* fletxa = e.w("UpDown1_1")->findChild<QToolButton*>(passos > 0 ? "Amunt" : "Avall");
        for (int i = 0; i < std::abs(passos); ++i)
            QTest::mouseClick(fletxa, Qt::LeftButton);
        QCOMPARE(e.w<QLabel>("Increment_1")->text(), QString::number(passos));
        e.clica("bIncrement_1");
        QCOMPARE(e.columna(1), temps);
        QCOMPARE(e.w<QLabel>("Dades_1")->text(), temps.at(3));
        QCOMPARE(e.cella(4, 2), QString("17"));
        QVERIFY(e.finestra->jocs().Modificat());
    }

    // Cardinals level 1 runs from 0 to 10.
    void digitButtons_data() {
        QTest::addColumn<QString>("boto");
        QTest::addColumn<int>("ratoli");
        QTest::addColumn<QString>("primer");
        QTest::addColumn<QString>("ultim");
        QTest::addColumn<QString>("cella5");
        QTest::newRow("units, left") << "Pulsador1_9" << int(Qt::LeftButton) << "1"
                                     << "10"
                                     << "10   ";
        QTest::newRow("units, right") << "Pulsador1_9" << int(Qt::RightButton) << "9"
                                      << "10"
                                      << "10   ";
        QTest::newRow("top, left") << "Pulsador1_1" << int(Qt::LeftButton) << "100000000"
                                   << "100000000"
                                   << "100.000.000   ";
        QTest::newRow("top, right") << "Pulsador1_1" << int(Qt::RightButton) << "100000000"
                                    << "100000000"
                                    << "100.000.000   ";
        QTest::newRow("upper bound below lower") << "Pulsador2_8" << int(Qt::RightButton) << "0"
                                                 << "0"
                                                 << "0   ";
    }
    void digitButtons() {
        QFETCH(QString, boto);
        QFETCH(int, ratoli);
        QFETCH(QString, primer);
        QFETCH(QString, ultim);
        QFETCH(QString, cella5);
        Editor e;
        e.obre();
        e.premDigit(boto, Qt::MouseButton(ratoli));
        QCOMPARE(e.w<QLabel>("Primer")->text(), primer);
        QCOMPARE(e.w<QLabel>("Últim")->text(), ultim);
        QCOMPARE(e.cella(1, 4), e.finestra->jocs().filaDe(1, {120, 20, 5, primer.toInt(), 0})[3]);
        QCOMPARE(e.cella(1, 5), cella5);
        QVERIFY(e.finestra->jocs().Modificat());
        QCOMPARE(QApplication::focusWidget(), e.graella());
    }

    void divisionKeepsTheDivisorSmaller_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("opcio");
        QTest::addColumn<QString>("seguida");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        // Level 10 is 5 by 3, level 4 is 2 by 2.
        QTest::newRow("dividend 2 under divisor 3") << 10 << "xDivd_2"
                                                    << "xDivr_2"
                                                    << "2"
                                                    << "2";
        QTest::newRow("divisor 3 over dividend 2") << 4 << "xDivr_3"
                                                   << "xDivd_3"
                                                   << "3"
                                                   << "3";
        QTest::newRow("dividend alone") << 10 << "xDivd_4"
                                        << "xDivr_3"
                                        << "4"
                                        << "3";
    }
    void divisionKeepsTheDivisorSmaller() {
        QFETCH(int, fila);
        QFETCH(QString, opcio);
        QFETCH(QString, seguida);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        Editor e;
        e.obre();
        e.clica("Fulls_9");
        QVERIFY(e.w("Panel4")->isVisible());
        QVERIFY(e.w("OpcResta")->isVisible());
        QCOMPARE(e.graella()->horizontalHeaderItem(4)->text(), QString("Dividend"));
        e.triaFila(fila);
        e.clica(opcio);
        QVERIFY(e.w<QRadioButton>(opcio)->isChecked());
        QVERIFY(e.w<QRadioButton>(seguida)->isChecked());
        QCOMPARE(e.cella(fila, 4), dividend);
        QCOMPARE(e.cella(fila, 5), divisor);
    }

    // The box shows the group's byte as the report and the board read it.
    void opcRestaBox_data() {
        QTest::addColumn<int>("opcResta");
        QTest::addColumn<bool>("marcada");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("2") << 2 << false;
        QTest::newRow("255") << 255 << false;
    }
    void opcRestaBox() {
        QFETCH(int, opcResta);
        QFETCH(bool, marcada);
        Editor e;
        e.sessio.grup.OpcResta = uint8_t(opcResta);
        e.obre();
        e.clica("Fulls_9");
        QCOMPARE(e.w<QCheckBox>("OpcResta")->isChecked(), marcada);
        QCOMPARE(e.sessio.grup.ambResta(), marcada);
    }

    void lastIncludedActivityStaysTicked() {
        Editor e;
        e.sessio.grup.Activitats = "100000000";
        e.obre();
        Caixes caixes;
        e.clica("Incloure");
        QCOMPARE(caixes.textos, QStringList{"El quadern ha de tenir al menys una activitat!"});
        QVERIFY(e.w<QCheckBox>("Incloure")->isChecked());
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("100000000"));
        e.clica("Fulls_2");
        QVERIFY(!e.w<QCheckBox>("Incloure")->isChecked());
        e.clica("Incloure");
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("110000000"));
    }

    void separatorNone() {
        Editor e;
        e.sessio.general.Separador = 2;
        e.obre();
        e.triaFila(10);
        QCOMPARE(e.cella(10, 5), QString("100000000   "));
        QCOMPARE(e.w<QLabel>("Últim")->text(), QString("100000000"));
    }

    // Cardinals level 1 gets 200 seconds; Sumar loses a level and its level 1 learns carrying.
    void settlingOnClose_data() {
        QTest::addColumn<bool>("si");
        QTest::newRow("No") << false;
        QTest::newRow("Sí") << true;
    }
    void settlingOnClose() {
        QFETCH(bool, si);
        Editor e;
        e.creaJoc("Joc");
        e.sessio.grup.NomNivell = "Joc";
        e.obre();
        const QByteArray atOpening = readAll(e.niv("Joc"));
        const ConfigGrup grupAtOpening = e.sessio.grup;
        e.w<QScrollBar>("Tirador_1")->setValue(200);
        e.clica("Fulls_5");
        QCOMPARE(e.so.played, QStringList{"20"});
        QVERIFY(e.w("Panel2")->isVisible());
        e.clica("Portant");
        QCOMPARE(e.cella(1, 5), QString("Sí"));
        e.clica("MenysNivells");

        Caixes caixes({si});
        e.tanca();
        QCOMPARE(caixes.textos, QStringList{"Arxivar els canvis?"});
        QVERIFY(e.finestra->isHidden());
        QVERIFY(!QFileInfo::exists(e.ni2("Joc")));
        const QByteArray set = readAll(e.niv("Joc"));
        if (!si) {
            QCOMPARE(set, atOpening);
            QVERIFY(!QFileInfo::exists(e.grupsCfg()));
            QVERIFY(e.sessio.grup == grupAtOpening);
            return;
        }
        QCOMPARE(record(set, 1),
                 QByteArray("\xC8\x00\x14\x00\x05\x00\x00\x00\x00\x00\x0A\x00\x00\x00", 14));
        QCOMPARE(record(set, 41),
                 QByteArray("\x78\x00\x05\x00\x05\x00\x01\x00\x00\x00\x01\x00\x00\x00", 14));
        for (int k = 2; k <= 90; ++k)
            if (k != 41)
                QCOMPARE(record(set, k), record(atOpening, k));
        QByteArray grup = QByteArray("111111111") + '\0' +
                          QByteArray("\x0A\x0A\x0A\x0A\x09\x0A\x0A\x0A\x0A", 9) + "Joc";
        grup.append(QByteArray(ConfigGrup::kLength - grup.size(), ' '));
        QCOMPARE(readAll(e.grupsCfg()), grup);
    }

    // Tab `de` with its last level chosen, then tab `a`: loading an activity into the panels is no
    // edit, even where the new activity's limits are narrower than the value the panel showed.
    void switchingTabsEditsNothing_data() {
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("a");
        for (int a = 1; a < kActivitats; ++a) {
            QTest::addRow("%d to %d", a, a + 1) << a << a + 1;
            QTest::addRow("%d to %d", a + 1, a) << a + 1 << a;
        }
        QTest::newRow("Ordinals to Taules") << 2 << 7;
    }
    void switchingTabsEditsNothing() {
        QFETCH(int, de);
        QFETCH(int, a);
        Editor e;
        e.creaJoc("Joc");
        e.sessio.grup.NomNivell = "Joc";
        QVERIFY(DesarConfigGrup(e.dir.path(), 1, e.sessio.grup));
        const QByteArray grups = readAll(e.grupsCfg());
        const QByteArray set = readAll(e.niv("Joc"));
        e.obre();
        e.clica(QStringLiteral("Fulls_%1").arg(de));
        e.triaFila(e.graella()->rowCount());
        e.clica(QStringLiteral("Fulls_%1").arg(a));
        QVERIFY(!e.finestra->jocs().Modificat());
        Caixes caixes;
        e.tanca();
        QCOMPARE(caixes.textos, QStringList{});
        QCOMPARE(readAll(e.niv("Joc")), set);
        QCOMPARE(readAll(e.grupsCfg()), grups);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // The set's file becomes a folder while the editor has it open: the tab switch and "Sí" say
    // so and keep the window on the edits, which "No" then undoes.
    void failedWriteIsShown() {
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        const QByteArray atOpening = readAll(e.niv("Joc"));
        e.w<QScrollBar>("Tirador_1")->setValue(200);
        QVERIFY(QFile::remove(e.niv("Joc")) && QDir().mkpath(e.niv("Joc")));
        const QString error = e.sessio.text(120);
        {
            Caixes caixes({true});
            e.clica("Fulls_2");
            e.tanca();
            QCOMPARE(caixes.textos, (QStringList{error, "Arxivar els canvis?", error}));
        }
        QVERIFY(e.finestra->isVisible());
        QVERIFY(e.w("Panel1")->isVisible());
        QCOMPARE(e.cella(1, 1), QString("200"));
        QVERIFY(e.finestra->jocs().Modificat());
        QCOMPARE(readAll(e.ni2("Joc")), atOpening);

        QVERIFY(QDir().rmdir(e.niv("Joc")));
        Caixes caixes({false});
        e.tanca();
        QCOMPARE(caixes.textos, QStringList{"Arxivar els canvis?"});
        QVERIFY(e.finestra->isHidden());
        QCOMPARE(readAll(e.niv("Joc")), atOpening);
        QCOMPARE(e.fitxers(), QStringList{"Joc.niv"});
    }

    // A printer that cannot be opened (its output file is a folder) gives message 109.
    void printerThatCannotOpen() {
        Editor e;
        e.obre();
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(e.dir.path());
        Caixes caixes;
        caixes.vista = [&](QPrintPreviewDialog* vista) { emit vista->paintRequested(&impressora); };
        e.clica("OpcCfg_4");
        QVERIFY(caixes.vistaPrevia);
        QCOMPARE(caixes.textos, QStringList{"Error en imprimir"});
    }

    void typedNames_data() {
        QTest::addColumn<QString>("opcio");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("missatges");
        QTest::addColumn<QStringList>("llista");
        QTest::addColumn<QString>("obert");
        QTest::addColumn<bool>("nomVisible");
        QTest::newRow("adding") << "OpcCfg_0"
                                << "Nou" << QStringList{} << QStringList{"A", "B", "Nou"} << "Nou"
                                << false;
        QTest::newRow("renaming onto an existing name")
            << "OpcCfg_1"
            << "B" << QStringList{"El fitxer ja existeix"} << QStringList{"A", "B"} << "A" << true;
        QTest::newRow("renaming") << "OpcCfg_1"
                                  << "C" << QStringList{} << QStringList{"C", "B"} << "C" << false;
    }
    void typedNames() {
        QFETCH(QString, opcio);
        QFETCH(QString, nom);
        QFETCH(QStringList, missatges);
        QFETCH(QStringList, llista);
        QFETCH(QString, obert);
        QFETCH(bool, nomVisible);
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.obre();
        const QByteArray b = readAll(e.niv("B"));
        e.clica(opcio);
        auto* nouNom = e.w<QLineEdit>("NouNom");
        QVERIFY(nouNom->isVisible());
        QCOMPARE(nouNom->text(), opcio == "OpcCfg_1" ? QString("A") : QString());
        nouNom->selectAll();
        QTest::keyClicks(nouNom, nom);
        Caixes caixes;
        QTest::keyClick(nouNom, Qt::Key_Return);
        QCOMPARE(caixes.textos, missatges);
        QVERIFY(e.finestra->isVisible());
        QCOMPARE(e.llista(), llista);
        QCOMPARE(e.w<QComboBox>("ArxiusCfg")->currentText(), obert);
        QCOMPARE(e.finestra->jocs().JocObert(), obert);
        QCOMPARE(nouNom->isVisible(), nomVisible);
        QCOMPARE(nouNom->text(), nom);
        QVERIFY(QFileInfo::exists(e.ni2(obert)));
        QCOMPARE(readAll(e.niv("B")), b);
        // Escape gives the list back its focus and the name box goes.
        QTest::keyClick(nouNom, Qt::Key_Escape);
        QVERIFY(nouNom->isHidden());
        QVERIFY(e.finestra->isVisible());
    }

    void duplicatingNextToAnExistingCopy() {
        Editor e;
        e.creaJoc("N");
        e.creaJoc("N (1)");
        e.obre();
        e.clica("OpcCfg_2");
        QCOMPARE(e.llista(), (QStringList{"N", "N (1)", "N (2)"}));
        QCOMPARE(e.w<QComboBox>("ArxiusCfg")->currentText(), QString("N (2)"));
        QCOMPARE(readAll(e.niv("N (2)")), readAll(e.niv("N")));
        QVERIFY(!e.w<QPushButton>("OpcCfg_2")->isDown());
    }

    void deletingTheOnlySet() {
        Editor e;
        e.creaJoc("Unic");
        e.obre();
        Caixes caixes({true});
        e.clica("OpcCfg_3");
        QCOMPARE(caixes.textos, QStringList{"Eliminar definitivament el nivell?"});
        QCOMPARE(e.llista(), QStringList{"Nivell genèric"});
        QCOMPARE(e.fitxers(), (QStringList{"Nivell genèric.ni2", "Nivell genèric.niv"}));
        QCOMPARE(e.graella()->rowCount(), 10);
    }

    void choosingAnotherSet() {
        Editor e;
        e.creaJoc("A");
        e.creaJoc("B");
        e.obre();
        e.clica("Fulls_7");
        e.clica("MenysNivells");
        Caixes caixes({false});
        auto* arxius = e.w<QComboBox>("ArxiusCfg");
        arxius->setFocus();
        QTest::keyClick(arxius, Qt::Key_Down);
        QCOMPARE(caixes.textos, QStringList{"Arxivar els canvis?"});
        QCOMPARE(e.finestra->jocs().JocObert(), QString("B"));
        QCOMPARE(e.fitxers(), (QStringList{"A.niv", "B.ni2", "B.niv"}));
        // Still on Taules, with its ten levels back.
        QVERIFY(e.w("Panel3")->isVisible());
        QCOMPARE(e.graella()->rowCount(), 10);
        QCOMPARE(e.w<QLabel>("nÚltima")->text(), QString("2"));
    }

    void printingSettlesAndKeepsABackup() {
        Editor e;
        e.creaJoc("Joc");
        e.obre();
        e.w<QScrollBar>("Tirador_2")->setValue(33);
        Caixes caixes({true});
        e.clica("OpcCfg_4");
        QCOMPARE(caixes.textos, QStringList{"Arxivar els canvis?"});
        QVERIFY(caixes.vistaPrevia);
        const QByteArray printed = readAll(e.niv("Joc"));
        QCOMPARE(record(printed, 1).mid(2, 2), QByteArray("\x21\x00", 2));
        QCOMPARE(readAll(e.ni2("Joc")), printed);
        QVERIFY(QFileInfo::exists(e.grupsCfg()));
        QVERIFY(!e.finestra->jocs().Modificat());
        QCOMPARE(e.cella(1, 2), QString("33"));
    }
};

QTEST_MAIN(TestfConfig)
#include "tst_fConfig.moc"
