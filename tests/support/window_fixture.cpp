#include "tests/support/window_fixture.h"

#include <QTest>

namespace quillmar::testing {

std::unique_ptr<QSettings> StressWindowTest::settingsAt(const QString& file) const {
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

std::unique_ptr<MainWindow> StressWindowTest::start(QSettings& store, InstanceLock& instanceLock) {
    auto window = startMainWindow(instanceLock, {messages, saveDialog, registry, starter}, store);
    if (window) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    return window;
}

std::unique_ptr<MainWindow> StressWindowTest::start(const QString& settingsFile) {
    settings = settingsAt(settingsFile.isEmpty() ? path("quillmar.ini") : settingsFile);
    lock = std::make_unique<InstanceLock>(path("quillmar.lock"));
    return start(*settings, *lock);
}

void StressWindowTest::closeAndDestroy(std::unique_ptr<MainWindow>& window) {
    window->close();
    QCoreApplication::processEvents();
    window.reset();
}

} // namespace quillmar::testing
