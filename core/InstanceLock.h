#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program away from a program folder that one copy already uses, so
// two copies never write the same files. The lock file lives in the system's temporary folder,
// named after the folder it guards, so a copy that is refused writes nothing into the program
// folder. A copy that crashed leaves a lock whose process is gone; the next start takes it over.
class InstanceLock {
public:
    enum Result {
        Acquired,      // this copy now owns the folder until the lock is destroyed
        HeldByAnother, // another running copy owns the folder
        Unavailable,   // the lock file could not be made (temporary folder unwritable)
    };

    explicit InstanceLock(const QString& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result acquire();
    bool isLocked() const;

    // The lock file guarding `folder`: one per folder, whichever way its path is written.
    static QString lockFilePath(const QString& folder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
