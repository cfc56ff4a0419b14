#include "core/plain_number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace quillmar {

namespace {

// Writes the value rounded to `digits` significant digits in positional notation.
// std::to_chars in scientific form does the correctly rounded, locale-free
// conversion; the digits are then placed around the decimal point by hand so that
// no exponent ever reaches the text.
template <typename T> std::string positionalText(T value, int digits) {
    if (!std::isfinite(value) || value == 0) {
        return "0";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const auto ePos = text.find('e');
    const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    const bool negative = text.front() == '-';
    std::string mantissa;
    for (const char c : text.substr(0, ePos)) {
        if (c >= '0' && c <= '9') {
            mantissa.push_back(c);
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }

    std::string out = negative ? "-" : "";
    const int pointAfter = exponent + 1; // digits of the mantissa before the point
    if (pointAfter <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAfter), '0');
        out += mantissa;
    } else if (static_cast<std::size_t>(pointAfter) >= mantissa.size()) {
        out += mantissa;
        out.append(static_cast<std::size_t>(pointAfter) - mantissa.size(), '0');
    } else {
        out += mantissa.substr(0, static_cast<std::size_t>(pointAfter));
        out += '.';
        out += mantissa.substr(static_cast<std::size_t>(pointAfter));
    }
    return out;
}

} // namespace

std::string plainNumberText(double value) {
    return positionalText(value, 15);
}

std::string plainNumberText(float value) {
    return positionalText(value, 7);
}

} // namespace quillmar
