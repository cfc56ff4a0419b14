#include "cli/job_runner.h"
#include "cli/pane_pictures.h"
#include "cli/utf16_text.h"
#include "graphics/graphics.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace quillmar {
namespace {

const std::string kExamples = QUILLMAR_SOURCE_DIR "/examples/";
constexpr PictureSize kSize{800, 400};

std::vector<JobRun> runsOf(const std::string& jobText) {
    const JobFile job = parseJobFile(jobText);
    EXPECT_TRUE(job.ok());
    return job.runs;
}

std::string workedExampleText() {
    return test::readBytes(kExamples + "worked-example.job");
}

struct Recorded {
    JobOutcome outcome;
    RecordingSurface points;
    RecordingSurface cutting;
};

Recorded recordJob(const std::string& jobText) {
    PanePictures pictures(kSize);
    Recorded recorded;
    recorded.outcome =
        runJob(runsOf(jobText), [&](Pane pane, const std::string& text, const ThreadJob& job) {
            pictures.paneChanged(pane, text, job);
        });
    pictures.draw(recorded.outcome.macroText, recorded.outcome.standardText);
    recorded.points = pictures.points();
    recorded.cutting = pictures.cutting();
    return recorded;
}

// The window's way: each change draws that pane's graphic again from its whole text,
// one reader shared by both.
Recorded redrawnAtEveryChange(const std::string& jobText) {
    Recorded recorded;
    recorded.points.setPixelHeight(kSize.height);
    recorded.cutting.setPixelHeight(kSize.height);
    NcLineReader reader;
    recorded.outcome =
        runJob(runsOf(jobText), [&](Pane pane, const std::string& text, const ThreadJob& job) {
            if (pane == Pane::Macro) {
                drawPointGraphic(job, utf16FromUtf8(text), reader, recorded.points);
            } else {
                drawCuttingGraphic(job, utf16FromUtf8(text), reader, recorded.cutting);
            }
        });
    return recorded;
}

template <typename Command> std::size_t countOf(const RecordingSurface& surface) {
    std::size_t count = 0;
    for (const DrawCommand& command : surface.commands()) {
        count += std::holds_alternative<Command>(command) ? 1 : 0;
    }
    return count;
}

// The commands of the last drawing after its clear. The clear itself carries the scale
// and text settings the drawing before left, which nothing after it shows.
std::vector<DrawCommand> afterTheClear(const RecordingSurface& surface) {
    const auto& commands = surface.commands();
    EXPECT_FALSE(commands.empty());
    EXPECT_TRUE(std::holds_alternative<ClearCommand>(commands.front()));
    return {commands.begin() + (commands.empty() ? 0 : 1), commands.end()};
}

struct PictureJob {
    const char* name;
    std::string text;
};

class FinalPictures : public ::testing::TestWithParam<PictureJob> {};

// Drawn once after the last run, the pictures show what the window shows after drawing
// again at every change.
TEST_P(FinalPictures, AreTheWindowsLastDrawings) {
    const Recorded once = recordJob(GetParam().text);
    const Recorded window = redrawnAtEveryChange(GetParam().text);
    ASSERT_TRUE(once.outcome.ok());
    EXPECT_EQ(afterTheClear(once.points), afterTheClear(window.points));
    EXPECT_EQ(afterTheClear(once.cutting), afterTheClear(window.cutting));
    EXPECT_EQ(once.points.background(), window.points.background());
    EXPECT_EQ(once.cutting.background(), window.cutting.background());
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, FinalPictures,
    ::testing::Values(
        PictureJob{"WorkedExample", workedExampleText()},
        PictureJob{"ThreeRuns", test::readBytes(kExamples + "inner-trapezoidal-three-runs.job")},
        PictureJob{"OuterTaper", test::readBytes(kExamples + "outer-taper-thread.job")},
        // The last run's passes end before they start: its cutting graphic draws nothing.
        PictureJob{"LastCuttingDrawsNothing", workedExampleText() + "[run]\nzStart = -40\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanePictures, ExamplesDrawTheirPassesAndPitchMarks) {
    const Recorded recorded = recordJob(workedExampleText());
    EXPECT_EQ(recorded.points.background(), Colour::rgb(8, 0, 0));
    EXPECT_GT(countOf<LineCommand>(recorded.points), 20u);
    EXPECT_GT(countOf<CircleCommand>(recorded.cutting), 20u) << "pitch marks";
}

TEST(PanePictures, EachPaneChangeComesWithTheJobOfItsRun) {
    std::vector<std::pair<Pane, double>> changes;
    const JobOutcome outcome = runJob(runsOf(workedExampleText() + "[run]\npitch = 5\n"),
                                      [&](Pane pane, const std::string&, const ThreadJob& job) {
                                          changes.emplace_back(pane, job.pitch);
                                      });
    ASSERT_TRUE(outcome.ok());
    const std::vector<std::pair<Pane, double>> expected = {
        {Pane::Macro, 6}, {Pane::Standard, 6}, {Pane::Macro, 5}, {Pane::Standard, 5}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(outcome.job.pitch, 5);
}

// A last run whose passes end before they start (passLength below 0) leaves the
// cutting graphic as the run before drew it, as the picture box keeps it.
TEST(PanePictures, CuttingGraphicThatDrawsNothingKeepsTheLastPicture) {
    const Recorded first = recordJob(workedExampleText());
    const Recorded both = recordJob(workedExampleText() + "[run]\nzStart = -40\n");
    ASSERT_TRUE(both.outcome.ok());
    ASSERT_LT(both.outcome.job.passLength, 0);
    EXPECT_EQ(both.cutting.commands(), first.cutting.commands());
    EXPECT_NE(both.points.commands(), first.points.commands()) << "the point graphic is redrawn";
}

} // namespace
} // namespace quillmar
