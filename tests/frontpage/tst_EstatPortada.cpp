#include "helpers/Dofins.h"

#include "CarpetaProva.h"
#include "EstatPortada.h"
#include "RecordingSoundPlayer.h"
#include "Taula.h"

using namespace Registres;
using Canvi = EstatPortada::Canvi;

namespace {

// The front page's state over group 1's list, group 2 being offered activities 1, 3 and 9.
struct Front {
    CarpetaProva c;
    Sessio s;
    RecordingSoundPlayer so;
    EstatPortada e{s, so};
    Front() {
        c.escriu(c.dat("Dofins"), kDofins);
        c.escriu(c.grupsCfg(), grup() + grup("101000001"));
        s = c.sessio();
    }
    QStringList columna(int col) const {
        QStringList t;
        for (const FilaAlumne& f : e.files())
            t << f.at(col);
        return t;
    }
};

enum Joc { Cap, Bo, Carpeta, Buit, Zeros, Tallat };

// Pressing the pupil's picture with the group's level set `nivell` in the state `joc`, on a tab
// and row of the sorted list (Arnau plays cardinals level 2 and addition level 1; Bet has
// finished the cardinals).
struct Inici {
    const char* nom;
    const char* nivell;
    Joc joc;
    int pestanya, fila, esperat;
};
const Inici kInicis[] = {
    {"no level set", "", Cap, 1, 0, 113},
    {"blank level set", "   ", Cap, 1, 0, 113},
    {"level set missing", "Prova", Cap, 1, 0, 115},
    {"finished, even with no level set", "", Cap, 1, 1, 113},
    {"activity finished", "Prova", Bo, 1, 1, 111},
    {"opens", "Prova", Bo, 1, 0, EstatPortada::kObrePissarra},
    {"a folder for a set", "Prova", Carpeta, 1, 0, 122},
    {"empty set", "Prova", Buit, 1, 0, 122},
    {"a level of zeros", "Prova", Zeros, 1, 0, 122},
    {"cut short before the level", "Prova", Tallat, 5, 0, 122},
    {"cut short after the level", "Prova", Tallat, 1, 0, EstatPortada::kObrePissarra}};

} // namespace

class TestEstatPortada : public QObject {
    Q_OBJECT
private slots:
    void grups() {
        Front f;
        QVERIFY(!f.e.triaGrup(1)); // already chosen
        QVERIFY(!f.e.triaGrup(17));
        QVERIFY(f.so.played.isEmpty());
        QVERIFY(f.e.triaGrup(2));
        QCOMPARE(f.so.played, QStringList{"2"});
        QCOMPARE(f.e.titol(), QString(" XIFRUM 5.0: Lloros"));
        QList<int> visibles;
        for (int p = -1; p <= 10; ++p)
            if (f.e.pestanyaVisible(p))
                visibles << p;
        QCOMPARE(visibles, (QList<int>{0, 1, 3, 9}));
        QCOMPARE(f.e.pestanyesVisibles(), 4);
        // Choosing the chosen group reads nothing again.
        f.c.escriu(f.c.grupsCfg(), grup() + grup("000100000"));
        QVERIFY(!f.e.triaGrup(2));
        QVERIFY(f.e.pestanyaVisible(9));
        // Group 2 has no pupil file: nobody is selected and nothing starts.
        f.s.grup.NomNivell = "Prova";
        f.c.escriu(f.c.niv("Prova"), joc({}));
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QVERIFY(f.e.buida());
        QCOMPARE(f.e.fila(), -1);
        QCOMPARE(f.e.nom() + f.e.nivell(), QString());
        QVERIFY(!f.e.imatgeActiva());
        QCOMPARE(f.e.comprovaInici(), EstatPortada::kRes);
        QCOMPARE(f.e.canviaPestanya(3), Canvi::NomesAmples);
        QVERIFY(!QFile::exists(f.c.dat("Lloros")));
    }

