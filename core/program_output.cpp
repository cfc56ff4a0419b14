#include "core/program_output.h"

#include "core/checked_arithmetic.h"
#include "core/controls/control_limits.h"
#include "core/controls/control_registry.h"
#include "core/leading_number.h"
#include "core/macro_writer.h"
#include "core/pass_plan.h"
#include "core/pass_schedule.h"
#include "core/plain_number_text.h"
#include "core/program_lines.h"
#include "core/sequence_limit.h"
#include "core/starts_text.h"

#include <cmath>
#include <utility>

namespace quillmar {

namespace {

// The starts box is read whole; a text that is not a whole 1 to 99 stops the output.
int startsOrDataError(const std::string& text) {
    const auto starts = startsFromText(text);
    if (!starts) {
        throw DataError("the number of starts is not a whole number from 1 to 99");
    }
    return *starts;
}

void readDialog(ThreadJob& job, const DialogSnapshot& dialog) {
    job.side = dialog.choices.side;
    // The lengths and angles first, then the steps: a step beyond single precision fails
    // after the others are already written and the job counts as set.
    for (const JobFieldInfo& info : kJobFields) {
        if (info.kind == FieldKind::Number) {
            job.*info.member = leadingNumberValue(dialog.text(info.field));
        }
    }
    job.inputsSet = true;
    for (const JobFieldInfo& info : kJobFields) {
        if (info.kind == FieldKind::Step) {
            job.zSteps[static_cast<std::size_t>(info.stepIndex)] =
                toSingle(leadingNumberValue(dialog.text(info.field)));
        }
    }
    job.starts = startsOrDataError(dialog.text(JobField::Starts));
    job.drawnGroove = dialog.drawnGroove;
    job.drawnCusp = dialog.drawnCusp;
}

// Each block is followed by one empty line in its pane.
void appendBlock(OutputPanes& panes, Pane pane, const std::string& block) {
    std::string piece;
    piece.reserve(block.size() + 2);
    piece += block;
    piece += kLineEnd;
    panes.appendToPane(pane, piece);
}

} // namespace

PlannedRun planRun(ThreadJob& job, float counter, const DialogSnapshot& dialog) {
    readDialog(job, dialog);
    const OutputChoices& choices = dialog.choices;
    const ControlRow& control = pickControl(choices);
    checkControlLimits(control, job, choices.startShift);
    const std::vector<SchedulePoint> points = computePassSchedule(job);
    // A counter of 1 means nothing has been numbered since start-up or New: the list
    // opens with the modal call, whose values the rest of the run uses.
    const bool modalHead = choices.modin && counter == 1;
    const ModalCall call =
        writeModalCall(controlValuesOf(job), job.starts, modalHead, choices.sequenceNumbers);
    // Every pass is written with this lead.
    checkControlLead(control, leadOf(job.starts, call.valuesAfter.pitch), dialog.machine);
    const bool angleStarts = choices.startShift == StartShift::Angle && job.starts > 1;
    PassPlan plan = makePassPlan(job, points, call.valuesAfter, counter, modalHead,
                                 choices.modin && job.finishAllowance == 0, angleStarts);
    if (choices.sequenceNumbers) {
        checkSequenceNumbers(plan, counter, control.dialect().largestSequenceNumber(),
                             control.name);
    }
    return {call, std::move(plan)};
}

RunOutput writeRun(PlannedRun planned, const OutputChoices& choices) {
    auto& [call, plan] = planned;
    RunOutput run;
    run.macroBlock = writeMacroBlock(call, plan, choices.sequenceNumbers);
    run.valuesAfterMacro = call.valuesAfter;
    run.standard = pickDialect(choices).write(plan, choices.sequenceNumbers);
    run.counterAfter = plan.counterAfter;
    run.plan = std::move(plan); // moved: a 99-start run's plan is thousands of passes
    return run;
}

RunOutput generateRun(ThreadJob& job, float counter, const DialogSnapshot& dialog) {
    return writeRun(planRun(job, counter, dialog), dialog.choices);
}

ProgramOutputResult runProgramOutput(ThreadJob& job, const DialogSnapshot& dialog,
                                     OutputPanes& panes) {
    try {
        // Both blocks are written before either pane changes, so a number that cannot
        // be written leaves both panes as they were.
        const RunOutput run = generateRun(job, panes.sequenceCounter, dialog);
        panes.sequenceCounter = run.counterAfter;
        storeControlValues(job, run.valuesAfterMacro);
        appendBlock(panes, Pane::Macro, run.macroBlock);
        storeControlValues(job, run.standard.valuesAfter);
        appendBlock(panes, Pane::Standard, run.standard.text);
    } catch (const ControlRefusal& refusal) {
        return {OutputStatus::Refused, refusal, refusal.what()};
    } catch (const DataError& error) {
        return {OutputStatus::DataError, std::nullopt, error.what()};
    }
    return {};
}

DialogSnapshot dialogTextsFromJob(const ThreadJob& job) {
    DialogSnapshot dialog;
    dialog.choices.side = job.side;
    dialog.drawnGroove = job.drawnGroove;
    dialog.drawnCusp = job.drawnCusp;
    for (const JobFieldInfo& info : kJobFields) {
        std::string& text = dialog.text(info.field);
        switch (info.kind) {
        case FieldKind::Number:
            text = job.inputsSet ? plainNumberText(job.*info.member) : "";
            break;
        case FieldKind::Step: {
            const float step = job.zSteps[static_cast<std::size_t>(info.stepIndex)];
            text = step == 0 ? std::string() : plainNumberText(step);
            break;
        }
        case FieldKind::Starts:
            text = job.inputsSet ? std::to_string(job.starts) : "";
            break;
        }
    }
    return dialog;
}

} // namespace quillmar
