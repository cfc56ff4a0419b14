#pragma once

#include <optional>

namespace quillmar {

// What the lathe can do, as far as the user knows it. An empty figure is unknown: what
// needs it is neither worked out nor checked.
struct MachineProfile {
    std::optional<double> spindleSpeed; // min^-1
    std::optional<double> maxFeedZ;     // the Z axis' largest feed, mm/min
    double timeConstant = 0.033;        // FANUC's T1 of the threading move, s
    std::optional<double> acceleration; // mm/s^2, for a control that accelerates linearly
    double leadErrorAllowed = 1;        // % of the lead, at the start of the thread
    std::optional<double> rapidRate;    // mm/min; the largest feed stands in when empty
    std::optional<double> shoulderZ;    // program Z of a shoulder behind the thread's end

    bool empty() const { return !spindleSpeed && !maxFeedZ; }
};

// The axis speed of a threading move, mm/s.
double threadingSpeed(double lead, double spindleSpeed);

// The distance the Z axis travels before its lead is within the accepted error (run-in)
// and the one it needs to stop (run-out), mm, at the profile's spindle speed.
double runInDistance(const MachineProfile& profile, double lead);
double runOutDistance(const MachineProfile& profile, double lead);

// The largest spindle speed whose lead times speed the Z axis can follow, min^-1.
double largestSpindleSpeed(double lead, double maxFeedZ);

} // namespace quillmar
