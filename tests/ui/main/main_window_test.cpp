#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/dialog/twips.h"
#include "ui/main/output_pane.h"
#include "ui/main/settings_store.h"
#include "ui/main/status_panels.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace quillmar::testing {
namespace {

using MainWindowStart = MainWindowTest;

TEST_F(MainWindowStart, AnEmptyStoreOpensTheDesignRectangleWithTheFixedTitle) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmar  Ver. 1.12"));
    // 1000, 1000, 12000 by 8000 twips.
    EXPECT_EQ(window->frameGeometry(), QRect(67, 67, 800, 533));
    EXPECT_EQ(window->openPathName(), QStringLiteral("\\"));
    EXPECT_EQ(window->outputPanes().sequenceCounter, 1.0f);
}

TEST_F(MainWindowStart, FocusStartsOnThePointGraphicAndNoPaneIsFocused) {
    EXPECT_EQ(focusName(), QStringLiteral("Picture1"));
    EXPECT_EQ(statusText(), QStringLiteral("Point Graphic"));
    EXPECT_TRUE(pane("txtDataA")->programText().isEmpty());
    EXPECT_TRUE(pane("txtDataB")->programText().isEmpty());
    EXPECT_FALSE(readout()->isVisible());
}

TEST_F(MainWindowStart, StoredValuesAreRestoredAndNothingIsWrittenUntilClosing) {
    window.reset();
    writeWindowRectangle(settings(), {1500, 3000, 9000, 6000});
    writeOpenPathName(settings(), folder.path());
    settings().sync();
    openWindow();
    EXPECT_EQ(window->frameGeometry(), QRect(100, 200, 600, 400));
    EXPECT_EQ(window->openPathName(), folder.path());
    window->resize(700, 450);
    window.reset(); // destroyed without closing: nothing written
    EXPECT_EQ(readStoredSettings(settings()).window, (TwipsPlacement{1500, 3000, 9000, 6000}));
}

TEST_F(MainWindowStart, ClosingWritesTheRectangleInTwipsAndTheFolder) {
    setOuterGeometry(*window, QRect(120, 90, 640, 420));
    window->close();
    settings().sync();
    const StoredSettings stored = readStoredSettings(settings());
    EXPECT_EQ(stored.window, (TwipsPlacement{1800, 1350, 9600, 6300}));
    EXPECT_EQ(stored.openPathName, QStringLiteral("\\"));
}

TEST_F(MainWindowStart, ClosingWhileMinimisedKeepsTheStoredRectangleButWritesTheFolder) {
    writeWindowRectangle(settings(), {1500, 3000, 9000, 6000});
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    window->close();
    settings().sync();
    EXPECT_EQ(readStoredSettings(settings()).window, (TwipsPlacement{1500, 3000, 9000, 6000}));
    EXPECT_EQ(settings().value(QStringLiteral("Settings/OpenPathName")).toString(),
              QStringLiteral("\\"));
}

TEST_F(MainWindowStart, ClosingWhileMaximisedStoresTheMaximisedRectangleForANormalWindow) {
    setOuterGeometry(*window, QRect(120, 90, 640, 420));
    window->showMaximized();
    ASSERT_TRUE(waitUntil([&] {
        return window->isMaximized() && window->frameGeometry() != QRect(120, 90, 640, 420);
    }));
    const QRect maximised = window->frameGeometry();
    window->close();
    settings().sync();
    const TwipsPlacement stored = readStoredSettings(settings()).window;
    EXPECT_EQ(stored,
              (TwipsPlacement{float(maximised.left() * 15), float(maximised.top() * 15),
                              float(maximised.width() * 15), float(maximised.height() * 15)}));
    openWindow();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->frameGeometry(), maximised);
}

TEST_F(MainWindowStart, ARectangleOnAMissingMonitorOpensOnThePrimaryScreen) {
    window.reset();
    writeWindowRectangle(settings(), {600000, 1000, 9000, 6000});
    openWindow();
    EXPECT_EQ(window->frameGeometry().size(), QSize(600, 400));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().intersects(window->frameGeometry()));
}

