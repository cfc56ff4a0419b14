#pragma once

#include <optional>
#include <string_view>

namespace quillmar {

struct ShortDecimal {
    double value = 0;
    int significantDigits = 0; // from the first to the last digit other than 0
};

// The value of a text made of nothing but digits and at most one point ("17.7",
// "080", "32.", ".5", ""), as the leading-number value gives it, when the digits
// from the first one other than 0 are at most 15 and those after the point at most
// 22; otherwise nothing, and the caller asks the leading-number value. Such a
// number and its power of ten are exact doubles, so one division gives the
// correctly rounded value, as the full parser does, at a fraction of its cost.
std::optional<ShortDecimal> shortDecimalValue(std::u16string_view text);
std::optional<ShortDecimal> shortDecimalValue(std::string_view text);

} // namespace quillmar
