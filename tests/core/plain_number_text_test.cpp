#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmar {
namespace {

struct PlainCase {
    double value;
    const char* text;
};

class PlainDoubleTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainDoubleTest, WritesTheGeneralDecimalText) {
    EXPECT_EQ(plainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Doubles, PlainDoubleTest,
                         ::testing::Values(PlainCase{0, "0"}, PlainCase{-0.0, "0"},
                                           PlainCase{30, "30"}, PlainCase{3.50, "3.5"},
                                           PlainCase{0.5, "0.5"}, PlainCase{-0.5, "-0.5"},
                                           PlainCase{17.7, "17.7"}, PlainCase{0.00001, "0.00001"},
                                           PlainCase{1.234, "1.234"}, PlainCase{-80, "-80"},
                                           PlainCase{1e20, "100000000000000000000"},
                                           PlainCase{0.1 + 0.2, "0.3"},
                                           PlainCase{1.0 / 3, "0.333333333333333"},
                                           PlainCase{123456789012345678.0, "123456789012346000"}));

TEST(PlainNumberText, SinglePrecisionKeepsSevenDigits) {
    EXPECT_EQ(plainNumberText(0.25f), "0.25");
    EXPECT_EQ(plainNumberText(0.1f), "0.1");
    EXPECT_EQ(plainNumberText(17.7f), "17.7");
    EXPECT_EQ(plainNumberText(0.300000011920929f), "0.3");
    EXPECT_EQ(plainNumberText(1234567.0f), "1234567");
    EXPECT_EQ(plainNumberText(12345678.0f), "12345680");
}

TEST(PlainNumberText, NonFiniteIsZero) {
    EXPECT_EQ(plainNumberText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(plainNumberText(std::nan("")), "0");
}

TEST(PlainNumberText, ReadsBackThroughTheLeadingNumberValue) {
    for (const double v : {0.00001, 1.2345, -7.25, 1e-7, 98765.4321, 1e300, -3e-300}) {
        const std::string text = plainNumberText(v);
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        EXPECT_DOUBLE_EQ(leadingNumberValue(std::string_view(text)), v) << text;
    }
}

} // namespace
} // namespace quillmar
