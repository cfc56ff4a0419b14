#pragma once

#include "core/controls/control_dialect.h"
#include "core/pass_plan.h"

#include <string_view>

namespace quillmar {

// The words of a control whose threading move takes its lead along Z, as most lathe
// controls write a plain spindle-synchronised pass.
struct ThreadMoveWords {
    std::string_view rapid;        // "G00"
    std::string_view threading;    // "G33"
    char lead = 'F';               // the lead along Z
    std::string_view startAngle;   // the start angle's word (degrees); empty for none
    bool endXAlways = false;       // the threading move names its end X on a straight thread too
    std::string_view commentStart; // what the heading comment stands behind (";"), if any
};

// The block of a planned run: the heading comment, the opening line (none when empty),
// then four lines a pass (the rapid to the start, the threading move, the retract, the
// return), with "N" and the sequence number before the first when `numbered`.
StandardBlock writeThreadMoveBlock(const PassPlan& plan, bool numbered, std::string_view opening,
                                   const ThreadMoveWords& words);

} // namespace quillmar
