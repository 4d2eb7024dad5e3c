#include "AssignacioNivell.h"
#include "CarpetaProva.h"
#include "EdicioRegistres.h"
#include "ImatgeAlumne.h"
#include "Registres.h"
#include "Taula.h"

#include <QTest>

#include <optional>

using Registres::alumne;

namespace {

// A group's file laid down by hand: "4 ANNA|-|7 PERE" is ANNA numbered 4, an empty slot, PERE.
QByteArray grup(const QString& alumnes) {
    QByteArray b;
    for (const QString& a : alumnes.split('|', Qt::SkipEmptyParts))
        b += a == "-" ? QByteArray(65, '\0')
                      : alumne(a.section(' ', 0, 0).toInt(), a.section(' ', 1).toLatin1());
    return b;
}

// The records editor in `mode` on row `fila` of group 3 ("Gats"), its file holding `alumnes`.
struct Editor {
    CarpetaProva c;
    Sessio sessio = c.sessio(3);
    QList<FilaAlumne> files;
    std::optional<EdicioRegistres> e;

    Editor(EdicioRegistres::Mode mode, const QString& alumnes, int fila = 0) {
        c.escriu(c.dat("Gats"), grup(alumnes));
        c.escriu(c.hst("ANNA"), "A");
        e.emplace(sessio, mode, files, fila);
    }
    QByteArray dat() const { return c.llegeix(c.dat("Gats")); }
    // The rows' names and positions, "ANNA@1 PERE@2", in their order.
    QString llista() const {
        QStringList l;
        for (const FilaAlumne& f : files)
            l << f[LlistaAlumnes::kColNom].trimmed() + '@' + f[LlistaAlumnes::kColPosicio];
        return l.join(' ');
    }
    // Inf/Hst as "file=content|...".
    QString historials() const {
        QStringList l = QDir(c.path("Inf/Hst")).entryList(QDir::Files, QDir::Name);
        for (QString& f : l)
            f += '=' + c.llegeix(c.path("Inf/Hst/" + f));
        return l.join('|');
    }
};

using R = EdicioRegistres::Resultat;

// A new pupil goes to the first position no pupil holds, and the next one is prepared; a pupil
// needs a name.
struct Alta {
    const char *nom, *abans, *text, *despres;
    R resultat;
    int seguent;
};
const Alta kAltes[] = {
    {"appended", "4 ANNA|7 PERE", "JAN", "4 ANNA|7 PERE|8 JAN", R::Desat, 9},
    {"empty slot reused", "4 ANNA|-|7 PERE", "JAN", "4 ANNA|8 JAN|7 PERE", R::Desat, 9},
    {"number held to 99", "120 ANNA", "JAN", "120 ANNA|99 JAN", R::Desat, 99},
    {"empty name", "4 ANNA", "", "4 ANNA", R::SenseNom, 5},
    {"blank name", "4 ANNA", "   ", "4 ANNA", R::SenseNom, 5},
};

// An edit of ANNA (the first row, stored second) writes the record at its own position and
// carries the history file along when the name leads to another file, never over another pupil's
// history; a blank name is refused.
struct Canvi {
    const char *nom, *nomNou, *pere, *historials;
    R resultat;
    EdicioRegistres::Historial historial;
};
using H = EdicioRegistres::Historial;
const Canvi kCanvis[] = {
    {"renamed", "ANNA M", "", "ANNA M.rtf=A", R::Desat, H::Reanomenat},
    {"name unchanged", "ANNA", "", "ANNA.rtf=A", R::Desat, H::Igual},
    {"another pupil's history", "PERE", "P", "ANNA.rtf=A|PERE.rtf=P", R::Desat, H::Ocupat},
    {"blank name", " ", "", "ANNA.rtf=A", R::SenseNom, H::Igual},
};

// Deleted rows stay in the list until closing: "Sí" rewrites the file from the rows, positions
// 1..n (no file for no rows), "No" reads the rows back.
struct Baixa {
    const char *nom, *abans;
    int fila, esborrats;
    bool si;
    const char *despres, *llista;
};
const Baixa kBaixes[] = {
    {"two deleted, Sí", "3 JAN|-|1 ANNA|2 PERE", 1, 2, true, "1 ANNA", "ANNA@1"},
    {"two deleted, No", "1 ANNA|2 PERE|3 JAN", 0, 2, false, "1 ANNA|2 PERE|3 JAN",
     "ANNA@1 PERE@2 JAN@3"},
    {"the only pupil, Sí", "1 ANNA", 0, 1, true, "", ""},
};

// A chosen picture lands in Imatges/ under a name that fits the record's 20 bytes and never over
// another picture; the same picture chosen again takes its earlier copy.
struct Imatge {
    const char *nom, *casa; // Imatges/ before, as "name=content|..." ("name/" a folder)
    QString triat;          // the chosen file, holding "A"
    const char* desat;
};
const Imatge kImatges[] = {
    {"short", "", "anna.bmp", "anna.bmp"},
    {"25 characters", "", "abcdefghijklmnopqrstu.png", "abcdefghijklmnopqrst"},
    {"outside Windows-1252", "", "\u0101nna.gif", "?nna.gif"},
    {"dots", "", "..bmp", "__bmp"},
    {"same first 20, another picture", "abcdefghijklmnopqrst=B", "abcdefghijklmnopqrstu.png",
     "abcdefghijklmnopqr~1"},
    {"same picture again", "abcdefghijklmnopqrst=A", "abcdefghijklmnopqrstu.png",
     "abcdefghijklmnopqrst"},
    {"extension kept", "anna.png=B", "anna.png", "anna~1.png"},
    {"next free name", "anna.png=B|anna~1.png=C", "anna.png", "anna~2.png"},
    {"earlier copy reused", "anna.png=B|anna~1.png=A", "anna.png", "anna~1.png"},
    {"a folder is no picture", "anna.png/", "anna.png", "anna~1.png"},
};

// The list of sets, the one selected, `Actual`, and the name either button stores.
struct Assignacio {
    const char *nom, *jocs, *nomNivell;
    int tria; // entry chosen before closing, -1 none
    bool accepta;
    const char *llista, *desat;
};
const Assignacio kAssignacions[] = {
    {"group's set selected", "Bo|mitjà|Zeta", " Zeta ", -1, true, "Bo mitjà Zeta* (Zeta)", "Zeta"},
    {"another chosen, accepted", "Bo|mitjà|Zeta", "Zeta", 1, true, "Bo mitjà Zeta* (Zeta)",
     "mitjà"},
    {"another chosen, cancelled", "Bo|mitjà|Zeta", "Zeta", 0, false, "Bo mitjà Zeta* (Zeta)",
     "Zeta"},
    {"set gone: first entry, name kept", "Bo|mitjà|Zeta", "Vell", -1, true, "Bo* mitjà Zeta (Vell)",
     "Bo"},
    {"empty folder: the group's set", "", "", -1, false, "Lloros* (Lloros)", "Lloros"},
};

} // namespace

