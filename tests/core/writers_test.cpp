#include "core/nc_number_format.h"
#include "core/pass_schedule.h"
#include "core/program_output.h"
#include "tests/core/example_dialogs.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

using testing::workedExampleDialog;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

struct Output {
    ThreadJob job;
    TextPanes panes;
};

Output run(const DialogSnapshot& dialog) {
    Output out;
    EXPECT_TRUE(runProgramOutput(out.job, dialog, out.panes).ok());
    return out;
}

TEST(MacroWriter, WorkedExample) {
    const auto out = run(workedExampleDialog());
    const std::vector<std::string> expected = {"N000 MODIN OG34 XP=28 ZP=-30 FD=6",
                                               "(-----< D34 >-----)",
                                               "N001 X30.071 Z10.750",
                                               "N002 X30.303 Z10.500",
                                               "N003 X30.805 Z10.250",
                                               "N004 X31.664 Z10.000",
                                               "N005 X32.530 Z9.750",
                                               "N006 X33.396 Z9.500",
                                               "N007 X33.997 Z9.250",
                                               "N008 X34.000 Z9.000",
                                               "N009 X34.000 Z8.750",
                                               "N010 X34.000 Z8.500",
                                               "N011 X33.997 Z8.250",
                                               "N012 X33.272 Z8.000",
                                               "N013 X32.406 Z7.750",
                                               "N014 X31.540 Z7.500",
                                               "N015 X30.704 Z7.250",
                                               "N016 X30.258 Z7.000",
                                               "N017 X30.052 Z6.750",
                                               "N000 MODOUT",
                                               ""};
    EXPECT_EQ(linesOf(out.panes.macro), expected);
}

TEST(StandardWriter, WorkedExampleOsp) {
    const auto out = run(workedExampleDialog());
    const auto lines = linesOf(out.panes.standard);
    ASSERT_EQ(lines.size(), 1u + 17 * 4 + 1);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::string>{"(-----< D34 >-----)", "N001 G00 X30.07 Z10.75",
                                              "N000 G34 Z-30 F6", "N000 G00 X28", "N000     Z10.75",
                                              "N002 G00 X30.303 Z10.5"}));
    // The point data rounds its last pass to X30.052; the OSP text truncates it.
    EXPECT_EQ(lines[lines.size() - 5], "N017 G00 X30.051 Z6.75");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(out.panes.sequenceCounter, 18);
}

TEST(StandardWriter, WorkedExampleFanuc) {
    auto dialog = workedExampleDialog();
    dialog.choices.control = kFanucControl;
    const auto out = run(dialog);
    const auto lines = linesOf(out.panes.standard);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 7);
    EXPECT_EQ(head, (std::vector<std::string>{"(-----< D34 >-----)", "N1", "G00 X30.071 Z10.75",
                                              "G32 Z-30.0 F6.0", "G00 X28.0", "G00 Z10.75", "N2"}));
    EXPECT_EQ(lines.size(), 1u + 17 * 5 + 1);
    EXPECT_EQ(out.panes.sequenceCounter, 18);
}

TEST(Writers, WithoutSequenceNumbersNoNWordsAtAll) {
    for (const auto control : {kOspControl, kFanucControl}) {
        auto dialog = workedExampleDialog();
        dialog.choices.sequenceNumbers = false;
        dialog.choices.control = control;
        const auto out = run(dialog);
        for (const auto* pane : {&out.panes.macro, &out.panes.standard}) {
            EXPECT_NE(pane->front(), 'N');
            EXPECT_EQ(pane->find("\nN"), std::string::npos);
        }
        EXPECT_EQ(out.panes.macro.substr(0, 34), "MODIN OG34 XP=28 ZP=-30 FD=6\r\n(---");
        EXPECT_EQ(out.panes.sequenceCounter, 18); // the counter advances all the same
    }
}

TEST(Writers, WithoutModinNeitherCallNorClosingLine) {
    auto dialog = workedExampleDialog();
    dialog.choices.modin = false;
    const auto out = run(dialog);
    EXPECT_EQ(out.panes.macro.find("MODIN"), std::string::npos);
    EXPECT_EQ(out.panes.macro.find("MODOUT"), std::string::npos);
}

