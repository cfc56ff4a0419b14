#pragma once

#include "tests/support/dialog_test_support.h"
#include "tests/support/fakes.h"
#include "ui/main/commands/system_info_registry.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/startup/single_instance.h"
#include "ui/main/startup/startup.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quillmar::testing {

// A main window started as the program starts it, over a settings file and a lock
// file in a folder of the test's own, with every seam that would wait for a person
// answered by the test.
class StressWindowTest : public ::testing::Test {
protected:
    StressWindowTest() { starter.starts = false; }
    QString path(const QString& name) const { return folder.filePath(name); }
    // The settings store of the program, as an INI file at the given path.
    std::unique_ptr<QSettings> settingsAt(const QString& file) const;
    // startMainWindow as the program calls it; shows the window and waits until it
    // is exposed. Null when the start refused (a running copy holds the lock).
    std::unique_ptr<MainWindow> start(QSettings& settings, InstanceLock& lock);
    // The same with a lock of the test's own and the given settings file.
    std::unique_ptr<MainWindow> start(const QString& settingsFile = QString());
    // Closes the window as its close box does, and destroys it.
    static void closeAndDestroy(std::unique_ptr<MainWindow>& window);

    QTemporaryDir folder;
    RecordingMessageBoxes messages;
    AnsweringSaveDialog saveDialog;
    NoRegistry registry;
    RecordingStarter starter; // starts nothing: see the constructor
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<InstanceLock> lock;
};

} // namespace quillmar::testing
