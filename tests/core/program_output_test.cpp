#include "core/program_output.h"
#include "tests/core/example_dialogs.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

using testing::setEverySteps;
using testing::workedExampleDialog;

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) {
        ++n;
    }
    return n;
}

struct ErrorCase {
    const char* name;
    void (*change)(DialogSnapshot&);
    const char* reasonHas = ""; // what the message must name
    float counter = 7;          // the sequence number the run starts from
};

// The worked example as the inner, 99-start thread on a 1.79 degree taper: the further
// starts move along the cone past the axis.
void set99StartsOnATaper(DialogSnapshot& dialog, std::string_view control) {
    dialog.text(JobField::TaperAngle) = "1.79";
    dialog.text(JobField::Starts) = "99";
    dialog.choices.control = control;
}

class DataErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(DataErrorTest, LeavesPanesAndCounterAsTheyWere) {
    ThreadJob job;
    TextPanes panes;
    panes.sequenceCounter = GetParam().counter;
    panes.macro = "kept A\r\n";
    panes.standard = "kept B\r\n";
    auto dialog = workedExampleDialog();
    GetParam().change(dialog);
    const auto result = runProgramOutput(job, dialog, panes);
    EXPECT_EQ(result.status, OutputStatus::DataError) << GetParam().name;
    EXPECT_EQ(panes.macro, "kept A\r\n");
    EXPECT_EQ(panes.standard, "kept B\r\n");
    EXPECT_EQ(panes.changes, 0);
    EXPECT_EQ(panes.sequenceCounter, GetParam().counter);
    EXPECT_NE(result.reason.find(GetParam().reasonHas), std::string::npos) << result.reason;
    EXPECT_TRUE(job.inputsSet); // every input field was read before the failure
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DataErrorTest,
    ::testing::Values(
        ErrorCase{"all fields empty", [](DialogSnapshot& d) { d.texts.values.fill(""); }},
        ErrorCase{"a zero step that must repeat",
                  [](DialogSnapshot& d) { d.text(JobField::StepD1) = ""; }},
        ErrorCase{"r2 equal to the nose radius",
                  [](DialogSnapshot& d) { d.text(JobField::R2) = "0.4"; }},
        ErrorCase{"a step beyond single precision",
                  [](DialogSnapshot& d) { d.text(JobField::StepD2) = std::string(50, '9'); }},
        ErrorCase{"no starts", [](DialogSnapshot& d) { d.text(JobField::Starts) = "0"; }},
        ErrorCase{"a start and a half",
                  [](DialogSnapshot& d) { d.text(JobField::Starts) = "1.5"; }},
        ErrorCase{"a hundred starts", [](DialogSnapshot& d) { d.text(JobField::Starts) = "100"; }},
        ErrorCase{"negative starts", [](DialogSnapshot& d) { d.text(JobField::Starts) = "-2"; }},
        ErrorCase{"starts without a number",
                  [](DialogSnapshot& d) { d.text(JobField::Starts) = "abc"; }},
        ErrorCase{"starts with a unit", [](DialogSnapshot& d) { d.text(JobField::Starts) = "2x"; }},
        // Numbers no control accepts.
        ErrorCase{"a pitch of 0", [](DialogSnapshot& d) { d.text(JobField::Pitch) = "0"; }},
        ErrorCase{"a negative pitch", [](DialogSnapshot& d) { d.text(JobField::Pitch) = "-1"; }},
        ErrorCase{"an OSP pitch truncated to 0",
                  [](DialogSnapshot& d) { d.text(JobField::Pitch) = "0.0009"; }},
        ErrorCase{"a FANUC pitch rounded to 0",
                  [](DialogSnapshot& d) {
                      d.text(JobField::Pitch) = "0.00004";
                      d.choices.control = kFanucControl;
                  }},
        ErrorCase{"a taper of 90 degrees",
                  [](DialogSnapshot& d) { d.text(JobField::TaperAngle) = "90"; }},
        ErrorCase{"Z end at -100,000",
                  [](DialogSnapshot& d) { d.text(JobField::ZEnd) = "-100000"; }},
        ErrorCase{"Z start writing Z beyond 100,000",
                  [](DialogSnapshot& d) { d.text(JobField::ZStart) = "99995"; }},
        ErrorCase{"a FANUC X retract rounded to 100,000",
                  [](DialogSnapshot& d) {
                      d.text(JobField::XRetract) = "99999.9996";
                      d.choices.control = kFanucControl;
                  }},
        // Positions at or across the spindle's axis, in every dialect.
        ErrorCase{"99 starts on a taper crossing the axis",
                  [](DialogSnapshot& d) { set99StartsOnATaper(d, kOspControl); },
                  "start 82 of 99) would start at X-0.306,"},
        ErrorCase{"the same in FANUC",
                  [](DialogSnapshot& d) { set99StartsOnATaper(d, kFanucControl); },
                  "would start at X-"},
        ErrorCase{"the same in LinuxCNC",
                  [](DialogSnapshot& d) { set99StartsOnATaper(d, "linuxcnc"); },
                  "would start at X-"},
        ErrorCase{"a retract to the axis",
                  [](DialogSnapshot& d) { d.text(JobField::XRetract) = "0"; }, "the retract X0,"},
        ErrorCase{"a retract written as X0",
                  [](DialogSnapshot& d) { d.text(JobField::XRetract) = "0.0009"; },
                  "retract X0.0009,"},
        // Sequence numbers past what the control reads or the counter counts (the
        // worked example numbers 17 passes).
        ErrorCase{"FANUC past N99999", [](DialogSnapshot& d) { d.choices.control = kFanucControl; },
                  "reach N100000, past N99999, the largest FANUC", 99984},
        ErrorCase{"LinuxCNC past N99999", [](DialogSnapshot& d) { d.choices.control = "linuxcnc"; },
                  "reach N100000, past N99999, the largest LinuxCNC", 99984},
        ErrorCase{"OSP past the counter", [](DialogSnapshot&) {},
                  "reach N16777217, past N16777216, the largest OSP", 16777201}));

