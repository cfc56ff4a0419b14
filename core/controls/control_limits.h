#pragma once

#include "core/checked_arithmetic.h"
#include "core/controls/control_registry.h"
#include "core/thread_job.h"

namespace quillmar {

// A run the chosen control cannot cut as written; what() names the control and its limit.
// Nothing of the run is written.
class ControlRefusal : public DataError {
public:
    using DataError::DataError;
};

// Throws ControlRefusal when the job asks the control for more than its threading move
// does: starts set apart by angle on a control without a start-angle word, or a taper
// steeper than its lead along Z allows.
void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift);

} // namespace quillmar
