#include "ui/main/example_programs.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

TEST(ExamplePrograms, OspStandardProgramIsExactlyTheListingWithCrLfAndAClosingEmptyLine) {
    const std::string expected = "(標準用メインプログラム)\r\n"
                                 "\r\n"
                                 "(-----< THREAD >-----)\r\n"
                                 "N000 G00 X28 Z50 T0101 M42 S700 M04 M63 M08\r\n"
                                 "NT01 G00 X32 Z17.7\r\n"
                                 "N001 G34 Z-80 F12.7\r\n"
                                 "N000 G00 X28\r\n"
                                 "N000     Z17.7\r\n"
                                 "N002 G00 X32 Z17.5\r\n"
                                 "N000 G34 Z-80 F12.7\r\n"
                                 "N000 G00 X28\r\n"
                                 "N000     Z17.5\r\n"
                                 ". \r\n"
                                 ". \r\n"
                                 "N000 G00 Z50\r\n"
                                 "N000     X800 Z300 M05 M63 M09\r\n"
                                 "NEND M02\r\n"
                                 "\r\n";
    EXPECT_EQ(sampleText(ospStandardProgramLines()), expected);
}

TEST(ExamplePrograms, FanucProgramIsExactlyTheListing) {
    const std::string expected = "O0001( FANUC THREAD )%\r\n"
                                 "G28 U0 W0\r\n"
                                 "T0101\r\n"
                                 "G00 X28. Z50. S700 M4\r\n"
                                 "G00 X32. Z17.7 M8\r\n"
                                 "G32 Z-80. F12.7\r\n"
                                 "G00 X28.\r\n"
                                 "G00 Z17.7\r\n"
                                 "G00 X32. Z17.5\r\n"
                                 "G32 Z-80. F12.7\r\n"
                                 "G00 X28.\r\n"
                                 "G00 Z17.5\r\n"
                                 ". \r\n"
                                 ". \r\n"
                                 "G00 Z50. M9\r\n"
                                 "G28 U0 W0 M5\r\n"
                                 "M30\r\n"
                                 "\r\n";
    EXPECT_EQ(sampleText(fanucProgramLines()), expected);
}

TEST(ExamplePrograms, OspMacroMainProgramIsExactlyTheListing) {
    const std::string expected = "(マクロ使用時のメインプログラム)\r\n"
                                 "\r\n"
                                 "(-----< THREAD >-----)\r\n"
                                 "N000 G00 X30 Z50 T0101 M42 S700 M04 M63 M08\r\n"
                                 "NT01 MODIN OG34 XP=30 ZP=-80 FD=12.7\r\n"
                                 "N001 X32 Z17.7\r\n"
                                 "N002 X32 Z17.5\r\n"
                                 "N003 X32 Z17.3\r\n"
                                 ". (POINT DATA)\r\n"
                                 ". \r\n"
                                 "N099 X32 Z17.7\r\n"
                                 "N000 MODOUT\r\n"
                                 "N000 G00 Z50\r\n"
                                 "N000     X800 Z300 M05 M63 M09\r\n"
                                 "NEND M02\r\n"
                                 "\r\n";
    EXPECT_EQ(sampleText(ospMacroMainProgramLines()), expected);
}

TEST(ExamplePrograms, OspSystemSubprogramEndsWithThreeLineBreaksAfterRts) {
    const std::string expected = "(マクロ用システムサブプログラム SSBファイル)\r\n"
                                 "\r\n"
                                 "----------< THREAD CYCLE >----------\r\n"
                                 "XP = X軸 退避位置\r\n"
                                 "ZP = Z軸 終了位置\r\n"
                                 "FD = ピッチ\r\n"
                                 "\r\n"
                                 "OG34\r\n"
                                 "NOEX ZSP=VSIOZ\r\n"
                                 "N000 G34 Z=ZP F=FD\r\n"
                                 "N000 G00 X=XP\r\n"
                                 "N000     Z=ZSP\r\n"
                                 "NRTS RTS\r\n"
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(sampleText(ospSystemSubprogramLines()), expected);
}

TEST(ExamplePrograms, LineCountsMatchTheListings) {
    EXPECT_EQ(ospMacroMainProgramLines().size(), 15u);
    EXPECT_EQ(ospSystemSubprogramLines().size(), 14u);
    EXPECT_EQ(ospStandardProgramLines().size(), 17u);
    EXPECT_EQ(fanucProgramLines().size(), 17u);
}

} // namespace
} // namespace quillmar
