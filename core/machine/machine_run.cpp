#include "core/machine/machine_run.h"

#include "core/checked_arithmetic.h"
#include "core/plain_number_text.h"

namespace quillmar {

namespace {

// Both controls write program Z to the thousandth of a millimetre.
constexpr double kControlResolution = 0.001;

// The figures are those of the run as written: a control that checks its feed against
// the same figures refuses the press itself, and the figures then say why.
PassPlan planOf(const ThreadJob& job, float counter, const DialogSnapshot& dialog,
                RetractSetting& retract) {
    ThreadJob scratch = job;
    DialogSnapshot unchecked = dialog;
    unchecked.machine = {};
    RunOutput run = generateRun(scratch, counter, unchecked);
    retract = {scratch.side, scratch.stockDiameter, run.plan.values.xRetract};
    return std::move(run.plan);
}

} // namespace

std::optional<RunMachineFigures> machineFiguresForRun(const ThreadJob& job, float counter,
                                                      DialogSnapshot& dialog,
                                                      const MachineProfile& profile,
                                                      bool fillZStart) {
    if (profile.empty()) {
        return std::nullopt;
    }
    try {
        RetractSetting retract;
        PassPlan plan = planOf(job, counter, dialog, retract);
        if (fillZStart && profile.spindleSpeed) {
            const double runIn = runInDistance(profile, leadOf(plan.starts, plan.values.pitch));
            dialog.text(JobField::ZStart) =
                plainNumberText(zStartFromRunIn(plan, runIn, kControlResolution));
            plan = planOf(job, counter, dialog, retract);
        }
        MachineFigures figures = machineFigures(plan, profile, retract);
        return RunMachineFigures{0, std::move(plan), std::move(figures)};
    } catch (const DataError&) {
        return std::nullopt;
    }
}

} // namespace quillmar
