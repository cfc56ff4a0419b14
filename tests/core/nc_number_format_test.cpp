#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

struct OspCase {
    double value;
    const char* text;
    double truncated;
};

class OspNumberTest : public ::testing::TestWithParam<OspCase> {};

TEST_P(OspNumberTest, TruncatesInPlaceAndWritesTheShortestDecimal) {
    double value = GetParam().value;
    EXPECT_EQ(formatOspNumber(value), GetParam().text);
    EXPECT_EQ(value, GetParam().truncated);
    // Truncation is idempotent: a second pass changes nothing.
    const double once = value;
    EXPECT_EQ(formatOspNumber(value), GetParam().text);
    EXPECT_EQ(value, once);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OspNumberTest,
    ::testing::Values(OspCase{17.7, "17.7", 17.7}, OspCase{17.39999998808, "17.399", 17.399},
                      OspCase{17.7999, "17.799", 17.799}, OspCase{-0.0004, "-0.001", -0.001},
                      OspCase{0.0004, "0", 0}, OspCase{-0.0, "0", 0}, OspCase{12.7, "12.7", 12.7},
                      OspCase{30, "30", 30}, OspCase{0.5, "0.5", 0.5},
                      OspCase{0.001, "0.001", 0.001}, OspCase{-0.5, "-0.5", -0.5},
                      OspCase{-0.05, "-0.05", -0.05}, OspCase{-80, "-80", -80},
                      OspCase{-17.7, "-17.7", -17.7}, OspCase{1.2345, "1.234", 1.234},
                      OspCase{30.070838, "30.07", 30.07},
                      // Decimals whose double lies just below them keep their thousandth:
                      // 2.006 x 1000 is 2005.9999999999998 in double precision.
                      OspCase{2.006, "2.006", 2.006}, OspCase{2.005, "2.005", 2.005},
                      OspCase{-2.006, "-2.006", -2.006}, OspCase{0.3, "0.3", 0.3},
                      OspCase{10.699999988079071, "10.699", 10.699}));

TEST(OspNumber, OverflowIsADataError) {
    double value = 1e306;
    EXPECT_THROW(formatOspNumber(value), DataError);
}

struct PatternCase {
    std::string (*format)(double);
    double value;
    const char* text;
};

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, WritesThePattern) {
    EXPECT_EQ(GetParam().format(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternTest,
    ::testing::Values(
        PatternCase{formatFixed3, 10.75, "10.750"}, PatternCase{formatFixed3, 30.070838, "30.071"},
        PatternCase{formatFixed3, -30, "-30.000"}, PatternCase{formatFixed3, 0, "0.000"},
        PatternCase{formatFixed3, -0.0001, "0.000"},
        PatternCase{formatFixed3, 12345.6, "12345.600"},
        PatternCase{formatFixed3, 123456.5, "123456.500"}, PatternCase{formatUpTo3, 28, "28.0"},
        PatternCase{formatUpTo3, 10.75, "10.75"}, PatternCase{formatUpTo3, 30.070838, "30.071"},
        PatternCase{formatUpTo3, -30, "-30.0"}, PatternCase{formatUpTo3, 0.5, "0.5"},
        PatternCase{formatUpTo3, 17.7, "17.7"}, PatternCase{formatUpTo4, 6, "6.0"},
        PatternCase{formatUpTo4, 1.25, "1.25"}, PatternCase{formatUpTo4, 1.23456, "1.2346"},
        PatternCase{formatUpTo4, 12.7, "12.7"}, PatternCase{formatSequence3, 1, "001 "},
        PatternCase{formatSequence3, 17, "017 "}, PatternCase{formatSequence3, 1000, "1000 "},
        PatternCase{formatSequence, 1, "1"}, PatternCase{formatSequence, 17, "17"},
        PatternCase{formatSequence, 12345, "12345"},
        PatternCase{formatSequence, 1e19, "10000000000000000000"},
        PatternCase{formatFixed3, -2.5e15, "-2500000000000000.000"},
        PatternCase{formatUpTo4, 1e16, "10000000000000000.0"},
        PatternCase{formatUpTo3, 2.0004, "2.0"}, PatternCase{formatFixed3, 0.0625, "0.063"}));

} // namespace
} // namespace quillmar
