#include "core/DigitGrouping.h"

namespace {

// The separator character, or 0 for none.
char16_t separatorChar(int separador) {
    switch (separador) {
    case 0:
        return u'.';
    case 1:
        return u' ';
    default:
        return 0;
    }
}

} // namespace

namespace DigitGrouping {

QString separator(int separador) {
    const char16_t c = separatorChar(separador);
    return c ? QString(QChar(c)) : QString();
}

QString group(qint64 value, int separador) {
    const char16_t sep = separatorChar(separador);
    // Taken unsigned, so that the most negative value has a magnitude too.
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);

    // Written from the right: 20 digits, 6 separators and a sign at most.
    constexpr int kSize = 32;
    char16_t text[kSize];
    int start = kSize;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            if (sep)
                text[--start] = sep;
            inGroup = 0;
        }
        text[--start] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude > 0);
    if (value < 0)
        text[--start] = u'-';
    return QString(reinterpret_cast<const QChar*>(text + start), kSize - start);
}

QString FormataNombre(qint64 value, int separador) {
    return group(value, separador) + QStringLiteral("   ");
}

} // namespace DigitGrouping
