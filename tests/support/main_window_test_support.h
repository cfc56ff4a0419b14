#pragma once

#include "core/program_output.h"
#include "tests/support/dialog_test_support.h"
#include "tests/support/fakes.h"
#include "ui/main/commands/system_info_registry.h"
#include "ui/main/main_window.h"

#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QLabel;

namespace quillmar {
class OutputPane;
class PictureBox;
} // namespace quillmar

namespace quillmar::testing {

// The worked example as the dialog holds it when "プログラム出力" is pressed.
DialogSnapshot workedExampleSnapshot();

// Processes events until the condition holds or five seconds have passed; says which.
bool waitUntil(const std::function<bool()>& condition);

// True when the picture holds nothing but a clear to the button-face colour.
bool isBlankButtonFace(const PictureBox& picture);

// Places the window's outer frame, as the stored rectangle describes it.
void setOuterGeometry(QWidget& window, const QRect& outer);

// A main window over a settings file of its own, shown and active like the user's.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window (again) from the settings file, shows it and waits until active.
    void openWindow();
    QSettings& settings() { return *settings_; }

    OutputPane* pane(const char* name) const;
    PictureBox* picture(const char* name) const;
    QLabel* readout() const;
    QString statusText() const;
    QString focusName() const;

    void clickInto(QWidget* widget);
    void trigger(const char* actionName);
    void clickToolbarButton(const char* key);
    // The program output command on the worked example, as the dialog runs it.
    void outputWorkedExample();

    QTemporaryDir folder;
    RecordingMessageBoxes messages;
    AnsweringSaveDialog saveDialog;
    NoRegistry registry;
    RecordingStarter starter;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<MainWindow> window;
};

} // namespace quillmar::testing
