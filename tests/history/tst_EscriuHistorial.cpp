#include "EscriuHistorial.h"
#include "LiniaHistorial.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The example series: Cardinals, level 3 passed with 10 of 10 exercises, 2 of 5 errors and 95 of
// 300 seconds, on 5 December 2001.
LiniaHistorial example() {
    LiniaHistorial l;
    l.data = QDate(2001, 12, 5);
    l.idioma = 0;
    l.activitat = 1;
    l.resultat = "Superat";
    l.nivell = "3";
    l.fets = 10;
    l.fer = 10;
    l.errorsFets = 2;
    l.errors = 5;
    l.segonsUsats = 95;
    l.temps = 300;
    return l;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList filesUnder(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class TestEscriuHistorial : public QObject {
    Q_OBJECT
private slots:
    void exampleLine() {
        QCOMPARE(
            example().bytes(),
            QByteArray("05-12-01\tCardinals\tSuperat\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"));
    }

    void dates_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("single digits padded") << QDate(2000, 1, 9) << QByteArray("09-01-00");
        QTest::newRow("end of century") << QDate(1999, 12, 31) << QByteArray("31-12-99");
        QTest::newRow("recent") << QDate(2024, 10, 17) << QByteArray("17-10-24");
    }
    void dates() {
        QFETCH(QDate, date);
        QFETCH(QByteArray, text);
        LiniaHistorial l = example();
        l.data = date;
        QCOMPARE(l.bytes().left(9), text + '\t');
    }

    void widths_data() {
        QTest::addColumn<QString>("nivell");
        QTest::addColumn<int>("fets");
        QTest::addColumn<int>("errorsFets");
        QTest::addColumn<int>("segonsUsats");
        QTest::addColumn<QByteArray>("pieces");
        QTest::newRow("one digit each")
            << "1" << 0 << 5 << 7 << QByteArray(" 1\t  0\t(10)\t  5\t(5)\t  7");
        QTest::newRow("two-digit level fills its width")
            << "10" << 12 << 0 << 60 << QByteArray("10\t 12\t(10)\t  0\t(5)\t 60");
        QTest::newRow("three digits fill their width")
            << "9" << 100 << 250 << 300 << QByteArray(" 9\t100\t(10)\t250\t(5)\t300");
        QTest::newRow("longer values are written whole")
            << "100" << 1234 << 10000 << 3600 << QByteArray("100\t1234\t(10)\t10000\t(5)\t3600");
        QTest::newRow("finished level shown as dash")
            << "-" << 3 << 1 << 2 << QByteArray(" -\t  3\t(10)\t  1\t(5)\t  2");
    }
    void widths() {
        QFETCH(QString, nivell);
        QFETCH(int, fets);
        QFETCH(int, errorsFets);
        QFETCH(int, segonsUsats);
        QFETCH(QByteArray, pieces);
        LiniaHistorial l = example();
        l.nivell = nivell;
        l.fets = fets;
        l.errorsFets = errorsFets;
        l.segonsUsats = segonsUsats;
        QCOMPARE(l.bytes(), "05-12-01\tCardinals\tSuperat\t" + pieces + "\t(300)\r\n");
    }

    void totalsAreWrittenWithoutPadding() {
        LiniaHistorial l = example();
        l.fer = 1;
        l.errors = 0;
        l.temps = 1500;
        QVERIFY(l.bytes().endsWith("\t(1)\t  2\t(0)\t 95\t(1500)\r\n"));
    }

    void activityAndResultInTheLanguage_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("activitat");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("Catalan, accent in 1252")
            << 0 << 4 << "Abandona" << QByteArray("Ordenaci\xF3\tAbandona");
        QTest::newRow("Spanish") << 1 << 1 << "Superado" << QByteArray("Cardinales\tSuperado");
        QTest::newRow("Galician") << 2 << 7 << "Remata"
                                  << QByteArray("T\xE1"
                                                "boas\tRemata");
        QTest::newRow("Basque") << 3 << 9 << "Denbora" << QByteArray("Zatiketa\tDenbora");
    }
    void activityAndResultInTheLanguage() {
        QFETCH(int, idioma);
        QFETCH(int, activitat);
        QFETCH(QString, resultat);
        QFETCH(QByteArray, words);
        LiniaHistorial l = example();
        l.idioma = idioma;
        l.activitat = activitat;
        l.resultat = resultat;
        QCOMPARE(l.bytes(), "05-12-01\t" + words + "\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n");
    }

    void counterText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("exhausted errors shown blank") << " " << 0;
        QTest::newRow("number") << "12" << 12;
        QTest::newRow("leading blank") << " 7" << 7;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("three digits") << "300" << 300;
    }
    void counterText() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(LiniaHistorial::valorComptador(text), value);
    }

    void firstLineCreatesTheFileThenLinesAreAppended() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Inf/Hst"));
        const QString file = dir.path() + "/Inf/Hst/ANNA.rtf";

        QVERIFY(EscriuHistorial(dir.path(), "ANNA" + QString(31, u' '), example()));
        QCOMPARE(contents(file), example().bytes());

        LiniaHistorial spanish = example();
        spanish.idioma = 1;
        spanish.activitat = 4;
        spanish.resultat = "Tiempo";
        spanish.data = QDate(2001, 12, 6);
        QVERIFY(EscriuHistorial(dir.path(), "ANNA", spanish));
        QCOMPARE(
            contents(file),
            QByteArray("05-12-01\tCardinals\tSuperat\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"
                       "06-12-01\tOrdenaci\xF3n\tTiempo\t 3\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"));
        QCOMPARE(filesUnder(dir.path()), QStringList{"Inf/Hst/ANNA.rtf"});
    }

    void accentedPupilNameNamesTheFile() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Inf/Hst"));
        QVERIFY(EscriuHistorial(dir.path(), QString::fromUtf8("Núria Ferrà"), QByteArray("x\r\n")));
        QCOMPARE(contents(dir.path() + QString::fromUtf8("/Inf/Hst/Núria Ferrà.rtf")), "x\r\n");
    }

    void unsafePupilNameWritesInsideTheHistoryFolder_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("parent") << "../Grups";
        QTest::newRow("two parents") << "../../General";
        QTest::newRow("absolute") << "/tmp/evil";
        QTest::newRow("backslash") << "..\\..\\x";
    }
    void unsafePupilNameWritesInsideTheHistoryFolder() {
        QFETCH(QString, nom);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Inf/Hst"));
        QVERIFY(EscriuHistorial(dir.path(), nom, example()));
        const QStringList files = filesUnder(dir.path());
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].startsWith("Inf/Hst/") && files[0].count(u'/') == 2,
                 qPrintable(files[0]));
        QCOMPARE(contents(dir.path() + '/' + files[0]), example().bytes());
    }

    void missingHistoryFolderIsCreated() {
        QTemporaryDir dir;
        QVERIFY(EscriuHistorial(dir.path(), "PERE", example()));
        QCOMPARE(contents(dir.path() + "/Inf/Hst/PERE.rtf"), example().bytes());
    }

    void unwritablePlaceReportsFailure() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Inf"));
        QFile blocker(dir.path() + "/Inf/Hst");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!EscriuHistorial(dir.path(), "PERE", example()));
        QCOMPARE(QFileInfo(dir.path() + "/Inf/Hst").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEscriuHistorial)
#include "tst_EscriuHistorial.moc"
