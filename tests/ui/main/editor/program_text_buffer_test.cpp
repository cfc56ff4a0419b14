#include "ui/main/editor/pane_undo_history.h"
#include "ui/main/editor/program_text_buffer.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillmar {
namespace {

// The lines of a buffer as it reads them through its index.
QStringList linesOf(const ProgramTextBuffer& buffer) {
    QStringList lines;
    for (qsizetype line = 0; line < buffer.lineCount(); ++line) {
        lines.append(buffer.lineText(line).toString());
    }
    return lines;
}

TEST(ProgramTextBuffer, EveryKindOfLineEndBecomesOneCrLf) {
    const struct {
        QString in;
        QString out;
    } rows[] = {
        {QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        {QStringLiteral("a\rb\nc\u2028d\u2029e\r\n"), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\n")},
        {QStringLiteral("\n\r"), QStringLiteral("\r\n\r\n")},
        {QStringLiteral("\r\r\n\n"), QStringLiteral("\r\n\r\n\r\n")},
        {QString(), QString()},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ProgramTextBuffer::withCrLfLineEnds(row.in), row.out) << row.in.toStdString();
    }
}

// Each edit against a buffer set to the result from scratch: the same lines, and the
// change reported is exactly the edit.
TEST(ProgramTextBuffer, EditsKeepTheLineIndexAndReportWhatChanged) {
    const struct {
        const char16_t* before;
        qsizetype from;
        qsizetype to;
        const char16_t* inserted;
        const char16_t* after;
    } rows[] = {
        {u"G00\r\nG01", 3, 3, u"X", u"G00X\r\nG01"},
        {u"G00\r\nG01", 3, 5, u"", u"G00G01"},     // a line end removed
        {u"G00\r\nG01", 4, 4, u"", u"G00\r\nG01"}, // between CR and LF: nothing
        {u"G00\r\nG01", 4, 5, u"", u"G00G01"},     // from between CR and LF
        {u"G00\r\nG01", 0, 4, u"", u"G01"},        // to between CR and LF
        {u"G00\r\nG01", 5, 5, u"X\r\nY\r\n", u"G00\r\nX\r\nY\r\nG01"},
        {u"A\r\nB\r\nC\r\nD", 1, 8, u"-", u"A-D"},
        {u"", 0, 0, u"\r\n", u"\r\n"},
        {u"A\r\nB", 0, 4, u"", u""},
    };
    for (const auto& row : rows) {
        ProgramTextBuffer buffer;
        buffer.setText(QString::fromUtf16(row.before));
        (void)buffer.takeChange();
        buffer.replace(row.from, row.to, QStringView(row.inserted));
        const QString after = QString::fromUtf16(row.after);
        EXPECT_EQ(buffer.text(), after) << row.from << " " << row.to;
        ProgramTextBuffer fresh;
        fresh.setText(after);
        EXPECT_EQ(linesOf(buffer), linesOf(fresh)) << row.from << " " << row.to;
        const TextEdit change = buffer.takeChange();
        const QString before = QString::fromUtf16(row.before);
        EXPECT_FALSE(change.everything);
        EXPECT_EQ(before.first(qsizetype(change.position)),
                  after.first(qsizetype(change.position)));
        EXPECT_EQ(before.sliced(qsizetype(change.position + change.removed)),
                  after.sliced(qsizetype(change.position + change.added)));
    }
}

TEST(ProgramTextBuffer, LinesAreFoundByPosition) {
    ProgramTextBuffer buffer;
    buffer.setText(QStringLiteral("G00\r\n\r\nM30"));
    EXPECT_EQ(buffer.lineCount(), 3);
    const std::pair<qsizetype, qsizetype> rows[] = {{0, 0}, {3, 0}, {5, 1}, {7, 2}, {10, 2}};
    for (const auto& [position, line] : rows) {
        EXPECT_EQ(buffer.lineOf(position), line) << position;
    }
    EXPECT_EQ(buffer.lineEnd(0), 3);
    EXPECT_EQ(buffer.lineEnd(2), 10);
}

// A script of edits made as a pane makes them; Undo takes them back in the steps given
// and Redo makes them all again.
struct Step {
    qsizetype from;
    qsizetype to;
    const char16_t* inserted;
    EditKind kind;
};

void make(ProgramTextBuffer& buffer, PaneUndoHistory& history, const Step& step) {
    QString removed = buffer.textBetween(step.from, step.to);
    buffer.replace(step.from, step.to, QStringView(step.inserted));
    history.record(step.from, std::move(removed), QStringView(step.inserted).size(), step.kind);
}

TEST(PaneUndoHistory, TypingAndDeletingInARowAreTakenBackTogether) {
    constexpr auto typing = EditKind::Typing;
    const struct {
        std::vector<Step> steps;
        int undoSteps;
    } rows[] = {
        {{{3, 3, u"1", typing}, {4, 4, u"2", typing}, {5, 5, u"3", typing}}, 1},
        {{{3, 3, u"1", typing}, {0, 0, u"2", typing}}, 2}, // typed elsewhere
        {{{3, 3, u"1", typing}, {4, 4, u"\r\n", EditKind::Other}, {6, 6, u"2", typing}}, 3},
        {{{3, 3, u"9", typing}, {3, 4, u"", EditKind::DeletingBackward}}, 2},
        {{{5, 6, u"", EditKind::DeletingBackward}, {4, 5, u"", EditKind::DeletingBackward}}, 1},
        {{{1, 2, u"", EditKind::DeletingForward}, {1, 2, u"", EditKind::DeletingForward}}, 1},
        {{{0, 1, u"Z", typing}, {1, 2, u"Y", typing}}, 1}, // typed over, in overwrite mode
    };
    const QString initial = QStringLiteral("G00 X28\r\nM30");
    for (const auto& row : rows) {
        ProgramTextBuffer buffer;
        buffer.setText(initial);
        PaneUndoHistory history;
        for (const Step& step : row.steps) {
            make(buffer, history, step);
        }
        const QString edited = buffer.text().toString();
        int undone = 0;
        while (history.undo(buffer)) {
            ++undone;
        }
        EXPECT_EQ(undone, row.undoSteps) << edited.toStdString();
        EXPECT_EQ(buffer.text(), initial);
        while (history.redo(buffer)) {
        }
        EXPECT_EQ(buffer.text(), edited);
    }
}

TEST(PaneUndoHistory, ANewEditDropsWhatCouldBeRedoneAndAMovedCaretStopsMerging) {
    ProgramTextBuffer buffer;
    buffer.setText(QStringLiteral("G00"));
    PaneUndoHistory history;
    make(buffer, history, {3, 3, u"1", EditKind::Typing});
    history.stopMerging();
    make(buffer, history, {4, 4, u"2", EditKind::Typing});
    ASSERT_TRUE(history.undo(buffer));
    EXPECT_EQ(buffer.text(), QStringLiteral("G001"));
    make(buffer, history, {0, 0, u"N", EditKind::Typing});
    EXPECT_FALSE(history.canRedo());
}

} // namespace
} // namespace quillmar
