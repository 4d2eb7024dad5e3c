#include "records/AssignacioNivell.h"
#include "records/EdicioRegistres.h"
#include "records/ImatgeAlumne.h"
#include "records/ImportaLlista.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/MitjaPle.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"

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

// The entries of folder `carpeta` of `c`, sorted, as "name=content".
QString contingut(const CarpetaProva& c, const QString& carpeta) {
    QStringList l = QDir(c.path(carpeta)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (QString& f : l)
        f += '=' + c.llegeix(c.path(carpeta + '/' + f));
    return l.join('|');
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
};

using R = EdicioRegistres::Resultat;

// A new pupil takes the first position no pupil holds, and the next is prepared; names required.
struct Alta {
    const char *nom, *abans, *text, *despres;
    R resultat;
    int seguent;
};
const Alta kAltes[] = {
    {"appended", "4 ANNA|7 PERE", "JAN", "4 ANNA|7 PERE|8 JAN", R::Desat, 9},
    {"empty slot reused", "4 ANNA|-|7 PERE", "JAN", "4 ANNA|8 JAN|7 PERE", R::Desat, 9},
    {"number held to 99", "120 ANNA", "JAN", "120 ANNA|99 JAN", R::Desat, 99},
    {"blank name", "4 ANNA", "   ", "4 ANNA", R::SenseNom, 5},
    {"blanks around, lower case", "4 ANNA", "  jan ", "4 ANNA|5 JAN", R::Desat, 6},
    {"no history file can take it", "4 ANNA", "a/b", "4 ANNA", R::NomNoValid, 5},
};

// A class list brought in over `abans` ("!": a folder stands where the group's file goes; "~":
// ANNA's list on a medium that takes no more bytes, so the new file cannot be written; after
// `plens` pupils P1.. first): the rows passed over ("row name reason", the reasons C heading,
// B empty, V refused, J already there, L the list full) and the group's file after applying.
struct Importacio {
    const char* nom;
    int plens;
    const char* abans;
    QByteArray fitxer;
    bool csv;
    const char *omesos, *despres;
};
const Importacio kImportacions[] = {
    {"UTF-8 with BOM, heading", 0, "4 ANNA|7 PERE",
     "\xEF\xBB\xBFNom i cognoms\r\n\xC3\x80lex Puig\r\n\r\n  n\xC3\xBAria  \r\n", false,
     "1 Nom i cognoms C", "4 ANNA|7 PERE|8 \u00C0LEX PUIG|9 N\u00DARIA"},
    {"Windows-1252, empty slot first", 0, "4 ANNA|-|7 PERE", "Alumne\n\xC0lex\n\nJos\xE9\n", false,
     "1 Alumne C", "4 ANNA|8 \u00C0LEX|7 PERE|9 JOS\u00C9"},
    {"';' with quotes", 0, "4 ANNA", "ALUMNO;Edad\r\n\"Garcia; Maria\";9\r\n;8\r\nanna;7\r\n", true,
     "1 ALUMNO C|3  B|4 ANNA J", "4 ANNA|5 GARCIA; MARIA"},
    {"',' and repeats in the file", 0, "",
     "Izena,Adina\n\"Puig, Jan\",9\n\" puig, jan \"\npuig, jan,8\n", true,
     "1 Izena C|3 PUIG, JAN J", "1 PUIG, JAN|2 PUIG"},
    {"text keeps commas", 0, "", "Nombela, Ana\n\xC3\x89lia\tx\n../x\n", false,
     "2 \u00C9LIA\tX V|3 ../X V", "1 NOMBELA, ANA"},
    {"cut to 35 bytes", 0, "",
     "Nome\nMaria del Carme Ferrer i Puigdom\xE8nech\nMARIA DEL CARME FERRER I "
     "PUIGDOM\xC8NECH VIDAL\nStudent\n",
     false, "1 Nome C|3 MARIA DEL CARME FERRER I PUIGDOM\u00C8NE J",
     "1 MARIA DEL CARME FERRER I "
     "PUIGDOM\u00C8NECH|2 STUDENT"},
    {"the list fills", 98, "", "A\nB\nC\nP5\n", false, "3 C L|4 P5 J", "99 A|99 B"},
    {"nothing new", 0, "4 ANNA", "Name\r\nAnna\r\n", true, "1 Name C|2 ANNA J", "4 ANNA"},
    {"file cannot be read", 0, "!", "Jan\n", false, "", "!"},
    {"file cannot be written", 0, "~", "Jan\n", false, "", "~"},
};

// An edit of ANNA (first row, stored second) writes her record in place and takes her history
// along to the new name, never over another pupil's.
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

// Deleted rows go at closing: "Sí" rewrites the file as positions 1..n (none for no rows), "No"
// reads the rows back.
struct Baixa {
    const char *nom, *abans;
    int fila, esborrats;
    bool si;
    const char *despres, *llista;
};
const Baixa kBaixes[] = {
    {"two, Sí", "3 JAN|-|1 ANNA|2 PERE", 1, 2, true, "1 ANNA", "ANNA@1"},
    {"two, No", "1 ANNA|2 PERE|3 JAN", 0, 2, false, "1 ANNA|2 PERE|3 JAN", "ANNA@1 PERE@2 JAN@3"},
    {"the only one, Sí", "1 ANNA", 0, 1, true, "", ""},
};

// A chosen picture lands in Imatges/ under a name fitting 20 bytes, never over another picture.
struct Imatge {
    const char *nom, *casa; // Imatges/ before, as "name=content|..." ("name/" a folder)
    QString triat;          // the chosen file, holding "A"
    const char* desat;
};
const Imatge kImatges[] = {
    {"outside Windows-1252", "", "\u0101nna.gif", "?nna.gif"},
    {"dots", "", "..bmp", "__bmp"},
    {"20 taken", "abcdefghijklmnopqrst=B", "abcdefghijklmnopqrstu.png", "abcdefghijklmnopqr~1"},
    {"same again", "abcdefghijklmnopqrst=A", "abcdefghijklmnopqrstu.png", "abcdefghijklmnopqrst"},
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
    {"group's set", "Bo|mitjà|Zeta", " Zeta ", -1, true, "Bo mitjà Zeta* (Zeta)", "Zeta"},
    {"another accepted", "Bo|mitjà|Zeta", "Zeta", 1, true, "Bo mitjà Zeta* (Zeta)", "mitjà"},
    {"set gone, name kept", "Bo|mitjà|Zeta", "Vell", -1, true, "Bo* mitjà Zeta (Vell)", "Bo"},
    {"empty folder", "", "", -1, false, "Lloros* (Lloros)", "Lloros"},
};

} // namespace

