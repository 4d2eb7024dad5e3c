#include "core/AtomicFile.h"

#include "core/DiskSync.h"

#include <QSaveFile>

namespace AtomicFile {

bool open(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool commit(QSaveFile& file) {
    // Qt 6.4 syncs the new file's data before it renames it over the target, but never the
    // folder: until the folder's blocks reach the medium, a power cut brings the old name back
    // (or none, for a new file).
    if (!file.commit())
        return false;
    DiskSync::folderOf(file.fileName());
    return true;
}

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return open(file) && file.write(bytes) == bytes.size() && commit(file);
}

} // namespace AtomicFile
