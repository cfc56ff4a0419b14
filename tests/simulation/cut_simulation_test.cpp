#include "core/program_output.h"
#include "simulation/cut_simulation.h"
#include "tests/core/example_dialogs.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

using testing::workedExampleDialog;

constexpr double kArea = 0.0001;   // mm^2
constexpr double kHeight = 0.0005; // mm

std::u16string utf16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

testing::PressedOutput press(const DialogSnapshot& dialog) {
    auto out = testing::pressOutput(dialog);
    EXPECT_TRUE(out.ok);
    return out;
}

// One pass into flat stock (pitch 2, stock X30 outer or X20 inner); areas worked out
// from the circle segment, the half circle plus rectangle, and for a 30 degree body
// the circle cap plus the two triangles of its sides.
struct FlatStockCase {
    const char* name;
    int side;
    double x;
    double halfAngle;
    double area;
    double thickness;
};

class FlatStockPass : public ::testing::TestWithParam<FlatStockCase> {};

TEST_P(FlatStockPass, RemovesTheToolsSectionBelowTheStock) {
    const FlatStockCase& row = GetParam();
    const std::string x = std::to_string(row.x);
    const std::string retract = row.side > 0 ? "40" : "10";
    const auto reading = readThreadingPasses(
        utf16("G00 X" + x + " Z5\r\nG32 Z-20 F2\r\nG00 X" + retract + "\r\nG00 Z5\r\n"));
    SectionSetup setup;
    setup.pitch = 2;
    setup.side = row.side;
    setup.stockDiameter = row.side > 0 ? 30 : 20;
    setup.noseRadius = 0.4;
    setup.bodyHalfAngleDegrees = row.halfAngle;
    const auto result = simulateCut(reading, setup);
    ASSERT_EQ(result.passes.size(), 1u) << row.name;
    EXPECT_NEAR(result.passes[0].chipArea, row.area, kArea) << row.name;
    EXPECT_NEAR(result.passes[0].chipThickness, row.thickness, kHeight) << row.name;
    EXPECT_NEAR(result.passes[0].position, 1, 1e-9) << row.name; // Z5 within a pitch of 2 from Z0
    EXPECT_FALSE(result.passes[0].air);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FlatStockPass,
    ::testing::Values(FlatStockCase{"segment 0.1 deep, outer", 1, 29.8, 0, 0.0362649, 0.1},
                      FlatStockCase{"segment 0.1 deep, inner", -1, 20.2, 0, 0.0362649, 0.1},
                      FlatStockCase{"deeper than the nose", 1, 28.8, 0, 0.4113274, 0.6},
                      FlatStockCase{"body sides at 30 degrees", 1, 28.8, 30, 0.4677737, 0.6}));

TEST(FlatStockPass, AboveTheStockCutsAir) {
    const auto reading = readThreadingPasses(u"G00 X30.5 Z5\r\nG32 Z-20 F2\r\nG00 X40\r\n");
    SectionSetup setup;
    setup.pitch = 2;
    setup.stockDiameter = 30;
    setup.noseRadius = 0.4;
    const auto result = simulateCut(reading, setup);
    EXPECT_TRUE(result.passes.at(0).air);
    EXPECT_EQ(result.airPasses, 1);
    EXPECT_EQ(result.largestChipPass, -1);
}

// A LinuxCNC program of a two-start taper job is read as the FANUC one of the same job:
// the G33 moves are the passes, and their K (along the move) gives the lead along Z.
TEST(ThreadingPassReading, ReadsLinuxCncPassesAsFanucOnes) {
    DialogSnapshot dialog = workedExampleDialog();
    dialog.text(JobField::TaperAngle) = "1.5";
    dialog.text(JobField::Starts) = "2";
    dialog.choices.control = kFanucControl;
    const auto fanuc = readThreadingPasses(utf16(press(dialog).panes.standard));
    dialog.choices.control = "linuxcnc";
    const auto linuxCnc = readThreadingPasses(utf16(press(dialog).panes.standard));
    ASSERT_EQ(linuxCnc.passes.size(), fanuc.passes.size());
    ASSERT_EQ(fanuc.passes.size(), 34u);
    for (std::size_t i = 0; i < fanuc.passes.size(); ++i) {
        EXPECT_EQ(linuxCnc.passes[i].x, fanuc.passes[i].x) << i;
        EXPECT_EQ(linuxCnc.passes[i].z, fanuc.passes[i].z) << i;
        EXPECT_NEAR(linuxCnc.passes[i].feed, fanuc.passes[i].feed, 0.0001) << i;
        EXPECT_EQ(linuxCnc.passes[i].retractX, fanuc.passes[i].retractX) << i;
    }
}

