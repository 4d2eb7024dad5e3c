#include "ActivitatCardinals.h"

#include "FakeContext.h"

#include <QTest>
#include <limits>

namespace {

using Tipus = ActivitatCardinals::Tipus;

// r = 15/64 is exact in single precision: 1000 + 15/64 × 1000 draws 1234 from 1000..1999.
constexpr float kR1234 = 0.234375f;

struct Board {
    FakeContext ctx;
    ScriptedAtzar scripted;
    ActivitatCardinals act;
    Board(Tipus tipus, int inferior, int superior, int sep, QList<float> rs, int idioma = 0)
        : scripted(std::move(rs)), act(tipus, ctx) {
        ctx.atzarPtr = &scripted;
        ctx.p1 = inferior;
        ctx.p2 = superior;
        ctx.sep = sep;
        ctx.lang = idioma;
        act.preparar();
    }

    // '?' asks for help; every other character comes from the physical keyboard, which the
    // series upper-cases and filters before the activity judges it.
    void prem(const QString& keys) {
        for (const QChar c : keys) {
            if (c == u'?')
                act.ajuda();
            else if (act.accepta(c.toUpper()))
                act.caracter(c.toUpper());
        }
    }
};

} // namespace

class TestActivitatCardinals : public QObject {
    Q_OBJECT
private slots:
    void typing_data() {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<int>("sep");
        QTest::addColumn<int>("inferior"); // the draw takes 1000 + 15/64 of the range
        QTest::addColumn<QString>("solucio");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("escrit");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("correctes");
        const int c = Tipus::Cardinals;
        const int o = Tipus::Ordinals;
        QTest::newRow("punt: the point typed") << c << 0 << 1000 << "1.234"
                                               << "1.234"
                                               << "1.234" << 0 << 1;
        QTest::newRow("punt: digit where the point goes") << c << 0 << 1000 << "1.234"
                                                          << "12"
                                                          << "1" << 1 << 0;
        QTest::newRow("punt: blank ignored") << c << 0 << 1000 << "1.234"
                                             << "1 "
                                             << "1" << 0 << 0;
        QTest::newRow("espai: the blank typed") << c << 1 << 1000 << "1 234"
                                                << "1 234"
                                                << "1 234" << 0 << 1;
        QTest::newRow("espai: point ignored") << c << 1 << 1000 << "1 234"
                                              << "1."
                                              << "1" << 0 << 0;
        QTest::newRow("cap: plain digits") << c << 2 << 1000 << "1234"
                                           << "1234"
                                           << "1234" << 0 << 1;
        QTest::newRow("cap: point ignored") << c << 2 << 1000 << "1234"
                                            << "1.2"
                                            << "12" << 0 << 0;
        QTest::newRow("leading zero") << c << 0 << 1000 << "1.234"
                                      << "01"
                                      << "1" << 1 << 0;
        QTest::newRow("help enters the point") << c << 0 << 1000 << "1.234"
                                               << "1?"
                                               << "1." << 0 << 0;
        QTest::newRow("zero") << c << 0 << 0 << "0"
                              << "0"
                              << "0" << 0 << 1;
        QTest::newRow("ordinal: never a separator") << o << 0 << 1000 << "1000"
                                                    << "1.000"
                                                    << "1000" << 0 << 1;
    }
    // Cardinals draw from inferior..inferior + 999; ordinals are held to 1000 at most.
    void typing() {
        QFETCH(int, tipus);
        QFETCH(int, sep);
        QFETCH(int, inferior);
        QFETCH(QString, solucio);
        QFETCH(QString, keys);
        QFETCH(QString, escrit);
        QFETCH(int, errors);
        QFETCH(int, correctes);
        Board b(Tipus(tipus), inferior, inferior == 0 ? 0 : inferior + 999, sep, {kR1234});
        QCOMPARE(b.act.solucio(), solucio);
        b.prem(keys);
        QCOMPARE(b.act.linia().escrit(), escrit);
        QCOMPARE(b.ctx.errors, errors);
        QCOMPARE(b.ctx.correctes, correctes);
        QCOMPARE(b.act.completa(), correctes == 1);
    }

