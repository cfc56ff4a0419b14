#include "cli/job_file.h"
#include "cli/job_runner.h"
#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/number_text_rules.h"

#include <string>
#include <vector>

namespace quillmar::fuzz {

namespace {

struct Choice {
    const char* key;
    const char* values[2];
};
constexpr Choice kChoices[] = {
    {"side", {"outer", "inner"}},
    {"control", {"osp", "fanuc"}},
    {"sequenceNumbers", {"on", "off"}},
    {"modin", {"on", "off"}},
};

// What a user types into a field, mostly number-like, with the odd full-width digit,
// unit or letter; UTF-8, never a line break.
constexpr const char* kFieldPieces[] = {
    "0",  "1", "2",  "3", "4",
    "5",  "6", "7",  "8", "9",
    ".",  "-", "+",  " ", "0",
    "1",  "5", "9",  ".", "e",
    "E",  "x", "mm", ",", "\xEF\xBC\x91",
    "\t",
};

std::string fieldText(ByteReader& in) {
    std::string text;
    const unsigned pieces = in.pick(9); // at most 8 characters
    for (unsigned i = 0; i < pieces; ++i) {
        text += kFieldPieces[in.pick(sizeof kFieldPieces / sizeof kFieldPieces[0])];
    }
    return text;
}

// A job file of one to three runs, each setting some fields and choices.
std::string builtJobFile(ByteReader& in) {
    std::string file;
    const unsigned runs = 1 + in.pick(3);
    for (unsigned run = 0; run < runs; ++run) {
        if (run > 0) {
            file += "[run]\n";
        }
        const unsigned lines = run == 0 ? 1 + in.pick(40) : in.pick(8);
        for (unsigned line = 0; line < lines; ++line) {
            if (in.pick(5) == 0) {
                const Choice& choice = kChoices[in.pick(4)];
                file += std::string(choice.key) + " = " + choice.values[in.pick(2)] + "\n";
            } else {
                const auto pick = in.pick(static_cast<unsigned>(kJobFields.size()));
                file += std::string(kJobFields[pick].key) + " = " + fieldText(in) + "\n";
            }
        }
    }
    return file;
}

// A pane after a successful run: what it held before, then whole lines, each ended by
// CR LF, with every number written out plainly.
void requireGrownByWholeBlock(const std::string& before, const std::string& after,
                              const char* pane) {
    require(after.size() > before.size() && after.compare(0, before.size(), before) == 0,
            "a run only appends to the pane", pane);
    const std::string block = after.substr(before.size());
    require(block.size() >= 2 && block.compare(block.size() - 2, 2, "\r\n") == 0,
            "the appended block ends with a line break", block);
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (block[i] == '\r') {
            require(i + 1 < block.size() && block[i + 1] == '\n', "CR only before LF", block);
        } else if (block[i] == '\n') {
            require(i > 0 && block[i - 1] == '\r', "LF only after CR", block);
        }
    }
    require(!hasNonFiniteWord(block), "no nan or inf in the program", block);
    require(!hasExponent(block), "no exponent in the program", block);
}

// Runs the job one press at a time: each press either stops the job on a data error
// or adds whole blocks to both panes.
void runAndCheck(const JobFile& job) {
    JobOutcome previous;
    std::vector<JobRun> pressed;
    for (const JobRun& run : job.runs) {
        pressed.push_back(run);
        const JobOutcome outcome = runJob(pressed);
        if (outcome.formError) {
            return; // a thread form that cannot be made stops the job before its run
        }
        if (!outcome.ok()) {
            require(outcome.failedRun == int(pressed.size()), "the failing run is named");
            return;
        }
        requireGrownByWholeBlock(previous.macroText, outcome.macroText, "macro");
        requireGrownByWholeBlock(previous.standardText, outcome.standardText, "standard");
        previous = outcome;
    }
}

} // namespace

void checkJobOutput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    if (in.flag()) {
        // Any bytes at all as a job file: read or refused, never a crash.
        const JobFile job = parseJobFile(in.rest());
        if (job.ok() && job.runs.size() <= 4) {
            runAndCheck(job);
        }
        return;
    }
    const std::string text = builtJobFile(in);
    const JobFile job = parseJobFile(text);
    require(job.ok(), "a well-formed job file is read", text);
    runAndCheck(job);
}

} // namespace quillmar::fuzz
