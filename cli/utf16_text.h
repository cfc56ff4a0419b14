#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// UTF-8 text as the UTF-16 code units a window's text pane holds: characters above
// U+FFFF become surrogate pairs. Each byte that starts no valid character becomes one
// U+FFFD, as the window's panes convert it.
std::u16string utf16FromUtf8(std::string_view text);

} // namespace quillmar
