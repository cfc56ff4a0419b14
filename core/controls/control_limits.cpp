#include "core/controls/control_limits.h"

#include "core/plain_number_text.h"

#include <cmath>

namespace quillmar {

namespace {

std::string describe(ControlRefusal::Limit limit, std::string_view control, double steepest,
                     double taper) {
    const std::string name(control);
    if (limit == ControlRefusal::Limit::NoStartAngleWord) {
        return name + " has no start-angle word: its starts can only be shifted along Z "
                      "(startShift = z)";
    }
    if (steepest == 0) {
        return name +
               " writes straight threads only: what its threading move's lead means "
               "along a taper is not documented; the taper angle is " +
               plainNumberText(taper) + " degrees";
    }
    return name + " takes the lead along Z on tapers of at most " + plainNumberText(steepest) +
           " degrees; the taper angle is " + plainNumberText(taper) + " degrees";
}

} // namespace

ControlRefusal::ControlRefusal(Limit limit, std::string_view control, double steepest, double taper)
    : DataError(describe(limit, control, steepest, taper)), limit(limit), control(control),
      steepestTaper(steepest), taperAngle(taper) {}

void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift) {
    const ControlDialect& dialect = control.dialect();
    const double steepest = dialect.steepestTaper();
    if (shift == StartShift::Angle && dialect.startAngleWord().empty()) {
        throw ControlRefusal(ControlRefusal::Limit::NoStartAngleWord, control.name, steepest,
                             job.taperAngle);
    }
    if (std::abs(job.taperAngle) > steepest) {
        throw ControlRefusal(ControlRefusal::Limit::TaperTooSteep, control.name, steepest,
                             job.taperAngle);
    }
}

} // namespace quillmar
