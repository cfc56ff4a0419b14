#include "ui/main/editor/output_pane.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <random>
#include <vector>

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
    // The pane's lines, joined by CR LF, are its text: the line index keeps up.
    QString joinedLines() const {
        QStringList lines;
        for (qsizetype line = 0; line < pane.lineCount(); ++line) {
            lines.append(pane.lineText(line));
        }
        return lines.join(QStringLiteral("\r\n"));
    }
    void expectLinesCurrent() const { EXPECT_EQ(joinedLines(), text()); }
    using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;
    // The program after the keys, pressed from its start, and then "#" typed.
    QString typedAfter(const QString& program, const Keys& keys) {
        pane.setProgramText(program);
        for (const auto& [key, modifiers] : keys) {
            QTest::keyClick(&pane, key, modifiers);
        }
        QTest::keyClicks(&pane, QStringLiteral("#"));
        return text();
    }

    OutputPane pane;
};

TEST_F(OutputPaneTest, ATextWithCrLfLineEndsReadsBackByteForByte) {
    const QString program = QStringLiteral("(標準用メインプログラム)\r\n\r\nN000 G00 X28\r\n\r\n");
    pane.setProgramText(program);
    EXPECT_EQ(text(), program);
    EXPECT_EQ(pane.lineCount(), 5);
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
    const QString second = QStringLiteral("N003 X32 Z17.3\r\n\r\n");
    pane.setProgramText(first);
    pane.setProgramText(first + second);
    EXPECT_EQ(text(), first + second);
    expectLinesCurrent();
    pane.appendProgramText(second);
    EXPECT_EQ(text(), first + second + second);
    expectLinesCurrent();
}

// A shared copy, as a worker reads it, keeps the text it was taken with while the pane
// is typed into.
TEST_F(OutputPaneTest, ProgramTextViewAndASharedCopyAreTheSameUtf16Text) {
    pane.setProgramText(QStringLiteral("G00 X1\r\nZ2"));
    EXPECT_EQ(pane.programTextView(), std::u16string_view(u"G00 X1\r\nZ2"));
    const SharedText shared = pane.sharedProgramText();
    QTest::keyClicks(&pane, QStringLiteral("5"));
    EXPECT_EQ(shared.view(), std::u16string_view(u"G00 X1\r\nZ2"));
    EXPECT_NE(pane.programTextView(), shared.view());
    expectLinesCurrent();
}

