#include "ui/main/startup/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmar {

namespace {

// Anything at the lock's path that is not a plain file (a folder, a link, a pipe) was
// never made by a copy of this program: it is moved out of the way. A folder that
// holds something is renamed rather than deleted, so nothing in it is lost.
bool clearNonFileEntry(const QString& path) {
    const QFileInfo entry(path);
    if (!entry.isSymLink() && (!entry.exists() || entry.isFile())) {
        return true;
    }
    if (entry.isDir() && !entry.isSymLink()) {
        return QDir().rmdir(path) ||
               QDir().rename(path, QStringLiteral("%1.%2.stale")
                                       .arg(path)
                                       .arg(QDateTime::currentMSecsSinceEpoch()));
    }
    return QFile::remove(path);
}

// A copy takes the native lock of its lock file the moment it makes it and holds it
// while it runs, so a lock file whose native lock can be taken belongs to no running
// copy, whatever it holds and however old it is.
bool removeUnheldLockFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat opened {};
    struct stat named {};
    // The file is removed only while it is still the one whose lock was taken.
    const bool removed = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                         ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                         ::lstat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
                         named.st_ino == opened.st_ino && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

void logTakeOver(const QString& path, const QString& found) {
    qInfo("quillmar: removed the lock file %s (%s), which no running copy held, and took it",
          qPrintable(QDir::toNativeSeparators(path)), qPrintable(found));
}

} // namespace

InstanceLock::InstanceLock(const QString& lockFilePath) : path_(lockFilePath), lock_(lockFilePath) {
    // Only a dead holder makes a lock stale, never its age: the first copy may run
    // for days.
    lock_.setStaleLockTime(0);
}

InstanceLock::Result InstanceLock::acquire() {
    // Told before taking the lock: QLockFile quietly replaces a lock whose process died.
    const QString found = describeEntry();
    if (!clearNonFileEntry(path_)) {
        return Result::Unavailable;
    }
    if (lock_.tryLock(0)) {
        if (!found.isEmpty()) {
            logTakeOver(path_, found);
        }
        return Result::Acquired;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        return Result::Unavailable;
    }
    if (removeUnheldLockFile(path_) && lock_.tryLock(0)) {
        logTakeOver(path_, found);
        return Result::Acquired;
    }
    return Result::HeldByRunningCopy;
}

QString InstanceLock::describeEntry() const {
    const QFileInfo entry(path_);
    if (entry.isSymLink()) {
        return QStringLiteral("a symbolic link");
    }
    if (!entry.exists()) {
        return {};
    }
    if (entry.isDir()) {
        return QStringLiteral("a folder");
    }
    if (!entry.isFile()) {
        return QStringLiteral("not a regular file");
    }
    if (entry.size() == 0) {
        return QStringLiteral("empty");
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application)) {
        return QStringLiteral("naming process %1 \"%2\" on \"%3\"").arg(pid).arg(application, host);
    }
    return QStringLiteral("naming no process");
}

QString InstanceLock::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("quillmar.lock"));
}

} // namespace quillmar
