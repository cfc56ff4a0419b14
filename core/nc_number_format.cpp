#include "core/nc_number_format.h"

#include "core/checked_arithmetic.h"
#include "core/plain_number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace quillmar {

namespace {

// n / 10^decimals with the point put back: at least one digit before the point, at
// least minDecimals decimals (trailing zeros beyond them dropped), and no point when
// no decimal is left.
std::string scaledIntegerText(std::int64_t n, int decimals, int minDecimals) {
    const auto magnitude =
        n < 0 ? 0ULL - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    char digits[24];
    const int count =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);

    std::string text;
    text.reserve(static_cast<std::size_t>(count + 4));
    if (n < 0) {
        text += '-';
    }
    if (count > decimals) {
        text.append(digits, static_cast<std::size_t>(count - decimals));
    } else {
        text += '0';
    }
    char fraction[8];
    const int padding = decimals > count ? decimals - count : 0;
    for (int i = 0; i < decimals; ++i) {
        fraction[i] = i < padding ? '0' : digits[count - decimals + i];
    }
    int keep = decimals;
    while (keep > minDecimals && fraction[keep - 1] == '0') {
        --keep;
    }
    if (keep > 0) {
        text += '.';
        text.append(fraction, static_cast<std::size_t>(keep));
    }
    return text;
}

// v x 10^decimals rounded to an integer, when the rounding is certain: the
// product's own rounding error cannot move a value across a half unless it lies
// this close to one, and those rare values go to the exact conversion instead.
bool roundedScaled(double value, int decimals, std::int64_t& n) {
    const double factor = decimals == 3 ? 1e3 : 1e4;
    const double scaled = value * factor;
    if (!(std::fabs(scaled) < 1e15)) {
        return false;
    }
    const double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5) <= 1e-6) {
        // An exact half (the product itself exact) rounds away from zero, as people
        // round by hand; anything merely close goes to the exact conversion.
        const bool exactHalf = fraction == 0.5 && std::fma(value, factor, -scaled) == 0;
        if (!exactHalf) {
            return false;
        }
    }
    n = static_cast<std::int64_t>(std::llround(scaled));
    return true;
}

// The exact conversion, for values the fast path leaves alone.
std::string exactFixedPattern(double value, int decimals, int minDecimals) {
    char buffer[400]; // fixed notation of a double never needs more than 309 digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    if (point == std::string::npos) {
        return text;
    }
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

// value rounded at `decimals` places, with at least `minDecimals` of them. A value
// that rounds to zero is written without a minus sign: a machine reads "-0.0" and
// "0.0" alike, and the plain form is what a programmer expects to see.
std::string fixedPattern(double value, int decimals, int minDecimals) {
    checkedFinite(value);
    std::int64_t n = 0;
    if (roundedScaled(value, decimals, n)) {
        return scaledIntegerText(n, decimals, minDecimals);
    }
    return exactFixedPattern(value, decimals, minDecimals);
}

std::string integerText(double value, int minDigits) {
    checkedFinite(value);
    const double rounded = std::nearbyint(value);
    std::string digits;
    if (std::fabs(rounded) < 1e18) {
        digits = scaledIntegerText(static_cast<std::int64_t>(std::fabs(rounded)), 0, 0);
    } else {
        digits = exactFixedPattern(std::fabs(rounded), 0, 0);
    }
    if (digits.size() < static_cast<std::size_t>(minDigits)) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    if (rounded < 0) {
        digits.insert(0, 1, '-');
    }
    return digits;
}

} // namespace

std::string formatOspNumber(double& value) {
    double thousandths = std::floor(checkedFinite(value * 1000.0));
    // 2.006 is held as 2.00599999999999978..., and its product with 1000 rounds below
    // 2006: a value at or above the double that stands for the next thousandth means
    // that thousandth. Without this, a typed 2.006 would be written 2.005, and a field
    // truncated once (2.0065 to 2.006) would lose another thousandth the second time
    // it is written (FD=2.006 in the macro call, F2.005 in the standard program).
    if (checkedFinite((thousandths + 1) / 1000.0) <= value) {
        thousandths += 1;
    }
    value = checkedFinite(thousandths / 1000.0);
    if (value == 0) {
        return "0";
    }
    // Below 10^15 thousandths the truncated value has at most 15 significant digits,
    // so its shortest decimal is exactly the count of thousandths with the point put
    // back: written directly, without a general conversion.
    if (std::fabs(thousandths) < 1e15) {
        return scaledIntegerText(static_cast<std::int64_t>(thousandths), 3, 0);
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
