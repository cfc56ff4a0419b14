#include "ui/main/editor/edit_commands.h"

#include "ui/main/editor/output_pane.h"

namespace quillmar {

// The pane's own clipboard operations carry its program text (see OutputPane); they
// already do nothing without a selection or without text to paste.

void copySelection(OutputPane& pane) {
    pane.copy();
}

void cutSelection(OutputPane& pane) {
    pane.cut();
}

void copyAll(OutputPane& pane) {
    pane.selectAll();
    pane.copy();
}

void pasteClipboard(OutputPane& pane) {
    pane.paste();
}

void undoLastEdit(OutputPane& pane) {
    pane.undo();
}

} // namespace quillmar
