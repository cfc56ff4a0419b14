#pragma once

#include "core/checked_arithmetic.h"
#include "core/controls/control_registry.h"
#include "core/machine/machine_profile.h"
#include "core/thread_job.h"

#include <string>
#include <string_view>

namespace quillmar {

// A run the chosen control cannot cut as written; what() names the control and its limit.
// Nothing of the run is written.
class ControlRefusal : public DataError {
public:
    enum class Limit { NoStartAngleWord, TaperTooSteep, LeadOutOfRange, FeedTooFast };

    // What the limit allows and what the job asks: the steepest taper and the job's taper
    // angle (degrees); the largest lead and the lead (mm), from the smallest lead
    // `smallest`; or the largest spindle speed and the machine's spindle speed (min^-1)
    // at the lead `lead` (mm), whose feed may reach `feedShare` of the Z axis' largest
    // feed.
    struct Figures {
        double allowed = 0;
        double asked = 0;
        double lead = 0;
        double feedShare = 0;
        double smallest = 0;
    };
    ControlRefusal(Limit limit, std::string_view control, const Figures& figures);

    Limit limit;
    std::string control; // the control's name
    Figures figures;
};

// Throws ControlRefusal when the job asks the control for more than its threading move
// does: starts set apart by angle on a control without a start-angle word, or a taper
// steeper than its lead along Z allows.
void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift);

// Throws ControlRefusal when the lead the threading move will be written with (mm per
// revolution, before its text is rounded) is outside what the control's lead word takes,
// or (where the machine's spindle speed and Z axis' largest feed are known) makes a feed
// faster than the control lets its threading move run.
void checkControlLead(const ControlRow& control, double lead, const MachineProfile& machine);

} // namespace quillmar
