#pragma once

#include "core/side.h"

#include <string_view>

namespace quillmar {

// The `control` values of the dialog's two options "OSP" and "FANUC"
// (core/controls/control_registry lists every control).
inline constexpr std::string_view kOspControl = "osp";
inline constexpr std::string_view kFanucControl = "fanuc";

// How the starts of a multi-start thread are set apart: each start one pitch further
// along Z, or all at one Z with the control's start-angle word 360/starts apart.
enum class StartShift { Z, Angle };

// The dialog's choices that are not part of the job record.
struct OutputChoices {
    Side side = Side::Inner;                // Option1 "外径" / Option2 "内径"
    std::string_view control = kOspControl; // the job-file value of a registry row
    bool sequenceNumbers = true;            // CheckSN
    bool modin = true;                      // CheckModin
    StartShift startShift = StartShift::Z;
};

} // namespace quillmar
