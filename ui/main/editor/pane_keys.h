#pragma once

#include <QString>
#include <utility>

class QKeyEvent;

namespace quillmar {

class ProgramTextBuffer;

// Where a key moves the caret.
enum class CaretMove {
    PreviousChar,
    PreviousCodePoint,
    NextChar,
    PreviousWord,
    NextWord,
    LineStart,
    LineEnd,
    PreviousLine,
    NextLine,
    PreviousPage,
    NextPage,
    DocumentStart,
    DocumentEnd,
};

// What a key pressed in a pane asks for.
struct PaneKey {
    enum class Action {
        None,
        Move,
        DeleteBackward,
        DeleteForward,
        DeleteWordBackward,
        DeleteWordForward,
        LineEnd,
        Text,
        Copy,
        Cut,
        Paste,
        Undo,
        Redo,
        ToggleOverwrite,
    };
    Action action = Action::None;
    CaretMove move = CaretMove::NextChar;
    bool extendsSelection = false;
    QString text;
};

PaneKey paneKeyOf(const QKeyEvent& key);

// The caret's new place for the moves within a line or across line ends (not the
// moves by lines or pages, which keep a place on the screen). A caret never stands
// between a CR and its LF nor inside a grapheme cluster.
qsizetype movedInText(const ProgramTextBuffer& text, qsizetype position, CaretMove move);

// The place a caret may stand at, at or just after the position.
qsizetype caretPlaceAt(const ProgramTextBuffer& text, qsizetype position);

// The word, run of blanks or run of signs at the position, as [first, second) in the
// text: what a double click selects.
std::pair<qsizetype, qsizetype> runAround(const ProgramTextBuffer& text, qsizetype position);

} // namespace quillmar
