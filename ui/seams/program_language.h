#pragma once

namespace quillmar {

// The language of captions, tooltips, menus and messages. Japanese is the default
// whatever the system's locale is; the generated programs are the same in both.
enum class ProgramLanguage { Japanese, English };

} // namespace quillmar
