// The grblHAL dialect (lathe mode): the LinuxCNC block word for word, within grblHAL's
// own limits.
//
// grblHAL core, gcode.c (github.com/grblHAL/core, 2023): the modal groups take "[G7,G8]
// Lathe Diameter Mode", G18, G21 and G90 as LinuxCNC does, and G33 among the motion
// modes; init_sync_motion takes K as the distance per spindle revolution, refuses the
// move when K times the spindle's speed is 0 ("Spindle not running") or above 0.9 of the
// Z axis's largest rate ("Feed rate too high": `feed_rate > settings.axis[Z_AXIS].max_rate
// * 0.9f`), and reads line numbers up to MAX_LINE_NUMBER, 10000000. The Z axis's rate is
// the machine's own setting ($112, mm/min): where the machine settings give it and the
// spindle speed, a run whose lead times that speed passes 0.9 of it is refused here as
// grblHAL would refuse it; otherwise that check stays the machine's. grblHAL documents no meaning
// of K along a taper (LinuxCNC's K runs along the move): tapers are refused rather than written
// with a lead that may be read otherwise. No start-angle word: starts are shifted along Z.

#include "core/controls/control_dialect.h"

namespace quillmar {

const ControlDialect& linuxCncDialect();

namespace {

class GrblHalDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return linuxCncDialect().write(plan, numbered);
    }
    float threadingG() const override { return 33; }
    std::string_view openingLine() const override { return linuxCncDialect().openingLine(); }
    char16_t leadWord() const override { return u'K'; }
    bool leadAlongMove() const override { return true; }
    double largestSequenceNumber() const override { return 10000000; }
    double steepestTaper() const override { return 0; }
    double synchronisedFeedShare() const override { return 0.9; }
};

} // namespace

const ControlDialect& grblHalDialect() {
    static const GrblHalDialect dialect;
    return dialect;
}

} // namespace quillmar