class TestEdicioRegistres : public QObject {
    Q_OBJECT
private slots:
    void afegeix_data() { files(kAltes); }
    void afegeix() {
        const Alta& a = fila(kAltes);
        Editor e(EdicioRegistres::Mode::Afegir, a.abans);
        e.e->camps().Nom = a.text;
        QCOMPARE(e.e->afegeix(), a.resultat);
        QCOMPARE(e.dat(), grup(a.despres));
        QCOMPARE(e.e->camps().Numero, uint8_t(a.seguent));
        QCOMPARE(e.e->camps().Nom, a.resultat == R::Desat ? QString() : a.text);
        QCOMPARE(e.e->desat(), a.resultat == R::Desat);
    }

    void importa_data() { files(kImportacions); }
    void importa() {
        const Importacio& d = fila(kImportacions);
        QStringList plens;
        for (int i = 1; i <= d.plens; ++i)
            plens << QStringLiteral("%1 P%1").arg(i);
        const QString abans(d.abans);
        const bool bloquejat = abans == "!", ple = abans == "~";
        Editor e(EdicioRegistres::Mode::Afegir, bloquejat ? ""
                                                : ple     ? "4 ANNA"
                                                          : plens.join('|') + '|' + abans);
        QVERIFY(!bloquejat || e.c.bloqueja(e.c.dat("Gats")));
        const ImportaLlista::Pla pla = ImportaLlista::planifica(d.fitxer, e.files, d.csv);
        QStringList omesos;
        for (const ImportaLlista::Omes& o : pla.omesos)
            omesos << QStringLiteral("%1 %2 %3").arg(o.fila).arg(o.nom).arg("CBVJL"[int(o.motiu)]);
        QCOMPARE(omesos.join('|'), QString(d.omesos));
        std::optional<MitjaPle> mitja;
        if (ple)
            mitja.emplace();
        QCOMPARE(e.e->afegeixVarios(pla.nous), !bloquejat && !ple);
        mitja.reset();
        QCOMPARE(e.dat(), bloquejat ? QByteArray("<missing>")
                          : ple     ? grup("4 ANNA")
                                    : grup(plens.join('|') + '|' + d.despres));
        QCOMPARE(QDir(e.c.path("Inf/Dat")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList("Gats.dat"));
        QCOMPARE(e.c.llegeix(e.c.hst("ANNA")), QByteArray("A"));
    }

    void edita_data() { files(kCanvis); }
    void edita() {
        const Canvi& d = fila(kCanvis);
        Editor e(EdicioRegistres::Mode::Editar, "7 PERE|4 ANNA");
        if (*d.pere)
            e.c.escriu(e.c.hst("PERE"), d.pere);
        e.e->camps().Nom = d.nomNou;
        e.e->camps().Nivell[2] = 5;
        H h = H::Igual;
        QCOMPARE(e.e->edita(&h), d.resultat);
        QCOMPARE(int(h), int(d.historial));
        QCOMPARE(contingut(e.c, "Inf/Hst"), QString(d.historials));
        const bool desat = d.resultat == R::Desat;
        QCOMPARE(e.dat(),
                 alumne(7, "PERE") + alumne(4, desat ? d.nomNou : "ANNA",
                                            {1, 1, uint8_t(desat ? 5 : 1), 1, 1, 1, 1, 1, 1}));
        QCOMPARE(e.llista(), (desat ? d.nomNou : QString("ANNA")) + "@2 PERE@1");
        QCOMPARE(e.sessio.registre.Nivell[2], uint8_t(desat ? 5 : 1));
        // The session's pupil follows the row shown (the ends of the list are the window's case).
        QVERIFY(e.e->seguent() && e.sessio.registre.Numero == 7 && e.e->anterior() && !e.e->fila());
    }

    void elimina_data() { files(kBaixes); }
    void elimina() {
        const Baixa& b = fila(kBaixes);
        Editor e(EdicioRegistres::Mode::Eliminar, b.abans, b.fila);
        for (int i = 0; i < b.esborrats; ++i)
            e.e->elimina();
        QCOMPARE(e.e->fila(), int(e.files.size()) - 1); // the row after each, or the one before
        QCOMPARE(e.dat(), grup(b.abans));
        QVERIFY(e.e->tanca(b.si));
        QCOMPARE(e.dat(), *b.despres ? grup(b.despres) : QByteArray("<missing>"));
        QCOMPARE(e.llista(), QString(b.llista));
    }

    void imatge_data() { files(kImatges); }
    void imatge() {
        const Imatge& m = fila(kImatges);
        CarpetaProva c, fora;
        for (const QString& f : QString(m.casa).split('|', Qt::SkipEmptyParts))
            f.endsWith('/')
                ? void(QDir().mkpath(c.imatge(f)))
                : c.escriu(c.imatge(f.section('=', 0, 0)), f.section('=', 1).toLatin1());
        QStringList esperat = contingut(c, "Imatges").split('|', Qt::SkipEmptyParts)
                              << QString(m.desat) + "=A";
        esperat.removeDuplicates();
        esperat.sort();
        fora.escriu(fora.path(m.triat), "A");
        QCOMPARE(ImatgeAlumne::copia(c.path(), fora.path(m.triat)), QString(m.desat));
        QCOMPARE(contingut(c, "Imatges"), esperat.join('|'));
    }

    void assigna_data() { files(kAssignacions); }
    void assigna() {
        const Assignacio& a = fila(kAssignacions);
        CarpetaProva c;
        for (const QString& j : QString(a.jocs).split('|', Qt::SkipEmptyParts))
            c.escriu(c.niv(j), {});
        c.escriu(c.grupsCfg(),
                 QByteArray(119, '\0') + Registres::grup("101010101", 0, 7, a.nomNivell));
        Sessio sessio = c.sessio(2); // "Lloros" in Catalan
        AssignacioNivell as(sessio);
        QStringList llista = as.llista();
        llista[as.seleccionat()] += '*';
        QCOMPARE(llista.join(' ') + " (" + as.actual() + ')', QString(a.llista));
        as.selecciona(a.tria);
        QVERIFY(as.tanca(a.accepta));
        QCOMPARE(c.llegeix(c.grupsCfg()),
                 QByteArray(119, '\0') +
                     Registres::grup("101010101", 0, 7, QString(a.desat).toLatin1()));
        QCOMPARE(int(QFileInfo(c.niv("Lloros")).size()), QString(a.jocs).isEmpty() ? 1260 : 0);
    }
};

QTEST_GUILESS_MAIN(TestEdicioRegistres)
#include "tst_EdicioRegistres.moc"
