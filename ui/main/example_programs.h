#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillmar {

// The fixed sample programs of the "サンプル" menu, one line per entry, without line
// ends. They show each output style without any data entry.
std::span<const std::string_view> ospMacroMainProgramLines();
std::span<const std::string_view> ospSystemSubprogramLines();
std::span<const std::string_view> ospStandardProgramLines();
std::span<const std::string_view> fanucProgramLines();

// The text of a sample: every line followed by CR LF, then one more CR LF, so that the
// pane text ends in an empty line as generated blocks do.
std::string sampleText(std::span<const std::string_view> lines);

} // namespace quillmar
