#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace quillmar {

class ProgramTextBuffer;

// One step of a pane's history: the text to put at `position` in place of the
// `replacedLength` characters there. Making it gives the step that takes it back.
struct PaneEdit {
    qsizetype position = 0;
    QString putBack;
    qsizetype replacedLength = 0;
};

// How an edit was made, for merging: characters typed one after another are taken
// back together, as are Backspaces or Deletes in a row; anything else stands alone.
enum class EditKind { Typing, DeletingBackward, DeletingForward, Other };

// The Undo and Redo of one pane.
class PaneUndoHistory {
public:
    // Notes an edit just made: `removed` was at `position`, `insertedLength` characters
    // stand there now. A new edit drops what could be redone.
    void record(qsizetype position, QString removed, qsizetype insertedLength, EditKind kind);
    // The next edit starts a step of its own (the caret moved, the pane lost the focus).
    void stopMerging() { merging_ = false; }
    void clear();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Takes back the last step (or makes the last step taken back again) in the text;
    // tells where the text it put back now stands, if there was a step.
    std::optional<PaneEdit> undo(ProgramTextBuffer& text);
    std::optional<PaneEdit> redo(ProgramTextBuffer& text);

private:
    bool merges(qsizetype position, qsizetype removedLength, EditKind kind) const;

    std::vector<PaneEdit> undo_;
    std::vector<PaneEdit> redo_;
    EditKind lastKind_ = EditKind::Other;
    bool merging_ = false;
};

} // namespace quillmar
