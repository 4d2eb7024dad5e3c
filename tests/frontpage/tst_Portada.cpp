#include "board/ui/Pissarra.h"
#include "core/ui/Lletra.h"
#include "core/ui/Missatges.h"
#include "core/ui/TabPicture.h"
#include "core/ui/Units.h"
#include "frontpage/AnimalsGrups.h"
#include "frontpage/BotoArrodonit.h"
#include "frontpage/BotoPersiana.h"
#include "frontpage/Contrasenya.h"
#include "frontpage/DisposicioPortada.h"
#include "frontpage/EmojiPortada.h"
#include "frontpage/EstatPortada.h"
#include "frontpage/ImatgesPortada.h"
#include "frontpage/LlistaImpresa.h"
#include "frontpage/Marc.h"
#include "frontpage/Pas.h"
#include "frontpage/Portada.h"
#include "frontpage/TaulaEmoji.h"
#include "frontpage/fIdioma.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"
#include "tests/support/TypeText.h"
#include "tests/support/WhenModal.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <cstring>
#include <memory>
#include <optional>
#include <span>

// The front page: its state, its window and small windows, its pictures, the printed list.

using namespace Registres;
using Canvi = EstatPortada::Canvi;
using LlistaImpresa::Element;
using LlistaImpresa::Pagina;

