#pragma once

#include "core/program_output.h"

namespace quillmar::testing {

// The inner Tr 40 x 7 of the examples (its first run, at size): 0.2 nose, 1.5 floor,
// D1 41, D2 = D3 33, 75 degree flanks, corners 0.25 / 0.5, every step 0.2, stock 33.
inline DialogSnapshot trapezoidalDialog() {
    DialogSnapshot dialog;
    dialog.texts.values = {"0.2", "7",   "1.5",  "41",  "33",  "33",  "75",  "75", "0.25",
                           "0.5", "0.5", "0.25", "33",  "0",   "5",   "-40", "0",  "31",
                           "0.2", "0.2", "0.2",  "0.2", "0.2", "0.2", "0.2", "0.2"};
    return dialog;
}

} // namespace quillmar::testing
