#include "core/RecordFile.h"

#include "core/DiskSync.h"

#include <QFile>
#include <QFileInfo>

namespace RecordFile {

QByteArray read(const QString& path, int length, int n) {
    QByteArray record(length, '\0');
    QFile file(path);
    if (n < 1 || !file.open(QIODevice::ReadOnly))
        return record;
    if (!file.seek(qint64(n - 1) * length))
        return record;
    // A record cut short by the end of the file counts as never written.
    const QByteArray got = file.read(length);
    return got.size() == length ? got : record;
}

bool write(const QString& path, int length, int n, const QByteArray& record) {
    if (n < 1)
        return false;
    const bool created = !QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qint64 at = qint64(n - 1) * length;
    if (file.size() < at && !file.resize(at))
        return false;
    if (!file.seek(at))
        return false;
    QByteArray bytes = record.left(length);
    bytes.append(QByteArray(length - bytes.size(), '\0'));
    // A record stored is one a power cut a moment later leaves in place (a level passed, a
    // setting): synced before the caller shows it as done.
    if (file.write(bytes) != length || !DiskSync::file(file))
        return false;
    if (created)
        DiskSync::folderOf(path);
    return true;
}

int count(const QString& path, int length) {
    return int(QFileInfo(path).size() / length);
}

} // namespace RecordFile
