#include "CarpetaProva.h"
#include "FitxerNivells.h"
#include "NivellsPerDefecte.h"
#include "Registres.h"
#include "Taula.h"

#include <QBuffer>
#include <QDirIterator>
#include <QTest>

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

} // namespace

class TestFitxerNivells : public QObject {
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
        QCOMPARE(FitxerNivells::LlegeixNivell(c.path(), j.joc, j.a, j.n).encode(),
                 j.jugat.encode());
        QDirIterator it(c.path(), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(it.hasNext() && QFileInfo(it.next()).path() == c.path("Inf/Niv") && !it.hasNext());
    }
};

QTEST_GUILESS_MAIN(TestFitxerNivells)
#include "tst_FitxerNivells.moc"
