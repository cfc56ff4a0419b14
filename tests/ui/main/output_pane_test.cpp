#include "ui/main/crlf_text_mirror.h"
#include "ui/main/output_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <random>

namespace quillmar {
namespace {

class OutputPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(400, 300);
        pane.show();
        pane.activateWindow();
        pane.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
    }
    QString text() const { return pane.programText().toString(); }
    // What the mirror holds must always be what a rebuild from the document gives.
    void expectMirrorCurrent() const {
        EXPECT_EQ(text(), CrLfTextMirror::buildFrom(*pane.document()));
    }

    OutputPane pane;
};

TEST_F(OutputPaneTest, ATextWithCrLfLineEndsReadsBackByteForByte) {
    const QString program = QStringLiteral("(標準用メインプログラム)\r\n\r\nN000 G00 X28\r\n\r\n");
    pane.setProgramText(program);
    EXPECT_EQ(text(), program);
    EXPECT_EQ(pane.document()->blockCount(), 5);
}

TEST_F(OutputPaneTest, LoneCrLoneLfAndLineSeparatorsEachBecomeOneCrLf) {
    pane.setProgramText(QStringLiteral("a\rb\nc\u2028d\u2029e\r\n"));
    EXPECT_EQ(text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\n"));
}

TEST_F(OutputPaneTest, EachSettingNotifiesOnceWithTheNewTextAlreadyReadable) {
    QStringList seen;
    QObject::connect(&pane, &OutputPane::programTextChanged, &pane,
                     [&] { seen.append(pane.programText().toString()); });
    pane.setProgramText(QStringLiteral("G00\r\n"));
    pane.setProgramText(QStringLiteral("G00\r\nG01\r\n\r\n")); // an appended block
    pane.setProgramText(QString());
    EXPECT_EQ(seen, (QStringList{QStringLiteral("G00\r\n"), QStringLiteral("G00\r\nG01\r\n\r\n"),
                                 QString()}));
}

TEST_F(OutputPaneTest, AnAppendedBlockReadsBackExactly) {
    const QString first = QStringLiteral("N001 X32 Z17.7\r\nN002 X32 Z17.5\r\n\r\n");
    const QString both = first + QStringLiteral("N003 X32 Z17.3\r\n\r\n");
    pane.setProgramText(first);
    pane.setProgramText(both);
    EXPECT_EQ(text(), both);
    expectMirrorCurrent();
}

TEST_F(OutputPaneTest, ProgramTextViewIsTheSameUtf16Text) {
    pane.setProgramText(QStringLiteral("G00 X1\r\nZ2"));
    EXPECT_EQ(pane.programTextView(), std::u16string_view(u"G00 X1\r\nZ2"));
}

TEST_F(OutputPaneTest, TypingReturnAndShiftReturnBothGiveCrLf) {
    QTest::keyClicks(&pane, QStringLiteral("G00"));
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClicks(&pane, QStringLiteral("G01"));
    QTest::keyClick(&pane, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&pane, QStringLiteral("M30"));
    EXPECT_EQ(text(), QStringLiteral("G00\r\nG01\r\nM30"));
    expectMirrorCurrent();
}

TEST_F(OutputPaneTest, TypedCharactersNotifyOneChangeEach) {
    QSignalSpy changes(&pane, &OutputPane::programTextChanged);
    QTest::keyClicks(&pane, QStringLiteral("X32"));
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(OutputPaneTest, ThePlatformCopyKeyPutsCrLfText) {
    pane.setProgramText(QStringLiteral("G00\r\nG01"));
    pane.selectAll();
    QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("G00\r\nG01"));
}

TEST_F(OutputPaneTest, PastedLfTextBecomesCrLfText) {
    QApplication::clipboard()->setText(QStringLiteral("X1\nZ2\n"));
    QTest::keyClick(&pane, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("X1\r\nZ2\r\n"));
}

TEST_F(OutputPaneTest, TextSetByTheProgramIsNotUndoneButTypingIs) {
    pane.setProgramText(QStringLiteral("G00\r\n"));
    pane.moveCursor(QTextCursor::End);
    QTest::keyClicks(&pane, QStringLiteral("M30"));
    pane.undo();
    EXPECT_EQ(text(), QStringLiteral("G00\r\n"));
    pane.undo();
    EXPECT_EQ(text(), QStringLiteral("G00\r\n"));
}

TEST_F(OutputPaneTest, TheInsertKeyAsksToToggleOverwriteAndInsertsNothing) {
    QSignalSpy toggles(&pane, &OutputPane::overwriteToggleRequested);
    QTest::keyClick(&pane, Qt::Key_Insert);
    EXPECT_EQ(toggles.count(), 1);
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(OutputPaneTest, ARightClickIsReportedWithItsScreenPosition) {
    QSignalSpy presses(&pane, &OutputPane::rightButtonPressed);
    QTest::mouseClick(pane.viewport(), Qt::RightButton, {}, QPoint(20, 10));
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses.at(0).at(0).toPoint(), pane.viewport()->mapToGlobal(QPoint(20, 10)));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(presses.count(), 1);
}

// Random edits of every kind the pane meets: typing, line breaks, deleting across
// lines, pasting several lines over a selection, undo and redo, and program sets.
TEST_F(OutputPaneTest, TheMirrorFollowsEveryKindOfEdit) {
    std::mt19937 random(20240611);
    pane.setProgramText(QStringLiteral("N001 X32 Z17.7\r\nN002 X32 Z17.5\r\n\r\n"));
    // What changed since the graphic last looked, taken every few edits: the text
    // before the reported change and after it must be what it was.
    (void)pane.takeProgramTextEdit();
    QString taken = text();
    int exactChanges = 0;
    for (int step = 0; step < 400; ++step) {
        const int length = pane.document()->characterCount() - 1;
        QTextCursor cursor = pane.textCursor();
        cursor.setPosition(std::uniform_int_distribution<int>(0, length)(random));
        cursor.setPosition(std::uniform_int_distribution<int>(0, length)(random),
                           QTextCursor::KeepAnchor);
        pane.setTextCursor(cursor);
        switch (std::uniform_int_distribution<int>(0, 7)(random)) {
        case 0:
            QTest::keyClicks(&pane, QStringLiteral("G0"));
            break;
        case 1:
            QTest::keyClick(&pane, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(&pane, Qt::Key_Backspace);
            break;
        case 3:
            QTest::keyClick(&pane, Qt::Key_Delete);
            break;
        case 4:
            pane.replaceSelection(QStringLiteral("X1\r\nZ2\nM3\r"));
            break;
        case 5:
            pane.undo();
            break;
        case 6:
            pane.redo();
            break;
        default:
            pane.setProgramText(text() + QStringLiteral("N099 X32\r\n\r\n"));
            break;
        }
        ASSERT_EQ(text(), CrLfTextMirror::buildFrom(*pane.document())) << "step " << step;
        if (step % 3 == 2) {
            const TextEdit edit = pane.takeProgramTextEdit();
            const QString now = text();
            if (!edit.everything) {
                ++exactChanges;
                const auto at = qsizetype(edit.position);
                ASSERT_EQ(taken.size() - qsizetype(edit.removed) + qsizetype(edit.added),
                          now.size());
                ASSERT_EQ(now.first(at), taken.first(at)) << "step " << step;
                ASSERT_EQ(now.sliced(at + qsizetype(edit.added)),
                          taken.sliced(at + qsizetype(edit.removed)))
                    << "step " << step;
            }
            taken = now;
        }
    }
    EXPECT_GT(exactChanges, 100); // not just "all of it" each time
}

// A document and its mirror, connected as the pane connects them.
struct MirroredDocument {
    MirroredDocument() {
        QObject::connect(
            &document, &QTextDocument::contentsChange,
            [this](int at, int removed, int added) { mirror.noteChange(at, removed, added); });
    }
    QTextDocument document;
    CrLfTextMirror mirror{document};
};

TEST(CrLfTextMirror, FollowsADocumentEditedThroughCursors) {
    MirroredDocument mirrored;
    QTextDocument& document = mirrored.document;
    CrLfTextMirror& mirror = mirrored.mirror;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("ab\ncd"));
    mirror.sync();
    EXPECT_EQ(mirror.text(), QStringLiteral("ab\r\ncd"));
    cursor.setPosition(1);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("X"));
    mirror.sync();
    EXPECT_EQ(mirror.text(), QStringLiteral("aXd"));
    document.setPlainText(QString());
    mirror.sync();
    EXPECT_EQ(mirror.text(), QString());
}

