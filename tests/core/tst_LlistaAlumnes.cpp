#include "LlistaAlumnes.h"

#include <QTest>

namespace {

Registre pupil(int numero, const QString& nom, std::array<uint8_t, 9> nivells,
               const QString& imatge = {}) {
    Registre r;
    r.Numero = uint8_t(numero);
    r.Nom = nom;
    r.Nivell = nivells;
    r.Imatge = imatge;
    return r;
}

FilaAlumne row(const QString& numero, const QString& nom, const QString& nivell1,
               const QString& posicio) {
    FilaAlumne f = {numero, nom, nivell1};
    for (int a = 2; a <= 9; ++a)
        f << "1";
    f << posicio << QString();
    return f;
}

QStringList numbersOf(const QList<FilaAlumne>& files) {
    QStringList out;
    for (const FilaAlumne& f : files)
        out << f.value(0) + "@" + f.value(11);
    return out;
}

} // namespace

class TestLlistaAlumnes : public QObject {
    Q_OBJECT
private slots:
    void rowOfRecord() {
        const FilaAlumne f =
            LlistaAlumnes::fila(pupil(7, "ANNA", {3, 1, 10, 0, 0, 2, 1, 1, 9}, "anna.bmp"), 4);
        QCOMPARE(f.size(), 13);
        QCOMPARE(f[0], "7");
        QCOMPARE(f[1], "ANNA" + QString(31, u' '));
        QCOMPARE(f.mid(2, 9), (QStringList{"3", "1", "10", "-", "-", "2", "1", "1", "9"}));
        QCOMPARE(f[11], "4");
        QCOMPARE(f[12], "anna.bmp" + QString(12, u' '));
        QCOMPARE(LlistaAlumnes::textFila(f), "7\tANNA" + QString(31, u' ') +
                                                 "\t3\t1\t10\t-\t-\t2\t1\t1\t9\t4\tanna.bmp" +
                                                 QString(12, u' '));
    }

    void rowShowsWhatTheFileWillHold() {
        const FilaAlumne f = LlistaAlumnes::fila(
            pupil(1, QString(40, u'N'), {}, QString::fromUtf8("ŁÓDŹ_abcdefghijklmnopqrstu")), 1);
        QCOMPARE(f[1], QString(35, u'N'));
        QCOMPARE(f[12], QString::fromUtf8("?ÓD?_abcdefghijklmno"));
    }

    void recordOfRow() {
        const FilaAlumne f = {"12", "PERE   ", "-", "2", "10", "-",      "5",
                              "1",  "1",       "1", "4", "9",  "p.gif  "};
        const Registre r = LlistaAlumnes::registre(f);
        QCOMPARE(int(r.Numero), 12);
        QCOMPARE(r.Nom, "PERE   ");
        QCOMPARE(r.Nivell, (std::array<uint8_t, 9>{0, 2, 10, 0, 5, 1, 1, 1, 4}));
        QCOMPARE(r.Imatge, "p.gif  ");
        QCOMPARE(LlistaAlumnes::posicio(f), 9);
    }

    void roundTripKeepsEveryField() {
        const Registre r = pupil(255, QString::fromUtf8("Núria Puig") + QString(25, u' '),
                                 {1, 2, 3, 4, 5, 6, 7, 8, 0}, "n.bmp" + QString(15, u' '));
        QCOMPARE(LlistaAlumnes::registre(LlistaAlumnes::fila(r, 3)), r);
    }

    void levelText_data() {
        QTest::addColumn<int>("nivell");
        QTest::addColumn<QString>("text");
        QTest::newRow("finished") << 0 << "-";
        QTest::newRow("first") << 1 << "1";
        QTest::newRow("two digits") << 10 << "10";
    }
    void levelText() {
        QFETCH(int, nivell);
        QFETCH(QString, text);
        QCOMPARE(LlistaAlumnes::textNivell(nivell), text);
        QCOMPARE(LlistaAlumnes::nivellDeText(text), nivell);
    }

    void sortsNumbersByValueThenNextColumns() {
        QList<FilaAlumne> files = {
            row("10", "ZOE", "1", "1"),  row("9", "MARC", "1", "2"), row("2", "pau", "3", "3"),
            row("2", "PAU", "-", "4"),   row("2", "Pau", "3", "5"),  row("100", "A", "1", "6"),
            row("2", "ANNA", "10", "7"), row("2", "ANNA", "9", "8"),
        };
        LlistaAlumnes::ordena(files);
        QCOMPARE(numbersOf(files),
                 (QStringList{"2@8", "2@7", "2@4", "2@3", "2@5", "9@2", "10@1", "100@6"}));
    }

    void limitOfOneHundredPupils_data() {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("empty") << 0 << true;
        QTest::newRow("99 pupils, 100 grid rows") << 99 << true;
        QTest::newRow("100 pupils, 101 grid rows") << 100 << false;
        QTest::newRow("over the limit") << 130 << false;
    }
    void limitOfOneHundredPupils() {
        QFETCH(int, pupils);
        QFETCH(bool, allowed);
        QCOMPARE(LlistaAlumnes::potAfegir(pupils), allowed);
    }

    void newPosition_data() {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<int>("posicio");
        QTest::newRow("empty list") << QStringList{} << 1;
        QTest::newRow("no gaps") << QStringList{"1", "2", "3"} << 4;
        QTest::newRow("sorted by number, not position") << QStringList{"3", "1", "2"} << 4;
        QTest::newRow("empty slot 2 is reused, record 3 kept") << QStringList{"1", "3"} << 2;
        QTest::newRow("empty first slot") << QStringList{"2", "3"} << 1;
    }
    void newPosition() {
        QFETCH(QStringList, held);
        QFETCH(int, posicio);
        QList<FilaAlumne> files;
        for (const QString& p : held)
            files << row("1", "X", "1", p);
        QCOMPARE(LlistaAlumnes::posicioNova(files), posicio);
    }

    void levelAfterPassing_data() {
        QTest::addColumn<int>("jugat");
        QTest::addColumn<int>("nivells");
        QTest::addColumn<int>("nou");
        QTest::newRow("last of 10") << 10 << 10 << 0;
        QTest::newRow("3 of 10") << 3 << 10 << 4;
        QTest::newRow("9 of 10") << 9 << 10 << 10;
        QTest::newRow("last of 4") << 4 << 4 << 0;
        QTest::newRow("byte 0 counts as 10, level 9") << 9 << 0 << 10;
        QTest::newRow("byte 0 counts as 10, level 10") << 10 << 0 << 0;
        QTest::newRow("count lowered below the pupil") << 7 << 5 << 0;
        QTest::newRow("count beyond 10 stops at 10") << 10 << 12 << 0;
    }
    void levelAfterPassing() {
        QFETCH(int, jugat);
        QFETCH(int, nivells);
        QFETCH(int, nou);
        QCOMPARE(LlistaAlumnes::nivellDespresDeSuperar(jugat, nivells), nou);
    }

    void applyingALevelChangesOnlyThatActivity() {
        Registre r = pupil(5, "JAN", {1, 2, 3, 4, 5, 6, 7, 8, 9}, "j.bmp");
        FilaAlumne f = LlistaAlumnes::fila(r, 2);
        Registre expected = r;
        expected.Nivell[4] = 0;
        FilaAlumne expectedRow = f;
        expectedRow[6] = "-";
        LlistaAlumnes::aplicaNivell(r, f, 5, 0);
        QCOMPARE(r, expected);
        QCOMPARE(f, expectedRow);
    }
};

QTEST_GUILESS_MAIN(TestLlistaAlumnes)
#include "tst_LlistaAlumnes.moc"
