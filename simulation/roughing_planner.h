#pragma once

#include "core/expected.h"
#include "core/program_output.h"
#include "simulation/cut_simulation.h"

#include <functional>
#include <string>
#include <vector>

namespace quillmar {

// The runs a largest chip area asks for: the finish allowance ("X軸 仕上げ代") of each
// run in order, the last one 0, with the largest chip each run then takes.
struct RoughingPlan {
    std::vector<std::string> allowances; // as typed into the dialog
    std::vector<double> largestChip;     // mm^2, per run
};

struct PlanRefusal {
    enum class Reason {
        LimitNotPositive,    // the limit is 0 or less
        FinishingRunExceeds, // the run after the kept last roughing allowance alone exceeds it
        StepTooSmall,        // even a run 0.001 mm deeper than the last exceeds it
        TooManyRuns,         // more runs than kMostPlannedRuns
        DataError,           // the job itself fails ("データエラー ")
        Cancelled,           // the caller stopped the plan; nothing changed
    };
    Reason reason = Reason::DataError;
    double neededArea = 0; // the limit that the refused run would need, mm^2
    std::string dataError; // the first failure of a trial run, for a DataError
};

inline constexpr int kMostPlannedRuns = 99;

// Either a plan or why there is none.
using PlanResult = Expected<RoughingPlan, PlanRefusal>;

// How a caller follows and stops a plan.
struct PlanWatch {
    std::function<void(int trials)> progress; // called after each trial simulation
    std::function<bool()> cancelled;          // polled between trials
};

// How trials are written. Where the starts of a multi-start job are proven twins, a
// trial writes and simulates start 0's passes alone (the same plan, far sooner); off,
// every start is written and simulated, as the program itself would be.
struct PlanMethod {
    bool oneStartForTwins = true;
};

// Chooses the finish allowances of the roughing runs of the job the dialog holds so
// that no pass of any run removes more than maxChipArea, with as few runs as that
// allows. A finish allowance in the dialog is kept as the last roughing run's; the
// last run is at 0. Allowances are whole micrometres on the diameter. Each trial plans
// its runs and simulates the moves their blocks write, without panes or program text.
PlanResult planRoughing(const DialogSnapshot& dialog, double maxChipArea,
                        const SimulationOptions& options = {}, const PlanWatch& watch = {},
                        const PlanMethod& method = {});

// Presses "プログラム出力" once per planned run, the dialog's allowance set to the run's,
// exactly as a user would. Stops at the first run that fails.
ProgramOutputResult runPlannedOutputs(ThreadJob& job, const DialogSnapshot& dialog,
                                      const RoughingPlan& plan, OutputPanes& panes);

} // namespace quillmar
