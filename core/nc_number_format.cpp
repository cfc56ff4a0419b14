#include "core/nc_number_format.h"

#include "core/checked_arithmetic.h"
#include "core/plain_number_text.h"

#include <charconv>
#include <cmath>

namespace quillmar {

namespace {

// value rounded to `decimals` places, written in fixed notation with at least
// `minDecimals` of them (trailing zeros beyond that are dropped). A value that
// rounds to zero is written without a minus sign: a machine reads "-0.0" and "0.0"
// alike, and the plain form is what a programmer expects to see.
std::string fixedPattern(double value, int decimals, int minDecimals) {
    checkedFinite(value);
    // Fixed notation of a double never needs more than 309 integer digits.
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    std::size_t keep = text.size();
    while (keep > point + 1 + static_cast<std::size_t>(minDecimals) && text[keep - 1] == '0') {
        --keep;
    }
    text.resize(keep);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string integerText(double value, int minDigits) {
    checkedFinite(value);
    const double rounded = std::nearbyint(value);
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                                std::chars_format::fixed, 0);
    std::string digits(buffer, result.ptr);
    if (digits.size() < static_cast<std::size_t>(minDigits)) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    return (rounded < 0 ? "-" : "") + digits;
}

} // namespace

std::string formatOspNumber(double& value) {
    value = checkedFinite(std::floor(checkedFinite(value * 1000.0)) / 1000.0);
    if (value == 0) {
        return "0";
    }
    return plainNumberText(value);
}

std::string formatFixed3(double value) {
    return fixedPattern(value, 3, 3);
}

std::string formatUpTo3(double value) {
    return fixedPattern(value, 3, 1);
}

std::string formatUpTo4(double value) {
    return fixedPattern(value, 4, 1);
}

std::string formatSequence3(double value) {
    return integerText(value, 3) + " ";
}

std::string formatSequence(double value) {
    return integerText(value, 1);
}

} // namespace quillmar
