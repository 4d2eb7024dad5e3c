#include "board/FabricaActivitats.h"
#include "board/Serie.h"
#include "core/StringTable.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/FakeActivitat.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"

#include <QHash>
#include <QTest>

namespace {

// Remembers what a series told the front page.
struct ReceptorProva : ReceptorNivell {
    QList<std::tuple<int, Registre, QString>> avisos;
    void nivellSuperat(int activitat, const Registre& registre, const QString& text) override {
        avisos.append({activitat, registre, text});
    }
};

// A whole board without a window over a program folder laid down byte by byte, set up as
// "activity temps fer errors [p1 p2]" (the level played; p1 and p2 are 1 unless given) and the
// options Ln the pupil's level of every activity (3), Gn the group's levels (10), Rn its division
// option (0), Sn the thousands separator (0), D and H a pupil file and a history that cannot be
// written, M no level set at all. Group 3 (Gats) plays level set "Proves"; of its three pupils the
// second, Anna Puig, is playing. The series runs over a FakeActivitat unless told otherwise, plays
// into `so` and lives on 5 December 2001.
struct SerieProva {
    CarpetaProva carpeta;
    RecordingSoundPlayer so;
    ReceptorProva receptor;
    ObreSerie obertura;
    std::unique_ptr<Serie> serie;
    FakeActivitat* act = nullptr;
    QString finestra; // per key left to the window: w passed on, c the window to close
    QHash<QChar, int> opcions{{u'L', 3}, {u'G', 10}, {u'R', 0}, {u'S', 0}};
    int activitat = 0, nivellAlumne = 0;

    explicit SerieProva(const QString& setup) {
        QList<int> n;
        for (const QString& w : setup.split(u' '))
            w.at(0).isLetter() ? void(opcions[w.at(0)] = w.mid(1).toInt()) : void(n << w.toInt());
        activitat = n[0], nivellAlumne = opcions[u'L'];
        using namespace Registres;
        const QByteArray grupCfg =
            grup("111111111", opcions[u'R'], uint8_t(opcions[u'G']), "Proves");
        carpeta.escriu(carpeta.grupsCfg(), QByteArray(2 * 119, ' ') + grupCfg);
        if (!opcions.contains(u'M'))
            carpeta.escriu(carpeta.niv(QStringLiteral("Proves")),
                           joc({{activitat, nivellAlumne,
                                 nivell(n[1], n[2], n[3], n.value(4, 1), n.value(5, 1))}}));
        carpeta.escriu(dat(), alumnes(nivellAlumne));
        if (opcions.contains(u'D'))
            QVERIFY(carpeta.bloqueja(dat()));
        if (opcions.contains(u'H'))
            QVERIFY(carpeta.bloqueja(hst()));
        Sessio s = carpeta.sessio(3);
        s.general.Separador = uint8_t(opcions[u'S']);
        s.registre = Registre::decode(alumne(7, "Anna Puig", nivellAlumne, "anna.png"));
        obertura = ObreSerie::deSessio(s, activitat, 2, 1);
    }

    Serie& obre(Serie::CreaActivitat crea = {}) {
        if (!crea)
            crea = [this](int, ContextActivitat& ctx) {
                auto a = std::make_unique<FakeActivitat>(ctx);
                act = a.get();
                return a;
            };
        EntornSerie entorn{&so, &receptor, [] { return QDate(2001, 12, 5); }};
        serie = std::make_unique<Serie>(obertura, entorn, std::move(crea));
        serie->obre();
        return *serie;
    }

