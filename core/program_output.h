#pragma once

#include "core/job_fields.h"
#include "core/output_choices.h"
#include "core/thread_job.h"

#include <array>
#include <string>

namespace quillmar {

// What the dialog holds at the moment "プログラム出力" is pressed.
struct DialogSnapshot {
    OutputChoices choices;
    FieldTexts<std::string> texts; // UTF-8, one per field of the table
    std::string& text(JobField field) { return texts[field]; }
    const std::string& text(JobField field) const { return texts[field]; }
};

enum class Pane { MacroA, StandardB }; // txtDataA, txtDataB

// The two output panes as the command sees them. Pane text has CR LF line ends.
// setPaneText runs the pane's redraw before it returns.
class OutputPanes {
public:
    virtual ~OutputPanes() = default;
    virtual std::string paneText(Pane pane) const = 0;
    virtual void setPaneText(Pane pane, const std::string& text) = 0;
};

enum class OutputStatus { Success, DataError };

struct ProgramOutputResult {
    OutputStatus status = OutputStatus::Success;
    std::string reason; // for logs and tests only; the user sees "データエラー "
    bool ok() const { return status == OutputStatus::Success; }
};

// One press of "プログラム出力": reads the snapshot into the job, computes the pass
// schedule, appends the point data block to pane A and the standard program block to
// pane B, and carries the sequence numbering forward. A failure never escapes: it is
// returned as a data error, and a failure in the pass schedule leaves both panes and
// sequenceCounter as they were.
ProgramOutputResult runProgramOutput(ThreadJob& job, const DialogSnapshot& dialog,
                                     OutputPanes& panes);

// The 26 texts the dialog shows when it is opened again: plain number text of each
// stored value, empty while the job is unset, a zero step as empty. Choices other than
// the side are left at their defaults; the caller keeps its own.
DialogSnapshot dialogTextsFromJob(const ThreadJob& job);

} // namespace quillmar
