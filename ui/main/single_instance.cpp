#include "ui/main/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace quillmar {

InstanceLock::InstanceLock(const QString& lockFilePath) : lock_(lockFilePath) {
    // Only a dead holder makes a lock stale, never its age: the first copy may run
    // for days.
    lock_.setStaleLockTime(0);
}

InstanceLock::Result InstanceLock::acquire() {
    if (lock_.tryLock(0)) {
        return Result::Acquired;
    }
    return lock_.error() == QLockFile::LockFailedError ? Result::HeldByRunningCopy
                                                       : Result::Unavailable;
}

QString InstanceLock::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("quillmar.lock"));
}

} // namespace quillmar
