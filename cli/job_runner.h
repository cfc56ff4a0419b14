#pragma once

#include "cli/job_file.h"
#include "cli/run_profiles.h"
#include "core/forms/thread_form.h"
#include "core/machine/machine_run.h"
#include "core/program_output.h"
#include "core/thread_job.h"
#include "simulation/roughing_planner.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmar {

struct JobOutcome {
    // A run's form, cusp or maxChipArea that cannot be used; nothing is written.
    std::optional<JobFileError> formError;
    int failedRun = 0;        // 1-based number of the run that stopped; 0 when all ran
    int failedRunLine = 0;    // the line that opened that run
    std::string failedReason; // what stopped that run, for the user
    std::string macroText;    // txtDataA after the runs
    std::string standardText; // txtDataB after the runs
    ThreadJob job;            // the job record after the runs
    // Set when the run that failed asked for a roughing plan that cannot be made.
    std::optional<PlanRefusal> refusal;
    std::optional<double> maxChipArea; // the limit of the last planned run
    // The machine's figures, run by run, when the job states a machine profile. A run
    // with maxChipArea is checked as its dialog gives it.
    std::vector<RunMachineFigures> machine;
    // What a drawn groove's checks mended (gaps closed) and the parts of it the nose
    // cannot reach, with where they are: for the user, not faults.
    std::vector<std::string> notes;
    // The thread form of the last run that took its groove from a designation (none
    // after a later drawn groove): the class the as-cut thread is judged against.
    std::optional<forms::ThreadForm> form;
    bool ok() const { return failedRun == 0 && !formError; }
};

// Presses "プログラム出力" once per run, in order, starting from empty panes and a fresh
// job (sequence counter 1), exactly as the window does after start-up. The machine
// figures the runs state are worked out for each run and change no program, unless a
// run asks for its Z start from the run-in. Each run's dialog
// holds what the reopened dialog would show, overlaid with what the run sets. A run
// with maxChipArea is pressed once per run of its roughing plan (the tool as
// `simulation` describes it). Stops at the first
// run that fails.
//
// onPaneChanged, when given, is called each time a run sets a pane's text, with the
// job as it stands at that moment: where the window redraws that pane's graphic.
//
// onRunStarting, when given, sees each run's dialog and the machine profile in force
// just before its output is made.
//
// grooves, when given, holds the drawn groove each run loads (by run); the dialog keeps
// it for later runs. A drawn groove the checks refuse (steeper than the simulation's tool
// body allows, among others) is a fault at the run's profile key (formError), named by
// its segment.
using PaneChanged = std::function<void(Pane pane, const std::string& text, const ThreadJob& job)>;
using RunStarting =
    std::function<void(const DialogSnapshot& dialog, const MachineProfile& machine)>;
JobOutcome runJob(const std::vector<JobRun>& runs, const PaneChanged& onPaneChanged = {},
                  const RunStarting& onRunStarting = {}, const SimulationOptions& simulation = {},
                  const RunGrooves& grooves = {});

// What Save writes from a pane: its text followed by one CR LF.
std::string savedBytes(const std::string& paneText);

} // namespace quillmar
