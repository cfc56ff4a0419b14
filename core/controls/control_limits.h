#pragma once

#include "core/checked_arithmetic.h"
#include "core/controls/control_registry.h"
#include "core/thread_job.h"

#include <string>
#include <string_view>

namespace quillmar {

// A run the chosen control cannot cut as written; what() names the control and its limit.
// Nothing of the run is written.
class ControlRefusal : public DataError {
public:
    enum class Limit { NoStartAngleWord, TaperTooSteep };
    ControlRefusal(Limit limit, std::string_view control, double steepest, double taper);

    Limit limit;
    std::string control;  // the control's name
    double steepestTaper; // degrees
    double taperAngle;    // degrees, as the job gives it
};

// Throws ControlRefusal when the job asks the control for more than its threading move
// does: starts set apart by angle on a control without a start-angle word, or a taper
// steeper than its lead along Z allows.
void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift);

} // namespace quillmar
