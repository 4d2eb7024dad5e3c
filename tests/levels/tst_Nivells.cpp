#include "CarpetaProva.h"
#include "EdicioNivells.h"
#include "FitxerNivells.h"
#include "JocsNivells.h"
#include "NivellsPerDefecte.h"
#include "Registres.h"
#include "Taula.h"

#include <QBuffer>
#include <QDirIterator>
#include <QTest>
#include <QtEndian>

#include <climits>

using Registres::nivell;

namespace {

QByteArray rec(const QByteArray& fitxer, int k) {
    return fitxer.mid((k - 1) * 14, 14);
}

// The limits of each activity: every field at its lowest, at its highest, and a pair of
// parameters (p1, p2) that breaks the activity's order or range, with what it becomes.
struct Limit {
    const char* nom;
    int activitat, min1, min2, max1, max2, p1, p2, fi1, fi2;
};
const Limit kLimits[] = {
    {"Cardinals", 1, 0, 0, 999999999, 999999999, 5000, 10, 5000, 5000},
    {"Ordinals", 2, 1, 1, 1000, 1000, 70, -4, 70, 70},
    {"Romans", 3, 1, 1, 3999, 3999, 4000, 20, 3999, 3999},
    {"Ordenacio", 4, 0, 0, 999999999, 999999999, INT_MAX, 9, 999999999, 999999999},
    // Carrying is allowed by a stored 1 alone.
    {"Sumar", 5, 1, 0, 5, 0, 2, 1, 2, 1},
    {"Restar", 6, 1, 0, 5, 0, 3, 7, 3, 0},
    {"Taules", 7, 1, 1, 9, 9, 8, 3, 8, 8},
    {"Multiplicar", 8, 1, 1, 5, 3, 2, 3, 2, 2},
    {"Dividir", 9, 1, 1, 5, 3, 4, -7, 4, 1},
    {"no activity", 0, 0, 0, 999999999, 999999999, 5, 3, 5, 3},
};

// What the board plays: level `n` of activity `a` of set `joc`, after `desat` (when it has a
// Temps) was stored as Sumar level 6 of set "Grup".
struct Jugat {
    const char *nom, *joc;
    int a, n;
    DadesNivell desat, jugat;
};
const Jugat kJugats[] = {
    {"default Sumar 6", " Grup ", 5, 6, {}, {170, 5, 5, 2, 1}},
    {"level 0 reads level 1", " Grup ", 7, 0, {}, {60, 10, 5, 2, 2}},
    {"level 11 reads level 10", " Grup ", 3, 11, {}, {150, 20, 5, 1, 3999}},
    {"activity 10 reads Dividir", " Grup ", 10, 10, {}, {300, 5, 5, 5, 3}},
    {"damaged record held to the limits",
     " Grup ",
     5,
     6,
     {SHRT_MIN, 0, -1, INT_MAX, INT_MIN},
     {10, 1, 0, 5, 0}},
    {"a name that climbs out", "../../fora", 1, 1, {}, {120, 20, 5, 0, 10}},
};

const QString kNoEsPot =
    "!No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";

FilaGraella celles(const QString& text) {
    const QStringList c = text.split('|');
    return {c.value(0), c.value(1), c.value(2), c.value(3), c.value(4)};
}
QString text(const FilaGraella& f) {
    return QStringList(f.begin(), f.end()).join('|');
}

// A level-set file: "D" for the default set, then "+k:t,f,e,p1,p2" for each record k that differs
// from it; a file of another size as its text.
QString descriu(const QByteArray& f) {
    static QByteArray defecte;
    QBuffer b(&defecte);
    if (defecte.isEmpty() && (!b.open(QIODevice::WriteOnly) || !EscriuNivellsPerDefecte(b)))
        return "?";
    QString s = f.size() == 1260 ? "D" : QString::fromUtf8(f);
    for (int k = 0; k < 90 && f.size() == 1260; ++k) {
        const char* r = f.constData() + k * 14;
        if (f.mid(k * 14, 14) != defecte.mid(k * 14, 14))
            s += QString("+%1:%2,%3,%4,%5,%6")
                     .arg(k + 1)
                     .arg(qFromLittleEndian<qint16>(r))
                     .arg(qFromLittleEndian<qint16>(r + 2))
                     .arg(qFromLittleEndian<qint16>(r + 4))
                     .arg(qFromLittleEndian<qint32>(r + 6))
                     .arg(qFromLittleEndian<qint32>(r + 10));
    }
    return s;
}

// The level editor's logic for group 3 over a program folder of its own: its questions are
// answered from `respostes` ("No" once they run out) and `graella` is the grid it stores.
struct Editor {
    CarpetaProva c;
    Sessio sessio = c.sessio(3);
    QStringList registre; // the questions ("?") and messages ("!") in turn
    QList<bool> respostes;
    QList<FilaGraella> graella;
    JocsNivells jocs{sessio,
                     [this](const QString& q) {
                         registre << "?" + q;
                         return !respostes.isEmpty() && respostes.takeFirst();
                     },
                     [this](const QString& m) { registre << "!" + m; }, [this] { return graella; }};
    EdicioNivells edicio{jocs};

    // The sets `jocs` ("A|B") in Inf/Niv, and the window open on activity `a` when given.
    explicit Editor(const QString& jocs = {}, int a = 0) {
        for (const QString& n : jocs.split('|', Qt::SkipEmptyParts))
            QVERIFY(FitxerNivells::creaSiFalta(c.niv(n)));
        if (a)
            mostra(a);
    }
    // Opens the window when not yet open, and shows activity `a`.
    void mostra(int a) {
        if (jocs.JocObert().isEmpty())
            jocs.Obre();
        jocs.CanviaActivitat(a);
        graella = jocs.CarregaActivitat();
        edicio.CarregaActivitat();
    }
    void edita(int fila, int col, const QString& text) {
        graella[fila - 1][col - 1] = text;
        jocs.marcaModificat();
    }
    // Each file of Inf/Niv ("name=content"), and Grups.cfg when it exists.
    QString fitxers() const {
        QStringList l;
        for (const QFileInfo& f : QDir(c.path("Inf/Niv")).entryInfoList(QDir::Files, QDir::Name))
            l << f.fileName() + '=' +
                     (f.isSymLink() ? "->" + f.symLinkTarget() : descriu(c.llegeix(f.filePath())));
        return l.join(' ') + (QFile::exists(c.grupsCfg()) ? " | Grups.cfg" : "");
    }
    // The list with its selected entry starred; the open set, "modified", and "group edited" when
    // the group's settings differ from those at opening; the files; the questions and messages
    // since the last look.
    QString estat() {
        QStringList l = jocs.llista();
        if (jocs.seleccionat() >= 0)
            l[jocs.seleccionat()] += '*';
        const QString s = l.join(',') + " | " + jocs.JocObert() +
                          (jocs.Modificat() ? " modified" : "") +
                          (sessio.grup == jocs.CopiaGrup() ? " | " : " group edited | ") +
                          fitxers() + (registre.isEmpty() ? "" : " | " + registre.join(' '));
        registre.clear();
        return s;
    }
};

struct Obertura {
    const char *nom, *jocs, *nomNivell;
    int idioma;
    const char* estat;
};
const Obertura kObertures[] = {
    {"empty folder, Galician", "", "", 2,
     "Nivel xenérico* | Nivel xenérico | Nivel xenérico.ni2=D Nivel xenérico.niv=D"},
    {"the group's set", "Primer|Segon", " Segon ", 0,
     "Primer,Segon* | Segon | Primer.niv=D Segon.ni2=D Segon.niv=D"},
    {"the named set missing", "Primer|Segon", "Altre", 0,
     "Primer*,Segon | Primer | Primer.ni2=D Primer.niv=D Segon.niv=D"},
};

// Level `nivell` of `activitat` of the default set as the grid shows it, typed over, and the set
// file once it is stored.
struct Fila {
    const char* nom;
    int idioma, separador, activitat, nivell;
    const char *mostrat, *escrit, *desat;
};
const Fila kFiles[] = {
    {"Cardinals, space", 0, 1, 1, 10, "300|10|5|0   |100 000 000   ",
     "200|19|4|1.234   |1.000.000   ", "D+10:200,19,4,1234,1000000"},
    // Cells the grid never shows still cannot put a value outside the limits on disk.
    {"Cardinals, none, held to the limits", 0, 2, 1, 10, "300|10|5|0   |100000000   ",
     "5|-3|123456|99999999999999|7", "D+10:10,1,999,999999999,999999999"},
    {"Romans, point", 0, 0, 3, 10, "150|20|5|1   |3.999   ", "120|15|5|1   |1.000   ",
     "D+30:120,15,5,1,1000"},
    {"Ordenacio, spaces", 0, 1, 4, 10, "180|8|5|0   |999 999 999   ",
     "180|8|5|12 345   |999 999 999   ", "D+40:180,8,5,12345,999999999"},
    {"Sumar, no to yes", 0, 0, 5, 1, "120|5|5|1|No", "130|5|5|3|Sí", "D+41:130,5,5,3,1"},
    {"Restar, Galician yes to no", 2, 0, 6, 6, "170|5|5|2|Si", "130|5|5|4|Non", "D+56:130,5,5,4,0"},
    {"Multiplicar", 0, 0, 8, 10, "300|5|5|5|3", "999|999|0|5|3", "D+80:999,999,0,5,3"},
    {"Dividir, divisor above", 0, 0, 9, 10, "300|5|5|5|3", "120|5|5|2|3", "D+90:120,5,5,2,2"},
};

// A write that fails at a tab switch or on "Sí": the set file a folder or on a full disk, or
// Grups.cfg a folder.
struct Obstacle {
    const char* nom;
    bool si, ple, grups;
};
const Obstacle kObstacles[] = {
    {"tab switch, set file a folder", false, false, false},
    {"Sí, full disk", true, true, false},
    {"Sí, Grups.cfg a folder", true, false, true},
};

// What fails: 0 adding (the new file), 1 renaming (the backup), 2 duplicating and 3 deleting (the
// set file), 4 "No" (the backup), 5 opening (the backup), 6 opening (the set file).
const char* const kFallades[] = {"adding", "renaming",        "duplicating", "deleting",
                                 "No",     "opening, backup", "opening, set"};

// A name typed for adding (0) or renaming (1) set A beside set B, and the message it gives. A
// group's record holds a set's name in 100 Windows-1252 bytes: a name cut or changed there could
// never be found again.
struct Nom {
    const char* nom;
    QString text;
    int opcio;
    const char* missatge;
};
const char* const kNoValid = "!El nom de fitxer no és vàlid";
const Nom kNoms[] = {
    {"climbing", "../../fora", 0, kNoValid},
    {"101 bytes", QString(101, u'x'), 0, kNoValid},
    {"not in Windows-1252", "Joc ☃", 0, kNoValid},
    {"renaming to Greek", "Επίπεδο", 1, kNoValid},
    {"100 euro signs, too long a file name", QString(100, u'€'), 0, kNoValid},
    {"existing name", " B ", 0, "!El fitxer ja existeix"},
    {"renaming to an existing name", " B ", 1, "!El fitxer ja existeix"},
    {"100 bytes", QString(100, u'x'), 0, nullptr},
    {"accents and euro", "Català € ñ «ÿ»", 0, nullptr},
    {"100 accented", QString(100, u'é'), 0, nullptr},
};

// The copy of N is "N (k)" with the smallest free k, N shortened (and any character the group's
// record cannot hold made "_") so that the name fits that record.
struct Copia {
    const char* nom;
    QString n;
    int existents; // copies 1..existents already there
    QString m;
};
const Copia kCopies[] = {
    {"next free number", "N", 1, "N (2)"},
    {"full field", QString(100, u'x'), 0, QString(96, u'x') + " (1)"},
    {"tenth copy", QString(100, u'x'), 9, QString(95, u'x') + " (10)"},
    {"blank at the cut", QString(95, u'x') + " yyyy", 0, QString(95, u'x') + " (1)"},
    {"not in Windows-1252", "Joc ☃", 0, "Joc _ (1)"},
};

// Deleting drops the set's unsaved edits and the group's: what stays is what there was at opening.
struct Eliminacio {
    const char *nom, *jocs;
    bool si;
    const char* estat;
};
const Eliminacio kEliminacions[] = {
    {"the only set", "Unic", true,
     "Nivell genèric* | Nivell genèric | Nivell genèric.ni2=D Nivell genèric.niv=D"},
    {"one of two", "A|B", true, "B* | B | B.ni2=D B.niv=D"},
    {"answered No", "A", false, "A* | A modified group edited | A.ni2=D A.niv=D"},
};

// A press on the digit button at `p` (9 the units) of a nine-digit label: more than one place
// left of the leading digit it adds that place's value, one place left it is a digit 0 like any
// other.
struct Xifra {
    const char *nom, *abans;
    int p;
    bool esquerre;
    const char* despres;
};
const Xifra kXifres[] = {
    {"units up", "0", 9, true, "1"},
    {"far left, right button", "0", 1, false, "100000000"},
    {"adds the place", "5", 7, false, "105"},
    {"next place up", "5", 8, true, "15"},
    {"next place down", "5", 8, false, "95"},
    {"9 turns to 0, leading zeros go", "90", 8, true, "0"},
    {"top digit down", "100000000", 1, false, "0"},
    {"nine nines", "999999999", 5, true, "999909999"},
};

// Row `fila` of `activitat` after a control set `valor`: controls 1 to 3 the counters, 4 and 5 the
// parameters, 6 Portant; or, for controls 7 to 9, the column of counter 1 to 3 after the increment
// tool added `valor` from row 2 on. Romans 2 is 70, 11, 5, 1..20; Cardinals 2 0..50; Taules 4
// 2..4; Dividir 10 is 5 by 3; Restar 1 does not borrow.
struct Control {
    const char* nom;
    int activitat, fila, control, valor;
    const char* despres;
};
const Control kControls[] = {
    {"Fer held to 999", 3, 2, 2, 1000, "70|999|5|1   |20   "},
    {"Errors", 3, 2, 3, 0, "70|11|0|1   |20   "},
    {"lower bound raises the upper", 1, 2, 4, 100000000, "130|19|5|100.000.000   |100.000.000   "},
    {"upper bound alone", 1, 2, 5, 7, "130|19|5|0   |7   "},
    {"upper bound lowers the lower", 7, 4, 5, 1, "60|11|5|1|1"},
    {"table held to 9", 7, 4, 5, 12, "60|11|5|2|9"},
    {"dividend below divisor", 9, 10, 4, 2, "300|5|5|2|2"},
    {"digits of a sum: no relation", 5, 1, 4, 4, "120|5|5|4|No"},
    {"no carrying again: no edit", 6, 1, 6, 0, "120|5|5|1|No"},
    {"Temps -50 stops at 10", 1, 0, 7, -50, "120|70|20|10|10|10|10|10|10|10"},
    {"Fer up to 999", 2, 0, 8, 400, "15|415|815|999|999|999|999|999|999|999"},
    {"Errors down to 0", 5, 0, 9, -2, "5|3|1|0|0|0|0|0|0|0"},
};

} // namespace

