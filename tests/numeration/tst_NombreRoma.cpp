#include "NombreRoma.h"

#include <QTest>
#include <limits>
#include <optional>

namespace {

// Reads a numeral back by the subtractive rule alone: a letter worth less than the next one is
// taken away. Written apart from the digit tables, so that both must agree.
std::optional<int> readRoman(const QString& numeral) {
    auto value = [](QChar c) -> int {
        switch (c.unicode()) {
        case u'I':
            return 1;
        case u'V':
            return 5;
        case u'X':
            return 10;
        case u'L':
            return 50;
        case u'C':
            return 100;
        case u'D':
            return 500;
        case u'M':
            return 1000;
        default:
            return 0;
        }
    };
    if (numeral.isEmpty())
        return std::nullopt;
    int total = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const int v = value(numeral.at(i));
        if (v == 0)
            return std::nullopt;
        const int next = i + 1 < numeral.size() ? value(numeral.at(i + 1)) : 0;
        total += v < next ? -v : v;
    }
    return total;
}

// The standard form: no letter more than three times in a row, and V, L and D at most once.
bool isCanonical(const QString& numeral) {
    int run = 1;
    for (qsizetype i = 1; i < numeral.size(); ++i) {
        run = numeral.at(i) == numeral.at(i - 1) ? run + 1 : 1;
        if (run > 3)
            return false;
    }
    return numeral.count(u'V') <= 1 && numeral.count(u'L') <= 1 && numeral.count(u'D') <= 1;
}

} // namespace

class TestNombreRoma : public QObject {
    Q_OBJECT
private slots:
    void numerals_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("numeral");
        const std::pair<qint64, const char*> rows[] = {
            {1, "I"},           {4, "IV"},         {9, "IX"},           {14, "XIV"},
            {40, "XL"},         {90, "XC"},        {400, "CD"},         {900, "CM"},
            {1234, "MCCXXXIV"}, {1994, "MCMXCIV"}, {3999, "MMMCMXCIX"}, {3888, "MMMDCCCLXXXVIII"},
        };
        for (const auto& [n, numeral] : rows)
            QTest::addRow("%lld", n) << n << QString::fromLatin1(numeral);
    }
    void numerals() {
        QFETCH(qint64, n);
        QFETCH(QString, numeral);
        QCOMPARE(NombreRoma::numeral(n), numeral);
    }

    void numberText_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("separador");
        QTest::addColumn<QString>("text");
        QTest::newRow("1234 punt") << qint64(1234) << 0 << "1.234";
        QTest::newRow("1234 espai") << qint64(1234) << 1 << "1 234";
        QTest::newRow("1234 cap") << qint64(1234) << 2 << "1234";
        QTest::newRow("999 punt") << qint64(999) << 0 << "999";
        QTest::newRow("999 espai") << qint64(999) << 1 << "999";
        QTest::newRow("999 cap") << qint64(999) << 2 << "999";
        QTest::newRow("1000 punt") << qint64(1000) << 0 << "1.000";
        QTest::newRow("3999 espai") << qint64(3999) << 1 << "3 999";
    }
    void numberText() {
        QFETCH(qint64, n);
        QFETCH(int, separador);
        QFETCH(QString, text);
        QCOMPARE(NombreRoma::textNombre(n, separador), text);
    }

    // Outside 1..3999 the number is clamped, so numeral and number text still agree.
    void outOfRange_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("numeral");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "I"
                              << "1";
        QTest::newRow("negative") << qint64(-9) << "I"
                                  << "1";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "I"
                                       << "1";
        QTest::newRow("4000") << qint64(4000) << "MMMCMXCIX"
                              << "3.999";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "MMMCMXCIX"
                                 << "3.999";
    }
    void outOfRange() {
        QFETCH(qint64, n);
        QFETCH(QString, numeral);
        QFETCH(QString, text);
        QCOMPARE(NombreRoma::numeral(n), numeral);
        QCOMPARE(NombreRoma::textNombre(n, 0), text);
    }

    void everyNumeralReadsBack() {
        qsizetype longest = 0;
        for (int n = 1; n <= 3999; ++n) {
            const QString numeral = NombreRoma::numeral(n);
            if (readRoman(numeral) != n || !isCanonical(numeral) || numeral.size() > 15)
                QFAIL(qPrintable(QStringLiteral("%1 gives %2").arg(n).arg(numeral)));
            longest = std::max(longest, numeral.size());
        }
        QCOMPARE(longest, qsizetype(15));
    }

    void everyNumeralIsUnique() {
        QSet<QString> seen;
        for (int n = 1; n <= 3999; ++n)
            seen.insert(NombreRoma::numeral(n));
        QCOMPARE(seen.size(), qsizetype(3999));
    }
};

QTEST_GUILESS_MAIN(TestNombreRoma)
#include "tst_NombreRoma.moc"
