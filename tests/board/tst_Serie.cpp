#include "helpers/SerieProva.h"

#include "Activitat.h"
#include "FabricaActivitats.h"
#include "FitxerNivells.h"
#include "Rutes.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <iterator>

namespace {

// Plays a script on the series: a digit is a physical key, 'T' a clock tick, 'A' help, 'W' a click
// on the wait option, 'C' the continue button.
void juga(SerieProva& p, const QString& accions) {
    for (QChar c : accions) {
        switch (c.unicode()) {
        case u'T':
            p.serie->tic();
            break;
        case u'A':
            p.serie->ajuda();
            break;
        case u'W':
            p.serie->canviaEspera();
            break;
        case u'C':
            p.serie->continua();
            break;
        default:
            p.escriu(QString(c));
        }
    }
}

QByteArray linia(const char* resultat, const char* rest) {
    return QByteArray("05-12-01\tSumar\t") + resultat + '\t' + rest + "\r\n";
}

// A series whose files cannot be written: a folder stands where the pupil file or the history
// file must go, which stops root as well as anyone.
struct Fallida {
    const char* nom;
    bool alumnes;        // the group's pupil file is blocked
    bool historial;      // the pupil's history file is blocked
    const char* accions; // as for juga(); 'X' closes the board by its frame
    int missatge;
    const char* dades2;
    int nivellDesat; // the pupil's level as the series keeps it
    bool avis;       // the window must say that the history line was not written
};
const Fallida kFallides[] = {
    {"nivell no desat", true, false, "1212", 120, "3", 3, false},
    {"historial no desat", false, true, "1212", 78, "4", 4, true},
    {"res no es desa", true, true, "1212", 120, "3", 3, false},
    {"perdut sense historial", false, true, "999", 76, "3", 3, true},
    {"abandona sense historial", false, true, "1X", 0, "3", 3, true},
};

} // namespace

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void obertura();
    void comptadorsLlegits_data();
    void comptadorsLlegits();
    void conjuntQueFalta();
    void finals_data();
    void finals();
    void errorsPasAPas();
    void esperaAmbMissatge_data();
    void esperaAmbMissatge();
    void rellotgeCorreDuranteLEspera();
    void enterNomesAmbBtTxt();
    void abandona_data();
    void abandona();
    void escripturesFallides_data();
    void escripturesFallides();
    void tecles_data();
    void tecles();
    void fletxaEsquerra_data();
    void fletxaEsquerra();
    void clicTecla_data();
    void clicTecla();
    void ajudaCostaUnError();
    void ajudaSenseErrorsNoEntraRes();
    void missatgeDeLActivitat();
    void marcaAcabada_data();
    void marcaAcabada();
    void ajudaDemanadaPerActivitat_data();
    void ajudaDemanadaPerActivitat();
    void persianaIMarcador();
    void serieSenceraAmbAjuda_data();
    void serieSenceraAmbAjuda();
};

void TestSerie::obertura() {
    SerieProva p(5, 3, nivellAmb(60, 2, 5, 3, 1));
    p.obertura.registre.Imatge = QStringLiteral("anna.png");
    Serie& s = p.obre();

    QVERIFY(s.titol().startsWith(QStringLiteral(" ") + TextIdioma(2, 0) + QStringLiteral(": ")));
    QVERIFY(s.titol().endsWith(u": Sumar"));
    QCOMPARE(s.etiqueta(1), QStringLiteral("Nom"));
    QCOMPARE(s.dades(0), QStringLiteral("7"));
    QCOMPARE(s.dades(1), QStringLiteral("Anna Puig"));
    QCOMPARE(s.dades(2), QStringLiteral("3"));
    QVERIFY(s.mostraImatge());
    QCOMPARE(s.textAfirmatives(), QStringLiteral("2"));
    QCOMPARE(s.textNegatives(), QStringLiteral("5"));
    QCOMPARE(s.textRellotge(), QStringLiteral("60"));
    QCOMPARE(p.act->preparats, 1);
    QCOMPARE(p.act->noves, 0);
    QCOMPARE(p.act->p1, 3);
    QCOMPARE(p.act->p2, 1);
    QVERIFY(s.rellotgeEnMarxa());
    QVERIFY(s.teclatActiu());
    QVERIFY(!s.btTxtVisible());
    QVERIFY(s.btEsperaVisible(1));
    QVERIFY(!s.btEsperaVisible(0));
    QVERIFY(p.so.played.isEmpty());
    QVERIFY(p.historial().isEmpty());
}

