#include "cli/utf16_text.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

struct Utf16Case {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

class Utf16FromUtf8 : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16FromUtf8, GivesThePanesCodeUnits) {
    EXPECT_EQ(utf16FromUtf8(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Utf16FromUtf8,
    ::testing::Values(
        Utf16Case{"Empty", "", u""},
        Utf16Case{"ProgramLinesKeepCrLf", "N001 G00 X30.07\r\nN000 G34\r\n",
                  u"N001 G00 X30.07\r\nN000 G34\r\n"},
        Utf16Case{"NulIsACharacter", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        Utf16Case{"JapaneseComment", "(\xE6\xA8\x99\xE6\xBA\x96)", u"(\u6A19\u6E96)"},
        Utf16Case{"HalfWidthKatakana", "\xEF\xBD\xBC\xEF\xBD\xBD", u"\uFF7C\uFF7D"},
        Utf16Case{"TwoByteCharacter", "\xC2\xB0", u"\u00B0"},
        Utf16Case{"AboveTheBasicPlaneIsASurrogatePair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
        Utf16Case{"HighestCharacter", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
        Utf16Case{"LoneContinuationByte", "\x80X", u"\uFFFDX"},
        Utf16Case{"OverlongSlash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        Utf16Case{"OverlongThreeBytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        Utf16Case{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        Utf16Case{"AboveU10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        Utf16Case{"CutShortAtTheEnd", "Z\xE6\xA8", u"Z\uFFFD\uFFFD"},
        Utf16Case{"CutShortByALineEnd", "\xE6\r\n", u"\uFFFD\r\n"},
        Utf16Case{"ByteFF", "\xFF", u"\uFFFD"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar
