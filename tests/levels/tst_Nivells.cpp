#include "levels/EdicioNivells.h"
#include "levels/FitxerNivells.h"
#include "levels/JocsNivells.h"
#include "levels/NivellsPerDefecte.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/MitjaPle.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"

#include <QBuffer>
#include <QDirIterator>
#include <QtEndian>

#include <climits>

using Registres::nivell;

namespace {

QByteArray rec(const QByteArray& fitxer, int k) {
    return fitxer.mid((k - 1) * 14, 14);
}

const QString kNoEsPot =
    "!No es pot crear la carpeta de dades del programa o no s'hi pot escriure.";

FilaGraella celles(const QString& text) {
    const QStringList c = text.split('|');
    return {c.value(0), c.value(1), c.value(2), c.value(3), c.value(4)};
}
QString text(const FilaGraella& f) {
    return QStringList(f.begin(), f.end()).join('|');
}
QString text(const DadesNivell& d) {
    return QString::asprintf("%d,%d,%d,%d,%d", d.Temps, d.Fer, d.Errors, d.Parametre1,
                             d.Parametre2);
}

// A level-set file: "D" for the default set, then "+k:t,f,e,p1,p2" for each record k that differs
// from it; a file of another size as its text.
QString descriu(const QByteArray& f) {
    static QByteArray defecte;
    QBuffer b(&defecte);
    if (defecte.isEmpty() && (!b.open(QIODevice::WriteOnly) || !EscriuNivellsPerDefecte(b)))
        return "?";
    if (f.size() != 1260)
        return QString::fromUtf8(f);
    QString s = "D";
    for (int k = 0; k < 90; ++k) {
        const char* r = f.constData() + k * 14;
        if (f.mid(k * 14, 14) != defecte.mid(k * 14, 14))
            s += QString::asprintf(
                "+%d:%d,%d,%d,%d,%d", k + 1, qFromLittleEndian<qint16>(r),
                qFromLittleEndian<qint16>(r + 2), qFromLittleEndian<qint16>(r + 4),
                qFromLittleEndian<qint32>(r + 6), qFromLittleEndian<qint32>(r + 10));
    }
    return s;
}

// The level editor's logic for group 3; questions get `respostes` ("No" once they run out).
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
    // List (selection starred) | open set, "modified", "group edited" | files | what was said.
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
// file once it is stored; separator 0 point, 1 space, 2 none.
struct Fila {
    const char* nom;
    int idioma, separador, activitat, nivell;
    const char *mostrat, *escrit, *desat;
};
const Fila kFiles[] = {
    {"Cardinals, space", 0, 1, 1, 10, "300|10|5|0   |100 000 000   ",
     "200|19|4|1.234   |1.000.000   ", "D+10:200,19,4,1234,1000000"},
    // Cells the grid never shows still cannot put a value outside the limits on disk.
    {"Cardinals, none, held", 0, 2, 1, 10, "300|10|5|0   |100000000   ",
     "5|-3|123456|99999999999999|7", "D+10:10,1,999,999999999,999999999"},
    {"Romans, point", 0, 0, 3, 10, "150|20|5|1   |3.999   ", "120|15|5|1   |1.000   ",
     "D+30:120,15,5,1,1000"},
    {"Ordenacio, spaces", 0, 1, 4, 10, "180|8|5|0   |999 999 999   ",
     "180|8|5|12 345   |999 999 999   ", "D+40:180,8,5,12345,999999999"},
    {"Sumar, no to yes", 0, 0, 5, 1, "120|5|5|1|No", "130|5|5|3|Sí", "D+41:130,5,5,3,1"},
    {"Restar, Galician yes to no", 2, 0, 6, 6, "170|5|5|2|Si", "130|5|5|4|Non", "D+56:130,5,5,4,0"},
    {"Dividir, divisor above", 0, 0, 9, 10, "300|5|5|5|3", "999|999|0|2|3", "D+90:999,999,0,2,2"},
};

// What fails, its way blocked in Inf/Niv by a folder "/" or a link to nowhere ">", and the action:
// 0 adding, 1 renaming, 2 duplicating, 3 deleting, 4 "No", 5 opening.
struct Fallada {
    const char *nom, *jocs, *obstacle;
    int accio;
};
const Fallada kFallades[] = {
    {"adding", "Joc", "Nou.niv>", 0},
    {"renaming", "Joc", "Nou.ni2/", 1},
    {"duplicating", "Joc", "Joc.niv/", 2},
    {"deleting", "Joc", "Joc.niv/", 3},
    {"No", "Joc", "Joc.ni2/", 4},
    {"opening, backup", "Joc", "Joc.ni2/", 5},
    {"opening, set", "", "Nivell genèric.niv>", 5},
};

// Row `fila` of `activitat` after control 1-3 (counters), 4-5 (parameters) or 6 (Portant) was set
// to `valor`; for 7-9 the column of counter 1-3 after the increment tool added `valor` from row 2.
struct Control {
    const char* nom;
    int activitat, fila, control, valor;
    const char* despres;
};
const Control kControls[] = {
    {"Fer held to 999", 3, 2, 2, 1000, "70|999|5|1   |20   "},
    {"Errors", 3, 2, 3, 0, "70|11|0|1   |20   "},
    {"upper bound lowers the lower", 7, 4, 5, 1, "60|11|5|1|1"},
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
    // The default set made for a missing file (its folder too): the given records, Errors 5, one
    // first parameter for ranges and tables, levels the editor could make; a file there is kept.
    void perDefecte() {
        CarpetaProva c;
        const QString niv = c.path("nova/Prova.niv");
        QVERIFY(FitxerNivells::creaSiFalta(niv));
        QByteArray f = c.llegeix(niv);
        QCOMPARE(f.size(), 1260);
        // Record k: Temps, Fer, Parametre1, Parametre2 (the grids and the report show others).
        const int kDonats[][5] = {
            {11, 120, 15, 1, 10}, {20, 120, 15, 1, 100}, {39, 180, 8, 0, 999999999},
            {60, 240, 5, 5, 1},   {61, 60, 10, 2, 2},    {62, 60, 10, 2, 2},
            {69, 60, 14, 2, 9},   {70, 60, 15, 2, 9},    {74, 180, 5, 2, 2}};
        for (const auto& [k, temps, fer, p1, p2] : kDonats)
            QCOMPARE(rec(f, k), nivell(temps, fer, 5, p1, p2));
        for (int k = 1; k <= 90; ++k) {
            const int a = (k - 1) / 10 + 1;
            QCOMPARE(rec(f, k).mid(4, 2), QByteArray("\5\0", 2));
            QVERIFY(a == 5 || a == 6 || a >= 8 || rec(f, k).mid(6, 4) == rec(f, a * 10).mid(6, 4));
            QCOMPARE(ajustaAlsRangs(a, DadesNivell::decode(rec(f, k))).encode(), rec(f, k));
            QVERIFY(a != 5 || (rec(f, k) == rec(f, k + 10) && rec(f, k + 30) == rec(f, k + 40)));
        }
        QVERIFY(FitxerNivells::escriu(niv, 1, {1, 2, 3, 4, 5}) && FitxerNivells::creaSiFalta(niv));
        QCOMPARE(c.llegeix(niv), f.replace(0, 14, nivell(1, 2, 3, 4, 5)));
        QBuffer lectura;
        QVERIFY(lectura.open(QIODevice::ReadOnly) && !EscriuNivellsPerDefecte(lectura));
        // A record written to a missing file lands among the defaults.
        const DadesNivell d{-2, 7, 999, 70000, INT_MIN};
        QVERIFY(FitxerNivells::escriu(c.niv("Prova"), 46, d));
        const QByteArray esperat = f.replace(0, 14, nivell(120, 20, 5, 0, 10))
                                       .replace(45 * 14, 14, nivell(-2, 7, 999, 70000, INT_MIN));
        QCOMPARE(c.llegeix(c.niv("Prova")), esperat);
        QVERIFY(FitxerNivells::llegeix(c.niv("Prova"), 46) == d);
        for (int k : {0, 91, -5, INT_MAX})
            QVERIFY(!FitxerNivells::escriu(c.niv("Prova"), k, {1, 1, 1, 1, 1}));
        QCOMPARE(c.llegeix(c.niv("Prova")), esperat);
    }

    // Each activity's (0 none) fields at lowest | at highest | parameters out of order or range.
    void limits() {
        const int kParells[][2] = {{5, 3}, {5000, 10}, {70, -4}, {4000, 20}, {INT_MAX, 9},
                                   {2, 1}, {3, 7},     {8, 3},   {2, 3},     {4, -7}};
        QStringList l;
        for (int a = 0; a <= 9; ++a)
            l << text(ajustaAlsRangs(a, {SHRT_MIN, SHRT_MIN, SHRT_MIN, INT_MIN, INT_MIN})) + " | " +
                     text(ajustaAlsRangs(a, {SHRT_MAX, SHRT_MAX, SHRT_MAX, INT_MAX, INT_MAX})) +
                     " | " + text(ajustaAlsRangs(a, {120, 5, 5, kParells[a][0], kParells[a][1]}));
        QCOMPARE(l.join('\n'), // carrying (activities 5, 6) stores a 1 alone
                 R"(10,1,0,0,0 | 999,999,999,999999999,999999999 | 120,5,5,5,3
10,1,0,0,0 | 999,999,999,999999999,999999999 | 120,5,5,5000,5000
10,1,0,1,1 | 999,999,999,1000,1000 | 120,5,5,70,70
10,1,0,1,1 | 999,999,999,3999,3999 | 120,5,5,3999,3999
10,1,0,0,0 | 999,999,999,999999999,999999999 | 120,5,5,999999999,999999999
10,1,0,1,0 | 999,999,999,5,0 | 120,5,5,2,1
10,1,0,1,0 | 999,999,999,5,0 | 120,5,5,3,0
10,1,0,1,1 | 999,999,999,9,9 | 120,5,5,8,8
10,1,0,1,1 | 999,999,999,5,3 | 120,5,5,2,2
10,1,0,1,1 | 999,999,999,5,3 | 120,5,5,4,1)");
    }

    // What the board plays of a set, activity and level: the nearest activity and level, held to
    // the limits, from a file made with the defaults when missing, always inside Inf/Niv.
    void jugat() {
        CarpetaProva c;
        QVERIFY(FitxerNivells::escriu(c.niv("Grup"), 46, {SHRT_MIN, 0, -1, INT_MAX, INT_MIN}));
        const auto llegeix = [&c](const char* joc, int a, int n) {
            return text(FitxerNivells::LlegeixNivell(c.path(), joc, a, n));
        };
        QCOMPARE(llegeix(" Grup ", 5, 6) + ' ' + llegeix("../../fora", 1, 1),
                 QString("10,1,0,5,0 120,20,5,0,10"));
        QDirIterator it(c.path(), QDir::Files, QDirIterator::Subdirectories);
        QStringList fitxers;
        while (it.hasNext())
            fitxers << it.next().mid(c.path().size());
        fitxers.sort();
        QCOMPARE(fitxers.join(' '), QString("/Inf/Niv/Grup.niv /Inf/Niv/______fora.niv"));
    }

    // The set opened, then settled unchanged: nothing asked, nothing written, no backup left.
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
        // A name with surrounding blanks maps to another file; a folder is not a set.
        for (const char* f :
             {"b.niv", "a.niv", "C.niv", "A.niv", "x.txt", "d.NIV", "e.ni2", " f .niv"})
            e.c.escriu(e.c.path(QString("Inf/Niv/") + f), "x");
        QVERIFY(QDir().mkpath(e.c.path("Inf/Niv/carpeta.niv")));
        QCOMPARE(JocsNivells::llistaFitxers(e.c.path()).join(','),
                 "A,a,b,C," + QString(o.estat).section(" | ", 0, 0).remove('*'));
    }

