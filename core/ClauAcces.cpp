#include "core/ClauAcces.h"

#include "core/TextUtil.h"
#include "core/Win1252.h"

#include <QChar>
#include <QList>

namespace {

constexpr char32_t kZero = U'0';

bool win1252Holds(char32_t c) {
    const QString s = QString::fromUcs4(&c, 1);
    return Win1252::decode(Win1252::encode(s)) == s;
}

char32_t majuscula(char32_t c) {
    return QChar::toUpper(c);
}

} // namespace

char32_t ClauAcces::caracter(char32_t c) {
    if (c < kZero || !QChar::isPrint(c) || QChar::isSpace(c))
        return 0;
    const char32_t upper = majuscula(c);
    return win1252Holds(upper) ? upper : 0;
}

QString ClauAcces::filtra(const QString& text, int* cursor) {
    QString out;
    const int at = cursor ? *cursor : int(text.size());
    int newAt = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text.at(i).unicode();
        qsizetype units = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        } else if (text.at(i).isSurrogate()) {
            c = 0;
        }
        const char32_t kept = c ? caracter(c) : 0;
        if (kept)
            out.append(QString::fromUcs4(&kept, 1));
        if (i < at)
            newAt = int(out.size());
        i += units;
    }

    const int excess = int(out.size()) - kLlargada;
    if (excess > 0) {
        const int from = qMax(0, newAt - excess);
        out.remove(from, excess);
        newAt = from;
    }
    if (cursor)
        *cursor = newAt;
    return out;
}

QString ClauAcces::majuscules(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t upper = majuscula(c);
        out.append(QString::fromUcs4(&upper, 1));
    }
    return out;
}

bool ClauAcces::concedeix(const QString& escrita, const ConfigGeneral& general) {
    return majuscules(escrita) == majuscules(general.clauText());
}

QByteArray ClauAcces::novaClau(const QString& nova) {
    return Win1252::field(majuscules(nova), kLlargada);
}
