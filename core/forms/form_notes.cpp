#include "core/forms/form_notes.h"

namespace quillmar::forms {

std::string_view formNoteText(FormNoteId id) {
    return kFormNoteTexts[static_cast<std::size_t>(id)];
}

} // namespace quillmar::forms
