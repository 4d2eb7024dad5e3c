#include "EdicioRegistres.h"
#include "ImatgeAlumne.h"
#include "Sessio.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kGrup = 3; // "Gats" in Catalan

// A 65-byte record laid out by hand: number, name (ASCII, padded to 35), nine levels, picture
// (padded to 20).
QByteArray rec(int numero, const QByteArray& nom, const QByteArray& nivells = "\1\1\1\1\1\1\1\1\1",
               const QByteArray& imatge = {}) {
    QByteArray b;
    b += char(numero);
    b += nom + QByteArray(35 - nom.size(), ' ');
    b += nivells;
    b += imatge + QByteArray(20 - imatge.size(), ' ');
    return b;
}

const QByteArray kBuit(65, '\0');

class Carpeta {
public:
    Carpeta() {
        QDir(dir.path()).mkpath("Inf/Dat");
        QDir(dir.path()).mkpath("Inf/Hst");
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = kGrup;
    }
    QString dat() const { return dir.filePath("Inf/Dat/Gats.dat"); }
    QString hst(const QString& nom) const { return dir.filePath("Inf/Hst/" + nom + ".rtf"); }
    void posa(const QString& path, const QByteArray& bytes) const {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray llegeix(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    Sessio sessio;
    QList<FilaAlumne> files;
};

} // namespace

class TestEdicioRegistres : public QObject {
    Q_OBJECT
private slots:
    // A new pupil goes to the first position no pupil holds, and the next one is prepared.
    void afegeix_data() {
        QTest::addColumn<QByteArray>("abans");
        QTest::addColumn<QByteArray>("despres");
        QTest::addColumn<int>("seguent");
        QTest::newRow("appended") << rec(4, "ANNA") + rec(7, "PERE")
                                  << rec(4, "ANNA") + rec(7, "PERE") + rec(8, "JAN") << 9;
        QTest::newRow("empty slot reused") << rec(4, "ANNA") + kBuit + rec(7, "PERE")
                                           << rec(4, "ANNA") + rec(8, "JAN") + rec(7, "PERE") << 9;
        QTest::newRow("number held to 99")
            << rec(120, "ANNA") << rec(120, "ANNA") + rec(99, "JAN") << 99;
    }
    void afegeix() {
        QFETCH(QByteArray, abans);
        QFETCH(QByteArray, despres);
        QFETCH(int, seguent);
        Carpeta c;
        c.posa(c.dat(), abans);
        EdicioRegistres e(c.sessio, EdicioRegistres::Afegir, c.files, -1);
        e.camps().Nom = "JAN";
        QCOMPARE(e.afegeix(), EdicioRegistres::Resultat::Desat);
        QCOMPARE(c.llegeix(c.dat()), despres);
        QCOMPARE(e.camps().Numero, uint8_t(seguent));
        QVERIFY(e.camps().Nom.isEmpty());
        QVERIFY(e.desat());
    }

    // Editing writes the record at its own position and carries the history file along when the
    // name leads to another file, never over another pupil's history.
    void edita_data() {
        QTest::addColumn<QString>("nomNou");
        QTest::addColumn<QStringList>("historials"); // files in Inf/Hst before
        QTest::addColumn<int>("resultat");
        QTest::addColumn<QStringList>("despres");
        using H = EdicioRegistres::Historial;
        QTest::newRow("no history yet")
            << "ANNA M" << QStringList{} << int(H::SenseFitxer) << QStringList{};
        QTest::newRow("name unchanged")
            << "ANNA" << QStringList{"ANNA"} << int(H::Igual) << QStringList{"ANNA"};
        QTest::newRow("another pupil's history") << "PERE" << QStringList{"ANNA", "PERE"}
                                                 << int(H::Ocupat) << QStringList{"ANNA", "PERE"};
    }
    void edita() {
        QFETCH(QString, nomNou);
        QFETCH(QStringList, historials);
        QFETCH(int, resultat);
        QFETCH(QStringList, despres);
        Carpeta c;
        c.posa(c.dat(), rec(7, "PERE") + rec(4, "ANNA"));
        for (const QString& h : historials)
            c.posa(c.hst(h), h.toLatin1());
        EdicioRegistres e(c.sessio, EdicioRegistres::Editar, c.files, 0);
        QCOMPARE(e.camps().Numero, uint8_t(4)); // sorted by number: ANNA first
        e.camps().Nom = nomNou;
        e.camps().Nivell[2] = 5;
        EdicioRegistres::Historial h{};
        QCOMPARE(e.edita(&h), EdicioRegistres::Resultat::Desat);
        QCOMPARE(int(h), resultat);
        QCOMPARE(c.llegeix(c.dat()),
                 rec(7, "PERE") + rec(4, nomNou.toLatin1(), "\1\1\5\1\1\1\1\1\1"));
        QCOMPARE(QDir(c.dir.filePath("Inf/Hst")).entryList(QDir::Files), [&] {
            QStringList l;
            for (const QString& d : despres)
                l << d + ".rtf";
            return l;
        }());
        for (const QString& d : despres)
            QCOMPARE(c.llegeix(c.hst(d)), d.toLatin1());
        QCOMPARE(c.files[0][11], QString("2"));
        QCOMPARE(c.sessio.registre.Nivell[2], uint8_t(5));
    }

