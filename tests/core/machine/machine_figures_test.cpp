#include "core/machine/machine_checks.h"
#include "core/machine/machine_profile.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

MachineProfile atSpeed(double speed) {
    MachineProfile profile;
    profile.spindleSpeed = speed;
    return profile;
}

// FANUC 16/18-C lathe operator's manual, thread cutting: lead 2 mm, 1000 min^-1,
// T1 0.033 s, 1 % accepted lead error give delta2 = 1.1 mm and delta1 = 4.0 mm (the
// manual prints one decimal).
TEST(MachineFigures, IncompleteThreadOfTheWorkedExample) {
    const MachineProfile profile = atSpeed(1000);
    EXPECT_NEAR(runOutDistance(profile, 2), 1.1, 0.05);
    EXPECT_NEAR(runInDistance(profile, 2), 4.0, 0.05);
}

// s = V^2 / 2A by hand: V = 2 x 1000 / 60 = 33.33 mm/s, A = 500 mm/s^2, s = 1.111 mm.
TEST(MachineFigures, LinearAccelerationDistance) {
    MachineProfile profile = atSpeed(1000);
    profile.acceleration = 500;
    EXPECT_NEAR(runInDistance(profile, 2), 1.111, 0.001);
    EXPECT_NEAR(runOutDistance(profile, 2), 1.111, 0.001);
}

// 10 m/min and a 2 mm lead: 0.9 x 10000 / 2 = 4500 min^-1 is the last speed allowed.
TEST(MachineFigures, LargestSpindleSpeedAtItsBoundary) {
    const struct {
        double speed;
        bool refused;
    } rows[] = {{4500, false}, {4501, true}};
    for (const auto& row : rows) {
        MachineProfile profile = atSpeed(row.speed);
        profile.maxFeedZ = 10000;
        PassPlan plan;
        plan.values.pitch = 2;
        const MachineFigures figures = machineFigures(plan, profile, {});
        EXPECT_EQ(figures.maxSpindleSpeed, 4500);
        EXPECT_EQ(!figures.failed.empty(), row.refused) << row.speed;
    }
}

} // namespace
} // namespace quillmar
