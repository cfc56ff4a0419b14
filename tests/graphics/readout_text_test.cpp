#include "graphics/graphics.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

struct ReadoutCase {
    float x;
    float y;
    const char* text;
};

class Readout : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readout, ShowsDiameterAndZWithThreeDecimals) {
    EXPECT_EQ(readoutText(GetParam().x, GetParam().y), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Readout,
    ::testing::Values(ReadoutCase{-0.2f, -16, "  X32.000  Z-0.200"},
                      ReadoutCase{-80, -16, "  X32.000  Z-80.000"},
                      ReadoutCase{12.7f, -15.25f, "  X30.500  Z12.700"},
                      ReadoutCase{0, 0, "  X0.000  Z0.000"},
                      ReadoutCase{0.0625f, 0.03125f, "  X-0.063  Z0.063"}, // halves away from 0
                      ReadoutCase{-0.0625f, -0.0004f, "  X0.001  Z-0.063"},
                      ReadoutCase{-0.0001f, 0.0002f, "  X0.000  Z0.000"}, // no "-0.000"
                      ReadoutCase{123456.789f, -1000, "  X2000.000  Z123456.789"}));

TEST(Readout, DiameterBeyondSinglePrecisionIsStillANumber) {
    // -2y of the largest floats lies beyond single precision; the exact double shows.
    const std::string text = readoutText(1e7f, 2e38f);
    EXPECT_EQ(text.substr(0, 20), "  X-3999999872114276");
    EXPECT_EQ(text.substr(text.size() - 19), ".000  Z10000000.000");
    EXPECT_EQ(text.find("inf"), std::string::npos);
}

TEST(PrintNumberItem, NonNegativeNumbersGetALeadingBlank) {
    EXPECT_EQ(printNumberItem(0), " 0");
    EXPECT_EQ(printNumberItem(35), " 35");
    EXPECT_EQ(printNumberItem(-85), "-85");
    EXPECT_EQ(printNumberItem(13.4), " 13.4");
    EXPECT_EQ(printNumberItem(-0.0), " 0");
}

} // namespace
} // namespace quillmar