void TestSerie::comptadorsLlegits_data() {
    QTest::addColumn<int>("temps");
    QTest::addColumn<int>("fer");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("p1");
    QTest::addColumn<int>("p2");
    QTest::addColumn<QStringList>("mostrats"); // Afirmatives, Negatives, Rellotge
    QTest::addColumn<int>("p1Vist");
    QTest::addColumn<int>("p2Vist");

    QTest::newRow("negatius") << -5 << -3 << -1 << 2 << 0 << QStringList{"0", "0", "0"} << 2 << 0;
    QTest::newRow("zeros") << 0 << 0 << 0 << 2 << 1 << QStringList{"0", "0", "0"} << 2 << 1;
    QTest::newRow("fora del rang de l'editor")
        << 5000 << 1200 << 1000 << 2 << 1 << QStringList{"999", "999", "999"} << 2 << 1;
    QTest::newRow("parametres fora de rang")
        << 60 << 2 << 5 << 9 << 7 << QStringList{"2", "5", "60"} << 5 << 0;
    QTest::newRow("parametres negatius")
        << 60 << 2 << 5 << -4 << -1 << QStringList{"2", "5", "60"} << 1 << 0;
}

void TestSerie::comptadorsLlegits() {
    QFETCH(int, temps);
    QFETCH(int, fer);
    QFETCH(int, errors);
    QFETCH(int, p1);
    QFETCH(int, p2);
    QFETCH(QStringList, mostrats);
    QFETCH(int, p1Vist);
    QFETCH(int, p2Vist);

    SerieProva p(5, 3, nivellAmb(temps, fer, errors, p1, p2));
    Serie& s = p.obre();
    QCOMPARE((QStringList{s.textAfirmatives(), s.textNegatives(), s.textRellotge()}), mostrats);
    QCOMPARE(p.act->p1, p1Vist);
    QCOMPARE(p.act->p2, p2Vist);
}

void TestSerie::conjuntQueFalta() {
    SerieProva p(6, 4, nivellAmb(60, 2, 5));
    const QString niv = RutaNivell(p.carpeta(), QStringLiteral("Proves"));
    QVERIFY(QFile::remove(niv));

    Serie& s = p.obre();
    QVERIFY(QFile::exists(niv));
    const DadesNivell d = FitxerNivells::llegeix(niv, IndexNivell(6, 4));
    QVERIFY(d.Fer > 0);
    QCOMPARE(s.textAfirmatives(), QString::number(d.Fer));
    QCOMPARE(s.textNegatives(), QString::number(d.Errors));
    QCOMPARE(s.textRellotge(), QString::number(d.Temps));
}

