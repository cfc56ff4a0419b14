#include "core/leading_number.h"

#include "core/short_decimal.h"

#include <charconv>
#include <limits>
#include <string>

namespace quillmar {

namespace {

bool isSkipped(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n';
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Gathers the longest prefix "sign digits [. digits]" into plain ASCII, skipping the
// blanks, tabs and line feeds that may stand anywhere in it.
template <typename CharT> std::string numberPrefix(std::basic_string_view<CharT> text) {
    std::string prefix;
    bool signAllowed = true;
    bool pointSeen = false;
    for (const CharT ch : text) {
        const auto c = static_cast<char32_t>(ch);
        if (isSkipped(c)) {
            continue;
        }
        if (signAllowed && (c == U'+' || c == U'-')) {
            if (c == U'-') {
                prefix.push_back('-');
            }
        } else if (isDigit(c)) {
            prefix.push_back(static_cast<char>(c));
        } else if (c == U'.' && !pointSeen) {
            pointSeen = true;
            prefix.push_back('.');
        } else {
            break;
        }
        signAllowed = false;
    }
    return prefix;
}

double valueOfPrefix(const std::string& prefix) {
    const bool negative = !prefix.empty() && prefix.front() == '-';
    const char* first = prefix.data() + (negative ? 1 : 0);
    const char* last = prefix.data() + prefix.size();
    if (first == last || (last - first == 1 && *first == '.')) {
        return 0.0;
    }
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: the largest finite value when the whole part
        // has a digit other than 0, otherwise a fraction too small to hold.
        const std::string_view whole(first, static_cast<std::size_t>(last - first));
        const auto wholePart = whole.substr(0, whole.find('.'));
        const bool large = wholePart.find_first_not_of('0') != std::string_view::npos;
        magnitude = large ? std::numeric_limits<double>::max() : 0.0;
    } else if (result.ec != std::errc{}) {
        return 0.0;
    }
    return negative ? -magnitude : magnitude;
}

// Most texts are plain short decimals ("17.7", "80", "0.25"): those take the exact
// fast path, everything else the general one.
template <typename CharT> double valueOf(std::basic_string_view<CharT> text) {
    if (const auto decimal = shortDecimalValue(text)) {
        return decimal->value;
    }
    return valueOfPrefix(numberPrefix(text));
}

} // namespace

double leadingNumberValue(std::string_view text) {
    return valueOf(text);
}

double leadingNumberValue(std::u16string_view text) {
    return valueOf(text);
}

bool hasLeadingNumber(std::string_view text) {
    const std::string prefix = numberPrefix(text);
    return prefix.find_first_of("0123456789") != std::string::npos;
}

} // namespace quillmar
