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

std::string workedExample() {
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
    recorded.points = pictures.points();
    recorded.cutting = pictures.cutting();
    return recorded;
}

template <typename Command> std::size_t countOf(const RecordingSurface& surface) {
    std::size_t count = 0;
    for (const DrawCommand& command : surface.commands()) {
        count += std::holds_alternative<Command>(command) ? 1 : 0;
    }
    return count;
}

class ExamplePictures : public ::testing::TestWithParam<const char*> {};

// The commands of the last drawing after its clear. The clear itself carries the scale
// and text settings the drawing before left, which nothing after it shows.
std::vector<DrawCommand> afterTheClear(const RecordingSurface& surface) {
    const auto& commands = surface.commands();
    EXPECT_FALSE(commands.empty());
    EXPECT_TRUE(std::holds_alternative<ClearCommand>(commands.front()));
    return {commands.begin() + (commands.empty() ? 0 : 1), commands.end()};
}

// Drawn again at every pane change, the pictures end as one drawing of the final texts
// with the last job would draw them: each drawing starts by clearing, and generated
// text leaves the shared reader in no state that changes the next drawing.
TEST_P(ExamplePictures, EndAsTheFinalTextsDraw) {
    const Recorded recorded = recordJob(test::readBytes(kExamples + GetParam()));
    ASSERT_TRUE(recorded.outcome.ok());
    NcLineReader reader;
    RecordingSurface points;
    RecordingSurface cutting;
    points.setPixelHeight(kSize.height);
    cutting.setPixelHeight(kSize.height);
    EXPECT_TRUE(drawPointGraphic(recorded.outcome.job, utf16FromUtf8(recorded.outcome.macroText),
                                 reader, points));
    EXPECT_TRUE(drawCuttingGraphic(recorded.outcome.job,
                                   utf16FromUtf8(recorded.outcome.standardText), reader, cutting));
    EXPECT_EQ(afterTheClear(recorded.points), afterTheClear(points));
    EXPECT_EQ(afterTheClear(recorded.cutting), afterTheClear(cutting));
    EXPECT_EQ(recorded.points.background(), Colour::rgb(8, 0, 0));
    EXPECT_EQ(recorded.cutting.background(), Colour::rgb(8, 0, 0));
    EXPECT_GT(countOf<LineCommand>(recorded.points), 20u);
    EXPECT_GT(countOf<CircleCommand>(recorded.cutting), 20u) << "pitch marks";
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplePictures,
                         ::testing::Values("worked-example.job", "inner-trapezoidal-three-runs.job",
                                           "outer-taper-thread.job"));

TEST(PanePictures, EachPaneChangeComesWithTheJobOfItsRun) {
    std::vector<std::pair<Pane, double>> changes;
    const JobOutcome outcome = runJob(runsOf(workedExample() + "[run]\npitch = 5\n"),
                                      [&](Pane pane, const std::string&, const ThreadJob& job) {
                                          changes.emplace_back(pane, job.pitch);
                                      });
    ASSERT_TRUE(outcome.ok());
    const std::vector<std::pair<Pane, double>> expected = {
        {Pane::MacroA, 6}, {Pane::StandardB, 6}, {Pane::MacroA, 5}, {Pane::StandardB, 5}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(outcome.job.pitch, 5);
}

// A last run whose passes end before they start (passLength below 0) leaves the
// cutting graphic as the run before drew it, as the picture box keeps it.
TEST(PanePictures, CuttingGraphicThatDrawsNothingKeepsTheLastPicture) {
    const Recorded first = recordJob(workedExample());
    const Recorded both = recordJob(workedExample() + "[run]\nzStart = -40\n");
    ASSERT_TRUE(both.outcome.ok());
    ASSERT_LT(both.outcome.job.passLength, 0);
    EXPECT_EQ(both.cutting.commands(), first.cutting.commands());
    EXPECT_NE(both.points.commands(), first.points.commands()) << "the point graphic is redrawn";
}

// A pitch of 0 gives the point graphic no width: it stops after clearing, and the
// picture shows the cleared background, as the window does.
TEST(PanePictures, PointGraphicThatStopsKeepsWhatItDrew) {
    std::string job = workedExample();
    job.replace(job.find("\npitch = 6\n"), 11, "\npitch = 0\n");
    const Recorded recorded = recordJob(job);
    ASSERT_TRUE(recorded.outcome.ok());
    EXPECT_EQ(countOf<ClearCommand>(recorded.points), 1u);
    EXPECT_EQ(countOf<LineCommand>(recorded.points), 0u);
    EXPECT_EQ(recorded.points.background(), Colour::rgb(8, 0, 0));
    EXPECT_GT(countOf<LineCommand>(recorded.cutting), 20u);
    EXPECT_EQ(countOf<CircleCommand>(recorded.cutting), 0u) << "no pitch, no pitch marks";
}

} // namespace
} // namespace quillmar
