#include "core/drawn_groove.h"
#include "core/eight_segment_groove.h"
#include "core/nose_drop.h"
#include "core/profile_check.h"
#include "tests/core/example_dialogs.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

// The trapezoidal groove of the dialog, handed over as a drawn chain, is cut by the same
// passes: the same z, and each program X within the program's 0.001 mm.
TEST(DrawnGroove, TrapezoidalFormGivesTheTypedPasses) {
    const testing::PressedOutput typed = testing::pressOutput(testing::trapezoidalDialog());
    ASSERT_TRUE(typed.ok);
    DialogSnapshot drawn = testing::trapezoidalDialog();
    drawn.drawnGroove = grooveProfile(typed.job).segments;
    const testing::PressedOutput cut = testing::pressOutput(drawn);
    ASSERT_TRUE(cut.ok);
    const auto cutPoints = testing::scheduleOf(cut.job);
    const auto typedPoints = testing::scheduleOf(typed.job);
    ASSERT_EQ(cutPoints.size(), typedPoints.size());
    for (std::size_t i = 0; i < typedPoints.size(); ++i) {
        EXPECT_EQ(cutPoints[i].z, typedPoints[i].z) << i;
        EXPECT_NEAR(cutPoints[i].diameter, typedPoints[i].diameter, 0.001) << i;
    }
}

// A nose of radius r in a round groove of radius R (a semicircle from crest to crest)
// reaches its floor: its centre comes to rest r above the floor. In a 90 degree vee it
// rests on both flanks, r x sqrt 2 above the vee's point; on a crest, r above it.
struct RestRow {
    const char* name;
    SegmentChain groove;
    double z;
    double noseRadius;
    double centreDepth;
};

class NoseRest : public ::testing::TestWithParam<RestRow> {};

TEST_P(NoseRest, TouchesWithoutCutting) {
    const RestRow& row = GetParam();
    EXPECT_NEAR(NoseDrop(row.groove, row.noseRadius).centreDepth(row.z), row.centreDepth, 1e-9);
}

const SegmentChain kRound = {arcSegment({0, 0}, {2, 0}, {1, 0}, 1, true)};
const SegmentChain kVee = {lineSegment({0, 0}, {1, 1}), lineSegment({1, 1}, {2, 0})};

INSTANTIATE_TEST_SUITE_P(
    Grooves, NoseRest,
    ::testing::Values(RestRow{"RoundFloor", kRound, 1, 0.4, 0.6},
                      RestRow{"RoundFlank", kRound, 0.5, 0.4, std::sqrt(0.6 * 0.6 - 0.5 * 0.5)},
                      RestRow{"VeePoint", kVee, 1, 0.5, 1 - 0.5 * std::sqrt(2.0)},
                      RestRow{"CrestBeyond", kVee, 3, 0.5, -0.5}),
    [](const auto& info) { return std::string(info.param.name); });

// Passes by a cusp height leave no scallop above it, and are not needlessly close.
TEST(DrawnGroove, CuspHeightBoundsEveryScallop) {
    DialogSnapshot dialog = testing::workedExampleDialog();
    dialog.text(JobField::Pitch) = "2";
    dialog.drawnGroove = kRound;
    dialog.drawnCusp = 0.01;
    const testing::PressedOutput cut = testing::pressOutput(dialog);
    ASSERT_TRUE(cut.ok);
    const NoseDrop drop(kRound, 0.4);
    double largest = 0;
    const auto points = testing::scheduleOf(cut.job);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double a = points[i].z;
        const double b = points[i + 1].z;
        largest = std::max(
            largest, scallopBetween(drop, 0.4, {a, drop.centreDepth(a)}, {b, drop.centreDepth(b)}));
    }
    EXPECT_LE(largest, 0.01);
    EXPECT_GT(largest, 0.005);
}

// A drawn groove the checks refuse is a data error that names the piece.
TEST(DrawnGroove, RefusedChainIsADataError) {
    DialogSnapshot dialog = testing::workedExampleDialog();
    dialog.drawnGroove = {lineSegment({0, 0}, {1, 1}), lineSegment({1, 1}, {0.5, 0})};
    ThreadJob job;
    TextPanes panes;
    const ProgramOutputResult result = runProgramOutput(job, dialog, panes);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, "segment 2 runs back along Z at Z 1.0000 X 1.0000 (an undercut no "
                             "radial plunge can cut)");
    EXPECT_EQ(panes.standard, "");
}

// Parts a nose cannot reach: a sharp inside corner (no nose reaches it), a hollow
// tighter than the nose (a nose of its radius would).
TEST(DrawnGroove, NamesWhatTheNoseCannotReach) {
    const auto parts = unreachableParts(kVee, 0.2);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].segment, 2u);
    EXPECT_EQ(parts[0].largestNose, 0);
    const auto round = unreachableParts(kRound, 1.5);
    ASSERT_EQ(round.size(), 1u);
    EXPECT_EQ(round[0].largestNose, 1);
    EXPECT_TRUE(unreachableParts(kRound, 0.5).empty());
}

} // namespace
} // namespace quillmar
