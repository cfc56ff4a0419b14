#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"
#include "nc/nc_line_reader.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace quillmar {
namespace {

std::u16string utf16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

struct WordCase {
    const char* word;
    double x;
};

class SingleWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(SingleWord, GivesTheWorkedValue) {
    NcLineReader reader;
    reader.currentX = 99; // an unchanged coordinate shows as 99
    ASSERT_TRUE(reader.readLine(utf16(GetParam().word)));
    EXPECT_EQ(reader.currentX, GetParam().x) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedReadings, SingleWord,
    ::testing::Values(WordCase{"X-12.5", -12.5}, WordCase{"X+5", 5}, WordCase{"X10-2", 8},
                      WordCase{"X10+2*3", 36}, WordCase{"X10*0", 10}, WordCase{"X1/0", 1},
                      WordCase{"X10+XP", 10}, WordCase{"X5+-3", 5}, WordCase{"X32.", 32},
                      WordCase{"X=5", 5}, WordCase{"XP=30", 99},
                      // the word text is written back with seven digits and read again
                      WordCase{"X17.7", 17.7}, WordCase{"X0.1", 0.1},
                      WordCase{"X3.14159265", 3.141593}, WordCase{"X16777215", 16777220},
                      WordCase{"X0.0001", 0.0001}, WordCase{"X123456789", 123456800},
                      WordCase{"X1/3", 0.3333333}, WordCase{"X2/3.", 0.6666667},
                      WordCase{"X10/4", 2.5}, WordCase{"X0-5", -5}, WordCase{"X*5", 0},
                      WordCase{"X/5", 0}, WordCase{"X5,5", 5}, WordCase{"X1.2.3", 1.2},
                      WordCase{"X1=2", 12}, WordCase{"X.5", 0.5}, WordCase{"X-.5", -0.5},
                      WordCase{"X", 0}, WordCase{"X 5", 0}, WordCase{"X;5", 0}, WordCase{"x10", 99},
                      WordCase{"X(10)", 0}, WordCase{"X007", 7}, WordCase{"X17.700000000", 17.7}));

TEST(SingleWord, ZWordReadsLikeX) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"Z-80"));
    EXPECT_EQ(reader.currentZ, -80);
    EXPECT_EQ(reader.currentX, 0);
}

TEST(SingleWord, DroppedOperatorSkipsFromTwoCharactersOnSoABlankRightAfterItDoesNotStopTheSkip) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"X10+ Z5"));
    EXPECT_EQ(reader.currentX, 10);
    EXPECT_EQ(reader.currentZ, 0);
    ASSERT_TRUE(reader.readLine(u"X10+A Z5"));
    EXPECT_EQ(reader.currentZ, 5);
}

TEST(SingleWord, VariableNameSkipStartsTwoCharactersOn) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"XP Z5"));
    EXPECT_EQ(reader.currentZ, 5); // the skip stops at the blank after P
    ASSERT_TRUE(reader.readLine(u"XPZ5 Z7"));
    EXPECT_EQ(reader.currentZ, 7);
}

// Every word's value is its accumulator written with seven significant digits and
// read back. Compare the reader with that rule on numbers of every length and size.
TEST(SingleWord, EveryNumberReadsAsItsSevenDigitRoundTrip) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + int(random() % 10);
        std::string mantissa;
        for (int d = 0; d < digits; ++d) {
            mantissa.push_back(char('0' + random() % 10));
        }
        const int point = int(random() % (digits + 8)) - 4; // where the point goes
        std::string text;
        if (point <= 0) {
            text = "0." + std::string(std::size_t(-point), '0') + mantissa;
        } else if (point >= digits) {
            text = mantissa + std::string(std::size_t(point - digits), '0');
        } else {
            text =
                mantissa.substr(0, std::size_t(point)) + "." + mantissa.substr(std::size_t(point));
        }
        if (random() % 2 == 0) {
            text = std::string("-").append(text);
        }
        const double expected =
            leadingNumberValue(plainNumberText(toSingle(leadingNumberValue(text))));
        NcLineReader reader;
        ASSERT_TRUE(reader.readLine(utf16("X" + text)));
        ASSERT_EQ(reader.currentX, expected) << text;
    }
}

TEST(SingleWord, NumberBeyondSinglePrecisionIsAReadingFailure) {
    for (const char16_t* line : {u"X1"
                                 "000000000000000000000000000000000000000",
                                 u"Z-400000000000000000000000000000000000000",
                                 u"X10000000000000000000*10000000000000000000000",
                                 u"X1/0.00000000000000000000000000000000000000001",
                                 u"G9999999999999999999999999999999999999999",
                                 u"X9999999999999999999999999999999999999999999999999999999999999"
                                 "99999999999999999999999999999999999999999999999999999999999999"
                                 "9999999999999999999999999999999999999999999999999999999999999"
                                 "9999999999999999999999999999999999999999999999999999999999999"
                                 "9999999999999999999999999999999999999999999999999999999999999"}) {
        NcLineReader reader;
        EXPECT_FALSE(reader.readLine(line)) << std::string(line, line + 8);
    }
}

TEST(SingleWord, LargestSinglePrecisionNumberStillReads) {
    NcLineReader reader;
    ASSERT_TRUE(reader.readLine(u"X340000000000000000000000000000000000000"));
    EXPECT_EQ(reader.currentX, 3.4e38);
}

TEST(SingleWord, LongWordTextIsReadWhole) {
    NcLineReader reader;
    const std::u16string line =
        u"X" + std::u16string(60, u'0') + u"17.5 Z" + std::u16string(50, u'9') + u"*0";
    ASSERT_FALSE(reader.readLine(line));
    EXPECT_EQ(reader.currentX, 17.5);
}

} // namespace
} // namespace quillmar
