#include "board/ActivitatDividir.h"
#include "board/FabricaActivitats.h"
#include "board/ui/PanellActivitat.h"
#include "board/ui/Pissarra.h"
#include "core/FileLock.h"
#include "core/Rutes.h"
#include "core/StringTable.h"
#include "core/ui/Wingdings.h"
#include "tests/support/CaptaMissatges.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/FakeActivitat.h"
#include "tests/support/FakeContext.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"

#include <QApplication>
#include <QDrag>
#include <QFontInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <memory>

// The board window and the panels of its activities.

using Registres::nivell;

namespace {

// The series as the activity sees it, but for its random numbers, which come from a script.
struct Guio : ContextActivitat {
    ContextActivitat* serie = nullptr;
    ScriptedAtzar atzarGuionat;
    explicit Guio(QList<float> r) : atzarGuionat(std::move(r)) {}
    void RespostaCorrecta(int m = 71) override { serie->RespostaCorrecta(m); }
    void RespostaErronia() override { serie->RespostaErronia(); }
    void mostraMissatge(int id) override { serie->mostraMissatge(id); }
    int missatge() const override { return serie->missatge(); }
    bool ajudaDemanada() const override { return serie->ajudaDemanada(); }
    bool esperaActiva() const override { return serie->esperaActiva(); }
    int parametre1() const override { return serie->parametre1(); }
    int parametre2() const override { return serie->parametre2(); }
    int separador() const override { return serie->separador(); }
    int idioma() const override { return serie->idioma(); }
    bool ambResta() const override { return serie->ambResta(); }
    Atzar& atzar() override { return atzarGuionat; }
};

// A board opened, its clock stopped, for "Anna Puig" (number 7, the second record of group 3's
// file) at level 1 of `activitat`, the level set "Proves" holding `nivell` there and nothing else.
// With `atzar` the activity draws its numbers from that script; `crea` replaces the activity.
struct Tauler {
    CarpetaProva c;
    RecordingSoundPlayer so;
    Guio guio;
    std::unique_ptr<Pissarra> w;
    Tauler(int activitat, const QByteArray& nivell, QList<float> atzar = {}, int idioma = 0,
           bool ambResta = false, Serie::CreaActivitat crea = {})
        : guio(atzar) {
        c.escriu(c.niv("Proves"), Registres::joc({{activitat, 1, nivell}}));
        c.escriu(c.dat(TextIdioma(95, idioma)),
                 Registres::alumne(4, "Pere") + Registres::alumne(7, "Anna Puig"));
        c.escriu(c.grupsCfg(), Registres::grup().repeated(2) +
                                   Registres::grup("111111111", ambResta ? 1 : 0, 10, "Proves"));
        Sessio s = c.sessio(3, idioma);
        s.registre = {7, "Anna Puig", {1, 1, 1, 1, 1, 1, 1, 1, 1}, "anna.png"};
        if (!crea && !atzar.isEmpty())
            crea = [this](int a, ContextActivitat& serie) {
                guio.serie = &serie;
                return FabricaActivitats::crea(a, guio);
            };
        const EntornSerie e{&so, nullptr, [] { return QDate(2001, 12, 5); }};
        QPixmap foto(40, 40);
        foto.fill(Qt::blue);
        w = std::make_unique<Pissarra>(ObreSerie::deSessio(s, activitat, 2, 11), e,
                                       ImatgesPissarra{foto, {}},
                                       crea ? crea : FabricaActivitats::crea);
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
    }

    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    // A label's text, or a button's caption read on one line.
    QString text(const QString& nom) const {
        return fill(nom)->property("text").toString().replace(u'\n', u' ');
    }
    // Keys typed on the board's keyboard box, or with `focus` on the focused control: '^' Up,
    // 'v' Down, 'r' Return, 'K' keypad Enter, 'x' Escape.
    void tecles(const QByteArray& t, bool focus = false) const {
        const Qt::Key kNoms[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter,
                                 Qt::Key_Escape};
        for (char k : t) {
            const qsizetype i = QByteArray("^vrKx").indexOf(k);
            QTest::keyClick(focus ? w->focusWidget() : fill("CaixaTeclat"),
                            i < 0 ? Qt::Key(k) : kNoms[i]);
        }
    }
    // The controls' names for a screen reader, with their tooltips.
    QString noms(std::initializer_list<const char*> controls, bool ambAjuda = false) const {
        QStringList n;
        for (const char* c : controls)
            n << fill(c)->accessibleName() + (ambAjuda ? "/" + fill(c)->toolTip() : "");
        return n.join('|');
    }
    void clica(const QString& b) const { QTest::mouseClick(fill<QPushButton>(b), Qt::LeftButton); }
    // A cell of the panel itself (the board has labels of the same names).
    QLabel* cella(const QString& nom) const {
        return w->panell()->findChild<QLabel*>(nom, Qt::FindDirectChildrenOnly);
    }
};

// A board whose every exercise asks "12": two to do, three errors allowed, one second to play.
struct Prova : Tauler {
    explicit Prova(int idioma = 0)
        : Tauler(5, nivell(1, 2, 3, 1, 0), {}, idioma, false,
                 [](int, ContextActivitat& ctx) -> std::unique_ptr<Activitat> {
                     return std::make_unique<FakeActivitat>(ctx);
                 }) {}
};

// What the board does, in turn: T a clock beat, X the close box, B BtTancar, x Escape, r Return,
// K keypad Enter; H makes the history file unwritable.
struct Tancament {
    const char *nom, *accions, *resultat; // of the one history line, "" for none
    bool oberta;
};
const Tancament kTancaments[] = {{"close box mid-series", "X", "Abandona", false},
                                 {"BtTancar mid-series", "B", "Abandona", false},
                                 {"Escape does not close", "x", "", true},
                                 {"Return after the end", "TTr", "Temps", false},
                                 {"keypad Enter after the end", "TTK", "Temps", false},
                                 {"history not written at the end", "HTT", "", true},
                                 {"history not written on leaving", "HB", "", false}};

const QColor kGroc(255, 255, 0), kVermell(255, 0, 0), kGris(0xC0, 0xC0, 0xC0);

QColor color(const QWidget* w, QPalette::ColorRole r = QPalette::WindowText) {
    return w->palette().color(r);
}

// Row `fila` (1, 2 or 3) of a column sum read from the leftmost cell, "?" for a waiting one.
QString filaSuma(const Tauler& t, int fila) {
    QString text;
    for (int i = 0; QLabel* l = t.cella(QString("Línia%1_%2").arg(fila).arg(i)); ++i)
        text.prepend(l->text() == Wingdings::text(Wingdings::kWaitingDigit) ? "?" : l->text());
    return text;
}

// Typed on a board that waits after each exercise: 7 x 3 on the tables, 47 + 25 as a sum; the
// tables' cursor or each sum cell from the units: '?' waiting, 'A' right, 'E' wrong, '-' none.
struct Linia {
    const char *nom, *tecles, *escrit, *estats;
};
const Linia kTaules[] = {{"nothing", "", "", "?"},
                         {"wrong digit", "9", "", "E"},
                         {"mended", "92", "2", "?"},
                         {"whole", "21", "21", "-"}};
const Linia kSumes[] = {
    {"waiting", "", "?", "?"}, {"wrong tens", "29", "?2", "AE"}, {"whole", "27", "72", "AA"}};

// Long multiplication (8), long division (9): '!' marks a wrong key; the rows at the end.
// `opcio`: the division's subtractions, the multiplication's blank column as 0.
struct Operacio {
    const char *nom, *tecles, *files;
    int activitat, operand1, operand2, opcio;
};
const Operacio kOperacions[] = {
    // A written 0 ends row 1; a digit where "+" is awaited is wrong.
    {"456 x 120", "02!3190654!5!8+02745", " 9 1 2 0| 4 5 6  || 5 4 7 2 0", 8, 456, 120, true},
    {"37 x 20, one row", "047", " 7 4 0|||", 8, 37, 20, false},
    // A minus before any digit is wrong, and a digit where the minus is awaited too.
    {"845 / 9", "9!1353!78", "8 4 5 9 |9 3 |3 5 ||8 |||", 9, 845, 9, false},
    {"845 / 9 with subtractions", "!-918!5-305372-80", "8 4 5 9 |9 3 |8 1 |0 3 5 |2 7 |0 8 ||", 9,
     845, 9, true}};

// The ordering board, numbers 0..99 drawn as listed, six to a list.
struct Ordre : Tauler {
    explicit Ordre(const QList<int>& nombres)
        : Tauler(4, nivell(300, 5, 3, 0, 99), [&] {
              QList<float> r;
              for (int n : nombres)
                  r << (float(n) + 0.5f) / 100.0f;
              return r;
          }()) {}
    QLabel* paraula(int i) const { return fill<QLabel>(QString("Paraula_%1").arg(i)); }
    QString paraules() const {
        QStringList p;
        for (int i = 0; i < 6; ++i)
            p << paraula(i)->text();
        return p.join(' ');
    }
    // Presses the mouse on word `s` and moves it far enough to drag it: the drag started, if any.
    QDrag* agafa(int s) const {
        const QPoint p(30, paraula(s)->height() / 2);
        QTest::mousePress(paraula(s), Qt::LeftButton, {}, p);
        QTest::mouseMove(paraula(s), p + QPoint(0, QApplication::startDragDistance() + 4));
        QTest::mouseRelease(paraula(s), Qt::LeftButton, {}, p);
        return paraula(s)->findChild<QDrag*>();
    }
    // What the platform sends the word dropped on; true when the drop was taken.
    bool deixa(int d, const QMimeData* mime) const {
        const QPoint p = paraula(d)->rect().center();
        QDragEnterEvent entra(p, Qt::MoveAction, mime, Qt::LeftButton, {});
        QDragMoveEvent mou(p, Qt::MoveAction, mime, Qt::LeftButton, {});
        QDropEvent deixa(p, Qt::MoveAction, mime, Qt::LeftButton, {});
        for (QEvent* e : std::initializer_list<QEvent*>{&entra, &mou, &deixa})
            QApplication::sendEvent(paraula(d), e);
        return deixa.isAccepted();
    }
    void arrossega(int s, int d) const {
        QDrag* drag = agafa(s);
        QVERIFY(drag && !drag->pixmap().isNull());
        deixa(d, drag->mimeData());
    }
};

// On the fresh list 7 3 7 1 2 9: word `origen` dropped on `desti` (-1 a text from another
// window), or, with no `desti`, `tecles` on the focused word, `origen` at first (' ' Space, 'r'
// Return, '^' Up, 'v' Down, 'x' Escape). The list and the focus after it.
struct Moviment {
    const char *nom, *tecles, *paraules;
    int origen, desti, focus;
};
const Moviment kMoviments[] = {{"dragged down", "", "7 7 1 2 3 9", 1, 4, 0},
                               {"a text from another window", "", "7 3 7 1 2 9", -1, 3, 0},
                               {"carried to the bottom", "rvvvvvv ", "3 7 1 2 9 7", 0, -2, 5},
                               {"arrows move the focus", "vv ^ ", "7 7 3 1 2 9", 0, -2, 1},
                               {"Escape puts it back", " vx ", "7 3 7 1 2 9", 1, -2, 2}};

} // namespace

