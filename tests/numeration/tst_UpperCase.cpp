#include "UpperCase.h"

#include <QLocale>
#include <QTest>

class TestUpperCase : public QObject {
    Q_OBJECT
private slots:
    void letters_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        const std::pair<const char*, const char*> rows[] = {
            {"à", "À"}, {"á", "Á"}, {"é", "É"}, {"è", "È"}, {"í", "Í"}, {"ï", "Ï"},     {"ó", "Ó"},
            {"ò", "Ò"}, {"ú", "Ú"}, {"ü", "Ü"}, {"ñ", "Ñ"}, {"ç", "Ç"}, {"l·l", "L·L"},
        };
        for (const auto& [lower, upper] : rows)
            QTest::newRow(lower) << QString::fromUtf8(lower) << QString::fromUtf8(upper);
        QTest::newRow("catalan ordinal") << QString::fromUtf8("dos-cents noranta-novè")
                                         << QString::fromUtf8("DOS-CENTS NORANTA-NOVÈ");
        QTest::newRow("spanish") << QString::fromUtf8("veintiún millones dieciséis")
                                 << QString::fromUtf8("VEINTIÚN MILLONES DIECISÉIS");
        QTest::newRow("galician") << QString::fromUtf8("quiñentos millóns")
                                  << QString::fromUtf8("QUIÑENTOS MILLÓNS");
        QTest::newRow("blanks kept") << " mil "
                                     << " MIL ";
        QTest::newRow("capitals kept") << QString::fromUtf8("Milè") << QString::fromUtf8("MILÈ");
    }
    void letters() {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(UpperCase::of(lower), upper);
    }

    // The pupils' machines may run under any locale; the words must not change with it.
    void notLocaleDependent() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const QString upper = UpperCase::of(QStringLiteral("vint-i-un milions"));
        QLocale::setDefault(before);
        QCOMPARE(upper, QStringLiteral("VINT-I-UN MILIONS"));
    }
};

QTEST_GUILESS_MAIN(TestUpperCase)
#include "tst_UpperCase.moc"