// A floor cut with step s between flanks above the stock: a 34 mm floor in 33.8 mm
// stock, corners stepped finely, leaves cusps of r - sqrt(r^2 - s^2 / 4).
class FloorCusp : public ::testing::TestWithParam<double> {};

TEST_P(FloorCusp, IsTheCircleIntersectionHeight) {
    const double step = GetParam();
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Pitch) = "10";
    dialog.text(JobField::Width) = "3";
    dialog.text(JobField::StockDiameter) = "33.8";
    testing::setEverySteps(dialog, "0.01");
    dialog.text(JobField::StepD1) = std::to_string(step);
    const auto out = press(dialog);
    const auto result = simulateProgram(utf16(out.panes.standard), &out.job);
    ASSERT_TRUE(result.cusp);
    const double r = 0.4;
    EXPECT_NEAR(result.cusp->height, r - std::sqrt(r * r - step * step / 4), kHeight) << step;
    ASSERT_TRUE(result.cuspNormal);
    EXPECT_NEAR(result.cuspNormal->height, result.cusp->height, kHeight) << "on a flat floor";
    EXPECT_FALSE(result.gouge || result.gougeNormal);
}

INSTANTIATE_TEST_SUITE_P(Steps, FloorCusp, ::testing::Values(0.2, 0.3, 0.5));

// A floor pass 0.069 beside the last, as deep (4 below X40, nose 0.4, body as wide as
// the nose), shaves a sliver 0.069 wide: radially 3.6 + sqrt(0.4^2 - 0.331^2), normal to the
// nose's side 0.069. Its edge: the nose's arc from where the two noses cross, 0.0345
// behind its centre, round to its side, 0.4 (pi / 2 + asin(0.0345 / 0.4)) = 0.66289, and
// the side up from the centre to the stock, 3.6.
TEST(FloorSliver, ChipThicknessIsNormalToTheEngagedEdge) {
    const auto reading = readThreadingPasses(
        u"G00 X32 Z-3\r\nG32 Z-60 F10\r\nG00 X50\r\nG00 X32 Z-3.069\r\nG32 Z-60\r\nG00 X50\r\n");
    SectionSetup setup;
    setup.pitch = 10;
    setup.stockDiameter = 40;
    setup.noseRadius = 0.4;
    const auto result = simulateCut(reading, setup);
    ASSERT_EQ(result.passes.size(), 2u);
    const PassCut& sliver = result.passes[1];
    EXPECT_GT(sliver.chipThickness, 3.8);
    EXPECT_NEAR(sliver.chipThicknessNormal, 0.069, 0.001);
    EXPECT_NEAR(sliver.engagedEdge, 3.6 + 0.66289, 0.005);
    EXPECT_EQ(result.thickestNormalChipPass, 0) << "the plunge: 4 mm normal to its nose";
}

TEST(WorkedExample, LeavesTheFlankCuspItsStepsGiveAndNoGouge) {
    const auto out = press(workedExampleDialog());
    const auto result = simulateProgram(utf16(out.panes.standard), &out.job);
    EXPECT_EQ(result.passes.size(), 17u);
    EXPECT_EQ(result.runs, 1);
    EXPECT_FALSE(result.gouge);
    // On a 60 degree flank with steps of 0.25 the deeper pass's body stands r = 0.4
    // beyond its centre, at 3.4 from the first crest on the second flank; just past it
    // the material is where the nose of the pass written X32.405 Z7.75 (3.25 from the
    // crest, its nose centre 1.2025 - 0.4 deep) reaches at 0.15 from its centre:
    // 0.8025 + sqrt(0.16 - 0.0225) = 1.17331 deep. The flank lies there at
    // (4.464102 - tan 30 x 0.5 - 3.4) x tan 60 = 1.343079: a cusp of 0.169769.
    ASSERT_TRUE(result.cusp);
    EXPECT_NEAR(result.cusp->height, 0.169769, kHeight);
}

