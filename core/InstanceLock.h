#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program away from a program folder that one copy already uses, so
// two copies never write the same files. The lock file lives in the system's temporary folder,
// named after the folder it guards, so a copy that is refused writes nothing into the program
// folder. A copy that crashed or lost power leaves a lock whose process is gone, whatever the file
// then holds; the next start takes it over.
class InstanceLock {
public:
    enum class Result {
        Acquired,      // this copy now owns the folder until the lock is destroyed
        HeldByAnother, // another running copy owns the folder
        Unavailable,   // the lock file could not be made (temporary folder unwritable)
        Blocked,       // a lock that names no running copy stays: it cannot be removed or replaced
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
    // The lock file is readable and names a process that is still running.
    bool namesRunningCopy() const;

    std::unique_ptr<QLockFile> lock_;
};
