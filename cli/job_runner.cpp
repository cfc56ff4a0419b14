#include "cli/job_runner.h"

#include "cli/run_fields.h"
#include "core/drawn_groove_review.h"
#include "core/leading_number.h"
#include "core/machine/machine_keys.h"
#include "core/program_lines.h"
#include "core/program_output.h"
#include "core/quoted_text.h"
#include "core/starts_text.h"
#include "core/text_panes.h"
#include "core/thread_job.h"
#include "core/whole_text_number.h"

#include <algorithm>

namespace quillmar {
namespace {

// The two panes without a window; whoever watches them redraws.
class WatchedPanes : public TextPanes {
public:
    WatchedPanes(const ThreadJob& job, const PaneChanged& onChanged)
        : job_(job), onChanged_(onChanged) {}

private:
    void changed(Pane pane) override {
        if (onChanged_) {
            onChanged_(pane, textOf(pane), job_);
        }
    }

    const ThreadJob& job_;
    const PaneChanged& onChanged_;
};

// The dialog as the window shows it when it is opened for this run: texts refilled
// from the job (empty before the first output), choices as the user left them, the
// run's form filled in as the thread standard dialog fills it, and the run's own keys
// typed over all of that.
// Checks the drawn groove the dialog holds against the run's pitch and nose, as the
// program output would, so that a refusal names the segment at the profile's line. The
// groove's depth decides the diameters across from the crest unless the run types them.
std::optional<JobFileError> checkRunGroove(DialogSnapshot& dialog, const JobRun& run, int line,
                                           double bodyHalfAngle, std::vector<std::string>& notes) {
    const double pitch = leadingNumberValue(dialog.text(JobField::Pitch));
    const double nose = leadingNumberValue(dialog.text(JobField::NoseRadius));
    const auto review = reviewDrawnGroove(dialog.drawnGroove, pitch, nose, bodyHalfAngle);
    if (!review) {
        return JobFileError{line, "profile: " + describeRefusal(review.error())};
    }
    notes.insert(notes.end(), review->notes.begin(), review->notes.end());
    const Side side = dialog.choices.side;
    const auto depthTexts = depthFieldTexts(side, dialog.text(crestField(side)), review->depth);
    for (const JobField field : {JobField::D1, JobField::D2, JobField::D3}) {
        if (!run.texts[field] && depthTexts[field]) {
            dialog.text(field) = *depthTexts[field];
        }
    }
    return std::nullopt;
}

// The dialog as the window shows it when it is opened for this run: texts refilled
// from the job (empty before the first output), choices as the user left them, the
// run's form filled in as the thread standard dialog fills it, and the run's own keys
// typed over all of that.
DialogSnapshot dialogForRun(const ThreadJob& job, OutputChoices& choices, const JobRun& run,
                            const std::optional<SegmentChain>& groove, double bodyHalfAngle,
                            std::optional<JobFileError>& formError,
                            std::vector<std::string>& notes) {
    DialogSnapshot dialog = dialogTextsFromJob(job);
    if (groove) {
        dialog.drawnGroove = *groove;
        dialog.drawnCusp = 0;
    }
    choices.side = run.side.value_or(choices.side);
    choices.control = run.control.value_or(choices.control);
    choices.sequenceNumbers = run.sequenceNumbers.value_or(choices.sequenceNumbers);
    choices.modin = run.modin.value_or(choices.modin);
    choices.startShift = run.startShift.value_or(choices.startShift);
    dialog.choices = choices;
    if (run.profile && run.form) {
        formError =
            JobFileError{run.profileLine, "profile and form name two grooves in one run: keep one"};
        return dialog;
    }
    formError = fillFromForm(dialog, run);
    for (const JobFieldInfo& info : kJobFields) {
        if (run.texts[info.field]) {
            dialog.text(info.field) = *run.texts[info.field];
        }
    }
    if (!formError && !dialog.drawnGroove.empty()) {
        if (run.cusp && !run.form) {
            dialog.drawnCusp = leadingNumberValue(*run.cusp);
            if (!(dialog.drawnCusp > 0)) {
                formError = JobFileError{run.cuspLine,
                                         "cusp \"" + *run.cusp + "\" is not a height above 0 mm"};
                return dialog;
            }
        }
        formError = checkRunGroove(dialog, run, groove ? run.profileLine : run.firstLine,
                                   bodyHalfAngle, notes);
    }
    return dialog;
}

} // namespace

JobOutcome runJob(const std::vector<JobRun>& runs, const PaneChanged& onPaneChanged,
                  const RunStarting& onRunStarting, const SimulationOptions& simulation,
                  const RunGrooves& grooves) {
    ThreadJob job;
    OutputChoices choices; // the dialog's first showing: inner, OSP, both boxes checked
    WatchedPanes panes(job, onPaneChanged);
    JobOutcome outcome;
    MachineProfile profile;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::optional<SegmentChain> none;
        DialogSnapshot dialog =
            dialogForRun(job, choices, runs[i], i < grooves.size() ? grooves[i] : none,
                         simulation.bodyHalfAngleDegrees, outcome.formError, outcome.notes);
        if (outcome.formError) {
            return outcome;
        }
        if (runs[i].form) {
            const auto form = forms::threadForm(*runs[i].form, dialog.choices.side);
            outcome.form = form ? std::optional(*form) : std::nullopt;
        } else if (runs[i].profile) {
            outcome.form.reset();
        }
        for (const auto& [key, value] : runs[i].machine) {
            (void)setMachineFigure(profile, key, value); // accepted when the file was read
        }
        dialog.machine = profile;
        if (auto figures = machineFiguresForRun(job, panes.sequenceCounter, dialog, profile,
                                                runs[i].zStartFromRunIn.value_or(false))) {
            figures->run = static_cast<int>(i) + 1;
            outcome.machine.push_back(std::move(*figures));
        }
        if (onRunStarting) {
            onRunStarting(dialog, profile);
        }
        bool pressed = false;
        if (runs[i].maxChipArea) {
            const auto read = wholeTextNumber(*runs[i].maxChipArea);
            if (!read) {
                outcome.formError =
                    JobFileError{runs[i].maxChipAreaLine,
                                 "maxChipArea " + quotedText(*runs[i].maxChipArea) +
                                     " is not a number: give the largest chip area in mm^2, e.g. "
                                     "maxChipArea = 0.3"};
                return outcome;
            }
            const double limit = *read;
            const PlanResult plan = planRoughing(dialog, limit, simulation);
            if (plan.ok()) {
                const ProgramOutputResult result =
                    runPlannedOutputs(job, dialog, plan.value(), panes);
                pressed = result.ok();
                outcome.failedReason = result.reason;
                outcome.maxChipArea = limit;
            } else if (plan.error().reason != PlanRefusal::Reason::DataError) {
                outcome.refusal = plan.error();
            } else {
                outcome.failedReason = plan.error().dataError;
            }
        } else {
            const ProgramOutputResult result = runProgramOutput(job, dialog, panes);
            if (result.status == OutputStatus::Refused) {
                outcome.formError = JobFileError{runs[i].firstLine, result.reason};
                return outcome;
            }
            pressed = result.ok();
            outcome.failedReason = result.reason;
        }
        if (!pressed) {
            outcome.failedRun = static_cast<int>(i) + 1;
            // A starts key the run gives and that cannot be read is where to look.
            const auto& starts = runs[i].texts[JobField::Starts];
            outcome.failedRunLine =
                starts && !startsFromText(*starts) ? runs[i].startsLine : runs[i].firstLine;
            return outcome;
        }
    }
    outcome.macroText = std::move(panes.macro);
    outcome.standardText = std::move(panes.standard);
    outcome.job = std::move(job);
    return outcome;
}

std::string savedBytes(const std::string& paneText) {
    return paneText + kLineEnd;
}

} // namespace quillmar
