#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps the copies of the program on several computers that share one program folder from
// writing the same file at once: each write of a shared file, and each read that a rewrite's
// merge starts from, happens while this lock is held. The lock is a QLockFile beside the data, so
// every computer sees it. A lock whose holder on this computer is gone is taken over at once;
// one made on another computer (which cannot be asked) is taken over once it is older than
// kStaleMs, far longer than any write lasts, so a computer switched off while writing keeps
// nobody out for long. This needs the computers' clocks to agree to within that time.
class FileLock {
public:
    static constexpr int kStaleMs = 30'000;
    static constexpr int kWaitMs = 5'000;

    explicit FileLock(const QString& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to waitMs() for the lock. False when another holder kept it that long, or the lock
    // file cannot be made.
    bool lock();
    void unlock();
    bool isLocked() const;

    // Whether the latest lock() of this thread failed because another holder kept the lock, so
    // the caller can say "try again" rather than "cannot write".
    static bool lastWasBusy();

    // How long lock() waits: kWaitMs unless changed (tests that hold a lock on purpose wait less).
    static int waitMs();
    static void setWaitMs(int ms);

private:
    std::unique_ptr<QLockFile> lock_;
};
