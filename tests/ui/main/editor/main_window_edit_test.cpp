#include "tests/support/main_window_test_support.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace quillmar::testing {
namespace {

const QString kProgram = QStringLiteral("G00 X28\r\nG32 Z-80. F12.7\r\nM30\r\n");
const QString kSentinel = QStringLiteral("what the clipboard held before");

class EditCommands : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        b = pane("txtDataB");
        b->setProgramText(kProgram);
        QApplication::clipboard()->setText(kSentinel);
    }
    // Selects characters from..to of the program text.
    void select(int from, int to) { b->setSelection(from, to); }
    QString clipboardText() const { return QApplication::clipboard()->text(); }

    OutputPane* b = nullptr;
};

TEST_F(EditCommands, CopyPutsTheSelectionWithCrLf) {
    clickInto(b);
    select(4, 12); // "X28", the line end, "G32"
    trigger("mnuEditCopy");
    EXPECT_EQ(clipboardText(), QStringLiteral("X28\r\nG32"));
    EXPECT_EQ(b->programText(), kProgram);
}

TEST_F(EditCommands, CutPutsTheSelectionAndRemovesIt) {
    clickInto(b);
    select(0, 9);
    trigger("mnuEditCut");
    EXPECT_EQ(clipboardText(), QStringLiteral("G00 X28\r\n"));
    EXPECT_EQ(b->programText(), QStringLiteral("G32 Z-80. F12.7\r\nM30\r\n"));
}

TEST_F(EditCommands, CopyAllSelectsEverythingAndLeavesItSelected) {
    clickInto(b);
    trigger("mnuEditCopyAll");
    EXPECT_EQ(clipboardText(), kProgram);
    EXPECT_EQ(b->selectedProgramText(), kProgram);
}

TEST_F(EditCommands, PasteReplacesTheSelection) {
    clickInto(b);
    QApplication::clipboard()->setText(QStringLiteral("G01 X30\nZ5"));
    select(0, 7);
    trigger("mnuEditPaste");
    EXPECT_EQ(b->programText(), QStringLiteral("G01 X30\r\nZ5\r\nG32 Z-80. F12.7\r\nM30\r\n"));
    EXPECT_EQ(clipboardText(), QStringLiteral("G01 X30\nZ5")); // not cleared
}

TEST_F(EditCommands, UndoTakesBackTheLastEdit) {
    clickInto(b);
    b->moveCaretToEnd();
    QTest::keyClicks(b, QStringLiteral("G00"));
    trigger("mnuEditUndo");
    EXPECT_EQ(b->programText(), kProgram);
}

TEST_F(EditCommands, CopyOrCutWithNothingSelectedKeepTheClipboard) {
    clickInto(b);
    select(3, 3);
    trigger("mnuEditCopy");
    trigger("mnuEditCut");
    EXPECT_EQ(clipboardText(), kSentinel);
    EXPECT_EQ(b->programText(), kProgram);
}

TEST_F(EditCommands, PasteWithoutTextOnTheClipboardKeepsTheSelection) {
    clickInto(b);
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(image);
    select(0, 7);
    trigger("mnuEditPaste");
    QApplication::clipboard()->setText(QString());
    trigger("mnuEditPaste");
    EXPECT_EQ(b->programText(), kProgram);
    EXPECT_EQ(b->selectedProgramText(), QStringLiteral("G00 X28"));
}

TEST_F(EditCommands, WithTheFocusOnAGraphicNothingHappens) {
    select(0, 7);
    clickInto(picture("Picture1"));
    for (const char* command :
         {"mnuEditCopy", "mnuEditCut", "mnuEditCopyAll", "mnuEditPaste", "mnuEditUndo"}) {
        trigger(command);
    }
    clickToolbarButton("Copy");
    EXPECT_EQ(clipboardText(), kSentinel);
    EXPECT_EQ(b->programText(), kProgram);
}

TEST_F(EditCommands, CtrlAInAPaneIsCopyAll) {
    clickInto(b);
    QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), kProgram);
    EXPECT_EQ(b->selectedProgramText(), kProgram);
}

TEST_F(EditCommands, ToolbarButtonsActOnThePaneThatHadTheFocusAndKeepIt) {
    clickInto(b);
    select(0, 3);
    clickToolbarButton("Copy");
    EXPECT_EQ(clipboardText(), QStringLiteral("G00"));
    EXPECT_EQ(focusName(), QStringLiteral("txtDataB"));
    clickToolbarButton("Cut");
    EXPECT_EQ(b->programText(), kProgram.mid(3));
    clickToolbarButton("Undo");
    EXPECT_EQ(b->programText(), kProgram);
    clickToolbarButton("CopyAll");
    EXPECT_EQ(clipboardText(), kProgram);
    select(0, 0);
    QApplication::clipboard()->setText(QStringLiteral("N1 "));
    clickToolbarButton("Paste");
    EXPECT_EQ(b->programText(), QStringLiteral("N1 ") + kProgram);
}

TEST_F(EditCommands, ARightClickOpensTheEditMenuForTheClickedPane) {
    OutputPane* a = pane("txtDataA");
    a->setProgramText(QStringLiteral("N001 X32 Z17.7\r\n"));
    clickInto(b);
    QTest::mouseClick(a->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    ASSERT_TRUE(waitUntil([menu] { return menu->isVisible(); }));
    EXPECT_EQ(focusName(), QStringLiteral("txtDataA"));
    window->findChild<QAction*>(QStringLiteral("mnuEditCopyAll"))->trigger();
    menu->close();
    EXPECT_EQ(clipboardText(), QStringLiteral("N001 X32 Z17.7\r\n"));
}

} // namespace
} // namespace quillmar::testing
