#pragma once

#include "core/machine/machine_checks.h"
#include "core/program_output.h"
#include "core/thread_job.h"

#include <optional>

namespace quillmar {

// The machine's figures and failed checks for one run of a job file.
struct RunMachineFigures {
    int run = 0; // 1-based
    PassPlan plan;
    MachineFigures figures;
};

// The figures of the run the dialog would make from `job`, numbered from `counter`.
// With `fillZStart` (and a spindle speed) the dialog's Z start is first set to the
// earliest that leaves the run-in before the work's face. Nothing when the profile is
// empty or the run cannot be made (the press itself then reports the data error).
std::optional<RunMachineFigures> machineFiguresForRun(const ThreadJob& job, float counter,
                                                      DialogSnapshot& dialog,
                                                      const MachineProfile& profile,
                                                      bool fillZStart);

} // namespace quillmar
