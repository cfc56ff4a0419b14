#include "tests/support/window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace quillmar::testing {
namespace {

class InstanceLockFaults : public StressWindowTest {
protected:
    // Starts a copy that takes the lock and waits; false when it did not get it.
    bool startHolder() {
        holder.start(QStringLiteral(QUILLMAR_LOCK_HOLDER), {path("quillmar.lock")});
        return holder.waitForReadyRead(30000) && holder.readAll().trimmed() == "locked";
    }
    void TearDown() override {
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }
    }

    QProcess holder;
};

TEST_F(InstanceLockFaults, ALockLeftByAKilledCopyDoesNotStopTheNextStart) {
    ASSERT_TRUE(startHolder());
    // While that copy runs, a second start is refused.
    EXPECT_EQ(start(), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Already Running"));

    ::kill(pid_t(holder.processId()), SIGKILL);
    ASSERT_TRUE(holder.waitForFinished());
    ASSERT_TRUE(QFile::exists(path("quillmar.lock"))) << "the killed copy left no lock behind";

    messages.shown.clear();
    auto window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
    closeAndDestroy(window);
}

// Whatever stands at the lock's path, if no running copy holds it, is removed and the
// lock taken, however fresh it is; the log says so.
TEST_F(InstanceLockFaults, ALockOfNoRunningCopyIsTakenWhateverItsFormOrAge) {
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QString lockPath = path("quillmar.lock");
    const auto writeLock = [&](const QByteArray& content) {
        QFile lockFile(lockPath);
        return lockFile.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               lockFile.write(content) == content.size();
    };
    struct Row {
        const char* form;
        std::function<bool()> make;
    };
    const Row rows[] = {
        {"empty, just made", [&] { return writeLock({}); }},
        {"garbage, just made", [&] { return writeLock("\x01\x02garbage\n\n"); }},
        {"a negative process", [&] { return writeLock("-1\n"); }},
        {"a dead process", [&] { return writeLock("999999999\nquillmar\n" + host + "\n"); }},
        {"this process, which holds no lock",
         [&] {
             return writeLock(QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
                              QCoreApplication::applicationName().toUtf8() + "\n" + host);
         }},
        {"read-only garbage",
         [&] { return writeLock("x") && QFile::setPermissions(lockPath, QFile::ReadOwner); }},
        {"an empty folder", [&] { return QDir().mkdir(lockPath); }},
        {"a folder holding a file",
         [&] { return QDir().mkpath(lockPath + "/inside") && QDir(lockPath).exists("inside"); }},
        {"a dangling link", [&] { return QFile::link(path("nowhere"), lockPath); }},
        {"a pipe", [&] { return ::mkfifo(QFile::encodeName(lockPath).constData(), 0600) == 0; }},
    };
    std::vector<QString> logged;
    static std::vector<QString>* log = nullptr;
    log = &logged;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { log->push_back(text); });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.form);
        ASSERT_TRUE(row.make());
        logged.clear();
        InstanceLock instanceLock(lockPath);
        EXPECT_EQ(instanceLock.acquire(), InstanceLock::Result::Acquired);
        ASSERT_EQ(logged.size(), 1u);
        EXPECT_TRUE(logged[0].contains(lockPath)) << logged[0].toStdString();
        EXPECT_TRUE(QFileInfo(lockPath).isFile());
        // The lock now held is respected by the next copy.
        EXPECT_EQ(InstanceLock(lockPath).acquire(), InstanceLock::Result::HeldByRunningCopy);
    }
    qInstallMessageHandler(previous);
    // The folder's content was moved aside, not deleted.
    const QStringList aside =
        QDir(folder.path()).entryList({QStringLiteral("quillmar.lock.*.stale")}, QDir::Dirs);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QDir(path(aside[0])).exists(QStringLiteral("inside")));
}

// A running copy's lock holds whatever its file says.
TEST_F(InstanceLockFaults, ARunningCopysLockHoldsEvenWithItsFileGarbled) {
    ASSERT_TRUE(startHolder());
    for (const QByteArray& content : {QByteArray(), QByteArray("garbage")}) {
        QFile lockFile(path("quillmar.lock"));
        ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lockFile.write(content);
        lockFile.close();
        EXPECT_EQ(InstanceLock(path("quillmar.lock")).acquire(),
                  InstanceLock::Result::HeldByRunningCopy);
    }
}

} // namespace
} // namespace quillmar::testing