class TestEdicioRegistres : public QObject {
    Q_OBJECT
private slots:
    void afegeix_data() { files(kAltes); }
    void afegeix() {
        const Alta& a = fila(kAltes);
        Editor e(EdicioRegistres::Afegir, a.abans);
        e.e->camps().Nom = a.text;
        QCOMPARE(e.e->afegeix(), a.resultat);
        QCOMPARE(e.dat(), grup(a.despres));
        QCOMPARE(e.e->camps().Numero, uint8_t(a.seguent));
        QCOMPARE(e.e->camps().Nom, a.resultat == R::Desat ? QString() : a.text);
        QCOMPARE(e.e->desat(), a.resultat == R::Desat);
    }

    void edita_data() { files(kCanvis); }
    void edita() {
        const Canvi& d = fila(kCanvis);
        Editor e(EdicioRegistres::Editar, "7 PERE|4 ANNA");
        if (*d.pere)
            e.c.escriu(e.c.hst("PERE"), d.pere);
        e.e->camps().Nom = d.nomNou;
        e.e->camps().Nivell[2] = 5;
        H h = H::Igual;
        QCOMPARE(e.e->edita(&h), d.resultat);
        QCOMPARE(int(h), int(d.historial));
        QCOMPARE(e.historials(), QString(d.historials));
        const bool desat = d.resultat == R::Desat;
        QCOMPARE(e.dat(),
                 alumne(7, "PERE") + alumne(4, desat ? d.nomNou : "ANNA",
                                            {1, 1, uint8_t(desat ? 5 : 1), 1, 1, 1, 1, 1, 1}));
        QCOMPARE(e.llista(), (desat ? d.nomNou : QString("ANNA")) + "@2 PERE@1");
        QCOMPARE(e.sessio.registre.Nivell[2], uint8_t(desat ? 5 : 1));
    }

