#include "PhraseChecks.h"

#include <QStringList>
#include <random>

namespace PhraseChecks {

QString phraseFault(const QString& frase) {
    // Plain A to Z is settled without asking Unicode, which keeps the loops over whole ranges
    // quick; only accented letters go through QChar.
    const char16_t* p = reinterpret_cast<const char16_t*>(frase.utf16());
    const qsizetype size = frase.size();
    auto isCapital = [](char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c > 0x7F && QChar(c).isLetter() && !QChar(c).isLower());
    };
    bool anyLetter = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = p[i];
        if (c == u' ') {
            if (i > 0 && p[i - 1] == u' ')
                return QStringLiteral("two blanks side by side");
        } else if (c == u'-') {
            if (i == 0 || i + 1 == size || !isCapital(p[i - 1]) || !isCapital(p[i + 1]))
                return QStringLiteral("a hyphen not between two letters");
        } else if (isCapital(c)) {
            anyLetter = true;
        } else {
            return QStringLiteral("character '%1', not a capital letter").arg(QChar(c));
        }
    }
    return anyLetter ? QString() : QStringLiteral("no words");
}

QString cardinalAnswerFault(const QString& solucio, qint64 n, int separador) {
    const bool grouped = separador == 0 || separador == 1;
    const char16_t sep = separador == 0 ? u'.' : u' ';
    const char16_t* p = reinterpret_cast<const char16_t*>(solucio.utf16());
    const qsizetype size = solucio.size();
    qint64 value = 0;
    int groups = 1;
    int inGroup = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (grouped && p[i] == sep) {
            if (inGroup == 0 || (groups > 1 && inGroup != 3))
                return QStringLiteral("a misplaced separator");
            ++groups;
            inGroup = 0;
        } else if (p[i] >= u'0' && p[i] <= u'9') {
            if (i == 0 && p[i] == u'0' && size > 1)
                return QStringLiteral("a leading zero");
            if (grouped && inGroup == 3)
                return QStringLiteral("a group longer than three digits");
            value = value * 10 + (p[i] - u'0');
            ++inGroup;
        } else {
            return QStringLiteral("character '%1'").arg(QChar(p[i]));
        }
    }
    if (inGroup == 0 || (groups > 1 && inGroup != 3))
        return QStringLiteral("a last group of %1 digits").arg(inGroup);
    if (value != n)
        return QStringLiteral("digits reading %1").arg(value);
    return {};
}

QString cardinalFault(CardinalFn cardinal, Reader read, qint64 n, bool everySeparator) {
    const int first = everySeparator ? 0 : int(n % 3);
    const int last = everySeparator ? 2 : first;
    const NumberPhrase made = cardinal(n, first);
    if (QString f = phraseFault(made.frase); !f.isEmpty())
        return QStringLiteral("%1: %2 in \"%3\"").arg(n).arg(f, made.frase);
    if (read(made.frase) != n)
        return QStringLiteral("%1: \"%2\" reads as another number").arg(n).arg(made.frase);
    for (int separador = first; separador <= last; ++separador) {
        const NumberPhrase p = separador == first ? made : cardinal(n, separador);
        if (p.frase != made.frase)
            return QStringLiteral("%1: the phrase changes with the separator").arg(n);
        if (QString f = cardinalAnswerFault(p.solucio, n, separador); !f.isEmpty())
            return QStringLiteral("%1, separator %2: %3 in \"%4\"")
                .arg(n)
                .arg(separador)
                .arg(f, p.solucio);
    }
    return {};
}

QString ordinalFault(OrdinalFn ordinal, Reader read, qint64 n) {
    const NumberPhrase p = ordinal(n);
    if (QString f = phraseFault(p.frase); !f.isEmpty())
        return QStringLiteral("%1: %2 in \"%3\"").arg(n).arg(f, p.frase);
    if (read(p.frase) != n)
        return QStringLiteral("%1: \"%2\" reads as another number").arg(n).arg(p.frase);
    if (p.solucio != QString::number(n))
        return QStringLiteral("%1: answer \"%2\"").arg(n).arg(p.solucio);
    return {};
}

} // namespace PhraseChecks

namespace PhraseChecks {

QString firstCardinalFault(CardinalFn cardinal, Reader read, qint64 from, qint64 to) {
    for (qint64 n = from; n <= to; ++n)
        if (QString f = cardinalFault(cardinal, read, n, false); !f.isEmpty())
            return f;
    return {};
}

QString firstOrdinalFault(OrdinalFn ordinal, Reader read, qint64 from, qint64 to) {
    for (qint64 n = from; n <= to; ++n)
        if (QString f = ordinalFault(ordinal, read, n); !f.isEmpty())
            return f;
    return {};
}

QString sampledCardinalFault(CardinalFn cardinal, Reader read, qint64 from, qint64 to,
                             unsigned seed, int count) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<qint64> draw(from, to);
    for (int i = 0; i < count; ++i)
        if (QString f = cardinalFault(cardinal, read, draw(gen), true); !f.isEmpty())
            return f;
    return {};
}

} // namespace PhraseChecks