TEST(WorkedExample, AFlankStepOvershootingTheCrestCornerGougesTheCrest) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::StepA2) =
        "1.8"; // A2-F: from z 3 straight to 4.8, past the corner at 4.4641
    const auto out = press(dialog);
    const auto result = simulateProgram(utf16(out.panes.standard), &out.job);
    ASSERT_TRUE(result.gouge);
    // The pass written as X30.13 Z6.199 puts its nose bottom 0.065 into the 30 mm
    // crest, at 11 - 6.199 = 4.801 from the first crest.
    EXPECT_NEAR(result.gouge->height, 0.065, kHeight);
    EXPECT_NEAR(result.gouge->position, 4.801, 0.002);
    ASSERT_GE(result.gouge->pass, 0);
    EXPECT_DOUBLE_EQ(result.passes.at(result.gouge->pass).z, 6.199);
}

// Two starts: each point is cut once per start, the second start one pitch further out,
// in a groove of its own; both grooves take the same chips and keep the same cusp.
TEST(WorkedExample, EachStartCutsAGrooveOfItsOwn) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Starts) = "2";
    const auto out = press(dialog);
    const auto result = simulateProgram(utf16(out.panes.standard), &out.job);
    ASSERT_EQ(result.passes.size(), 34u);
    for (std::size_t k = 0; k < 34; k += 2) {
        EXPECT_DOUBLE_EQ(result.passes[k + 1].z, result.passes[k].z + 6) << k;
        EXPECT_NEAR(result.passes[k + 1].chipArea, result.passes[k].chipArea, 1e-9) << k;
        EXPECT_FALSE(result.passes[k + 1].air) << k;
    }
    ASSERT_TRUE(result.cusp);
    EXPECT_NEAR(result.cusp->height, 0.169769, kHeight);
    EXPECT_FALSE(result.gouge);
}

// Without its job an inner program's stock is its shallowest pass, the smallest X: the
// worked example's X30.051. Its first pass, X30.07, takes the nose's circle segment
// h = 0.0095 deep: r^2 acos((r - h) / r) - (r - h) sqrt(2rh - h^2) = 0.001096.
TEST(WithoutItsJob, AnInnerProgramsStockIsItsSmallestX) {
    const auto out = press(workedExampleDialog());
    const auto result = simulateProgram(utf16(out.panes.standard), nullptr);
    EXPECT_EQ(result.setup.side, -1);
    EXPECT_DOUBLE_EQ(result.setup.stockDiameter, 30.051);
    ASSERT_EQ(result.passes.size(), 17u);
    EXPECT_NEAR(result.passes[0].chipArea, 0.001096, kArea / 10);
    EXPECT_TRUE(result.passes[16].air);
}

// Three starts written alike: one groove's field stands for all three. An air pass of
// the last start at the stock line makes the starts differ, so every groove is then
// simulated on its own; every figure agrees.
TEST(WorkedExample, StartsWrittenAlikeShareOneGroovesSimulation) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Starts) = "3";
    const auto out = press(dialog);
    const PassReading alike = readThreadingPasses(utf16(out.panes.standard));
    PassReading apart = alike;
    ThreadingPass air = alike.passes.back();
    air.x = out.job.stockDiameter;
    apart.passes.push_back(air);
    const SectionSetup setup = sectionFromJob(out.job, {});
    const SimulationResult shared = simulateCut(alike, setup);
    const SimulationResult separate = simulateCut(apart, setup);
    ASSERT_EQ(shared.passes.size(), 51u);
    for (std::size_t k = 0; k < shared.passes.size(); ++k) {
        EXPECT_NEAR(shared.passes[k].chipArea, separate.passes[k].chipArea, 1e-9) << k;
        EXPECT_NEAR(shared.passes[k].chipThickness, separate.passes[k].chipThickness, 1e-9) << k;
    }
    EXPECT_TRUE(separate.passes.back().air);
    ASSERT_TRUE(shared.cusp && separate.cusp);
    EXPECT_NEAR(shared.cusp->height, separate.cusp->height, 1e-9);
    EXPECT_EQ(shared.gouge.has_value(), separate.gouge.has_value());
    EXPECT_EQ(shared.materialDepth, separate.materialDepth);
}