// The largest numbers each control reads are still written, and without numbers there
// is no limit.
TEST(ProgramOutput, SequenceNumbersUpToTheLimitAreWritten) {
    struct Case {
        std::string_view control;
        float counter;
        bool numbered;
        const char* lastLine;
    };
    for (const Case& c : {Case{kFanucControl, 99983, true, "N99999\r\n"},
                          Case{kOspControl, 16777200, true, "N16777216 G00"},
                          Case{kFanucControl, 99990, false, "G00 Z10.75\r\n"}}) {
        ThreadJob job;
        TextPanes panes;
        panes.sequenceCounter = c.counter;
        auto dialog = workedExampleDialog();
        dialog.choices.control = c.control;
        dialog.choices.sequenceNumbers = c.numbered;
        ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok()) << c.control;
        EXPECT_NE(panes.standard.find(c.lastLine), std::string::npos) << c.lastLine;
    }
}

// grblHAL refuses a G33 whose K x speed passes 0.9 of the Z axis' largest feed (its
// gcode.c): 6 mm x 1500 min^-1 is 9000 mm/min, 0.9 of 10000. LinuxCNC's interpreter
// makes no such check, and a machine without a stated feed is not checked.
TEST(ProgramOutput, SpindleSpeedAgainstTheControlsFeedCheck) {
    struct Case {
        std::string_view control;
        double spindleSpeed;
        std::optional<double> maxFeedZ;
        OutputStatus status;
    };
    for (const Case& c : {Case{"grblhal", 1500, 10000, OutputStatus::Success},
                          Case{"grblhal", 1501, 10000, OutputStatus::Refused},
                          Case{"grblhal", 1501, std::nullopt, OutputStatus::Success},
                          Case{"linuxcnc", 1501, 10000, OutputStatus::Success}}) {
        ThreadJob job;
        TextPanes panes;
        auto dialog = workedExampleDialog();
        dialog.choices.control = c.control;
        dialog.machine.spindleSpeed = c.spindleSpeed;
        dialog.machine.maxFeedZ = c.maxFeedZ;
        EXPECT_EQ(runProgramOutput(job, dialog, panes).status, c.status)
            << c.control << " " << c.spindleSpeed;
    }
}

// The largest numbers a control takes are still written.
TEST(ProgramOutput, PositionsJustBelow100000AreWritten) {
    ThreadJob job;
    TextPanes panes;
    auto dialog = workedExampleDialog();
    dialog.text(JobField::XRetract) = "99999.9994";
    dialog.choices.control = kFanucControl;
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    EXPECT_NE(panes.standard.find("G00 X99999.999\r\n"), std::string::npos);
}

// An empty box is a single start, as every job typed before the box existed; the box
// is read whole, exponents and full-width digits too; 99 starts is the most.
TEST(ProgramOutput, StartsTextsThatMeanOneStartOrTheMost) {
    const auto panesFor = [](const std::string& starts) {
        ThreadJob job;
        TextPanes panes;
        auto dialog = workedExampleDialog();
        dialog.text(JobField::Starts) = starts;
        EXPECT_TRUE(runProgramOutput(job, dialog, panes).ok()) << starts;
        EXPECT_EQ(dialogTextsFromJob(job).text(JobField::Starts), std::to_string(job.starts));
        return panes.standard;
    };
    const std::string single = panesFor("");
    EXPECT_EQ(panesFor(" 1.0"), single);
    EXPECT_EQ(panesFor("\xEF\xBC\x91"), single); // full-width "１"
    EXPECT_NE(panesFor("99").find(" F594\r\n"), std::string::npos);
    EXPECT_EQ(panesFor("9.9e1"), panesFor("99"));
}