class TestPissarra : public QObject {
    Q_OBJECT
private slots:
    void obertura() {
        Prova t;
        QCOMPARE(QStringList({t.text("Dades_1"), t.text("Afirmatives"), t.text("Negatives"),
                              t.text("Rellotge"), t.fill("Imatge")->accessibleName()}),
                 (QStringList{"Anna Puig", "2", "3", "1", "Anna Puig"}));
        QVERIFY(t.fill("Imatge")->isVisible() && t.fill("Teclat_0")->isVisible());
        QVERIFY(!t.fill("Teclat_1")->isVisible() && !t.fill("BtTxt")->isVisible());
        QCOMPARE(t.w->focusWidget(), t.fill("CaixaTeclat"));
        // Tab rings the control it reaches; a click takes the ring away with the focus.
        t.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
        const QWidget* marca = t.fill("MarcaFocus");
        QTest::keyClick(t.fill("CaixaTeclat"), Qt::Key_Tab);
        QVERIFY(marca->isVisible() && t.w->focusWidget() != t.fill("CaixaTeclat"));
        QVERIFY(marca->geometry().contains(t.w->focusWidget()->geometry().adjusted(-4, -4, 4, 4)));
        // Every control a pupil can act on has a name a screen reader can say.
        QCOMPARE(t.noms({"BtAjuda", "BtEspera_0", "BtEspera_1", "BtTancar"}, true),
                 "Ajuda/Ajuda|Esperar/Esperar|No esperar/No esperar|Sortir/Sortir");
        for (QPushButton* b : t.fill<QWidget>("Teclat_0")->findChildren<QPushButton*>())
            QCOMPARE(b->accessibleName(), b->text());
        // Waiting after each exercise: the message shows and the keys rest until it is pressed.
        t.clica("BtEspera_1");
        QVERIFY(t.fill("BtEspera_0")->isVisible() && !t.fill("BtEspera_1")->isVisible());
        QVERIFY(!marca->isVisible());
        t.clica("Tecla_1");
        t.tecles("2");
        QCOMPARE(t.text("Afirmatives") + t.text("BtTxt"), QString("1Operació finalitzada!"));
        QVERIFY(t.fill("Pulsa")->isVisible() && !t.fill("Tecla_5")->isEnabled());
        t.clica("BtTxt");
        QVERIFY(!t.fill("BtTxt")->isVisible() && t.fill("Tecla_5")->isEnabled());
        t.clica("BtAjuda");
        QCOMPARE(t.text("Negatives"), QString("2"));
        const int alcada = t.fill("Persiana")->height();
        t.clica("Persiana");
        t.w->acabaAnimacions();
        QVERIFY(t.fill("Persiana")->height() != alcada);
        // Clicks leave the keys with the keyboard box.
        QCOMPARE(t.w->focusWidget(), t.fill("CaixaTeclat"));
        t.w->tic();
        QCOMPARE(t.text("Rellotge"), QString("0"));
        // A screen reader hears a counter when it moves; the clock only along with the others.
        QCOMPARE(t.noms({"Afirmatives", "Negatives", "Rellotge"}), "Fer: 1|Errors: 2|Temps: 1");
    }

