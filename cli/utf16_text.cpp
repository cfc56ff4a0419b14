#include "cli/utf16_text.h"

#include <cstdint>
#include <optional>

namespace quillmar {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct Decoded {
    std::uint32_t code = 0;
    std::size_t length = 0; // bytes
};

// The character that starts at `at`, or nothing when the bytes there start none. The
// range of the second byte rules out overlong forms, surrogates and codes above
// U+10FFFF; later bytes are plain continuation bytes.
std::optional<Decoded> decodeAt(std::string_view text, std::size_t at) {
    const auto byte = std::uint8_t(text[at]);
    if (byte < 0x80) {
        return Decoded{byte, 1};
    }
    int continuations = 0;
    std::uint32_t code = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (byte >= 0xC2 && byte <= 0xDF) {
        continuations = 1;
        code = byte & 0x1Fu;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        continuations = 2;
        code = byte & 0x0Fu;
        low = byte == 0xE0 ? 0xA0 : 0x80;
        high = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        continuations = 3;
        code = byte & 0x07u;
        low = byte == 0xF0 ? 0x90 : 0x80;
        high = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        return std::nullopt;
    }
    for (int k = 1; k <= continuations; ++k) {
        if (at + k >= text.size()) {
            return std::nullopt;
        }
        const auto next = std::uint8_t(text[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    return Decoded{code, std::size_t(continuations) + 1};
}

void appendCodePoint(std::u16string& out, std::uint32_t code) {
    if (code < 0x10000) {
        out.push_back(char16_t(code));
        return;
    }
    code -= 0x10000;
    out.push_back(char16_t(0xD800 + (code >> 10)));
    out.push_back(char16_t(0xDC00 + (code & 0x3FF)));
}

} // namespace

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (const auto decoded = decodeAt(text, at)) {
            appendCodePoint(out, decoded->code);
            at += decoded->length;
        } else {
            out.push_back(kReplacement);
            ++at;
        }
    }
    return out;
}

} // namespace quillmar
