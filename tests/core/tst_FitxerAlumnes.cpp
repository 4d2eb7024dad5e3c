#include "FitxerAlumnes.h"
#include "Rutes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kGrup = 3;
constexpr int kIdioma = 0;

// A 65-byte record laid out by hand: number, name (ASCII, padded to 35), nine levels, picture
// (padded to 20).
QByteArray rec(int numero, const QByteArray& nom, const QByteArray& nivells,
               const QByteArray& imatge = {}) {
    QByteArray b;
    b += char(numero);
    b += nom + QByteArray(35 - nom.size(), ' ');
    b += nivells;
    b += imatge + QByteArray(20 - imatge.size(), ' ');
    return b;
}

const QByteArray kAnna = rec(1, "ANNA", "\x01\x02\x03\x04\x05\x06\x07\x08\x09", "anna.bmp");
const QByteArray kEmpty(65, '\0');
const QByteArray kPere = rec(3, "PERE", QByteArray("\x0A\x00\x01\x01\x00\x02\x02\x02\x02", 9));
const QByteArray kJan = rec(2, "JAN", "\x01\x01\x01\x01\x01\x01\x01\x01\x01");

QStringList levelsOf(const FilaAlumne& f) {
    return f.mid(2, 9);
}

} // namespace

class TestFitxerAlumnes : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return RutaRegistres(dir.path(), kGrup, kIdioma); }

    void put(const QByteArray& bytes) {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray onDisk() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<FilaAlumne> read() const { return FitxerAlumnes::llegeix(dir.path(), kGrup, kIdioma); }

private slots:
    void init() {
        QFile::remove(path());
        QVERIFY(QDir(dir.path()).mkpath("Inf/Dat"));
    }

    void missingFileIsAnEmptyListAndStaysMissing() {
        QVERIFY(read().isEmpty());
        QVERIFY(!QFile::exists(path()));
    }

    void emptySlotIsSkippedButCounted() {
        put(kAnna + kEmpty + kPere);
        const QList<FilaAlumne> files = read();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0][0], "1");
        QCOMPARE(files[0][11], "1");
        QCOMPARE(files[1][0], "3");
        QCOMPARE(files[1][1], "PERE" + QString(31, u' '));
        QCOMPARE(files[1][11], "3");
        QCOMPARE(files[1][12], QString(20, u' '));
    }

    void levelZeroShowsDash() {
        put(kPere);
        QCOMPARE(levelsOf(read().value(0)),
                 (QStringList{"10", "-", "1", "1", "-", "2", "2", "2", "2"}));
    }

    void recordCutShortIsAnEmptySlot() {
        put(kAnna + kJan.left(40));
        const QList<FilaAlumne> files = read();
        QCOMPARE(files.size(), 1);
        QCOMPARE(files[0][11], "1");
        QCOMPARE(LlistaAlumnes::posicioNova(files), 2);
        QVERIFY(FitxerAlumnes::escriu(dir.path(), kGrup, kIdioma, 2, Registre::decode(kJan)));
        QCOMPARE(onDisk(), kAnna + kJan);
    }

    void writeAtPosition_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("posicio");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("one past the end appends")
            << kAnna + kPere << 3 << true << kAnna + kPere + kJan;
        QTest::newRow("in place") << kAnna + kEmpty + kPere << 2 << true << kAnna + kJan + kPere;
        QTest::newRow("over a record") << kAnna + kPere << 1 << true << kJan + kPere;
        QTest::newRow("missing file, position 1") << QByteArray() << 1 << true << kJan;
        QTest::newRow("beyond one past the end") << kAnna << 3 << false << kAnna;
        QTest::newRow("missing file, position 2") << QByteArray() << 2 << false << QByteArray();
        QTest::newRow("position 0") << kAnna << 0 << false << kAnna;
    }
    void writeAtPosition() {
        QFETCH(QByteArray, before);
        QFETCH(int, posicio);
        QFETCH(bool, written);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            put(before);
        QCOMPARE(FitxerAlumnes::escriu(dir.path(), kGrup, kIdioma, posicio, Registre::decode(kJan)),
                 written);
        QCOMPARE(onDisk(), after);
    }

    void writeCreatesAMissingFolder() {
        QVERIFY(QDir(dir.path() + "/Inf/Dat").removeRecursively());
        QVERIFY(FitxerAlumnes::escriu(dir.path(), kGrup, kIdioma, 1, Registre::decode(kAnna)));
        QCOMPARE(onDisk(), kAnna);
    }

    void truncatedNameAndPicture() {
        Registre r;
        r.Numero = 4;
        r.Nom = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD"; // 40 characters
        r.Nivell = {1, 1, 1, 1, 1, 1, 1, 1, 1};
        r.Imatge = "fotografia_de_la_nena.bmp"; // 25 characters
        QVERIFY(FitxerAlumnes::escriu(dir.path(), kGrup, kIdioma, 1, r));
        QCOMPARE(onDisk(), QByteArray("\x04"
                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678"
                                      "\x01\x01\x01\x01\x01\x01\x01\x01\x01"
                                      "fotografia_de_la_nen"));
        const FilaAlumne f = read().value(0);
        QCOMPARE(f[1], "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678");
        QCOMPARE(f[12], "fotografia_de_la_nen");
    }

    void accentsAndUnmappableCharacters() {
        Registre r;
        r.Numero = 9;
        r.Nom = QString::fromUtf8("Łucja Muñoz Ξ€");
        r.Imatge = QString::fromUtf8("ñ.bmp");
        QVERIFY(FitxerAlumnes::escriu(dir.path(), kGrup, kIdioma, 1, r));
        const QByteArray bytes = onDisk();
        QCOMPARE(bytes.size(), 65);
        QCOMPARE(bytes.mid(1, 35), QByteArray("?ucja Mu\xF1oz ?\x80") + QByteArray(21, ' '));
        QCOMPARE(bytes.mid(45, 20), QByteArray("\xF1.bmp") + QByteArray(15, ' '));
        QCOMPARE(read().value(0)[1], QString::fromUtf8("?ucja Muñoz ?€") + QString(21, u' '));
    }

    void rewriteAfterDeletions() {
        put(kAnna + kJan + kEmpty + kPere);
        QList<FilaAlumne> files = read();
        LlistaAlumnes::ordena(files);
        QCOMPARE(files.size(), 3);
        files.removeAt(1); // JAN, number 2
        QVERIFY(FitxerAlumnes::reescriu(dir.path(), kGrup, kIdioma, files));
        QCOMPARE(onDisk(), kAnna + kPere);
        QCOMPARE(files[0][11], "1");
        QCOMPARE(files[1][11], "2");
        QCOMPARE(read(), files);
    }

    void rowKeptAfterRewriteStillWritesItsOwnRecord() {
        put(kAnna + kJan + kPere);
        QList<FilaAlumne> files = read();
        files.removeAt(1);
        QVERIFY(FitxerAlumnes::reescriu(dir.path(), kGrup, kIdioma, files));
        Registre r = LlistaAlumnes::registre(files[1]);
        QVERIFY(
            FitxerAlumnes::desaNivellSuperat(dir.path(), kGrup, kIdioma, 3, 1, 10, r, files[1]));
        QCOMPARE(onDisk(),
                 kAnna + rec(3, "PERE", QByteArray("\x0A\x00\x02\x01\x00\x02\x02\x02\x02", 9)));
    }

    void rewriteWithEmptyListRemovesTheFile() {
        put(kAnna);
        QList<FilaAlumne> none;
        QVERIFY(FitxerAlumnes::reescriu(dir.path(), kGrup, kIdioma, none));
        QVERIFY(!QFile::exists(path()));
        QVERIFY(FitxerAlumnes::reescriu(dir.path(), kGrup, kIdioma, none));
    }

    void failedRewriteKeepsTheRowsPositions() {
        put(kAnna + kEmpty + kPere);
        QList<FilaAlumne> files = read();
        QVERIFY(QFile::remove(path()));
        QVERIFY(QDir().mkpath(path())); // something that cannot be replaced by a file
        QVERIFY(!FitxerAlumnes::reescriu(dir.path(), kGrup, kIdioma, files));
        QCOMPARE(files[1][11], "3");
        QVERIFY(QDir(path()).removeRecursively());
    }

    void passedLevel_data() {
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("jugat");
        QTest::addColumn<int>("nivells");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<char>("stored");
        QTest::newRow("last of 10 stores 0") << 1 << 10 << 10 << "-" << char(0);
        QTest::newRow("3 of 10 stores 4") << 3 << 3 << 10 << "4" << char(4);
        QTest::newRow("byte 0 counts as 10: level 10") << 9 << 10 << 0 << "-" << char(0);
        QTest::newRow("byte 0 counts as 10: level 9") << 9 << 9 << 0 << "10" << char(10);
        QTest::newRow("last of 4") << 6 << 4 << 4 << "-" << char(0);
    }
    void passedLevel() {
        QFETCH(int, activitat);
        QFETCH(int, jugat);
        QFETCH(int, nivells);
        QFETCH(QString, cell);
        QFETCH(char, stored);
        put(kAnna + kEmpty + kPere + kJan);
        QList<FilaAlumne> files = read();
        FilaAlumne& fila = files[1]; // PERE, record 3
        Registre r = LlistaAlumnes::registre(fila);
        QVERIFY(FitxerAlumnes::desaNivellSuperat(dir.path(), kGrup, kIdioma, activitat, jugat,
                                                 nivells, r, fila));
        QCOMPARE(fila[activitat + 1], cell);
        QCOMPARE(int(r.Nivell[activitat - 1]), int(uchar(stored)));

        QByteArray pere = kPere;
        pere[35 + activitat] = stored;
        QCOMPARE(onDisk(), kAnna + kEmpty + pere + kJan);
        QCOMPARE(read()[1], fila);
    }
};

QTEST_GUILESS_MAIN(TestFitxerAlumnes)
#include "tst_FitxerAlumnes.moc"
