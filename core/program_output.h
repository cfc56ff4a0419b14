#pragma once

#include "core/controls/control_dialect.h"
#include "core/controls/control_limits.h"
#include "core/groove_profile.h"
#include "core/job_fields.h"
#include "core/machine/machine_profile.h"
#include "core/macro_writer.h"
#include "core/output_choices.h"
#include "core/thread_job.h"

#include <array>
#include <optional>
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
    // The machine's settings in force, for a control that checks its threading feed
    // against them before it cuts.
    MachineProfile machine;
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

    // The sequence number the next run's passes start from, carried from one output to
    // the next. 1 means nothing has been numbered since start-up or New (which empties
    // the panes and starts again at 1): the point list then opens with MODIN.
    float sequenceCounter = 1;
};

// Refused: the chosen control cannot cut the job as asked (the reason names the control
// and its limit, and is shown to the user).
enum class OutputStatus { Success, DataError, Refused };

struct ProgramOutputResult {
    OutputStatus status = OutputStatus::Success;
    std::optional<ControlRefusal> refusal; // set when Refused
    std::string reason; // a data error's for logs and tests only: the user sees "データエラー "
    bool ok() const { return status == OutputStatus::Success; }
};

// One run worked out without panes: both blocks, the values the control will use after
// each, and the sequence counter after the run.
struct RunOutput {
    std::string macroBlock;
    ControlValues valuesAfterMacro;
    StandardBlock standard;
    float counterAfter = 1;
    PassPlan plan; // what both blocks were written from
};

// What a run decides before anything is written: the modal call of the point data and
// the pass plan. Reads the snapshot into the job as generateRun does; throws DataError.
struct PlannedRun {
    ModalCall call;
    PassPlan plan;
};
PlannedRun planRun(ThreadJob& job, float counter, const DialogSnapshot& dialog);

// Writes both blocks of a planned run as the choices ask. Throws DataError.
RunOutput writeRun(PlannedRun planned, const OutputChoices& choices);

// Reads the snapshot into the job (its inputs, then what the schedule derives) and
// writes the run numbered from `counter`. Throws DataError; the job then holds what was
// read before the failure.
RunOutput generateRun(ThreadJob& job, float counter, const DialogSnapshot& dialog);

// One press of "プログラム出力": generates the run, appends the point data block to pane
// A and the standard program block to pane B, and carries the sequence numbering
// forward. While each pane redraws, the job holds the values the control will use after
// that pane's block. A failure never escapes: it is returned as a data error, and leaves
// both panes and the sequence counter as they were.
// Besides the failures of the pass schedule, a pass whose feed is not positive or whose
// written X or Z lies at or beyond 100,000 mm is a data error.
ProgramOutputResult runProgramOutput(ThreadJob& job, const DialogSnapshot& dialog,
                                     OutputPanes& panes);

// The 26 texts the dialog shows when it is opened again: plain number text of each
// stored value, empty while the job is unset, a zero step as empty. Choices other than
// the side are left at their defaults; the caller keeps its own.
DialogSnapshot dialogTextsFromJob(const ThreadJob& job);

} // namespace quillmar