    void tancaments_data() { files(kTancaments); }
    void tancaments() {
        const Tancament& r = fila(kTancaments);
        Prova t;
        CaptaMissatges capta;
        for (const char* a = r.accions; *a; ++a)
            if (*a == 'T' || *a == 'X')
                *a == 'T' ? t.w->tic() : void(t.w->close());
            else if (*a == 'B')
                t.clica("BtTancar");
            else if (*a == 'H')
                QVERIFY(t.c.bloqueja(t.c.hst("Anna Puig")));
            else
                t.tecles(QByteArray(1, *a), true);
        QStringList resultats;
        for (const QByteArray& l : t.c.llegeix(t.c.hst("Anna Puig")).split('\n'))
            if (l.contains('\t'))
                resultats << QString::fromLatin1(l).split('\t').value(2).trimmed();
        QCOMPARE(capta.textos(),
                 std::strchr(r.accions, 'H') ? QStringList{TextIdioma(120, 0)} : QStringList{});
        QCOMPARE(resultats.join(""), QString(r.resultat));
        QCOMPARE(t.w->isVisible(), r.oberta);
    }

    // The end messages are longer than a line of the button: every word shows, in every
    // language, the longest being those about a level that could not be stored (the file cannot
    // be written, or another computer holds its lock).
    void missatgesSencers() {
        FileLock::setWaitMs(10);
        for (int idioma = 0; idioma < 4; ++idioma)
            for (const int id : {75, 120, 490}) {
                Prova t(idioma);
                const bool bloquejat = id != 75;
                FileLock altre(RutaBloqueig(t.c.path(), t.c.dat(TextIdioma(95, idioma))));
                QVERIFY(id == 490 ? altre.lock()
                                  : !bloquejat || t.c.bloqueja(t.c.dat(TextIdioma(95, idioma))));
                for (int i = 0; i < 2; ++i)
                    bloquejat ? t.w->serie().RespostaCorrecta() : t.w->tic();
                auto* b = t.fill<QPushButton>("BtTxt");
                const QString esperat = TextIdioma(id, idioma);
                QCOMPARE(b->accessibleName() + "|" + t.text("BtTxt"), esperat + "|" + esperat);
                const QFontMetrics fm(b->font());
                const QStringList linies = b->text().split(u'\n');
                for (const QString& l : linies)
                    QVERIFY2(fm.horizontalAdvance(l) <= b->width() - 36, qPrintable(l));
                QVERIFY(linies.size() * fm.lineSpacing() <= b->height() - 20);
            }
        FileLock::setWaitMs(FileLock::kWaitMs);
    }

