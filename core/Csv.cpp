#include "core/Csv.h"

#include "core/Win1252.h"

#include <QStringDecoder>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

QString field(const QString& text) {
    const bool quoted = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') ||
                        text.contains(u'\r') || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quoted)
        return text;
    QString q = text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

namespace Csv {

QByteArray write(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& f : row)
            fields << field(f);
        out += fields.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray(kBom) + out.toUtf8();
}

QList<QStringList> parse(const QString& text, QChar separator) {
    QList<QStringList> rows;
    QStringList row;
    QString f;
    bool inQuotes = false;
    bool rowStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c != u'"')
                f += c;
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                f += c, ++i;
            else
                inQuotes = false;
            continue;
        }
        rowStarted = true;
        if (c == u'"') {
            inQuotes = true;
        } else if (c == separator) {
            row << f;
            f.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row << f;
            rows << row;
            row.clear();
            f.clear();
            rowStarted = false;
        } else {
            f += c;
        }
    }
    if (rowStarted || inQuotes) {
        row << f;
        rows << row;
    }
    return rows;
}

QChar guessSeparator(const QString& text) {
    bool inQuotes = false;
    bool tab = false, comma = false;
    for (const QChar c : text) {
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (inQuotes)
            continue;
        else if (c == u';')
            return c;
        else if (c == u'\n' || c == u'\r')
            break;
        tab = tab || c == u'\t';
        comma = comma || c == u',';
    }
    return tab ? u'\t' : comma ? u',' : u';';
}

QString decode(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith(kBom) ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    return utf8.hasError() ? Win1252::decode(body) : text;
}

} // namespace Csv
