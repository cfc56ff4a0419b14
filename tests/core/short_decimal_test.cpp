#include "core/leading_number.h"
#include "core/short_decimal.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace quillmar {
namespace {

TEST(ShortDecimal, ReadsPlainDecimalsWithTheirSignificantDigits) {
    struct Case {
        const char16_t* text;
        double value;
        int significant;
    };
    for (const Case& c : {Case{u"", 0, 0}, Case{u".", 0, 0}, Case{u"0", 0, 0}, Case{u"32.", 32, 2},
                          Case{u"17.700", 17.7, 3}, Case{u".5", 0.5, 1}, Case{u"0.001", 0.001, 1},
                          Case{u"00100", 100, 1}, Case{u"1234567.8", 1234567.8, 8},
                          Case{u"999999999999999", 999999999999999, 15}}) {
        const auto decimal = shortDecimalValue(c.text);
        ASSERT_TRUE(decimal.has_value());
        EXPECT_EQ(decimal->value, c.value);
        EXPECT_EQ(decimal->significantDigits, c.significant);
    }
}

TEST(ShortDecimal, LeavesEverythingElseToTheFullParser) {
    for (const char16_t* text : {u"5,5", u"1.2.3", u"-5", u"+5", u" 5", u"1234567890123456",
                                 u"0.00000000000000000000001"}) {
        EXPECT_FALSE(shortDecimalValue(text).has_value());
    }
}

// The short path must give exactly what the leading-number value gives.
TEST(ShortDecimal, AgreesWithTheLeadingNumberValueBitForBit) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 300000; ++i) {
        std::u16string text;
        const int length = 1 + int(random() % 24);
        const int point = int(random() % (length + 1));
        for (int k = 0; k < length; ++k) {
            text.push_back(k == point ? u'.' : char16_t(u'0' + random() % 10));
        }
        if (const auto decimal = shortDecimalValue(text)) {
            ASSERT_EQ(decimal->value, leadingNumberValue(text))
                << std::string(text.begin(), text.end());
        }
    }
}

} // namespace
} // namespace quillmar