TEST(Writers, NoPointInsideTheStock) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::StockDiameter) = "40"; // stock 40: no inner diameter lies above it
    const auto out = run(dialog);
    EXPECT_EQ(out.panes.macro, "N000 MODIN OG34 XP=28 ZP=-30 FD=6\r\n(-----< D34 >-----)\r\n"
                               "N000 MODOUT\r\n\r\n");
    EXPECT_EQ(out.panes.standard, "(-----< D34 >-----)\r\n\r\n");
    EXPECT_EQ(out.panes.sequenceCounter, 1);
}

TEST(Writers, ACounterOf1000PrintsAllItsDigits) {
    Output out;
    out.panes.sequenceCounter = 1000;
    ASSERT_TRUE(runProgramOutput(out.job, workedExampleDialog(), out.panes).ok());
    EXPECT_NE(out.panes.standard.find("\r\nN1000 G00 X30.07 Z10.75\r\n"), std::string::npos);
    EXPECT_NE(out.panes.macro.find("\r\nN1000 X30.071 Z10.750\r\n"), std::string::npos);
    EXPECT_EQ(out.panes.macro.find("MODIN"), std::string::npos);
}

TEST(Writers, OuterThreadAddsTheGrooveDepth) {
    auto dialog = workedExampleDialog();
    dialog.choices.side = Side::Outer;
    dialog.text(JobField::StockDiameter) = "34"; // stock at the outer crest
    const auto out = run(dialog);
    // The first outer point lies at d1 - 2 x 0.035419 and the floor at d2.
    EXPECT_NE(out.panes.macro.find("N001 X33.929 Z10.750"), std::string::npos);
    EXPECT_NE(out.panes.macro.find("X30.000 Z9.000"), std::string::npos);
}

// A taper pass ends at its own start X moved along the taper: the difference between
// the end X and the start X does not depend on the finishing allowance.
TEST(StandardWriter, TaperEndKeepsTheFinishingAllowance) {
    auto dialog = workedExampleDialog();
    dialog.choices.control = kFanucControl;
    dialog.choices.sequenceNumbers = false;
    dialog.text(JobField::TaperAngle) = "1"; // taper 1 degree
    dialog.text(JobField::StockDiameter) =
        "29"; // stock below every pass, so both runs write the same passes
    const auto finish = run(dialog);
    dialog.text(JobField::FinishAllowance) = "0.2";
    const auto rough = run(dialog);

    const auto finishLines = linesOf(finish.panes.standard);
    const auto roughLines = linesOf(rough.panes.standard);
    EXPECT_EQ(finishLines[5], "G00 X30.071 Z10.75"); // the second pass, point 1
    EXPECT_EQ(roughLines[5], "G00 X29.871 Z10.75");
    const double t = std::tan(1 * (kAnglePi / 180));
    const double finishEnd = 30.070838 + ((10.75 - -30) * t) * 2;
    const double roughEnd = finishEnd - 0.2;
    char expected[64];
    std::snprintf(expected, sizeof expected, "G32 X%.3f Z-30.0 F6.0", finishEnd);
    EXPECT_EQ(finishLines[6], expected);
    std::snprintf(expected, sizeof expected, "G32 X%.3f Z-30.0 F6.0", roughEnd);
    EXPECT_EQ(roughLines[6], expected);
}

TEST(StandardWriter, TaperWithoutAllowanceIsTheDirectFormulaBitForBit) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::TaperAngle) = "1.5";
    Output out;
    ASSERT_TRUE(runProgramOutput(out.job, dialog, out.panes).ok());
    // The last written pass is point 17: its end X truncated, as the OSP text writes it.
    ThreadJob job = out.job;
    const SchedulePoint point = computePassSchedule(job)[17];
    const double t = std::tan(1.5 * (3.141592653589 / 180));
    const double zi = (job.zStart + job.pitch) - static_cast<double>(point.z);
    double direct = point.diameter + ((zi - job.zEnd) * t) * 2;
    const std::string lastMove = "G34 X" + formatOspNumber(direct) + " Z-30 F6\r\n";
    EXPECT_EQ(out.panes.standard.rfind("G34 X"), out.panes.standard.find(lastMove));
    EXPECT_NE(out.panes.standard.find(lastMove), std::string::npos);
}

} // namespace
} // namespace quillmar