    // Number words keep whole when the phrase wraps: word joiners, not seen.
    void cardinals() {
        Tauler t(1, nivell(300, 5, 3, 1234, 1234), {0.5f});
        QCOMPARE(t.text("Pregunta").trimmed(), QString("MIL DOS-\u2060CENTS TRENTA-\u2060QUATRE"));
        QVERIFY(t.fill<QLabel>("Pregunta")->wordWrap() && !t.fill("Per")->isVisible());
    }

    void taules_data() { files(kTaules); }
    void taules() {
        const Linia& r = fila(kTaules);
        Tauler t(7, nivell(300, 5, 3, 3, 3), {0.75f, 0.5f});
        t.clica("BtEspera_1");
        t.tecles(r.tecles);
        const QLabel* solucio = t.fill<QLabel>("lblSolució");
        const QLabel* senyal = t.fill<QLabel>("Senyal");
        QCOMPARE(t.text("Pregunta").trimmed() + "=" + solucio->text(),
                 "7 x 3=" + QString(r.escrit));
        const QWidget* caixa = t.fill("CaixaTeclat");
        QCOMPARE(caixa->accessibleName() + "|" + caixa->accessibleDescription(),
                 ("7 × 3|Resposta: " + QString(r.escrit)).trimmed());
        QVERIFY(t.fill("Per")->isVisible());
        QCOMPARE(senyal->isVisible(), *r.estats != '-');
        QCOMPARE(color(senyal), *r.estats == 'E' ? kVermell : QColor(0xE0, 0xE0, 0xE0));
        // The cursor waits at the right end of what is written.
        QCOMPARE(senyal->x(),
                 solucio->x() + QFontMetrics(solucio->font()).horizontalAdvance(r.escrit));
    }