TEST_F(OutputPaneTest, TypingReturnAndShiftReturnBothGiveCrLf) {
    QTest::keyClicks(&pane, QStringLiteral("G00"));
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClicks(&pane, QStringLiteral("G01"));
    QTest::keyClick(&pane, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&pane, QStringLiteral("M30"));
    EXPECT_EQ(text(), QStringLiteral("G00\r\nG01\r\nM30"));
    expectLinesCurrent();
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
    pane.moveCaretToEnd();
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

// Keys from the start of a program, then "#" typed where they leave the caret (or over
// what they selected).
TEST_F(OutputPaneTest, KeysMoveAndSelectAsInAnyEditor) {
    const QString program = QStringLiteral("G00 X28\r\nG32 Z-80. F12.7\r\nM30");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const struct {
        Keys keys;
        const char16_t* typed;
    } rows[] = {
        {{{Qt::Key_End, {}}}, u"G00 X28#\r\nG32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_Down, {}}, {Qt::Key_End, {}}}, u"G00 X28\r\nG32 Z-80. F12.7#\r\nM30"},
        {{{Qt::Key_End, ctrl}}, u"G00 X28\r\nG32 Z-80. F12.7\r\nM30#"},
        {{{Qt::Key_Right, ctrl}}, u"G00 #X28\r\nG32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_Right, ctrl}, {Qt::Key_Right, ctrl}}, u"G00 X28#\r\nG32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_End, ctrl}, {Qt::Key_Left, ctrl}}, u"G00 X28\r\nG32 Z-80. F12.7\r\n#M30"},
        {{{Qt::Key_Down, {}}, {Qt::Key_Down, {}}, {Qt::Key_Up, {}}},
         u"G00 X28\r\n#G32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_End, {}}, {Qt::Key_Right, {}}}, u"G00 X28\r\n#G32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_End, shift}}, u"#\r\nG32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_Down, shift}}, u"#G32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_End, {}}, {Qt::Key_Delete, {}}}, u"G00 X28#G32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_Down, {}}, {Qt::Key_Backspace, {}}}, u"G00 X28#G32 Z-80. F12.7\r\nM30"},
        {{{Qt::Key_PageDown, {}}}, u"G00 X28\r\nG32 Z-80. F12.7\r\n#M30"},
        {{{Qt::Key_Right, shift}, {Qt::Key_Right, {}}}, u"G#00 X28\r\nG32 Z-80. F12.7\r\nM30"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(typedAfter(program, row.keys), QString::fromUtf16(row.typed));
    }
}

// A letter with its accent and a half-width kana with its sound mark are one step for the
// arrows, Delete and a click; Backspace takes the mark alone, so that a wrong one can be
// retyped.
TEST_F(OutputPaneTest, ArrowsDeleteAndClicksTakeAWholeClusterAndBackspaceOneMark) {
    const QString program = QStringLiteral("e\u0301\uFF7C\uFF9E\r\nM");
    const struct {
        Keys keys;
        const char16_t* typed;
    } rows[] = {
        {{{Qt::Key_Right, {}}}, u"e\u0301#\uFF7C\uFF9E\r\nM"},
        {{{Qt::Key_Right, {}}, {Qt::Key_Right, {}}}, u"e\u0301\uFF7C\uFF9E#\r\nM"},
        {{{Qt::Key_Right, {}}, {Qt::Key_Right, {}}, {Qt::Key_Right, {}}},
         u"e\u0301\uFF7C\uFF9E\r\n#M"},
        {{{Qt::Key_End, {}}, {Qt::Key_Left, {}}}, u"e\u0301#\uFF7C\uFF9E\r\nM"},
        {{{Qt::Key_Down, {}}, {Qt::Key_Left, {}}}, u"e\u0301\uFF7C\uFF9E#\r\nM"},
        {{{Qt::Key_Right, Qt::ShiftModifier}}, u"#\uFF7C\uFF9E\r\nM"},
        {{{Qt::Key_Delete, {}}}, u"#\uFF7C\uFF9E\r\nM"},
        {{{Qt::Key_Right, {}}, {Qt::Key_Delete, {}}}, u"e\u0301#\r\nM"},
        {{{Qt::Key_End, {}}, {Qt::Key_Backspace, {}}}, u"e\u0301\uFF7C#\r\nM"},
        {{{Qt::Key_Right, {}}, {Qt::Key_Backspace, {}}}, u"e#\uFF7C\uFF9E\r\nM"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(typedAfter(program, row.keys), QString::fromUtf16(row.typed));
    }
    // A click inside a cluster puts the caret at its nearer end.
    pane.setProgramText(program);
    const QRect e = pane.characterRectangle(0).translated(-pane.viewport()->pos());
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, QPoint(e.right(), e.center().y()));
    EXPECT_EQ(pane.caretPosition(), 2);
    const QRect kana = pane.characterRectangle(2).translated(-pane.viewport()->pos());
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, kana.center() + QPoint(2, 0));
    EXPECT_EQ(pane.caretPosition(), 2);
}

TEST_F(OutputPaneTest, OverwriteTypesOverTheLineButNotItsEnd) {
    pane.setProgramText(QStringLiteral("G00\r\nM30"));
    pane.setOverwriteMode(true);
    QTest::keyClicks(&pane, QStringLiteral("G011"));
    EXPECT_EQ(text(), QStringLiteral("G011\r\nM30"));
    pane.undo();
    EXPECT_EQ(text(), QStringLiteral("G00\r\nM30"));
}

TEST_F(OutputPaneTest, ADoubleClickSelectsAWordATripleClickALineAndADragSelectsText) {
    pane.setProgramText(QStringLiteral("G00 X28\r\nM30"));
    const auto pointOf = [this](qsizetype position) {
        return pane.characterRectangle(position).center() - pane.viewport()->pos();
    };
    QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, pointOf(5));
    EXPECT_EQ(pane.selectedProgramText(), QStringLiteral("X28"));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOf(5));
    EXPECT_EQ(pane.selectedProgramText(), QStringLiteral("G00 X28\r\n"));
    QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, pointOf(10));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOf(10));
    EXPECT_EQ(pane.selectedProgramText(), QStringLiteral("M30"));
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, pointOf(1));
    QTest::mouseMove(pane.viewport(), pointOf(10));
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, pointOf(10));
    EXPECT_EQ(pane.selectedProgramText(), QStringLiteral("00 X28\r\nM"));
}

class ReleaseCounter : public QWidget {
public:
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent* /*event*/) override { ++releases; }
};

// The pane takes a click whole: its release does not go on to the widget around the pane.
TEST(OutputPaneInAWindow, AClickIsNotPassedOnToTheWidgetAroundThePane) {
    ReleaseCounter around;
    auto* pane = new OutputPane(&around);
    pane->resize(200, 100);
    around.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&around));
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(around.releases, 0);
}

