#include "core/machine/machine_checks.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

// An outer three-start thread of pitch 2 (lead 6) on a 20 mm stock, two points, Z start
// 3, Z end -20; its taper narrows toward the chuck, so each further start begins on a
// larger diameter than the one before.
PassPlan threeStartPlan(double taperAngle, double zStart = 3) {
    JobInputs job;
    job.side = Side::Outer;
    job.pitch = 2;
    job.starts = 3;
    job.stockDiameter = 20;
    job.zStart = zStart;
    job.zEnd = -20;
    job.taperAngle = taperAngle;
    job.xRetract = 20.5;
    const std::vector<SchedulePoint> points = {{0, 19, 0}, {0, 18, 0.5f}};
    return makePassPlan(job, points, controlValuesOf(job), 1, false, false);
}

MachineProfile profileAt(double speed) {
    MachineProfile profile;
    profile.spindleSpeed = speed;
    profile.maxFeedZ = 10000;
    return profile;
}

TEST(MachineChecks, RetractFailsOnlyForTheLastStartOfATaper) {
    const PassPlan plan = threeStartPlan(-5);
    const MachineFigures figures = machineFigures(plan, profileAt(300), {Side::Outer, 20, 20.5});
    ASSERT_EQ(figures.failed.size(), 2u);
    for (const MachineCheck& check : figures.failed) {
        EXPECT_EQ(check.kind, MachineCheck::Kind::Retract);
        EXPECT_EQ(plan.passes[std::size_t(check.pass)].start, 2);
        EXPECT_EQ(check.there, 20.5);
    }
    EXPECT_EQ(describeMachineCheck(plan, figures.failed[1]),
              "pass 6 (start 3): retract beyond the crest X20.7, X20.5 set");
}

TEST(MachineChecks, RunInAndRunOutNameThePassesShortOfThem) {
    // Lead 6 at 1000 min^-1: V = 100 mm/s, delta1 = 11.93 mm, delta2 = 3.3 mm.
    const PassPlan plan = threeStartPlan(0);
    MachineProfile profile = profileAt(1000);
    profile.shoulderZ = -22;
    const MachineFigures figures = machineFigures(plan, profile, {Side::Outer, 20, 21});
    ASSERT_EQ(figures.failed.size(), 12u); // every pass, both ends
    EXPECT_EQ(describeMachineCheck(plan, figures.failed[0]),
              "pass 1 (start 1): run-in 11.93 mm needed, 5 mm from the work's face");
    EXPECT_EQ(describeMachineCheck(plan, figures.failed[1]),
              "pass 1 (start 1): run-out 3.3 mm needed, 2 mm before the shoulder");
}

TEST(MachineChecks, ZStartFromTheRunInIsTheEarliestThatPasses) {
    const PassPlan plan = threeStartPlan(-5);
    const MachineProfile profile = profileAt(1000);
    const double runIn = runInDistance(profile, 6);
    const double zStart = zStartFromRunIn(plan, runIn, 0.001);
    EXPECT_DOUBLE_EQ(zStart, 10.431); // 11.93006 less the nearest start's 1.5 mm, rounded up
    for (const double tried : {zStart, zStart - 0.001}) {
        const PassPlan replanned = threeStartPlan(-5, tried);
        const MachineFigures figures = machineFigures(replanned, profile, {Side::Outer, 20, 30});
        EXPECT_EQ(figures.failed.empty(), tried == zStart) << tried;
    }
}

TEST(MachineChecks, AnEmptyProfileChecksNothing) {
    const MachineFigures figures = machineFigures(threeStartPlan(-5), {}, {Side::Outer, 20, 0});
    EXPECT_TRUE(figures.failed.empty());
    EXPECT_FALSE(figures.runIn || figures.cycleTime);
}

} // namespace
} // namespace quillmar
