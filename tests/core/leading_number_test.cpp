#include "core/leading_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace quillmar {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberATextStartsWith) {
    const auto& c = GetParam();
    EXPECT_EQ(leadingNumberValue(std::string_view(c.text)), c.value) << '"' << c.text << '"';
    // The UTF-16 reading of the same text must agree.
    const std::string narrow(c.text);
    const std::u16string wide(narrow.begin(), narrow.end());
    EXPECT_EQ(leadingNumberValue(std::u16string_view(wide)), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(
        LeadingCase{"", 0}, LeadingCase{"-", 0}, LeadingCase{"abc", 0}, LeadingCase{"32.", 32},
        LeadingCase{"1.2.3", 1.2}, LeadingCase{"5,5", 5}, LeadingCase{"12.5mm", 12.5},
        LeadingCase{" 1 2", 12}, LeadingCase{"\t-\n3 .5", -3.5}, LeadingCase{"+5", 5},
        LeadingCase{"-12.5", -12.5}, LeadingCase{".5", 0.5}, LeadingCase{"-.25", -0.25},
        LeadingCase{".", 0}, LeadingCase{"+-3", 0}, LeadingCase{"1E2", 1}, LeadingCase{"&H10", 0},
        LeadingCase{"0x10", 0}, LeadingCase{"0.00001", 0.00001}, LeadingCase{"3.50", 3.5},
        LeadingCase{"\r5", 0}, LeadingCase{"17.7", 17.7}, LeadingCase{"1234567.", 1234567}));

TEST(LeadingNumber, FullWidthDigitsAreNotDigits) {
    EXPECT_EQ(leadingNumberValue(std::u16string_view(u"\uFF11\uFF12")), 0);
}

TEST(LeadingNumber, TooManyDigitsStayFinite) {
    const std::string huge(400, '9');
    EXPECT_EQ(leadingNumberValue(std::string_view(huge)), std::numeric_limits<double>::max());
    EXPECT_EQ(leadingNumberValue(std::string_view("-" + huge)),
              -std::numeric_limits<double>::max());
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(leadingNumberValue(std::string_view(tiny)), 0);
}

} // namespace
} // namespace quillmar
