#include "core/eight_segment_groove.h"
#include "tests/core/example_dialogs.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

double grooveSixDecimals(double v) {
    return std::round(v * 1e6) / 1e6;
}

// The nose centre's path, made by offsetting the finished groove, ends its eight pieces
// where the worked example's segments meet, and its tip passes through the example's
// first diameters at z = 0, 0.25 ... 1.
TEST(GrooveProfile, WorkedExampleCentrePathMeetsTheSegmentEnds) {
    const ThreadJob job = testing::pressOutput(testing::workedExampleDialog()).job;
    const GrooveProfile profile = grooveProfile(job);
    const SegmentChain path = noseCentrePath(profile, job.noseRadius);
    const double ends[] = {0.779423, 1.645448, 1.732051, 2.732051, 2.818653, 3.684679, 4.464102, 6};
    ASSERT_EQ(path.size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(grooveSixDecimals(path[k].to.z), ends[k]) << k;
    }
    const double diameters[] = {30, 30.070838, 30.303337, 30.805013, 31.664102};
    for (int i = 0; i < 5; ++i) {
        const double tip = *depthAt(path, 0.25 * i) + job.noseRadius;
        EXPECT_EQ(grooveSixDecimals(profile.xAt(tip)), diameters[i]) << i;
    }
    EXPECT_EQ(profile.xAt(*depthAt(profile.segments, 2.2)), 34); // the floor, at D1
    EXPECT_EQ(profile.xAt(*depthAt(profile.segments, 5)), 30);   // the second crest
}

// A 90 degree vee of lines, 1 deep, its floor rounded with R; a nose of 0.5 rolls round
// the crest corners and, where the floor is tighter than the nose, stops touching both
// flanks, 0.5 x sqrt 2 above the vee's point; a rounder floor lets it sit 0.1 (R - 0.5)
// from the round's centre, R x sqrt 2 above the point.
struct VeeRow {
    double floorRadius;
    double deepestCentre;
    std::size_t pieces;
};

class NoseInAVee : public ::testing::TestWithParam<VeeRow> {};

TEST_P(NoseInAVee, FollowsTheFlanksAndRollsRoundTheCrests) {
    const VeeRow row = GetParam();
    const double r = row.floorRadius;
    // The round touches each flank R from the vee's point.
    const SectionPoint left{2 - r * std::sqrt(0.5), 1 - r * std::sqrt(0.5)};
    const SectionPoint right{2 + r * std::sqrt(0.5), left.depth};
    const SegmentChain vee = {
        lineSegment({0, 0}, {1, 0}),
        lineSegment({1, 0}, left),
        arcSegment(left, right, {2, 1 - r * std::sqrt(2.0)}, r, true),
        lineSegment(right, {3, 0}),
        lineSegment({3, 0}, {4, 0}),
    };
    const SegmentChain path = offsetChain(vee, 0.5);
    EXPECT_EQ(path.size(), row.pieces);
    EXPECT_NEAR(*depthAt(path, 2), row.deepestCentre, 1e-12);
    EXPECT_NEAR(*depthAt(path, 0.5), -0.5, 1e-12);
    EXPECT_NEAR(*depthAt(path, 1 + 0.5 * std::sqrt(0.5)), -0.5 * std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(distanceTo(path, {1, 0}), 0.5, 1e-12); // the crest corner's vertex
}

INSTANTIATE_TEST_SUITE_P(Rows, NoseInAVee,
                         ::testing::Values(VeeRow{0, 1 - 0.5 * std::sqrt(2.0), 6},
                                           VeeRow{0.2, 1 - 0.5 * std::sqrt(2.0), 6},
                                           VeeRow{0.6, 1 - 0.6 * std::sqrt(2.0) + 0.1, 7}));

// A groove is one pitch's section only when its pieces run forward and it ends within
// the pitch, each to within the tolerance.
struct SpanRow {
    const char* name;
    double pitch;
    double flankEnd; // z where the first flank ends; 1 is in order
    bool spans;
};

class OnePitch : public ::testing::TestWithParam<SpanRow> {};

TEST_P(OnePitch, NeedsPiecesInOrderWithinThePitch) {
    const SpanRow row = GetParam();
    GrooveProfile profile;
    profile.pitch = row.pitch;
    profile.segments = {lineSegment({0, 0}, {row.flankEnd, 1}),
                        lineSegment({row.flankEnd, 1}, {2, 0})};
    EXPECT_EQ(spansOnePitch(profile, 0.001), row.spans) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, OnePitch,
                         ::testing::Values(SpanRow{"within", 2, 1, true},
                                           SpanRow{"past by less than the tolerance", 1.9991, 1,
                                                   true},
                                           SpanRow{"past by more", 1.9989, 1, false},
                                           SpanRow{"backwards by less", 2, 2.0009, true},
                                           SpanRow{"backwards by more", 2, 2.0011, false},
                                           SpanRow{"no pitch", 0, 1, false}));

} // namespace
} // namespace quillmar
