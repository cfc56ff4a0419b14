#include "core/whole_text_number.h"

#include "core/full_width_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillmar {

namespace {

bool isDigitOrPoint(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

std::optional<double> wholeTextNumber(std::string_view utf8) {
    const std::string folded = foldFullWidth(utf8);
    std::string_view text = folded;
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative) {
        text.remove_prefix(1);
    }
    // from_chars would also take "inf", "nan" and hexadecimal digits: a number here
    // starts with a digit or a point.
    if (text.empty() || !isDigitOrPoint(text.front())) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace quillmar