void expectSameFigures(const SimulationResult& resumed, const SimulationResult& whole,
                       const char* name) {
    ASSERT_EQ(resumed.passes.size(), whole.passes.size()) << name;
    for (std::size_t k = 0; k < whole.passes.size(); ++k) {
        const PassCut& a = resumed.passes[k];
        const PassCut& b = whole.passes[k];
        EXPECT_TRUE(a.line == b.line && a.chipArea == b.chipArea &&
                    a.chipThickness == b.chipThickness &&
                    a.thicknessPosition == b.thicknessPosition && a.air == b.air)
            << name << " pass " << k;
    }
    EXPECT_EQ(resumed.materialDepth, whole.materialDepth) << name;
    EXPECT_EQ(resumed.materialDepthBeforeLast, whole.materialDepthBeforeLast) << name;
    EXPECT_EQ(resumed.depthAfterRun, whole.depthAfterRun) << name;
    EXPECT_EQ(resumed.largestChipPass, whole.largestChipPass) << name;
    EXPECT_EQ(resumed.thickestChipPass, whole.thickestChipPass) << name;
    EXPECT_EQ(resumed.airPasses, whole.airPasses) << name;
    ASSERT_EQ(resumed.cusp.has_value(), whole.cusp.has_value()) << name;
    if (whole.cusp) {
        EXPECT_TRUE(resumed.cusp->height == whole.cusp->height &&
                    resumed.cusp->position == whole.cusp->position &&
                    resumed.cusp->pass == whole.cusp->pass)
            << name;
    }
    EXPECT_EQ(resumed.gouge.has_value(), whole.gouge.has_value()) << name;
}

// After an edit the simulation goes on from the last checkpoint before the first changed
// pass, and the pass slider from the last one before its pass: every figure is the
// whole simulation's. The program is pressed twice (a second run of air passes).
struct ResumedCase {
    const char* name;
    const char* starts;
    const char* step;
    double editedShare; // the edited pass's place in the program; 1: a run appended
};

class ResumedSimulation : public ::testing::TestWithParam<ResumedCase> {};

