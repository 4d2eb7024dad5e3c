#pragma once

#include <QByteArray>
#include <QString>

// Text inside the data files is single-byte Windows-1252. Qt 6 core has no codec for it, so the
// conversion lives here and nowhere else: every file reader and writer goes through these.
namespace Win1252 {

// A character that Windows-1252 cannot hold becomes '?'. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control of the same value and encode
// back to that byte, so every byte survives a read and a write.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Fixed-width text field: encoded, cut to `width` bytes, padded on the right with spaces.
QByteArray field(const QString& text, int width);

} // namespace Win1252
