#include "numeration/CardinalGroups.h"

namespace CardinalGroups {

GrupNombre grup(qint64 n, int i) {
    static constexpr qint64 kGroupUnit[] = {1'000'000, 1'000, 1};
    const int digits = int((n / kGroupUnit[i - 1]) % 1000);
    return {digits / 100, digits / 10 % 10, digits % 10};
}

void appendJoined(QString& phrase, QStringView piece) {
    if (phrase.endsWith(u' ') && piece.startsWith(u' '))
        piece = piece.mid(1);
    phrase += piece;
}

QString join(qint64 n, const CardinalScales& scales, GroupText groupText) {
    QString phrase;
    phrase.reserve(112);
    for (int i = 1; i <= 3; ++i) {
        const GrupNombre g = grup(n, i);
        const bool plural = g.h + g.t > 0 || g.u > 1;
        const bool singular = !plural && (!phrase.isEmpty() || g.u == 1);
        // A singular group with u = 1 is "001".
        if (singular && i == 2 && g.u == 1) {
            appendJoined(phrase, scales.thousandAlone);
            continue;
        }
        if (singular && i == 1 && g.u == 1 && scales.millionAloneIsScaleOnly) {
            appendJoined(phrase, scales.singular[0]);
            continue;
        }
        const qsizetype before = phrase.size();
        groupText(phrase, i, g);
        if (phrase.size() == before)
            continue; // a group without words takes no scale
        if (plural)
            appendJoined(phrase, scales.plural[i - 1]);
        else if (singular)
            appendJoined(phrase, scales.singular[i - 1]);
    }
    return phrase;
}

} // namespace CardinalGroups
