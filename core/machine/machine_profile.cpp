#include "core/machine/machine_profile.h"

#include <cmath>

namespace quillmar {

namespace {

// A linearly accelerating axis covers s = V^2 / 2A from rest to V (and from V to rest).
double linearDistance(double speed, double acceleration) {
    return speed * speed / (2 * acceleration);
}

} // namespace

// FANUC Series 16/18-C (lathe) and 15i operator's manuals, "Thread cutting", the
// incomplete-thread length: V = R x L / 60 (mm/s).
double threadingSpeed(double lead, double spindleSpeed) {
    return lead * spindleSpeed / 60;
}

// Same manuals: delta1 = (t - T1 + T1 x e^(-t/T1)) x V, where a = e^(-t/T1) is the
// accepted lead error, so t = -T1 x ln(a). Lead 2, 1000 min^-1, T1 0.033 s, 1 %:
// delta1 = 4.0 mm.
double runInDistance(const MachineProfile& profile, double lead) {
    const double speed = threadingSpeed(lead, profile.spindleSpeed.value_or(0));
    if (profile.acceleration) {
        return linearDistance(speed, *profile.acceleration);
    }
    const double t1 = profile.timeConstant;
    const double t = -t1 * std::log(profile.leadErrorAllowed / 100);
    return (t - t1 + t1 * std::exp(-t / t1)) * speed;
}

// Same manuals: delta2 = T1 x V (lead 2, 1000 min^-1, T1 0.033 s: 1.1 mm).
double runOutDistance(const MachineProfile& profile, double lead) {
    const double speed = threadingSpeed(lead, profile.spindleSpeed.value_or(0));
    if (profile.acceleration) {
        return linearDistance(speed, *profile.acceleration);
    }
    return profile.timeConstant * speed;
}

// grblHAL refuses a synchronised move whose lead x speed exceeds 0.9 x the axis'
// largest rate: the margin keeps the axis able to catch up with the spindle.
double largestSpindleSpeed(double lead, double maxFeedZ) {
    return 0.9 * maxFeedZ / lead;
}

} // namespace quillmar
