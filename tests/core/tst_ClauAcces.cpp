#include "ClauAcces.h"
#include "ConfigGeneral.h"

#include <QTest>

namespace {

ConfigGeneral withClau(const QByteArray& clau) {
    ConfigGeneral c;
    c.Clau = clau;
    return c;
}

} // namespace

class TestClauAcces : public QObject {
    Q_OBJECT
private slots:
    void caracter_data() {
        QTest::addColumn<uint>("typed");
        QTest::addColumn<uint>("kept");
        QTest::newRow("a") << uint('a') << uint('A');
        QTest::newRow("z") << uint('z') << uint('Z');
        QTest::newRow("upper stays") << uint('Q') << uint('Q');
        QTest::newRow("0, the first code taken") << uint('0') << uint('0');
        QTest::newRow("9") << uint('9') << uint('9');
        QTest::newRow(":") << uint(':') << uint(':');
        QTest::newRow("@") << uint('@') << uint('@');
        QTest::newRow("_") << uint('_') << uint('_');
        QTest::newRow("~") << uint('~') << uint('~');
        QTest::newRow("/, the last code refused") << uint('/') << 0u;
        QTest::newRow("space") << uint(' ') << 0u;
        QTest::newRow("!") << uint('!') << 0u;
        QTest::newRow("-") << uint('-') << 0u;
        QTest::newRow(".") << uint('.') << 0u;
        QTest::newRow("tab") << uint('\t') << 0u;
        QTest::newRow("backspace as a character") << 8u << 0u;
        QTest::newRow("DEL") << 0x7Fu << 0u;
        QTest::newRow("C1 control") << 0x85u << 0u;
        QTest::newRow("no-break space") << 0xA0u << 0u;
        QTest::newRow("soft hyphen") << 0xADu << 0u;
        QTest::newRow("à") << 0xE0u << 0xC0u;
        QTest::newRow("ç") << 0xE7u << 0xC7u;
        QTest::newRow("ñ") << 0xF1u << 0xD1u;
        QTest::newRow("ÿ to Ÿ, held at 0x9F") << 0xFFu << 0x178u;
        QTest::newRow("œ to Œ") << 0x153u << 0x152u;
        QTest::newRow("ß has no single upper case") << 0xDFu << 0xDFu;
        QTest::newRow("€") << 0x20ACu << 0x20ACu;
        QTest::newRow("µ, whose upper case 1252 cannot hold") << 0xB5u << 0u;
        QTest::newRow("Ω") << 0x3A9u << 0u;
        QTest::newRow("ł") << 0x142u << 0u;
        QTest::newRow("emoji") << 0x1F600u << 0u;
    }
    void caracter() {
        QFETCH(uint, typed);
        QFETCH(uint, kept);
        QCOMPARE(uint(ClauAcces::caracter(char32_t(typed))), kept);
    }