    // The operands in columns from the units, the rule, then each result cell under its column.
    void sumes_data() { files(kSumes); }
    void sumes() {
        const Linia& r = fila(kSumes);
        Tauler t(5, nivell(300, 5, 3, 2, 1), {0.75f, 0.55f, 0.34f, 0.12f});
        t.clica("BtEspera_1");
        t.tecles(r.tecles);
        QCOMPARE(filaSuma(t, 1) + t.cella("MésMenys")->text() + filaSuma(t, 2), QString("47+25"));
        QCOMPARE(filaSuma(t, 3), QString(r.escrit));
        const QWidget* regle = t.w->panell()->findChild<QWidget*>("Línia_2");
        QVERIFY(regle->y() >= t.cella("Línia2_0")->y() + 40 &&
                regle->geometry().bottom() < t.cella("Línia3_0")->y());
        const int n = int(std::strlen(r.estats));
        QVERIFY(!t.cella(QString("Línia3_%1").arg(n)));
        for (int i = 0; i < n; ++i) {
            const QLabel* c = t.cella(QString("Línia3_%1").arg(i));
            const int x = t.cella(QString("Línia1_%1").arg(i))->geometry().center().x();
            QCOMPARE(t.cella(QString("Línia2_%1").arg(i))->geometry().center().x(), x);
            QVERIFY(qAbs(c->geometry().center().x() - x) <= 3);
            QVERIFY(i == 0 || x < t.cella(QString("Línia1_%1").arg(i - 1))->x());
            const bool be = r.estats[i] == 'A';
            QCOMPARE(color(c), be ? kGroc : r.estats[i] == 'E' ? kVermell : kGris);
            QCOMPARE(c->font().bold(), be);
            QVERIFY(!be || QFontInfo(c->font()).family() == "Liberation Sans");
        }
        if (n == 2 && r.estats[1] == 'A') { // the next sum clears the result row
            t.clica("BtTxt");
            QCOMPARE(filaSuma(t, 3), QString("?"));
        }
    }

