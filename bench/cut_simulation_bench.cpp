#include "core/text_panes.h"
#include "simulation/roughing_planner.h"
#include "tests/core/example_dialogs.h"
#include "worst_case_job.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmar;

// Reading and simulating the standard program of a 2001-point run.
void SimulateWorstCase(benchmark::State& state) {
    ThreadJob job;
    TextPanes panes;
    if (!runProgramOutput(job, bench::worstCaseDialog(), panes).ok()) {
        state.SkipWithError("the job failed");
        return;
    }
    const std::u16string text(panes.standard.begin(), panes.standard.end());
    std::size_t passes = 0;
    for (auto _ : state) {
        const SimulationResult result = simulateProgram(text, &job);
        passes = result.passes.size();
        benchmark::DoNotOptimize(result.cusp);
    }
    state.counters["passes"] = double(passes);
}
BENCHMARK(SimulateWorstCase)->Unit(benchmark::kMillisecond);

// Planning the inner Tr 40 x 7 of the examples down to chips of 0.25 mm^2.
void PlanInnerTrapezoidal(benchmark::State& state) {
    const DialogSnapshot dialog = testing::trapezoidalDialog();
    std::size_t runs = 0;
    for (auto _ : state) {
        const PlanResult result = planRoughing(dialog, 0.25);
        if (!result.ok()) {
            state.SkipWithError("no plan");
            break;
        }
        runs = result.value().allowances.size();
    }
    state.counters["runs"] = double(runs);
}
BENCHMARK(PlanInnerTrapezoidal)->Unit(benchmark::kMillisecond);

// The worked example with 99 starts: planned to chips of 0.05 mm^2, and refused for
// 0.01 mm^2 (its finishing run alone takes more).
void PlanWorkedExample99Starts(benchmark::State& state, double limit) {
    DialogSnapshot dialog = testing::workedExampleDialog();
    dialog.text(JobField::Starts) = "99";
    std::size_t runs = 0;
    for (auto _ : state) {
        const PlanResult result = planRoughing(dialog, limit);
        runs = result.ok() ? result.value().allowances.size() : 0;
    }
    state.counters["runs"] = double(runs);
}
BENCHMARK_CAPTURE(PlanWorkedExample99Starts, 0.05, 0.05)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanWorkedExample99Starts, 0.01, 0.01)->Unit(benchmark::kMillisecond);

} // namespace
