#include "CarpetaProva.h"
#include "FitxerAlumnes.h"
#include "Registres.h"
#include "Taula.h"

using Registres::alumne;

namespace {

// Group 3 in Catalan: Inf/Dat/Gats.dat.
constexpr int kGrup = 3;
const QByteArray kAnna = alumne(1, "ANNA", {1, 2, 3, 4, 5, 6, 7, 8, 9}, "anna.bmp");
const QByteArray kPere = alumne(3, "PERE", {10, 0, 1, 1, 0, 2, 2, 2, 2});
const QByteArray kJan = alumne(2, "JAN");
const QByteArray kBuit(65, '\0');

struct Escriptura {
    const char* nom;
    QByteArray abans; // empty: no file, nor its folder
    int posicio;
    bool escrit;
    QByteArray despres;
};
const Escriptura kEscriptures[] = {
    {"one past the end appends", kAnna + kPere, 3, true, kAnna + kPere + kJan},
    {"in an empty slot", kAnna + kBuit + kPere, 2, true, kAnna + kJan + kPere},
    {"over a record", kAnna + kPere, 1, true, kJan + kPere},
    {"no file, position 1", {}, 1, true, kJan},
    {"beyond one past the end", kAnna, 3, false, kAnna},
    {"no file, position 2", {}, 2, false, "<missing>"},
    {"position 0", kAnna, 0, false, kAnna},
};

// Level `jugat` of `activitat` passed by PERE (record 3) when the group has `nivells` levels.
struct Superat {
    const char* nom;
    int activitat, jugat, nivells;
    uint8_t desat;
};
const Superat kSuperats[] = {
    {"last of 10 stores 0", 1, 10, 10, 0},         {"3 of 10 stores 4", 3, 3, 10, 4},
    {"9 of 10 stores 10", 2, 9, 10, 10},           {"count 0 is 10: level 9", 9, 9, 0, 10},
    {"count 0 is 10: level 10", 9, 10, 0, 0},      {"last of 4", 6, 4, 4, 0},
    {"count lowered below the pupil", 7, 7, 5, 0}, {"count beyond 10 stops at 10", 8, 10, 12, 0},
};

FilaAlumne row(const QString& numero, const QString& nom, const QString& nivell1,
               const QString& posicio) {
    return FilaAlumne{numero, nom, nivell1} + QStringList(8, "1") + QStringList{posicio, ""};
}

} // namespace

class TestAlumnes : public QObject {
    Q_OBJECT

    CarpetaProva c;
    QList<FilaAlumne> llegeix() const { return FitxerAlumnes::llegeix(c.path(), kGrup, 0); }

private slots:
    void init() {
        QFile::remove(c.dat("Gats"));
        QDir(c.dat("Gats")).removeRecursively();
    }

    // Empty slots, and a record cut short by the end of the file, are skipped but counted.
    void rowsOfTheFile() {
        QVERIFY(llegeix().isEmpty());
        QVERIFY(!QFile::exists(c.dat("Gats")));
        c.escriu(c.dat("Gats"), kAnna + kBuit + kPere + kJan.left(40));
        const QList<FilaAlumne> files = llegeix();
        QCOMPARE(files.size(), 2);
        QCOMPARE(LlistaAlumnes::textFila(files[0]), "1\tANNA" + QString(31, ' ') +
                                                        "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t1\tanna.bmp" +
                                                        QString(12, ' '));
        QCOMPARE(LlistaAlumnes::textFila(files[1]), "3\tPERE" + QString(31, ' ') +
                                                        "\t10\t-\t1\t1\t-\t2\t2\t2\t2\t3\t" +
                                                        QString(20, ' '));
        QCOMPARE(LlistaAlumnes::posicioNova(files), 2);
    }

    void writeAtPosition_data() { files(kEscriptures); }
    void writeAtPosition() {
        const Escriptura& e = fila(kEscriptures);
        if (e.abans.isEmpty())
            QVERIFY(QDir(c.path("Inf/Dat")).removeRecursively());
        else
            c.escriu(c.dat("Gats"), e.abans);
        QCOMPARE(FitxerAlumnes::escriu(c.path(), kGrup, 0, e.posicio, Registre::decode(kJan)),
                 e.escrit);
        QCOMPARE(c.llegeix(c.dat("Gats")), e.despres);
    }

