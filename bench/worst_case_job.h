#pragma once

#include "core/program_output.h"

namespace quillmar::bench {

// The worked example's groove with steps so fine that the schedule holds 2001 points,
// the most a run may have, written as OSP with sequence numbers and the MODIN call.
inline DialogSnapshot worstCaseDialog() {
    DialogSnapshot dialog;
    dialog.texts.values = {"0.4", "6",   "1",   "34", "30", "30", "60",  "60", "0.5",
                           "0.5", "0.5", "0.5", "29", "0",  "5",  "-30", "0",  "28"};
    for (const JobFieldInfo& info : kJobFields) {
        if (info.stepIndex >= 0) {
            dialog.text(info.field) = "0.003005"; // 1999 points, the most this groove allows
        }
    }
    return dialog;
}

} // namespace quillmar::bench
