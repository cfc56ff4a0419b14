#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// UTF-8 text with full-width ASCII (U+FF01..U+FF5E) folded to ASCII, the ideographic
// space to a blank and the multiplication sign '×' to 'X': what a Japanese input method
// types for "Ｍ２０×２" or "１ｅ－５" reads as "M20X2" and "1e-5".
std::string foldFullWidth(std::string_view text);

} // namespace quillmar
