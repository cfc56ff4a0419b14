#pragma once

#include <string_view>

namespace quillmar::fuzz {

// True when a digit or point stands right before an "e" or "E" that is followed by a
// digit or sign: the text uses exponent notation somewhere.
inline bool hasExponent(std::string_view text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const char c = text[i];
        const char before = text[i - 1];
        const char after = text[i + 1];
        const bool mantissa = (before >= '0' && before <= '9') || before == '.';
        const bool power = (after >= '0' && after <= '9') || after == '+' || after == '-';
        if ((c == 'e' || c == 'E') && mantissa && power) {
            return true;
        }
    }
    return false;
}

// True when the text holds "nan" or "inf" in any letter case: what a non-finite
// number becomes in a standard conversion.
inline bool hasNonFiniteWord(std::string_view text) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]);
        const char b = lower(text[i + 1]);
        const char c = lower(text[i + 2]);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) {
            return true;
        }
    }
    return false;
}

} // namespace quillmar::fuzz
