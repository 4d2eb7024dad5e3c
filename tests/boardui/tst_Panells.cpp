#include "helpers/TaulerProva.h"

#include "ActivitatDividir.h"
#include "ActivitatMultiplicar.h"
#include "PanellActivitat.h"
#include "Registres.h"
#include "StringTable.h"
#include "Taula.h"
#include "Wingdings.h"

#include <QApplication>
#include <QDrag>
#include <QFontInfo>
#include <QFrame>
#include <QMimeData>
#include <cmath>
#include <cstring>

using Registres::nivell;

namespace {

const QColor kGroc(255, 255, 0), kVermell(255, 0, 0), kGris(0xC0, 0xC0, 0xC0);

QColor color(const QWidget* w, QPalette::ColorRole r = QPalette::WindowText) {
    return w->palette().color(r);
}

// A cell of the panel itself (the board has labels of the same names).
QLabel* cella(const Tauler& t, const QString& nom) {
    return t.w->panell()->findChild<QLabel*>(nom, Qt::FindDirectChildrenOnly);
}

// Row `fila` (1, 2 or 3) of a column sum read from the leftmost cell, "?" for a waiting one.
QString filaSuma(const Tauler& t, int fila) {
    QString text;
    for (int i = 0; QLabel* l = cella(t, QString("Línia%1_%2").arg(fila).arg(i)); ++i)
        text.prepend(l->text() == Wingdings::text(Wingdings::kWaitingDigit) ? "?" : l->text());
    return text;
}

// The r that draws `v` among the numbers of `xifres` digits.
float rPer(int v, int xifres) {
    const int lo = int(std::pow(10, xifres - 1));
    return (float(v - lo) + 0.5f) / float(lo * 9);
}

// Typed on a board that waits after each exercise: 7 x 3 on the tables, 47 + 25 as a sum.
struct Linia {
    const char* nom;
    const char* tecles;
    const char* escrit;
    const char* estats; // the cursor of the tables or each sum cell from the units: '?' waiting,
                        // 'A' right, 'E' wrong, '-' none
};
const Linia kTaules[] = {{"nothing", "", "", "?"},
                         {"first digit", "2", "2", "?"},
                         {"wrong digit", "9", "", "E"},
                         {"mended", "92", "2", "?"},
                         {"wrong after a digit", "23", "2", "E"},
                         {"whole", "21", "21", "-"}};
const Linia kSumes[] = {{"waiting", "", "?", "?"},
                        {"wrong units", "5", "?", "E"},
                        {"wrong tens", "29", "?2", "AE"},
                        {"whole", "27", "72", "AA"}};

// Long multiplication (8) and long division (9): each key marked '!' when it is wrong, '<' the
// left arrow; what the rows read at the end, joined with '|'.
struct Operacio {
    const char* nom;
    int activitat, operand1, operand2;
    bool opcio; // the division with subtractions; the multiplication's blank column shown as 0
    const char* tecles;
    const char* files;
};
const Operacio kOperacions[] = {
    // A written 0 ends row 1; a digit where "+" is awaited is wrong.
    {"456 x 120", 8, 456, 120, true, "02!3190654!5!8+02745", " 9 1 2 0| 4 5 6  || 5 4 7 2 0"},
    // The blank column taken by the left arrow, which is wrong anywhere else.
    {"456 x 205", 8, 456, 205, false, "0!<822<219+08439", " 2 2 8 0| 9 1 2  || 9 3 4 8 0"},
    {"37 x 20, one row", 8, 37, 20, false, "047", " 7 4 0|||"},
    // A minus before any digit is wrong, and a digit where the minus is awaited too.
    {"845 / 9", 9, 845, 9, false, "9!1353!78", "8 4 5 9 |9 3 |3 5 ||8 |||"},
    {"845 / 9 with subtractions", 9, 845, 9, true, "!-918!5-305372-80",
     "8 4 5 9 |9 3 |8 1 |0 3 5 |2 7 |0 8 ||"}};

// Numbers 0..99 drawn as listed, six to a list.
QList<float> llistes(const QList<int>& nombres) {
    QList<float> r;
    for (int n : nombres)
        r << (float(n) + 0.5f) / 100.0f;
    return r;
}
struct Ordre : Tauler {
    explicit Ordre(const QList<int>& nombres)
        : Tauler(4, nivell(300, 5, 3, 0, 99), llistes(nombres)) {}
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
    const char* nom;
    int origen, desti;
    const char* tecles;
    const char* paraules;
    int focus;
};
const Moviment kMoviments[] = {{"dragged down", 1, 4, "", "7 7 1 2 3 9", 0},
                               {"dropped on itself", 2, 2, "", "7 3 7 1 2 9", 0},
                               {"dropped on its equal", 2, 0, "", "7 3  1 2 9", 0},
                               {"a text from another window", -1, 3, "", "7 3 7 1 2 9", 0},
                               {"lifted, carried up, dropped", 4, -2, " ^^^r", "7 2 3 7 1 9", 1},
                               {"carried to the bottom", 0, -2, "rvvvvvv ", "3 7 1 2 9 7", 5},
                               {"arrows move the focus", 0, -2, "vv ^ ", "7 7 3 1 2 9", 1},
                               {"Escape puts it back", 1, -2, " vx ", "7 3 7 1 2 9", 2}};

} // namespace

