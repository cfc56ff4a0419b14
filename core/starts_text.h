#pragma once

#include <optional>
#include <string_view>

namespace quillmar {

// The number of starts a "条数" box or a job file's `starts` holds. An empty box is a
// single start, so that a job typed before starts existed reads as before; anything
// else is read whole (exponents and full-width digits too) and must be a whole number
// from 1 to 99, or it is refused (nullopt).
std::optional<int> startsFromText(std::string_view text);

} // namespace quillmar
