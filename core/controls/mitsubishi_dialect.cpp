// The Mitsubishi dialect: G33 threading moves with the lead in F and, for the starts of
// a multi-start thread, the start shift angle in Q.
//
// MITSUBISHI CNC M700V/M70V Series Programming Manual (lathe system), 6.7.1 "Constant
// Lead Thread Cutting; G33", page 56: `G33 Z__ (X__) F__ Q__`, "F: Lead of long axis (axis
// which moves most) direction", "Q: Thread cutting start shift angle, (0.000 to
// 360.000°)"; on a tapered thread "When a<45°, the lead is LZ", at 45° either. The passes
// write the lead along Z, so a taper steeper than 45° is refused. Page 57, "Thread cutting
// metric input": in the input unit system B (0.001 mm) the F command range is "0.001~
// 999.999" (mm/rev); the finer systems C, D and E take from 0.0001, 0.00001 and 0.000001
// up to 999.9999, 999.99999 and 999.999999. Leads outside B's range, which every input
// unit system takes, are refused. Q's range of 0.000 to 360.000 always holds: the starts
// are k x 360 / starts apart, k below the number of starts. Page 57's note on a lead
// whose feed per minute passes the largest cutting feed is the machine's parameter,
// which the machine settings do not hold, so it is not checked here.

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
    std::optional<LeadRange> leadRange() const override { return LeadRange{0.001, 999.999}; }
};

} // namespace

const ControlDialect& mitsubishiDialect() {
    static const MitsubishiDialect dialect;
    return dialect;
}

} // namespace quillmar