TEST(CrLfTextMirror, EditsInALongTextConvertOnlyWhatChanged) {
    MirroredDocument mirrored;
    QTextDocument& document = mirrored.document;
    CrLfTextMirror& mirror = mirrored.mirror;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("N001 X32 Z17.7\n").repeated(1000));
    mirror.sync();
    const int rebuildsBefore = mirror.rebuildCount();
    cursor.setPosition(15 * 500 + 4);
    for (const QString& typed : {QStringLiteral("1"), QStringLiteral("\n"), QStringLiteral("G")}) {
        cursor.insertText(typed);
        mirror.sync();
    }
    cursor.deletePreviousChar();
    cursor.deletePreviousChar();
    mirror.sync();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("M30"));
    mirror.sync();
    EXPECT_EQ(mirror.rebuildCount(), rebuildsBefore);
    EXPECT_EQ(mirror.text(), CrLfTextMirror::buildFrom(document));
    EXPECT_TRUE(mirror.text().endsWith(QStringLiteral("Z17.7\r\nM30")));
}

TEST(CrLfTextMirror, ChangesNotedOutOfRangeRebuildFromTheDocument) {
    QTextDocument document;
    CrLfTextMirror mirror(document);
    QTextCursor(&document).insertText(QStringLiteral("a\nb"));
    mirror.noteChange(0, 50, 3); // not what happened
    mirror.sync();
    EXPECT_EQ(mirror.text(), QStringLiteral("a\r\nb"));
}

} // namespace
} // namespace quillmar
