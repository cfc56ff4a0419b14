#pragma once

#include <cstring>
#include <fstream>
#include <string>

namespace quillmar::bench {

// A figure of /proc/self/status in MB: "VmRSS:" the memory the process holds now,
// "VmHWM:" the most it has held.
inline double statusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::strlen(field))) / 1024; // in kB
        }
    }
    return 0;
}

// Starts the most held ("VmHWM:") again from what the process holds now.
inline void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace quillmar::bench
