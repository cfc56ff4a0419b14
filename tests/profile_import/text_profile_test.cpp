#include "core/profile_check.h"
#include "profile_import/text_profile.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

// What a typed profile gives: "ok" when read and checked (pitch 4, a body no wider than
// its nose), else the first refusal as the user reads it.
std::string outcome(std::string_view text) {
    const auto chain = readTextProfile(text);
    if (!chain) {
        return "line " + std::to_string(chain.error().line) + ": " + chain.error().message;
    }
    const auto checked = checkDrawnGroove(*chain, 4, 0);
    return checked ? "ok" : describeRefusal(checked.error());
}

struct TextRow {
    const char* name;
    const char* text;
    const char* expected;
};

class TypedProfile : public ::testing::TestWithParam<TextRow> {};

TEST_P(TypedProfile, IsReadAndCheckedOrRefused) {
    EXPECT_EQ(outcome(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedProfile,
    ::testing::Values(
        TextRow{"Vee", "line 1 1\nline 2 0", "ok"},
        TextRow{"KnuckleByRadius", "# knuckle\narc 1 1 -1; arc 2 2 1; arc 3 1 1; arc 4 0 -1", "ok"},
        TextRow{"ArcByCentre", "line 0.5 0; arc 1.5 1 0.5 1; arc 2.5 0 2.5 1", "ok"},
        TextRow{"NotANumber", "line 1 x", "line 1: \"x\" is not a number"},
        TextRow{"UnknownWord", "curve 1 1",
                "line 1: expected \"line Z X\", \"arc Z X R\" or "
                "\"arc Z X CZ CX\""},
        TextRow{"RadiusTooShort", "arc 2 0 0.5",
                "line 1: the radius is shorter than half the distance to its end, or 0"},
        TextRow{"OffCentre", "arc 2 0 0.5 0.5",
                "line 1: its ends are not equally far from the centre, or it is a half turn "
                "(give a half turn by its radius)"},
        TextRow{"Empty", "# nothing\n", "line 0: holds no segment (\"line Z X\", \"arc Z X R\")"},
        TextRow{"Undercut", "line 1 1; line 0.5 1.5; line 2 0",
                "segment 2 runs back along Z at Z 1.0000 X 1.0000 (an undercut no radial plunge "
                "can cut)"},
        TextRow{"NotBackAtCrest", "line 1 1; line 2 0.5",
                "segment 2 ends at Z 2.0000 X 0.5000, not back at the crest (X 0)"},
        TextRow{"PastPitch", "line 3 1; line 5 0",
                "segment 2 ends at Z 5.0000 X 0.0000, past the pitch 4.0000"},
        TextRow{"AboveCrest", "line 1 -1; line 2 0", "segment 1 rises above the crest (X below 0)"},
        TextRow{"Flat", "line 2 0", "the profile has no depth: it never leaves the crest"},
        TextRow{"NoLength", "line 1 1; line 1 1; line 2 0", "segment 2 has no length"},
        TextRow{"FoldsBack", "line 1 1; line 1 0.5; line 1 1.5; line 2 0",
                "segment 3 crosses segment 1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A gap under 0.001 mm is closed and said so; a wider one is refused.
TEST(TypedProfile, ClosesOnlyTinyGaps) {
    const SegmentChain chain = {lineSegment({0, 0}, {1, 1}), lineSegment({1.0005, 1}, {2, 0})};
    const auto checked = checkDrawnGroove(chain, 4, 0);
    ASSERT_TRUE(checked);
    EXPECT_EQ(checked->notes.at(0), "closed a gap of 0.0005 mm between segments 1 and 2");
    const SegmentChain apart = {lineSegment({0, 0}, {1, 1}), lineSegment({1.002, 1}, {2, 0})};
    EXPECT_EQ(describeRefusal(checkDrawnGroove(apart, 4, 0).error()),
              "segment 2 does not start where segment 1 ends (gap 0.0020 mm at Z 1.0020 X "
              "1.0000)");
}

// A tool body of 30 degrees either side cannot follow a flank steeper than that.
TEST(TypedProfile, BodyAngleLimitsTheFlanks) {
    const auto chain = readTextProfile("line 0.5 1; line 3 1; line 3.5 0");
    ASSERT_TRUE(chain);
    EXPECT_TRUE(checkDrawnGroove(*chain, 4, 20));
    EXPECT_EQ(describeRefusal(checkDrawnGroove(*chain, 4, 30).error()),
              "segment 1 is steeper at Z 0.0000 X 0.0000 than the tool body's half angle allows");
}

} // namespace
} // namespace quillmar