void TestSerie::finals_data() {
    QTest::addColumn<int>("nivellAlumne");
    QTest::addColumn<int>("nivells");
    QTest::addColumn<int>("temps");
    QTest::addColumn<int>("fer");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("accions");
    QTest::addColumn<QStringList>("sons");
    QTest::addColumn<int>("missatge");
    QTest::addColumn<QString>("dades2");
    QTest::addColumn<int>("desat"); // level byte in the pupil file afterwards
    QTest::addColumn<QByteArray>("historial");

    QTest::newRow("superat") << 3 << 10 << 60 << 2 << 5 << "1212" << QStringList{"20", "20", "23"}
                             << 78 << "4" << 4
                             << linia("Superat", " 3\t  2\t(2)\t  0\t(5)\t  0\t(60)");
    QTest::newRow("superat amb errors i temps")
        << 3 << 10 << 60 << 2 << 5 << "19TT212" << QStringList{"24", "20", "20", "23"} << 78 << "4"
        << 4 << linia("Superat", " 3\t  2\t(2)\t  1\t(5)\t  2\t(60)");
    QTest::newRow("darrer nivell")
        << 4 << 4 << 60 << 1 << 5 << "12" << QStringList{"20", "23"} << 77 << "-" << 0
        << linia("Acaba", " 4\t  1\t(1)\t  0\t(5)\t  0\t(60)");
    QTest::newRow("nivells 0 en val 10")
        << 10 << 0 << 60 << 1 << 5 << "12" << QStringList{"20", "23"} << 77 << "-" << 0
        << linia("Acaba", "10\t  1\t(1)\t  0\t(5)\t  0\t(60)");
    QTest::newRow("perdut per errors")
        << 3 << 10 << 60 << 2 << 2 << "999" << QStringList{"24", "24", "24", "22"} << 76 << "3" << 3
        << linia("Errors", " 3\t  0\t(2)\t  2\t(2)\t  0\t(60)");
    QTest::newRow("errors 0") << 3 << 10 << 60 << 2 << 0 << "19" << QStringList{"24", "22"} << 76
                              << "3" << 3 << linia("Errors", " 3\t  0\t(2)\t  0\t(0)\t  0\t(60)");
    QTest::newRow("perdut per temps")
        << 3 << 10 << 3 << 2 << 5 << "12TTTT" << QStringList{"20", "22"} << 75 << "3" << 3
        << linia("Temps", " 3\t  1\t(2)\t  0\t(5)\t  3\t(3)");
    QTest::newRow("perdut per temps amb l'espera")
        << 3 << 10 << 2 << 2 << 5 << "W12TTT" << QStringList{"20", "22"} << 75 << "3" << 3
        << linia("Temps", " 3\t  1\t(2)\t  0\t(5)\t  2\t(2)");
    QTest::newRow("temps 0") << 3 << 10 << 0 << 2 << 5 << "T" << QStringList{"22"} << 75 << "3" << 3
                             << linia("Temps", " 3\t  0\t(2)\t  0\t(5)\t  0\t(0)");
    // A level that asks for nothing is never passed, however long the pupil waits.
    QTest::newRow("fer 0") << 3 << 10 << 2 << 0 << 5 << "TTT" << QStringList{"22"} << 75 << "3" << 3
                           << linia("Temps", " 3\t  0\t(0)\t  0\t(5)\t  2\t(2)");
    QTest::newRow("fer 0 amb un exercici fet")
        << 3 << 10 << 1 << 0 << 5 << "12TT" << QStringList{"20", "22"} << 75 << "3" << 3
        << linia("Temps", " 3\t  1\t(0)\t  0\t(5)\t  1\t(1)");
    QTest::newRow("superat amb ajuda")
        << 3 << 10 << 60 << 1 << 5 << "AA" << QStringList{"24", "24", "20", "23"} << 78 << "4" << 4
        << linia("Superat", " 3\t  1\t(1)\t  2\t(5)\t  0\t(60)");
    QTest::newRow("ajuda sense errors")
        << 3 << 10 << 60 << 2 << 0 << "A" << QStringList{"24", "22"} << 76 << "3" << 3
        << linia("Errors", " 3\t  0\t(2)\t  0\t(0)\t  0\t(60)");
}

void TestSerie::finals() {
    QFETCH(int, nivellAlumne);
    QFETCH(int, nivells);
    QFETCH(int, temps);
    QFETCH(int, fer);
    QFETCH(int, errors);
    QFETCH(QString, accions);
    QFETCH(QStringList, sons);
    QFETCH(int, missatge);
    QFETCH(QString, dades2);
    QFETCH(int, desat);
    QFETCH(QByteArray, historial);

    SerieProva p(5, nivellAlumne, nivellAmb(temps, fer, errors), nivells);
    Serie& s = p.obre();
    const QByteArray abans = p.fitxerAlumnes();
    juga(p, accions);

    QVERIFY(s.acabada());
    QCOMPARE(p.so.played, sons);
    QCOMPARE(p.historial(), historial);
    QCOMPARE(s.missatge(), missatge);
    QCOMPARE(s.textBtTxt(), TextIdioma(missatge, 0));
    QVERIFY(s.btTxtVisible());
    QVERIFY(s.sortida());
    QVERIFY(!s.teclatActiu());
    QVERIFY(!s.rellotgeEnMarxa());
    QCOMPARE(s.dades(2), dades2);

    // Only the level byte of the pupil's own record may change.
    QByteArray esperat = abans;
    esperat[(SerieProva::kPosicio - 1) * Registre::kLength + 36 + 4] = char(desat);
    QCOMPARE(p.fitxerAlumnes(), esperat);

    const bool superat = missatge == 77 || missatge == 78;
    QCOMPARE(p.receptor.avisos.size(), superat ? 1 : 0);
    if (superat) {
        QCOMPARE(p.receptor.avisos[0].activitat, 5);
        QCOMPARE(p.receptor.avisos[0].text, dades2);
        QCOMPARE(int(p.receptor.avisos[0].registre.Nivell[4]), desat);
        QCOMPARE(p.receptor.avisos[0].registre, s.registre());
    }

    // Nothing more happens once the series is over, and leaving the board adds no line.
    juga(p, QStringLiteral("12TA"));
    QVERIFY(s.BtTancar());
    QVERIFY(s.tancaDesDeFora());
    QCOMPARE(p.so.played, sons);
    QCOMPARE(p.historial(), historial);
}

