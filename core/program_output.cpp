#include "core/program_output.h"

#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/macro_writer.h"
#include "core/pass_schedule.h"
#include "core/pass_values.h"
#include "core/plain_number_text.h"
#include "core/standard_writer.h"

#include <cmath>
#include <utility>

namespace quillmar {

namespace {

// An empty box, or one without a number, means a single start, so that a job typed
// before starts existed reads as before; anything else must be a whole 1 to 99.
int startsFromText(const std::string& text) {
    if (!hasLeadingNumber(text)) {
        return 1;
    }
    const double starts = leadingNumberValue(text);
    if (!(starts >= 1 && starts <= kMostStarts) || starts != std::floor(starts)) {
        throw DataError("the number of starts is not a whole number from 1 to 99");
    }
    return static_cast<int>(starts);
}

void readDialog(ThreadJob& job, const DialogSnapshot& dialog) {
    job.side = dialog.choices.outer ? 1 : -1;
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
    job.starts = startsFromText(dialog.text(JobField::Starts));
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

ProgramOutputResult runProgramOutput(ThreadJob& job, const DialogSnapshot& dialog,
                                     OutputPanes& panes) {
    try {
        readDialog(job, dialog);
        computePassSchedule(job);
        job.outputText.clear();
        writeMacroBlock(job, dialog.choices);
        // Both blocks are written before either pane changes, so a number that cannot
        // be written leaves both panes as they were. Pane A is drawn with the job as
        // the macro writer left it, pane B as the standard writer left it.
        ThreadJob afterMacro = job;
        writeStandardBlock(job, dialog.choices);
        std::swap(job, afterMacro);
        appendBlock(panes, Pane::Macro, job.outputText);
        std::swap(job, afterMacro);
        appendBlock(panes, Pane::Standard, job.outputText);
    } catch (const DataError& error) {
        return {OutputStatus::DataError, error.what()};
    }
    return {};
}

DialogSnapshot dialogTextsFromJob(const ThreadJob& job) {
    DialogSnapshot dialog;
    dialog.choices.outer = job.side == 1;
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