TEST_P(ResumedSimulation, GivesTheWholeSimulationsFigures) {
    const ResumedCase& row = GetParam();
    auto dialog = workedExampleDialog();
    dialog.text(JobField::Starts) = row.starts;
    testing::setEverySteps(dialog, row.step);
    auto out = press(dialog);
    ASSERT_TRUE(runProgramOutput(out.job, dialog, out.panes).ok());
    const PassReading program = readThreadingPasses(utf16(out.panes.standard));
    PassReading earlier = program;
    PassReading edited = program;
    if (row.editedShare < 1) {
        const auto pass = std::size_t(double(program.passes.size()) * row.editedShare);
        edited.passes[pass].x -= 0.01;
        for (ThreadingPass& moved : edited.passes) {
            ++moved.line; // a line typed at the top
        }
    } else {
        std::erase_if(earlier.passes, [](const ThreadingPass& pass) { return pass.run > 0; });
        earlier.runs = 1;
    }
    const SectionSetup setup = sectionFromJob(out.job, {});
    const SimulationResult before = simulateCut(earlier, setup);
    const SimulationResult whole = simulateCut(edited, setup);
    const SimulationResult resumed = simulateCut(edited, setup, {{}, {}, &before, {}, false});
    EXPECT_GT(resumed.resumedFrom, 0) << row.name << " of " << edited.passes.size();
    expectSameFigures(resumed, whole, row.name);
    // A trial of the planner, after the run before it simulated as the planner does (the
    // chips' areas and checkpoints): the same chips, and nothing measured or kept besides.
    const SimulationResult chipsBefore = simulateCut(earlier, setup, {{}, {}, {}, {}, true});
    const SimulationResult chips =
        simulateCut(edited, setup, {{}, {}, &chipsBefore, {}, true, false});
    ASSERT_EQ(chips.passes.size(), whole.passes.size()) << row.name;
    for (std::size_t k = 0; k < whole.passes.size(); ++k) {
        EXPECT_EQ(chips.passes[k].chipArea, whole.passes[k].chipArea) << row.name << " pass " << k;
    }
    EXPECT_FALSE(chips.cusp || chips.checkpoints) << row.name;
    EXPECT_GT(chips.resumedFrom, 0) << row.name;
    // Areas alone do not go on into a simulation that wants every figure.
    EXPECT_EQ(simulateCut(edited, setup, {{}, {}, &chipsBefore, {}}).resumedFrom, 0) << row.name;
    const int sliderPass = int(edited.passes.size()) * 3 / 4;
    const SimulationResult section =
        simulateCut(edited, setup, {sliderPass, {}, &whole, {}, false});
    EXPECT_GT(section.resumedFrom, 0) << row.name;
    expectSameFigures(section, simulateCut(edited, setup, sliderPass), row.name);
}

INSTANTIATE_TEST_SUITE_P(
    EditedPrograms, ResumedSimulation,
    ::testing::Values(ResumedCase{"a pass of a long program made deeper", "1", "0.01", 0.8},
                      ResumedCase{"three starts, a second run pressed", "3", "0.02", 1},
                      ResumedCase{"a second run pressed", "1", "0.01", 1}));

TEST(ReadThreadingPasses, EveryCommentStartsARunAndFWordsAreModal) {
    const auto reading = readThreadingPasses(
        u"(A)\r\nG00 X30 Z5\r\nG32 Z-20 F2\r\nG00 X40\r\nG00 X31 Z4\r\nG34 Z-20\r\n(B)\r\n"
        u"G00 X32 Z5\r\nG32 Z-20 F3 (F9)\r\nG00 X40\r\nNT01 MODIN OG34 XP=30 FD=12.7\r\n");
    ASSERT_EQ(reading.passes.size(), 3u);
    EXPECT_EQ(reading.runs, 2);
    EXPECT_EQ(reading.passes[1].run, 0);
    EXPECT_EQ(reading.passes[2].run, 1);
    EXPECT_EQ(reading.passes[1].feed, 2);
    EXPECT_EQ(reading.passes[2].feed, 3);
    EXPECT_EQ(reading.passes[2].line, 8);
    EXPECT_EQ(reading.passes[0].retractX, 40);
}

// On a taper the program puts every start on the one cone of start 0: each start's
// groove comes out as the single start's, with its cusp and no gouge.
TEST(WorkedExample, EveryStartOfATaperLiesOnOneCone) {
    auto dialog = workedExampleDialog();
    dialog.text(JobField::TaperAngle) = "1.5";
    const auto first = press(dialog);
    const auto single = simulateProgram(utf16(first.panes.standard), &first.job);
    ASSERT_TRUE(single.cusp);
    ASSERT_FALSE(single.gouge);
    for (const char* starts : {"2", "3", "20"}) {
        dialog.text(JobField::Starts) = starts;
        const auto out = press(dialog);
        const auto result = simulateProgram(utf16(out.panes.standard), &out.job);
        ASSERT_TRUE(result.cusp) << starts;
        EXPECT_NEAR(result.cusp->height, single.cusp->height, kHeight) << starts;
        EXPECT_FALSE(result.gouge) << starts << " starts gouge " << result.gouge->height;
    }
}

} // namespace
} // namespace quillmar