void TestSerie::errorsPasAPas() {
    SerieProva p(5, 3, nivellAmb(60, 2, 2));
    Serie& s = p.obre();
    QStringList vistos;
    for (int i = 0; i < 3; ++i) {
        p.escriu(QStringLiteral("9"));
        vistos << s.textNegatives();
    }
    QCOMPARE(vistos, (QStringList{"1", "0", " "}));
    QCOMPARE(p.act->rebuts, QStringLiteral("999"));
}

void TestSerie::esperaAmbMissatge_data() {
    QTest::addColumn<int>("missatgeEspera");
    QTest::newRow("operacio finalitzada") << 71;
    QTest::newRow("recordatori d'ajuda") << 68;
}

void TestSerie::esperaAmbMissatge() {
    QFETCH(int, missatgeEspera);
    SerieProva p(8, 3, nivellAmb(60, 3, 5, 2, 1));
    Serie& s = p.obre();
    p.act->missatgeEspera = missatgeEspera;
    s.canviaEspera();
    QVERIFY(s.btEsperaVisible(0));
    QVERIFY(!s.btEsperaVisible(1));

    p.escriu(QStringLiteral("12"));
    QCOMPARE(s.textAfirmatives(), QStringLiteral("2"));
    QVERIFY(s.btTxtVisible());
    QCOMPARE(s.textBtTxt(), TextIdioma(missatgeEspera, 0));
    QVERIFY(!s.sortida());
    QVERIFY(!s.teclatActiu());
    QVERIFY(s.exerciciTancat());
    QCOMPARE(p.act->noves, 0);

    // While the message shows, keys, on-screen keys and help are not judged.
    p.escriu(QStringLiteral("9"));
    s.clicTecla(9);
    s.ajuda();
    QCOMPARE(p.act->rebuts, QStringLiteral("12"));
    QCOMPARE(s.textNegatives(), QStringLiteral("5"));
    QCOMPARE(p.so.played, QStringList{"20"});

    QVERIFY(!s.continua());
    QCOMPARE(p.act->noves, 1);
    QVERIFY(!s.btTxtVisible());
    QCOMPARE(s.missatge(), 0);
    QVERIFY(s.teclatActiu());
    QVERIFY(!s.exerciciTancat());
}

void TestSerie::rellotgeCorreDuranteLEspera() {
    SerieProva p(5, 3, nivellAmb(60, 3, 5));
    Serie& s = p.obre();
    juga(p, QStringLiteral("W12TTT"));
    QVERIFY(s.btTxtVisible());
    QCOMPARE(s.textRellotge(), QStringLiteral("57"));
    QVERIFY(s.rellotgeEnMarxa());
}

