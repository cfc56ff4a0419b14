#pragma once

#include "core/groove_profile.h"
#include "core/job_fields.h"
#include "core/output_choices.h"
#include "core/thread_job.h"

#include <array>
#include <string>
#include <string_view>

namespace quillmar {

// What the dialog holds at the moment "プログラム出力" is pressed.
struct DialogSnapshot {
    OutputChoices choices;
    FieldTexts<std::string> texts; // UTF-8, one per field of the table
    // A groove loaded from a drawing or a text profile, replacing the eight-segment form
    // of the fields, and the scallop height its passes keep to (0: the first step).
    SegmentChain drawnGroove;
    double drawnCusp = 0;
    std::string& text(JobField field) { return texts[field]; }
    const std::string& text(JobField field) const { return texts[field]; }
};

enum class Pane { Macro, Standard }; // the panes txtDataA and txtDataB

// The two output panes as the command sees them. Pane text has CR LF line ends.
// appendToPane and setPaneText run the pane's redraw before they return. The command
// only appends: a run costs time for its own block, however much the panes hold.
class OutputPanes {
public:
    virtual ~OutputPanes() = default;
    virtual std::string paneText(Pane pane) const = 0;
    virtual void setPaneText(Pane pane, const std::string& text) = 0;
    virtual void appendToPane(Pane pane, std::string_view block) = 0;
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
// returned as a data error, and leaves both panes and sequenceCounter as they were.
// Besides the failures of the pass schedule, a pass whose feed is not positive or whose
// written X or Z lies at or beyond 100,000 mm is a data error.
ProgramOutputResult runProgramOutput(ThreadJob& job, const DialogSnapshot& dialog,
                                     OutputPanes& panes);

// The 26 texts the dialog shows when it is opened again: plain number text of each
// stored value, empty while the job is unset, a zero step as empty. Choices other than
// the side are left at their defaults; the caller keeps its own.
DialogSnapshot dialogTextsFromJob(const ThreadJob& job);

} // namespace quillmar
