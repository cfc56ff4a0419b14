// The Siemens Sinumerik dialect: G33 threading moves in diameter programming, the lead
// along Z in K and, for the starts of a multi-start thread, the start angle in SF=.
//
// SINUMERIK 840D/840Di/810D Programming Manual, Fundamentals (10.2004 edition,
// 6FC5 298-7AB00-0BP1), 4.15 "Thread cutting with constant lead (G33)", page 4-52 (page
// 169 of the 11/2006 edition, 6FC5398-1BP10-2BA0): a face thread takes its lead
// "preferentially with I"; a taper thread is given by its end point in X and Z, and "the
// parameter for the lead is based on the taper angle" (the longitudinal lead, K, below
// 45°, the facing lead, I, above). The passes write the lead along Z in K, so a taper
// steeper than 45° is refused.
// For the starts of a multi-start thread Sinumerik takes SF=, the starting point offset in
// degrees, on the G33 line; DIAMON makes X a diameter; a comment opens with ";", so the
// heading comment stands behind one. The pages of SF= and DIAMON could not be read here,
// nor any range of K or SF=: no lead or angle is refused beyond what every control refuses.

#include "core/controls/thread_move_block.h"

namespace quillmar {

namespace {

class SinumerikDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return writeThreadMoveBlock(plan, numbered, openingLine(),
                                    {"G0", "G33", 'K', "SF=", false, ";"});
    }
    float threadingG() const override { return 33; }
    char16_t leadWord() const override { return u'K'; }
    std::string_view startAngleWord() const override { return "SF="; }
    double steepestTaper() const override { return 45; }
    std::string_view openingLine() const override { return "DIAMON"; }
};

} // namespace

const ControlDialect& sinumerikDialect() {
    static const SinumerikDialect dialect;
    return dialect;
}

} // namespace quillmar
