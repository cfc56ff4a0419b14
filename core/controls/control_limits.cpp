#include "core/controls/control_limits.h"

#include "core/plain_number_text.h"

#include <cmath>
#include <string>

namespace quillmar {

void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift) {
    const ControlDialect& dialect = control.dialect();
    const std::string name(control.name);
    if (shift == StartShift::Angle && dialect.startAngleWord() == 0) {
        throw ControlRefusal(name +
                             " has no start-angle word: its starts can only be shifted along Z "
                             "(startShift = z)");
    }
    const double steepest = dialect.steepestTaper();
    if (std::abs(job.taperAngle) > steepest) {
        throw ControlRefusal(name + " takes the lead along Z on tapers of at most " +
                             plainNumberText(steepest) + " degrees; the taper angle is " +
                             plainNumberText(job.taperAngle) + " degrees");
    }
}

} // namespace quillmar
