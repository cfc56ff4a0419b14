#include "ui/main/editor/pane_undo_history.h"

#include "ui/main/editor/program_text_buffer.h"

namespace quillmar {

namespace {

// Makes the step in the text; returns the step that takes it back.
PaneEdit apply(ProgramTextBuffer& text, PaneEdit edit) {
    const qsizetype end = edit.position + edit.replacedLength;
    PaneEdit inverse{edit.position, text.textBetween(edit.position, end), edit.putBack.size()};
    text.replace(edit.position, end, edit.putBack);
    return inverse;
}

std::optional<PaneEdit> move(ProgramTextBuffer& text, std::vector<PaneEdit>& from,
                             std::vector<PaneEdit>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    PaneEdit edit = std::move(from.back());
    from.pop_back();
    to.push_back(apply(text, std::move(edit)));
    // Where the text put back stands: the step that takes it back replaces exactly it.
    return PaneEdit{to.back().position, {}, to.back().replacedLength};
}

} // namespace

bool PaneUndoHistory::merges(qsizetype position, qsizetype removedLength, EditKind kind) const {
    if (!merging_ || kind != lastKind_ || kind == EditKind::Other || undo_.empty()) {
        return false;
    }
    const PaneEdit& last = undo_.back();
    switch (kind) {
    case EditKind::Typing:
        return position == last.position + last.replacedLength;
    case EditKind::DeletingBackward:
        return position + removedLength == last.position && last.replacedLength == 0;
    case EditKind::DeletingForward:
        return position == last.position && last.replacedLength == 0;
    case EditKind::Other:
        break;
    }
    return false;
}

void PaneUndoHistory::record(qsizetype position, QString removed, qsizetype insertedLength,
                             EditKind kind) {
    redo_.clear();
    if (merges(position, removed.size(), kind)) {
        PaneEdit& last = undo_.back();
        if (kind == EditKind::DeletingBackward) {
            last.putBack.prepend(removed);
            last.position = position;
        } else {
            last.putBack += removed;
        }
        last.replacedLength += insertedLength;
    } else {
        undo_.push_back(PaneEdit{position, std::move(removed), insertedLength});
    }
    lastKind_ = kind;
    merging_ = kind != EditKind::Other;
}

void PaneUndoHistory::clear() {
    undo_.clear();
    redo_.clear();
    merging_ = false;
}

std::optional<PaneEdit> PaneUndoHistory::undo(ProgramTextBuffer& text) {
    merging_ = false;
    return move(text, undo_, redo_);
}

std::optional<PaneEdit> PaneUndoHistory::redo(ProgramTextBuffer& text) {
    merging_ = false;
    return move(text, redo_, undo_);
}

} // namespace quillmar
