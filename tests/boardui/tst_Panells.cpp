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
    for (int i = 0; QLabel* l = cella(t, QStringLiteral("Línia%1_%2").arg(fila).arg(i)); ++i)
        text.prepend(l->text() == Wingdings::text(Wingdings::kWaitingDigit) ? "?" : l->text());
    return text;
}

// Keys typed on a board that waits after each exercise: 'A' right, 'E' wrong for each of them.
struct Linia {
    const char* nom;
    const char* tecles;
    const char* escrit;
    bool vermell, senyal;
};
// 7 x 3 on the tables.
const Linia kLinies[] = {
    {"nothing", "", "", false, true},
    {"first digit", "2", "2", false, true},
    {"wrong digit", "9", "", true, true},
    {"mended", "92", "2", false, true},
    {"wrong after a digit", "23", "2", true, true},
    {"whole", "21", "21", false, false},
};

// 47 + 25: the result row from the units, each cell waiting, right or wrong.
struct Resultat {
    const char* nom;
    const char* tecles;
    const char* fila;
    const char* estats; // from the units: '?' waiting, 'A' right, 'E' wrong
};
const Resultat kResultats[] = {
    {"waiting", "", "?", "?"},
    {"wrong units", "5", "?", "E"},
    {"wrong tens", "29", "?2", "AE"},
    {"whole", "27", "72", "AA"},
};

// Long multiplication with `tecles` ('<' the left arrow) judged `resultats` key by key; rows 1..3
// and the product at the end.
struct Multiplicacio {
    const char* nom;
    int operand1, operand2;
    const char* tecles;
    const char* resultats;
    QStringList files;
    bool zero;
};
float rPer(int v, int xifres) { // the r that draws `v` among the numbers of `xifres` digits
    const int lo = int(std::pow(10, xifres - 1));
    return (float(v - lo) + 0.5f) / float(lo * 9);
}
const Multiplicacio kMultiplicacions[] = {
    // A written 0 ends row 1 and row 2 has a blank column shown as 0; a digit where "+" is
    // awaited is wrong.
    {"456 x 120",
     456,
     120,
     "02319065458+02745",
     "AAEAAAAAAEEAAAAAA",
     {" 9 1 2 0", " 4 5 6  ", "", " 5 4 7 2 0"},
     true},
    // The blank column taken by the left arrow, which is wrong anywhere else.
    {"456 x 205",
     456,
     205,
     "0<822<219+08439",
     "AEAAAAAAAAAAAAA",
     {" 2 2 8 0", " 9 1 2  ", "", " 9 3 4 8 0"},
     false},
    {"37 x 20, one row", 37, 20, "047", "AAA", {" 7 4 0", "", "", ""}, false},
};

// 845 ÷ 9 in both layouts: a minus before any digit is wrong, and a digit where the minus is
// awaited too.
struct Divisio {
    const char* nom;
    bool ambResta;
    const char* tecles;
    const char* resultats;
    QStringList apunts; // ApuntRes_1, ApuntDiv_1, ApuntRes_2, ApuntDiv_2
};
const Divisio kDivisions[] = {
    {"plain", false, "9135378", "AEAAAEA", {"3 5 ", "", "8 ", ""}},
    {"with subtractions",
     true,
     "-9185-305372-80",
     "EAAAEAAAAAAAAAA",
     {"8 1 ", "0 3 5 ", "2 7 ", "0 8 "}},
};

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
    QLabel* paraula(int i) const { return fill<QLabel>(QStringLiteral("Paraula_%1").arg(i)); }
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

