#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Tables as spreadsheet files (CSV), in the form spreadsheet programs set up for Catalan, Spanish,
// Galician and Basque open without asking: UTF-8 with a byte-order mark, ';' between fields, CR LF
// after every row, a field quoted (its quotes doubled) when it holds the separator, a quote, a line
// break, or blanks at either end.
namespace Csv {

QByteArray write(const QList<QStringList>& rows);

// The rows of `text`, quoted fields and line breaks inside them understood. A last row left empty
// by the final line break is not a row.
QList<QStringList> parse(const QString& text, QChar separator = u';');

// The separator a file uses, judged from its first line outside quotes: ';', then TAB, then ','.
// A line with none of them is one column (';' is returned).
QChar guessSeparator(const QString& text);

// The text of a file: UTF-8 (its byte-order mark dropped) when the bytes are valid UTF-8,
// Windows-1252 otherwise.
QString decode(const QByteArray& bytes);

} // namespace Csv