    void operacions_data() { files(kOperacions); }
    void operacions() {
        const Operacio& r = fila(kOperacions);
        const bool div = r.activitat == 9;
        const int x1 = int(QString::number(r.operand1).size());
        const int x2 = int(QString::number(r.operand2).size());
        // The r that draws each operand among the numbers of its digits.
        const auto rPer = [](int v, int xifres) {
            const int lo = int(std::pow(10, xifres - 1));
            return (float(v - lo) + 0.5f) / float(lo * 9);
        };
        Tauler t(r.activitat, nivell(300, 5, 5, x1, x2),
                 div ? QList<float>{} : QList<float>{rPer(r.operand1, x1), rPer(r.operand2, x2)}, 0,
                 r.opcio);
        t.clica("BtEspera_1");
        if (div)
            QVERIFY(qobject_cast<ActivitatDividir*>(t.w->serie().activitat())
                        ->posaOperacio(r.operand1, r.operand2));
        QStringList noms = div ? QStringList{"Quocient"} : QStringList{};
        for (int k = 1; k <= (div ? 3 : 4); ++k)
            noms << (div ? QStringList{QString("ApuntRes_%1").arg(k), QString("ApuntDiv_%1").arg(k)}
                         : QStringList{QString("Resposta_%1").arg(k)});
        QLabel* torn = t.fill<QLabel>(div ? "TornDiv" : "Torn");
        for (const char* k = r.tecles; *k; ++k) {
            const bool mal = *k == '!';
            k += mal;
            const QRect lloc = torn->geometry();
            QStringList abans;
            for (const QString& nom : noms)
                abans << t.text(nom);
            t.tecles(QByteArray(1, *k));
            const QColor cursor = mal ? kVermell : div ? kGroc : kGris;
            QVERIFY(!torn->isVisible() ||
                    color(torn, div ? QPalette::Window : QPalette::WindowText) == cursor);
            int j = 0;
            while (j < noms.size() && t.text(noms.at(j)) == abans.at(j))
                ++j;
            if (mal || j == noms.size())
                continue;
            // The digit shows where the cursor waited, whichever way its row grows.
            const QLabel* l = t.fill<QLabel>(noms.at(j));
            const QString ara = l->text(), vell = abans.at(j);
            const bool davant = ara.endsWith(vell);
            const QString nou = davant ? ara.chopped(vell.size()) : ara.mid(vell.size());
            if (nou.trimmed().isEmpty())
                continue; // a blank column, whose 0 shows apart
            const QFontMetricsF fm(l->font());
            const qreal centre =
                l->x() +
                fm.horizontalAdvance((davant ? "" : vell) + nou.left(nou.indexOf(nou.trimmed()))) +
                fm.horizontalAdvance(nou.trimmed()) / 2;
            QVERIFY2(centre > lloc.left() - 3 && centre < lloc.right() + 3, k);
            QVERIFY(lloc.center().y() > l->y() && lloc.center().y() < l->geometry().bottom());
            QCOMPARE(color(l), kGroc);
        }
        QStringList files{div ? t.text("Dividend") + t.text("Divisor") : ""};
        for (const QString& nom : noms)
            files << (t.fill(nom)->isVisible() ? t.text(nom) : "");
        QCOMPARE(files.join('|').mid(div ? 0 : 1), QString(r.files));
        QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
        QVERIFY(!torn->isVisible());
        if (!div) {
            QCOMPARE(t.fill("Zero")->isVisible(), r.opcio);
            QCOMPARE(t.fill("Línia_1")->isVisible(), !QString(r.files).endsWith('|'));
            return;
        }
        QVERIFY(t.fill("Signe_1")->isVisible() == r.opcio &&
                t.fill("Signe_2")->isVisible() == r.opcio);
        // The finished division stays with the last remainder underlined.
        QLabel* acabada = t.fill<QLabel>("Acabada");
        const QLabel* ultima = t.fill<QLabel>(r.opcio ? "ApuntDiv_2" : "ApuntRes_2");
        QVERIFY(acabada->isVisible() && acabada->y() > ultima->y() + ultima->height() / 2);
        const int xifra =
            ultima->x() + QFontMetrics(ultima->font()).horizontalAdvance(ultima->text().chopped(2));
        QVERIFY(acabada->x() < xifra && acabada->geometry().right() > xifra);
        t.clica("BtTxt"); // the next division clears the board
        QVERIFY(!acabada->isVisible() && torn->isVisible() && t.text("Quocient").isEmpty());
    }

