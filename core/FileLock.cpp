#include "core/FileLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <atomic>

namespace {

thread_local bool busy = false;
std::atomic<int> waitTime{FileLock::kWaitMs};

} // namespace

FileLock::FileLock(const QString& lockFile) : lock_(std::make_unique<QLockFile>(lockFile)) {
    lock_->setStaleLockTime(kStaleMs);
}

FileLock::~FileLock() = default;

bool FileLock::lock() {
    busy = false;
    if (lock_->isLocked())
        return true;
    QDir().mkpath(QFileInfo(lock_->fileName()).absolutePath());
    if (lock_->tryLock(waitTime))
        return true;
    busy = lock_->error() == QLockFile::LockFailedError;
    return false;
}

void FileLock::unlock() {
    if (lock_->isLocked())
        lock_->unlock();
}

bool FileLock::isLocked() const {
    return lock_->isLocked();
}

bool FileLock::lastWasBusy() {
    return busy;
}

int FileLock::waitMs() {
    return waitTime;
}

void FileLock::setWaitMs(int ms) {
    waitTime = ms;
}
