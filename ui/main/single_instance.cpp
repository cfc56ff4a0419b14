#include "ui/main/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmar {

InstanceLock::InstanceLock(const QString& lockFilePath) : path_(lockFilePath), lock_(lockFilePath) {
    // Only a dead holder makes a lock stale, never its age: the first copy may run
    // for days.
    lock_.setStaleLockTime(0);
}

InstanceLock::Result InstanceLock::acquire() {
    if (lock_.tryLock(0)) {
        return Result::Acquired;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        return Result::Unavailable;
    }
    if (namesNoProcess() && lock_.removeStaleLockFile() && lock_.tryLock(0)) {
        return Result::Acquired;
    }
    return Result::HeldByRunningCopy;
}

// QLockFile judges a lock by the process it names; one that names none could only
// go stale by its age, which the first copy must not (it may run for days), so it
// would block every start until someone deletes it. A copy writes its lock file the
// moment it makes it: one that still names no process after a few seconds never will.
bool InstanceLock::namesNoProcess() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application)) {
        return false;
    }
    const QDateTime written = QFileInfo(path_).lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) > 5;
}

QString InstanceLock::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("quillmar.lock"));
}

} // namespace quillmar
