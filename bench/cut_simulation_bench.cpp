#include "simulation/roughing_planner.h"
#include "tests/simulation/trapezoidal_example.h"
#include "worst_case_job.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmar;

struct TextPanes : OutputPanes {
    std::string a, b;
    std::string paneText(Pane pane) const override { return pane == Pane::Macro ? a : b; }
    void setPaneText(Pane pane, const std::string& text) override {
        (pane == Pane::Macro ? a : b) = text;
    }
    void appendToPane(Pane pane, std::string_view block) override {
        (pane == Pane::Macro ? a : b).append(block);
    }
};

// Reading and simulating the standard program of a 2001-point run.
void SimulateWorstCase(benchmark::State& state) {
    ThreadJob job;
    TextPanes panes;
    if (!runProgramOutput(job, bench::worstCaseDialog(), panes).ok()) {
        state.SkipWithError("the job failed");
        return;
    }
    const std::u16string text(panes.b.begin(), panes.b.end());
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
        runs = result.plan().allowances.size();
    }
    state.counters["runs"] = double(runs);
}
BENCHMARK(PlanInnerTrapezoidal)->Unit(benchmark::kMillisecond);

} // namespace
