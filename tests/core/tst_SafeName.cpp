#include "Rutes.h"
#include "SafeName.h"
#include "StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

// True when `path`, once "." and ".." are resolved, is a file directly inside `folder`.
bool directlyInside(const QString& path, const QString& folder) {
    return QFileInfo(QDir::cleanPath(path)).absolutePath() == QDir::cleanPath(folder);
}

} // namespace

class TestSafeName : public QObject {
    Q_OBJECT
private slots:
    void unsafeNamesStayInsideTheirFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("slash") << "a/b"
                               << "a_b";
        QTest::newRow("backslash") << "a\\b"
                                   << "a_b";
        QTest::newRow("parent") << "../x"
                                << "___x";
        QTest::newRow("parent twice") << "../../etc/passwd"
                                      << "______etc_passwd";
        QTest::newRow("only dots") << ".."
                                   << "__";
        QTest::newRow("dots inside") << "a..b"
                                     << "a__b";
        QTest::newRow("dot") << "."
                             << "_";
        QTest::newRow("empty") << ""
                               << "_";
        QTest::newRow("blanks") << "   "
                                << "_";
        QTest::newRow("tab and newline") << "A\tB\nC"
                                         << "A_B_C";
        QTest::newRow("delete character") << QString("X") + QChar(0x7F) << "X_";
        QTest::newRow("absolute") << "/tmp/x"
                                  << "_tmp_x";
    }
    void unsafeNamesStayInsideTheirFolder() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QVERIFY(!SafeName::esValid(name));
        QCOMPARE(SafeName::nomFitxer(name), file);

        const QString folder = "/prog";
        QVERIFY(directlyInside(RutaHistorial(folder, name), folder + "/Inf/Hst"));
        QVERIFY(directlyInside(RutaNivell(folder, name), folder + "/Inf/Niv"));
        QVERIFY(directlyInside(RutaCopiaNivell(folder, name), folder + "/Inf/Niv"));
    }

    void ordinaryNamesAreKept_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "ANNA"
                               << "ANNA";
        QTest::newRow("surrounding blanks trimmed") << "  ANNA M   "
                                                    << "ANNA M";
        QTest::newRow("accents") << QString::fromUtf8("Núria Güell Ferrà")
                                 << QString::fromUtf8("Núria Güell Ferrà");
        QTest::newRow("ela geminada and cedilla")
            << QString::fromUtf8("Col·lecció") << QString::fromUtf8("Col·lecció");
        QTest::newRow("single dots") << "J.M. Pérez"
                                     << "J.M. Pérez";
        QTest::newRow("apostrophe") << "N'Arnau"
                                    << "N'Arnau";
    }
    void ordinaryNamesAreKept() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QVERIFY(SafeName::esValid(name));
        QCOMPARE(SafeName::nomFitxer(name), file);
        QCOMPARE(RutaHistorial("/prog", name), "/prog/Inf/Hst/" + file + ".rtf");
        QCOMPARE(RutaNivell("/prog", name), "/prog/Inf/Niv/" + file + ".niv");
        QCOMPARE(RutaCopiaNivell("/prog", name), "/prog/Inf/Niv/" + file + ".ni2");
    }

    void recordFileIsNamedAfterTheGroupInTheLanguage_data() {
        QTest::addColumn<int>("grup");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("tail");
        QTest::newRow("group 1, Catalan") << 1 << 0 << "Inf/Dat/Dofins.dat";
        QTest::newRow("group 1, Spanish") << 1 << 1 << "Inf/Dat/Delfines.dat";
        QTest::newRow("group 1, Galician") << 1 << 2 << QString::fromUtf8("Inf/Dat/Golfiños.dat");
        QTest::newRow("group 14, Catalan") << 14 << 0 << "Inf/Dat/Ossos Polars.dat";
        QTest::newRow("group 16, Basque") << 16 << 3 << "Inf/Dat/Jirafak.dat";
    }
    void recordFileIsNamedAfterTheGroupInTheLanguage() {
        QFETCH(int, grup);
        QFETCH(int, idioma);
        QFETCH(QString, tail);
        QCOMPARE(RutaRegistres("/prog", grup, idioma), "/prog/" + tail);
    }
};

QTEST_GUILESS_MAIN(TestSafeName)
#include "tst_SafeName.moc"
