#pragma once

#include "core/forms/thread_form.h"
#include "core/machine/machine_profile.h"
#include "core/program_output.h"
#include "simulation/roughing_planner.h"
#include "ui/shared_text.h"

namespace quillmar {

// What the simulation window needs from the main window.
class SimulationHost {
public:
    virtual ~SimulationHost() = default;
    // The standard pane's program text, as a copy a worker may read while the pane
    // changes (taking it copies nothing).
    virtual SharedText standardProgramText() const = 0;
    // The job of the last program output; nullptr before the first.
    virtual const ThreadJob* knownJob() const = 0;
    // The thread of a standard that job was made from; nullptr for a job typed by hand.
    virtual const forms::ThreadForm* knownForm() const { return nullptr; }
    // The dialog as the next press of "プログラム出力" would read it after reopening.
    virtual DialogSnapshot reopenedDialog() const = 0;
    // Presses "プログラム出力" once per planned run.
    virtual ProgramOutputResult runPlannedRuns(const DialogSnapshot& dialog,
                                               const RoughingPlan& plan) = 0;
    // Selects a whole line (0-based) of the standard pane and shows it.
    virtual void selectStandardLine(int line) = 0;
    // The machine profile the user set; empty: no machine figures.
    virtual MachineProfile machineProfile() const { return {}; }
};

} // namespace quillmar
