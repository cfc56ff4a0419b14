// The main window's side of the cut simulation window: the menu command and what the
// window reads from and asks of the main window.

#include "simulation/roughing_planner.h"
#include "ui/machine/machine_settings.h"
#include "ui/machine/machine_settings_dialog.h"
#include "ui/main/commands/job_dialogs.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/editor/pane_texts.h"
#include "ui/main/main_window.h"
#include "ui/simulation/simulation_window.h"

namespace quillmar {

void MainWindow::simulationCommand() {
    if (simulation_ == nullptr) {
        simulation_ = new SimulationWindow(*this, this);
    }
    simulation_->show();
    simulation_->raise();
    simulation_->activateWindow();
}

void MainWindow::machineCommand() {
    MachineSettingsDialog dialog(machineProfile(), services_.messages, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Kept at once: a profile typed in is not lost to a crash before closing.
    storeMachineProfile(settings_, dialog.profile());
    settings_.sync();
    if (simulation_ != nullptr) {
        simulation_->machineChanged();
    }
}

MachineProfile MainWindow::machineProfile() const {
    return storedMachineProfile(settings_);
}

SharedText MainWindow::standardProgramText() const {
    return standardPane_->sharedProgramText();
}

const ThreadJob* MainWindow::knownJob() const {
    return job_.inputsSet && job_.pitch > 0 ? &job_ : nullptr;
}

const forms::ThreadForm* MainWindow::knownForm() const {
    return knownJob() ? dialogs_->outputForm() : nullptr;
}

DialogSnapshot MainWindow::reopenedDialog() const {
    DialogSnapshot dialog = dialogTextsFromJob(job_);
    if (const auto chosen = dialogs_->outputChoices()) {
        dialog.choices.control = chosen->control;
        dialog.choices.sequenceNumbers = chosen->sequenceNumbers;
        dialog.choices.modin = chosen->modin;
    }
    return dialog;
}

ProgramOutputResult MainWindow::runPlannedRuns(const DialogSnapshot& dialog,
                                               const RoughingPlan& plan) {
    return runPlannedOutputs(job_, dialog, plan, *paneTexts_);
}

void MainWindow::selectStandardLine(int line) {
    standardPane_->selectLine(line);
}

} // namespace quillmar
