#include "simulation/thread_gauge.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace quillmar {
namespace {

struct Pass {
    double x;
    double position; // within the pitch; program Z is its negative
};

std::u16string program(const std::vector<Pass>& passes, double pitch, double retractX) {
    std::string text;
    for (const Pass& pass : passes) {
        text += "G00 X" + std::to_string(pass.x) + " Z" + std::to_string(-pass.position) +
                "\r\nG32 Z-60 F" + std::to_string(pitch) + "\r\nG00 X" + std::to_string(retractX) +
                "\r\nG00 Z5\r\n";
    }
    return std::u16string(text.begin(), text.end());
}

// A 60 degree V walked flank by flank with a round nose of 0.2 whose centres step 0.1
// along each flank line (the nose touching it): pitch 4, stock X40, the flanks meeting
// 2.5 deep at position 2. The centres' lines meet at position 2, 2.1 deep.
std::vector<Pass> scallopedVee() {
    const double r = 0.2;
    const double step = 0.1;
    const double along = std::sin(std::numbers::pi / 6);
    const double down = std::cos(std::numbers::pi / 6);
    std::vector<Pass> passes;
    for (int k = 30; k >= 0; --k) { // from above the stock down to where the lines meet
        const double centreDepth = 2.1 - k * step * down;
        const double offset = k * step * along;
        const double edgeX = 40 - 2 * (centreDepth + r);
        passes.push_back({edgeX, 2 - offset});
        passes.push_back({edgeX, 2 + offset});
    }
    return passes;
}

// Figures worked by hand. A tool of nose r whose sides lean out by b meets itself
// r / sin b from the nose centre, so a single plunge leaves a V whose width at a depth s
// below the stock is 2 (apex - s) tan b, and the half-pitch width gives the pitch
// diameter. NaN: not read in that row.
struct GaugeRow {
    const char* name;
    int side;
    double stock;
    double pitch;
    double nose;
    double bodyHalfAngle;
    std::vector<Pass> passes;
    double major;
    double pitchDiameter;
    double minor;
    double flankAngle; // both flanks
    double straightness;
};

class ThreadGaugeReads : public ::testing::TestWithParam<GaugeRow> {};

TEST_P(ThreadGaugeReads, WhatTheGaugeWould) {
    const GaugeRow& row = GetParam();
    SectionSetup setup;
    setup.pitch = row.pitch;
    setup.side = row.side;
    setup.stockDiameter = row.stock;
    setup.noseRadius = row.nose;
    setup.bodyHalfAngleDegrees = row.bodyHalfAngle;
    const double retract = row.stock + row.side * 10;
    const auto result =
        simulateCut(readThreadingPasses(program(row.passes, row.pitch, retract)), setup);
    const auto gauge = gaugeThread(result);
    ASSERT_TRUE(gauge) << row.name;
    EXPECT_NEAR(gauge->majorDiameter, row.major, 1e-6) << row.name;
    EXPECT_NEAR(gauge->minorDiameter, row.minor, 2e-6) << row.name;
    if (!std::isnan(row.pitchDiameter)) {
        ASSERT_TRUE(gauge->pitchDiameter) << row.name;
        EXPECT_NEAR(*gauge->pitchDiameter, row.pitchDiameter, 1e-5) << row.name;
    }
    for (const auto& flank : {gauge->firstFlank, gauge->secondFlank}) {
        ASSERT_TRUE(flank) << row.name;
        EXPECT_NEAR(flank->angleDegrees, row.flankAngle, 0.05) << row.name;
        EXPECT_NEAR(flank->straightness, row.straightness, 0.0005) << row.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThreadGaugeReads,
    ::testing::Values(
        // Edge 1.2 below X30, apex 0.001 beyond it: 1.201 - s = 0.5 / tan 30.
        GaugeRow{"60 degree V, sharp nose, outer",
                 1,
                 30,
                 2,
                 0.001,
                 30,
                 {{27.6, 1}},
                 30,
                 29.3300508,
                 27.6,
                 30,
                 0},
        GaugeRow{"60 degree V, sharp nose, inner",
                 -1,
                 20,
                 2,
                 0.001,
                 30,
                 {{22.4, 1}},
                 22.4,
                 20.6699492,
                 20,
                 30,
                 0},
        // Nose 0.5 on 15 degree sides plunged 2 deep at 1.5 and 2.1: apex 1.5 + 0.5 /
        // sin 15 = 3.4318517 below X40 on each, 0.6 + 2 (3.4318517 - s) tan 15 = 2.
        GaugeRow{"trapezoid, two plunges 0.6 apart",
                 1,
                 40,
                 4,
                 0.5,
                 15,
                 {{36, 1.5}, {36, 2.1}},
                 40,
                 38.3611678,
                 36,
                 15,
                 0},
        // Nose bottom 2.3 deep; scallops 0.2 - sqrt(0.2^2 - 0.05^2) normal to the flank.
        GaugeRow{"60 degree V in 0.1 steps of a 0.2 nose", 1, 40, 4, 0.2, 0, scallopedVee(), 40,
                 NAN, 35.4, 30, 0.0063508}));

// The same V as the job's outline, its root rounded as the nose leaves it (R 0.2 about
// position 2, 2.1 deep, meeting the flanks 2.2 deep): the scallops stand 0.2 -
// sqrt(0.2^2 - 0.05^2) off the flanks, twice that radially on lines 60 degrees from
// the axis.
TEST(ScallopedVee, CuspIsGivenNormalToTheFlankAndRadially) {
    const double top = 2 - 2.5 * std::tan(std::numbers::pi / 6);
    ThreadJob job;
    job.side = Side::Outer;
    job.pitch = 4;
    job.zStart = -4;
    job.d1 = 40;
    job.stockDiameter = 40;
    job.noseRadius = 0.2;
    job.drawnGroove = {lineSegment({0, 0}, {top, 0}), lineSegment({top, 0}, {1.826795, 2.2}),
                       arcSegment({1.826795, 2.2}, {2.173205, 2.2}, {2, 2.1}, 0.2, true),
                       lineSegment({2.173205, 2.2}, {4 - top, 0}),
                       lineSegment({4 - top, 0}, {4, 0})};
    const SectionSetup setup = sectionFromJob(job, {});
    ASSERT_TRUE(setup.outline);
    const auto result = simulateCut(readThreadingPasses(program(scallopedVee(), 4, 50)), setup);
    ASSERT_TRUE(result.cusp && result.cuspNormal);
    EXPECT_NEAR(result.cuspNormal->height, 0.0063508, 0.0005);
    EXPECT_NEAR(result.cusp->height, 2 * 0.0063508, 0.001);
    EXPECT_FALSE(result.gouge || result.gougeNormal);
}

TEST(ThreadGauge, NoGrooveNoReading) {
    SectionSetup setup;
    setup.pitch = 2;
    setup.stockDiameter = 30;
    setup.noseRadius = 0.4;
    EXPECT_FALSE(gaugeThread(simulateCut(readThreadingPasses(program({{31, 1}}, 2, 40)), setup)));
}

// Each diameter inside or outside the band the class gives, and by how much.
struct VerdictRow {
    double value;
    forms::DiameterBand band;
    bool judged;
    bool inside;
    double by;
};

class ThreadGaugeVerdict : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(ThreadGaugeVerdict, JudgesTheKnownBand) {
    const VerdictRow& row = GetParam();
    ThreadGauge gauge;
    gauge.pitchDiameter = row.value;
    const GaugeVerdict verdict = judgeThread(gauge, forms::GaugeLimits{{}, row.band, {}, {}});
    EXPECT_FALSE(verdict.major || verdict.minor);
    ASSERT_EQ(bool(verdict.pitch), row.judged) << row.value;
    EXPECT_EQ(verdict.passes(), !row.judged || row.inside) << row.value;
    if (row.judged) {
        EXPECT_EQ(verdict.pitch->inside, row.inside) << row.value;
        EXPECT_NEAR(verdict.pitch->by, row.by, 1e-9) << row.value;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ThreadGaugeVerdict,
                         ::testing::Values(VerdictRow{18.3, {18.2, 18.35}, true, true, 0.05},
                                           VerdictRow{18.36, {18.2, 18.35}, true, false, 0.01},
                                           VerdictRow{18.1, {18.2, 18.35}, true, false, 0.1},
                                           VerdictRow{18.3, {}, false, false, 0}));

// A taper thread made at its small end: 0.05 mm too large on the pitch diameter puts its
// gauge plane 16 x 0.05 = 0.8 mm off (inside +-1.814 by 1.014), 0.2 mm puts it 3.2 mm off.
TEST(ThreadGaugeVerdict, JudgesTheTaperThreadsGaugePlane) {
    forms::GaugeLimits limits;
    limits.gaugePlane = {19.0, 19.5, 8, 8, 1.0 / 16, 1.814};
    ThreadGauge gauge;
    for (const auto& [pitchDiameter, inside, by] :
         {std::tuple{19.05, true, 1.014}, std::tuple{19.2, false, 1.386}}) {
        gauge.pitchDiameter = pitchDiameter;
        const GaugeVerdict verdict = judgeThread(gauge, limits);
        ASSERT_TRUE(verdict.gaugePlane) << pitchDiameter;
        EXPECT_EQ(verdict.gaugePlane->inside, inside) << pitchDiameter;
        EXPECT_EQ(verdict.passes(), inside) << pitchDiameter;
        EXPECT_NEAR(verdict.gaugePlane->by, by, 1e-9) << pitchDiameter;
    }
}

} // namespace
} // namespace quillmar
