#pragma once

#include <optional>
#include <string_view>

namespace quillmar {

// The number a whole text writes, for the fields that came with thread forms and the
// roughing planner (cusp, starts, maxChipArea): blanks at either end, an optional sign,
// digits with at most one decimal point and an optional exponent ("5e-2", "1E1"),
// full-width characters as their ASCII ("２", "１ｅ－５"). Anything else, a number
// beyond a double and the empty text give nullopt: such a field is refused with a
// message rather than read up to its first odd character, as the leading-number rule
// of the older fields does.
std::optional<double> wholeTextNumber(std::string_view utf8);

} // namespace quillmar