void TestSerie::enterNomesAmbBtTxt() {
    SerieProva p(5, 3, nivellAmb(60, 2, 5));
    Serie& s = p.obre();

    const ResultatTecla amagat = s.tecla(Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(amagat.consumida);
    QVERIFY(!amagat.tanca);
    QCOMPARE(p.act->noves, 0);
    QCOMPARE(p.act->rebuts, QString());

    juga(p, QStringLiteral("W12"));
    QVERIFY(s.btTxtVisible());
    const ResultatTecla espera = s.tecla(Qt::Key_Enter, QStringLiteral("\r"));
    QVERIFY(!espera.tanca);
    QCOMPARE(p.act->noves, 1);
    QVERIFY(!s.btTxtVisible());

    juga(p, QStringLiteral("12"));
    QVERIFY(s.sortida());
    const QByteArray historial = p.historial();
    const ResultatTecla final = s.tecla(Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(final.tanca);
    QVERIFY(s.tancada());
    QVERIFY(s.tancaDesDeFora());
    QCOMPARE(p.historial(), historial);
}

void TestSerie::abandona_data() {
    QTest::addColumn<QString>("accions");
    QTest::addColumn<QChar>("tancament"); // 'X' close box, 'B' BtTancar, 'C' continue button
    QTest::addColumn<bool>("tanca");
    QTest::addColumn<QList<QByteArray>>("linies");

    const QByteArray errors = linia("Errors", " 3\t  0\t(3)\t  2\t(2)\t  0\t(60)");
    QTest::newRow("creu a mitja serie")
        << "1212T" << QChar(u'X') << true
        << QList<QByteArray>{linia("Abandona", " 3\t  2\t(3)\t  0\t(2)\t  1\t(60)")};
    QTest::newRow("BtTancar a mitja serie")
        << "129" << QChar(u'B') << true
        << QList<QByteArray>{linia("Abandona", " 3\t  1\t(3)\t  1\t(2)\t  0\t(60)")};
    // An ended series keeps its one line whatever closes the board afterwards.
    QTest::newRow("creu despres del final")
        << "999" << QChar(u'X') << true << QList<QByteArray>{errors};
    QTest::newRow("BtTancar despres del final")
        << "999" << QChar(u'B') << true << QList<QByteArray>{errors};

    QTest::newRow("continua amb Sortida")
        << "999" << QChar(u'C') << true << QList<QByteArray>{errors};
    QTest::newRow("continua amb la serie en marxa")
        << "W12" << QChar(u'C') << false << QList<QByteArray>{};
}

void TestSerie::abandona() {
    QFETCH(QString, accions);
    QFETCH(QChar, tancament);
    QFETCH(bool, tanca);
    QFETCH(QList<QByteArray>, linies);

    SerieProva p(5, 3, nivellAmb(60, 3, 2));
    Serie& s = p.obre();
    const QByteArray alumnes = p.fitxerAlumnes();
    juga(p, accions);

    bool tancat = false;
    if (tancament == u'X')
        tancat = s.tancaDesDeFora();
    else if (tancament == u'B')
        tancat = s.BtTancar();
    else
        tancat = s.continua();
    QCOMPARE(tancat, tanca);
    // The window's own close, after the board decided to close, adds nothing.
    if (tancat)
        QVERIFY(s.tancaDesDeFora());

    QCOMPARE(p.liniesHistorial().size(), linies.size());
    QByteArray esperat;
    for (const QByteArray& l : linies)
        esperat += l;
    QCOMPARE(p.historial(), esperat);
    QCOMPARE(p.fitxerAlumnes(), alumnes);
    QVERIFY(p.receptor.avisos.isEmpty());
}

void TestSerie::escripturesFallides_data() {
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(kFallides)); ++i)
        QTest::newRow(kFallides[i].nom) << i;
}

void TestSerie::escripturesFallides() {
    QFETCH(int, i);
    const Fallida& f = kFallides[i];
    SerieProva p(5, 3, nivellAmb(60, 2, 2));
    if (f.alumnes) {
        QVERIFY(QFile::remove(RutaRegistres(p.carpeta(), SerieProva::kGrup, 0)));
        QVERIFY(QDir().mkpath(RutaRegistres(p.carpeta(), SerieProva::kGrup, 0)));
    }
    if (f.historial)
        QVERIFY(QDir().mkpath(RutaHistorial(p.carpeta(), SerieProva::kNom)));
    Serie& s = p.obre();
    for (QChar c : QString::fromLatin1(f.accions))
        c == u'X' ? void(s.tancaDesDeFora()) : juga(p, QString(c));

    QCOMPARE(s.missatge(), f.missatge);
    QCOMPARE(s.dades(2), QString::fromLatin1(f.dades2));
    QCOMPARE(int(s.registre().Nivell[4]), f.nivellDesat);
    // The front page hears of a passed level only once it is stored.
    QCOMPARE(p.receptor.avisos.size(), f.nivellDesat == 4 ? 1 : 0);
    if (!f.alumnes)
        QCOMPARE(p.nivellAlFitxer(SerieProva::kPosicio, 5), f.nivellDesat);
    if (!f.historial)
        QCOMPARE(p.liniesHistorial().size(), 1);
    QCOMPARE(s.prenAvisNoDesat(), f.avis);
    QVERIFY(!s.prenAvisNoDesat());
}