    void llista() {
        Front f;
        QCOMPARE(f.e.canviaPestanya(1), Canvi::Llegida);
        QCOMPARE(f.columna(0), (QStringList{"1", "2", "3"}));
        QCOMPARE(f.columna(11), (QStringList{"3", "4", "1"}));
        QCOMPARE(f.e.numero() + f.e.nom() + f.e.nivell(), QString("1Arnau2"));
        QVERIFY(f.e.imatgeActiva());
        QCOMPARE(f.e.rutaImatge(), QString());
        QCOMPARE(int(f.s.registre.Numero), 1);
        f.e.seleccionaFila(1);
        QCOMPARE(f.e.nom() + f.e.nivell(), QString("Bet-"));
        QVERIFY(!f.e.imatgeActiva());
        QCOMPARE(f.s.registre.Nom.trimmed(), QString("Bet"));
        // The picture's path never leaves the pictures folder.
        QVERIFY(QDir::cleanPath(f.e.rutaImatge()).startsWith(f.c.imatge("")));
        // Another tab reads the list again and keeps the row.
        QCOMPARE(f.e.canviaPestanya(2), Canvi::Rellegida);
        QCOMPARE(f.e.nom() + f.e.nivell(), QString("Bet6"));
        QVERIFY(f.e.imatgeActiva());
        QCOMPARE(f.e.canviaPestanya(2), Canvi::Cap);
        f.c.escriu(f.c.dat("Dofins"), kDofins + alumne(4, "Dani"));
        QCOMPARE(f.e.canviaPestanya(5), Canvi::Rellegida);
        QCOMPARE(f.columna(1).last().trimmed(), QString("Dani"));
        QCOMPARE(f.e.nom() + f.e.nivell(), QString("Bet2"));
        // A level passed on the board shows in the row; the last one finishes the activity.
        f.e.seleccionaFila(2);
        f.e.nivellSuperat(5, "6");
        f.e.nivellSuperat(2, "2");
        QCOMPARE(f.e.nom() + f.e.nivell() + f.e.files().at(2).at(3), QString("Carla62"));
        QCOMPARE(int(f.s.registre.Nivell[4]), 6);
        f.e.nivellSuperat(5, "-");
        QVERIFY(!f.e.imatgeActiva());
        QCOMPARE(f.e.canviaPestanya(0), Canvi::Portada);
        QCOMPARE(f.so.played, QStringList(4, "20"));
        // Every tool but the level editor clicks; the blinds roll.
        for (int i = 0; i < 9; ++i)
            f.e.einaPremuda(i);
        f.e.persianaPremuda();
        QCOMPARE(f.so.played.mid(4), QStringList(8, "20") << "21");
    }

    void centAlumnes() {
        Front f;
        f.c.escriu(f.c.dat("Dofins"), llistaDe(100));
        f.e.canviaPestanya(1);
        QVERIFY(!f.e.potAfegir());
        f.c.escriu(f.c.dat("Dofins"), llistaDe(99));
        f.e.rellegeix();
        QVERIFY(f.e.potAfegir());
    }

    void inici_data() { files(kInicis); }
    void inici() {
        const Inici& r = fila(kInicis);
        Front f;
        f.s.grup.NomNivell = r.nivell;
        const QByteArray bo = joc({{1, 2, nivell(60, 2, 3, 1, 99)}});
        const QString niv = f.c.niv("Prova");
        if (r.joc == Carpeta)
            QVERIFY(f.c.bloqueja(niv));
        else if (r.joc != Cap)
            f.c.escriu(niv, r.joc == Bo      ? bo
                            : r.joc == Zeros ? joc({})
                            : r.joc == Buit  ? QByteArray()
                                             : bo.left(28)); // the cardinals' level 2, no more
        f.e.canviaPestanya(r.pestanya);
        f.e.seleccionaFila(r.fila);
        QCOMPARE(f.e.comprovaInici(), r.esperat);
    }
};

QTEST_MAIN(TestEstatPortada)
#include "tst_EstatPortada.moc"
