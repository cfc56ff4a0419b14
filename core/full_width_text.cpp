#include "core/full_width_text.h"

namespace quillmar {

namespace {

// Folds the character at i into out; returns the bytes it took.
std::size_t foldOne(std::string_view text, std::size_t i, std::string& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (i + 1 < text.size() && byte(i) == 0xC3 && byte(i + 1) == 0x97) {
        out.push_back('X');
        return 2;
    }
    if (i + 2 < text.size() && byte(i) == 0xEF && (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD)) {
        const unsigned code = 0xF000u | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
        if (code >= 0xFF01u && code <= 0xFF5Eu) {
            const unsigned ascii = code - 0xFF01u + 0x21u; // U+FF01 is '!'
            out.push_back(static_cast<char>(ascii));
            return 3;
        }
    }
    if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
        out.push_back(' '); // ideographic space
        return 3;
    }
    out.push_back(text[i]);
    return 1;
}

} // namespace

std::string foldFullWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        i += foldOne(text, i, folded);
    }
    return folded;
}

} // namespace quillmar