TEST(ProgramOutput, TwoRunsContinueTheNumbering) {
    ThreadJob job;
    TextPanes panes;
    auto dialog = workedExampleDialog();
    dialog.text(JobField::FinishAllowance) = "0.2"; // roughing with an allowance
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    const float afterFirst = panes.sequenceCounter;
    EXPECT_GT(afterFirst, 1);
    dialog.text(JobField::FinishAllowance) = "0"; // then finishing
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());

    EXPECT_EQ(count(panes.macro, "MODIN"), 1u);
    EXPECT_EQ(count(panes.macro, "MODOUT"), 1u);
    EXPECT_EQ(panes.macro.find("N000 MODIN"), 0u);
    EXPECT_EQ(panes.macro.substr(panes.macro.size() - 15), "N000 MODOUT\r\n\r\n");
    EXPECT_NE(panes.macro.find("(-----< D33.8 >-----)"), std::string::npos);
    EXPECT_NE(panes.macro.find("(-----< D34 >-----)"), std::string::npos);
    EXPECT_EQ(count(panes.macro, "\r\n\r\n"), 2u); // each block followed by one empty line
    EXPECT_EQ(count(panes.standard, "\r\n\r\n"), 2u);
    // The second block's first pass continues the first block's numbers.
    std::string firstOfSecond = "N0";
    firstOfSecond += std::to_string(static_cast<int>(afterFirst));
    firstOfSecond += " G00";
    EXPECT_NE(panes.standard.find(firstOfSecond), std::string::npos) << firstOfSecond;
    EXPECT_EQ(panes.sequenceCounter, afterFirst + 17);
}

TEST(ProgramOutput, OspTruncationIsVisibleInTheJob) {
    ThreadJob job;
    TextPanes panes;
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Pitch) = "1.2345";
    setEverySteps(dialog, "0.1");
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    EXPECT_EQ(job.pitch, 1.234);
    EXPECT_EQ(dialogTextsFromJob(job).text(JobField::Pitch), "1.234");
}

TEST(ProgramOutput, FanucWithoutModinLeavesTheFieldsAlone) {
    ThreadJob job;
    TextPanes panes;
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Pitch) = "1.2345";
    setEverySteps(dialog, "0.1");
    dialog.choices.control = kFanucControl;
    dialog.choices.modin = false;
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    EXPECT_EQ(job.pitch, 1.2345);
    EXPECT_EQ(dialogTextsFromJob(job).text(JobField::Pitch), "1.2345");
    EXPECT_NE(panes.standard.find(" F1.2345\r\n"), std::string::npos);
}

// The command only appends: it never reads a pane's text or sets it whole, so a run
// costs nothing for the runs before it.
TEST(ProgramOutput, EachPaneIsAppendedToOnceAFirstThenB) {
    struct OrderPanes : TextPanes {
        std::vector<Pane> order;
        std::string paneText(Pane) const override {
            ADD_FAILURE() << "pane text read";
            return {};
        }
        void setPaneText(Pane, const std::string&) override { ADD_FAILURE() << "pane text set"; }
        void appendToPane(Pane pane, std::string_view block) override {
            order.push_back(pane);
            TextPanes::appendToPane(pane, block);
        }
    } panes;
    ThreadJob job;
    ASSERT_TRUE(runProgramOutput(job, workedExampleDialog(), panes).ok());
    EXPECT_EQ(panes.order, (std::vector<Pane>{Pane::Macro, Pane::Standard}));
}

TEST(DialogRefill, BeforeTheFirstOutputEverythingIsEmpty) {
    const auto dialog = dialogTextsFromJob(ThreadJob{});
    for (const auto& text : dialog.texts.values) {
        EXPECT_EQ(text, "");
    }
    EXPECT_EQ(dialog.choices.side, Side::Inner);
}

TEST(DialogRefill, ShowsTheStoredNumbers) {
    ThreadJob job;
    TextPanes panes;
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Width) = "3.50";       // width
    dialog.text(JobField::FinishAllowance) = ""; // allowance left empty
    dialog.text(JobField::StepD2) = "0.250";
    dialog.choices.side = Side::Outer;
    dialog.text(JobField::StockDiameter) = "34";
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    auto refill = dialogTextsFromJob(job);
    EXPECT_EQ(refill.text(JobField::Width), "3.5");
    EXPECT_EQ(refill.text(JobField::FinishAllowance), "0");
    EXPECT_EQ(refill.text(JobField::D3), "30");
    EXPECT_EQ(refill.text(JobField::StepD2), "0.25");
    EXPECT_EQ(refill.choices.side, Side::Outer);

    dialog.text(JobField::Width) = "abc";
    dialog.text(JobField::StepR4) = "0";
    ASSERT_FALSE(runProgramOutput(job, dialog, panes).ok()); // floor of width 0 is fine,
    refill = dialogTextsFromJob(job);                        // but the 0 step repeats
    EXPECT_EQ(refill.text(JobField::Width), "0");
    EXPECT_EQ(refill.text(JobField::StepR4), "");
}

} // namespace
} // namespace quillmar
