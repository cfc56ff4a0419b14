#include "core/quoted_text.h"
#include "core/whole_text_number.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quillmar {
namespace {

struct WholeCase {
    const char* text;
    std::optional<double> value;
};

class WholeTextNumberTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeTextNumberTest, ReadsTheWholeTextOrRefusesIt) {
    const auto& c = GetParam();
    EXPECT_EQ(wholeTextNumber(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeTextNumberTest,
    ::testing::Values(WholeCase{"5e-2", 0.05}, WholeCase{"1E1", 10}, WholeCase{" 0.3 ", 0.3},
                      WholeCase{"+2", 2}, WholeCase{"-1.5", -1.5}, WholeCase{".5", 0.5},
                      WholeCase{"\xEF\xBC\x92", 2}, // full-width "２"
                      WholeCase{"\xEF\xBC\x91\xEF\xBD\x85\xEF\xBC\x8D\xEF\xBC\x95",
                                1e-5}, // "１ｅ－５"
                      WholeCase{"", std::nullopt}, WholeCase{"  ", std::nullopt},
                      WholeCase{"abc", std::nullopt}, WholeCase{"5mm", std::nullopt},
                      WholeCase{"1.2.3", std::nullopt}, WholeCase{"5,5", std::nullopt},
                      WholeCase{"inf", std::nullopt}, WholeCase{"nan", std::nullopt},
                      WholeCase{"0x10", std::nullopt}, WholeCase{"1e400", std::nullopt},
                      WholeCase{"--1", std::nullopt}, WholeCase{"1 2", std::nullopt}));

TEST(QuotedText, ShowsControlCharactersAndAtMostEightyCharacters) {
    EXPECT_EQ(quotedText("a\x1b[2Jb"), "\"a\\x1b[2Jb\"");
    const std::string shown = quotedText(std::string(100000, 'x'));
    EXPECT_EQ(shown, "\"" + std::string(80, 'x') + "\"... (100000 bytes)");
}

} // namespace
} // namespace quillmar