    void filtra_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("a, b, space, 1") << "ab 1" << 4 << "AB1" << 3;
        QTest::newRow("punctuation below 0") << "a.b-c/d" << 7 << "ABCD" << 4;
        QTest::newRow("cursor at the start") << "xyz" << 0 << "XYZ" << 0;
        QTest::newRow("space pasted in the middle") << "A xB" << 3 << "AXB" << 2;
        QTest::newRow("accents") << "mañana" << 6 << "MAÑANA" << 6;
        QTest::newRow("ten typed keep eight") << "abcdefghij" << 10 << "ABCDEFGH" << 8;
        QTest::newRow("ninth typed at the end") << "ABCDEFGHI" << 9 << "ABCDEFGH" << 8;
        QTest::newRow("ninth typed in the middle") << "ABXCDEFGH" << 3 << "ABCDEFGH" << 2;
        QTest::newRow("paste into a full box") << "ABxyzCDEFGH" << 5 << "ABCDEFGH" << 2;
        QTest::newRow("long paste keeps its head") << "ABcdefghijkl" << 12 << "ABCDEFGH" << 8;
        QTest::newRow("paste with blanks") << "ab 12 cd 34" << 11 << "AB12CD34" << 8;
        QTest::newRow("emoji") << "a\U0001F600b" << 4 << "AB" << 2;
        QTest::newRow("lone surrogate") << QString("a") + QChar(0xD800) + "b" << 3 << "AB" << 2;
        QTest::newRow("empty") << "" << 0 << "" << 0;
    }
    void filtra() {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, shown);
        QFETCH(int, cursorAfter);
        QCOMPARE(ClauAcces::filtra(text, &cursor), shown);
        QCOMPARE(cursor, cursorAfter);
        // What the box shows passes the filter unchanged.
        QCOMPARE(ClauAcces::filtra(shown), shown);
    }

    void concedeix_data() {
        QTest::addColumn<QByteArray>("clau");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("granted");
        const QByteArray tuxam("TUXAM   ");
        QTest::newRow("lower case") << tuxam << "tuxam" << true;
        QTest::newRow("upper case") << tuxam << "TUXAM" << true;
        QTest::newRow("mixed case") << tuxam << "TuXaM" << true;
        QTest::newRow("too short") << tuxam << "tuxa" << false;
        QTest::newRow("trailing space typed") << tuxam << "tuxam " << false;
        QTest::newRow("nothing typed") << tuxam << "" << false;
        QTest::newRow("blank password, nothing typed") << QByteArray(8, ' ') << "" << true;
        QTest::newRow("blank password, a space typed") << QByteArray(8, ' ') << " " << false;
        QTest::newRow("accents") << QByteArray("\xC0\xC7      ") << "àç" << true;
        QTest::newRow("ß") << QByteArray("STRA\xDF   ") << "straß" << true;
        QTest::newRow("eight characters") << QByteArray("ABCDEFGH") << "abcdefgh" << true;
        QTest::newRow("stored in lower case") << QByteArray("tuxam   ") << "TUXAM" << true;
        QTest::newRow("stored with leading spaces") << QByteArray("  TUXAM ") << "tuxam" << true;
        QTest::newRow("another password") << tuxam << "xifrum" << false;
    }
    void concedeix() {
        QFETCH(QByteArray, clau);
        QFETCH(QString, typed);
        QFETCH(bool, granted);
        QCOMPARE(ClauAcces::concedeix(typed, withClau(clau)), granted);
    }

    void novaClau_data() {
        QTest::addColumn<QString>("nova");
        QTest::addColumn<QByteArray>("clau");
        QTest::newRow("padded") << "ab1" << QByteArray("AB1     ");
        QTest::newRow("one character") << "x" << QByteArray("X       ");
        QTest::newRow("eight") << "ABCDEFGH" << QByteArray("ABCDEFGH");
        QTest::newRow("ten keep eight") << "abcdefghij" << QByteArray("ABCDEFGH");
        QTest::newRow("1252 bytes") << "àç€" << QByteArray("\xC0\xC7\x80     ");
    }
    void novaClau() {
        QFETCH(QString, nova);
        QFETCH(QByteArray, clau);
        QCOMPARE(ClauAcces::novaClau(nova), clau);
    }

    // Whatever the new-password box lets through, typed again at the prompt, opens the tools.
    void newPasswordOpensTheTools_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("letters and digits") << "abc123";
        QTest::newRow("accents") << "mañana";
        QTest::newRow("ß") << "straße";
        QTest::newRow("ÿ") << "ÿ";
        QTest::newRow("symbols from 0 up") << "@[]{}~";
    }
    void newPasswordOpensTheTools() {
        QFETCH(QString, typed);
        const QString shown = ClauAcces::filtra(typed);
        QCOMPARE(shown.size(), typed.size());
        ConfigGeneral stored = withClau(ClauAcces::novaClau(shown));
        stored = ConfigGeneral::decode(stored.encode());
        QVERIFY(ClauAcces::concedeix(typed, stored));
        QVERIFY(ClauAcces::concedeix(typed.toLower(), stored));
    }
};

QTEST_GUILESS_MAIN(TestClauAcces)
#include "tst_ClauAcces.moc"
