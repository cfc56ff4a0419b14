#include "cli/job_runner.h"
#include "cli/join_text.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace quillmar {
namespace {

const std::string kWorkedExampleJob = QUILLMAR_SOURCE_DIR "/examples/worked-example.job";
const std::string kGoldenStandard = QUILLMAR_TEST_DATA_DIR "/golden/worked-example.NC";
const std::string kGoldenMacro = QUILLMAR_TEST_DATA_DIR "/golden/worked-example.MIN";

std::string workedExample() {
    return test::readBytes(kWorkedExampleJob);
}

// The worked example's lines without the choice keys: the first run must then take the
// dialog's first showing (inner, OSP, sequence numbers, MODIN).
std::string workedExampleWithoutChoices() {
    std::istringstream in(workedExample());
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        const std::string key = line.substr(0, line.find(' '));
        if (key != "side" && key != "control" && key != "sequenceNumbers" && key != "modin") {
            kept.append(line).append("\n");
        }
    }
    return kept;
}

JobOutcome run(const std::string& jobText) {
    const JobFile job = parseJobFile(jobText);
    EXPECT_TRUE(job.ok()) << job.error->line << ": " << job.error->message;
    return runJob(job.runs);
}

// A pane holds one block per run, each starting with its heading line.
std::vector<std::string> blocks(const std::string& pane) {
    std::vector<std::string> found;
    std::size_t start = pane.find("(-----< D");
    while (start != std::string::npos) {
        const std::size_t next = pane.find("(-----< D", start + 1);
        found.push_back(pane.substr(start, next == std::string::npos ? next : next - start));
        start = next;
    }
    return found;
}

// Drops the "N<digits> " word that opens a line, so that blocks can be compared whatever
// their numbers.
std::string withoutSequenceNumbers(const std::string& block) {
    std::istringstream in(block);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        const auto digitsEnd = line.find_first_not_of("0123456789", 1);
        if (!line.empty() && line.front() == 'N' && digitsEnd > 1 && digitsEnd < line.size() &&
            line[digitsEnd] == ' ') {
            line.erase(0, digitsEnd + 1);
        }
        kept.append(line).append("\n");
    }
    return kept;
}

TEST(JobRunner, FirstRunStartsFromTheDialogsFirstShowing) {
    const JobOutcome outcome = run(workedExampleWithoutChoices());
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(savedBytes(outcome.standardText), test::readBytes(kGoldenStandard));
    EXPECT_EQ(savedBytes(outcome.macroText), test::readBytes(kGoldenMacro));
}

TEST(JobRunner, EmptyLaterRunRepeatsTheRefilledJobWithNumbersRunningOn) {
    const JobOutcome outcome = run(workedExample() + "[run]\n");
    ASSERT_TRUE(outcome.ok());
    const auto standard = blocks(outcome.standardText);
    ASSERT_EQ(standard.size(), 2u);
    EXPECT_EQ(standard[1].find("(-----< D34 >-----)\r\nN018 G00 X30.07 Z10.75\r\n"), 0u);
    EXPECT_NE(standard[1].find("N034 G00 X30.051 Z6.75\r\n"), std::string::npos);
    EXPECT_EQ(withoutSequenceNumbers(standard[0]), withoutSequenceNumbers(standard[1]));

    const auto macro = blocks(outcome.macroText);
    ASSERT_EQ(macro.size(), 2u);
    EXPECT_EQ(outcome.macroText.find("N000 MODIN"), 0u);
    EXPECT_EQ(outcome.macroText.find("MODIN", 6), std::string::npos) << "one call only";
    EXPECT_EQ(macro[1].find("(-----< D34 >-----)\r\nN018 X30.071 Z10.750\r\n"), 0u);
    EXPECT_NE(macro[1].find("N034 X30.052 Z6.750\r\nN000 MODOUT\r\n\r\n"), std::string::npos);
}

TEST(JobRunner, KeyOfALaterRunReplacesTheRefilledText) {
    const JobOutcome outcome = run(workedExample() + "[run]\nfinishAllowance = 0.2\n");
    ASSERT_TRUE(outcome.ok());
    const auto macro = blocks(outcome.macroText);
    ASSERT_EQ(macro.size(), 2u);
    EXPECT_EQ(macro[1].find("(-----< D33.8 >-----)\r\nN018 X30.103 Z10.500\r\n"), 0u) << macro[1];
}

TEST(JobRunner, ChoicesKeepTheirLastSetting) {
    const JobOutcome outcome =
        run(workedExample() + "[run]\ncontrol = fanuc\nsequenceNumbers = off\n[run]\n");
    ASSERT_TRUE(outcome.ok());
    const auto standard = blocks(outcome.standardText);
    ASSERT_EQ(standard.size(), 3u);
    EXPECT_EQ(standard[2].find("(-----< D34 >-----)\r\nG00 X30.071 Z10.75\r\nG32 Z-30.0 F6.0\r\n"),
              0u)
        << standard[2];
    EXPECT_EQ(standard[2].find("\nN"), std::string::npos) << "no sequence numbers";
}

struct RefillCase {
    const char* name;
    std::string firstRunChoices;
    std::string pitchWord; // the F word of the second run's FANUC block
    std::string notPitchWord;
};

class LaterRunPitch : public ::testing::TestWithParam<RefillCase> {};

