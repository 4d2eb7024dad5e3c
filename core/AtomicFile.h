#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Whole-file replacement: the bytes go to a temporary file beside the target, which replaces the
// target only once every byte was written. A full disk or a refused write leaves the old file as it
// was and is reported. A replacement committed is durable: the new file's bytes and its name in the
// folder are on the medium, so a power cut right after shows the new file, never an empty one.
namespace AtomicFile {

// Opens `file` for writing. Unbuffered on purpose: QSaveFile (Qt 6.4) does not notice a write that
// fails while its buffer is flushed at commit, and then replaces the target with a cut-short file,
// empty on a full disk. Unbuffered, every failed write is seen by the write itself and by commit().
bool open(QSaveFile& file);

// Commits `file` (opened with open()) over its target. False when it failed; the old file is then
// untouched.
bool commit(QSaveFile& file);

// Replaces the file at `path` with `bytes`. False when the file could not be written whole; the old
// file is then untouched.
bool write(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
