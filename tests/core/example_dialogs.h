#pragma once

#include "core/pass_schedule.h"
#include "core/program_output.h"
#include "core/text_panes.h"

namespace quillmar::testing {

// The jobs the tests of the generator and the simulation are worked by hand on; their
// texts stand in the order of the field table.

// The worked example job: an inner thread, nose radius 0.4, pitch 6, floor 1,
// D1 34, D2 = D3 30, both flanks 60 degrees, every corner 0.5, every step 0.25,
// Z from 5 to -30, retract to X28, stock 30, no allowance, no taper.
inline DialogSnapshot workedExampleDialog() {
    return {{},
            {{"0.4",  "6",    "1",    "34",   "30",   "30",   "60",   "60",  "0.5",
              "0.5",  "0.5",  "0.5",  "30",   "0",    "5",    "-30",  "0",   "28",
              "0.25", "0.25", "0.25", "0.25", "0.25", "0.25", "0.25", "0.25"}},
            {},
            0,
            {}};
}

// The inner Tr 40 x 7 of the examples (its first run, at size): 0.2 nose, 1.5 floor,
// D1 41, D2 = D3 33, 75 degree flanks, corners 0.25 / 0.5, every step 0.2, stock 33.
inline DialogSnapshot trapezoidalDialog() {
    return {
        {},
        {{"0.2", "7", "1.5", "41", "33", "33",  "75",  "75",  "0.25", "0.5", "0.5", "0.25", "33",
          "0",   "5", "-40", "0",  "31", "0.2", "0.2", "0.2", "0.2",  "0.2", "0.2", "0.2",  "0.2"}},
        {},
        0,
        {}};
}

// The same Z step in all eight segments.
inline void setEverySteps(DialogSnapshot& dialog, const std::string& step) {
    for (const JobFieldInfo& info : kJobFields) {
        if (info.stepIndex >= 0) {
            dialog.text(info.field) = step;
        }
    }
}

// The job and both panes after one press of "プログラム出力" from a fresh start.
struct PressedOutput {
    ThreadJob job;
    TextPanes panes;
    bool ok = false;
};
inline PressedOutput pressOutput(const DialogSnapshot& dialog) {
    PressedOutput out;
    out.ok = runProgramOutput(out.job, dialog, out.panes).ok();
    return out;
}

// The profile points of the job an output left (the schedule is not kept in the job).
inline std::vector<SchedulePoint> scheduleOf(const ThreadJob& pressed) {
    ThreadJob job = pressed;
    return computePassSchedule(job);
}

} // namespace quillmar::testing