// A later run that does not name the pitch gets the refilled text, so a pitch that the
// OSP number text truncated in place comes back truncated, exactly as in the window.
TEST_P(LaterRunPitch, HoldsTheStoredValue) {
    const RefillCase& c = GetParam();
    std::string job = workedExample();
    const auto pitchLine = job.find("\npitch = 6\n");
    ASSERT_NE(pitchLine, std::string::npos);
    job.replace(pitchLine, 11, "\npitch = 1.2345\n");
    job += c.firstRunChoices + "\n[run]\ncontrol = fanuc\n";
    // Choice keys given twice in the first run: the last value counts.
    const JobOutcome outcome = run(job);
    ASSERT_TRUE(outcome.ok());
    const auto standard = blocks(outcome.standardText);
    ASSERT_EQ(standard.size(), 2u);
    EXPECT_NE(standard[1].find(joinText({" F", c.pitchWord, "\r\n"})), std::string::npos)
        << standard[1];
    EXPECT_EQ(standard[1].find(joinText({" F", c.notPitchWord, "\r\n"})), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LaterRunPitch,
    ::testing::Values(
        RefillCase{"OspProgramTruncatesIt", "control = osp\nmodin = off", "1.234", "1.2345"},
        RefillCase{"MacroCallTruncatesIt", "control = fanuc\nmodin = on", "1.234", "1.2345"},
        RefillCase{"FanucWithoutMacroCallKeepsIt", "control = fanuc\nmodin = off", "1.2345",
                   "1.234"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobRunner, FailedRunGivesItsNumberAndLineAndNoText) {
    const std::string job = workedExample();
    const int lines = static_cast<int>(std::count(job.begin(), job.end(), '\n'));
    const JobOutcome outcome = run(job + "[run]\n[run]\na1 = 0\n");
    EXPECT_EQ(outcome.failedRun, 3);
    EXPECT_EQ(outcome.failedRunLine, lines + 2);
    EXPECT_EQ(outcome.macroText, "");
    EXPECT_EQ(outcome.standardText, "");
}

TEST(JobRunner, FirstRunWithEveryFieldEmptyFails) {
    const JobOutcome outcome = run("[run]\n");
    EXPECT_EQ(outcome.failedRun, 1);
    EXPECT_EQ(outcome.failedRunLine, 1);
}

TEST(JobRunner, SavedBytesArePaneTextAndOneLineEnd) {
    EXPECT_EQ(savedBytes("G00"), "G00\r\n");
    EXPECT_EQ(savedBytes("G00\r\n"), "G00\r\n\r\n");
}

// A form fills the fields it decides; a field key of the same run wins over it, and the
// fields it does not decide keep what the dialog holds.
TEST(JobRunner, FormFillsTheFieldsAndTheRunsOwnKeysWin) {
    const JobFile job = parseJobFile("side = outer\nnoseRadius = 0.3\nzEnd = -40\nxRetract = 45\n"
                                     "form = Tr40x7\nd1 = 39.8\ncusp = 0.02\n");
    ASSERT_TRUE(job.ok());
    std::vector<DialogSnapshot> dialogs;
    const JobOutcome outcome =
        runJob(job.runs, {}, [&](const DialogSnapshot& dialog, const MachineProfile&) {
            dialogs.push_back(dialog);
        });
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text(JobField::Pitch), "7");  // from the form
    EXPECT_EQ(dialogs[0].text(JobField::D1), "39.8");  // as the run typed it
    EXPECT_EQ(dialogs[0].text(JobField::A1), "75");    // a 30 degree thread's flank
    EXPECT_EQ(dialogs[0].text(JobField::ZEnd), "-40"); // the run's own
    EXPECT_NE(dialogs[0].text(JobField::StepR1), "");  // the cusp filled the steps
}

// cusp, starts and maxChipArea take their whole text as a number, or are refused at
// their own line with the text quoted safely.
struct WholeNumberKeyCase {
    const char* extra; // one line after the six of the form job
    bool refused;
    const char* says; // in the refusal; empty for a data error of the run
    int starts = 1;   // the job's starts when not refused
};

class WholeNumberKey : public testing::TestWithParam<WholeNumberKeyCase> {};

TEST_P(WholeNumberKey, ReadsTheWholeTextOrPointsAtItsLine) {
    const WholeNumberKeyCase& row = GetParam();
    const JobFile job = parseJobFile(std::string("side = outer\nnoseRadius = 0.3\nzEnd = -40\n"
                                                 "xRetract = 45\nform = Tr40x7\ncusp = 0.02\n") +
                                     row.extra + "\n");
    ASSERT_TRUE(job.ok());
    const JobOutcome outcome = runJob(job.runs);
    ASSERT_EQ(outcome.ok(), !row.refused) << row.extra;
    if (!row.refused) {
        EXPECT_EQ(outcome.job.starts, row.starts);
    } else if (outcome.formError) {
        EXPECT_EQ(outcome.formError->line, 7);
        EXPECT_NE(outcome.formError->message.find(row.says), std::string::npos)
            << outcome.formError->message;
    } else {
        EXPECT_EQ(outcome.failedRunLine, 7);
        EXPECT_STREQ(row.says, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WholeNumberKey,
    testing::Values(WholeNumberKeyCase{"cusp = 2e-2", false, "", 1},
                    WholeNumberKeyCase{"cusp = 0.02mm", true, "cusp \"0.02mm\" is not a height"},
                    WholeNumberKeyCase{"cusp = \x1b[2J", true, "cusp \"\\x1b[2J\""},
                    WholeNumberKeyCase{"starts = \xEF\xBC\x92", false, "", 2}, // "２"
                    WholeNumberKeyCase{"starts = 1e1", false, "", 10},
                    WholeNumberKeyCase{"starts = 2x", true, ""},
                    WholeNumberKeyCase{"starts = 100", true, ""},
                    WholeNumberKeyCase{"maxChipArea = 5e-2x", true,
                                       "maxChipArea \"5e-2x\" is not a number"}));

} // namespace
} // namespace quillmar