class TestPanells : public QObject {
    Q_OBJECT
private slots:
    // Number words keep whole when the phrase wraps: word joiners, not seen.
    void preguntes() {
        Tauler cardinals(1, nivell(300, 5, 3, 1234, 1234), {0.5f});
        QCOMPARE(cardinals.text("Pregunta").remove(QChar(0x2060)).trimmed(),
                 QString("MIL DOS-CENTS TRENTA-QUATRE"));
        QVERIFY(cardinals.fill<QLabel>("Pregunta")->wordWrap());
        QVERIFY(!cardinals.fill("Per")->isVisible());
        Tauler taules(7, nivell(300, 5, 3, 3, 3), {0.75f, 0.5f});
        QCOMPARE(taules.text("Pregunta").trimmed(), QString("7 x 3"));
        QVERIFY(taules.fill("Per")->isVisible());
    }

    void taules_data() { files(kTaules); }
    void taules() {
        const Linia& r = fila(kTaules);
        Tauler t(7, nivell(300, 5, 3, 3, 3), {0.75f, 0.5f});
        t.clica("BtEspera_1");
        for (const char* c = r.tecles; *c; ++c)
            t.tecla(QLatin1Char(*c));
        const QLabel* solucio = t.fill<QLabel>("lblSolució");
        const QLabel* senyal = t.fill<QLabel>("Senyal");
        QCOMPARE(solucio->text(), QString(r.escrit));
        QCOMPARE(senyal->isVisible(), *r.estats != '-');
        QCOMPARE(color(senyal), *r.estats == 'E' ? kVermell : QColor(0xE0, 0xE0, 0xE0));
        // The cursor waits at the right end of what is written.
        QCOMPARE(senyal->x(),
                 solucio->x() + QFontMetrics(solucio->font()).horizontalAdvance(r.escrit));
    }

