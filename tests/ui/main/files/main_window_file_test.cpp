#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/main/commands/example_programs.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/settings/settings_store.h"
#include "ui/paint/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace quillmar::testing {
namespace {

QString sample(std::span<const std::string_view> lines) {
    return QString::fromStdString(sampleText(lines));
}

using FileCommands = MainWindowTest;

TEST_F(FileCommands, NewEmptiesPanesAndPicturesAndRestartsNumberingOnly) {
    outputWorkedExample();
    outputWorkedExample();
    ASSERT_GT(window->outputPanes().sequenceCounter, 1.0f);
    const double pitch = window->job().pitch;
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->outputPanes().sequenceCounter, 1.0f);
    EXPECT_TRUE(pane("txtDataA")->programText().isEmpty());
    EXPECT_TRUE(pane("txtDataB")->programText().isEmpty());
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture2")));
    EXPECT_EQ(window->job().pitch, pitch);

    // The data input dialog still offers the last values.
    QString pitchShown;
    testing::whenModalDialogShown(window.get(), [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("DataInput1"));
        pitchShown = dialog.findChild<QLineEdit*>(QStringLiteral("Text2"))->text();
        dialog.hide();
    });
    trigger("mnuSquare");
    EXPECT_EQ(pitchShown, QStringLiteral("6"));
}

TEST_F(FileCommands, AGeneratedBlockReadsBackByteForByteThroughTheCommandsView) {
    const std::string block = "(標準用メインプログラム)\r\nN001 G00 X30.07 Z10.75\r\n\r\n";
    window->outputPanes().setPaneText(Pane::Standard, block);
    window->outputPanes().setPaneText(Pane::Standard, block + block);
    window->outputPanes().appendToPane(Pane::Standard, block);
    EXPECT_EQ(window->outputPanes().paneText(Pane::Standard), block + block + block);
    EXPECT_EQ(window->outputPanes().paneText(Pane::Macro), std::string());
}

