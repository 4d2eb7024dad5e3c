#include "core/DiskSync.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace DiskSync {

bool file(QFileDevice& file) {
    if (!file.flush())
        return false;
    // File data alone: the size it needs to be read back is synced too, the times are not.
    return ::fdatasync(file.handle()) == 0 || errno == EINVAL;
}

void folderOf(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace DiskSync
