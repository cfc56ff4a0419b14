#include "core/forms/groove_fields.h"
#include "core/pass_schedule.h"
#include "tests/core/forms/english_message.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmar::forms {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;

// What the passes cut, seen in the groove's section: the nose circles of every pass,
// the tool's programmed point being the nose's tip (the diameter each pass is
// written with). Depth is measured from the crest into the material.
struct Cut {
    std::vector<double> z;
    std::vector<double> centreDepth;
    double r = 0;

    // Where the cut reaches at a depth: the first and last z of all the circles.
    std::pair<double, double> extent(double depth) const {
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (std::size_t i = 0; i < z.size(); ++i) {
            const double off = depth - centreDepth[i];
            if (std::fabs(off) <= r) {
                const double half = std::sqrt(r * r - off * off);
                low = std::min(low, z[i] - half);
                high = std::max(high, z[i] + half);
            }
        }
        return {low, high};
    }

    double deepest() const { return *std::max_element(centreDepth.begin(), centreDepth.end()) + r; }
};

Cut cutOf(const ThreadJob& job, const std::vector<SchedulePoint>& points) {
    Cut cut;
    cut.r = job.noseRadius;
    for (const SchedulePoint& point : points) {
        cut.z.push_back(point.z);
        cut.centreDepth.push_back(-point.offset * signOf(job.side) - job.noseRadius);
    }
    return cut;
}

struct CutRow {
    const char* designation;
    Side side;
    double noseRadius;
    double cusp;
};

class GrooveCut : public testing::TestWithParam<CutRow> {};

TEST_P(GrooveCut, PassesCutTheStandardsGroove) {
    const CutRow& row = GetParam();
    SCOPED_TRACE(row.designation);
    const auto fields = grooveFields(row.designation, {row.side, row.noseRadius, row.cusp});
    ASSERT_TRUE(fields.ok()) << english(fields.error());
    ThreadJob job = jobFromTexts(fields->texts, row.side);
    std::vector<SchedulePoint> points;
    ASSERT_NO_THROW(points = computePassSchedule(job));
    const Cut cut = cutOf(job, points);
    const ThreadForm& form = fields->form;
    const double allowed = row.cusp + 0.001;

    // The floor: reached, and not passed.
    const double floorDepth = std::fabs(fields->figures.floorDiameter - form.crestDiameter) / 2;
    EXPECT_NEAR(cut.deepest(), floorDepth, 0.001);

    // The width at the pitch diameter. A scallop of height h on a flank at angle a from
    // the axis narrows the width by at most h / sin(a) on that side; where the class gives
    // a band, the groove is widened by half of that, so the width lies within half of it
    // either side of the form's.
    const double a1 = (90 - form.firstFlank) * kDegree;
    const double a2 = (90 - form.secondFlank) * kDegree;
    const double pitchDepth = std::fabs(form.pitchDiameter - form.crestDiameter) / 2;
    const auto [left, right] = cut.extent(pitchDepth);
    const double width = right - left;
    const double spread = allowed / std::sin(a1) + allowed / std::sin(a2);
    if (form.limits.pitch.known()) {
        EXPECT_NEAR(width, form.widthAtPitch, spread / 2);
        EXPECT_NEAR(fields->figures.scallopWidening, spread / 2, spread / 2);
    } else {
        EXPECT_LE(width, form.widthAtPitch + 0.001);
        EXPECT_GE(width, form.widthAtPitch - spread);
    }

    // The flanks: straight at the standard's angles, measured across the flank, between
    // the corners (a third of the way from the pitch line to crest and floor).
    for (const double share : {-0.3, 0.3}) {
        const double depth =
            pitchDepth + share * (share < 0 ? pitchDepth : floorDepth - pitchDepth);
        const auto [l, r] = cut.extent(depth);
        const double run = depth - pitchDepth;
        const double firstOff =
            (l - (left + run * std::tan(form.firstFlank * kDegree))) * std::sin(a1);
        const double secondOff =
            (r - (right - run * std::tan(form.secondFlank * kDegree))) * std::sin(a2);
        EXPECT_LE(std::fabs(firstOff), 2 * allowed) << "first flank at depth " << depth;
        EXPECT_LE(std::fabs(secondOff), 2 * allowed) << "second flank at depth " << depth;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, GrooveCut,
                         testing::Values(CutRow{"Tr40x7", Side::Outer, 0.3, 0.005},
                                         CutRow{"Tr40x7", Side::Inner, 0.4, 0.002},
                                         CutRow{"M20x2.5", Side::Outer, 0.2, 0.005},
                                         CutRow{"M20x2.5", Side::Inner, 0.1, 0.003},
                                         CutRow{"S40x7", Side::Outer, 0.5, 0.01},
                                         CutRow{"Rd40x1/6", Side::Inner, 0.6, 0.01},
                                         CutRow{"1/2 BSW", Side::Outer, 0.2, 0.005},
                                         CutRow{"1-5 ACME", Side::Outer, 0.2, 0.005},
                                         CutRow{"1/2-13 UNC-3A", Side::Outer, 0.2, 0.002}));

// Tr40x7-7e's pitch band is 36.375 - 36.02 = 0.355 mm. A scallop h off each 15 degree
// flank moves it along the axis by h / cos 15, the pitch diameter by twice that over
// 2 tan 15: 7.7274 h in all, so the scallops' spread fills the band at h = 0.04594.
TEST(GrooveCut, ACuspTooLargeForTheBandNamesTheLargestThatFits) {
    EXPECT_TRUE(grooveFields("Tr40x7", {Side::Outer, 0.3, 0.0459}).ok());
    const auto refused = grooveFields("Tr40x7", {Side::Outer, 0.3, 0.046});
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(messageText(refused.error(), Language::English),
              "A cusp height of 0.046 mm does not fit inside the class of Tr40x7-7e: its "
              "scallops spread the pitch diameter over up to 0.3555 mm, more than the class's "
              "band of 0.355 mm. The largest cusp height that fits is 0.0459 mm.");
}

} // namespace
} // namespace quillmar::forms
