#include "core/controls/control_limits.h"

#include "core/leading_number.h"
#include "core/nc_number_format.h"
#include "core/plain_number_text.h"

#include <cmath>

namespace quillmar {

namespace {

std::string describe(ControlRefusal::Limit limit, std::string_view control,
                     const ControlRefusal::Figures& figures) {
    const std::string name(control);
    switch (limit) {
    case ControlRefusal::Limit::NoStartAngleWord:
        return name + " has no start-angle word: its starts can only be shifted along Z "
                      "(startShift = z)";
    case ControlRefusal::Limit::LeadOutOfRange:
        return name + " takes leads from " + plainNumberText(figures.smallest) + " to " +
               plainNumberText(figures.allowed) + " mm; the lead is " +
               plainNumberText(figures.asked) + " mm";
    case ControlRefusal::Limit::FeedTooFast:
        return name + " refuses a threading move whose lead x spindle speed passes " +
               plainNumberText(figures.feedShare) + " of the Z axis' largest feed: at the lead " +
               plainNumberText(figures.lead) + " mm the spindle speed is at most " +
               plainNumberText(figures.allowed) + " min^-1; the spindle speed is " +
               plainNumberText(figures.asked) + " min^-1";
    case ControlRefusal::Limit::TaperTooSteep:
        break;
    }
    if (figures.allowed == 0) {
        return name +
               " writes straight threads only: what its threading move's lead means "
               "along a taper is not documented; the taper angle is " +
               plainNumberText(figures.asked) + " degrees";
    }
    return name + " takes the lead along Z on tapers of at most " +
           plainNumberText(figures.allowed) + " degrees; the taper angle is " +
           plainNumberText(figures.asked) + " degrees";
}

// The control's own check of a synchronised move: lead x speed against its share of the
// Z axis' largest feed. A profile that lacks either figure is not checked.
void checkFeed(const ControlRow& control, double lead, const MachineProfile& machine) {
    const double share = control.dialect().synchronisedFeedShare();
    if (share == 0 || !machine.spindleSpeed || !machine.maxFeedZ) {
        return;
    }
    if (lead * *machine.spindleSpeed > share * *machine.maxFeedZ) {
        const double largest = std::floor(share * *machine.maxFeedZ / lead);
        throw ControlRefusal(ControlRefusal::Limit::FeedTooFast, control.name,
                             {largest, *machine.spindleSpeed, lead, share, 0});
    }
}

} // namespace

ControlRefusal::ControlRefusal(Limit limit, std::string_view control, const Figures& figures)
    : DataError(describe(limit, control, figures)), limit(limit), control(control),
      figures(figures) {}

void checkControlLimits(const ControlRow& control, const JobInputs& job, StartShift shift) {
    const ControlDialect& dialect = control.dialect();
    const double steepest = dialect.steepestTaper();
    if (shift == StartShift::Angle && dialect.startAngleWord().empty()) {
        throw ControlRefusal(ControlRefusal::Limit::NoStartAngleWord, control.name,
                             {steepest, job.taperAngle, 0, 0, 0});
    }
    if (std::abs(job.taperAngle) > steepest) {
        throw ControlRefusal(ControlRefusal::Limit::TaperTooSteep, control.name,
                             {steepest, job.taperAngle, 0, 0, 0});
    }
}

void checkControlLead(const ControlRow& control, double lead, const MachineProfile& machine) {
    // The lead as its word is written, four decimals at most.
    const double written = leadingNumberValue(formatUpTo4(lead));
    if (const auto range = control.dialect().leadRange();
        range && (written < range->smallest || written > range->largest)) {
        throw ControlRefusal(ControlRefusal::Limit::LeadOutOfRange, control.name,
                             {range->largest, written, written, 0, range->smallest});
    }
    checkFeed(control, written, machine);
}

} // namespace quillmar