TEST_F(MainWindowStart, ClosingDiscardsTheDataInputDialog) {
    testing::whenModalDialogShown(window.get(), [](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("DataInput1"));
        dialog.hide();
    });
    window->dataInputCommand();
    EXPECT_NE(window->findChild<QDialog*>(QStringLiteral("DataInput1")), nullptr); // kept
    window->close();
    EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("DataInput1")), nullptr);
}

QWidget* client(MainWindow& window) {
    return window.centralWidget();
}

TEST_F(MainWindowTest, TheLayoutFollowsTheClientSize) {
    window->resize(900, 560);
    QApplication::processEvents();
    const int ch = client(*window)->height() * 15;
    const int cw = client(*window)->width() * 15;
    const int ow = window->frameGeometry().width() * 15;
    const int top = (ch - 1100) / 2 - 30;
    EXPECT_EQ(pane("txtDataA")->geometry(), twipsRect(10, 680, 4250, top));
    EXPECT_EQ(picture("Picture1")->geometry(), twipsRect(4300, 680, ow - 4600, top));
    EXPECT_EQ(pane("txtDataB")->geometry(),
              twipsRect(10, (ch - 1100) / 2 + 680, 4250, (ch - 680) / 2 - 65));
    EXPECT_EQ(readout()->geometry(), twipsRect(cw - 2200, 300, 2300, 600));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Line1"))->geometry(),
              twipsRect(0, 600, cw, 15));
}

void resizeClient(MainWindow& window, int width, int clientHeight) {
    window.resize(width, window.height() - client(window)->height() + clientHeight);
    QApplication::processEvents();
    ASSERT_EQ(client(window)->height(), clientHeight);
}

TEST_F(MainWindowTest, ATooSmallWindowMovesOnlyTheControlsThatStillFit) {
    resizeClient(*window, 900, 500);
    const QRect topPane = pane("txtDataA")->geometry();
    const QRect topPicture = picture("Picture1")->geometry();
    resizeClient(*window, 900, 60); // 900 twips: no room for the top row
    EXPECT_EQ(pane("txtDataA")->geometry(), topPane);
    EXPECT_EQ(picture("Picture1")->geometry(), topPicture);
    EXPECT_EQ(pane("txtDataB")->geometry(), twipsRect(10, 580, 4250, 45));
    EXPECT_EQ(picture("Picture2")->geometry().top(), twipsRect(10, 580, 4250, 45).top());
}

TEST_F(MainWindowTest, APaneTakingTheFocusNamesItselfAndLooksLikeAnEditField) {
    const QColor windowColour = QApplication::palette().color(QPalette::Base);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(windowColour, buttonFace);
    OutputPane* a = pane("txtDataA");
    OutputPane* b = pane("txtDataB");
    EXPECT_EQ(a->palette().color(QPalette::Base), buttonFace);

    clickInto(b);
    EXPECT_EQ(statusText(), QStringLiteral("Standard program"));
    EXPECT_EQ(b->palette().color(QPalette::Base), windowColour);
    EXPECT_EQ(a->palette().color(QPalette::Base), buttonFace);

    clickInto(a);
    EXPECT_EQ(statusText(), QStringLiteral("Point data for Macro program"));
    EXPECT_EQ(a->palette().color(QPalette::Base), windowColour);
    EXPECT_EQ(b->palette().color(QPalette::Base), buttonFace);

    clickInto(picture("Picture2"));
    EXPECT_EQ(statusText(), QStringLiteral("Cutting Graphic"));
    EXPECT_EQ(a->palette().color(QPalette::Base), buttonFace);
    clickInto(picture("Picture1"));
    EXPECT_EQ(statusText(), QStringLiteral("Point Graphic"));
}

TEST_F(MainWindowTest, TabVisitsTheGraphicsBeforeTheStandardPaneAndThenTheMacroPane) {
    readout()->show();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusName());
    }
    EXPECT_EQ(visited, (QStringList{QStringLiteral("Picture2"), QStringLiteral("Picture3"),
                                    QStringLiteral("txtDataB"), QStringLiteral("txtDataA")}));
}

