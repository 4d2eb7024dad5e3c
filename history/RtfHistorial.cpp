#include "history/RtfHistorial.h"

#include "core/Win1252.h"

namespace RtfHistorial {

namespace {

void afegeix(QByteArray& rtf, QChar c) {
    const char16_t u = c.unicode();
    switch (u) {
    case u'\\':
    case u'{':
    case u'}':
        rtf += '\\';
        rtf += char(u);
        return;
    case u'\t':
        rtf += "\\tab ";
        return;
    case u'\n':
        rtf += "\\par\n";
        return;
    default:
        break;
    }
    if (u >= 0x20 && u < 0x80) {
        rtf += char(u);
        return;
    }
    if (u < 0x20)
        return; // no other control character means anything in a history line
    const QByteArray byte = Win1252::encode(QString(c));
    if (byte != "?") {
        rtf += "\\'" + byte.toHex();
        return;
    }
    // RTF numbers are signed 16-bit; the "?" is what a reader without Unicode shows. Characters
    // beyond the first plane arrive here as their two surrogates, which is how RTF writes them.
    rtf += "\\u" + QByteArray::number(qint16(u)) + '?';
}

} // namespace

QByteArray document(const QString& text, const QList<int>& tabulacions, int punts) {
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "\\pard";
    for (int t : tabulacions)
        rtf += "\\tx" + QByteArray::number(t);
    rtf += "\\f0\\fs" + QByteArray::number(punts * 2) + ' ';
    for (QChar c : text)
        afegeix(rtf, c);
    rtf += "}";
    return rtf;
}

} // namespace RtfHistorial