void TestSerie::tecles_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<QString>("acceptats");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rebuts");
    QTest::addColumn<bool>("consumida");

    QTest::newRow("digit") << 5 << "0123456789" << int(Qt::Key_1) << "1"
                           << "1" << true;
    QTest::newRow("minuscula en majuscula") << 3 << "IVXLCDM" << int(Qt::Key_I) << "i"
                                            << "I" << true;
    QTest::newRow("refusada no arriba") << 2 << "0123456789" << int(Qt::Key_Period) << "."
                                        << "" << true;
    QTest::newRow("ordenacio no pren tecles") << 4 << "0123456789" << int(Qt::Key_1) << "1"
                                              << "" << false;
    QTest::newRow("tabulador per a la finestra") << 5 << "0123456789\t" << int(Qt::Key_Tab) << "\t"
                                                 << "" << false;
    QTest::newRow("escapada consumida") << 5 << "0123456789" << int(Qt::Key_Escape) << "\x1b"
                                        << "" << true;
}

void TestSerie::tecles() {
    QFETCH(int, activitat);
    QFETCH(QString, acceptats);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, rebuts);
    QFETCH(bool, consumida);

    SerieProva p(activitat, 3, nivellAmb(60, 2, 5));
    Serie& s = p.obre();
    p.act->acceptats = acceptats;
    const ResultatTecla r = s.tecla(key, text);
    QCOMPARE(r.consumida, consumida);
    QVERIFY(!r.tanca);
    QCOMPARE(p.act->rebuts, rebuts);
    if (rebuts.isEmpty()) {
        QVERIFY(p.so.played.isEmpty());
        QCOMPARE(s.textNegatives(), QStringLiteral("5"));
    }
}

void TestSerie::fletxaEsquerra_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<bool>("btTxt");
    QTest::addColumn<int>("fletxes");
    QTest::newRow("multiplicar") << 8 << false << 1;
    QTest::newRow("multiplicar amb missatge") << 8 << true << 0;
    QTest::newRow("dividir") << 9 << false << 0;
}

void TestSerie::fletxaEsquerra() {
    QFETCH(int, activitat);
    QFETCH(bool, btTxt);
    QFETCH(int, fletxes);
    SerieProva p(activitat, 3, nivellAmb(60, 2, 5, 2, 1));
    Serie& s = p.obre();
    if (btTxt)
        juga(p, QStringLiteral("W12"));
    QVERIFY(s.tecla(Qt::Key_Left, QString()).consumida);
    QCOMPARE(p.act->fletxes, fletxes);
}

void TestSerie::clicTecla_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<int>("separador");
    QTest::addColumn<int>("teclat");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("rebuts");

    QTest::newRow("xifra del teclat 0") << 5 << 0 << 0 << 3 << "3";
    QTest::newRow("primera tecla del teclat 1") << 1 << 0 << 1 << 10 << "9";
    QTest::newRow("punt") << 1 << 0 << 1 << 20 << ".";
    QTest::newRow("espai") << 1 << 1 << 1 << 20 << " ";
    QTest::newRow("mes") << 8 << 0 << 1 << 20 << "+";
    QTest::newRow("lletra romana") << 3 << 0 << 2 << 28 << "M";
    QTest::newRow("tecla d'un teclat amagat") << 5 << 0 << 0 << 12 << "";
    QTest::newRow("sense tecla 21") << 5 << 0 << 1 << 21 << "";
    QTest::newRow("fora de rang") << 5 << 0 << 0 << 40 << "";
}

void TestSerie::clicTecla() {
    QFETCH(int, activitat);
    QFETCH(int, separador);
    QFETCH(int, teclat);
    QFETCH(int, index);
    QFETCH(QString, rebuts);

    SerieProva p(activitat, 3, nivellAmb(60, 2, 5, 2, 1));
    p.obertura.separador = separador;
    Serie& s = p.obre();
    p.act->teclatMostrat = teclat;
    QCOMPARE(s.teclatVisible(), teclat);
    s.clicTecla(index);
    QCOMPARE(p.act->rebuts, rebuts);
}

