#include "core/short_decimal.h"

#include <array>
#include <cstdint>

namespace quillmar {

namespace {

constexpr int kMaxDigits = 15;         // below 2^53: exact as a double
constexpr int kMaxFractionDigits = 22; // 10^22 is the largest exact power of ten

constexpr std::array<double, kMaxFractionDigits + 1> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

template <typename CharT>
std::optional<ShortDecimal> shortDecimalOf(std::basic_string_view<CharT> text) {
    std::uint64_t mantissa = 0;
    int digits = 0;      // counted from the first digit other than 0
    int significant = 0; // up to the last digit other than 0
    int fractionDigits = 0;
    bool pointSeen = false;
    for (const CharT c : text) {
        if (c == CharT('.') && !pointSeen) {
            pointSeen = true;
            continue;
        }
        if (c < CharT('0') || c > CharT('9')) {
            return std::nullopt;
        }
        if (pointSeen) {
            ++fractionDigits;
        }
        if (digits > 0 || c != CharT('0')) {
            if (++digits > kMaxDigits) {
                return std::nullopt;
            }
            mantissa = mantissa * 10 + std::uint64_t(c - CharT('0'));
            if (c != CharT('0')) {
                significant = digits;
            }
        }
    }
    if (fractionDigits > kMaxFractionDigits) {
        return std::nullopt;
    }
    const double whole = double(mantissa);
    if (fractionDigits == 0) {
        return ShortDecimal{whole, significant}; // G00, Z-80, X28: no division
    }
    return ShortDecimal{whole / kPowersOfTen[std::size_t(fractionDigits)], significant};
}

} // namespace

std::optional<ShortDecimal> shortDecimalValue(std::u16string_view text) {
    return shortDecimalOf(text);
}

std::optional<ShortDecimal> shortDecimalValue(std::string_view text) {
    return shortDecimalOf(text);
}

} // namespace quillmar
