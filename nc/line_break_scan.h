#pragma once

#include <cstddef>
#include <string_view>

namespace quillmar {

// The index of the CR of the first CR LF pair at or after `from`, or npos.
std::size_t findCrLf(std::u16string_view text, std::size_t from);

} // namespace quillmar
