#include "core/program_output.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace quillmar;

struct DiscardingPanes : OutputPanes {
    std::string paneText(Pane) const override { return {}; }
    void setPaneText(Pane, const std::string& text) override {
        benchmark::DoNotOptimize(text.data());
    }
};

// The worked example's groove with steps so fine that the schedule holds 2001 points,
// the most a run may have, written as OSP with sequence numbers and the MODIN call.
DialogSnapshot worstCaseDialog() {
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

void ProgramOutputWorstCase(benchmark::State& state) {
    const DialogSnapshot dialog = worstCaseDialog();
    DiscardingPanes panes;
    ThreadJob job;
    int points = 0;
    for (auto _ : state) {
        job.sequenceCounter = 1;
        const auto result = runProgramOutput(job, dialog, panes);
        if (!result.ok()) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
        points = job.lastPoint + 1;
    }
    state.counters["points"] = points;
    state.counters["target_ms"] = 1.0;
}
BENCHMARK(ProgramOutputWorstCase)->Unit(benchmark::kMicrosecond);

} // namespace
