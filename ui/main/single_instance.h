#pragma once

#include <QLockFile>
#include <QString>

namespace quillmar {

// Tells a second running copy of the program from the first. The lock lives in the
// user's runtime folder and names the process that holds it, so a copy that crashed
// or was killed does not block the next start, and neither does a lock file that
// names no process at all (one cut short by a crash or a full disk).
class InstanceLock {
public:
    enum class Result { Acquired, HeldByRunningCopy, Unavailable };

    explicit InstanceLock(const QString& lockFilePath = defaultLockFilePath());

    // Unavailable: the lock file could not be made at all (no runtime folder, no
    // rights); the program then starts rather than refuse to work.
    Result acquire();

    static QString defaultLockFilePath();

private:
    bool namesNoProcess() const;

    QString path_;
    QLockFile lock_;
};

} // namespace quillmar