    // A pupil needs a name: an empty or blank one is refused and nothing is written.
    void senseNom_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("nom");
        QTest::newRow("adding, empty") << int(EdicioRegistres::Afegir) << "";
        QTest::newRow("adding, blanks") << int(EdicioRegistres::Afegir) << "   ";
        QTest::newRow("editing, blanks") << int(EdicioRegistres::Editar) << " ";
    }
    void senseNom() {
        QFETCH(int, mode);
        QFETCH(QString, nom);
        Carpeta c;
        const QByteArray abans = rec(4, "ANNA");
        c.posa(c.dat(), abans);
        c.posa(c.hst("ANNA"), "line");
        EdicioRegistres e(c.sessio, EdicioRegistres::Mode(mode), c.files, 0);
        const QList<FilaAlumne> files = c.files;
        e.camps().Nom = nom;
        const auto resultat = mode == EdicioRegistres::Afegir ? e.afegeix() : e.edita();
        QCOMPARE(resultat, EdicioRegistres::Resultat::SenseNom);
        QCOMPARE(c.llegeix(c.dat()), abans);
        QCOMPARE(c.files, files);
        QCOMPARE(c.llegeix(c.hst("ANNA")), QByteArray("line"));
        QVERIFY(!e.desat());
    }

    // Deletions stay in the rows; "Sí" rewrites the file from them, positions 1..n.
    void eliminaIConfirma() {
        Carpeta c;
        c.posa(c.dat(), rec(3, "JAN") + kBuit + rec(1, "ANNA") + rec(2, "PERE"));
        EdicioRegistres e(c.sessio, EdicioRegistres::Eliminar, c.files, 1);
        QCOMPARE(e.camps().Nom.trimmed(), QString("PERE"));
        e.elimina();
        QCOMPARE(e.fila(), 1);
        QCOMPARE(e.camps().Nom.trimmed(), QString("JAN"));
        e.elimina();
        QCOMPARE(e.fila(), 0); // the last row went: the one before shows
        QCOMPARE(c.llegeix(c.dat()).size(), 4 * 65);
        QVERIFY(e.tanca(true));
        QCOMPARE(c.llegeix(c.dat()), rec(1, "ANNA"));
        QCOMPARE(c.files.size(), 1);
        QCOMPARE(c.files[0][11], QString("1"));
    }