    // The operands in columns from the units, the rule between them and the result, each
    // result cell under its column.
    void sumes_data() { files(kSumes); }
    void sumes() {
        const Linia& r = fila(kSumes);
        Tauler t(5, nivell(300, 5, 3, 2, 1), {0.75f, 0.55f, 0.34f, 0.12f});
        t.clica("BtEspera_1");
        for (const char* c = r.tecles; *c; ++c)
            t.tecla(QLatin1Char(*c));
        QCOMPARE(filaSuma(t, 1) + cella(t, "MésMenys")->text() + filaSuma(t, 2), QString("47+25"));
        QCOMPARE(filaSuma(t, 3), QString(r.escrit));
        const QFrame* regle = t.w->panell()->findChild<QFrame*>("Línia_2");
        QVERIFY(regle->y() >= cella(t, "Línia2_0")->y() + 40);
        QVERIFY(regle->geometry().bottom() < cella(t, "Línia3_0")->y());
        const int n = int(std::strlen(r.estats));
        QVERIFY(!cella(t, QString("Línia3_%1").arg(n)));
        for (int i = 0; i < n; ++i) {
            const QLabel* c = cella(t, QString("Línia3_%1").arg(i));
            const int x = cella(t, QString("Línia1_%1").arg(i))->geometry().center().x();
            QCOMPARE(cella(t, QString("Línia2_%1").arg(i))->geometry().center().x(), x);
            QVERIFY(qAbs(c->geometry().center().x() - x) <= 3);
            QVERIFY(i == 0 || x < cella(t, QString("Línia1_%1").arg(i - 1))->x());
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
        const auto cursor = [&] {
            return color(torn, div ? QPalette::Window : QPalette::WindowText);
        };
        for (const char* k = r.tecles; *k; ++k) {
            const bool mal = *k == '!';
            k += mal;
            const QRect lloc = torn->geometry();
            QStringList abans;
            for (const QString& nom : noms)
                abans << t.text(nom);
            t.tecla(QLatin1Char(*k));
            QVERIFY(!torn->isVisible() || cursor() == (mal ? kVermell : div ? kGroc : kGris));
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
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(t.fill(QString("Signe_%1").arg(k))->isVisible(), r.opcio);
        // The finished division stays with the last remainder underlined.
        QLabel* acabada = t.fill<QLabel>("Acabada");
        QVERIFY(acabada->isVisible());
        const QLabel* ultima = t.fill<QLabel>(r.opcio ? "ApuntDiv_2" : "ApuntRes_2");
        QVERIFY(acabada->y() > ultima->y() + ultima->height() / 2);
        const int xifra =
            ultima->x() + QFontMetrics(ultima->font()).horizontalAdvance(ultima->text().chopped(2));
        QVERIFY(acabada->x() < xifra && acabada->geometry().right() > xifra);
        t.clica("BtTxt"); // the next division clears the board
        QVERIFY(!acabada->isVisible() && torn->isVisible() && t.text("Quocient").isEmpty());
    }

    // The blind is the check button: a wrong order costs an error and shows message 72, and the
    // words cannot be dragged meanwhile; the same list comes back to be ordered.
    void ordenar() {
        Ordre t(QList<int>{40, 10, 60, 20, 50, 30} + QList<int>{5, 4, 3, 2, 1, 0});
        QCOMPARE(t.fill("Persiana")->accessibleName(), TextIdioma(67, 0));
        QCOMPARE(t.text("Persiana").simplified(), TextIdioma(67, 0));
        QVERIFY(!t.fill("Pom")->isVisible());
        QTest::keyClick(t.fill("CaixaTeclat"), Qt::Key_Escape); // keys the series leaves alone
        QVERIFY(t.w->isVisible());
        t.clica("Persiana");
        QCOMPARE(t.text("Negatives") + t.text("BtTxt"), "2" + TextIdioma(72, 0));
        QVERIFY(!t.fill("Persiana")->isEnabled() && !t.agafa(1));
        t.clica("BtTxt");
        QCOMPARE(t.paraules(), QString("40 10 60 20 50 30"));
        for (auto [s, d] : {std::pair{1, 0}, {3, 1}, {5, 2}, {5, 4}})
            t.arrossega(s, d);
        QCOMPARE(t.paraules(), QString("10 20 30 40 50 60"));
        QCOMPARE(t.so.played, (QStringList{"24", "20", "20", "20", "20"}));
        t.clica("Persiana");
        QCOMPARE(t.text("Afirmatives") + "|" + t.paraules(), QString("4|5 4 3 2 1 0"));
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
            for (int i = 0; i < r.origen; ++i)
                QTest::keyClick(t.w->focusWidget(), Qt::Key_Down);
            for (const char* k = r.tecles; *k; ++k)
                QTest::keyClick(t.w->focusWidget(), *k == ' '   ? Qt::Key_Space
                                                    : *k == 'r' ? Qt::Key_Return
                                                    : *k == '^' ? Qt::Key_Up
                                                    : *k == 'v' ? Qt::Key_Down
                                                                : Qt::Key_Escape);
            QCOMPARE(t.w->focusWidget(), t.paraula(r.focus));
        }
        QCOMPARE(t.paraules(), QString(r.paraules));
        const bool canvi = t.paraules() != "7 3 7 1 2 9";
        QCOMPARE(t.so.played, canvi ? QStringList{"20"} : QStringList{});
    }

    // Help orders the list at one error; the words are then neither dragged nor carried.
    void ajuda() {
        Ordre t({7, 3, 7, 1, 2, 9});
        t.clica("BtAjuda");
        QCOMPARE(t.paraules() + t.text("BtTxt") + t.text("Negatives"),
                 "1 2 3 7 9 " + TextIdioma(68, 0) + "2");
        QVERIFY(!t.agafa(0));
        t.paraula(0)->setFocus();
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space})
            QTest::keyClick(t.w->focusWidget(), k);
        QCOMPARE(t.paraules(), QString("1 2 3 7 9 "));
    }
};

QTEST_MAIN(TestPanells)
#include "tst_Panells.moc"