class TestNivells : public QObject {
    Q_OBJECT
private slots:
    // The default set as made for a missing file (its folder too): 1260 bytes, the given records,
    // Errors 5 and a fixed first parameter for the ranges and the tables, every level one the
    // editor could have made. A file already there is left alone; a device that takes no bytes is
    // said.
    void perDefecte() {
        CarpetaProva c;
        const QString niv = c.path("nova/Prova.niv");
        QVERIFY(FitxerNivells::creaSiFalta(niv));
        QByteArray f = c.llegeix(niv);
        QCOMPARE(f.size(), 1260);
        const int kDonats[][5] = {
            {1, 120, 20, 0, 10},        {10, 300, 10, 0, 100000000}, {11, 120, 15, 1, 10},
            {20, 120, 15, 1, 100},      {30, 150, 20, 1, 3999},      {39, 180, 8, 0, 999999999},
            {40, 180, 8, 0, 999999999}, {41, 120, 5, 1, 0},          {46, 170, 5, 2, 1},
            {60, 240, 5, 5, 1},         {61, 60, 10, 2, 2},          {62, 60, 10, 2, 2},
            {69, 60, 14, 2, 9},         {70, 60, 15, 2, 9},          {74, 180, 5, 2, 2},
            {90, 300, 5, 5, 3},
        }; // record k: Temps, Fer, Parametre1, Parametre2
        for (const auto& [k, temps, fer, p1, p2] : kDonats)
            QCOMPARE(rec(f, k), nivell(temps, fer, 5, p1, p2));
        for (int k = 1; k <= 90; ++k) {
            const int a = (k - 1) / 10 + 1;
            QCOMPARE(rec(f, k).mid(4, 2), QByteArray("\5\0", 2));
            QVERIFY(a == 5 || a == 6 || a >= 8 || rec(f, k).mid(6, 4) == rec(f, a * 10).mid(6, 4));
            QCOMPARE(clampToRanges(a, DadesNivell::decode(rec(f, k))).encode(), rec(f, k));
            QVERIFY(a != 5 || (rec(f, k) == rec(f, k + 10) && rec(f, k + 30) == rec(f, k + 40)));
        }
        QVERIFY(FitxerNivells::escriu(niv, 1, {1, 2, 3, 4, 5}) && FitxerNivells::creaSiFalta(niv));
        QCOMPARE(c.llegeix(niv), f.replace(0, 14, nivell(1, 2, 3, 4, 5)));
        QBuffer lectura;
        QVERIFY(lectura.open(QIODevice::ReadOnly) && !EscriuNivellsPerDefecte(lectura));
    }

