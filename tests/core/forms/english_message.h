#pragma once

#include "core/forms/form_messages.h"

#include <string>

namespace quillmar::forms {

// A form's message as quillmar-gen says it.
inline std::string english(const FormMessage& message) {
    return messageText(message, Language::English);
}

} // namespace quillmar::forms
