#include "helpers/TaulerProva.h"

#include "CaptaMissatges.h"
#include "FakeActivitat.h"
#include "Registres.h"
#include "StringTable.h"
#include "Taula.h"

#include <QFontMetrics>
#include <cstring>

namespace {

// A board over an activity whose every exercise asks "12": two to do, three errors allowed, one
// second on the clock.
struct Prova : Tauler {
    explicit Prova(int idioma = 0)
        : Tauler(5, Registres::nivell(1, 2, 3, 1, 0), {}, idioma, false,
                 [](int, ContextActivitat& ctx) -> std::unique_ptr<Activitat> {
                     return std::make_unique<FakeActivitat>(ctx);
                 }) {}
    QWidget* caixa() const { return fill<QWidget>("CaixaTeclat"); }
    // The result field of every line of the pupil's history.
    QStringList resultats() const {
        QStringList r;
        for (const QByteArray& l : c.llegeix(c.hst("Anna Puig")).split('\n'))
            if (l.contains('\t'))
                r << QString::fromLatin1(l).split('\t').value(2).trimmed();
        return r;
    }
};

// What the board does, in turn: T a clock beat, X the close box, B BtTancar, C BtTxt, E Escape,
// R Return, K keypad Enter; H makes the history file unwritable.
struct Tancament {
    const char* nom;
    const char* accions;
    const char* resultat; // of the one history line, "" for none
    bool oberta;
};
const Tancament kTancaments[] = {{"close box mid-series", "X", "Abandona", false},
                                 {"BtTancar mid-series", "B", "Abandona", false},
                                 {"Escape does not close", "E", "", true},
                                 {"continue after the end", "TTC", "Temps", false},
                                 {"Return after the end", "TTR", "Temps", false},
                                 {"keypad Enter after the end", "TTK", "Temps", false},
                                 {"history not written at the end", "HTT", "", true},
                                 {"history not written on leaving", "HB", "", false}};

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
        QCOMPARE(t.w->focusWidget(), t.caixa());
        // Every control a pupil can act on has a name a screen reader can say.
        QStringList noms;
        for (const char* b : {"BtAjuda", "BtEspera_0", "BtEspera_1", "BtTancar"})
            noms << t.fill(b)->accessibleName() + "/" + t.fill(b)->toolTip();
        QCOMPARE(noms, (QStringList{"Ajuda/Ajuda", "Esperar/Esperar", "No esperar/No esperar",
                                    "Sortir/Sortir"}));
        for (QPushButton* b : t.fill<QWidget>("Teclat_0")->findChildren<QPushButton*>())
            QCOMPARE(b->accessibleName(), b->text());

        // Waiting after each exercise: the message shows and the keys rest until it is pressed.
        t.clica("BtEspera_1");
        QVERIFY(t.fill("BtEspera_0")->isVisible() && !t.fill("BtEspera_1")->isVisible());
        t.clica("Tecla_1");
        t.tecla(u'2');
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
        QCOMPARE(t.w->focusWidget(), t.caixa());
        t.w->tic();
        QCOMPARE(t.text("Rellotge"), QString("0"));
    }

    void tancaments_data() { files(kTancaments); }
    void tancaments() {
        const Tancament& r = fila(kTancaments);
        Prova t;
        CaptaMissatges capta;
        for (const char* a = r.accions; *a; ++a) {
            switch (*a) {
            case 'T':
                t.w->tic();
                break;
            case 'X':
                t.w->close();
                break;
            case 'B':
            case 'C':
                t.clica(*a == 'B' ? "BtTancar" : "BtTxt");
                break;
            case 'E':
                QTest::keyClick(t.caixa(), Qt::Key_Escape);
                break;
            case 'R':
            case 'K':
                QTest::keyClick(t.w->focusWidget(), Qt::Key_Return,
                                *a == 'K' ? Qt::KeypadModifier : Qt::NoModifier);
                break;
            case 'H':
                QVERIFY(t.c.bloqueja(t.c.hst("Anna Puig")));
                break;
            }
        }
        QCOMPARE(capta.textos(),
                 std::strchr(r.accions, 'H') ? QStringList{TextIdioma(120, 0)} : QStringList{});
        QCOMPARE(t.resultats().join(""), QString(r.resultat));
        QCOMPARE(t.w->isVisible(), r.oberta);
    }

    // The end messages are longer than a line of the button: every word shows, in every
    // language, the longest being the one about a level that could not be stored.
    void missatgesSencers() {
        for (int idioma = 0; idioma < 4; ++idioma) {
            for (bool bloquejat : {false, true}) {
                Prova t(idioma);
                if (bloquejat)
                    QVERIFY(t.c.bloqueja(t.c.dat(TextIdioma(95, idioma))));
                for (int i = 0; i < 2; ++i)
                    bloquejat ? t.w->serie().RespostaCorrecta() : t.w->tic();
                auto* b = t.fill<QPushButton>("BtTxt");
                const QString esperat = TextIdioma(bloquejat ? 120 : 75, idioma);
                QCOMPARE(b->accessibleName(), esperat);
                QCOMPARE(t.text("BtTxt"), esperat);
                const QFontMetrics fm(b->font());
                const QStringList linies = b->text().split(u'\n');
                for (const QString& l : linies)
                    QVERIFY2(fm.horizontalAdvance(l) <= b->width() - 36, qPrintable(l));
                QVERIFY(linies.size() * fm.lineSpacing() <= b->height() - 20);
            }
        }
    }
};

QTEST_MAIN(TestPissarra)
#include "tst_Pissarra.moc"
