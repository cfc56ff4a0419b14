#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/nc_number_format.h"
#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/number_text_rules.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

namespace quillmar::fuzz {

namespace {

// Values worth reaching often: exact thousandths and their neighbours, halves at the
// rounding places, whole numbers, and any bit pattern at all.
double valueFrom(ByteReader& in) {
    switch (in.pick(5)) {
    case 0:
        return in.finiteDouble();
    case 1: {
        const double thousandths = double(in.raw<std::int64_t>() % 1000000000000000LL);
        const double value = thousandths / 1000.0;
        const int nudge = int(in.pick(3)) - 1; // one step down, none, one step up
        return nudge == 0 ? value : std::nextafter(value, nudge * DBL_MAX);
    }
    case 2:
        return (double(in.raw<std::int32_t>()) + 0.5) / (in.flag() ? 1000.0 : 10000.0);
    case 3:
        return double(in.raw<std::int64_t>() % 1000000000000000000LL);
    default: {
        const double numerator = in.raw<std::int32_t>();
        return numerator / double(1 + in.raw<std::uint16_t>());
    }
    }
}

std::string describe(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Holds for every number text the generator writes.
void requirePlainDecimal(const std::string& text, double value) {
    require(!text.empty(), "number text is not empty", describe(value));
    require(!hasExponent(text), "number text has no exponent", text);
    require(!hasNonFiniteWord(text), "number text is finite", text);
    require(text.find_first_not_of("-.0123456789 ") == std::string::npos,
            "number text holds only digits, sign and point", text);
    const bool negative = text.front() == '-';
    require(!negative || text.find_first_of("123456789") != std::string::npos,
            "no minus sign before zero", text);
}

// Digits after the point, or -1 when there is no point.
int decimalsOf(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? -1 : int(text.size() - point - 1);
}

// The text reads back to the value within half a unit of its last place, allowing for
// the double's own resolution of large values.
void requireReadsBack(const std::string& text, double value, double halfUnit) {
    const double read = leadingNumberValue(text);
    const double slack = halfUnit * (1 + 1e-9) + std::fabs(value) * 4 * DBL_EPSILON;
    require(std::fabs(read - value) <= slack, "text reads back to the value",
            text + " for " + describe(value));
}

void checkOspNumber(double value) {
    double truncated = value;
    std::string text;
    try {
        text = formatOspNumber(truncated);
    } catch (const DataError&) {
        require(!std::isfinite(value * 1000.0), "only an overflowing value is refused",
                describe(value));
        return;
    }
    // The thousandth k/1000 at or below the value, k/1000 and (k+1)/1000 taken as the
    // doubles that stand for them: the next thousandth lies above the value. From 10^11
    // mm on a double holds thousandths only roughly (from 2^42 not at all); there the
    // truncated value lies within a thousandth below the value, give or take its
    // rounding.
    const double k = std::nearbyint(truncated * 1000.0);
    const bool huge = std::fabs(value) >= 1e11;
    const double roundoff = std::fabs(value) * 2 * DBL_EPSILON;
    require(huge ? truncated <= value + roundoff && value - truncated <= 0.001 + roundoff
                 : truncated == k / 1000.0 && (k + 1) / 1000.0 > value,
            "the value is truncated to thousandths in place", describe(value));
    requirePlainDecimal(text, truncated);
    require(decimalsOf(text) != 0 && decimalsOf(text) <= 3, "at most three decimals", text);
    require(decimalsOf(text) == -1 || text.back() != '0', "no trailing zero", text);

    double again = truncated;
    require(formatOspNumber(again) == text && again == truncated,
            "truncating twice changes nothing", text);

    const double read = leadingNumberValue(text);
    if (std::fabs(truncated) < 1e12) {
        require(read == truncated, "text reads back exactly", text + " for " + describe(value));
    } else {
        require(std::fabs(read - truncated) <= std::fabs(truncated) * 1e-14,
                "text reads back to 15 digits", text);
    }
}

void checkFixedPattern(const std::string& text, double value, int minDecimals, int maxDecimals) {
    requirePlainDecimal(text, value);
    const int decimals = decimalsOf(text);
    require(decimals >= minDecimals && decimals <= maxDecimals, "decimals within the pattern",
            text);
    require(decimals == minDecimals || text.back() != '0', "trailing zeros dropped", text);
    require(text[text.find('.') - 1] >= '0', "a digit before the point", text);
    requireReadsBack(text, value, maxDecimals == 3 ? 0.0005 : 0.00005);
}

void checkIntegerPattern(std::string text, double value, std::size_t minDigits, bool blank) {
    if (blank) {
        require(!text.empty() && text.back() == ' ', "sequence text ends in one blank", text);
        text.pop_back();
    }
    requirePlainDecimal(text, value);
    require(text.find_first_of(". ") == std::string::npos, "whole number only", text);
    const std::size_t digits = text.size() - (text.front() == '-' ? 1 : 0);
    require(digits >= minDigits, "at least the pattern's digits", text);
    requireReadsBack(text, value, 0.5);
}

} // namespace

void checkNumberFormats(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    const double value = valueFrom(in);
    checkOspNumber(value);
    try {
        checkFixedPattern(formatFixed3(value), value, 3, 3);
        checkFixedPattern(formatUpTo3(value), value, 1, 3);
        checkFixedPattern(formatUpTo4(value), value, 1, 4);
        checkIntegerPattern(formatSequence3(value), value, 3, true);
        checkIntegerPattern(formatSequence(value), value, 1, false);
    } catch (const DataError& error) {
        fail("a finite value is always written", describe(value) + ": " + error.what());
    }
}

} // namespace quillmar::fuzz
