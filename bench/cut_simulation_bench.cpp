#include "core/text_panes.h"
#include "simulation/roughing_planner.h"
#include "simulation/thread_gauge.h"
#include "tests/core/example_dialogs.h"
#include "worst_case_job.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmar;

// Reading and simulating the standard program of a 2001-point run, then `measure` on
// what it cut.
template <class Measure> void simulateWorstCase(benchmark::State& state, Measure measure) {
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
        measure(result);
    }
    state.counters["passes"] = double(passes);
}

void SimulateWorstCase(benchmark::State& state) {
    simulateWorstCase(
        state, [](const SimulationResult& result) { benchmark::DoNotOptimize(result.cusp); });
}
BENCHMARK(SimulateWorstCase)->Unit(benchmark::kMillisecond);

// The same, and the thread as cut measured as a gauge would read it.
void SimulateAndGaugeWorstCase(benchmark::State& state) {
    simulateWorstCase(state, [](const SimulationResult& result) {
        benchmark::DoNotOptimize(gaugeThread(result));
    });
}
BENCHMARK(SimulateAndGaugeWorstCase)->Unit(benchmark::kMillisecond);

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

// The worked example as a 99-start thread, planned to chips of 0.05 mm^2 (a plan) and of
// 0.01 mm^2 (refused: the finishing run keeps to it, but no plan of 99 runs does, which
// shows only once 99 runs are planned). Its starts are twins: each trial writes and
// simulates start 0 alone. One run each, as a user plans once. The counters say how many
// trial simulations ran and why a plan was refused.
void PlanWorkedExample99Starts(benchmark::State& state) {
    DialogSnapshot dialog = testing::workedExampleDialog();
    dialog.text(JobField::Starts) = "99";
    const double limit = state.range(0) / 1000.0;
    bool planned = false;
    int trials = 0;
    for (auto _ : state) {
        const PlanResult result =
            planRoughing(dialog, limit, {}, {[&](int done) { trials = done; }, {}});
        planned = result.ok();
        if (!planned) {
            state.counters["refusal"] = int(result.error().reason);
        }
    }
    state.counters["planned"] = planned ? 1 : 0;
    state.counters["trials"] = trials;
}
BENCHMARK(PlanWorkedExample99Starts)
    ->Arg(50)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
