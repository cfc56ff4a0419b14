#pragma once

#include <string>

namespace quillmar {

// The general decimal text of a number: full stop, no grouping, no trailing zeros,
// no point for whole numbers, "0." before a fraction, "-" for negatives. At most 15
// significant digits for a double, 7 for a float. Always positional digits, never an
// exponent, so that the leading-number value reads back exactly the value written
// (0.00001 stays "0.00001"). Non-finite input gives "0".
std::string plainNumberText(double value);
std::string plainNumberText(float value);

} // namespace quillmar
