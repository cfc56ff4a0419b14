#include "core/program_output.h"

#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/macro_writer.h"
#include "core/pass_schedule.h"
#include "core/pass_values.h"
#include "core/plain_number_text.h"
#include "core/standard_writer.h"

#include <utility>

namespace quillmar {

namespace {

// Text<n> of the dialog and the job field it fills, in the order the command reads
// them: a failure later on leaves exactly these fields written.
struct FieldBinding {
    int textNumber;
    double ThreadJob::*field;
};

constexpr FieldBinding kFieldOrder[] = {
    {1, &ThreadJob::noseRadius},
    {2, &ThreadJob::pitch},
    {3, &ThreadJob::width},
    {4, &ThreadJob::d1},
    {5, &ThreadJob::d2},
    {18, &ThreadJob::d3},
    {6, &ThreadJob::a1},
    {7, &ThreadJob::a2},
    {8, &ThreadJob::r1},
    {9, &ThreadJob::r2},
    {10, &ThreadJob::r3},
    {11, &ThreadJob::r4},
    {12, &ThreadJob::stockDiameter},
    {13, &ThreadJob::finishAllowance},
    {14, &ThreadJob::zStart},
    {15, &ThreadJob::zEnd},
    {16, &ThreadJob::taperAngle},
    {17, &ThreadJob::xRetract},
};

void readDialog(ThreadJob& job, const DialogSnapshot& dialog) {
    job.side = dialog.choices.outer ? 1 : -1;
    for (const auto& binding : kFieldOrder) {
        job.*binding.field = leadingNumberValue(dialog.text(binding.textNumber));
    }
    job.inputsSet = true;
    for (std::size_t k = 0; k < dialog.feeds.size(); ++k) {
        job.zSteps[k] = toSingle(leadingNumberValue(dialog.feeds[k]));
    }
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
        appendBlock(panes, Pane::MacroA, job.outputText);
        std::swap(job, afterMacro);
        appendBlock(panes, Pane::StandardB, job.outputText);
    } catch (const DataError& error) {
        return {OutputStatus::DataError, error.what()};
    }
    return {};
}

DialogSnapshot dialogTextsFromJob(const ThreadJob& job) {
    DialogSnapshot dialog;
    dialog.choices.outer = job.side == 1;
    for (const auto& binding : kFieldOrder) {
        dialog.texts[static_cast<std::size_t>(binding.textNumber - 1)] =
            job.inputsSet ? plainNumberText(job.*binding.field) : std::string();
    }
    for (std::size_t k = 0; k < dialog.feeds.size(); ++k) {
        dialog.feeds[k] = job.zSteps[k] == 0 ? std::string() : plainNumberText(job.zSteps[k]);
    }
    return dialog;
}

} // namespace quillmar