    // Saved with the row typed over, the activity's other levels write back the bytes they were
    // read from (the level-set reader replay reads every activity's grid back as its records).
    void mostraIDesa_data() { files(kFiles); }
    void mostraIDesa() {
        const Fila& f = fila(kFiles);
        Editor e;
        e.sessio.general.Idioma = int16_t(f.idioma);
        e.sessio.general.Separador = uint8_t(f.separador);
        e.mostra(f.activitat);
        QCOMPARE(text(e.graella.at(f.nivell - 1)), QString(f.mostrat));
        e.graella[f.nivell - 1] = celles(f.escrit);
        QVERIFY(e.jocs.DesaActivitat(e.graella));
        QCOMPARE(e.fitxers(),
                 e.jocs.JocObert() + ".ni2=D " + e.jocs.JocObert() + ".niv=" + f.desat);
    }

    // Choosing a set settles pending changes first, the open one too (a fresh backup would keep
    // earlier tab switches' edits): "No" puts back file and group, "Sí" stores the levels in use
    // and the group. After printing "No" goes back there.
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
                 QByteArray(2 * 119, '\0') +
                     Registres::grup("011111111", 1, 9).replace(11, 7, QByteArray(7, 10)));
        QVERIFY(e.jocs.PrenCopiaSeguretat());
        e.edita(2, 1, "600");
        QVERIFY(!e.jocs.PrenCopiaSeguretat()); // never over pending changes
        e.mostra(3);
        QVERIFY(e.jocs.ArxivarConfig());
        QCOMPARE(e.estat(), "A*,B | A | " + si + " | ?Arxivar els canvis?");
        QVERIFY(e.jocs.Selecciona(1));
        // The backup follows a new name: "No" still restores the set as it was opened.
        e.mostra(1);
        e.edita(1, 1, "321");
        e.mostra(2);
        QVERIFY(e.jocs.EntraNom("C", JocsNivells::Opcio::Editar));
        QVERIFY(e.estat().startsWith("A,C* | C modified | ") &&
                e.fitxers().endsWith(" C.ni2=D C.niv=D+1:321,20,5,0,10 | Grups.cfg"));
        QVERIFY(e.jocs.ArxivarConfig() && e.fitxers().endsWith(" C.niv=D | Grups.cfg"));
    }

    // A failed "Sí" is said; the changes stay pending with the backup, and "No" still undoes them.
    // Grups.cfg a folder, or activity 9's records past a file-size limit binding root too
    // (Grups.cfg, written after them, lies below it).
    void escripturaFallida() {
        for (const bool limit : {true, false}) {
            Editor e("Joc", 9);
            e.edita(1, 1, "200");
            QVERIFY(e.jocs.MenysNivells());
            QVERIFY(limit || e.c.bloqueja(e.c.grupsCfg()));
            e.respostes = {true};
            std::optional<MitjaPle> ple;
            if (limit)
                ple.emplace(1000);
            const bool fet = e.jocs.ArxivarConfig();
            ple.reset();
            const QString s = e.estat();
            QVERIFY2(!fet && e.jocs.ActivitatActual() == 9 &&
                         s.contains("Joc modified group edited | Joc.ni2=D") &&
                         s.endsWith(kNoEsPot),
                     qPrintable(s));
            QVERIFY(limit || QDir(e.c.grupsCfg()).removeRecursively());
            QVERIFY(e.jocs.ArxivarConfig());
            QCOMPARE(e.estat(), "Joc* | Joc | Joc.niv=D | ?Arxivar els canvis?");
        }
    }

    // A failed file operation is said and changes nothing: no entry or file comes or goes.
    void operacioFallida_data() { files(kFallades); }
    void operacioFallida() {
        const Fallada& f = fila(kFallades);
        Editor e(f.jocs);
        const QString obert = *f.jocs ? f.jocs : "Nivell genèric";
        if (f.accio < 5) { // open, with an edit pending
            e.mostra(1);
            e.edita(1, 1, "200");
            e.mostra(2);
        }
        const QString on = e.c.path("Inf/Niv/") + QString(f.obstacle).chopped(1);
        QVERIFY(QString(f.obstacle).endsWith('/') ? e.c.bloqueja(on)
                                                  : QFile::link(e.c.path("enlloc/x"), on));
        const QString abans = e.fitxers();
        e.respostes = {f.accio == 3};
        const bool fet = f.accio <= 1   ? e.jocs.EntraNom("Nou", JocsNivells::Opcio(f.accio))
                         : f.accio == 2 ? e.jocs.Duplica()
                         : f.accio == 3 ? e.jocs.Elimina()
                         : f.accio == 4 ? (e.jocs.ArxivarConfig(), false)
                                        : (e.mostra(1), false);
        QVERIFY(!fet);
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
    }

    // A set's name is held by a group's record in 100 Windows-1252 bytes, where a name cut or
    // changed could never be found again: such a name, one that climbs out or that exists is
    // refused, whether adding set A beside B or renaming it.
    void nom() {
        Editor e("A", 1);
        e.c.escriu(e.c.niv("B"), "B's own bytes");
        for (const QString& n :
             QStringList{"../../fora", QString(101, u'x'), "Joc ☃", QString(100, u'€'), " B "})
            QVERIFY(!e.jocs.EntraNom(n, JocsNivells::Opcio::Afegir));
        for (const QString& n : QStringList{"Επίπεδο", " B "})
            QVERIFY(!e.jocs.EntraNom(n, JocsNivells::Opcio::Editar));
        const QString noValid = " !El nom de fitxer no és vàlid",
                      existeix = " !El fitxer ja existeix";
        QCOMPARE(e.estat(), "A* | A | A.ni2=D A.niv=D B.niv=B's own bytes |" + noValid.repeated(4) +
                                existeix + noValid + existeix);
        const QStringList bons{QString(100, u'x'), "Català € ñ «ÿ»", QString(100, u'é')};
        for (const QString& n : bons)
            QVERIFY(e.jocs.EntraNom(n, JocsNivells::Opcio::Afegir));
        QCOMPARE(e.jocs.llista(), QStringList{"A"} + bons);
        QCOMPARE(e.fitxers().count(".niv=D"), 4);
    }

    // The copy of N is "N (k)", k the smallest free, N shortened (and made Windows-1252) to fit;
    // it holds N's levels as stored, and opens with a backup of its own.
    void duplica() {
        const QString x95(95, u'x');
        for (const auto& [n, existents, m] : {std::tuple{QString(100, u'x'), 9, x95 + " (10)"},
                                              {x95 + " yyyy", 0, x95 + " (1)"},
                                              {QString("Joc ☃"), 0, QString("Joc _ (1)")}}) {
            Editor e(n);
            for (int k = 1; k <= existents; ++k)
                QVERIFY(FitxerNivells::creaSiFalta(e.c.niv(n.left(96) + QString(" (%1)").arg(k))));
            e.sessio.grup.NomNivell = n;
            e.mostra(1);
            e.edita(1, 1, "444");
            e.mostra(2); // on disk now
            e.respostes = {true};
            QVERIFY(e.jocs.Duplica());
            QVERIFY(e.jocs.llista().size() == existents + 2 &&
                    e.jocs.seleccionat() == existents + 1);
            QCOMPARE(e.jocs.JocObert(), m);
            QVERIFY(e.fitxers().contains(m + ".ni2=D+1:444,20,5,0,10 " + m + ".niv=D+1:444,"));
            QCOMPARE(e.fitxers().count(".ni2"), 1);
        }
    }

    // Deleting drops the set's edits and the group's; the last set gives way to the generic one.
    void elimina() {
        for (const bool si : {true, false}) {
            Editor e("A", 1);
            e.edita(1, 1, "444");
            e.jocs.CanviaOpcResta(true);
            e.respostes = {si};
            QCOMPARE(e.jocs.Elimina(), si);
            QCOMPARE(
                e.estat(),
                (si ? "Nivell genèric* | Nivell genèric | Nivell genèric.ni2=D Nivell genèric.niv=D"
                    : "A* | A modified group edited | A.ni2=D A.niv=D") +
                    QString(" | ?Eliminar definitivament el nivell?"));
            QCOMPARE(e.sessio.grup.OpcResta, uint8_t(!si));
        }
    }

    // A digit button at `p` (9 the units) of a nine-digit label: more than one place left of the
    // leading digit it adds that place's value, one place left it is a digit 0 like any other.
    void xifra() {
        const std::tuple<const char*, int, bool> kPremudes[] = {
            {"0", 9, true},  {"5", 7, false},         {"5", 8, true},        {"5", 8, false},
            {"90", 8, true}, {"100000000", 1, false}, {"999999999", 5, true}};
        QStringList l;
        for (const auto& [abans, p, esquerre] : kPremudes)
            l << EdicioNivells::PremDigit(abans, p, esquerre);
        QCOMPARE(l.join(' '), QString("1 105 15 95 0 0 999909999"));
    }

    // A control changes its row alone within limits and order; no change is no edit.
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