    void navega_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<bool>("anterior");
        QTest::addColumn<bool>("seguent");
        QTest::newRow("first") << 0 << false << true;
        QTest::newRow("last") << 2 << true << false;
    }
    void navega() {
        QFETCH(int, fila);
        QFETCH(bool, anterior);
        QFETCH(bool, seguent);
        Carpeta c;
        c.posa(c.dat(), rec(1, "ANNA") + rec(2, "PERE") + rec(3, "JAN"));
        EdicioRegistres e(c.sessio, EdicioRegistres::Editar, c.files, fila);
        QCOMPARE(e.anterior(), anterior);
        QCOMPARE(e.fila(), fila - int(anterior));
        EdicioRegistres f(c.sessio, EdicioRegistres::Editar, c.files, fila);
        QCOMPARE(f.seguent(), seguent);
        QCOMPARE(f.fila(), fila + int(seguent));
        QCOMPARE(c.sessio.registre.Numero, uint8_t(f.fila() + 1));
    }

    void nomImatge_data() {
        QTest::addColumn<QString>("fitxer");
        QTest::addColumn<QString>("desat");
        QTest::newRow("short") << "/a/b/anna.bmp"
                               << "anna.bmp";
        QTest::newRow("25 characters") << "/a/abcdefghijklmnopqrstu.png"
                                       << "abcdefghijklmnopqrst";
        QTest::newRow("outside Windows-1252")
            << QString::fromUtf8("/a/\u0101nna.gif") << "?nna.gif";
        QTest::newRow("dots") << "/a/..bmp"
                              << "__bmp";
    }
    void nomImatge() {
        QFETCH(QString, fitxer);
        QFETCH(QString, desat);
        QCOMPARE(ImatgeAlumne::nomDesat(fitxer), desat);
    }

    // A chosen picture lands in Imatges/ under a name that fits the record's 20 bytes and never
    // over another picture; the same picture chosen again takes its earlier copy.
    void copiaImatge_data() {
        QTest::addColumn<QStringList>("casa"); // Imatges/ before, as name=content
        QTest::addColumn<QString>("triat");    // the chosen file, holding "A"
        QTest::addColumn<QString>("desat");
        const QString llarg = "abcdefghijklmnopqrstu.png";
        QTest::newRow("free") << QStringList{} << llarg << "abcdefghijklmnopqrst";
        QTest::newRow("same first 20, another picture")
            << QStringList{"abcdefghijklmnopqrst=B"} << llarg << "abcdefghijklmnopqr~1";
        QTest::newRow("same picture again")
            << QStringList{"abcdefghijklmnopqrst=A"} << llarg << "abcdefghijklmnopqrst";
        QTest::newRow("extension kept") << QStringList{"anna.png=B"} << "anna.png"
                                        << "anna~1.png";
        QTest::newRow("next free name") << QStringList{"anna.png=B", "anna~1.png=C"} << "anna.png"
                                        << "anna~2.png";
        QTest::newRow("earlier copy reused")
            << QStringList{"anna.png=B", "anna~1.png=A"} << "anna.png"
            << "anna~1.png";
        QTest::newRow("a folder is no picture") << QStringList{"anna.png/"} << "anna.png"
                                                << "anna~1.png";
    }
    void copiaImatge() {
        QFETCH(QStringList, casa);
        QFETCH(QString, triat);
        QFETCH(QString, desat);
        Carpeta c;
        const QDir imatges(c.dir.filePath("Imatges"));
        QVERIFY(imatges.mkpath("."));
        QSet<QString> noms{desat};
        for (const QString& f : casa) {
            if (f.endsWith('/'))
                QVERIFY(imatges.mkdir(f.chopped(1)));
            else
                c.posa(imatges.filePath(f.section('=', 0, 0)), f.section('=', 1).toLatin1());
            noms << f.section('=', 0, 0).remove('/');
        }
        QTemporaryDir fora;
        c.posa(fora.filePath(triat), "A");

        QCOMPARE(ImatgeAlumne::copia(c.dir.path(), fora.filePath(triat)), desat);
        QCOMPARE(c.llegeix(imatges.filePath(desat)), QByteArray("A"));
        for (const QString& f : casa)
            if (!f.endsWith('/'))
                QCOMPARE(c.llegeix(imatges.filePath(f.section('=', 0, 0))),
                         f.section('=', 1).toLatin1());
        const QStringList hi = imatges.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(QSet<QString>(hi.begin(), hi.end()), noms);
    }

    // Choosing a picture that already lies in Imatges/ keeps it.
    void imatgeJaACasa() {
        Carpeta c;
        QDir(c.dir.path()).mkpath("Imatges");
        const QString cami = c.dir.filePath("Imatges/anna.png");
        c.posa(cami, "PNG bytes");
        QCOMPARE(ImatgeAlumne::copia(c.dir.path(), cami), QString("anna.png"));
        QCOMPARE(c.llegeix(cami), QByteArray("PNG bytes"));
    }
};

QTEST_GUILESS_MAIN(TestEdicioRegistres)
#include "tst_EdicioRegistres.moc"
