#pragma once

#include <QString>

namespace TextUtil {

// Removes leading and trailing blanks (spaces only, as the data files pad with spaces; a tab or
// another character is part of the text).
inline QString trimSpaces(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s.at(a) == u' ')
        ++a;
    while (b > a && s.at(b - 1) == u' ')
        --b;
    return s.mid(a, b - a);
}

} // namespace TextUtil
