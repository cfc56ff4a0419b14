#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmar {

enum class ControlFamily { Osp, Fanuc, LinuxCnc };

// The job-file word of every control, in the order quillmar-gen lists them.
struct ControlWord {
    ControlFamily control;
    std::string_view word;
};
inline constexpr std::array kControlWords{
    ControlWord{ControlFamily::Osp, "osp"},
    ControlWord{ControlFamily::Fanuc, "fanuc"},
    ControlWord{ControlFamily::LinuxCnc, "linuxcnc"},
};

inline std::optional<ControlFamily> controlOfWord(std::string_view word) {
    for (const ControlWord& row : kControlWords) {
        if (row.word == word) {
            return row.control;
        }
    }
    return std::nullopt;
}

inline std::string_view wordOfControl(ControlFamily control) {
    for (const ControlWord& row : kControlWords) {
        if (row.control == control) {
            return row.word;
        }
    }
    return kControlWords.front().word;
}

// The dialog's four choices that are not part of the job record.
struct OutputChoices {
    bool outer = false;                         // Option1 "外径" (else Option2 "内径")
    ControlFamily control = ControlFamily::Osp; // OSP / Fanuc, or a control of quillmar-gen
    bool sequenceNumbers = true;                // CheckSN
    bool modin = true;                          // CheckModin
};

} // namespace quillmar
