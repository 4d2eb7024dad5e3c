#include "AssignacioNivell.h"
#include "ProgramFolder.h"
#include "Sessio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kGrup = 2; // "Lloros" in Catalan

QByteArray llegeix(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestAssignacioNivell : public QObject {
    Q_OBJECT
private slots:
    // The list, the entry selected, `Actual` and the name stored by either button.
    void assigna_data() {
        QTest::addColumn<QStringList>("jocs");  // .niv files in Inf/Niv
        QTest::addColumn<QString>("nomNivell"); // the group's set
        QTest::addColumn<int>("tria");          // entry chosen before closing, -1 none
        QTest::addColumn<bool>("accepta");
        QTest::addColumn<QStringList>("llista");
        QTest::addColumn<int>("seleccionat");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("desat");
        const QStringList tres{"Bàsic", "mitjà", "Zeta"};
        QTest::newRow("group's set selected")
            << tres << " Zeta " << -1 << true << tres << 2 << "Zeta"
            << "Zeta";
        QTest::newRow("another chosen, accepted")
            << tres << "Zeta" << 1 << true << tres << 2 << "Zeta"
            << "mitjà";
        QTest::newRow("another chosen, cancelled")
            << tres << "Zeta" << 0 << false << tres << 2 << "Zeta"
            << "Zeta";
        QTest::newRow("set gone: first entry, name kept")
            << tres << "Vell" << -1 << true << tres << 0 << "Vell"
            << "Bàsic";
        QTest::newRow("empty folder: the group's set")
            << QStringList{} << "" << -1 << false << QStringList{"Lloros"} << 0 << "Lloros"
            << "Lloros";
    }
    void assigna() {
        QFETCH(QStringList, jocs);
        QFETCH(QString, nomNivell);
        QFETCH(int, tria);
        QFETCH(bool, accepta);
        QFETCH(QStringList, llista);
        QFETCH(int, seleccionat);
        QFETCH(QString, actual);
        QFETCH(QString, desat);

        QTemporaryDir dir;
        QDir(dir.path()).mkpath("Inf/Niv");
        for (const QString& j : jocs) {
            QFile f(dir.filePath("Inf/Niv/" + j + ".niv"));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Sessio sessio;
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = kGrup;
        sessio.grup.Activitats = "101010101";
        sessio.grup.Nivells = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        sessio.grup.NomNivell = nomNivell;

        AssignacioNivell a(sessio);
        QCOMPARE(a.llista(), llista);
        QCOMPARE(a.seleccionat(), seleccionat);
        QCOMPARE(a.actual(), actual);
        QCOMPARE(a.triat(), llista[seleccionat]);
        if (tria >= 0)
            a.selecciona(tria);
        QVERIFY(a.tanca(accepta));

        // Record 2 of Grups.cfg, record 1 left as zeros.
        QByteArray record = "101010101";
        record += '\0';
        record += QByteArray("\1\2\3\4\5\6\7\x08\x09");
        record += desat.toLatin1().leftJustified(100, ' ');
        QCOMPARE(llegeix(ProgramFolder::grupsCfg(dir.path())), QByteArray(119, '\0') + record);
        if (jocs.isEmpty())
            QCOMPARE(QFileInfo(dir.filePath("Inf/Niv/Lloros.niv")).size(), 1260);
    }
};

QTEST_GUILESS_MAIN(TestAssignacioNivell)
#include "tst_AssignacioNivell.moc"
