// The Haas lathe dialect: G32 threading moves, feed per revolution, the lead in F.
//
// Haas lathe operator's manual, "G32 Thread Cutting (Group 01)" (Haas online
// documentation): `G32 X/U Z/W F Q`, "Feedrate is equivalent to thread lead", "G99 (Feed
// per Revolution) must be active", and on a tapered thread "set the feedrate to the larger
// of the two leads": the passes write the lead along Z, so a taper steeper than 45° is
// refused. The G32 page lists "Q - Thread Start Angle (optional). See example on the
// following page." and the G76 page, "G76 Threading Cycle, Multiple Pass (Group 00)",
// "Q Thread Start Angle (Do not use a decimal point)"; neither page, nor any other Haas
// page found, states the unit of a Q without a decimal point, so Q is not written and
// the starts of a multi-start thread are shifted along Z. Neither page gives a range of
// F, so no lead is refused here.

#include "core/controls/thread_move_block.h"

namespace quillmar {

namespace {

class HaasDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return writeThreadMoveBlock(plan, numbered, openingLine(),
                                    {"G00", "G32", 'F', {}, false, {}});
    }
    float threadingG() const override { return 32; }
    std::string_view openingLine() const override { return "G99"; }
    double steepestTaper() const override { return 45; }
};

} // namespace

const ControlDialect& haasDialect() {
    static const HaasDialect dialect;
    return dialect;
}

} // namespace quillmar
