#include "core/pass_schedule.h"
#include "core/program_output.h"
#include "worst_case_job.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace quillmar;

struct DiscardingPanes : OutputPanes {
    std::string paneText(Pane) const override { return {}; }
    void setPaneText(Pane, const std::string& text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void appendToPane(Pane, std::string_view block) override {
        benchmark::DoNotOptimize(block.data());
    }
};

void ProgramOutputWorstCase(benchmark::State& state) {
    const DialogSnapshot dialog = bench::worstCaseDialog();
    DiscardingPanes panes;
    ThreadJob job;
    int points = 0;
    for (auto _ : state) {
        panes.sequenceCounter = 1;
        const auto result = runProgramOutput(job, dialog, panes);
        if (!result.ok()) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
    }
    if (job.inputsSet) {
        points = static_cast<int>(computePassSchedule(job).size());
    }
    state.counters["points"] = points;
    state.counters["target_ms"] = 1.0;
}
BENCHMARK(ProgramOutputWorstCase)->Unit(benchmark::kMicrosecond);

} // namespace