    void registres() {
        CarpetaProva c;
        QVERIFY(FitxerNivells::creaSiFalta(c.niv("Defecte")));
        QByteArray esperat = c.llegeix(c.niv("Defecte"));
        // Written into a missing file, a record lands in place among the defaults.
        const DadesNivell d{-2, 7, 999, 70000, INT_MIN};
        QVERIFY(FitxerNivells::escriu(c.niv("Prova"), 46, d));
        esperat.replace(45 * 14, 14, nivell(-2, 7, 999, 70000, INT_MIN));
        QCOMPARE(c.llegeix(c.niv("Prova")), esperat);
        QVERIFY(FitxerNivells::llegeix(c.niv("Prova"), 46) == d);
        for (int k : {0, 91, -5, INT_MAX})
            QVERIFY(!FitxerNivells::escriu(c.niv("Prova"), k, {1, 1, 1, 1, 1}));
        QCOMPARE(c.llegeix(c.niv("Prova")), esperat);

        // A record cut short, or beyond the end, reads as never written; reading never extends.
        c.escriu(c.niv("Curt"), nivell(120, 20, 5, 0, 10) + "\1\2\3\4\5\6");
        QVERIFY(FitxerNivells::llegeix(c.niv("Curt"), 1) == DadesNivell({120, 20, 5, 0, 10}));
        for (int k : {2, 3, 90, 0, 91})
            QVERIFY(FitxerNivells::llegeix(c.niv("Curt"), k) == DadesNivell{});
        QCOMPARE(c.llegeix(c.niv("Curt")).size(), 20);
    }

