#include "ui/main/example_programs.h"

#include <array>

namespace quillmar {

namespace {

// "N000     " keeps the five blanks the controls' listings line up with.
constexpr std::array<std::string_view, 15> kOspMacroMain = {
    "(マクロ使用時のメインプログラム)",
    "",
    "(-----< THREAD >-----)",
    "N000 G00 X30 Z50 T0101 M42 S700 M04 M63 M08",
    "NT01 MODIN OG34 XP=30 ZP=-80 FD=12.7",
    "N001 X32 Z17.7",
    "N002 X32 Z17.5",
    "N003 X32 Z17.3",
    ". (POINT DATA)",
    ". ",
    "N099 X32 Z17.7",
    "N000 MODOUT",
    "N000 G00 Z50",
    "N000     X800 Z300 M05 M63 M09",
    "NEND M02",
};

constexpr std::array<std::string_view, 14> kOspSystemSubprogram = {
    "(マクロ用システムサブプログラム SSBファイル)",
    "",
    "----------< THREAD CYCLE >----------",
    "XP = X軸 退避位置",
    "ZP = Z軸 終了位置",
    "FD = ピッチ",
    "",
    "OG34",
    "NOEX ZSP=VSIOZ",
    "N000 G34 Z=ZP F=FD",
    "N000 G00 X=XP",
    "N000     Z=ZSP",
    "NRTS RTS",
    "",
};

constexpr std::array<std::string_view, 17> kOspStandard = {
    "(標準用メインプログラム)",
    "",
    "(-----< THREAD >-----)",
    "N000 G00 X28 Z50 T0101 M42 S700 M04 M63 M08",
    "NT01 G00 X32 Z17.7",
    "N001 G34 Z-80 F12.7",
    "N000 G00 X28",
    "N000     Z17.7",
    "N002 G00 X32 Z17.5",
    "N000 G34 Z-80 F12.7",
    "N000 G00 X28",
    "N000     Z17.5",
    ". ",
    ". ",
    "N000 G00 Z50",
    "N000     X800 Z300 M05 M63 M09",
    "NEND M02",
};

constexpr std::array<std::string_view, 17> kFanuc = {
    "O0001( FANUC THREAD )%",
    "G28 U0 W0",
    "T0101",
    "G00 X28. Z50. S700 M4",
    "G00 X32. Z17.7 M8",
    "G32 Z-80. F12.7",
    "G00 X28.",
    "G00 Z17.7",
    "G00 X32. Z17.5",
    "G32 Z-80. F12.7",
    "G00 X28.",
    "G00 Z17.5",
    ". ",
    ". ",
    "G00 Z50. M9",
    "G28 U0 W0 M5",
    "M30",
};

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

std::span<const std::string_view> ospMacroMainProgramLines() {
    return kOspMacroMain;
}
std::span<const std::string_view> ospSystemSubprogramLines() {
    return kOspSystemSubprogram;
}
std::span<const std::string_view> ospStandardProgramLines() {
    return kOspStandard;
}
std::span<const std::string_view> fanucProgramLines() {
    return kFanuc;
}

std::string sampleText(std::span<const std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += kLineEnd;
    }
    text += kLineEnd;
    return text;
}

} // namespace quillmar
