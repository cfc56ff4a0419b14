#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmar {

// A piece of what the user typed as a message shows it: in double quotes, control
// characters written as \xNN (a NUL or an escape sequence would otherwise hide in the
// terminal or drive it), and no more than 80 characters of it, followed by its length
// in bytes, so that a huge value cannot flood the message. Inline: the job-file parser
// links nothing else, so that a fuzzer can drive it alone.
inline std::string quotedText(std::string_view utf8) {
    constexpr std::size_t kQuotedCharacters = 80;
    std::string shown = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kQuotedCharacters) {
            shown += "\"... (";
            shown += std::to_string(utf8.size());
            shown += " bytes)";
            return shown;
        }
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789abcdef";
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        } else {
            shown += utf8[i];
        }
    }
    shown += '"';
    return shown;
}

} // namespace quillmar