    void limits_data() { files(kLimits); }
    void limits() {
        const Limit& l = fila(kLimits);
        const DadesNivell minims{SHRT_MIN, SHRT_MIN, SHRT_MIN, INT_MIN, INT_MIN};
        const DadesNivell maxims{SHRT_MAX, SHRT_MAX, SHRT_MAX, INT_MAX, INT_MAX};
        QCOMPARE(clampToRanges(l.activitat, minims).encode(), nivell(10, 1, 0, l.min1, l.min2));
        QCOMPARE(clampToRanges(l.activitat, maxims).encode(),
                 nivell(999, 999, 999, l.max1, l.max2));
        QCOMPARE(clampToRanges(l.activitat, {120, 5, 5, l.p1, l.p2}).encode(),
                 nivell(120, 5, 5, l.fi1, l.fi2));
    }

    // The file is made with the defaults when missing, always inside Inf/Niv.
    void jugat_data() { files(kJugats); }
    void jugat() {
        const Jugat& j = fila(kJugats);
        CarpetaProva c;
        if (j.desat.Temps != 0)
            QVERIFY(FitxerNivells::escriu(c.niv("Grup"), 46, j.desat));
        QVERIFY(FitxerNivells::LlegeixNivell(c.path(), j.joc, j.a, j.n) == j.jugat);
        QDirIterator it(c.path(), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(it.hasNext() && QFileInfo(it.next()).path() == c.path("Inf/Niv") && !it.hasNext());
    }

    // The set opened, then settled without changes: nothing asked, nothing written, no backup.
    void obre_data() { files(kObertures); }
    void obre() {
        const Obertura& o = fila(kObertures);
        Editor e(o.jocs);
        const QString obert = QString(o.estat).section(" | ", 1, 1);
        e.c.escriu(e.c.ni2(obert), "stale");
        e.sessio.general.Idioma = int16_t(o.idioma);
        e.sessio.grup.NomNivell = o.nomNivell;
        e.sessio.grup.Nivells[0] = e.sessio.grup.Nivells[4] = 0; // count as ten
        e.mostra(1);
        QCOMPARE(e.graella.size(), 10);
        QCOMPARE(e.estat(), QString(o.estat));
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.estat(), QString(o.estat).remove(' ' + obert + ".ni2=D"));
        e.mostra(5);
        QCOMPARE(e.sessio.grup.Nivells[4], uint8_t(10));
    }

