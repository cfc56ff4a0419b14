#include "tests/support/dialog_test_support.h"
#include "tests/support/fakes.h"
#include "ui/main/commands/system_info_registry.h"
#include "ui/main/main_window.h"
#include "ui/main/startup/single_instance.h"
#include "ui/main/startup/startup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

namespace quillmar::testing {
namespace {

// Points the user's runtime and configuration folders at fresh ones for the test and
// for the program it starts.
class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        writeFile(settingsPath(), "[Settings]\nMainLeft=1500\n");
    }
    void TearDown() override {
        if (firstCopy_.state() != QProcess::NotRunning) {
            firstCopy_.kill();
            firstCopy_.waitForFinished();
        }
        qputenv("XDG_RUNTIME_DIR", savedRuntime_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString settingsPath() const { return config_.filePath(QStringLiteral("start.conf")); }

    // The real program, started as a user would start it, holding its lock.
    void startFirstCopy() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        firstCopy_.setProcessEnvironment(environment);
        firstCopy_.start(QStringLiteral(QUILLMAR_APP_PATH), {});
        ASSERT_TRUE(firstCopy_.waitForStarted());
        const QString lockFile = InstanceLock::defaultLockFilePath();
        ASSERT_TRUE(lockFile.startsWith(runtime_.path()));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!QFile::exists(lockFile) && std::chrono::steady_clock::now() < deadline) {
            QTest::qWait(50);
        }
        ASSERT_TRUE(QFile::exists(lockFile));
    }

    // The lock lives as long as the test, as it lives as long as the program.
    std::unique_ptr<MainWindow> startInProcess() {
        if (!lock_) {
            lock_.emplace();
            settings_.emplace(settingsPath(), QSettings::IniFormat);
        }
        return startMainWindow(*lock_, {messages, saveDialog, registry, starter}, *settings_);
    }

    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QProcess firstCopy_;
    std::optional<InstanceLock> lock_;
    std::optional<QSettings> settings_;
    RecordingMessageBoxes messages;
    AnsweringSaveDialog saveDialog;
    NoRegistry registry;
    RecordingStarter starter;

private:
    QByteArray savedRuntime_;
    QByteArray savedConfig_;
};

TEST_F(SingleInstance, ASecondStartSaysAlreadyRunningAndLeavesSettingsAndFirstCopyAlone) {
    startFirstCopy();
    EXPECT_EQ(startInProcess(), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Already Running"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Quillmar"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("[Settings]\nMainLeft=1500\n"));
    EXPECT_EQ(firstCopy_.state(), QProcess::Running);
}

TEST_F(SingleInstance, ALockLeftByAKilledCopyDoesNotBlockTheNextStart) {
    startFirstCopy();
    firstCopy_.kill();
    ASSERT_TRUE(firstCopy_.waitForFinished());
    ASSERT_TRUE(QFile::exists(InstanceLock::defaultLockFilePath())); // left behind
    const std::unique_ptr<MainWindow> window = startInProcess();
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SingleInstance, TheFirstStartRunsAndASecondLockInTheSameFolderIsRefused) {
    const std::unique_ptr<MainWindow> window = startInProcess();
    ASSERT_NE(window, nullptr);
    InstanceLock second;
    EXPECT_EQ(second.acquire(), InstanceLock::Result::HeldByRunningCopy);
}

} // namespace
} // namespace quillmar::testing
