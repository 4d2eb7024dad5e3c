#include "FitxerNivells.h"
#include "Rutes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

char* toString(const DadesNivell& d) {
    return QTest::toString(QString("(%1, %2, %3, %4, %5)")
                               .arg(d.Temps)
                               .arg(d.Fer)
                               .arg(d.Errors)
                               .arg(d.Parametre1)
                               .arg(d.Parametre2));
}

Q_DECLARE_METATYPE(DadesNivell)

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

DadesNivell nivell(int temps, int fer, int errors, int p1, int p2) {
    DadesNivell d;
    d.Temps = int16_t(temps);
    d.Fer = int16_t(fer);
    d.Errors = int16_t(errors);
    d.Parametre1 = p1;
    d.Parametre2 = p2;
    return d;
}

const QByteArray kRecord1("\x78\x00\x14\x00\x05\x00\x00\x00\x00\x00\x0A\x00\x00\x00", 14);
const QByteArray kRecord90("\x2C\x01\x05\x00\x05\x00\x05\x00\x00\x00\x03\x00\x00\x00", 14);

} // namespace

class TestFitxerNivells : public QObject {
    Q_OBJECT
private slots:
    void createsMissingFileWithDefaults() {
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Prova"); // Inf/Niv does not exist yet
        QVERIFY(FitxerNivells::creaSiFalta(path));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 1260);
        QCOMPARE(bytes.left(14), kRecord1);
        QCOMPARE(bytes.right(14), kRecord90);
    }

    void leavesExistingFileAlone() {
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Curt");
        QVERIFY(writeAll(path, "0123456789ABCDEF"));
        QVERIFY(FitxerNivells::creaSiFalta(path));
        QCOMPARE(readAll(path), QByteArray("0123456789ABCDEF"));
    }

    void readsShortFile_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<DadesNivell>("expected");
        QTest::newRow("whole record") << 1 << nivell(120, 20, 5, 0, 10);
        // Six bytes of record 2 are on disk: a record cut short reads as never written.
        QTest::newRow("cut record") << 2 << DadesNivell{};
        QTest::newRow("beyond the end") << 3 << DadesNivell{};
        QTest::newRow("last") << 90 << DadesNivell{};
        QTest::newRow("record 0") << 0 << DadesNivell{};
        QTest::newRow("record 91") << 91 << DadesNivell{};
    }
    void readsShortFile() {
        QFETCH(int, k);
        QFETCH(DadesNivell, expected);
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Curt");
        QVERIFY(writeAll(path, kRecord1 + QByteArray("\x01\x02\x03\x04\x05\x06", 6)));
        QCOMPARE(FitxerNivells::llegeix(path, k), expected);
        QCOMPARE(QFileInfo(path).size(), 20); // reading never extends the file
    }

    void writesInPlace() {
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Prova");
        QVERIFY(FitxerNivells::creaSiFalta(path));
        const QByteArray before = readAll(path);
        QVERIFY(FitxerNivells::escriu(path, 46, nivell(-2, 7, 999, 70000, INT_MIN)));
        const QByteArray after = readAll(path);
        QCOMPARE(after.size(), 1260);
        QCOMPARE(after.mid(45 * 14, 14),
                 QByteArray("\xFE\xFF\x07\x00\xE7\x03\x70\x11\x01\x00\x00\x00\x00\x80", 14));
        QCOMPARE(after.left(45 * 14), before.left(45 * 14));
        QCOMPARE(after.mid(46 * 14), before.mid(46 * 14));
    }

    void writeIntoMissingFileKeepsDefaultsAround() {
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Nou");
        QVERIFY(FitxerNivells::escriu(path, 2, nivell(1, 2, 3, 4, 5)));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 1260);
        QCOMPARE(bytes.left(14), kRecord1);
        QCOMPARE(bytes.mid(14, 14),
                 QByteArray("\x01\x00\x02\x00\x03\x00\x04\x00\x00\x00\x05\x00\x00\x00", 14));
        QCOMPARE(bytes.right(14), kRecord90);
    }

    void refusesRecordOutsideTheSet_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("0") << 0;
        QTest::newRow("91") << 91;
        QTest::newRow("negative") << -5;
        QTest::newRow("INT_MAX") << INT_MAX;
    }
    void refusesRecordOutsideTheSet() {
        QFETCH(int, k);
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Prova");
        QVERIFY(FitxerNivells::creaSiFalta(path));
        const QByteArray before = readAll(path);
        QVERIFY(!FitxerNivells::escriu(path, k, nivell(1, 1, 1, 1, 1)));
        QCOMPARE(readAll(path), before);
    }

    void boardLevel_data() {
        QTest::addColumn<QByteArray>("stored"); // record written at IndexNivell(5, 6) or empty
        QTest::addColumn<int>("activitat");
        QTest::addColumn<int>("nivell");
        QTest::addColumn<DadesNivell>("expected");
        QTest::newRow("default sumar 6") << QByteArray() << 5 << 6 << nivell(170, 5, 5, 2, 1);
        QTest::newRow("default dividir 10") << QByteArray() << 9 << 10 << nivell(300, 5, 5, 5, 3);
        QTest::newRow("level 0 reads level 1") << QByteArray() << 7 << 0 << nivell(60, 10, 5, 2, 2);
        QTest::newRow("level 11 reads level 10")
            << QByteArray() << 3 << 11 << nivell(150, 20, 5, 1, 3999);
        QTest::newRow("damaged record held to the limits")
            << QByteArray("\x00\x80\x00\x00\xFF\xFF\xFF\xFF\xFF\x7F\x00\x00\x00\x80", 14) << 5 << 6
            << nivell(10, 1, 0, 5, 0);
        QTest::newRow("damaged carrying 2 is no carrying")
            << QByteArray("\xAA\x00\x05\x00\x05\x00\x02\x00\x00\x00\x02\x00\x00\x00", 14) << 5 << 6
            << nivell(170, 5, 5, 2, 0);
    }
    void boardLevel() {
        QFETCH(QByteArray, stored);
        QFETCH(int, activitat);
        QFETCH(int, nivell);
        QFETCH(DadesNivell, expected);
        QTemporaryDir dir;
        const QString path = RutaNivell(dir.path(), "Grup");
        if (!stored.isEmpty()) {
            QVERIFY(FitxerNivells::creaSiFalta(path));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(45 * 14));
            f.write(stored);
        }
        QCOMPARE(FitxerNivells::LlegeixNivell(dir.path(), " Grup ", activitat, nivell), expected);
        QCOMPARE(QFileInfo(path).size(), 1260);
    }

    void boardNameCannotLeaveTheFolder() {
        QTemporaryDir dir;
        FitxerNivells::LlegeixNivell(dir.path(), "../../fora", 1, 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Inf"});
        QCOMPARE(QDir(dir.filePath("Inf")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Niv"});
        QCOMPARE(QDir(dir.filePath("Inf/Niv")).entryList(QDir::Files).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFitxerNivells)
#include "tst_FitxerNivells.moc"
