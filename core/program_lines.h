#pragma once

#include "core/controls/control_dialect.h"
#include "core/nc_number_format.h"
#include "core/pass_plan.h"

#include <string>
#include <string_view>

namespace quillmar {

inline constexpr const char* kLineEnd = "\r\n";

// Appends the pieces of one line in order. Each piece is formatted before the call,
// so callers format values that truncate in place in separate statements when the
// order matters.
template <typename... Pieces> void appendLine(std::string& out, const Pieces&... pieces) {
    (out.append(std::string_view(pieces)), ...);
    out.append(kLineEnd);
}

// "N" and the counter as three digits and a blank, when sequence numbers are on.
inline std::string sequenceWord(float counter, bool numbered) {
    std::string word;
    if (numbered) {
        word = "N";
        word += formatSequence3(counter);
    }
    return word;
}

// The comment that opens each block with this run's floor diameter.
inline std::string headingLine(const PassPlan& plan) {
    double floorDiameter = plan.floorDiameter;
    std::string line;
    appendLine(line, "(-----< D", formatOspNumber(floorDiameter), " >-----)");
    return line;
}

// The block of a run whose passes leave the values in force as they are: the heading
// comment (behind `commentStart` on a control whose comments open otherwise), the
// dialect's own opening line `opening` (none when empty), then every pass.
template <typename WritePass>
StandardBlock writePlainBlock(const PassPlan& plan, std::string_view opening, WritePass&& writePass,
                              std::string_view commentStart = {}) {
    StandardBlock block;
    block.text.reserve((plan.passes.size() + 2) * 96);
    block.moves.reserve(plan.passes.size());
    block.text += commentStart;
    block.text += headingLine(plan);
    if (!opening.empty()) {
        appendLine(block.text, opening);
    }
    for (const PlannedPass& pass : plan.passes) {
        writePass(pass, block);
    }
    block.valuesAfter = plan.values;
    return block;
}

} // namespace quillmar
