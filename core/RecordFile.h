#pragma once

#include <QByteArray>
#include <QString>

// Fixed-length record files: record n (from 1) starts at (n - 1) * length, no header.
namespace RecordFile {

// Record n, or all zero bytes when it lies (partly) beyond the end of the file or the file cannot
// be read. Never extends or creates the file.
QByteArray read(const QString& path, int length, int n);

// Writes record n in place, creating the file when missing; writing past the end fills the gap
// with zero bytes. The record is on the medium when this returns (the file synced, and its folder
// when the file was new). Returns false when the file cannot be opened, written or synced.
bool write(const QString& path, int length, int n, const QByteArray& record);

// Number of whole records in the file (0 when missing).
int count(const QString& path, int length);

} // namespace RecordFile