// Japanese through an input method: the text being composed is not yet the pane's, the
// committed text is typed.
TEST_F(OutputPaneTest, AnInputMethodComposesAndThenTypes) {
    pane.setProgramText(QStringLiteral("N001 "));
    pane.moveCaretToEnd();
    QInputMethodEvent composing(QStringLiteral("ねじ"), {});
    QApplication::sendEvent(&pane, &composing);
    EXPECT_EQ(text(), QStringLiteral("N001 "));
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("ねじ切り"));
    QApplication::sendEvent(&pane, &committed);
    EXPECT_EQ(text(), QStringLiteral("N001 ねじ切り"));
    EXPECT_EQ(pane.inputMethodQuery(Qt::ImSurroundingText).toString(), text());
    EXPECT_EQ(pane.inputMethodQuery(Qt::ImCursorPosition).toInt(), 9);
}

// Replacing text before the caret, as an input method does when it converts again, takes
// a character beyond the basic plane whole even where the method counts it as one unit.
TEST_F(OutputPaneTest, AnInputMethodReplacesACharacterBeyondTheBasicPlaneWhole) {
    const struct {
        int start;
        int length;
        const char16_t* after;
    } rows[] = {
        {-1, 1, u"N1X"}, // the low half named
        {-2, 1, u"N1X"}, // the high half named
        {-3, 2, u"NX"},  // the 1 and the high half named
        {-2, 2, u"N1X"}, // the pair named
    };
    for (const auto& row : rows) {
        pane.setProgramText(QString::fromUtf16(u"N1\U00020BB7"));
        pane.moveCaretToEnd();
        QInputMethodEvent replacing;
        replacing.setCommitString(QStringLiteral("X"), row.start, row.length);
        QApplication::sendEvent(&pane, &replacing);
        EXPECT_EQ(text(), QString::fromUtf16(row.after)) << row.start << " " << row.length;
    }
}

// The caret at the end of a long line and back at its start: the view follows it.
TEST_F(OutputPaneTest, TheViewFollowsTheCaretAlongALongLine) {
    pane.setProgramText(QStringLiteral("G00 X") + QString(500, u'1') + QStringLiteral("\r\nM30"));
    QScrollBar* across = pane.horizontalScrollBar();
    QTest::keyClick(&pane, Qt::Key_End);
    EXPECT_GT(across->value(), 0);
    EXPECT_TRUE(pane.viewport()->rect().contains(pane.characterRectangle(pane.caretPosition())
                                                     .translated(-pane.viewport()->pos())
                                                     .topLeft()));
    QTest::keyClick(&pane, Qt::Key_Home);
    EXPECT_EQ(across->value(), 0);
}

TEST_F(OutputPaneTest, AScreenReaderReadsTheTextAndTheCaret) {
    pane.setProgramText(QStringLiteral("G00\r\nM30"));
    pane.setSelection(5, 7);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&pane);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTextInterface* readable = accessible->textInterface();
    ASSERT_NE(readable, nullptr);
    EXPECT_EQ(readable->text(0, readable->characterCount()), QStringLiteral("G00\r\nM30"));
    EXPECT_EQ(readable->cursorPosition(), 7);
    int from = 0;
    int to = 0;
    readable->selection(0, &from, &to);
    EXPECT_EQ(readable->text(from, to), QStringLiteral("M3"));
}

