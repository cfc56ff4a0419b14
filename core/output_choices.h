#pragma once

#include "core/side.h"

#include <string_view>

namespace quillmar {

// The `control` values of the dialog's two options "OSP" and "FANUC"
// (core/controls/control_registry lists every control).
inline constexpr std::string_view kOspControl = "osp";
inline constexpr std::string_view kFanucControl = "fanuc";

// The dialog's four choices that are not part of the job record.
struct OutputChoices {
    Side side = Side::Inner;                // Option1 "外径" / Option2 "内径"
    std::string_view control = kOspControl; // the job-file value of a registry row
    bool sequenceNumbers = true;            // CheckSN
    bool modin = true;                      // CheckModin
};

} // namespace quillmar