    // Plays a script: a digit or any other character is a physical key, '<' the left arrow, t Tab,
    // z Escape, E Enter; T a clock tick, A help, W the wait option, C the continue button, K a
    // click on key 9, P the blind, M the scoreboard, X a close of the window, B `BtTancar`; e and
    // c an error or a right exercise reported by the activity, m and h its messages 72 and 68, r
    // makes the activity ask for the help reminder on a right exercise.
    void juga(const QString& accions) {
        const auto tecla = [this](int key, const char* text) {
            const ResultatTecla r = serie->tecla(key, QString::fromLatin1(text));
            finestra += r.tanca ? "c" : r.consumida ? "" : "w";
        };
        Serie& s = *serie;
        const std::function<void()> kAccions[][6] = {
            {[&] { s.tic(); }, [&] { s.ajuda(); }, [&] { s.canviaEspera(); }, [&] { s.continua(); },
             [&] { s.clicPersiana(); }, [&] { s.clicMarcador(); }},
            {[&] { s.tancaDesDeFora(); }, [&] { s.BtTancar(); }, [&] { s.RespostaErronia(); },
             [&] { s.clicTecla(9); }, [&] { s.RespostaCorrecta(); }, [&] { s.mostraMissatge(72); }},
            {[&] { s.mostraMissatge(68); }, [&] { act->missatgeEspera = 68; },
             [&] { tecla(Qt::Key_Return, "\r"); }, [&] { tecla(Qt::Key_Left, ""); },
             [&] { tecla(Qt::Key_Tab, "\t"); }, [&] { tecla(Qt::Key_Escape, "\x1b"); }}};
        for (const QChar c : accions) {
            const qsizetype i = QStringLiteral("TAWCPMXBeKcmhrE<tz").indexOf(c);
            i < 0 ? tecla(0, QByteArray(1, c.toLatin1()).constData()) : kAccions[i / 6][i % 6]();
        }
    }

