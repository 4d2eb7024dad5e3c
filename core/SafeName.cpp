#include "core/SafeName.h"

#include "core/TextUtil.h"

namespace {

bool isForbidden(QChar c) {
    return c == u'/' || c == u'\\' || c.unicode() < 0x20 || c == QChar(0x7F);
}

} // namespace

namespace SafeName {

bool isValid(const QString& name) {
    const QString n = TextUtil::trimSpaces(name);
    if (n.isEmpty() || n == "." || n.contains(".."))
        return false;
    for (QChar c : n)
        if (isForbidden(c))
            return false;
    return true;
}

QString fileName(const QString& name) {
    QString n = TextUtil::trimSpaces(name);
    for (QChar& c : n)
        if (isForbidden(c))
            c = u'_';
    if (n.isEmpty())
        return "_";
    if (n == "." || n.contains(".."))
        n.replace(u'.', u'_');
    return n;
}

} // namespace SafeName
