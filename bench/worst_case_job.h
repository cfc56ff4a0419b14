#pragma once

#include "core/program_output.h"

namespace quillmar::bench {

// The worked example's groove with steps so fine that the schedule holds 2001 points,
// the most a run may have, written as OSP with sequence numbers and the MODIN call.
inline DialogSnapshot worstCaseDialog() {
    DialogSnapshot dialog;
    const char* texts[18] = {"0.4", "6",   "1",  "34", "30", "60",  "60", "0.5", "0.5",
                             "0.5", "0.5", "29", "0",  "5",  "-30", "0",  "28",  "30"};
    for (std::size_t i = 0; i < 18; ++i) {
        dialog.texts[i] = texts[i];
    }
    dialog.feeds.fill("0.003005"); // 1999 points, the most this groove allows
    return dialog;
}

} // namespace quillmar::bench
