#include "tests/support/window_fixture.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <csignal>

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

// A lock file that names no process (cut short by a crash or a full disk), or a
// process that has ended, as it stands a minute after it was written.
TEST_F(InstanceLockFaults, AGarbledOrDeadLockFileDoesNotStopTheNextStart) {
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    for (const QByteArray& content :
         {QByteArray(), QByteArray("\x01\x02garbage\n\n"), QByteArray("-1\n"),
          QByteArray("999999999\nquillmar\n" + host + "\n")}) {
        SCOPED_TRACE(content.toStdString());
        QFile lockFile(path("quillmar.lock"));
        ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lockFile.write(content);
        lockFile.flush();
        lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime);
        lockFile.close();

        messages.shown.clear();
        auto window = start();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(messages.shown.empty());
        closeAndDestroy(window);
        lock.reset();
    }
}

// The same garbled file just made may be a copy starting this very moment: it holds.
TEST_F(InstanceLockFaults, ALockFileBeingWrittenByAStartingCopyIsRespected) {
    QFile lockFile(path("quillmar.lock"));
    ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly));
    lockFile.close();
    EXPECT_EQ(start(), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Already Running"));
}

} // namespace
} // namespace quillmar::testing
