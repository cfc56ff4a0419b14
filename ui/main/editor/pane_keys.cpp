#include "ui/main/editor/pane_keys.h"

#include "ui/main/editor/program_text_buffer.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <utility>

namespace quillmar {

namespace {

struct KeyMove {
    QKeySequence::StandardKey key;
    CaretMove move;
    bool select;
};

constexpr std::array kMoves{
    KeyMove{QKeySequence::MoveToPreviousChar, CaretMove::PreviousChar, false},
    KeyMove{QKeySequence::MoveToNextChar, CaretMove::NextChar, false},
    KeyMove{QKeySequence::MoveToPreviousWord, CaretMove::PreviousWord, false},
    KeyMove{QKeySequence::MoveToNextWord, CaretMove::NextWord, false},
    KeyMove{QKeySequence::MoveToStartOfLine, CaretMove::LineStart, false},
    KeyMove{QKeySequence::MoveToEndOfLine, CaretMove::LineEnd, false},
    KeyMove{QKeySequence::MoveToStartOfBlock, CaretMove::LineStart, false},
    KeyMove{QKeySequence::MoveToEndOfBlock, CaretMove::LineEnd, false},
    KeyMove{QKeySequence::MoveToPreviousLine, CaretMove::PreviousLine, false},
    KeyMove{QKeySequence::MoveToNextLine, CaretMove::NextLine, false},
    KeyMove{QKeySequence::MoveToPreviousPage, CaretMove::PreviousPage, false},
    KeyMove{QKeySequence::MoveToNextPage, CaretMove::NextPage, false},
    KeyMove{QKeySequence::MoveToStartOfDocument, CaretMove::DocumentStart, false},
    KeyMove{QKeySequence::MoveToEndOfDocument, CaretMove::DocumentEnd, false},
    KeyMove{QKeySequence::SelectPreviousChar, CaretMove::PreviousChar, true},
    KeyMove{QKeySequence::SelectNextChar, CaretMove::NextChar, true},
    KeyMove{QKeySequence::SelectPreviousWord, CaretMove::PreviousWord, true},
    KeyMove{QKeySequence::SelectNextWord, CaretMove::NextWord, true},
    KeyMove{QKeySequence::SelectStartOfLine, CaretMove::LineStart, true},
    KeyMove{QKeySequence::SelectEndOfLine, CaretMove::LineEnd, true},
    KeyMove{QKeySequence::SelectStartOfBlock, CaretMove::LineStart, true},
    KeyMove{QKeySequence::SelectEndOfBlock, CaretMove::LineEnd, true},
    KeyMove{QKeySequence::SelectPreviousLine, CaretMove::PreviousLine, true},
    KeyMove{QKeySequence::SelectNextLine, CaretMove::NextLine, true},
    KeyMove{QKeySequence::SelectPreviousPage, CaretMove::PreviousPage, true},
    KeyMove{QKeySequence::SelectNextPage, CaretMove::NextPage, true},
    KeyMove{QKeySequence::SelectStartOfDocument, CaretMove::DocumentStart, true},
    KeyMove{QKeySequence::SelectEndOfDocument, CaretMove::DocumentEnd, true},
};

constexpr std::array kCommands{
    std::pair{QKeySequence::Copy, PaneKey::Action::Copy},
    std::pair{QKeySequence::Cut, PaneKey::Action::Cut},
    std::pair{QKeySequence::Paste, PaneKey::Action::Paste},
    std::pair{QKeySequence::Undo, PaneKey::Action::Undo},
    std::pair{QKeySequence::Redo, PaneKey::Action::Redo},
    std::pair{QKeySequence::Delete, PaneKey::Action::DeleteForward},
    std::pair{QKeySequence::DeleteStartOfWord, PaneKey::Action::DeleteWordBackward},
    std::pair{QKeySequence::DeleteEndOfWord, PaneKey::Action::DeleteWordForward},
};

bool isLineEndKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

// Text a program line can hold: printable characters, the private-use ones a Japanese
// system keeps its own characters in, a character beyond the basic plane (a surrogate
// pair, which QChar alone takes for unprintable) and the joiners and marks of direction.
bool isTypable(QStringView text) {
    const char32_t first = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate()
                               ? QChar::surrogateToUcs4(text[0], text[1])
                               : text[0].unicode();
    const QChar::Category category = QChar::category(first);
    return QChar::isPrint(first) || category == QChar::Other_PrivateUse ||
           category == QChar::Other_Format;
}

// Typable text, not a Control shortcut (AltGr, which is Control and Alt, types).
bool typesText(const QKeyEvent& key) {
    const QString text = key.text();
    return !text.isEmpty() && isTypable(text) &&
           (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != Qt::ControlModifier;
}

enum class CharClass { Space, Word, Other };

CharClass classOf(QChar c) {
    if (c.isSpace()) {
        return CharClass::Space;
    }
    return c.isLetterOrNumber() || c == u'_' || c.isMark() ? CharClass::Word : CharClass::Other;
}

// Two ASCII characters are never one cluster (a line holds no CR LF): the lines of an NC
// program need no look at the whole line, however long it is.
bool isPlainBoundary(QStringView line, qsizetype column) {
    return column == 0 || column == line.size() ||
           (line[column - 1].unicode() < 0x80 && line[column].unicode() < 0x80);
}

// A grapheme cluster (a letter with its marks, a half-width kana with its sound mark, a
// surrogate pair) is one step, as in Qt's own editors; clusters never cross a line end.
qsizetype clusterBoundary(QStringView line, qsizetype column, bool forward) {
    const qsizetype step = forward ? column + 1 : column - 1;
    if (isPlainBoundary(line, step)) {
        return step;
    }
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, line);
    clusters.setPosition(column);
    return forward ? clusters.toNextBoundary() : clusters.toPreviousBoundary();
}

qsizetype previousChar(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype line = text.lineOf(position);
    const qsizetype start = text.lineStart(line);
    if (position == start) {
        return line > 0 ? text.lineEnd(line - 1) : position;
    }
    return start + clusterBoundary(text.lineText(line), position - start, false);
}

// Backspace takes back one code point, as QTextCursor::deletePreviousChar does: a mark
// typed wrongly goes alone.
qsizetype previousCodePoint(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype line = text.lineOf(position);
    if (position == text.lineStart(line)) {
        return line > 0 ? text.lineEnd(line - 1) : position;
    }
    const QStringView all = text.text();
    return position >= 2 && all[position - 1].isLowSurrogate() &&
                   all[position - 2].isHighSurrogate()
               ? position - 2
               : position - 1;
}

qsizetype nextChar(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype line = text.lineOf(position);
    if (position == text.lineEnd(line)) {
        return line + 1 < text.lineCount() ? text.lineStart(line + 1) : position;
    }
    const qsizetype start = text.lineStart(line);
    return start + clusterBoundary(text.lineText(line), position - start, true);
}

// The start of the next word: past the run the caret is in, then past spaces; a line
// end is a stop of its own.
qsizetype nextWord(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype line = text.lineOf(position);
    const qsizetype end = text.lineEnd(line);
    if (position == end) {
        return nextChar(text, position);
    }
    const QStringView all = text.text();
    const CharClass run = classOf(all[position]);
    while (position < end && run != CharClass::Space && classOf(all[position]) == run) {
        ++position;
    }
    while (position < end && classOf(all[position]) == CharClass::Space) {
        ++position;
    }
    return position;
}

qsizetype previousWord(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype start = text.lineStart(text.lineOf(position));
    if (position == start) {
        return previousChar(text, position);
    }
    const QStringView all = text.text();
    while (position > start && classOf(all[position - 1]) == CharClass::Space) {
        --position;
    }
    if (position > start) {
        const CharClass run = classOf(all[position - 1]);
        while (position > start && classOf(all[position - 1]) == run) {
            --position;
        }
    }
    return position;
}

PaneKey command(PaneKey::Action action) {
    PaneKey key;
    key.action = action;
    return key;
}

} // namespace

PaneKey paneKeyOf(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Insert && key.modifiers() == Qt::NoModifier) {
        return command(PaneKey::Action::ToggleOverwrite);
    }
    if (isLineEndKey(key)) {
        return command(PaneKey::Action::LineEnd);
    }
    for (const KeyMove& move : kMoves) {
        if (key.matches(move.key)) {
            PaneKey pane = command(PaneKey::Action::Move);
            pane.move = move.move;
            pane.extendsSelection = move.select;
            return pane;
        }
    }
    for (const auto& [sequence, action] : kCommands) {
        if (key.matches(sequence)) {
            return command(action);
        }
    }
    if (key.key() == Qt::Key_Backspace && !(key.modifiers() & ~Qt::ShiftModifier)) {
        return command(PaneKey::Action::DeleteBackward);
    }
    if (typesText(key)) {
        PaneKey pane = command(PaneKey::Action::Text);
        pane.text = key.text();
        return pane;
    }
    return {};
}

