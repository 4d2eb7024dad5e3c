#include "ConfigGeneral.h"
#include "ConfigGrup.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray grupRecord(const QByteArray& activitats, char opcResta, const QByteArray& nivells,
                      const QByteArray& nom) {
    QByteArray r = activitats + QByteArray(1, opcResta) + nivells + nom;
    r.append(QByteArray(119 - r.size(), ' '));
    return r;
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void generalBytes_data() {
        QTest::addColumn<int>("grup");
        QTest::addColumn<QString>("clau");
        QTest::addColumn<int>("demanar");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << 1 << "TUXAM" << 0 << 0 << 0
                                  << QByteArray("\x01\x00TUXAM   \x00\x00\x00\x00", 14);
        QTest::newRow("group 16, basque, blank") << 16 << "ABC" << 1 << 3 << 1
                                                 << QByteArray("\x10\x00"
                                                               "ABC     \x01\x03\x00\x01",
                                                               14);
        QTest::newRow("blank password")
            << 2 << "" << 0 << 1 << 2 << QByteArray("\x02\x00        \x00\x01\x00\x02", 14);
    }
    void generalBytes() {
        QFETCH(int, grup);
        QFETCH(QString, clau);
        QFETCH(int, demanar);
        QFETCH(int, idioma);
        QFETCH(int, separador);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        ConfigGeneral c;
        c.GrupActual = int16_t(grup);
        c.setClau(clau);
        c.Demanar = uint8_t(demanar);
        c.Idioma = int16_t(idioma);
        c.Separador = uint8_t(separador);
        QDir(dir.path()).mkpath("Inf");
        QVERIFY(DesarConfigGeneral(dir.path(), c));
        QCOMPARE(readAll(ProgramFolder::generalCfg(dir.path())), bytes);
        QCOMPARE(LlegirConfigGeneral(dir.path()), c);
    }

    void generalStartupRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("grup");
        QTest::addColumn<QString>("clau");
        QTest::newRow("empty file") << QByteArray() << 1 << "TUXAM";
        QTest::newRow("group 0") << QByteArray("\x00\x00X       \x00\x00\x00\x00", 14) << 1 << "X";
        QTest::newRow("negative group")
            << QByteArray("\xFE\xFFX       \x00\x00\x00\x00", 14) << 1 << "X";
        QTest::newRow("group 17") << QByteArray("\x11\x00X       \x00\x00\x00\x00", 14) << 1 << "X";
        QTest::newRow("group 16") << QByteArray("\x10\x00X       \x00\x00\x00\x00", 14) << 16
                                  << "X";
        QTest::newRow("padded both sides")
            << QByteArray("\x03\x00  AB    \x00\x00\x00\x00", 14) << 3 << "AB";
        QTest::newRow("blank stays blank")
            << QByteArray("\x03\x00        \x00\x00\x00\x00", 14) << 3 << "";
        QTest::newRow("record cut short") << QByteArray("\x05\x00", 2) << 1 << "TUXAM";
    }
    void generalStartupRead() {
        QFETCH(QByteArray, file);
        QFETCH(int, grup);
        QFETCH(QString, clau);
        QTemporaryDir dir;
        writeAll(ProgramFolder::generalCfg(dir.path()), file);
        bool ok = false;
        const ConfigGeneral c = LlegirConfigGeneral(dir.path(), &ok);
        QVERIFY(ok);
        QCOMPARE(int(c.GrupActual), grup);
        QCOMPARE(c.clauText(), clau);
        QCOMPARE(c.Clau.size(), 8);
        // Reading never writes the file.
        QCOMPARE(readAll(ProgramFolder::generalCfg(dir.path())), file);
    }

    void firstStartCreatesFolders() {
        QTemporaryDir dir;
        bool ok = false;
        const ConfigGeneral c = LlegirConfigGeneral(dir.path(), &ok);
        QVERIFY(ok);
        QCOMPARE(c, ConfigGeneral{});
        for (const char* sub : {"Inf", "Inf/Niv", "Inf/Hst", "Inf/Dat", "Imatges"})
            QVERIFY2(QDir(dir.path()).exists(sub), sub);
        QVERIFY(!QDir(dir.path()).exists("Sons"));
        QCOMPARE(QFileInfo(ProgramFolder::generalCfg(dir.path())).size(), 0);
    }

    void grupRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("grup");
        QTest::addColumn<QByteArray>("activitats");
        QTest::addColumn<QByteArray>("nivells");
        QTest::addColumn<int>("opcResta");
        QTest::addColumn<QString>("nom");
        const QByteArray tens(9, '\x0A');
        const QByteArray r1 =
            grupRecord("101000001", 1, "\x03\x04\x05\x06\x07\x08\x09\x0A\x01", "Prova");
        QTest::newRow("record 1") << r1 << 1 << QByteArray("101000001")
                                  << QByteArray("\x03\x04\x05\x06\x07\x08\x09\x0A\x01") << 1
                                  << "Prova";
        QTest::newRow("record 2 of two")
            << (QByteArray(119, '\0') + r1) << 2 << QByteArray("101000001")
            << QByteArray("\x03\x04\x05\x06\x07\x08\x09\x0A\x01") << 1 << "Prova";
        QTest::newRow("zero field")
            << QByteArray(119, '\0') << 1 << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("all zero digits") << grupRecord("000000000", 1, QByteArray(9, '\x02'), "X")
                                         << 1 << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("blanks") << grupRecord("         ", 1, QByteArray(9, '\x02'), "X") << 1
                                << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("short file")
            << r1.left(60) << 1 << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("beyond the end") << r1 << 5 << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("no activity offered")
            << grupRecord("222222222", 1, QByteArray(9, '\x02'), "X") << 1
            << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("zeros and a letter")
            << grupRecord("0000x0000", 1, QByteArray(9, '\x02'), "X") << 1
            << QByteArray("111111111") << tens << 0 << "";
        QTest::newRow("leading zeros then one")
            << grupRecord("000000001", 0, QByteArray(9, '\x02'), "") << 1 << QByteArray("000000001")
            << QByteArray(9, '\x02') << 0 << "";
    }
    void grupRead() {
        QFETCH(QByteArray, file);
        QFETCH(int, grup);
        QFETCH(QByteArray, activitats);
        QFETCH(QByteArray, nivells);
        QFETCH(int, opcResta);
        QFETCH(QString, nom);
        QTemporaryDir dir;
        writeAll(ProgramFolder::grupsCfg(dir.path()), file);
        const ConfigGrup c = LlegirConfigGrup(dir.path(), grup);
        QCOMPARE(c.Activitats, activitats);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(c.Nivells.data()), 9), nivells);
        QCOMPARE(int(c.OpcResta), opcResta);
        QCOMPARE(c.NomNivell, nom);
        // Reading never extends the file.
        QCOMPARE(readAll(ProgramFolder::grupsCfg(dir.path())), file);
    }

    void grupMissingFile() {
        QTemporaryDir dir;
        QCOMPARE(LlegirConfigGrup(dir.path(), 3), ConfigGrup{});
        QVERIFY(!QFile::exists(ProgramFolder::grupsCfg(dir.path())));
    }

    void grupWriteAtItsRecord() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("Inf");
        ConfigGrup c;
        c.Activitats = "011111111";
        c.OpcResta = 1;
        c.Nivells = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        c.NomNivell = QString::fromUtf8("Nivell genèric");
        QVERIFY(DesarConfigGrup(dir.path(), 3, c));
        const QByteArray bytes = readAll(ProgramFolder::grupsCfg(dir.path()));
        QCOMPARE(bytes.size(), 3 * 119);
        QCOMPARE(bytes.left(238), QByteArray(238, '\0'));
        QCOMPARE(bytes.mid(238), grupRecord("011111111", 1, "\x01\x02\x03\x04\x05\x06\x07\x08\x09",
                                            "Nivell gen\xE8ric"));
        QCOMPARE(LlegirConfigGrup(dir.path(), 3), c);
    }

    void nivellsZeroCountsAsTen() {
        ConfigGrup c;
        c.Nivells[4] = 0;
        c.Nivells[5] = 3;
        QCOMPARE(c.nivells(5), 10);
        QCOMPARE(c.nivells(6), 3);
    }

    void canviaCaracter_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("first") << QByteArray("111111111") << 1 << QByteArray("011111111");
        QTest::newRow("last") << QByteArray("111111111") << 9 << QByteArray("111111110");
        QTest::newRow("middle") << QByteArray("111111111") << 5 << QByteArray("111101111");
        QTest::newRow("past the end unchanged") << QByteArray("111") << 4 << QByteArray("111");
        QTest::newRow("zero unchanged") << QByteArray("111") << 0 << QByteArray("111");
    }
    void canviaCaracter() {
        QFETCH(QByteArray, text);
        QFETCH(int, n);
        QFETCH(QByteArray, result);
        QCOMPARE(CanviaCaracter('0', text, n), result);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_Config.moc"
