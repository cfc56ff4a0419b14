#include "core/checked_arithmetic.h"
#include "core/pass_schedule.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

ThreadJob workedExampleJob() {
    ThreadJob job;
    job.side = Side::Inner;
    job.noseRadius = 0.4;
    job.pitch = 6;
    job.width = 1;
    job.d1 = 34;
    job.d2 = 30;
    job.d3 = 30;
    job.a1 = 60;
    job.a2 = 60;
    job.r1 = job.r2 = job.r3 = job.r4 = 0.5;
    job.zStart = 5;
    job.zEnd = -30;
    for (int k = 0; k < 8; ++k) {
        job.zSteps[static_cast<std::size_t>(k)] = 0.25f;
    }
    return job;
}

double sixDecimals(double v) {
    return std::round(v * 1e6) / 1e6;
}

TEST(PassSchedule, WorkedExampleBoundaries) {
    ThreadJob job = workedExampleJob();
    const GrooveOutline o = grooveOutline(job);
    EXPECT_EQ(sixDecimals(o.z1), 0.779423);
    EXPECT_EQ(sixDecimals(o.zB), 1.732051);
    EXPECT_EQ(sixDecimals(o.z2), 1.645448);
    EXPECT_EQ(sixDecimals(o.zC), 2.732051);
    EXPECT_EQ(sixDecimals(o.z5), 2.818653);
    EXPECT_EQ(sixDecimals(o.zD), 4.464102);
    EXPECT_EQ(sixDecimals(o.z6), 3.684679);
    EXPECT_EQ(o.h1, 2);
    EXPECT_EQ(o.h2, 2);
    computePassSchedule(job);
    EXPECT_EQ(job.depth1, 2);
    EXPECT_EQ(job.depth2, 2);
}

TEST(PassSchedule, WorkedExamplePoints) {
    ThreadJob job = workedExampleJob();
    const auto points = computePassSchedule(job);
    ASSERT_EQ(points.size(), 26u);
    EXPECT_EQ(job.passLength, 41);

    const double firstDiameters[] = {30, 30.070838, 30.303337, 30.805013, 31.664102};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(sixDecimals(points[i].diameter), firstDiameters[i]) << i;
    }
    // z walks in steps of 0.25 across every segment: 4 points on the first corner,
    // 3 on the flank, 1 on the floor corner, 3 on the floor (diameter 34), 1, 3, 3,
    // and 8 on the closing crest (diameter 30) up to z = 6.25.
    for (std::size_t i = 0; i <= 25; ++i) {
        EXPECT_EQ(points[i].z, 0.25f * static_cast<float>(i)) << i;
    }
    for (std::size_t i : {8u, 9u, 10u}) {
        EXPECT_EQ(points[i].diameter, 34) << i;
    }
    for (std::size_t i = 18; i <= 25; ++i) {
        EXPECT_EQ(points[i].diameter, 30) << i;
        EXPECT_EQ(points[i].offset, 0) << i;
    }
    EXPECT_EQ(points[0].offset, 0);
}

TEST(PassSchedule, RunningZIsSinglePrecision) {
    ThreadJob job = workedExampleJob();
    job.zSteps.fill(0.1f);
    const auto points = computePassSchedule(job);
    // 0.1f added three times in single precision, widened.
    EXPECT_EQ(static_cast<double>(points[3].z), 0.30000001192092896);
}

TEST(PassSchedule, OuterThreadTurnsTheOffsetOutward) {
    ThreadJob job = workedExampleJob();
    job.side = Side::Outer;
    const auto points = computePassSchedule(job);
    EXPECT_EQ(sixDecimals(points[1].diameter), 29.929162);
    EXPECT_EQ(points[9].diameter, 26);
}

TEST(PassSchedule, DifferentSecondCrestSteepensTheSecondFlank) {
    ThreadJob job = workedExampleJob();
    job.d3 = 31;
    const GrooveOutline o = grooveOutline(job);
    EXPECT_DOUBLE_EQ(o.a2, std::atan(1.5 / (2 / std::tan(60 * kAnglePi / 180))));
    EXPECT_EQ(computePassSchedule(job).back().diameter, 31);
}

struct FailureCase {
    const char* name;
    void (*change)(ThreadJob&);
};

class PassScheduleFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PassScheduleFailure, IsADataError) {
    ThreadJob job = workedExampleJob();
    GetParam().change(job);
    EXPECT_THROW(computePassSchedule(job), DataError) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, PassScheduleFailure,
    ::testing::Values(
        FailureCase{"first flank angle 0", [](ThreadJob& j) { j.a1 = 0; }},
        FailureCase{"second flank angle 0", [](ThreadJob& j) { j.a2 = 0; }},
        FailureCase{"d1 equal to d2 with another d3",
                    [](ThreadJob& j) {
                        j.d1 = 30;
                        j.d3 = 31;
                    }},
        FailureCase{"a zero step that must repeat", [](ThreadJob& j) { j.zSteps[3] = 0; }},
        FailureCase{"a negative step", [](ThreadJob& j) { j.zSteps[1] = -0.25f; }},
        FailureCase{"steps too small for the groove", [](ThreadJob& j) { j.zSteps.fill(0.001f); }},
        FailureCase{"floor corner radius equal to the nose radius",
                    [](ThreadJob& j) { j.r2 = j.noseRadius; }},
        FailureCase{"all inputs empty", [](ThreadJob& j) { j = ThreadJob{}; }}));

TEST(PassSchedule, AZeroStepForASegmentAlreadyPassedDoesNoHarm) {
    ThreadJob job = workedExampleJob();
    job.zSteps[4] = 1.0f; // the second floor corner jumps from 2.75 past the flank's end
    job.zSteps[5] = 0.0f; // so the second flank stores its one point and moves on
    const auto points = computePassSchedule(job);
    EXPECT_EQ(points[11].z, 2.75f);
    EXPECT_EQ(points[12].z, 3.75f);
    EXPECT_EQ(points[13].z, 3.75f);
}

TEST(PassSchedule, ZeroCrestCornerWithZeroNoseRadiusPasses) {
    ThreadJob job = workedExampleJob();
    job.r1 = 0;
    job.noseRadius = 0;
    job.r2 = job.r3 = 0.5;
    EXPECT_EQ(computePassSchedule(job)[1].z, 0.25f); // the crest corner holds its single point at 0
}

TEST(PassSchedule, AtMost2001Points) {
    ThreadJob job = workedExampleJob();
    job.zSteps.fill(0.003f); // about 2100 points: too many
    EXPECT_THROW(computePassSchedule(job), DataError);
    job.zSteps.fill(0.004f); // about 1570 points: fine
    EXPECT_LE(computePassSchedule(job).size(), 2001u);
}

} // namespace
} // namespace quillmar
