#include "Wingdings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>

namespace {

char32_t onlyCodePoint(const QString& s) {
    const QList<uint> ucs4 = s.toUcs4();
    return ucs4.size() == 1 ? char32_t(ucs4.first()) : 0;
}

} // namespace

class TestWingdings : public QObject {
    Q_OBJECT
private slots:
    void codes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("unicode");
        QTest::addColumn<uint>("lookAlike");
        QTest::newRow("cross 251") << 251 << 0x2717u << 0x2717u;
        QTest::newRow("check 252") << 252 << 0x2713u << 0x2713u;
        QTest::newRow("clock 191") << 191 << 0x1F558u << 0x1F558u;
        QTest::newRow("waiting digit ?") << int('?') << 0x270Du << 0x270Du;
        QTest::newRow("level heading 180") << 180 << 0x2BD1u << 0x2370u;
        QTest::newRow("editor column 195") << 195 << 0x2BB0u << 0x21B2u;
        QTest::newRow("editor column 196") << 196 << 0x2BB1u << 0x21B3u;
    }
    void codes() {
        QFETCH(int, code);
        QFETCH(uint, unicode);
        QFETCH(uint, lookAlike);
        QCOMPARE(uint(Wingdings::unicode(code)), unicode);

        const char32_t shown = onlyCodePoint(Wingdings::text(code));
        QVERIFY2(shown == unicode || shown == lookAlike,
                 qPrintable(QString::number(uint(shown), 16)));
        const QFont font = Wingdings::font(code, 18);
        QVERIFY2(QFontMetrics(font).inFontUcs4(shown), qPrintable(font.family()));
        QCOMPARE(font.pointSizeF(), 18.0);
        QCOMPARE(QFontMetrics(font).horizontalAdvance(Wingdings::text(code)) > 0, true);
    }

    // The glyphs of the accept and cancel buttons, of the board's digit cells and of the clock
    // column are drawn as themselves, never as a look-alike.
    void exactGlyphs_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("cross") << 251;
        QTest::newRow("check") << 252;
        QTest::newRow("waiting digit") << int('?');
        QTest::newRow("clock") << 191;
    }
    void exactGlyphs() {
        QFETCH(int, code);
        QCOMPARE(onlyCodePoint(Wingdings::text(code)), Wingdings::unicode(code));
        QVERIFY(QFontDatabase::families().contains(Wingdings::font(code).family()));
    }

    void unusedCode() {
        QCOMPARE(uint(Wingdings::unicode('A')), 0u);
        QVERIFY(Wingdings::text('A').isEmpty());
    }
};

QTEST_MAIN(TestWingdings)
#include "tst_Wingdings.moc"
