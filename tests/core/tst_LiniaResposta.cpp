#include "Atzar.h"
#include "DigitGrouping.h"
#include "LiniaResposta.h"
#include "Taula.h"

#include <limits>

namespace {

// `tecles` typed against `solucio`: one result per key (C complete, A advance, E error) and the
// line left on the board.
struct Escriptura {
    const char* nom;
    const char *solucio, *tecles, *resultats, *escrit;
};
const Escriptura kEscriptures[] = {
    {"right answer", "21", "21", "AC", "21"},
    {"wrong digit is not kept", "21", "231", "AEC", "21"},
    {"separator must be typed", "1.234", "12", "AE", "1"},
    {"separator typed", "1.234", "1.234", "AAAAC", "1.234"},
    {"blank separator", "12 345", "12 345", "AAAAAC", "12 345"},
    {"roman letters", "XIV", "XVIV", "AEAC", "XIV"},
    {"typing after complete is wrong", "5", "55", "CE", "5"},
};

struct Grup {
    const char* nom;
    qint64 valor;
    int separador;
    const char* text;
};
const Grup kGrups[] = {
    {"zero", 0, 0, "0"},
    {"three digits", 999, 0, "999"},
    {"point", 1234, 0, "1.234"},
    {"blank", 100000, 1, "100 000"},
    {"none", 100000000, 2, "100000000"},
    {"inner zeros", 1001001, 0, "1.001.001"},
    {"negative", -1234567, 0, "-1.234.567"},
    {"negative three digits", -123, 1, "-123"},
    {"most negative", std::numeric_limits<qint64>::min(), 0, "-9.223.372.036.854.775.808"},
    {"largest", std::numeric_limits<qint64>::max(), 1, "9 223 372 036 854 775 807"},
    {"damaged separator groups with nothing", 1234, 7, "1234"},
    {"negative separator", 1234, -1, "1234"},
};

} // namespace

class TestLiniaResposta : public QObject {
    Q_OBJECT
private slots:
    void typing_data() { files(kEscriptures); }
    void typing() {
        const Escriptura& e = fila(kEscriptures);
        LiniaResposta linia;
        linia.inicia(e.solucio);
        QString resultats;
        for (const char* k = e.tecles; *k; ++k)
            resultats += "CAE"[linia.caracter(QChar(*k))];
        QCOMPARE(resultats, QString(e.resultats));
        QCOMPARE(linia.escrit(), QString(e.escrit));
    }

    // The cursor turns red after a wrong key and hides once the answer is complete; help gives
    // the next right character.
    void cursorAndHelp() {
        LiniaResposta linia;
        linia.inicia("1.5");
        QVERIFY(linia.senyalVisible() && !linia.senyalVermell());
        QCOMPARE(linia.caracterAjuda(), QChar('1'));
        linia.caracter('9');
        QVERIFY(linia.senyalVermell());
        linia.caracter('1');
        QVERIFY(!linia.senyalVermell() && linia.senyalVisible());
        QCOMPARE(linia.caracterAjuda(), QChar('.'));
        linia.caracter('.');
        linia.caracter('5');
        QVERIFY(!linia.senyalVisible());
        QVERIFY(linia.caracterAjuda().isNull());
        linia.inicia("3");
        QVERIFY(linia.senyalVisible());
        QCOMPARE(linia.escrit(), QString());
    }

    void atzar() {
        Atzar a(7), b(7);
        int lows = 0, highs = 0;
        for (int i = 0; i < 20000; ++i) {
            const float r = a.r();
            QVERIFY(r >= 0.0f && r < 1.0f && r == b.r());
            const int v = a.entre(1, 9);
            QVERIFY(v >= 1 && v <= 9);
            lows += v == 1;
            highs += v == 9;
            b.r();
        }
        // Both ends are drawn: a range that loses its top value is a classic fault.
        QVERIFY(lows > 1000 && highs > 1000);
    }

    void digitGrouping_data() { files(kGrups); }
    void digitGrouping() {
        const Grup& g = fila(kGrups);
        QCOMPARE(DigitGrouping::group(g.valor, g.separador), QString(g.text));
        QCOMPARE(DigitGrouping::FormataNombre(g.valor, g.separador), g.text + QString("   "));
    }

    void separator() {
        QCOMPARE(DigitGrouping::separator(0), ".");
        QCOMPARE(DigitGrouping::separator(1), " ");
        QCOMPARE(DigitGrouping::separator(2), "");
        QCOMPARE(DigitGrouping::separator(255), "");
    }
};

QTEST_GUILESS_MAIN(TestLiniaResposta)
#include "tst_LiniaResposta.moc"
