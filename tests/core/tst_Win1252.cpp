#include "Rutes.h"
#include "SafeName.h"
#include "Taula.h"
#include "Win1252.h"

namespace {

struct Nom {
    const char* nom;
    QString text, fitxer;
};
// Names that would leave their folder, or name none, made safe.
const Nom kInsegurs[] = {
    {"slash", "a/b", "a_b"},
    {"backslash", "a\\b", "a_b"},
    {"parent", "../x", "___x"},
    {"parent twice", "../../etc/passwd", "______etc_passwd"},
    {"only dots", "..", "__"},
    {"dots inside", "a..b", "a__b"},
    {"dot", ".", "_"},
    {"empty", "", "_"},
    {"blanks", "   ", "_"},
    {"tab and newline", "A\tB\nC", "A_B_C"},
    {"delete character", "X\x7F", "X_"},
    {"absolute", "/tmp/x", "_tmp_x"},
};
const Nom kSegurs[] = {
    {"plain", "ANNA", "ANNA"},
    {"surrounding blanks trimmed", "  ANNA M   ", "ANNA M"},
    {"accents", "Núria Güell Ferrà", "Núria Güell Ferrà"},
    {"ela geminada and cedilla", "Col·lecció", "Col·lecció"},
    {"single dots", "J.M. Pérez", "J.M. Pérez"},
    {"apostrophe", "N'Arnau", "N'Arnau"},
};

// True when `path`, once "." and ".." are resolved, is a file directly inside `folder`.
bool directlyInside(const QString& path, const QString& folder) {
    return QFileInfo(QDir::cleanPath(path)).absolutePath() == folder;
}

} // namespace

class TestWin1252 : public QObject {
    Q_OBJECT
private slots:
    // Every byte reads and writes back as itself, so a stored name or password keeps its bytes;
    // the five bytes the code page leaves undefined read as the C1 control of the same value.
    void everyByteRoundTrips() {
        for (int b = 0; b < 256; ++b)
            QCOMPARE(Win1252::encode(Win1252::decode(QByteArray(1, char(b)))),
                     QByteArray(1, char(b)));
        QCOMPARE(Win1252::decode("\x81\x8D\x8F\x90\x9D"),
                 QString::fromUtf16(u"\x81\x8D\x8F\x90\x9D"));
        const QString text = QString::fromUtf8("ANNA Ordenació·ç €‘’“” ÑÜ");
        const QByteArray bytes("ANNA Ordenaci\xF3\xB7\xE7 \x80\x91\x92\x93\x94 \xD1\xDC");
        QCOMPARE(Win1252::encode(text), bytes);
        QCOMPARE(Win1252::decode(bytes), text);
        // What the code page cannot hold is '?', one for each character.
        QCOMPARE(Win1252::encode(QString::fromUtf8("αβ A😀B Łódź")), QByteArray("?? A?B ?\xF3"
                                                                               "d?"));
        QCOMPARE(Win1252::field("AB", 5), QByteArray("AB   "));
        QCOMPARE(Win1252::field("ABCDEFG", 3), QByteArray("ABC"));
        QCOMPARE(Win1252::field(QString::fromUtf8("ÀÈ"), 3), QByteArray("\xC0\xC8 "));
    }

    void unsafeNamesStayInsideTheirFolder_data() { files(kInsegurs); }
    void unsafeNamesStayInsideTheirFolder() {
        const Nom& n = fila(kInsegurs);
        QVERIFY(!SafeName::esValid(n.text));
        QCOMPARE(SafeName::nomFitxer(n.text), n.fitxer);
        QVERIFY(directlyInside(RutaHistorial("/prog", n.text), "/prog/Inf/Hst"));
        QVERIFY(directlyInside(RutaNivell("/prog", n.text), "/prog/Inf/Niv"));
        QVERIFY(directlyInside(RutaCopiaNivell("/prog", n.text), "/prog/Inf/Niv"));
    }

    void ordinaryNamesAreKept_data() { files(kSegurs); }
    void ordinaryNamesAreKept() {
        const Nom& n = fila(kSegurs);
        QVERIFY(SafeName::esValid(n.text));
        QCOMPARE(RutaHistorial("/prog", n.text), "/prog/Inf/Hst/" + n.fitxer + ".rtf");
        QCOMPARE(RutaNivell("/prog", n.text), "/prog/Inf/Niv/" + n.fitxer + ".niv");
        QCOMPARE(RutaCopiaNivell("/prog", n.text), "/prog/Inf/Niv/" + n.fitxer + ".ni2");
    }

    // The group's name in the language names its pupil file.
    void recordFileOfAGroup() {
        QCOMPARE(RutaRegistres("/prog", 1, 0), "/prog/Inf/Dat/Dofins.dat");
        QCOMPARE(RutaRegistres("/prog", 1, 1), "/prog/Inf/Dat/Delfines.dat");
        QCOMPARE(RutaRegistres("/prog", 1, 2), QString::fromUtf8("/prog/Inf/Dat/Golfiños.dat"));
        QCOMPARE(RutaRegistres("/prog", 14, 0), "/prog/Inf/Dat/Ossos Polars.dat");
        QCOMPARE(RutaRegistres("/prog", 16, 3), "/prog/Inf/Dat/Jirafak.dat");
    }
};

QTEST_GUILESS_MAIN(TestWin1252)
#include "tst_Win1252.moc"