    void onScreenKeys_data() {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<int>("sep");
        QTest::addColumn<int>("inferior");
        QTest::addColumn<int>("superior");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("teclat");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<bool>("blanc");
        const int c = Tipus::Cardinals;
        const int o = Tipus::Ordinals;
        QTest::newRow("cardinals punt 999") << c << 0 << 1 << 999 << 0 << 0 << "." << false;
        QTest::newRow("cardinals punt 1000") << c << 0 << 1 << 1000 << 0 << 1 << "." << false;
        QTest::newRow("cardinals espai 1000") << c << 1 << 1 << 1000 << 0 << 1 << "Espai" << true;
        QTest::newRow("cardinals espai in spanish")
            << c << 1 << 1 << 1000 << 1 << 1 << QString::fromUtf8("Espacio") << true;
        QTest::newRow("cardinals cap 1000") << c << 2 << 1 << 1000 << 0 << 0 << "." << false;
        QTest::newRow("cardinals cap 999 999 999")
            << c << 2 << 1 << 999999999 << 0 << 0 << "." << false;
        QTest::newRow("damaged separator like cap")
            << c << 9 << 1 << 5000 << 0 << 0 << "." << false;
        QTest::newRow("superior below inferior") << c << 0 << 4000 << -5 << 0 << 1 << "." << false;
        QTest::newRow("ordinals 999") << o << 0 << 1 << 999 << 0 << 0 << "." << false;
        QTest::newRow("ordinals 1000") << o << 0 << 1 << 1000 << 0 << 1 << "." << false;
        QTest::newRow("ordinals cap 1000") << o << 2 << 1 << 1000 << 0 << 1 << "." << false;
        QTest::newRow("ordinals espai 1000") << o << 1 << 1 << 1000 << 0 << 1 << "." << false;
    }
    void onScreenKeys() {
        QFETCH(int, tipus);
        QFETCH(int, sep);
        QFETCH(int, inferior);
        QFETCH(int, superior);
        QFETCH(int, idioma);
        QFETCH(int, teclat);
        QFETCH(QString, extra);
        QFETCH(bool, blanc);
        Board b(Tipus(tipus), inferior, superior, sep, {0.5f}, idioma);
        QCOMPARE(b.act.teclat(), teclat);
        QCOMPARE(b.act.teclaExtra(), extra);
        QCOMPARE(b.act.teclaExtraBlanc(), blanc);
        b.act.novaOperacio();
        QCOMPARE(b.act.teclat(), teclat); // chosen once for the series
    }

    void physicalKeys_data() {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<int>("sep");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        const int c = Tipus::Cardinals;
        const int o = Tipus::Ordinals;
        QTest::newRow("cardinal digit") << c << 2 << QChar(u'7') << true;
        QTest::newRow("cardinal punt") << c << 0 << QChar(u'.') << true;
        QTest::newRow("cardinal punt refuses blank") << c << 0 << QChar(u' ') << false;
        QTest::newRow("cardinal espai") << c << 1 << QChar(u' ') << true;
        QTest::newRow("cardinal espai refuses point") << c << 1 << QChar(u'.') << false;
        QTest::newRow("cardinal cap refuses point") << c << 2 << QChar(u'.') << false;
        QTest::newRow("cardinal letter") << c << 0 << QChar(u'A') << false;
        QTest::newRow("ordinal digit") << o << 0 << QChar(u'0') << true;
        QTest::newRow("ordinal point") << o << 0 << QChar(u'.') << false;
        QTest::newRow("ordinal blank") << o << 1 << QChar(u' ') << false;
        QTest::newRow("ordinal minus") << o << 0 << QChar(u'-') << false;
    }
    void physicalKeys() {
        QFETCH(int, tipus);
        QFETCH(int, sep);
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        Board b(Tipus(tipus), 1, 1000, sep, {0.5f});
        QCOMPARE(b.act.accepta(key), accepted);
    }

    // The extra key of Ordinals types "." unfiltered, and no ordinal answer holds one.
    void ordinalExtraKeyIsWrong() {
        Board b(Tipus::Ordinals, 1000, 1000, 0, {0.0f});
        b.act.caracter(u'1');
        b.act.caracter(u'.');
        QCOMPARE(b.act.linia().escrit(), QStringLiteral("1"));
        QCOMPARE(b.ctx.errors, 1);
        QVERIFY(b.act.linia().senyalVermell());
    }

