#pragma once

#include "core/program_output.h"

namespace quillmar::testing {

// The worked example job: an inner thread, nose radius 0.4, pitch 6, floor 1,
// D1 34, D2 = D3 30, both flanks 60 degrees, every corner 0.5, every step 0.25,
// Z from 5 to -30, retract to X28, stock 30, no allowance, no taper (the texts in the
// order of the field table).
inline DialogSnapshot workedExampleDialog() {
    DialogSnapshot dialog;
    dialog.texts.values = {"0.4",  "6",    "1",    "34",   "30",   "30",   "60",   "60",  "0.5",
                           "0.5",  "0.5",  "0.5",  "30",   "0",    "5",    "-30",  "0",   "28",
                           "0.25", "0.25", "0.25", "0.25", "0.25", "0.25", "0.25", "0.25"};
    return dialog;
}

// The same Z step in all eight segments.
inline void setEverySteps(DialogSnapshot& dialog, const std::string& step) {
    for (const JobFieldInfo& info : kJobFields) {
        if (info.stepIndex >= 0) {
            dialog.text(info.field) = step;
        }
    }
}

// Two plain text holders standing in for the window's panes; they count the settings.
struct TextPanes : OutputPanes {
    std::string a;
    std::string b;
    int settings = 0;
    std::string paneText(Pane pane) const override { return pane == Pane::Macro ? a : b; }
    void setPaneText(Pane pane, const std::string& text) override {
        (pane == Pane::Macro ? a : b) = text;
        ++settings;
    }
    void appendToPane(Pane pane, std::string_view block) override {
        (pane == Pane::Macro ? a : b) += block;
        ++settings;
    }
};

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

} // namespace quillmar::testing