    // The pupil file as laid down, Anna's level of the activity played being `nivell`.
    QByteArray alumnes(int nivell) const {
        std::array<uint8_t, 9> nivells;
        nivells.fill(uint8_t(nivellAlumne));
        nivells[activitat - 1] = uint8_t(nivell);
        return Registres::alumne(4, "Pere", 2) +
               Registres::alumne(7, "Anna Puig", nivells, "anna.png") +
               Registres::alumne(9, "Rosa", 1);
    }
    QString dat() const { return carpeta.dat(QStringLiteral("Gats")); }
    QString hst() const { return carpeta.hst(QStringLiteral("Anna Puig")); }
};

// The board as the window shows it: the counters "right/errors/clock" still to go, the message on
// the button ("-" while hidden), the flags that hold (S the button closes the board, K keys on,
// R the clock runs, X the exercise done stays shown, F the division's end mark, H help asked, Z
// the board closed, p q the blind and the scoreboard rolled up, "." none), the message at each
// new exercise, what reached the activity ("<" a left arrow), the sounds, the history's lines,
// then the keys left to the window (see `finestra`) and the activity's parameters if not 1 1.
QString estat(SerieProva& p) {
    const Serie& s = *p.serie;
    const bool kFlags[] = {s.sortida(),        s.teclatActiu(),        s.rellotgeEnMarxa(),
                           s.exerciciTancat(), s.acabadaVisible(),     s.ajudaDemanada(),
                           s.tancada(),        s.persiana().plegada(), s.marcador().plegada()};
    QString flags;
    for (int i = 0; i < 9; ++i)
        flags += kFlags[i] ? QString(QLatin1Char("SKRXFHZpq"[i])) : QString();
    QStringList noves;
    for (const int m : p.act->missatgesEnNova)
        noves << QString::number(m);
    return QStringLiteral("%1/%2/%3 %4 %5 n[%6] '%7' [%8] h%9")
               .arg(s.textAfirmatives(), s.textNegatives(), s.textRellotge(),
                    s.btTxtVisible() ? QString::number(s.missatge()) : QStringLiteral("-"),
                    flags.isEmpty() ? QStringLiteral(".") : flags, noves.join(u','),
                    p.act->rebuts + QString(p.act->fletxes, u'<'), p.so.played.join(u','),
                    QString::number(p.carpeta.llegeix(p.hst()).count("\r\n"))) +
           (p.finestra.isEmpty() ? QString() : u' ' + p.finestra) +
           (p.act->p1 == 1 && p.act->p2 == 1 ? QString()
                                             : QString::asprintf(" p%d,%d", p.act->p1, p.act->p2));
}

// A series set up as `SerieProva` reads it (A: the window must say the history line was not
// written), played by a script: the board as `estat` shows it, and a history line of Sumar.
struct Escena {
    const char *nom, *setup, *accions, *estat, *historial = nullptr;
};
const Escena kEscenes[] = {
    {"opened", "5 60 2 5 3 1", "", "2/5/60 - KR n[] '' [] h0 p3,1"},
    // Counters from 0, not from the editor's lowest; parameters held as the editor holds them.
    {"held from below", "5 -5 -3 -1 -4 -1", "", "0/0/0 - KR n[] '' [] h0 p1,0"},
    {"held from above", "5 5000 1200 1000 9 7", "", "999/999/999 - KR n[] '' [] h0 p5,0"},
    // Restar level 4 of the default set: 150 s, 5 right, 5 errors, 4 digits without borrowing.
    {"a missing set made", "6 60 2 5 L4 M", "", "5/5/150 - KR n[] '' [] h0 p4,0"},
    {"Tab stays with the window", "5 60 2 5", "t", "2/5/60 - KR n[] '' [] h0 w"},
    {"Escape does not", "5 60 2 5", "z", "2/5/60 - KR n[] '' [] h0"},
    {"nothing judged under a message", "8 60 3 5", "W129KA", "2/5/60 71 RX n[] '12' [20] h0"},
    {"the help reminder instead", "8 60 3 5", "rW12", "2/5/60 68 RX n[] '12' [20] h0"},
    {"Enter without a message", "8 60 3 5", "E", "3/5/60 - KR n[] '' [] h0"},
    {"the clock runs on", "5 60 3 5", "W12TTT", "2/5/57 71 RX n[] '12' [20] h0"},
    {"Enter at the end", "5 60 2 5", "W12E12E", "0/5/60 78 SXZ n[71] '1212' [20,20,23] h1 c"},
    {"division's end mark", "9 60 3 5", "W12", "2/5/60 71 RXF n[] '12' [20] h0"},
    {"not the next one", "9 60 3 5", "W12C", "2/5/60 - KR n[71] '12' [20] h0"},
    {"and the last one", "9 60 2 5", "W12C12", "0/5/60 78 SXF n[71] '1212' [20,20,23] h1"},
    {"help costs an error", "7 60 2 2 2 3", "A", "2/1/60 - KRH n[] '1' [24] h0 p2,3"},
    {"help completes", "7 60 2 2 2 3", "AA", "1/0/60 - KR n[0] '12' [24,24,20] h0 p2,3"},
    {"multiplication keeps help", "8 60 3 5", "AA", "2/3/60 - KRH n[0] '12' [24,24,20] h0"},
    {"an activity's message", "4 60 3 1 1 50", "em", "3/0/60 72 R n[] '' [24] h0 p1,50"},
    {"the list comes back", "4 60 3 1 1 50", "emC", "3/0/60 - KR n[72] '' [24] h0 p1,50"},
    {"the reminder stays", "4 60 3 1 1 50", "emChc", "2/0/60 68 RX n[72] '' [24,20] h0 p1,50"},
    {"end stays", "4 60 3 1 1 50", "emChcCem", "2/ /60 76 S n[72,68] '' [24,20,24,22] h1 p1,50"},
    {"blind and scoreboard roll", "5 60 3 5", "PM", "3/5/60 - KRpq n[] '' [21,21] h0"},
    {"under a message, scoreboard only", "5 60 3 5", "W12PM", "2/5/60 71 RXq n[] '12' [20,21] h0"},
    {"a letter upper-cased", "3 60 3 5", "i", "3/4/60 - KR n[] 'I' [24] h0"},
    {"a refused key", "2 60 3 5", ".", "3/5/60 - KR n[] '' [] h0"},
    {"no key in the ordering", "4 60 3 5", "1E", "3/5/60 - KR n[] '' [] h0 ww"},
    {"left arrow", "8 60 3 5", "<", "3/5/60 - KR n[] '<' [] h0"},
    {"not under a message", "8 60 3 5", "W12<", "2/5/60 71 RX n[] '12' [20] h0"},
    {"nor division", "9 60 3 5", "<", "3/5/60 - KR n[] '' [] h0"},
    {"the ordering's blind checks", "4 60 3 1 1 50", "P", "3/1/60 - KR n[] '' [] h0 p1,50"},
    {"errors and time", "5 60 2 5", "19TT212", "0/4/58 78 SX n[0] '19212' [24,20,20,23] h1",
     "Superat\t 3\t  2\t(2)\t  1\t(5)\t  2\t(60)"},
    {"the last level", "5 60 1 5 L4 G4", "12", "0/5/60 77 SX n[] '12' [20,23] h1",
     "Acaba\t 4\t  1\t(1)\t  0\t(5)\t  0\t(60)"},
    {"0 levels count as 10", "5 60 1 5 L10 G0", "12", "0/5/60 77 SX n[] '12' [20,23] h1",
     "Acaba\t10\t  1\t(1)\t  0\t(5)\t  0\t(60)"},
    {"lost by errors", "5 60 2 2", "999", "2/ /60 76 S n[] '999' [24,24,24,22] h1",
     "Errors\t 3\t  0\t(2)\t  2\t(2)\t  0\t(60)"},
    {"lost by time", "5 3 2 5", "12TTTT", "1/5/0 75 S n[0] '12' [20,22] h1",
     "Temps\t 3\t  1\t(2)\t  0\t(5)\t  3\t(3)"},
    {"nothing to do is never passed", "5 1 0 5", "12TT", "-1/5/0 75 S n[0] '12' [20,22] h1",
     "Temps\t 3\t  1\t(0)\t  0\t(5)\t  1\t(1)"},
    {"passed with help", "5 60 1 5", "AA", "0/3/60 78 SXH n[] '12' [24,24,20,23] h1"},
    {"help with no error left", "5 60 2 0", "A", "2/ /60 76 SH n[] '' [24,22] h1"},
    {"closed halfway", "5 60 3 2", "1212TX", "1/2/59 - KZ n[0,0] '1212' [20,20] h1",
     "Abandona\t 3\t  2\t(3)\t  0\t(2)\t  1\t(60)"},
    {"level not stored", "5 60 2 2 D", "1212", "0/2/60 120 SX n[0] '1212' [20,20,23] h1"},
    {"history not written", "5 60 2 2 H A", "1212", "0/2/60 78 SX n[0] '1212' [20,20,23] h0"},
    {"nothing written", "5 60 2 2 D H", "1212", "0/2/60 120 SX n[0] '1212' [20,20,23] h0"},
};

struct Sencera {
    const char *nom, *setup;
    int teclat; // of the first exercise
};
const Sencera kSenceres[] = {
    {"cardinals with the blank", "1 999 3 999 1000 999999 S1", 1},
    {"ordering", "4 999 3 999 1 50", -1},
    {"division with subtractions", "9 999 3 999 4 2 R1", 1},
    // As the editor's box and the report read it: a damaged byte is the option cleared.
    {"division, damaged option", "9 999 3 999 4 2 R2", 0}};

} // namespace

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void obertura() {
        SerieProva p(QStringLiteral("5 60 2 5"));
        Serie& s = p.obre();
        QCOMPARE(s.titol(), QStringLiteral(" XIFRUM 5.0: Sumar"));
        QCOMPARE(
            QStringList(
                {s.etiqueta(0), s.etiqueta(1), s.etiqueta(2), s.dades(0), s.dades(1), s.dades(2)}),
            QStringList({QString::fromUtf8("Número"), "Nom", "Nivell", "7", "Anna Puig", "3"}));
        QVERIFY(s.mostraImatge() && s.btEsperaVisible(1) && !s.btEsperaVisible(0));
        QCOMPARE(p.act->preparats, 1);
    }

    void escenes_data() { files(kEscenes); }
    void escenes() {
        const Escena& e = fila(kEscenes);
        SerieProva p(QString::fromLatin1(e.setup));
        Serie& s = p.obre();
        p.act->acceptats += QStringLiteral("IVXLCDM\t");
        p.juga(QString::fromLatin1(e.accions));
        QCOMPARE(estat(p), QString::fromLatin1(e.estat));
        if (p.opcions.contains(u'M'))
            QCOMPARE(p.carpeta.llegeix(p.carpeta.niv(QStringLiteral("Proves"))).size(), 90 * 14);
        if (s.btTxtVisible())
            QCOMPARE(s.textBtTxt(), TextIdioma(s.missatge(), 0));
        // A passed level is the next one, 0 after the last; anything else leaves it.
        const int abans = p.nivellAlumne;
        const int desat = s.missatge() == 78 ? abans + 1 : s.missatge() == 77 ? 0 : abans;
        const QByteArray alumnes = p.opcions.contains(u'D') ? "<missing>" : p.alumnes(desat);
        QCOMPARE(p.carpeta.llegeix(p.dat()), alumnes);
        if (e.historial)
            QCOMPARE(p.carpeta.llegeix(p.hst()),
                     "05-12-01\tSumar\t" + QByteArray(e.historial) + "\r\n");
        QCOMPARE(int(s.registre().Nivell[p.activitat - 1]), desat);
        const QString textNivell = desat ? QString::number(desat) : QStringLiteral("-");
        QCOMPARE(s.dades(2), textNivell);
        // The front page hears of a passed level once it is stored, and of nothing else.
        QCOMPARE(p.receptor.avisos.size(), desat != abans ? 1 : 0);
        for (const auto& [activitat, registre, text] : p.receptor.avisos)
            QVERIFY(activitat == p.activitat && text == textNivell && registre == s.registre());
        QCOMPARE(s.prenAvisNoDesat(), p.opcions.contains(u'A'));
        QVERIFY(!s.prenAvisNoDesat());
        // Once over, nothing more happens, and closing the board again adds no line.
        if (s.acabada() || s.tancada()) {
            const QByteArray fitxers = p.carpeta.llegeix(p.hst()) + alumnes;
            const QString finestra = p.finestra; // a closed board leaves every key to the window
            p.juga(QStringLiteral("12TAXB"));
            p.finestra = finestra;
            QCOMPARE(estat(p).remove(u'Z'), QString::fromLatin1(e.estat).remove(u'Z'));
            QCOMPARE(p.carpeta.llegeix(p.hst()) + p.carpeta.llegeix(p.dat()), fitxers);
        }
    }

    // Clicks on the on-screen keys `primera` to `darrera` while keyboard `teclat` shows type what
    // the keys show; keys of a hidden keyboard, and keys that do not exist, type nothing.
    void clics() {
        const std::tuple<const char*, int, int, int, const char*> kClics[] = {
            {"5 60 999 999 2 1", 0, 0, 9, "0123456789"},
            {"1 60 999 999 2 1", 1, 10, 20, "9123456780."},
            {"1 60 999 999 2 1 S1", 1, 20, 20, " "},
            {"8 60 999 999 2 1", 1, 20, 20, "+"},
            {"3 60 999 999 2 1", 2, 21, 29, "IVXLCDM"},
            {"5 60 999 999 2 1", 0, 10, 12, ""},
            {"5 60 999 999 2 1", 0, 40, 40, ""}};
        for (const auto& [setup, teclat, primera, darrera, rebuts] : kClics) {
            SerieProva p(QString::fromLatin1(setup));
            Serie& s = p.obre();
            p.act->teclatMostrat = teclat;
            QCOMPARE(s.teclatVisible(), teclat);
            for (int i = primera; i <= darrera; ++i)
                s.clicTecla(i);
            QCOMPARE(p.act->rebuts, QString::fromLatin1(rebuts));
        }
    }

    // Help alone answers every exercise of each activity through its own route: the series is
    // passed, one history line, the level stored.
    void senceres_data() { files(kSenceres); }
    void senceres() {
        const Sencera& t = fila(kSenceres);
        SerieProva p(QString::fromLatin1(t.setup));
        Serie& s = p.obre(&FabricaActivitats::crea);
        QVERIFY(s.activitat());
        QCOMPARE(s.teclatVisible(), t.teclat);
        int ajudes = 0;
        for (int i = 0; i < 2000 && !s.acabada(); ++i) {
            if (s.btTxtVisible())
                QVERIFY(!s.continua());
            else
                s.ajuda(), ++ajudes;
        }
        QVERIFY(s.acabada());
        QCOMPARE(s.missatge(), 78);
        QCOMPARE(s.textNegatives(), QString::number(999 - ajudes));
        QCOMPARE(p.so.played.count(QStringLiteral("20")), 3);
        QCOMPARE(p.so.played.count(QStringLiteral("24")), ajudes);
        QCOMPARE(p.carpeta.llegeix(p.dat()), p.alumnes(4));
        QCOMPARE(p.carpeta.llegeix(p.hst()).count('\n'), 1);
        QVERIFY(p.carpeta.llegeix(p.hst()).contains("\tSuperat\t 3\t  3\t(3)\t"));
    }
};

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_Serie.moc"