void TestSerie::ajudaCostaUnError() {
    SerieProva p(7, 3, nivellAmb(60, 2, 2, 2, 3));
    Serie& s = p.obre();
    s.ajuda();
    QCOMPARE(s.textNegatives(), QStringLiteral("1"));
    QCOMPARE(p.so.played, QStringList{"24"});
    QCOMPARE(p.act->ajudes, 1);
    QCOMPARE(p.act->linia.escrit(), QStringLiteral("1"));
    QVERIFY(s.ajudaDemanada());

    // Help on the last character completes the exercise.
    s.ajuda();
    QCOMPARE(p.so.played, (QStringList{"24", "24", "20"}));
    QCOMPARE(s.textAfirmatives(), QStringLiteral("1"));
    QCOMPARE(s.textNegatives(), QStringLiteral("0"));
    QCOMPARE(p.act->noves, 1);
}

void TestSerie::ajudaSenseErrorsNoEntraRes() {
    SerieProva p(1, 3, nivellAmb(60, 2, 0));
    Serie& s = p.obre();
    s.ajuda();
    QCOMPARE(s.textNegatives(), QStringLiteral(" "));
    QVERIFY(s.acabada());
    QCOMPARE(p.act->ajudes, 0);
    QCOMPARE(p.act->rebuts, QString());
    QCOMPARE(p.act->linia.escrit(), QString());
}

void TestSerie::missatgeDeLActivitat() {
    SerieProva p(4, 3, nivellAmb(60, 3, 1, 1, 50));
    Serie& s = p.obre();

    // A wrong ordering: one error, then the activity's own message; the list stays, which the
    // activity knows because the message is still there when the next exercise is asked for.
    s.RespostaErronia();
    s.mostraMissatge(72);
    QVERIFY(s.btTxtVisible());
    QVERIFY(!s.teclatActiu());
    QVERIFY(!s.sortida());
    QVERIFY(!s.continua());
    QCOMPARE(p.act->missatgesEnNova, QList<int>{72});
    QVERIFY(s.teclatActiu());

    // Help in the ordering: the reminder stays while the exercise counts as right.
    s.mostraMissatge(68);
    s.RespostaCorrecta();
    QCOMPARE(s.textAfirmatives(), QStringLiteral("2"));
    QCOMPARE(s.missatge(), 68);
    QCOMPARE(p.act->noves, 1);

    // The error that ends the series keeps its message over the activity's.
    QVERIFY(!s.continua());
    s.RespostaErronia();
    s.mostraMissatge(72);
    QVERIFY(s.acabada());
    QCOMPARE(s.missatge(), 76);
}

void TestSerie::marcaAcabada_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<bool>("acabada");
    QTest::newRow("dividir") << 9 << true;
    QTest::newRow("multiplicar") << 8 << false;
}

void TestSerie::marcaAcabada() {
    QFETCH(int, activitat);
    QFETCH(bool, acabada);
    SerieProva p(activitat, 3, nivellAmb(60, 2, 5, 2, 1));
    Serie& s = p.obre();
    juga(p, QStringLiteral("W12"));
    QVERIFY(s.exerciciTancat());
    QCOMPARE(s.acabadaVisible(), acabada);
    s.continua();
    QVERIFY(!s.acabadaVisible());
    juga(p, QStringLiteral("12"));
    QVERIFY(s.acabada());
    QCOMPARE(s.acabadaVisible(), acabada);
}

void TestSerie::ajudaDemanadaPerActivitat_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<bool>("esConserva");
    QTest::newRow("multiplicar") << 8 << true;
    QTest::newRow("taules") << 7 << false;
}

void TestSerie::ajudaDemanadaPerActivitat() {
    QFETCH(int, activitat);
    QFETCH(bool, esConserva);
    SerieProva p(activitat, 3, nivellAmb(60, 3, 5, 2, 1));
    Serie& s = p.obre();
    juga(p, QStringLiteral("AA"));
    QCOMPARE(p.act->noves, 1);
    QCOMPARE(s.ajudaDemanada(), esConserva);
}