qsizetype movedInText(const ProgramTextBuffer& text, qsizetype position, CaretMove move) {
    switch (move) {
    case CaretMove::PreviousChar:
        return previousChar(text, position);
    case CaretMove::PreviousCodePoint:
        return previousCodePoint(text, position);
    case CaretMove::NextChar:
        return nextChar(text, position);
    case CaretMove::PreviousWord:
        return previousWord(text, position);
    case CaretMove::NextWord:
        return nextWord(text, position);
    case CaretMove::LineStart:
        return text.lineStart(text.lineOf(position));
    case CaretMove::LineEnd:
        return text.lineEnd(text.lineOf(position));
    case CaretMove::DocumentStart:
        return 0;
    case CaretMove::DocumentEnd:
        return text.size();
    default:
        return position;
    }
}

qsizetype caretPlaceAt(const ProgramTextBuffer& text, qsizetype position) {
    position = std::clamp<qsizetype>(position, 0, text.size());
    const qsizetype line = text.lineOf(position);
    const qsizetype start = text.lineStart(line);
    if (position > text.lineEnd(line)) {
        return text.lineStart(line + 1);
    }
    if (isPlainBoundary(text.lineText(line), position - start)) {
        return position;
    }
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text.lineText(line));
    clusters.setPosition(position - start);
    return clusters.isAtBoundary() ? position : start + clusters.toNextBoundary();
}

std::pair<qsizetype, qsizetype> runAround(const ProgramTextBuffer& text, qsizetype position) {
    const qsizetype line = text.lineOf(position);
    const qsizetype start = text.lineStart(line);
    const qsizetype end = text.lineEnd(line);
    if (position == end) {
        return {position, position};
    }
    const QStringView all = text.text();
    const CharClass run = classOf(all[position]);
    qsizetype from = position;
    qsizetype to = position;
    while (from > start && classOf(all[from - 1]) == run) {
        --from;
    }
    while (to < end && classOf(all[to]) == run) {
        ++to;
    }
    return {from, to};
}

} // namespace quillmar
