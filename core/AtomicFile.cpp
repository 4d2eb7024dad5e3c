#include "core/AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

bool open(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return open(file) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace AtomicFile