void TestSerie::persianaIMarcador() {
    SerieProva p(5, 3, nivellAmb(60, 3, 5));
    Serie& s = p.obre();
    QVERIFY(!s.persianaComprova());
    QCOMPARE(s.clicPersiana().constLast(), 22);
    QCOMPARE(s.clicMarcador().constLast(), 22);
    QCOMPARE(p.so.played, (QStringList{"21", "21"}));
    QCOMPARE(s.persiana().pom(), 10);

    // While a message shows, the blind is disabled like the keys; the scoreboard is not.
    juga(p, QStringLiteral("W12"));
    p.so.clear();
    QVERIFY(s.clicPersiana().isEmpty());
    QCOMPARE(s.clicMarcador().constLast(), 110);
    QCOMPARE(p.so.played, QStringList{"21"});

    SerieProva o(4, 3, nivellAmb(60, 3, 5, 1, 50));
    Serie& ordenar = o.obre();
    QVERIFY(ordenar.persianaComprova());
    QVERIFY(ordenar.clicPersiana().isEmpty());
    QVERIFY(o.so.played.isEmpty());
}

void TestSerie::serieSenceraAmbAjuda_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<int>("p1");
    QTest::addColumn<int>("p2");
    QTest::addColumn<int>("separador");
    QTest::addColumn<int>("opcResta");
    QTest::addColumn<int>("teclat"); // keyboard of the first exercise, -2 when it may vary

    QTest::newRow("cardinals amb espai") << 1 << 1000 << 999999 << 1 << 0 << 1;
    QTest::newRow("cardinals petits") << 1 << 0 << 999 << 0 << 0 << 0;
    QTest::newRow("ordinals") << 2 << 1 << 1000 << 0 << 0 << 1;
    QTest::newRow("romans") << 3 << 1 << 3999 << 0 << 0 << -2;
    QTest::newRow("ordenacio") << 4 << 1 << 50 << 0 << 0 << -1;
    QTest::newRow("sumar") << 5 << 3 << 1 << 0 << 0 << 0;
    QTest::newRow("restar") << 6 << 3 << 1 << 0 << 0 << 0;
    QTest::newRow("taules") << 7 << 2 << 9 << 0 << 0 << 0;
    QTest::newRow("multiplicar") << 8 << 3 << 2 << 0 << 0 << 1;
    QTest::newRow("dividir") << 9 << 4 << 2 << 0 << 0 << 0;
    QTest::newRow("dividir amb restes") << 9 << 4 << 2 << 0 << 1 << 1;
    // As the editor's box and the report read it: a damaged byte is the option cleared.
    QTest::newRow("dividir, opcio danyada") << 9 << 4 << 2 << 0 << 2 << 0;
}

// Every activity the board can open plays a whole series: help alone answers every exercise,
// through the activity's own route, and the series is passed.
void TestSerie::serieSenceraAmbAjuda() {
    QFETCH(int, activitat);
    QFETCH(int, p1);
    QFETCH(int, p2);
    QFETCH(int, separador);
    QFETCH(int, opcResta);
    QFETCH(int, teclat);

    SerieProva p(activitat, 3, nivellAmb(999, 3, 999, p1, p2));
    p.obertura.separador = separador;
    p.obertura.configGrup.OpcResta = uint8_t(opcResta);
    Serie& s = p.obreAmb(&FabricaActivitats::crea);
    QVERIFY(s.activitat());
    if (teclat != -2)
        QCOMPARE(s.teclatVisible(), teclat);

    int ajudes = 0;
    for (int i = 0; i < 2000 && !s.acabada(); ++i) {
        if (s.btTxtVisible()) {
            QVERIFY(!s.continua());
        } else {
            s.ajuda();
            ++ajudes;
        }
    }
    QVERIFY(s.acabada());
    QCOMPARE(s.missatge(), 78);
    QCOMPARE(s.textAfirmatives(), QStringLiteral("0"));
    QCOMPARE(s.textNegatives(), QString::number(999 - ajudes));
    QCOMPARE(p.so.played.count(QStringLiteral("20")), 3);
    QCOMPARE(p.so.played.count(QStringLiteral("24")), ajudes);
    QCOMPARE(p.so.played.constLast(), QStringLiteral("23"));
    QCOMPARE(p.nivellAlFitxer(SerieProva::kPosicio, activitat), 4);
    QCOMPARE(p.liniesHistorial().size(), 1);
    QVERIFY(p.historial().contains("\tSuperat\t 3\t  3\t(3)\t"));
}

QTEST_GUILESS_MAIN(TestSerie)
#include "tst_Serie.moc"
