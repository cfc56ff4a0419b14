// The Heidenhain lathe dialect (DIN programming): the single thread path G33 with the
// lead in F and, for the starts of a multi-start thread, the starting angle in C.
//
// HEIDENHAIN MANUALplus 620 User's Manual, ISO Programming, 4.19 "Thread Cycles", "Thread
// single path G33", page 278: `G33 X Z F B P C H`, "X End point of thread (diameter)",
// "F Thread pitch", "C Starting angle ... (default: 0)", "H Reference direction for thread
// pitch (default: 0) 0: Feed rate on the Z axis (for longitudinal and taper threads up to
// a max. angle of +45°/–45° to the Z axis)"; its example cuts with "G33 X120 Z-80 F1.5"
// after a G0 to the start. Every G33 line names its end X as the example does. The run-in
// B and run-out P keep the machine's defaults, the same for every pass, so the starts
// differ by C alone. A taper steeper than 45° is refused (H0 gives the lead along Z). The
// page gives no range of F or C, so no lead or angle is refused here.

#include "core/controls/thread_move_block.h"

namespace quillmar {

namespace {

class HeidenhainDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return writeThreadMoveBlock(plan, numbered, {}, {"G0", "G33", 'F', "C", true, {}});
    }
    float threadingG() const override { return 33; }
    std::string_view startAngleWord() const override { return "C"; }
    double steepestTaper() const override { return 45; }
};

} // namespace

const ControlDialect& heidenhainDialect() {
    static const HeidenhainDialect dialect;
    return dialect;
}

} // namespace quillmar
