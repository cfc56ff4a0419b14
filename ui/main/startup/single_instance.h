#pragma once

#include <QLockFile>
#include <QString>

namespace quillmar {

// Tells a second running copy of the program from the first. The lock lives in the
// user's runtime folder; a running copy holds the file's native lock, so whatever
// else stands there (a lock left by a copy that crashed or was killed, an empty or
// garbled file, a folder) does not block the next start: it is removed, the lock is
// taken, and a line on standard error says so.
class InstanceLock {
public:
    enum class Result { Acquired, HeldByRunningCopy, Unavailable };

    explicit InstanceLock(const QString& lockFilePath = defaultLockFilePath());

    // Unavailable: the lock file could not be made at all (no runtime folder, no
    // rights); the program then starts rather than refuse to work.
    Result acquire();

    static QString defaultLockFilePath();

private:
    // What stands at the lock's path, in words for the log; empty when nothing does.
    QString describeEntry() const;

    QString path_;
    QLockFile lock_;
};

} // namespace quillmar