TEST_F(FileCommands, SaveRightAfterStartAsksForAPane) {
    clickToolbarButton("Save");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please select Text box. "));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

TEST_F(FileCommands, NewThenSaveFindsNoDataAndWritesNothing) {
    outputWorkedExample();
    clickInto(pane("txtDataA"));
    trigger("mnuFileNew");
    saveDialog.answer = folder.filePath(QStringLiteral("EMPTY.MIN"));
    trigger("mnuFileSave");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No data !! "));
    EXPECT_FALSE(QFile::exists(saveDialog.answer));
}

TEST_F(FileCommands, TheToolbarSavesThePaneThatHasTheFocusAndTheFolderSurvivesARestart) {
    pane("txtDataA")->setProgramText(QStringLiteral("N001 X32 Z17.7\r\n"));
    pane("txtDataB")->setProgramText(QStringLiteral("G00"));
    clickInto(pane("txtDataA"));
    saveDialog.answer = folder.filePath(QStringLiteral("MACRO.MIN"));
    clickToolbarButton("Save");
    QFile saved(saveDialog.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("N001 X32 Z17.7\r\n\r\n"));
    EXPECT_EQ(window->openPathName(), folder.path());

    clickToolbarButton("Exit");
    EXPECT_FALSE(window->isVisible());
    openWindow();
    clickInto(pane("txtDataB"));
    pane("txtDataB")->setProgramText(QStringLiteral("G00"));
    saveDialog.answer.clear();
    trigger("mnuFileSave");
    EXPECT_EQ(saveDialog.openedIn, folder.path());
}

TEST_F(FileCommands, ExitWritesTheSettingsLikeTheCloseBox) {
    setOuterGeometry(*window, QRect(150, 75, 600, 450));
    trigger("mnuFileExit");
    EXPECT_FALSE(window->isVisible());
    settings().sync();
    EXPECT_EQ(readStoredSettings(settings()).window, (TwipsPlacement{2250, 1125, 9000, 6750}));
    EXPECT_TRUE(settings().contains(QStringLiteral("Settings/OpenPathName")));
}

TEST_F(FileCommands, FanucSampleEmptiesTheMacroPaneAndBlanksThePointGraphic) {
    outputWorkedExample();
    clickInto(pane("txtDataA"));
    QTest::keyClicks(pane("txtDataA"), QStringLiteral("typed"));
    const float counter = window->outputPanes().sequenceCounter;
    trigger("ExampleFanucStandard");
    EXPECT_EQ(pane("txtDataB")->programText(), sample(fanucProgramLines()));
    EXPECT_EQ(pane("txtDataB")->programText().count(QStringLiteral("\r\n")), 18);
    EXPECT_TRUE(pane("txtDataA")->programText().isEmpty());
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_EQ(window->outputPanes().sequenceCounter, counter);
}

TEST_F(FileCommands, OspStandardSampleStartsWithItsTitleAndEndsWithTwoLineBreaks) {
    trigger("ExampleOspStandard");
    const QString text = pane("txtDataB")->programText().toString();
    EXPECT_EQ(text, sample(ospStandardProgramLines()));
    EXPECT_TRUE(text.startsWith(QStringLiteral("(標準用メインプログラム)\r\n\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("NEND M02\r\n\r\n")));
    EXPECT_TRUE(pane("txtDataA")->programText().isEmpty());
}

TEST_F(FileCommands, OspMacroSampleFillsBothPanesAndLeavesThePointGraphicBlank) {
    outputWorkedExample();
    trigger("ExampleOspMacro");
    EXPECT_EQ(pane("txtDataA")->programText(), sample(ospMacroMainProgramLines()));
    EXPECT_EQ(pane("txtDataB")->programText(), sample(ospSystemSubprogramLines()));
    EXPECT_TRUE(pane("txtDataB")->programText().endsWith(QStringLiteral("NRTS RTS\r\n\r\n\r\n")));
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_FALSE(isBlankButtonFace(*picture("Picture2")));
}

TEST_F(FileCommands, EveryToolbarKeyRunsItsCommandAndTheSeparatorsNone) {
    window->toolbarButtonClicked(QString());
    window->toolbarButtonClicked(QStringLiteral("new")); // keys are case-sensitive
    outputWorkedExample();
    window->toolbarButtonClicked(QStringLiteral("new"));
    EXPECT_FALSE(pane("txtDataA")->programText().isEmpty());
    window->toolbarButtonClicked(QStringLiteral("New"));
    EXPECT_TRUE(pane("txtDataA")->programText().isEmpty());
}

TEST_F(FileCommands, TheToolbarHasItsItemsWithTheirTooltipsAndNoCaptions) {
    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QStringList tips;
    for (const QAction* action : toolbar->actions()) {
        tips.append(action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        EXPECT_TRUE(action->text().isEmpty() || action->isSeparator());
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    }
    EXPECT_EQ(tips, (QStringList{"全データ消去", "データ入力", "保存", "|", "元に戻す", "切り取り",
                                 "コピー", "全コピー", "貼り付け", "|", "終了", "|", "開く"}));
    EXPECT_EQ(toolbar->iconSize(), QSize(32, 32));
}

TEST_F(FileCommands, TheMenusCarryTheirCaptionsAndOnlyThreeShortcuts) {
    const std::vector<std::pair<const char*, QString>> items = {
        {"mnuFileNew", "新規(&N)"},
        {"mnuSquare", "データ入力"},
        {"mnuFileSave", "保存"},
        {"mnuFileOpen", "開く(&O)..."},
        {"mnuFileRecent", "最近使ったファイル"},
        {"mnuFileExit", "終了(&X)"},
        {"mnuEditUndo", "元に戻す"},
        {"mnuEditCut", "切り取り"},
        {"mnuEditCopy", "コピー"},
        {"mnuEditCopyAll", "全コピー"},
        {"mnuEditPaste", "貼り付け"},
        {"ExampleOspMacro", "OSP マクロ"},
        {"ExampleOspStandard", "OSP 標準"},
        {"ExampleFanucStandard", "FANUC"},
        {"mnuThreadStandard", "ねじ規格"},
        {"mnuToolsSimulation", "切削シミュレーション"},
        {"mnuHelpAbout", "Quillmarについて(&A)"}};
    for (const auto& [name, caption] : items) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption) << name;
        EXPECT_TRUE(action->isEnabled()) << name;
        const QString shortcut = action->shortcut().toString();
        EXPECT_EQ(shortcut, name == std::string("mnuFileNew")       ? QStringLiteral("Ctrl+N")
                            : name == std::string("mnuEditCopyAll") ? QStringLiteral("Ctrl+A")
                            : name == std::string("mnuFileOpen")    ? QStringLiteral("Ctrl+O")
                                                                    : QString())
            << name;
    }
    // Open and the recent files come after Save, before the separator.
    QStringList fileItems;
    for (const QAction* action : window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions()) {
        fileItems.append(action->objectName());
    }
    EXPECT_EQ(fileItems, (QStringList{"mnuFileNew", "mnuSquare", "mnuFileSave", "mnuFileOpen",
                                      "mnuFileRecent", "mnuFileBar2", "mnuFileExit"}));
    const QStringList menus = {QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                               QStringLiteral("サンプル"), QStringLiteral("ツール(&T)"),
                               QStringLiteral("ヘルプ(&H)")};
    QStringList shown;
    for (const QAction* action : window->menuBar()->actions()) {
        shown.append(action->text());
    }
    EXPECT_EQ(shown, menus);
    // One Tools menu, which every part of the window adds to.
    const auto tools = window->menuBar()->findChildren<QMenu*>(QStringLiteral("mnuTools"));
    ASSERT_EQ(tools.size(), 1);
    QStringList toolItems;
    for (const QAction* action : tools.front()->actions()) {
        toolItems.append(action->objectName());
    }
    EXPECT_EQ(toolItems, (QStringList{"mnuThreadStandard", "mnuToolsSimulation", "mnuToolsLanguage",
                                      "mnuToolsMachine"}));
}

} // namespace
} // namespace quillmar::testing