// One drop, or keys on the focused word (`inici` at first), on the fresh list 7 3 7 1 2 9: the
// list and the focus after it. Drop -1 is a text from another window.
struct Moviment {
    const char* nom;
    int origen, desti; // a drop of word origen on word desti; keys from word origen at desti -2
    QList<int> tecles;
    const char* paraules;
    int focus;
};
const Moviment kMoviments[] = {
    {"dragged down", 1, 4, {}, "7 7 1 2 3 9", -1},
    {"dropped on itself", 2, 2, {}, "7 3 7 1 2 9", -1},
    {"dropped on its equal", 2, 0, {}, "7 3  1 2 9", -1},
    {"a text from another window", -1, 3, {}, "7 3 7 1 2 9", -1},
    {"lifted, carried up, dropped",
     4,
     -2,
     {Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return},
     "7 2 3 7 1 9",
     1},
    {"carried to the bottom",
     0,
     -2,
     {Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
      Qt::Key_Down, Qt::Key_Space},
     "3 7 1 2 9 7",
     5},
    {"arrows move the focus",
     0,
     -2,
     {Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space},
     "7 7 3 1 2 9",
     1},
    {"Escape puts it back", 1, -2, {Qt::Key_Space, Qt::Key_Down, Qt::Key_Escape}, "7 3 7 1 2 9", 2},
};

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

    void linia_data() { files(kLinies); }
    void linia() {
        const Linia& r = fila(kLinies);
        Tauler t(7, nivell(300, 5, 3, 3, 3), {0.75f, 0.5f});
        t.clica("BtEspera_1");
        for (const char* c = r.tecles; *c; ++c)
            t.tecla(QLatin1Char(*c));
        const QLabel* solucio = t.fill<QLabel>("lblSolució");
        const QLabel* senyal = t.fill<QLabel>("Senyal");
        QCOMPARE(solucio->text(), QString(r.escrit));
        QCOMPARE(color(senyal), r.vermell ? kVermell : QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(senyal->isVisible(), r.senyal);
        // The cursor waits at the right end of what is written.
        QCOMPARE(senyal->x(),
                 solucio->x() + QFontMetrics(solucio->font()).horizontalAdvance(r.escrit));
    }

    // The operands in columns from the units, the larger on top of a subtraction, the rule
    // between them and the result.
    void suma() {
        for (auto [activitat, xifres, atzar, text] :
             {std::tuple{5, 2, QList<float>{0.75f, 0.55f, 0.34f, 0.12f}, "47+25"},
              {6, 3, QList<float>{0.15f, 0.85f, 0.5f, 0.5f, 0.1f, 0.6f}, "658-151"}}) {
            Tauler t(activitat, nivell(300, 5, 3, xifres, 1), atzar);
            QCOMPARE(filaSuma(t, 1) + cella(t, "MésMenys")->text() + filaSuma(t, 2), QString(text));
            for (int i = 0; i < xifres; ++i) {
                QLabel* dalt = cella(t, QStringLiteral("Línia1_%1").arg(i));
                QCOMPARE(cella(t, QStringLiteral("Línia2_%1").arg(i))->x(), dalt->x());
                QVERIFY(i == 0 ||
                        dalt->x() < cella(t, QStringLiteral("Línia1_%1").arg(i - 1))->x());
            }
            const QFrame* regle = t.w->panell()->findChild<QFrame*>("Línia_2");
            QVERIFY(regle->y() >= cella(t, "Línia2_0")->y() + 40);
            QVERIFY(regle->geometry().bottom() < cella(t, "Línia3_0")->y());
        }
    }

    void resultat_data() { files(kResultats); }
    void resultat() {
        const Resultat& r = fila(kResultats);
        Tauler t(5, nivell(300, 5, 3, 2, 1), {0.75f, 0.55f, 0.34f, 0.12f});
        t.clica("BtEspera_1");
        for (const char* c = r.tecles; *c; ++c)
            t.tecla(QLatin1Char(*c));
        QCOMPARE(filaSuma(t, 3), QString(r.fila));
        const int n = int(std::strlen(r.estats));
        QVERIFY(!cella(t, QStringLiteral("Línia3_%1").arg(n)));
        for (int i = 0; i < n; ++i) {
            const QLabel* c = cella(t, QStringLiteral("Línia3_%1").arg(i));
            const QLabel* dalt = cella(t, QStringLiteral("Línia1_%1").arg(i));
            QVERIFY(qAbs(c->geometry().center().x() - dalt->geometry().center().x()) <= 3);
            const bool be = r.estats[i] == 'A';
            QCOMPARE(color(c), be ? kGroc : r.estats[i] == 'E' ? kVermell : kGris);
            QCOMPARE(c->font().bold(), be);
            if (be)
                QCOMPARE(QFontInfo(c->font()).family(), QString("Liberation Sans"));
        }
        if (QByteArray(r.estats) == "AA") { // the next sum clears the result row
            t.clica("BtTxt");
            QCOMPARE(filaSuma(t, 3), QString("?"));
        }
    }

    void multiplicacio_data() { files(kMultiplicacions); }
    void multiplicacio() {
        const Multiplicacio& r = fila(kMultiplicacions);
        const int x1 = int(QString::number(r.operand1).size());
        const int x2 = int(QString::number(r.operand2).size());
        Tauler t(8, nivell(300, 5, 5, x1, x2), {rPer(r.operand1, x1), rPer(r.operand2, x2)});
        t.clica("BtEspera_1");
        const auto& a = *qobject_cast<ActivitatMultiplicar*>(t.w->serie().activitat());
        const auto resposta = [&](int k) {
            return t.fill<QLabel>(QStringLiteral("Resposta_%1").arg(k));
        };
        QCOMPARE(t.text("MultiSup").remove(' ') + "x" + t.text("MultiInf").remove(' '),
                 QString("%1x%2").arg(r.operand1).arg(r.operand2));
        QVERIFY(t.fill("lblSigne")->x() < t.fill("MultiInf")->x());
        QLabel* torn = t.fill<QLabel>("Torn");
        for (int i = 0; r.tecles[i]; ++i) {
            const QChar c = QLatin1Char(r.tecles[i]);
            const int fila = a.filaActual();
            const QRect lloc = torn->geometry();
            const QString abans = fila ? resposta(fila)->text() : QString();
            const QString errors = t.text("Negatives");
            t.tecla(c);
            if (r.resultats[i] == 'E') {
                QVERIFY(t.text("Negatives") != errors);
                QVERIFY(torn->geometry() == lloc &&
                        (!torn->isVisible() || color(torn) == kVermell));
                QVERIFY(!fila || resposta(fila)->text() == abans);
                continue;
            }
            if (c == u'+') {
                QVERIFY(t.fill("Línia_1")->isVisible());
            } else {
                // One more column of the row shows, its digit (or the 0 of a blank column) under
                // the place where the cursor waited.
                QLabel* l = resposta(fila);
                QVERIFY(l->text().size() == abans.size() + 2 && l->text().endsWith(abans));
                QCOMPARE(color(l), kGroc);
                const QLabel* escrit = l->text().at(1) == u' ' ? t.fill<QLabel>("Zero") : l;
                const QFontMetricsF fm(escrit->font());
                if (c != u'<')
                    QVERIFY2(qAbs(escrit->x() + fm.horizontalAdvance(' ') +
                                  fm.horizontalAdvance(c) / 2 - lloc.center().x()) <= 3,
                             qPrintable(QString::number(i)));
            }
            QVERIFY(!torn->isVisible() || color(torn) == kGris);
        }
        QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
        QVERIFY(!torn->isVisible());
        QCOMPARE(t.fill("Zero")->isVisible(), r.zero);
        QCOMPARE(t.fill("Línia_1")->isVisible(), !r.files.at(3).isEmpty());
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(resposta(k)->text(), r.files.at(k - 1));
            QCOMPARE(resposta(k)->isVisible(), !r.files.at(k - 1).isEmpty());
        }
    }

    void divisio_data() { files(kDivisions); }
    void divisio() {
        const Divisio& r = fila(kDivisions);
        Tauler t(9, nivell(300, 3, 5, 3, 1), {}, 0, r.ambResta);
        t.clica("BtEspera_1");
        auto& a = *qobject_cast<ActivitatDividir*>(t.w->serie().activitat());
        QVERIFY(a.posaOperacio(845, 9));
        QCOMPARE(t.text("Dividend") + "|" + t.text("Divisor"), QString("8 4 5 |9 "));
        QVERIFY(!t.fill("ResPar_1")->isVisible() && !t.fill("ApuntRes_3")->isVisible());
        QCOMPARE(t.fill("ApuntDiv_1")->isVisible(), r.ambResta);
        QList<QLabel*> linies{t.fill<QLabel>("Quocient")};
        for (int k = 1; k <= 5; ++k)
            linies << t.fill<QLabel>(QStringLiteral("ApuntRes_%1").arg(k))
                   << t.fill<QLabel>(QStringLiteral("ApuntDiv_%1").arg(k));
        QLabel* torn = t.fill<QLabel>("TornDiv");
        for (int i = 0; r.tecles[i]; ++i) {
            const QChar c = QLatin1Char(r.tecles[i]);
            const bool visible = torn->isVisible();
            // Products, remainders and differences grow leftwards, the rest rightwards.
            const bool davant = a.fase() == 1 || a.fase() == 2;
            const QRect lloc = torn->geometry();
            QStringList abans;
            for (QLabel* l : linies)
                abans << l->text();
            const QString errors = t.text("Negatives");
            t.tecla(c);
            if (r.resultats[i] == 'E') {
                QVERIFY(t.text("Negatives") != errors);
                QVERIFY(torn->isVisible() == visible && torn->geometry() == lloc);
                QVERIFY(!visible || color(torn, QPalette::Window) == kVermell);
                continue;
            }
            if (c == u'-') {
                QVERIFY(!visible && t.fill(QStringLiteral("Signe_%1").arg(a.fila()))->isVisible());
                QVERIFY(t.fill(QStringLiteral("LinDiv_%1").arg(a.fila()))->isVisible());
            } else {
                // The character lands where the cursor stood.
                int k = 0;
                while (k < linies.size() && linies.at(k)->text() == abans.at(k))
                    ++k;
                QVERIFY(k < linies.size());
                const QLabel* l = linies.at(k);
                const int x = davant
                                  ? l->x()
                                  : l->x() + QFontMetrics(l->font()).horizontalAdvance(abans.at(k));
                QVERIFY2(qAbs(x - lloc.x()) <= 3, qPrintable(QString::number(i)));
                QVERIFY(lloc.top() > l->y() && lloc.bottom() < l->y() + l->height() + 4);
                QCOMPARE(color(l), kGroc);
            }
            QVERIFY(!torn->isVisible() || color(torn, QPalette::Window) == kGroc);
        }
        QStringList apunts{t.text("Quocient")};
        for (int k = 1; k <= 2; ++k) {
            apunts << t.text(QStringLiteral("ApuntRes_%1").arg(k))
                   << t.text(QStringLiteral("ApuntDiv_%1").arg(k));
            QCOMPARE(t.fill(QStringLiteral("Signe_%1").arg(k))->isVisible(), r.ambResta);
        }
        QCOMPARE(apunts, QStringList{"9 3 "} + r.apunts);
        // The finished division stays with the last remainder underlined.
        QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
        QLabel* acabada = t.fill<QLabel>("Acabada");
        QVERIFY(!torn->isVisible() && acabada->isVisible());
        const QLabel* ultima = t.fill<QLabel>(r.ambResta ? "ApuntDiv_2" : "ApuntRes_2");
        QVERIFY(acabada->y() > ultima->y() + ultima->height() / 2);
        const int xifra =
            ultima->x() + QFontMetrics(ultima->font()).horizontalAdvance(ultima->text().chopped(2));
        QVERIFY(acabada->x() < xifra && acabada->geometry().right() > xifra);
        // The next division clears the board.
        t.clica("BtTxt");
        QVERIFY(!acabada->isVisible() && torn->isVisible());
        QCOMPARE(t.text("Quocient"), QString());
    }

    // The blind is the check button: a wrong order costs an error and shows message 72, and the
    // words cannot be dragged meanwhile; the same list comes back to be ordered.
    void ordenar() {
        Ordre t(QList<int>{40, 10, 60, 20, 50, 30} + QList<int>{5, 4, 3, 2, 1, 0});
        QCOMPARE(t.fill("Persiana")->accessibleName(), TextIdioma(67, 0));
        QCOMPARE(t.text("Persiana").simplified(), TextIdioma(67, 0));
        QVERIFY(!t.fill("Pom")->isVisible());
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
        if (r.desti != -2) {
            QMimeData text;
            text.setText("1");
            if (r.origen < 0)
                QVERIFY(!t.deixa(r.desti, &text));
            else
                t.arrossega(r.origen, r.desti);
        } else {
            // The words are reached with Tab from wherever the board keeps the focus.
            for (int i = 0; i < 20 && t.w->focusWidget() != t.paraula(0); ++i)
                QTest::keyClick(t.w->focusWidget(), Qt::Key_Tab);
            for (int i = 0; i < r.origen; ++i)
                QTest::keyClick(t.w->focusWidget(), Qt::Key_Down);
            for (int k : r.tecles)
                QTest::keyClick(t.w->focusWidget(), Qt::Key(k));
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
        QCOMPARE(t.paraules(), QString("1 2 3 7 9 "));
        QCOMPARE(t.text("BtTxt") + t.text("Negatives"), TextIdioma(68, 0) + "2");
        QVERIFY(!t.agafa(0));
        t.paraula(0)->setFocus();
        QTest::keyClick(t.paraula(0), Qt::Key_Space);
        QTest::keyClick(t.paraula(0), Qt::Key_Down);
        QCOMPARE(t.paraules(), QString("1 2 3 7 9 "));
    }
};

QTEST_MAIN(TestPanells)
#include "tst_Panells.moc"
