#include "core/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

// A copy that is starting creates its lock file a moment before it writes its pid there; a few
// short tries let it finish before a lock without a readable pid is judged to name no copy.
constexpr int kIntents = 5;
constexpr int kPausaMs = 20;

bool processExists(qint64 pid) {
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true; // no way to tell here: better refuse than run twice
#endif
}

} // namespace

QString InstanceLock::lockFilePath(const QString& folder) {
    const QFileInfo info(folder);
    QString key = info.canonicalFilePath();
    if (key.isEmpty())
        key = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("xifrum-%1.lock").arg(QLatin1String(hash)));
}

InstanceLock::InstanceLock(const QString& folder)
    : lock_(std::make_unique<QLockFile>(lockFilePath(folder))) {
    // Age never makes a lock stale: a copy may run for days. Only a lock whose process is gone is.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

InstanceLock::Result InstanceLock::acquire() {
    if (lock_->isLocked())
        return Result::Acquired;
    for (int intent = 0; intent < kIntents; ++intent) {
        if (lock_->tryLock(0))
            return Result::Acquired;
        if (lock_->error() != QLockFile::LockFailedError)
            return Result::Unavailable;
        // QLockFile itself takes over only a lock it can read. Whatever else a copy that is gone
        // left behind (nothing at all after a power cut while locking, half a line) is removed
        // here; the removal is refused while a running copy keeps its hold on the file.
        if (lock_->removeStaleLockFile())
            continue;
        if (namesRunningCopy())
            return Result::HeldByAnother;
        QThread::msleep(kPausaMs);
    }
    return Result::Blocked;
}

bool InstanceLock::namesRunningCopy() const {
    qint64 pid = 0;
    QString host, app;
    return lock_->getLockInfo(&pid, &host, &app) && pid > 0 && processExists(pid);
}

bool InstanceLock::isLocked() const {
    return lock_->isLocked();
}