    // The blind is the check button: a wrong order costs an error and shows message 72, and the
    // words cannot be dragged meanwhile; the same list comes back to be ordered.
    void ordenar() {
        Ordre t({40, 10, 60, 20, 50, 30});
        QCOMPARE(t.fill("Persiana")->accessibleName(), TextIdioma(67, 0));
        QCOMPARE(t.text("Persiana").simplified(), TextIdioma(67, 0));
        QVERIFY(!t.fill("Pom")->isVisible());
        t.clica("Persiana");
        QCOMPARE(t.text("Negatives") + t.text("BtTxt"), "2" + TextIdioma(72, 0));
        QVERIFY(!t.fill("Persiana")->isEnabled() && !t.agafa(1));
        t.clica("BtTxt");
        QCOMPARE(t.paraules(), QString("40 10 60 20 50 30"));
        // Help orders the list at one error; the words are then neither dragged nor carried.
        t.clica("BtAjuda");
        QCOMPARE(t.paraules() + t.text("BtTxt") + t.text("Negatives"),
                 "10 20 30 40 50 60" + TextIdioma(68, 0) + "1");
        QVERIFY(!t.agafa(0));
        t.paraula(0)->setFocus();
        t.tecles(" v ", true);
        QCOMPARE(t.paraules(), QString("10 20 30 40 50 60"));
    }

    void moviments_data() { files(kMoviments); }
    void moviments() {
        const Moviment& r = fila(kMoviments);
        Ordre t({7, 3, 7, 1, 2, 9});
        QMimeData text;
        text.setText("1");
        if (r.origen < 0)
            QVERIFY(!t.deixa(r.desti, &text));
        else if (r.desti >= 0)
            t.arrossega(r.origen, r.desti);
        else {
            // The words are reached with Tab from wherever the board keeps the focus.
            for (int i = 0; i < 20 && t.w->focusWidget() != t.paraula(0); ++i)
                QTest::keyClick(t.w->focusWidget(), Qt::Key_Tab);
            t.tecles(QByteArray(r.origen, 'v') + r.tecles, true);
            QCOMPARE(t.w->focusWidget(), t.paraula(r.focus));
        }
        QCOMPARE(t.paraules(), QString(r.paraules));
        const bool canvi = t.paraules() != "7 3 7 1 2 9";
        QCOMPARE(t.so.played, canvi ? QStringList{"20"} : QStringList{});
    }
};

QTEST_MAIN(TestPissarra)
#include "tst_Pissarra.moc"