namespace {

// Group 1's pupils in file order: Carla, an empty slot, Arnau, whose picture is gone, and Bet, who
// has finished the cardinals and whose picture names a path out of the pictures folder.
const QByteArray kDofins = alumne(3, "Carla", {4, 1, 1, 1, 5, 1, 1, 1, 1}) + QByteArray(65, '\0') +
                           alumne(1, "Arnau", {2, 3, 1, 1, 1, 1, 1, 1, 1}, "gone.png") +
                           alumne(2, "Bet", {0, 6, 1, 1, 2, 1, 1, 1, 1}, "../../fora.png");

// `n` pupils numbered 1..n, whose pictures are gone.
QByteArray llistaDe(int n) {
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += alumne(i, "Alumne " + QByteArray::number(i), 1, "gone.png");
    return b;
}

// The front page over group 1's list, whose level set "Prova" holds cardinals levels 1 and 2;
// group 2 is offered activities 1, 3 and 9. Its state `e`, and its window but with `finestra`.
struct Front {
    CarpetaProva c;
    Sessio s;
    RecordingSoundPlayer so;
    EstatPortada e{s, so};
    std::unique_ptr<Portada> w;
    explicit Front(const QByteArray& dofins = kDofins, int idioma = 0, bool finestra = true) {
        const QByteArray n = nivell(60, 2, 3, 1, 99);
        c.escriu(c.niv("Prova"), joc({{1, 1, n}, {1, 2, n}}));
        c.escriu(c.grupsCfg(), grup("111111111", 0, 10, "Prova") + grup("101000001"));
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
    auto* animal(int n) const { return fill<QAbstractButton>("Grup_" + QString::number(n)); }
    bool blau(int n) const { return animal(n)->palette().color(QPalette::Button) == Qt::blue; }
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
    // Presses `tecla` `vegades` times from `inici` (the tab bar): where the focus lands, in turn.
    QStringList tabula(int vegades, Qt::Key tecla, QWidget* inici = nullptr) const {
        (inici ? inici : pestanyes())->setFocus();
        QStringList noms;
        for (int i = 0; i < vegades; ++i) {
            QTest::keyClick(QApplication::focusWidget(), tecla);
            noms << QApplication::focusWidget()->objectName();
        }
        return noms;
    }
};

enum Joc { Cap, Bo, Carpeta, Zeros, Tallat };
using Accio = EstatPortada::Inici::Accio;
constexpr EstatPortada::Inici kObre{Accio::Comenca};
constexpr EstatPortada::Inici missatge(int id) {
    return {Accio::Avisa, id};
}

// Pressing the pupil's picture with the level set `nivell` in the state `joc`, on a tab and row
// (Arnau plays cardinals level 2 and addition level 1; Bet has finished the cardinals).
struct Inici {
    const char *nom, *nivell;
    Joc joc;
    int pestanya, fila;
    EstatPortada::Inici esperat;
};
const Inici kInicis[] = {{"no level set", "", Cap, 1, 0, missatge(113)},
                         {"blank level set", "   ", Cap, 1, 0, missatge(113)},
                         {"level set missing", "Prova", Cap, 1, 0, missatge(115)},
                         {"finished, even with no level set", "", Cap, 1, 1, missatge(113)},
                         {"activity finished", "Prova", Bo, 1, 1, missatge(111)},
                         {"opens", "Prova", Bo, 1, 0, kObre},
                         {"a folder for a set", "Prova", Carpeta, 1, 0, missatge(122)},
                         {"a level of zeros", "Prova", Zeros, 1, 0, missatge(122)},
                         {"cut short before the level", "Prova", Tallat, 5, 0, missatge(122)},
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

// A window over a session of group 12.
template <class W> struct Finestra {
    CarpetaProva c;
    Sessio s;
    std::unique_ptr<W> w;
    explicit Finestra(int separador = 2, const char* clau = "TUXAM", int demanar = 0,
                      int idioma = 0) {
        s = c.sessio(12, idioma);
        s.general.Separador = uint8_t(separador);
        s.general.Clau = camp(clau, 8);
        s.general.Demanar = uint8_t(demanar);
        w = std::make_unique<W>(s);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T = QWidget> T* fill(const QString& nom) const {
        return w->template findChild<T*>(nom);
    }
    QString text(const char* nom) const { return fill<QLabel>(nom)->text(); }
    // General.cfg as written, "<missing>" when it was not.
    QByteArray cfg() const { return c.llegeix(c.generalCfg()); }
};

// How a window is left: a button by name, Return on `focus` or on a button, Tab and Space. The
// close box and Escape end in QDialog's reject, as the cancel buttons do, so these stand for them.
void surt(QDialog* d, QWidget* focus, const QString& com) {
    if (com == "Tab Space") {
        QTest::keyClick(focus, Qt::Key_Tab);
        QTest::keyClick(d->focusWidget(), Qt::Key_Space);
    } else if (com.startsWith("Return on "))
        QTest::keyClick(d->findChild<QWidget*>(com.mid(10)), Qt::Key_Return);
    else if (com == "Return")
        QTest::keyClick(focus, Qt::Key_Return);
    else
        d->findChild<QPushButton*>(com)->click();
}

// A message box shown and left.
struct Caixa {
    const char *nom, *text, *com;
    bool pregunta, resposta;
};
const Caixa kCaixes[] = {
    {"long information, wrapped",
     "Aquest grup no té assignat un nivell, i cal que el mestre n'assigni un abans de començar; "
     "parleu-ne amb ell o amb ella i torneu-ho a provar més tard, si us plau.",
     "Mou_1", false, true},
    {"information, Return", "Hola", "Return", false, true},
    {"question, Sí", "Eliminar definitivament els registres?", "Mou_1", true, true},
    {"question, No", "?", "Mou_0", true, false},
    {"question, Return on the default button", "?", "Return", true, false},
    {"question, Tab to Sí and Space", "?", "Tab Space", true, true}};

// The new password typed (after a click on the prompt box, 1, or its caption, 2), then the window
// left: memory and General.cfg after it, which is written (1), not (0), or cannot be (2).
struct CanviClau {
    const char *nom, *clau, *tecles, *com, *clauDespres;
    int demanar, demanarDespres, desa, caixa;
};
const CanviClau kCanvis[] = {
    {"filtered as typed", "TUXAM", "a€Ωb-1", "Mou_1", "A\200B1", 0, 0, 1, 0},
    {"prompt switched on by its caption", "TUXAM", "xy", "Mou_1", "XY", 0, 1, 1, 2},
    {"empty, box on keeps the password", "TUXAM", "", "Mou_1", "TUXAM", 0, 1, 1, 1},
    {"Return accepts, eight kept", "TUXAM", "abcdefghij", "Return", "ABCDEFGH", 0, 0, 1, 0},
    {"cancel, a password of markup", "<B>X</B>", "ab", "Mou_0", "<B>X</B>", 1, 1, 0, 1},
    {"cannot be written, kept in memory", "TUXAM", "ab1", "Mou_1", "AB1", 0, 1, 2, 1}};

// The prompt before a blind: typed `tecles`, left `com`.
struct Resposta {
    const char *nom, *clau, *tecles, *com, *missatge;
    int idioma;
    bool concedit;
};
const Resposta kRespostes[] = {
    {"right", "TUXAM", "tuxam", "Mou_1", nullptr, 0, true},
    {"wrong, in Spanish", "TUXAM", "xifrum", "Return", "La clave es incorrecta", 1, false},
    {"Return accepts even on the cross", "TUXAM", "tuxam", "Return on Mou_0", nullptr, 0, true},
    {"cross", "TUXAM", "tuxam", "Mou_0", nullptr, 0, false},
    {"a longer password cut to 8 when set", "ABCDEFGH", "abcdefghij", "Mou_1", nullptr, 0, true}};

// A language row clicked (-1 none, 9 the Down key), a separator clicked (-1 none), then the window
// left: memory and General.cfg after it.
struct Tria {
    const char *nom, *com;
    int idioma, separador, idiomaDespres, separadorDespres;
    bool desa;
};
const Tria kTries[] = {{"by keyboard", "Return", 9, -1, 1, 0, true},
                       {"Spanish, cancelled", "Botó_0", 1, -1, 0, 0, false},
                       {"Cap, accepted", "Botó_1", -1, 2, 0, 2, true},
                       // Cancelling restores the language only.
                       {"Cap, cancelled", "Botó_0", -1, 2, 0, 2, false}};

// Everything the language window shows in words, in the order of its controls.
QString textos(const Finestra<fIdioma>& f) {
    QStringList t{f.w->windowTitle()};
    for (const char* nom : {"Eti_0", "Eti_1", "Eti_2", "Eti_3", "Actual", "Triat", "Separador_0",
                            "Separador_1", "Separador_2"})
        t << f.fill(nom)->property("text").toString();
    for (int i = 0; i < 4; ++i)
        t << f.fill<QListWidget>("Disponibles")->item(i)->text();
    for (const char* nom : {"Botó_0", "Botó_1"})
        t << f.fill(nom)->toolTip() + "/" + f.fill(nom)->accessibleName();
    return t.join('|');
}
const QString kCatala = "Idioma de l'aplicació|Idioma actual|Idiomes disponibles|Idioma triat|"
                        "Separador de milers|Gallec|Català|Punt|Espai|Cap|Català|Espanyol|Gallec|"
                        "Euskera|Cancel·lar/Cancel·lar|Acceptar/Acceptar";

// The box around the pixels of `img` that are not fully transparent (or are `color`), and how many
// they are.
std::pair<QRect, int> tinta(const QImage& img, std::optional<QRgb> color = {}) {
    std::pair<QRect, int> t;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (color ? img.pixel(x, y) == *color : qAlpha(img.pixel(x, y)) > 0)
                t = {t.first | QRect(x, y, 1, 1), t.second + 1};
    return t;
}

// What a screen reader says `w` is.
QString nom(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// A picture, not an empty square nor a filled one.
bool esDibuix(const QImage& img) {
    const int n = tinta(img).second, tot = img.width() * img.height();
    return n > tot / 8 && n < tot;
}

// The colour in the middle of the left edge inside the outline, and on the top edge.
QString colors(QWidget& w) {
    const QImage img = w.grab().toImage();
    return QColor(img.pixel(6, w.height() / 2)).name() + QColor(img.pixel(w.width() / 2, 0)).name();
}

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

// 200 mm: lines at 21, 26, ... 171 fit (plus 1 mm, at most 175), 31 per page.
struct Salt {
    const char* nom;
    int alumnes, pagines, primerDeLaDarrera;
    double alcada;
};
const Salt kSalts[] = {{"one page full", 31, 1, 1, 200},
                       {"one line over", 32, 2, 32, 200},
                       {"a line without its 1 mm of air", 31, 2, 31, 196.5},
                       {"nobody", -1, 1, 0, 200}};

} // namespace

class TestPortada : public QObject {
    Q_OBJECT
private slots:
    void grups() {
        Front f(kDofins, 0, false);
        QVERIFY(!f.e.triaGrup(1) && !f.e.triaGrup(17) && f.so.played.isEmpty()); // 1 is chosen
        QVERIFY(f.e.triaGrup(2));
        QCOMPARE(f.e.titol() + f.so.played.join(' '), QString(" XIFRUM 5.0: Lloros2"));
        QString visibles;
        for (int p = -1; p <= 10; ++p)
            visibles += f.e.pestanyaVisible(p) ? QString::number(p) : "";
        QCOMPARE(visibles + "/" + QString::number(f.e.pestanyesVisibles()), QString("0139/4"));
        // Choosing the chosen group reads nothing again.
        f.c.escriu(f.c.grupsCfg(), grup() + grup("000100000"));
        QVERIFY(!f.e.triaGrup(2) && f.e.pestanyaVisible(9));
        // Group 2 has no pupil file: nobody is selected and nothing starts.
        f.s.grup.NomNivell = "Prova";
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QVERIFY(f.e.buida() && f.e.fila() == -1 && !f.e.imatgeActiva());
        QCOMPARE(f.e.nom() + f.e.nivell(), QString());
        QCOMPARE(f.e.comprovaInici(), EstatPortada::Inici{});
        QCOMPARE(f.e.canviaPestanya(3), Canvi::NomesAmples);
        QVERIFY(!QFile::exists(f.c.dat("Lloros")));
    }

    void estatLlista() {
        Front f(kDofins, 0, false);
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QCOMPARE(f.columnes({0, 11}), (QStringList{"1", "2", "3", "3", "4", "1"}));
        QCOMPARE(f.e.numero() + f.e.nom() + f.e.nivell(), QString("1Arnau2"));
        QVERIFY(f.e.imatgeActiva() && f.e.rutaImatge() == f.c.imatge("gone.png"));
        QCOMPARE(f.s.registre.Numero, 1);
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
        QCOMPARE(f.e.nom() + f.e.nivell() + f.e.files().at(2).at(3) + f.e.rutaImatge(), "Carla62");
        QCOMPARE(int(f.s.registre.Nivell[4]), 6);
        f.e.nivellSuperat(5, "-");
        QVERIFY(!f.e.imatgeActiva());
        QCOMPARE(f.e.canviaPestanya(0), Canvi::Portada);
        // Every tool but the level editor clicks; the blinds roll.
        for (int i = 0; i < 9; ++i)
            f.e.einaPremuda(i);
        f.e.persianaPremuda();
        QCOMPARE(f.so.played, QStringList(12, "20") << "21");
        f.c.escriu(f.c.dat("Dofins"), llistaDe(99)); // full at 100, as the window says
        f.e.rellegeix();
        QVERIFY(f.e.potAfegir());
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
            f.c.escriu(niv, r.joc == Zeros ? joc({}) : f.c.llegeix(niv).left(28)); // the level only
        f.e.canviaPestanya(r.pestanya);
        f.e.seleccionaFila(r.fila);
        QCOMPARE(f.e.comprovaInici(), r.esperat);
    }

    void obertura() {
        Front f;
        QVERIFY(f.blau(1) && !f.blau(2));
        QCOMPARE(f.w->windowTitle() + "|" + f.text("lblPrograma_0") + "|" + f.text("lblAutor") +
                     QString("|%1").arg(f.fill("lblPrograma_1")->font().pointSize()),
                 " XIFRUM 5.0: Dofins|XIFRUM 5.0|Quadern de matemàtiques per a primària|20");
        // The grid is built when a list is first shown.
        QVERIFY(f.fill("pGrups")->isVisible() && !f.fill("Panel")->isVisible() && !f.relacio());
        // Every button shown or reached with Tab, and every tab, is named for a screen reader.
        for (QAbstractButton* b : f.w->findChildren<QAbstractButton*>())
            if (b->isVisible() || (b->focusPolicy() != Qt::NoFocus && b->objectName() != "Semàfor"))
                QVERIFY2(!b->accessibleName().trimmed().isEmpty(), qPrintable(b->objectName()));
        for (int t = 0; t < 10; ++t)
            QVERIFY(!f.pestanyes()->accessibleTabName(t).isEmpty());
        QCOMPARE(f.boto("bEines_8")->accessibleName() + f.pestanyes()->accessibleTabName(5) +
                     f.boto("bEines_9")->toolTip() + f.boto("bEines_10")->toolTip(),
                 QString("Imprimir el llistatSumar Veure el resum de la classe  Preparar fitxes "
                         "d'exercicis "));
        // Every tab shows its whole caption picture, centred in the tab, whichever tab is current.
        const QRgb fons = TabPicture::background().rgb();
        for (int actual : {5, 0}) {
            f.pestanya(actual);
            const QImage img = f.pestanyes()->grab().toImage();
            for (int t = 0; t < 10; ++t) {
                const QRect tab = f.pestanyes()->tabRect(t);
                // Where the picture's background shows.
                const QRect r = tinta(img.copy(tab), fons).first.translated(tab.topLeft());
                QVERIFY2(!r.isEmpty() && r.left() > tab.left() && r.right() < tab.right(),
                         qPrintable(QString::number(t)));
                QCOMPARE(r.width(), TabPicture::kWidth);
                QVERIFY(qAbs((r.left() - tab.left()) - (tab.right() - r.right())) <= 1);
            }
        }
        f.animal(2)->click();
        f.animal(2)->click();
        QCOMPARE(f.w->windowTitle() + f.so.played.join(' '),
                 QString(" XIFRUM 5.0: Lloros1 20 20 2"));
        QVERIFY(f.blau(2) && !f.blau(1));
        // The group's tabs share one row across the bar.
        QString visibles;
        int ample = 0;
        for (int t = 0; t < 10; ++t)
            if (f.pestanyes()->isTabVisible(t)) {
                visibles += QString::number(t);
                ample += f.pestanyes()->tabRect(t).width();
                QCOMPARE(f.pestanyes()->tabRect(t).y(), f.pestanyes()->tabRect(0).y());
            }
        QCOMPARE(visibles, QString("0139"));
        QVERIFY(ample <= f.pestanyes()->width() && ample >= f.pestanyes()->width() - 16);
        // Leaving writes no settings: General.cfg is written once, after the window's life.
        f.boto("bSortida")->click();
        QVERIFY(!f.w->isVisible() && !QFile::exists(f.c.generalCfg()));
    }

    void llista() {
        Front f;
        f.pestanya(1);
        QVERIFY(f.fill("Panel")->isVisible() && !f.fill("pGrups")->isVisible());
        QCOMPARE(f.columnes({0, 1, 2}),
                 (QStringList{"1", "2", "3", "Arnau", "Bet", "Carla", "2", "-", "4"}));
        QCOMPARE(f.relacio()->horizontalHeaderItem(0)->text() +
                     f.relacio()->horizontalHeaderItem(2)->text(),
                 QString("NúmCardinals"));
        QVERIFY(!f.relacio()->isColumnHidden(2) && f.relacio()->isColumnHidden(3) &&
                !nom(f.relacio()).isEmpty());
        QCOMPARE(f.relacio()->selectionModel()->selectedIndexes().size(), 13);
        QCOMPARE(f.text("tNúmero") + f.text("tNom") + f.text("tNivell") +
                     f.boto("ImatgeGrup")->accessibleName(),
                 QString("1Arnau2Arnau"));
        // A series passed on the board is stored in Arnau's own record, after the empty slot, and
        // shows in the row and the bar; the board shows the front page's picture for his lost one.
        QIcon icona;
        WhenModal pissarra("Pissarra", [&](QDialog* d) {
            if (auto* imatge = d->findChild<QPushButton*>("Imatge"); imatge->isVisible())
                icona = imatge->icon();
            for (int i = 0; i < 2; ++i)
                static_cast<Pissarra*>(d)->serie().RespostaCorrecta();
            d->findChild<QPushButton*>("BtTxt")->click();
        });
        f.boto("ImatgeGrup")->click();
        QVERIFY(pissarra.ran() && !pissarra.leftOpen());
        QVERIFY(!icona.pixmap(QSize(64, 64), QIcon::Disabled).isNull());
        QCOMPARE(f.c.llegeix(f.c.dat("Dofins")),
                 QByteArray(kDofins).replace(
                     130, 65, alumne(1, "Arnau", {3, 3, 1, 1, 1, 1, 1, 1, 1}, "gone.png")));
        QCOMPARE(f.c.llegeix(f.c.hst("Arnau")).count("\tSuperat\t 2\t"), 1);
        QCOMPARE(f.relacio()->item(0, 2)->text() + f.text("tNivell"), QString("33"));
        QTest::keyClick(f.relacio(), Qt::Key_Down);
        QCOMPARE(f.text("tNom") + f.text("tNivell") + f.boto("bEines_7")->toolTip(),
                 QString("Bet- Veure l'historial: Bet"));
        QVERIFY(!f.boto("ImatgeGrup")->isEnabled());
        f.pestanya(5);
        QVERIFY(!f.relacio()->isColumnHidden(6) && f.relacio()->isColumnHidden(2));
        QCOMPARE(f.text("tNom") + f.text("tNivell"), QString("Bet2"));
        // What stops the board is said.
        CaptaMissatges capta;
        int obertes = 0;
        f.w->setObrePissarra([&] { ++obertes; });
        f.boto("ImatgeGrup")->click();
        QCOMPARE(capta.textos(), QStringList{"No es pot llegir el nivell d'aquest grup."});
        QCOMPARE(obertes, 0);
        f.pestanya(0);
        QVERIFY(!f.fill("Panel")->isVisible());
        // Another language, chosen on the front page, names everything and reads its list.
        f.c.escriu(f.c.dat("Delfines"), alumne(7, "Luc\355a"));
        f.persiana("Persiana0")->click();
        WhenModal tria("fIdioma", [](QDialog* d) {
            d->findChild<QListWidget*>("Disponibles")->setCurrentRow(1);
            d->findChild<QPushButton*>(QString::fromUtf8("Botó_1"))->click();
        });
        f.boto("bEines_2")->click();
        QVERIFY(tria.ran());
        QCOMPARE(QStringList({f.w->windowTitle(), f.animal(13)->accessibleName(),
                              f.boto("bEines_2")->toolTip(), f.boto("bSortida")->accessibleName(),
                              f.text("lblNivell")})
                     .join('|'),
                 " XIFRUM 5.0: Delfines|Tiburones| Cambiar el idioma |Salir del programa|Nombre");
        // Every control is named as on a front page opened in Spanish (the picture by the pupil).
        Front castella(kDofins, 1);
        for (auto* b : castella.w->findChildren<QAbstractButton*>())
            if (!b->objectName().isEmpty() && b->objectName() != "ImatgeGrup")
                QCOMPARE(nom(f.fill(b->objectName())), nom(b));
        for (int t = 0; t < 10; ++t)
            QCOMPARE(f.pestanyes()->accessibleTabName(t),
                     castella.pestanyes()->accessibleTabName(t));
        f.pestanya(1);
        QCOMPARE(f.columnes({0, 1}) << f.relacio()->horizontalHeaderItem(2)->text(),
                 (QStringList{"7", "Lucía", "Cardinales"}));
        // Basque's title is smaller.
        Front basc(kDofins, 3);
        QCOMPARE(basc.fill("lblPrograma_0")->font().pointSize(), 16);
        QCOMPARE(basc.animal(1)->accessibleName(), QString("Izurdeak"));
    }

    // Everything a teacher or a pupil acts on is reached with Tab, in reading order (the window's
    // tab order, which Shift+Tab walks back through Qt's own links); Space and Enter act on what
    // has the focus.
    void teclat() {
        Front f;
        QApplication::setActiveWindow(f.w.get());
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        QStringList portada{""}; // the tab bar
        for (int g = 1; g <= 16; ++g)
            portada << QStringLiteral("Grup_%1").arg(g);
        portada += QStringList{"bSortida", "Persiana0"};
        QCOMPARE(f.tabula(int(portada.size()), Qt::Key_Tab), portada.mid(1) << "");
        QTest::keyClick(f.animal(3), Qt::Key_Return);
        QTest::keyClick(f.animal(1), Qt::Key_Space);
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
        for (int i = 3; i <= 10; ++i)
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
        QVERIFY(p->oberta() == obre && f.boto("bEines_2")->isVisible() == obre);
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

    // With the list full: the level editor opens without the hourglass left over it; a printer that
    // cannot be opened (a PDF to be written where a folder stands) is said; nobody more can be
    // added.
    void centAlumnes() {
        Front f(llistaDe(100));
        bool ocupat = true;
        WhenModal editor("fConfig", [&](QDialog*) {
            QCoreApplication::processEvents();
            ocupat = QApplication::overrideCursor() != nullptr;
        });
        f.boto("bEines_1")->click();
        QVERIFY(editor.ran() && !ocupat && !QApplication::overrideCursor());
        f.pestanya(1);
        QCOMPARE(f.relacio()->rowCount(), 100);
        f.w->setAnimacions(true);
        f.persiana("Persiana")->click();
        QVERIFY(!f.fill("Pany")->isVisible()); // rolling
        f.w->setAnimacions(false);
        QVERIFY(f.fill("Pany")->isVisible());
        QVERIFY(f.boto("bEines_8")->isVisible() && !f.boto("bEines_8")->icon().isNull());
        int alumnes = 0;
        QString progres;
        WhenModal resum("fResum", [&](QDialog* d) {
            auto* taula = d->findChild<QTableWidget*>("Taula");
            alumnes = taula->rowCount();
            WhenModal grafic("fProgres", [&](QDialog* g) { progres = g->windowTitle(); });
            emit taula->activated(taula->model()->index(1, 1)); // a pupil opens their progress
        });
        f.boto("bEines_9")->click();
        QCOMPARE(alumnes, 100);
        QVERIFY2(progres.startsWith(f.relacio()->item(1, 1)->text().trimmed()),
                 qPrintable(progres));
        // The worksheets open on the current tab's activity, for the pupils of the list.
        QString fitxes;
        WhenModal finestraFitxes("fFitxes", [&](QDialog* d) {
            fitxes = d->findChild<QComboBox*>("Activitat")->currentText() + ' ' +
                     QString::number(d->findChild<QListWidget*>("Alumnes")->count());
        });
        f.boto("bEines_10")->click();
        QCOMPARE(fitxes, QString("Cardinals 100"));
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(f.c.path());
        WhenModal vista("QPrintPreviewDialog", [&](QDialog* d) {
            emit static_cast<QPrintPreviewDialog*>(d)->paintRequested(&impressora);
        });
        CaptaMissatges capta;
        f.boto("bEines_8")->click();
        f.boto("bEines_4")->click();
        QVERIFY(vista.ran());
        QCOMPARE(capta.textos(),
                 QStringList({"Error en imprimir", "La llista no admet més registres!"}));
        f.w->TancaPersiana();
        QVERIFY(!f.boto("bEines_8")->isVisible());
        // The closed blind covers every tool, one under the other, all below the open blind.
        const QRect tancada = f.persiana("Persiana")->geometry();
        for (int i = 3, dalt = tw(DisposicioPortada::kPersianaOberta); i <= 10; ++i) {
            const QRect r = f.boto(qPrintable(QStringLiteral("bEines_%1").arg(i)))->geometry();
            QVERIFY(tancada.contains(r) && r.top() >= dalt);
            dalt = r.bottom() + 1;
        }
    }

    void missatges_data() { files(kCaixes); }
    void missatges() {
        const Caixa& r = fila(kCaixes);
        QStringList vist;
        WhenModal when([&](QDialog* box) {
            auto* text = box->findChild<QLabel*>("Text");
            auto* mou1 = box->findChild<QPushButton*>("Mou_1");
            vist << box->windowTitle() << box->focusWidget()->objectName() << text->text();
            for (const char* nom : {"Icona_0", "Icona_1", "Mou_0", "Mou_1"})
                if (auto* w = box->findChild<QWidget*>(nom); w->isVisible())
                    vist << nom + (w->accessibleName().isEmpty() ? "" : " " + w->accessibleName());
            // The whole text shows, and the buttons under it, inside the box.
            QVERIFY(box->isModal() && text->height() >= text->heightForWidth(text->width()));
            QVERIFY(text->geometry().right() < box->width());
            QVERIFY(mou1->y() >= text->geometry().bottom() &&
                    mou1->geometry().bottom() < box->height());
            surt(box, box, r.com);
        });
        const bool resposta = r.pregunta
                                  ? Missatges::Pregunta(QString::fromUtf8(r.text), 0)
                                  : (Missatges::Informacio(QString::fromUtf8(r.text), 0), true);
        QVERIFY(when.ran() && !when.leftOpen());
        QCOMPARE(resposta, r.resposta);
        QCOMPARE(vist, QStringList({"XIFRUM 5.0", r.pregunta ? "Mou_0" : "Mou_1", r.text}) +
                           (r.pregunta ? QStringList{"Icona_0", "Mou_0 No", "Mou_1 Sí"}
                                       : QStringList{"Icona_1", "Mou_1 Acceptar"}));
    }

    void canvia_data() { files(kCanvis); }
    void canvia() {
        const CanviClau& r = fila(kCanvis);
        Finestra<Contrasenya> w(2, r.clau, r.demanar);
        QStringList vist{w.w->windowTitle()};
        for (const char* nom : {"Etiqueta_0", "Etiqueta_1", "Etiqueta_2", "Actual"})
            vist << w.text(nom);
        for (const char* nom : {"Nova", "Demanar", "Mou_0", "Mou_1"})
            vist << w.fill(nom)->accessibleName();
        QCOMPARE(vist.join('|'), "Modificar la clau d'accés|Contrasenya actual|Nova contrasenya|"
                                 "Demanar contrasenya|" +
                                     QString(r.clau) +
                                     "|Nova contrasenya|Demanar contrasenya|Cancel·lar|Acceptar");
        QVERIFY(w.fill<QLabel>("Actual")->textFormat() == Qt::PlainText && // never as markup
                w.fill<QCheckBox>("Demanar")->isChecked() == (r.demanar == 1));
        if (r.desa == 2)
            QVERIFY(w.c.bloqueja(w.c.generalCfg()));
        CaptaMissatges capta;
        // The prompt box is usually set together with a new password: typing goes back there,
        // also after a click on the box's caption (2) from elsewhere.
        if (r.caixa == 2)
            w.fill("Mou_0")->setFocus();
        if (r.caixa)
            QTest::mouseClick(w.fill(r.caixa == 1 ? "Demanar" : "Etiqueta_2"), Qt::LeftButton);
        type(w.w->focusWidget(), QString::fromUtf8(r.tecles));
        surt(w.w.get(), w.fill("Nova"), r.com);
        QVERIFY(!w.w->isVisible());
        QCOMPARE(w.s.general.Clau + char('0' + w.s.general.Demanar),
                 camp(r.clauDespres, 8) + char('0' + r.demanarDespres));
        // The whole record is written from memory, the other settings in their places.
        QCOMPARE(w.cfg(), r.desa == 1
                              ? Registres::general(12, r.clauDespres, r.demanarDespres, 0, 2)
                              : QByteArray("<missing>"));
        QCOMPARE(capta.textos(), r.desa < 2 ? QStringList{}
                                            : QStringList{"No es pot crear la carpeta de dades del "
                                                          "programa o no s'hi pot escriure."});
        QCOMPARE(Finestra<Contrasenya>(2, "", 0, 1).w->windowTitle(),
                 "Modificar la clave de acceso");
    }

    void demana_data() { files(kRespostes); }
    void demana() {
        const Resposta& r = fila(kRespostes);
        Sessio s;
        s.general.Clau = camp(r.clau, 8);
        s.general.Idioma = int16_t(r.idioma);
        const ConfigGeneral abans = s.general;
        CaptaMissatges capta;
        QString vist;
        WhenModal pas("Pas", [&](QDialog* d) {
            auto* clau = d->findChild<QLineEdit*>("ClauVàlida");
            vist = QStringList({d->windowTitle(), clau->accessibleName(),
                                d->focusWidget()->objectName(),
                                d->findChild<QPushButton*>("Mou_0")->toolTip()})
                       .join('|');
            QCOMPARE(clau->echoMode(), QLineEdit::Password);
            type(clau, QString::fromUtf8(r.tecles));
            vist += QString("|%1").arg(clau->text().size());
            surt(d, clau, r.com);
        });
        QCOMPARE(Pas::Demana(s), r.concedit);
        QVERIFY(pas.ran() && !pas.leftOpen());
        QCOMPARE(capta.textos(), r.missatge ? QStringList{r.missatge} : QStringList{});
        QCOMPARE(vist, QString(r.idioma ? "Clave de acceso|Clave de acceso|ClauVàlida|Cancelar|%1"
                                        : "Clau d'accés|Clau d'accés|ClauVàlida|Cancel·lar|%1")
                           .arg(qMin(int(std::strlen(r.tecles)), 8)));
        QVERIFY(s.general == abans);
    }

    void finestraIdioma() {
        // Opened on the settings in memory, Galician and no separator; it previews a language
        // while it is open, at the same size, writing nothing.
        Finestra<fIdioma> f(2, "", 0, 2);
        QVERIFY(f.fill<QRadioButton>("Separador_2")->isChecked());
        QCOMPARE(f.fill<QListWidget>("Disponibles")->currentRow(), 2);
        const QSize mida = f.w->size();
        for (int fila : {1, 3, 2, 0, 0}) {
            f.fill<QListWidget>("Disponibles")->setCurrentRow(fila);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(f.w->size(), mida);
            QCOMPARE(f.s.general.Idioma, int16_t(fila));
            if (fila == 1) // the language shown at opening named in Spanish
                QCOMPARE(textos(f), "Idioma de la aplicación|Idioma actual|Idiomas disponibles|"
                                    "Idioma elegido|Separador de miles|Gallego|Español|Punto|"
                                    "Espacio|Ninguno|Catalán|Español|Gallego|Euskera|"
                                    "Cancelar/Cancelar|Aceptar/Aceptar");
        }
        QCOMPARE(textos(f), kCatala);
        QVERIFY(f.w->isVisible());
        QCOMPARE(f.cfg(), QByteArray("<missing>"));
    }

    void tria_data() { files(kTries); }
    void tria() {
        const Tria& r = fila(kTries);
        Finestra<fIdioma> f(0);
        auto* llista = f.fill<QListWidget>("Disponibles");
        if (r.idioma == 9)
            QTest::keyClick(llista, Qt::Key_Down);
        else if (r.idioma >= 0)
            QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                              llista->visualItemRect(llista->item(r.idioma)).center());
        if (r.separador >= 0)
            f.fill<QRadioButton>(QString("Separador_%1").arg(r.separador))->click();
        surt(f.w.get(), llista, r.com);
        QVERIFY(!f.w->isVisible());
        QCOMPARE(QString("%1 %2").arg(f.s.general.Idioma).arg(f.s.general.Separador),
                 QString("%1 %2").arg(r.idiomaDespres).arg(r.separadorDespres));
        QCOMPARE(f.cfg(),
                 r.desa ? Registres::general(12, "TUXAM", 0, r.idiomaDespres, r.separadorDespres)
                        : QByteArray("<missing>"));
    }

    // Every animal and tool was drawn at build time, at every size.
    void imatges() {
        using Taula = std::span<const TaulaEmoji::Entrada>;
        for (Taula taula : {Taula(TaulaEmoji::kAnimals), Taula(TaulaEmoji::kEines)})
            for (const auto& [nom, _] : taula) {
                QVERIFY2(EmojiPortada::te(nom), nom);
                for (int mida : TaulaEmoji::kMides) {
                    const QImage img = EmojiPortada::imatge(nom, mida);
                    QVERIFY2(img.size() == QSize(mida, mida) && esDibuix(img), nom);
                }
            }
        QVERIFY(!EmojiPortada::te("grup17") && EmojiPortada::imatge("grup17", 64).isNull() &&
                EmojiPortada::imatge("grup1", 0).isNull());
        // The stored size handed out is the smallest that covers the request, else the largest.
        for (auto [demanat, servit] :
             {std::pair{1, 32}, {32, 32}, {33, 48}, {54, 64}, {96, 96}, {108, 160}, {400, 160}})
            QCOMPARE(EmojiPortada::imatge("grup1", demanat).width(), servit);
        // Each group its own animal, a letter badge outside 1..16; drawn at the device pixels.
        const QImage dofi = AnimalsGrups::imatge(1, "Dofins", 54, 1.0).toImage();
        QVERIFY(dofi.size() == QSize(54, 54) && esDibuix(dofi));
        QVERIFY(dofi != AnimalsGrups::imatge(2, "Lloros", 54, 1.0).toImage());
        QVERIFY(AnimalsGrups::ambEmoji(16) && !AnimalsGrups::ambEmoji(17));
        QVERIFY(tinta(AnimalsGrups::imatge(17, "Zebres", 54, 1.0).toImage()).second > 0);
        const QPixmap doble = AnimalsGrups::imatge(1, "Dofins", 54, 2.0);
        QVERIFY(doble.size() == QSize(108, 108) && doble.devicePixelRatio() == 2.0);
        for (int i = -1; i <= 10; ++i)
            QVERIFY(esDibuix(ImatgesPortada::eina(i, 32, 1.0).toImage()));
        // Scaled text takes the room of the scaled size, and the scale is applied, not ignored.
        for (qreal escala : {1.0, 0.6, 2.0}) {
            const QSizeF mida = QFontMetricsF(Lletra::negreta()).size(0, "Rinoceronts") * escala;
            QImage img(400, 120, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            p.setFont(Lletra::negreta());
            const QRectF caixa(10, 10, mida.width() + 2, mida.height() + 2);
            Lletra::textEscalat(p, caixa, Qt::AlignCenter, "Rinoceronts", escala);
            p.end();
            const QRect t = tinta(img).first;
            QVERIFY(!t.isEmpty() && caixa.adjusted(-1, -1, 1, 1).contains(QRectF(t)) &&
                    t.width() > mida.width() * 0.8);
        }
        // The buttons' look follows their state; the frames are filled, outlined and rounded.
        BotoArrodonit boto({Qt::white, Qt::darkYellow, Qt::yellow, Qt::darkGreen, Qt::red,
                            Qt::lightGray, Qt::gray, 1, 3, 8});
        boto.resize(80, 40);
        QCOMPARE(colors(boto), QColor(Qt::white).name() + QColor(Qt::darkYellow).name());
        boto.setDown(true);
        QCOMPARE(colors(boto).left(7), QColor(Qt::darkGreen).name());
        boto.setDown(false);
        boto.setEnabled(false);
        QCOMPARE(colors(boto), QColor(Qt::lightGray).name() + QColor(Qt::gray).name());
        Marc marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14});
        marc.resize(200, 80);
        const QImage img = marc.grab().toImage();
        QCOMPARE(QColor(img.pixel(100, 40)).name() + QColor(img.pixel(100, 0)).name(),
                 "#ffe08a#e8a33d");
        const QColor cantonada(img.pixel(0, 0)); // what lies behind
        QVERIFY(cantonada != QColor(0xFF, 0xE0, 0x8A) && cantonada != QColor(0xE8, 0xA3, 0x3D));
    }

    // The first page: the header ending at the rule's end, the headings 3 mm after one another,
    // the levels centred under them ("-" for a left-out one), rules to 275 under each line.
    void primeraPagina() {
        const QList<Pagina> pagines = LlistaImpresa::pagines(exemple(), 200, perCaracter);
        QVERIFY(pagines.size() == 1 && pagines.first().size() == 14 + 2 * 12);
        QStringList vist;
        for (int i : {0, 1, 2, 3, 4, 5, 6, 13, 15, 16, 18, 25, 27, 36, 37}) {
            const Element& e = pagines.first().at(i);
            vist << QString::number(i) + (e.tipus == Element::Tipus::Linia ? " rule" : " ") +
                        e.text + QString("@%1,%2-%3/%4").arg(e.x).arg(e.y).arg(e.x2).arg(e.punts);
        }
        QCOMPARE(vist.join('|'),
                 "0 XIFRUM 5.0 > Dofins (Normal)@12,9-0/10|1 05/03/2024. Pàgina 1@225,9-0/10|"
                 "2 rule@21,15-275/0|3 Núm@12,16-0/8|4 Nom@22,16-0/8|5 Cardinals@134,16-0/8|"
                 "6 Ordinals@155,16-0/8|13 Dividir@278,16-0/8|15 Arnau@22,21-0/8|16 2@142,21-0/8|"
                 "18 -@179,21-0/8|25 rule@21,25-275/0|27 Bet@22,26-0/8|36 9@284,26-0/8|"
                 "37 rule@21,30-275/0");
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
                mesBaixa = qMax(mesBaixa, e.tipus == Element::Tipus::Escrit ? e.y : 0);
        }
        QVERIFY(mesBaixa + 1 <= r.alcada - 25);
        if (r.primerDeLaDarrera == 0)
            QCOMPARE(llista.last().size(), 14);
        else
            QCOMPARE(llista.last().at(14).text + QString("@%1").arg(llista.last().at(14).y),
                     QString("%1@21").arg(r.primerDeLaDarrera));
    }

    // Through the printer's own fonts and page: landscape A4, one PDF page per laid-out page.
    void pdf() {
        CarpetaProva c;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(c.path("llista.pdf"));
        LlistaImpresa::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(qRound(printer.pageLayout().paintRect(QPageLayout::Millimeter).height()), 200);
        QVERIFY(LlistaImpresa::imprimeix(printer, exemple(60)));
        const QString pdf = QString::fromLatin1(c.llegeix(c.path("llista.pdf")));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(int(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)"))), 2);
        // What the list shows, gathered from the session in its language.
        Sessio s = c.sessio(13, 1);
        s.grup.NomNivell = "  Tercer  ";
        s.grup.Activitats = "111100000";
        const LlistaImpresa::Dades d = LlistaImpresa::recull(s, {}, QDate(2024, 3, 5));
        QCOMPARE(QStringList({d.titol, d.grup, d.nivell, d.data, d.pagina, d.capNumero, d.capNom,
                              d.activitats.at(0), d.activitats.at(8), d.incloses})
                     .join('|'),
                 QString("XIFRUM 5.0|Tiburones|Tercer|05/03/2024|Página|Núm|Nombre|Cardinales|"
                         "Dividir|111100000"));
    }
};

QTEST_MAIN(TestPortada)
#include "tst_Portada.moc"
