#pragma once

#include <optional>
#include <string_view>

namespace quillmar {

// The half angle of the tool's body behind the nose, as quillmar-gen's --body-angle and
// the simulation window's "刃物側面角" take it: degrees from 0 up to (not including) 90,
// plain digits with at most one point. Anything else is refused (nullopt): a body at
// 90 degrees or more, or leaning the other way, is no tool the simulation can draw.
std::optional<double> bodyHalfAngleFromText(std::string_view text);

} // namespace quillmar