    // Names and pictures are cut to their fields, with '?' for what Windows-1252 cannot hold; the
    // row shown before the write is the row read back.
    void recordOfAnAwkwardName() {
        const Registre r{9,
                         QString::fromUtf8("Łucja Muñoz Ξ€ ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                         {1, 1, 1, 1, 1, 1, 1, 1, 1},
                         QString::fromUtf8("ñ_fotografia_de_la_nena.bmp")};
        QVERIFY(FitxerAlumnes::escriu(c.path(), kGrup, 0, 1, r));
        QCOMPARE(c.llegeix(c.dat("Gats")), alumne(9, "?ucja Mu\xF1oz ?\x80 ABCDEFGHIJKLMNOPQRST", 1,
                                                  "\xF1_fotografia_de_la_n"));
        QCOMPARE(llegeix().value(0), LlistaAlumnes::fila(r, 1));
        QCOMPARE(llegeix().value(0)[1], QString::fromUtf8("?ucja Muñoz ?€ ABCDEFGHIJKLMNOPQRST"));
    }

    // A rewrite that cannot be done leaves the rows as they were; one that is done points the
    // rows kept at their new positions, so a level passed later lands on the pupil's own record.
    void rewriteAfterDeletions() {
        c.escriu(c.dat("Gats"), kAnna + kJan + kBuit + kPere);
        QList<FilaAlumne> files = llegeix();
        LlistaAlumnes::ordena(files);
        files.removeAt(1); // JAN
        QVERIFY(c.bloqueja(c.dat("Gats")));
        QVERIFY(!FitxerAlumnes::reescriu(c.path(), kGrup, 0, files));
        QCOMPARE(LlistaAlumnes::posicio(files[1]), 4);
        QVERIFY(QDir(c.dat("Gats")).removeRecursively());
        QVERIFY(FitxerAlumnes::reescriu(c.path(), kGrup, 0, files));
        QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + kPere);
        QCOMPARE(llegeix(), files);
        Registre r = LlistaAlumnes::registre(files[1]);
        QVERIFY(FitxerAlumnes::desaNivellSuperat(c.path(), kGrup, 0, 3, 1, 10, r, files[1]));
        QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + alumne(3, "PERE", {10, 0, 2, 1, 0, 2, 2, 2, 2}));
        QList<FilaAlumne> cap;
        QVERIFY(FitxerAlumnes::reescriu(c.path(), kGrup, 0, cap));
        QVERIFY(!QFile::exists(c.dat("Gats")));
        QVERIFY(FitxerAlumnes::reescriu(c.path(), kGrup, 0, cap));
    }

    // Only the activity's level changes, in the row and in the record on disk.
    void passedLevel_data() { files(kSuperats); }
    void passedLevel() {
        const Superat& s = fila(kSuperats);
        c.escriu(c.dat("Gats"), kAnna + kBuit + kPere + kJan);
        QList<FilaAlumne> files = llegeix();
        Registre r = LlistaAlumnes::registre(files[1]);
        QVERIFY(FitxerAlumnes::desaNivellSuperat(c.path(), kGrup, 0, s.activitat, s.jugat,
                                                 s.nivells, r, files[1]));
        QCOMPARE(files[1][s.activitat + 1], s.desat ? QString::number(s.desat) : QString("-"));
        QByteArray pere = kPere;
        pere[35 + s.activitat] = char(s.desat);
        QCOMPARE(c.llegeix(c.dat("Gats")), kAnna + kBuit + pere + kJan);
        QCOMPARE(llegeix()[1], files[1]);
    }

    // Numbers by value, then the next columns; text without regard to case. A new pupil takes the
    // first position no row holds, whatever the order; at most 100 pupils.
    void sortsRowsAndNewPosition() {
        QList<FilaAlumne> files = {
            row("10", "ZOE", "1", "1"),  row("9", "MARC", "1", "2"), row("2", "pau", "3", "3"),
            row("2", "PAU", "-", "4"),   row("2", "Pau", "3", "5"),  row("100", "A", "1", "6"),
            row("2", "ANNA", "10", "7"), row("2", "ANNA", "9", "8"),
        };
        LlistaAlumnes::ordena(files);
        QStringList ordre;
        for (const FilaAlumne& f : files)
            ordre << f[0] + "@" + f[11];
        QCOMPARE(ordre, QStringList({"2@8", "2@7", "2@4", "2@3", "2@5", "9@2", "10@1", "100@6"}));
        QCOMPARE(LlistaAlumnes::posicioNova(files), 9);
        QCOMPARE(LlistaAlumnes::posicioNova({}), 1);
        QCOMPARE(LlistaAlumnes::posicioNova({row("1", "X", "1", "2"), row("1", "X", "1", "3")}), 1);
        QVERIFY(LlistaAlumnes::potAfegir(99) && !LlistaAlumnes::potAfegir(100));
    }
};

QTEST_GUILESS_MAIN(TestAlumnes)
#include "tst_Alumnes.moc"
