#include "tests/support/main_window_test_support.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/settings/settings_store.h"

#include <QFile>
#include <QTest>

namespace quillmar::testing {
namespace {

using UnsavedPrograms = MainWindowTest;

TEST_F(UnsavedPrograms, NewIsUndoneInEachPaneLikeAnyOtherEdit) {
    outputWorkedExample();
    const QString macro = pane("txtDataA")->programText().toString();
    const QString standard = pane("txtDataB")->programText().toString();
    clickInto(pane("txtDataB"));
    trigger("mnuFileNew");
    ASSERT_FALSE(pane("txtDataA")->hasProgramText());
    ASSERT_FALSE(pane("txtDataB")->hasProgramText());

    trigger("mnuEditUndo");
    EXPECT_EQ(pane("txtDataB")->programText(), standard);
    EXPECT_FALSE(pane("txtDataA")->hasProgramText());
    clickInto(pane("txtDataA"));
    QTest::keyClick(pane("txtDataA"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane("txtDataA")->programText(), macro);
    EXPECT_FALSE(isBlankButtonFace(*picture("Picture1"))); // drawn again from its text
}

// A generated program counts as a change; the answer to the one question decides.
TEST_F(UnsavedPrograms, ClosingWithChangedTextAsksOnceAndEachAnswerDoesWhatItSays) {
    struct Row {
        const char* what;
        SaveChoice choice;
        const char* saveAs; // what the save dialog answers; empty: cancelled
        bool closes;
        int filesWritten;
    };
    const Row rows[] = {
        {"discard", SaveChoice::Discard, "", true, 0},
        {"cancel", SaveChoice::Cancel, "", false, 0},
        {"save both", SaveChoice::Save, "SAVED.NC", true, 1},
        {"save, dialog cancelled", SaveChoice::Save, "", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        openWindow();
        outputWorkedExample();
        messages.asked.clear();
        messages.saveAnswer = {row.choice, false};
        saveDialog.answer = *row.saveAs ? folder.filePath(QString::fromLatin1(row.saveAs)) : "";
        saveDialog.asked = 0;

        window->close();
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_TRUE(
            messages.asked[0].text.contains(QStringLiteral("Point data for Macro program")));
        EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("Standard program")));
        EXPECT_EQ(window->isVisible(), !row.closes);
        EXPECT_EQ(saveDialog.asked, row.choice == SaveChoice::Save ? (row.closes ? 2 : 1) : 0);
        EXPECT_EQ(QFile::exists(saveDialog.answer), row.filesWritten == 1);
        EXPECT_EQ(pane("txtDataA")->holdsUnsavedText(), row.filesWritten == 0);
        if (!saveDialog.answer.isEmpty()) {
            QFile::remove(saveDialog.answer);
        }
    }
}

TEST_F(UnsavedPrograms, SavedOrEmptyPanesCloseWithoutAQuestion) {
    pane("txtDataA")->setProgramText(QStringLiteral("N001 X32 Z17.7"));
    clickInto(pane("txtDataA"));
    saveDialog.answer = folder.filePath(QStringLiteral("MACRO.MIN"));
    trigger("mnuFileSave");
    trigger("mnuFileNew"); // empties the other pane, which held nothing
    QTest::keyClick(pane("txtDataA"), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(pane("txtDataA")->hasProgramText());
    // Undoing New changed the saved pane again.
    window->close();
    EXPECT_EQ(messages.asked.size(), 1u);
    messages.asked.clear();
    openWindow();
    trigger("ExampleOspMacro"); // a sample is not the user's program
    window->close();
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(UnsavedPrograms, TheChoiceToStopAskingIsKeptInTheSettings) {
    outputWorkedExample();
    messages.saveAnswer = {SaveChoice::Cancel, true}; // a cancelled close settles nothing
    window->close();
    ASSERT_TRUE(window->isVisible());
    messages.saveAnswer = {SaveChoice::Discard, true};
    window->close();
    ASSERT_FALSE(window->isVisible());
    EXPECT_EQ(messages.asked.size(), 2u);
    settings().sync();
    EXPECT_FALSE(readStoredSettings(settings()).askToSaveOnClose);

    openWindow();
    outputWorkedExample();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.asked.size(), 2u);
}

} // namespace
} // namespace quillmar::testing
