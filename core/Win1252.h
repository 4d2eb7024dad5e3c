#pragma once

#include <QByteArray>
#include <QString>

// Text inside the data files is single-byte Windows-1252. Qt 6 core has no codec for it, so the
// conversion lives here and nowhere else: every file reader and writer goes through these.
namespace Win1252 {

// A character that Windows-1252 cannot hold becomes '?'.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Fixed-width text field: encoded, cut to `width` bytes, padded on the right with spaces.
QByteArray field(const QString& text, int width);

} // namespace Win1252
