#include "nc/nc_line_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

struct LineCase {
    const char16_t* line;
    float modalG;
    double x;
    double z;
    bool commentSeen;
    bool inComment;
};

// Every case starts from G 99, X 1, Z 2 and no comment, so "unchanged" is visible.
class LineScan : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineScan, LeavesTheReaderInTheWorkedState) {
    const LineCase& c = GetParam();
    NcLineReader reader;
    reader.modalG = 99;
    reader.currentX = 1;
    reader.currentZ = 2;
    ASSERT_TRUE(reader.readLine(c.line));
    EXPECT_EQ(reader.modalG, c.modalG);
    EXPECT_EQ(reader.currentX, c.x);
    EXPECT_EQ(reader.currentZ, c.z);
    EXPECT_EQ(reader.commentSeen, c.commentSeen);
    EXPECT_EQ(reader.inComment, c.inComment);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedLines, LineScan,
    ::testing::Values(
        LineCase{u"N000 G00 X30 Z50 T0101 M42 S700 M04 M63 M08", 0, 30, 50, false, false},
        LineCase{u"NT01 MODIN OG34 XP=30 ZP=-80 FD=12.7", 34, 1, 2, false, false},
        LineCase{u"N000 G34 Z=ZP F=FD", 34, 1, 0, false, false},
        LineCase{u"NOEX ZSP=VSIOZ", 99, 0, 2, false, false},
        LineCase{u"(-----< THREAD >-----)", 99, 1, 2, true, false},
        LineCase{u"(X10", 99, 1, 2, true, true}, LineCase{u"x10", 99, 1, 2, false, false},
        LineCase{u"X10Z5", 99, 10, 5, false, false}, LineCase{u"X 5", 99, 0, 2, false, false},
        LineCase{u"G", 0, 1, 2, false, false}, LineCase{u"G01", 1, 1, 2, false, false},
        LineCase{u"G01 G00", 0, 1, 2, false, false},
        LineCase{u"G00 X28. (RETRACT X99) Z17.7", 0, 28, 17.7, true, false},
        LineCase{u"G1.5", 1.5f, 1, 2, false, false}, LineCase{u"G-3/", -3, 1, 2, false, false},
        LineCase{u"G17.7", 17.7f, 1, 2, false, false}, LineCase{u"G00) X5", 0, 5, 2, false, false},
        LineCase{u"Z-80. F12.7", 99, 1, -80, false, false},
        LineCase{u"\nG32 Z-80. F12.7", 32, 1, -80, false, false},
        LineCase{u"N000     X800 Z300 M05 M63 M09", 99, 800, 300, false, false},
        LineCase{u"X\u30bc5 Z\u5168", 99, 0, 0, false, false},
        LineCase{u"O0001( FANUC THREAD )%", 99, 1, 2, true, false},
        LineCase{u"G28 U0 W0", 28, 1, 2, false, false}, LineCase{u"", 99, 1, 2, false, false}));

TEST(LineScan, UnclosedCommentGoesOnInTheNextLineFromItsSecondCharacter) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"G01 (START X10"));
    EXPECT_TRUE(reader.inComment);
    EXPECT_EQ(reader.currentX, 0);
    EXPECT_EQ(reader.modalG, 1);
    reader.commentSeen = false;
    // The first character is the line feed; the search for ")" starts after it.
    ASSERT_TRUE(reader.readLine(u"\nX20 G00) X30"));
    EXPECT_FALSE(reader.inComment);
    EXPECT_TRUE(reader.commentSeen);
    EXPECT_EQ(reader.currentX, 30);
    EXPECT_EQ(reader.modalG, 1);
}

TEST(LineScan, ClosingBracketAsTheFirstCharacterOfAContinuedLineDoesNotCloseTheComment) {
    NcLineReader reader;
    reader.inComment = true;
    ASSERT_TRUE(reader.readLine(u") X5"));
    EXPECT_TRUE(reader.inComment);
    EXPECT_EQ(reader.currentX, 0);
}

TEST(LineScan, BracketInsideACommentDoesNotNest) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"((X1) X2) X3"));
    EXPECT_EQ(reader.currentX, 3);
    EXPECT_FALSE(reader.inComment);
}

} // namespace
} // namespace quillmar
