#pragma once

#include <cstdio>
#include <string>

namespace quillmar::bench {

// An OSP standard program of `lines` lines as the generator writes it: four lines a
// pass, the start X growing into the groove and the start Z walking over one pitch,
// so that nearly every number differs from the one before.
inline std::u16string standardProgramText(int lines) {
    std::string text = "(-----< D32 >-----)\r\n";
    char line[64];
    for (int pass = 0; 4 * pass + 1 < lines; ++pass) {
        const double x = 28.0 + 0.001 * (pass % 4000);
        const double z = 30.4 - 0.025 * (pass % 509);
        std::snprintf(line, sizeof line, "N%03d G00 X%.3f Z%.3f\r\n", pass % 1000, x, z);
        text += line;
        text += "N000 G34 Z-80 F12.7\r\n";
        text += "N000 G00 X28\r\n";
        std::snprintf(line, sizeof line, "N000     Z%.3f\r\n", z);
        text += line;
    }
    return std::u16string(text.begin(), text.end());
}

} // namespace quillmar::bench
