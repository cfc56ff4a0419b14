#include "tests/support/main_window_test_support.h"

#include "graphics/recording_surface.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <string>
#include <utility>

namespace quillmar::testing {

DialogSnapshot workedExampleSnapshot() {
    DialogSnapshot snapshot;
    for (const auto& [name, text] : workedExampleTyping()) {
        for (const JobFieldInfo& info : kJobFields) {
            if (info.widgetName == name) {
                snapshot.text(info.field) = text;
            }
        }
    }
    return snapshot;
}

bool waitUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 5000) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

bool isBlankButtonFace(const PictureBox& picture) {
    const auto commands = picture.displayList();
    if (commands.size() != 1) {
        return false;
    }
    const auto* clear = std::get_if<ClearCommand>(&commands.front());
    return clear != nullptr && clear->background == Colour::named(SystemColour::ButtonFace);
}

void setOuterGeometry(QWidget& window, const QRect& outer) {
    window.move(outer.topLeft());
    window.resize(outer.size() - (window.frameGeometry().size() - window.size()));
    ASSERT_EQ(window.frameGeometry(), outer);
}

void MainWindowTest::SetUp() {
    settings_ = std::make_unique<QSettings>(folder.filePath(QStringLiteral("Quillmar.conf")),
                                            QSettings::IniFormat);
    openWindow();
}

void MainWindowTest::TearDown() {
    window.reset();
    settings_.reset();
}

void MainWindowTest::openWindow() {
    window.reset();
    window = std::make_unique<MainWindow>(
        MainWindowServices{messages, saveDialog, registry, starter}, *settings_);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

OutputPane* MainWindowTest::pane(const char* name) const {
    auto* found = window->findChild<OutputPane*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

PictureBox* MainWindowTest::picture(const char* name) const {
    auto* found = window->findChild<PictureBox*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QLabel* MainWindowTest::readout() const {
    return window->findChild<QLabel*>(QStringLiteral("Picture3"));
}

QString MainWindowTest::statusText() const {
    return window->findChild<QLabel*>(QStringLiteral("sbStatusBarPanel1"))->text();
}

QString MainWindowTest::focusName() const {
    QWidget* focused = window->focusWidget();
    return focused == nullptr ? QString() : focused->objectName();
}

void MainWindowTest::clickInto(QWidget* widget) {
    auto* textPane = qobject_cast<OutputPane*>(widget);
    QWidget* target = textPane != nullptr ? textPane->viewport() : widget;
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(window->focusWidget(), widget);
}

void MainWindowTest::trigger(const char* actionName) {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
}

void MainWindowTest::clickToolbarButton(const char* key) {
    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    auto* action = toolbar->findChild<QAction*>(QStringLiteral("tbToolBar_") + key);
    ASSERT_NE(action, nullptr) << key;
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
    ASSERT_NE(button, nullptr) << key;
    QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::outputWorkedExample() {
    ASSERT_TRUE(
        runProgramOutput(window->job(), workedExampleSnapshot(), window->outputPanes()).ok());
}

} // namespace quillmar::testing
