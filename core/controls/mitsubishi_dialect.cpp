// The Mitsubishi dialect: G33 threading moves with the lead in F and, for the starts of
// a multi-start thread, the start shift angle in Q.
//
// MITSUBISHI CNC M700V/M70V Series Programming Manual (lathe system), 6.7.1 "Constant
// Lead Thread Cutting; G33", page 56: `G33 Z__ (X__) F__ Q__`, "F: Lead of long axis (axis
// which moves most) direction", "Q: Thread cutting start shift angle, (0.000 to
// 360.000°)"; on a tapered thread "When a<45°, the lead is LZ", at 45° either. The passes
// write the lead along Z, so a taper steeper than 45° is refused. The manual gives no
// range of the F lead in the pages found, so no lead is refused here.

#include "core/controls/thread_move_block.h"

namespace quillmar {

namespace {

class MitsubishiDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return writeThreadMoveBlock(plan, numbered, {}, {"G00", "G33", 'F', "Q", false, {}});
    }
    float threadingG() const override { return 33; }
    std::string_view startAngleWord() const override { return "Q"; }
    double steepestTaper() const override { return 45; }
};

} // namespace

const ControlDialect& mitsubishiDialect() {
    static const MitsubishiDialect dialect;
    return dialect;
}

} // namespace quillmar
