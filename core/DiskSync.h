#pragma once

#include <QString>

class QFileDevice;

// Makes what was written survive a power cut, not only a crash of the program: the page cache of
// a machine switched off mid-lesson is lost, and with it every write the medium had not yet got.
namespace DiskSync {

// Pushes the bytes written to `file` (flushed first) to the medium. False when the medium says
// they did not get there; a file system that cannot sync at all counts as synced.
bool file(QFileDevice& file);

// Makes the entries of the folder holding `path` durable: a file just created or renamed there
// is otherwise lost with the folder's own cached blocks. Best effort: some file servers refuse to
// sync a folder, and the bytes of the file itself are on the medium already.
void folderOf(const QString& path);

} // namespace DiskSync
