#pragma once

namespace quillmar {

class OutputPane;

// The Edit menu's commands on the pane that has the focus. What they put on the
// clipboard is program text with CR LF line ends, exactly as Save writes it. None of
// them loses data: Copy and Cut with nothing selected, and Copy all of an empty pane,
// leave the clipboard as it was; Paste without text on the clipboard leaves the
// selection in place.
void copySelection(OutputPane& pane);
void cutSelection(OutputPane& pane);
// Selects the whole text and leaves it selected.
void copyAll(OutputPane& pane);
void pasteClipboard(OutputPane& pane);
void undoLastEdit(OutputPane& pane);

} // namespace quillmar
