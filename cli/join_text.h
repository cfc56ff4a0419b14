#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quillmar {

// Joins pieces of a message into one text. Chains of "literal" + std::string set off a
// false -Wrestrict warning in GCC 12, which CI turns into an error.
inline std::string joinText(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace quillmar