    void llista() {
        CarpetaProva c;
        for (const char* f : {"b.niv", "a.niv", "C.niv", "A.niv", "notes.txt", "d.NIV", "e.ni2"})
            c.escriu(c.path(QString("Inf/Niv/") + f), "x");
        // A name with surrounding blanks maps to another file; a folder is not a set.
        c.escriu(c.path("Inf/Niv/ f .niv"), "x");
        QVERIFY(QDir().mkpath(c.path("Inf/Niv/carpeta.niv")));
        QCOMPARE(JocsNivells::llistaFitxers(c.path()), (QStringList{"A", "a", "b", "C"}));
    }

    // Saved as shown, every activity's grid writes back the bytes it was read from.
    void mostraIDesa_data() { files(kFiles); }
    void mostraIDesa() {
        const Fila& f = fila(kFiles);
        Editor e;
        e.sessio.general.Idioma = int16_t(f.idioma);
        e.sessio.general.Separador = uint8_t(f.separador);
        for (int a = 1; a <= 9; ++a) {
            e.mostra(a);
            QVERIFY(e.jocs.DesaActivitat(e.graella));
        }
        e.mostra(f.activitat);
        QCOMPARE(text(e.graella.at(f.nivell - 1)), QString(f.mostrat));
        e.graella[f.nivell - 1] = celles(f.escrit);
        QVERIFY(e.jocs.DesaActivitat(e.graella));
        QCOMPARE(e.fitxers(),
                 e.jocs.JocObert() + ".ni2=D " + e.jocs.JocObert() + ".niv=" + f.desat);
    }