TEST_F(MainWindowTest, TheInsertKeyTogglesOverwriteForBothPanesAndTheStatusPanel) {
    auto* panel = window->findChild<QLabel*>(QStringLiteral("sbStatusBarPanel2"));
    EXPECT_EQ(panel->text(), QStringLiteral("INS"));
    clickInto(pane("txtDataA"));
    QTest::keyClick(pane("txtDataA"), Qt::Key_Insert);
    EXPECT_EQ(panel->text(), QStringLiteral("OVR"));
    EXPECT_TRUE(pane("txtDataA")->overwriteMode());
    EXPECT_TRUE(pane("txtDataB")->overwriteMode());
    QTest::keyClicks(pane("txtDataA"), QStringLiteral("AB"));
    QTest::keyClick(pane("txtDataA"), Qt::Key_Home);
    QTest::keyClicks(pane("txtDataA"), QStringLiteral("X"));
    EXPECT_EQ(pane("txtDataA")->programText(), QStringLiteral("XB"));
    QTest::keyClick(pane("txtDataA"), Qt::Key_Insert);
    EXPECT_EQ(panel->text(), QStringLiteral("INS"));
}

TEST(StatusPanelsNumLock, ShownWhereTheKeyEventsCarryIt) {
    EXPECT_EQ(StatusPanels::numLockFromKeyEvent(QStringLiteral("xcb"), 0x10), true);
    EXPECT_EQ(StatusPanels::numLockFromKeyEvent(QStringLiteral("xcb"), 0x01), false);
    EXPECT_EQ(StatusPanels::numLockFromKeyEvent(QStringLiteral("wayland"), 0x10), true);
    EXPECT_EQ(StatusPanels::numLockFromKeyEvent(QStringLiteral("offscreen"), 0x10), std::nullopt);
    // Only X11 answers a question; the test platform does not.
    EXPECT_EQ(StatusPanels::numLockFromWindowSystem(), std::nullopt);
    EXPECT_EQ(StatusPanels::numLockText(true), QStringLiteral("NUM"));
    EXPECT_EQ(StatusPanels::numLockText(false), QString());
    EXPECT_EQ(StatusPanels::numLockText(std::nullopt), QString());
}

TEST_F(MainWindowTest, TheDateAndTimePanelsShowTheClock) {
    const QLocale locale;
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("sbStatusBarPanel4"))->text(),
              locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("sbStatusBarPanel5"))->text().isEmpty());
}

std::size_t recordedCalls(const PictureBox* picture) {
    return picture->commandCount();
}

TEST_F(MainWindowTest, TypingIntoTheMacroPaneRedrawsThePointGraphicAtOnce) {
    outputWorkedExample();
    clickInto(pane("txtDataA"));
    picture("Picture1")->surface().clear();
    ASSERT_EQ(recordedCalls(picture("Picture1")), 1u);
    QTest::keyClicks(pane("txtDataA"), QStringLiteral("N"));
    EXPECT_GT(recordedCalls(picture("Picture1")), 10u);
}

TEST_F(MainWindowTest, AProgramOutputDrawsBothGraphicsAndShowsTheReadoutBox) {
    outputWorkedExample();
    EXPECT_TRUE(pane("txtDataA")->programText().endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_GT(recordedCalls(picture("Picture1")), 10u);
    EXPECT_GT(recordedCalls(picture("Picture2")), 10u);
    EXPECT_TRUE(readout()->isVisible());
}

QString expectedReadout(double x, double y) {
    return QStringLiteral("  X%1  Z%2").arg(-2.0 * y, 0, 'f', 3).arg(x, 0, 'f', 3);
}

TEST_F(MainWindowTest, MovingThePointerOverEitherGraphicReadsOutDiameterAndZ) {
    outputWorkedExample();
    for (const char* name : {"Picture1", "Picture2"}) {
        PictureBox* graphic = picture(name);
        const QPoint at(graphic->width() / 3, graphic->height() / 4);
        QTest::mouseMove(graphic, at);
        const QPointF user = graphic->userPosition(QPointF(at));
        const QString expected = expectedReadout(user.x(), user.y());
        EXPECT_TRUE(waitUntil([&] { return readout()->text() == expected; }))
            << name << ": " << readout()->text().toStdString() << " instead of "
            << expected.toStdString();
        EXPECT_TRUE(readout()->text().contains(QStringLiteral("  X")));
    }
}

} // namespace
} // namespace quillmar::testing
