#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

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
    : m_lock(std::make_unique<QLockFile>(lockFilePath(folder))) {
    // Age never makes a lock stale: a copy may run for days. Only a lock whose process is gone is.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

InstanceLock::Result InstanceLock::acquire() {
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return Acquired;
    return m_lock->error() == QLockFile::LockFailedError ? HeldByAnother : Unavailable;
}

bool InstanceLock::isLocked() const {
    return m_lock->isLocked();
}
