#pragma once

#include <string_view>

namespace quillmar::samples {

// The FANUC example program as the "FANUC" sample command puts it into the pane.
inline constexpr std::u16string_view kFanucProgram = u"O0001( FANUC THREAD )%\r\n"
                                                     u"G28 U0 W0\r\n"
                                                     u"T0101\r\n"
                                                     u"G00 X28. Z50. S700 M4\r\n"
                                                     u"G00 X32. Z17.7 M8\r\n"
                                                     u"G32 Z-80. F12.7\r\n"
                                                     u"G00 X28.\r\n"
                                                     u"G00 Z17.7\r\n"
                                                     u"G00 X32. Z17.5\r\n"
                                                     u"G32 Z-80. F12.7\r\n"
                                                     u"G00 X28.\r\n"
                                                     u"G00 Z17.5\r\n"
                                                     u". \r\n"
                                                     u". \r\n"
                                                     u"G00 Z50. M9\r\n"
                                                     u"G28 U0 W0 M5\r\n"
                                                     u"M30\r\n"
                                                     u"\r\n";

// The OSP standard example program.
inline constexpr std::u16string_view kOspStandardProgram =
    u"(標準用メインプログラム)\r\n"
    u"\r\n"
    u"(-----< THREAD >-----)\r\n"
    u"N000 G00 X28 Z50 T0101 M42 S700 M04 M63 M08\r\n"
    u"NT01 G00 X32 Z17.7\r\n"
    u"N001 G34 Z-80 F12.7\r\n"
    u"N000 G00 X28\r\n"
    u"N000     Z17.7\r\n"
    u"N002 G00 X32 Z17.5\r\n"
    u"N000 G34 Z-80 F12.7\r\n"
    u"N000 G00 X28\r\n"
    u"N000     Z17.5\r\n"
    u". \r\n"
    u". \r\n"
    u"N000 G00 Z50\r\n"
    u"N000     X800 Z300 M05 M63 M09\r\n"
    u"NEND M02\r\n"
    u"\r\n";

// The OSP macro main program with its point data.
inline constexpr std::u16string_view kOspMacroProgram =
    u"(マクロ使用時のメインプログラム)\r\n"
    u"\r\n"
    u"(-----< THREAD >-----)\r\n"
    u"N000 G00 X30 Z50 T0101 M42 S700 M04 M63 M08\r\n"
    u"NT01 MODIN OG34 XP=30 ZP=-80 FD=12.7\r\n"
    u"N001 X32 Z17.7\r\n"
    u"N002 X32 Z17.5\r\n"
    u"N003 X32 Z17.3\r\n"
    u". (POINT DATA)\r\n"
    u". \r\n"
    u"N099 X32 Z17.7\r\n"
    u"N000 MODOUT\r\n"
    u"N000 G00 Z50\r\n"
    u"N000     X800 Z300 M05 M63 M09\r\n"
    u"NEND M02\r\n"
    u"\r\n";

} // namespace quillmar::samples