    void elimina_data() { files(kBaixes); }
    void elimina() {
        const Baixa& b = fila(kBaixes);
        Editor e(EdicioRegistres::Eliminar, b.abans, b.fila);
        for (int i = 0; i < b.esborrats; ++i)
            e.e->elimina();
        QCOMPARE(e.e->fila(), int(e.files.size()) - 1); // the row after each, or the one before
        QCOMPARE(e.dat(), grup(b.abans));
        QVERIFY(e.e->tanca(b.si));
        QCOMPARE(e.dat(), *b.despres ? grup(b.despres) : QByteArray("<missing>"));
        QCOMPARE(e.llista(), QString(b.llista));
    }

    // `Anterior` at the first row and `Següent` at the last stay.
    void navega() {
        Editor e(EdicioRegistres::Editar, "1 ANNA|2 PERE");
        QVERIFY(!e.e->anterior() && e.e->seguent() && !e.e->seguent());
        QCOMPARE(e.e->fila(), 1);
        QCOMPARE(e.sessio.registre.Numero, uint8_t(2));
        QVERIFY(e.e->anterior() && e.e->fila() == 0);
    }

    void imatge_data() { files(kImatges); }
    void imatge() {
        const Imatge& m = fila(kImatges);
        CarpetaProva c;
        QStringList esperat{QString(m.desat) + "=A"};
        for (const QString& f : QString(m.casa).split('|', Qt::SkipEmptyParts)) {
            if (f.endsWith('/'))
                QVERIFY(QDir().mkpath(c.imatge(f)));
            else
                c.escriu(c.imatge(f.section('=', 0, 0)), f.section('=', 1).toLatin1());
            if (!esperat.contains(f))
                esperat << (f.endsWith('/') ? f.chopped(1) + "=<missing>" : f);
        }
        CarpetaProva fora;
        c.escriu(fora.path(m.triat), "A");
        QCOMPARE(ImatgeAlumne::copia(c.path(), fora.path(m.triat)), QString(m.desat));
        QStringList hi = QDir(c.path("Imatges")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (QString& f : hi)
            f += '=' + c.llegeix(c.imatge(f));
        hi.sort();
        esperat.sort();
        QCOMPARE(hi, esperat);
    }

    void assigna_data() { files(kAssignacions); }
    void assigna() {
        const Assignacio& a = fila(kAssignacions);
        CarpetaProva c;
        for (const QString& j : QString(a.jocs).split('|', Qt::SkipEmptyParts))
            c.escriu(c.niv(j), {});
        Sessio sessio = c.sessio(2); // "Lloros" in Catalan
        sessio.grup.Activitats = "101010101";
        sessio.grup.Nivells = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        sessio.grup.NomNivell = a.nomNivell;
        AssignacioNivell as(sessio);
        QStringList llista = as.llista();
        llista[as.seleccionat()] += '*';
        QCOMPARE(llista.join(' ') + " (" + as.actual() + ')', QString(a.llista));
        as.selecciona(a.tria);
        QVERIFY(as.tanca(a.accepta));
        QCOMPARE(c.llegeix(c.grupsCfg()),
                 QByteArray(119, '\0') +
                     Registres::grup("101010101", 0, 0, QString(a.desat).toLatin1())
                         .replace(10, 9, "\1\2\3\4\5\6\7\x08\x09"));
        QCOMPARE(int(QFileInfo(c.niv("Lloros")).size()), QString(a.jocs).isEmpty() ? 1260 : 0);
    }
};

QTEST_GUILESS_MAIN(TestEdicioRegistres)
#include "tst_EdicioRegistres.moc"