// Random edits of every kind the pane meets: typing, line breaks, deleting across
// lines, pasting several lines over a selection, undo and redo, and program sets.
TEST_F(OutputPaneTest, TheLinesAndTheChangeReportsFollowEveryKindOfEdit) {
    std::mt19937 random(20240611);
    pane.setProgramText(QStringLiteral("N001 X32 Z17.7\r\nN002 X32 Z17.5\r\n\r\n"));
    // What changed since the graphic last looked, taken every few edits: the text
    // before the reported change and after it must be what it was.
    (void)pane.takeProgramTextEdit();
    QString taken = text();
    int exactChanges = 0;
    for (int step = 0; step < 400; ++step) {
        const auto length = text().size();
        const auto anchor = std::uniform_int_distribution<qsizetype>(0, length)(random);
        pane.setSelection(anchor, std::uniform_int_distribution<qsizetype>(0, length)(random));
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
        ASSERT_EQ(joinedLines(), text()) << "step " << step;
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

// A line of a million digits pasted and typed at: the pane's text and its copy.
TEST_F(OutputPaneTest, TypingAtTheEndOfAMillionCharacterLineKeepsTheExactText) {
    const QString line =
        QStringLiteral("N1 G00 X1 Z1 ") + QStringLiteral("1234567890").repeated(100000);
    QApplication::clipboard()->setText(QStringLiteral("G00\r\n") + line);
    QTest::keyClick(&pane, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(&pane, QStringLiteral("X5"));
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClicks(&pane, QStringLiteral("M30"));
    const QString expected = QStringLiteral("G00\r\n") + line + QStringLiteral("X5\r\nM30");
    EXPECT_EQ(text(), expected);
    expectLinesCurrent();
    pane.selectAll();
    QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    EXPECT_EQ(pane.lineCount(), 3);
}

// Random edits of long lines, above all at the places where a layout in pieces of
// 2,000 characters would break them, against the same edits made to a string: the
// pane's text is always exactly what was typed.
class LongLineEdits : public OutputPaneTest {
protected:
    static constexpr int kPieceLength = 2000;
    // A random place in the expected text, never between CR and LF; often a multiple
    // of 2,000 characters.
    qsizetype randomPlace() {
        qsizetype place = std::uniform_int_distribution<qsizetype>(0, expected.size())(random);
        if (std::uniform_int_distribution<int>(0, 2)(random) == 0) {
            const int pieceEnd = std::uniform_int_distribution<int>(1, 2)(random) * kPieceLength;
            place = std::min<qsizetype>(expected.size(), pieceEnd);
        }
        if (place > 0 && place < expected.size() && expected[place - 1] == u'\r') {
            ++place;
        }
        return place;
    }
    qsizetype charactersAt(qsizetype place) const { // the character, or CR LF, at a place
        return expected.sliced(place).startsWith(QStringLiteral("\r\n")) ? 2 : 1;
    }
    void placeCaret(qsizetype place, qsizetype anchor = -1) {
        pane.setSelection(anchor < 0 ? place : anchor, place);
    }

    std::mt19937 random{20261207};
    QString expected;
};

TEST_F(LongLineEdits, EveryEditKeepsExactlyTheTypedText) {
    expected = QStringLiteral("N1 G00 X1 Z1 ") + QStringLiteral("12345").repeated(900) +
               QStringLiteral("\r\nG01 X2\r\n") + QString(2100, u'E');
    pane.setProgramText(expected);
    const QString initial = expected;
    const QString longPaste = QString(2500, u'P') + QStringLiteral("\n") + QString(4100, u'Q');
    for (int step = 0; step < 300; ++step) {
        const qsizetype place = randomPlace();
        placeCaret(place);
        switch (std::uniform_int_distribution<int>(0, 6)(random)) {
        case 0:
            QTest::keyClicks(&pane, QStringLiteral("G0"));
            expected.insert(place, QStringLiteral("G0"));
            break;
        case 1:
            QTest::keyClick(&pane, Qt::Key_Return);
            expected.insert(place, QStringLiteral("\r\n"));
            break;
        case 2:
            QTest::keyClick(&pane, Qt::Key_Backspace);
            if (place > 0) {
                const qsizetype before = place >= 2 && expected[place - 1] == u'\n' ? 2 : 1;
                expected.remove(place - before, before);
            }
            break;
        case 3:
            QTest::keyClick(&pane, Qt::Key_Delete);
            if (place < expected.size()) {
                expected.remove(place, charactersAt(place));
            }
            break;
        case 4: { // Right, then a character where the caret went
            QTest::keyClick(&pane, Qt::Key_Right);
            QTest::keyClicks(&pane, QStringLiteral("R"));
            const qsizetype to = place < expected.size() ? place + charactersAt(place) : place;
            expected.insert(to, QStringLiteral("R"));
            break;
        }
        case 5: { // a paste over a selection, sometimes of long lines
            const qsizetype anchor = randomPlace();
            placeCaret(place, anchor);
            const bool longOne = std::uniform_int_distribution<int>(0, 3)(random) == 0;
            pane.replaceSelection(longOne ? longPaste : QStringLiteral("X1\r\nZ2\nM3\r"));
            QString pasted = longOne ? longPaste : QStringLiteral("X1\r\nZ2\nM3\r");
            pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            pasted.replace(u'\r', u'\n');
            pasted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
            expected.replace(std::min(place, anchor), std::abs(place - anchor), pasted);
            break;
        }
        default: { // a selection deleted
            const qsizetype anchor = randomPlace();
            if (anchor == place) {
                break;
            }
            placeCaret(place, anchor);
            QTest::keyClick(&pane, Qt::Key_Backspace);
            expected.remove(std::min(place, anchor), std::abs(place - anchor));
            break;
        }
        }
        ASSERT_EQ(text(), expected) << "step " << step;
        ASSERT_EQ(joinedLines(), expected) << "step " << step;
    }
    // Undo takes every edit back, Redo makes each again.
    const QString edited = expected;
    while (pane.isUndoAvailable()) {
        pane.undo();
    }
    EXPECT_EQ(text(), initial);
    while (pane.isRedoAvailable()) {
        pane.redo();
    }
    EXPECT_EQ(text(), edited);
    expectLinesCurrent();
}

} // namespace
} // namespace quillmar
