#include "nc/nc_line_reader.h"
#include "tests/nc/sample_programs.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

// The positions of a move, without the line it came from.
struct Path {
    double previousX, previousZ, x, z;
};

struct SeenMove {
    Path move;
    bool commentSeen;
    float modalG;
    friend bool operator==(const SeenMove& a, const SeenMove& b) {
        return a.move.previousX == b.move.previousX && a.move.previousZ == b.move.previousZ &&
               a.move.x == b.move.x && a.move.z == b.move.z && a.commentSeen == b.commentSeen &&
               a.modalG == b.modalG;
    }
    friend std::ostream& operator<<(std::ostream& out, const SeenMove& m) {
        return out << "(" << m.move.previousX << "," << m.move.previousZ << ")->(" << m.move.x
                   << "," << m.move.z << ") comment " << m.commentSeen << " G" << m.modalG;
    }
};

// Walks the text, clearing commentSeen after each move as the graphics do.
std::vector<SeenMove> walk(NcLineReader& reader, std::u16string_view text, bool* ok = nullptr) {
    std::vector<SeenMove> moves;
    const bool completed = reader.walkProgramText(text, [&](const NcMove& move) {
        moves.push_back(SeenMove{Path{move.previousX, move.previousZ, move.x, move.z},
                                 reader.commentSeen, reader.modalG});
        reader.commentSeen = false;
    });
    if (ok) {
        *ok = completed;
    }
    return moves;
}

TEST(TextWalk, TextWithoutALineBreakReadsNoLine) {
    for (const char16_t* text : {u"", u"G01 X10 Z5", u"X10\n", u"X10\r", u"X10\n\r"}) {
        NcLineReader reader;
        bool ok = false;
        EXPECT_TRUE(walk(reader, text, &ok).empty());
        EXPECT_TRUE(ok);
        EXPECT_EQ(reader.currentX, 0);
        EXPECT_EQ(reader.modalG, 0);
    }
}

TEST(TextWalk, LastLineWithoutALineBreakIsNotRead) {
    NcLineReader reader;
    const auto moves = walk(reader, u"X10 Z5\r\nX20 Z6");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(reader.currentX, 10);
}

TEST(TextWalk, ResetsPositionAndSetsCommentSeenButKeepsModalGAndOpenComment) {
    NcLineReader reader;
    reader.currentX = 5;
    reader.currentZ = 6;
    reader.modalG = 32;
    reader.commentSeen = false;
    EXPECT_TRUE(reader.walkProgramText(u"", [](const NcMove&) {}));
    EXPECT_EQ(reader.currentX, 0);
    EXPECT_EQ(reader.currentZ, 0);
    EXPECT_TRUE(reader.commentSeen);
    EXPECT_EQ(reader.modalG, 32);

    reader.inComment = true;
    const auto moves = walk(reader, u"X10\r\nX20) X30\r\n");
    ASSERT_EQ(moves.size(), 1u); // the first line is all comment
    EXPECT_EQ(moves[0], (SeenMove{{0, 0, 30, 0}, true, 32}));
}

TEST(TextWalk, CallsOnlyForLinesThatChangeThePosition) {
    NcLineReader reader;
    const auto moves = walk(reader, u"G00 X28. Z50.\r\n"
                                    u"G00 X28. Z50.\r\n"
                                    u"(COMMENT)\r\n"
                                    u"G32 Z-80. F12.7\r\n"
                                    u"\r\n"
                                    u"G00 X32. Z-80.\r\n");
    const std::vector<SeenMove> expected{
        {{0, 0, 28, 50}, true, 0}, {{28, 50, 28, -80}, true, 32}, {{28, -80, 32, -80}, false, 0}};
    EXPECT_EQ(moves, expected);
}

TEST(TextWalk, EachLineAfterTheFirstStartsWithTheLineFeed) {
    NcLineReader reader;
    // A CR alone is part of its line, and a line of just the LF reads nothing.
    const auto moves = walk(reader, u"X1\rX2\r\n\r\nX3\r\r\n");
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].move.x, 2);
    EXPECT_EQ(moves[1].move.x, 3);
}

TEST(TextWalk, LongTextFindsEveryLineBreak) {
    // Line breaks at every offset of the vector scan, and a CR LF split across its
    // eight-unit blocks.
    std::u16string text;
    for (int i = 1; i <= 40; ++i) {
        text.push_back(u'X');
        text.append(std::size_t(i % 11), u'0');
        text.push_back(char16_t(u'0' + i % 10));
        text.append(u"\r\n");
        text += std::u16string(std::size_t(i % 3), u'\r');
    }
    NcLineReader reader;
    std::vector<double> seen;
    reader.walkProgramText(text, [&](const NcMove& move) { seen.push_back(move.x); });
    // Two neighbouring lines with the same X make no move; X0 after X9 is a move.
    std::vector<double> moves;
    double previous = 0;
    for (int i = 1; i <= 40; ++i) {
        const double x = i % 10;
        if (x != previous) {
            moves.push_back(x);
            previous = x;
        }
    }
    EXPECT_EQ(seen, moves);
}

TEST(TextWalk, ReadingFailureEndsTheWalkWithFalse) {
    NcLineReader reader;
    bool ok = true;
    const auto moves =
        walk(reader, u"X10\r\nX1000000000000000000000000000000000000000000\r\nX20\r\n", &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(reader.currentX, 10);
}

TEST(TextWalk, FanucSampleGivesItsMoves) {
    NcLineReader reader;
    const auto moves = walk(reader, samples::kFanucProgram);
    const std::vector<SeenMove> expected{
        {{0, 0, 28, 50}, true, 0},        {{28, 50, 32, 17.7}, false, 0},
        {{32, 17.7, 32, -80}, false, 32}, {{32, -80, 28, -80}, false, 0},
        {{28, -80, 28, 17.7}, false, 0},  {{28, 17.7, 32, 17.5}, false, 0},
        {{32, 17.5, 32, -80}, false, 32}, {{32, -80, 28, -80}, false, 0},
        {{28, -80, 28, 17.5}, false, 0},  {{28, 17.5, 28, 50}, false, 0}};
    EXPECT_EQ(moves, expected);
    EXPECT_EQ(reader.modalG, 28);
}

} // namespace
} // namespace quillmar
