#include "ui/main/window/window_layout.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

TEST(WindowLayout, ClientHeight7000PlacesBothRowsAsDesigned) {
    const MainWindowLayout layout = computeMainWindowLayout({7000, 11610, 11730});
    EXPECT_EQ(layout.txtDataA, (TwipsPlacement{10, 680, 4250, 2920}));
    EXPECT_EQ(layout.picture1, (TwipsPlacement{4300, 680, 7130, 2920}));
    EXPECT_EQ(layout.txtDataB, (TwipsPlacement{10, 3630, 4250, 3095}));
    EXPECT_EQ(layout.picture2, (TwipsPlacement{4300, 3630, 7130, 3095}));
    // The bottom row ends 275 twips above the client's bottom edge.
    EXPECT_EQ(layout.txtDataB->top + layout.txtDataB->height, 6725);
    EXPECT_EQ(layout.picture3, (TwipsPlacement{9410, 300, 2300, 600}));
    EXPECT_EQ(layout.line1Right, 11610);
    EXPECT_EQ(layout.line2Right, 11610);
}

TEST(WindowLayout, WideningMovesOnlyTheGraphicsAndTheReadout) {
    const MainWindowLayout narrow = computeMainWindowLayout({7000, 11610, 11730});
    const MainWindowLayout wide = computeMainWindowLayout({7000, 15610, 15730});
    EXPECT_EQ(narrow.txtDataA, wide.txtDataA);
    EXPECT_EQ(narrow.txtDataB, wide.txtDataB);
    EXPECT_EQ(wide.picture1->width - narrow.picture1->width, 4000);
    EXPECT_EQ(wide.picture3->left - narrow.picture3->left, 4000);
}

TEST(WindowLayout, HalfTwipsAreKeptInSinglePrecision) {
    const MainWindowLayout layout = computeMainWindowLayout({7001, 11610, 11730});
    EXPECT_FLOAT_EQ(layout.txtDataA->height, 2920.5f);
    EXPECT_FLOAT_EQ(layout.txtDataB->top, 3630.5f);
    EXPECT_FLOAT_EQ(layout.txtDataB->height, 3095.5f);
}

struct SmallWindowCase {
    float clientHeight;
    float outerWidth;
    bool topRowPlaced;
    bool bottomRowPlaced;
    bool picturesPlaced;
};

class SmallWindow : public ::testing::TestWithParam<SmallWindowCase> {};

TEST_P(SmallWindow, SkipsOnlyTheControlsWithANegativeSize) {
    const SmallWindowCase c = GetParam();
    const MainWindowLayout layout = computeMainWindowLayout({c.clientHeight, 3000, c.outerWidth});
    EXPECT_EQ(layout.txtDataA.has_value(), c.topRowPlaced);
    EXPECT_EQ(layout.txtDataB.has_value(), c.bottomRowPlaced);
    EXPECT_EQ(layout.picture1.has_value(), c.topRowPlaced && c.picturesPlaced);
    EXPECT_EQ(layout.picture2.has_value(), c.bottomRowPlaced && c.picturesPlaced);
    EXPECT_TRUE(layout.picture3.has_value()); // its size never depends on the window
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SmallWindow,
                         ::testing::Values(
                             // (CH - 1100) / 2 - 30 is 0 at 1160: still placed, with no height.
                             SmallWindowCase{1160, 9000, true, true, true},
                             SmallWindowCase{1159, 9000, false, true, true},
                             // (CH - 680) / 2 - 65 turns negative below 810.
                             SmallWindowCase{810, 9000, false, true, true},
                             SmallWindowCase{809, 9000, false, false, true},
                             // OW - 4600 turns negative below 4600.
                             SmallWindowCase{7000, 4600, true, true, true},
                             SmallWindowCase{7000, 4599, true, true, false},
                             SmallWindowCase{0, 0, false, false, false}));

TEST(WindowLayout, AMinimisedSizeStillPlacesTheReadoutAndTheRule) {
    const MainWindowLayout layout = computeMainWindowLayout({0, 0, 0});
    EXPECT_EQ(layout.picture3, (TwipsPlacement{-2200, 300, 2300, 600}));
    EXPECT_EQ(layout.line1Right, 0);
}

} // namespace
} // namespace quillmar
