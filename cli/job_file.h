#pragma once

#include "core/job_fields.h"
#include "core/output_choices.h"
#include "core/side.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmar {

// What one run of a job file sets: one press of "プログラム出力". Anything left out is
// empty here; the runner then uses what the reopened dialog would show.
struct JobRun {
    int firstLine = 0; // the line that opened the run, for messages
    std::optional<Side> side;
    std::optional<std::string_view> control; // the jobValue of a control registry row
    std::optional<bool> sequenceNumbers;
    std::optional<bool> modin;
    std::optional<StartShift> startShift; // stays for later runs, as the dialog's box does
    FieldTexts<std::optional<std::string>> texts;
    // A thread designation whose groove fills the fields that no key of the run sets,
    // and the largest scallop height that also fills the eight steps; each with its line.
    std::optional<std::string> form;
    int formLine = 0;
    std::optional<std::string> cusp;
    int cuspLine = 0;
    // A drawn groove: a .groove or .dxf file (beside the job file), or segments typed
    // into the key ("line 1 1; line 2 0"); it stays for later runs until another comes.
    std::optional<std::string> profile;
    int profileLine = 0;
    std::optional<std::string> layer; // the drawing's layer that holds the groove
    // Largest chip area per pass (mm^2): the run becomes the roughing runs a plan
    // chooses and a finishing run. Not carried into later runs.
    std::optional<std::string> maxChipArea;
    int maxChipAreaLine = 0;
    int startsLine = 0; // the line of the run's own starts key, if any
    // The machine's figures the run states (key and value as typed, each already
    // accepted); they stay in force for the runs after it. An empty value makes a
    // figure unknown again.
    std::vector<std::pair<std::string, std::string>> machine;
    // Fill Z start with the earliest that leaves the run-in before the work's face.
    std::optional<bool> zStartFromRunIn;
};

struct JobFileError {
    int line = 0; // 1-based; 0 when the fault is the file as a whole
    std::string message;
};

struct JobFile {
    std::vector<JobRun> runs;
    std::optional<JobFileError> error; // set: the file is unusable, runs are incomplete
    bool ok() const { return !error; }
};

// Reads the text of a job file (UTF-8, LF, CR LF or CR line ends, an optional byte order
// mark). Pure: no I/O, no globals, so that a fuzzer can drive it with any bytes.
JobFile parseJobFile(std::string_view text);

// "FILE:LINE: message", or "FILE: message" for a fault of the whole file.
std::string describeJobFileError(std::string_view fileName, const JobFileError& error);

} // namespace quillmar