    void phrases_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("cardinal");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("catalan") << 0 << "MIL DOS-CENTS TRENTA-QUATRE"
                                 << QString::fromUtf8("VINT-I-UNÈ");
        QTest::newRow("spanish") << 1 << "MIL DOSCIENTOS TREINTA Y CUATRO"
                                 << QString::fromUtf8("VIGÉSIMO PRIMERO");
        QTest::newRow("galician") << 2 << "MIL DOUSCENTOS TRINTA E CATRO"
                                  << QString::fromUtf8("VIXÉSIMO PRIMEIRO");
        QTest::newRow("basque") << 3 << "MILA BERREHUN ETA HOGEITA HAMALAU"
                                << "HOGEITA LEHENGO";
    }
    // 1234 as a cardinal (1000..1999) and 21 as an ordinal (1..64, r = 5/16).
    void phrases() {
        QFETCH(int, idioma);
        QFETCH(QString, cardinal);
        QFETCH(QString, ordinal);
        Board c(Tipus::Cardinals, 1000, 1999, 1, {kR1234}, idioma);
        QCOMPARE(c.act.nombre(), 1234);
        QCOMPARE(c.act.pregunta().trimmed(), cardinal);
        QCOMPARE(c.act.solucio(), QStringLiteral("1 234"));
        Board o(Tipus::Ordinals, 1, 64, 1, {0.3125f}, idioma);
        QCOMPARE(o.act.nombre(), 21);
        QCOMPARE(o.act.pregunta().trimmed(), ordinal);
        QCOMPARE(o.act.solucio(), QStringLiteral("21"));
    }

    void draw_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("solucio");
        QTest::newRow("r 0: the smallest") << 0.0f << 0 << "0";
        QTest::newRow("r 0.5") << 0.5f << 1000 << "1.000";
        QTest::newRow("largest r: the largest") << 0.99999994f << 1999 << "1.999";
    }
    void draw() {
        QFETCH(float, r);
        QFETCH(int, nombre);
        QFETCH(QString, solucio);
        Board b(Tipus::Cardinals, 0, 1999, 0, {r});
        QCOMPARE(b.act.nombre(), nombre);
        QCOMPARE(b.act.solucio(), solucio);
    }

    void nextExercise() {
        Board b(Tipus::Cardinals, 0, 1999, 0, {kR1234 / 2, 0.5f}); // 234, then 1000
        QCOMPARE(b.act.solucio(), QStringLiteral("234"));
        b.prem(QStringLiteral("239"));
        QVERIFY(b.act.linia().senyalVermell());
        b.act.novaOperacio();
        QCOMPARE(b.act.pregunta(), QStringLiteral(" MIL "));
        QCOMPARE(b.act.solucio(), QStringLiteral("1.000"));
        QVERIFY(b.act.linia().escrit().isEmpty());
        QVERIFY(b.act.linia().senyalVisible());
        QVERIFY(!b.act.linia().senyalVermell());
        QVERIFY(!b.act.completa());
    }

    // English has no number words: the question and the answer stay as they were, and nothing
    // is drawn.
    void languageWithoutWords() {
        Board b(Tipus::Cardinals, 0, 1999, 0, {0.5f}, 4);
        QVERIFY(b.act.pregunta().isEmpty());
        QVERIFY(b.act.solucio().isEmpty());
        b.act.ajuda();
        b.act.caracter(u'1');
        QCOMPARE(b.ctx.errors, 1);
        QCOMPARE(b.ctx.correctes, 0);
    }

    void hostileParameters_data() {
        QTest::addColumn<int>("tipus");
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<qint64>("lowest");
        QTest::addColumn<qint64>("highest");
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        const int c = Tipus::Cardinals;
        const int o = Tipus::Ordinals;
        QTest::newRow("cardinal reversed") << c << 5000 << 10 << qint64(5000) << qint64(5000);
        QTest::newRow("cardinal negative") << c << -50 << -1 << qint64(0) << qint64(0);
        QTest::newRow("cardinal huge") << c << 0 << kMax << qint64(0) << qint64(999999999);
        QTest::newRow("cardinal int extremes")
            << c << kMin << kMax << qint64(0) << qint64(999999999);
        QTest::newRow("cardinal single") << c << 77 << 77 << qint64(77) << qint64(77);
        QTest::newRow("ordinal zero") << o << 0 << 0 << qint64(1) << qint64(1);
        QTest::newRow("ordinal huge") << o << 900 << kMax << qint64(900) << qint64(1000);
        QTest::newRow("ordinal reversed extremes")
            << o << kMax << kMin << qint64(1000) << qint64(1000);
    }
    // Every number stays within the words' range and every exercise can be finished.
    void hostileParameters() {
        QFETCH(int, tipus);
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(qint64, lowest);
        QFETCH(qint64, highest);
        FakeContext ctx;
        ctx.p1 = p1;
        ctx.p2 = p2;
        ActivitatCardinals act(Tipus(tipus), ctx);
        act.preparar();
        for (int i = 0; i < 50; ++i) {
            QVERIFY(act.nombre() >= lowest && act.nombre() <= highest);
            QVERIFY(!act.pregunta().trimmed().isEmpty());
            for (int k = 0; k < 12 && !act.completa(); ++k)
                act.ajuda();
            QVERIFY(act.completa());
            act.novaOperacio();
        }
        QCOMPARE(ctx.correctes, 50);
        QCOMPARE(ctx.errors, 0);
    }
};

QTEST_GUILESS_MAIN(TestActivitatCardinals)
#include "tst_ActivitatCardinals.moc"
