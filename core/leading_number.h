#pragma once

#include <string_view>

namespace quillmar {

// The number a text starts with. Blanks, tabs and line feeds are skipped wherever
// they stand (" 1 2" is 12); then an optional sign, digits and at most one decimal
// point, the longest such prefix ("32." is 32, "1.2.3" is 1.2, "5,5" is 5,
// "12.5mm" is 12.5). Anything else, and the empty text, give 0. No exponent, no
// radix prefix, no locale: the decimal point is always a full stop.
// The result is always finite (a run of digits too long for a double saturates
// to the largest finite value of its sign).
double leadingNumberValue(std::string_view text);    // UTF-8 / ASCII
double leadingNumberValue(std::u16string_view text); // UTF-16 code units

// Whether the text starts with a number at all (after the skipped blanks, a sign is
// not enough): "", "abc" and "-x" do not, "0" and " 7mm" do.
bool hasLeadingNumber(std::string_view text);

} // namespace quillmar