    // Choosing the open set again with changes pending settles them first: a fresh backup would
    // make the edits of earlier tab switches permanent. "No" puts back the file, those edits
    // included, and the group; "Sí" stores the shown activity's levels in use and the group's
    // record. After printing a fresh backup lets "No" go back to the printed state; without one
    // "No" keeps the file as it is and says so. Choosing another set settles the open one.
    void arxiva() {
        Editor e("A|B", 1);
        e.edita(3, 2, "7");
        e.mostra(5); // written through
        e.edita(6, 5, "No");
        QVERIFY(!e.jocs.MesNivells() && e.jocs.MenysNivells());
        e.jocs.CanviaOpcResta(true);
        e.mostra(8);
        QCOMPARE(e.estat(), "A*,B | A modified group edited | A.ni2=D "
                            "A.niv=D+3:140,7,5,0,100+46:170,5,5,2,0 B.niv=D");
        QVERIFY(e.jocs.Selecciona(0));
        QCOMPARE(e.estat(), "A*,B | A | A.ni2=D A.niv=D B.niv=D | ?Arxivar els canvis?");

        e.mostra(1);
        e.edita(1, 1, "200");
        e.edita(1, 5, "1.000.000   ");
        QVERIFY(e.jocs.CanviaIncloure(false) && e.jocs.MenysNivells());
        e.mostra(9);
        e.jocs.CanviaOpcResta(true);
        QVERIFY(e.jocs.MenysNivells());
        e.edita(2, 4, "4");
        e.edita(10, 1, "999"); // a level no longer in use
        e.respostes = {true};
        QVERIFY(e.jocs.ArxivarConfig());
        const QString si = "A.niv=D+1:200,20,5,0,1000000+82:140,5,5,4,1 B.niv=D | Grups.cfg";
        QCOMPARE(e.estat(), "A*,B | A group edited | " + si + " | ?Arxivar els canvis?");
        QCOMPARE(e.c.llegeix(e.c.grupsCfg()),
                 QByteArray(2 * 119, '\0') + Registres::grup("011111111", 1, 10, "")
                                                 .replace(10, 1, "\x09")
                                                 .replace(18, 1, "\x09"));

        QVERIFY(e.jocs.PrenCopiaSeguretat());
        e.edita(2, 1, "600");
        QVERIFY(!e.jocs.PrenCopiaSeguretat()); // never over pending changes
        e.mostra(3);
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.estat(), "A*,B | A | " + si + " | ?Arxivar els canvis?");
        e.edita(2, 1, "600");
        e.mostra(4);
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.estat(),
                 "A*,B | A | A.niv=D+1:200,20,5,0,1000000+22:600,11,5,1,20+82:140,5,5,4,1 "
                 "B.niv=D | Grups.cfg | ?Arxivar els canvis? " +
                     kNoEsPot);

        e.edita(1, 1, "777");
        e.respostes = {true};
        QVERIFY(e.jocs.Selecciona(1));
        QCOMPARE(e.estat(),
                 "A,B* | B | A.niv=D+1:200,20,5,0,1000000+22:600,11,5,1,20+31:777,8,5,"
                 "0,9+82:140,5,5,4,1 B.ni2=D B.niv=D | Grups.cfg | ?Arxivar els canvis?");
    }

    // A write that fails is said, and the changes stay pending with the activity shown and the
    // backup in place; a later "No" still puts the set and the group back as they were.
    void escripturaFallida_data() { files(kObstacles); }
    void escripturaFallida() {
        const Obstacle& o = fila(kObstacles);
        Editor e("Joc", 1);
        e.edita(1, 1, "200");
        QVERIFY(e.jocs.MenysNivells());
        const QString on = o.grups ? e.c.grupsCfg() : e.c.niv("Joc");
        QVERIFY(o.ple ? QFile::remove(on) && QFile::link("/dev/full", on) : e.c.bloqueja(on));
        e.respostes = {o.si};
        QVERIFY(o.si ? !e.jocs.ArxivarConfig() : !e.jocs.CanviaActivitat(2));
        QCOMPARE(e.jocs.ActivitatActual(), 1);
        QVERIFY(e.estat().contains("Joc modified group edited | Joc.ni2=D"));
        QCOMPARE(e.registre, QStringList{});
        QVERIFY(o.ple || QDir(on).removeRecursively());
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.estat(), "Joc* | Joc | Joc.niv=D | ?Arxivar els canvis?");
    }

    // A file operation that fails is said and changes nothing on disk: no entry appears or goes,
    // the set stays open, no file is lost.
    void operacioFallida_data() {
        QTest::addColumn<int>("cas");
        for (int i = 0; i < 7; ++i)
            QTest::newRow(kFallades[i]) << i;
    }
    void operacioFallida() {
        QFETCH(int, cas);
        Editor e(cas == 6 ? "" : "Joc");
        const QString obert = cas == 6 ? "Nivell genèric" : "Joc";
        // A link into a folder that does not exist: nothing can be written through it.
        const QString enlloc = e.c.path("enlloc/x");
        QVERIFY(cas != 6 || QFile::link(enlloc, e.c.niv(obert)));
        QVERIFY(cas != 0 || QFile::link(enlloc, e.c.niv("Nou")));
        QVERIFY((cas != 1 && cas != 5) || e.c.bloqueja(e.c.ni2(cas == 1 ? "Nou" : "Joc")));
        if (cas < 5)
            e.mostra(1);
        if (cas == 4) {
            e.edita(1, 1, "200");
            e.mostra(2);
            QVERIFY(e.c.bloqueja(e.c.ni2("Joc")));
        }
        QVERIFY((cas != 2 && cas != 3) || e.c.bloqueja(e.c.niv("Joc")));
        const QString abans = e.fitxers();
        e.respostes = {cas == 3};
        if (cas <= 1)
            QVERIFY(!e.jocs.EntraNom("Nou", JocsNivells::Opcio(cas)));
        else if (cas == 2)
            QVERIFY(!e.jocs.Duplica());
        else if (cas == 3)
            QVERIFY(!e.jocs.Elimina());
        else if (cas == 4)
            e.jocs.ArxivarConfig();
        else
            e.mostra(1);
        QCOMPARE(e.registre.last(), kNoEsPot);
        QCOMPARE(e.fitxers(), abans);
        QVERIFY(e.estat().startsWith(obert + "* | " + obert));
    }

    void nivellsIActivitats() {
        Editor e;
        e.sessio.grup.Nivells[1] = 1;
        e.sessio.grup.Activitats = "010000000";
        e.mostra(2);
        QVERIFY(!e.jocs.MenysNivells() && !e.jocs.CanviaIncloure(false) && !e.jocs.Modificat());
        QCOMPARE(e.registre, QStringList{"!El quadern ha de tenir al menys una activitat!"});
        QCOMPARE(text(*e.jocs.MesNivells()), QString("120|15|5|1   |20   "));
        QVERIFY(e.sessio.grup.Nivells[1] == 2 && e.jocs.Modificat());
        e.mostra(5);
        QVERIFY(e.jocs.CanviaIncloure(true));
        QCOMPARE(e.sessio.grup.Activitats, QByteArray("010010000"));
        // A level taken away and added back is the one the file holds.
        e.edicio.posaComptador(10, 1, 999);
        QVERIFY(!e.edicio.MesNivells() && e.edicio.MenysNivells() && e.edicio.MesNivells());
        QCOMPARE(text(e.edicio.files().at(9)), QString("240|5|5|5|Sí"));
    }

    void nom_data() { files(kNoms); }
    void nom() {
        const Nom& n = fila(kNoms);
        Editor e("A", 1);
        e.c.escriu(e.c.niv("B"), "B's own bytes");
        QCOMPARE(e.jocs.EntraNom(n.text, JocsNivells::Opcio(n.opcio)), !n.missatge);
        const QString t = n.text;
        QCOMPARE(e.estat(), n.missatge ? "A* | A | A.ni2=D A.niv=D B.niv=B's own bytes | " +
                                             QString(n.missatge)
                                       : "A," + t + "* | " + t + " | A.niv=D B.niv=B's own bytes " +
                                             t + ".ni2=D " + t + ".niv=D");
    }

    // The backup follows the new name: "No" still restores the state at opening.
    void reanomena() {
        Editor e("A|B", 1);
        e.edita(1, 1, "321");
        e.mostra(2);
        QVERIFY(e.jocs.EntraNom("Reanomenat", JocsNivells::Opcio::Editar));
        QCOMPARE(e.estat(), "Reanomenat*,B | Reanomenat modified | B.niv=D Reanomenat.ni2=D "
                            "Reanomenat.niv=D+1:321,20,5,0,10");
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.fitxers(), QString("B.niv=D Reanomenat.niv=D"));
    }

    void duplica_data() { files(kCopies); }
    void duplica() {
        const Copia& d = fila(kCopies);
        Editor e(d.n);
        for (int k = 1; k <= d.existents; ++k)
            QVERIFY(FitxerNivells::creaSiFalta(e.c.niv(d.n.left(96) + QString(" (%1)").arg(k))));
        e.sessio.grup.NomNivell = d.n;
        e.mostra(1);
        e.edita(1, 1, "444");
        e.mostra(2); // on disk now
        e.respostes = {true};
        QVERIFY(e.jocs.Duplica());
        QCOMPARE(e.jocs.llista().size(), d.existents + 2);
        QCOMPARE(e.jocs.seleccionat(), d.existents + 1);
        QCOMPARE(e.jocs.JocObert(), d.m);
        QVERIFY(e.fitxers().contains(d.m + ".ni2=D+1:444,20,5,0,10 " + d.m + ".niv=D+1:444,"));
        QCOMPARE(e.fitxers().count(".ni2"), 1);
    }

    void elimina_data() { files(kEliminacions); }
    void elimina() {
        const Eliminacio& d = fila(kEliminacions);
        Editor e(d.jocs, 1);
        e.edita(1, 1, "444");
        e.jocs.CanviaOpcResta(true);
        e.respostes = {d.si};
        QCOMPARE(e.jocs.Elimina(), d.si);
        QCOMPARE(e.estat(), d.estat + QString(" | ?Eliminar definitivament el nivell?"));
        QCOMPARE(e.sessio.grup.OpcResta, uint8_t(!d.si));
    }

    void xifra_data() { files(kXifres); }
    void xifra() {
        const Xifra& x = fila(kXifres);
        QCOMPARE(EdicioNivells::PremDigit(x.abans, x.p, x.esquerre), QString(x.despres));
    }

    // A control changes its row (the increment tool its column) alone, keeping the activity's
    // limits and the order of its parameters; a change that leaves the row as it was is no edit.
    void control_data() { files(kControls); }
    void control() {
        const Control& c = fila(kControls);
        Editor e("", c.activitat);
        QList<FilaGraella> esperat = e.edicio.files();
        const bool canvi = c.control > 6 || text(esperat[c.fila - 1]) != c.despres;
        if (c.control <= 3)
            e.edicio.posaComptador(c.fila, c.control, c.valor);
        else if (c.control <= 5)
            e.edicio.posaParametre(c.fila, c.control - 3, c.valor);
        else if (c.control == 6)
            QCOMPARE(e.edicio.posaPortant(c.fila, c.valor), canvi);
        else
            e.edicio.Increment(c.control - 6, c.valor);
        const QStringList d = QString(c.despres).split('|');
        if (c.control <= 6)
            esperat[c.fila - 1] = celles(c.despres);
        for (int f = 0; c.control > 6 && f < 10; ++f)
            esperat[f][c.control - 7] = d[f];
        QVERIFY(e.edicio.files() == esperat);
        QCOMPARE(e.jocs.Modificat(), canvi);
    }
};

QTEST_GUILESS_MAIN(TestNivells)
#include "tst_Nivells.moc"
