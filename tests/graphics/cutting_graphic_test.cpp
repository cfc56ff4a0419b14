#include "graphics/graphics.h"
#include "tests/core/example_dialogs.h"
#include "tests/graphics/display_list.h"
#include "tests/nc/sample_programs.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmar {
namespace {

using namespace quillmar::testing;

constexpr Colour kGreen = Colour::rgb(0, 128, 0);
constexpr Colour kYellow = Colour::rgb(255, 255, 0);
constexpr Colour kPurple = Colour::rgb(128, 0, 128);
constexpr Colour kCyan = Colour::rgb(0, 255, 255);
constexpr Colour kShadow = Colour::named(SystemColour::ButtonShadow);

struct Drawn : quillmar::testing::Drawn {
    Drawn() : quillmar::testing::Drawn(&drawCuttingGraphic) {}
};

void draw(Drawn& drawn, const ThreadJob& job, std::u16string_view text) {
    drawn.draw(job, text);
}

// The example job's grid with its thread reaching to `zEnd`.
void drawToZEnd(Drawn& drawn, double zEnd) {
    ThreadJob job = exampleJob();
    job.zEnd = zEnd;
    job.passLength = (job.zStart - job.zEnd) + job.pitch;
    draw(drawn, job, u"");
}

TEST(CuttingGraphic, ScaleGridAndLabelsOfTheExampleJob) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"");
    ASSERT_TRUE(drawn.completed);
    EXPECT_EQ(std::get<ClearCommand>(drawn.surface.commands().front()).background,
              Colour::rgb(8, 0, 0));
    const UserScale scale = drawn.surface.scale();
    EXPECT_FLOAT_EQ(scale.left, -91.04f);
    EXPECT_FLOAT_EQ(scale.width, 132.48f);
    EXPECT_EQ(scale.top, -17.7f);
    EXPECT_FLOAT_EQ(scale.height, 5.6f);

    std::vector<double> rows;
    for (const LineCommand& line : linesIn(drawn.surface, kGreen)) {
        if (line.y1 == line.y2) {
            EXPECT_EQ(line.x1, -85);
            EXPECT_EQ(line.x2, 35);
            rows.push_back(line.y1);
        }
    }
    EXPECT_EQ(rows, (std::vector<double>{-16.5, -16, -15.5, -15, -14.5, -14, -13.5, -13, -12.5}));

    std::vector<double> columns;
    for (const LineCommand& line : commandsOf<LineCommand>(drawn.surface)) {
        if (line.x1 == line.x2 && line.y1 != line.y2) {
            EXPECT_EQ(line.y1, -16.5);
            EXPECT_EQ(line.y2, -12.5);
            EXPECT_EQ(line.colour, line.x1 == 0 ? kShadow : kGreen) << line.x1;
            columns.push_back(line.x1);
        }
    }
    ASSERT_EQ(columns.size(), 25u);
    EXPECT_EQ(columns.front(), -85);
    EXPECT_EQ(columns.back(), 35);

    const auto stock = linesIn(drawn.surface, Colour::rgb(0, 0, 255));
    ASSERT_EQ(stock.size(), 1u);
    EXPECT_EQ(stock[0],
              (LineCommand{-85, -15, 35, -15, Colour::rgb(0, 0, 255), LineStyle::Dotted}));

    const auto prints = commandsOf<PrintCommand>(drawn.surface);
    const auto texts = printedTexts(drawn.surface);
    const std::vector<std::string> diameters{"X33", "X32", "X31", "X30", "X29",
                                             "X28", "X27", "X26", "X25"};
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 9), diameters);
    EXPECT_DOUBLE_EQ(prints[0].x, -85 - 3.2);
    EXPECT_DOUBLE_EQ(prints[0].y, -16.6);
    EXPECT_EQ(texts[9], "mm");
    EXPECT_EQ(prints[9].x, -85);
    EXPECT_DOUBLE_EQ(prints[9].y, -16.7);
    EXPECT_EQ(texts[10], "-85");
    EXPECT_DOUBLE_EQ(prints[10].x, -86.1);
    EXPECT_DOUBLE_EQ(prints[10].y, -12.45);
    EXPECT_EQ(texts[27], " 0");
    EXPECT_EQ(texts[34], " 35");
    EXPECT_EQ(texts[35], "mm");
    EXPECT_EQ(prints[35].x, 37.5);
    EXPECT_EQ(texts.size(), 36u);

    EXPECT_EQ(drawn.surface.mousePointer(), MousePointer::Crosshair);
}

// A pass length of many starts keeps its Z labels apart: every 50 mm over 840 mm.
TEST(CuttingGraphic, ZLabelsOfALongPassAreThinnedToRoundNumbers) {
    Drawn drawn;
    drawToZEnd(drawn, -800);
    ASSERT_TRUE(drawn.completed);
    std::vector<std::string> zLabels;
    for (const std::string& text : printedTexts(drawn.surface)) {
        if (text.front() != 'X' && text != "mm") {
            zLabels.push_back(text);
        }
    }
    ASSERT_EQ(zLabels.size(), 17u); // -800 to 0: the grid ends at 35
    EXPECT_EQ(zLabels.front(), "-800");
    EXPECT_EQ(zLabels[1], "-750");
    EXPECT_EQ(zLabels.back(), " 0");
}

TEST(CuttingGraphic, FanucSampleMovesAndPitchMarks) {
    Drawn drawn;
    draw(drawn, exampleJob(), samples::kFanucProgram);
    ASSERT_TRUE(drawn.completed);

    const auto points = commandsOf<PointCommand>(drawn.surface);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0], (PointCommand{50, -14, kYellow}));

    const auto rapids = linesIn(drawn.surface, kPurple);
    ASSERT_EQ(rapids.size(), 7u);
    EXPECT_EQ(rapids[0], (LineCommand{50, -14, 17.7, -16, kPurple, LineStyle::Solid}));
    EXPECT_EQ(rapids[1], (LineCommand{-80, -16, -80, -14, kPurple, LineStyle::Solid}));

    const auto feeds = linesIn(drawn.surface, kYellow);
    ASSERT_EQ(feeds.size(), 2u);
    EXPECT_EQ(feeds[0], (LineCommand{17.7, -16, -80, -16, kYellow, LineStyle::Solid}));
    EXPECT_EQ(feeds[1], (LineCommand{17.5, -16, -80, -16, kYellow, LineStyle::Solid}));

    const auto circles = commandsOf<CircleCommand>(drawn.surface);
    ASSERT_EQ(circles.size(), 2u * 16u);
    const double firstPass[] = {17.7, 5, -7.7, -20.4, -33.1, -45.8, -58.5, -71.2};
    for (int k = 0; k < 8; ++k) {
        for (int r = 0; r < 2; ++r) {
            const CircleCommand& mark = circles[std::size_t(2 * k + r)];
            EXPECT_NEAR(mark.x, firstPass[k], 1e-9) << k;
            EXPECT_EQ(mark.y, -16);
            EXPECT_EQ(mark.radius, r == 0 ? 0.05 : 0.1);
            EXPECT_EQ(mark.colour, kCyan);
        }
    }
    EXPECT_EQ(circles[16].x, 17.5);
    EXPECT_FALSE(containsText(drawn.surface, "pitch marks limited"));
    EXPECT_EQ(drawn.reader.modalG, 28);
}

TEST(CuttingGraphic, MarksFollowTheSlopeOfATaperMove) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"G00 X30 Z10\r\nG00 X32 Z10\r\nG32 X36 Z-15.4\r\n");
    const auto circles = commandsOf<CircleCommand>(drawn.surface);
    ASSERT_EQ(circles.size(), 6u); // Z 10, -2.7, -15.4 at most
    EXPECT_EQ(circles[0].y, -16);
    EXPECT_NEAR(circles[2].x, -2.7, 1e-12);
    EXPECT_NEAR(circles[2].y, -17, 1e-12);
}

TEST(CuttingGraphic, FeedMovesAwayFromMinusZOrAlongXGetNoMarks) {
    for (const char16_t* text : {u"G00 X30 Z-80\r\nG32 Z10\r\n", u"G00 X30 Z10\r\nG32 X20\r\n"}) {
        Drawn drawn;
        draw(drawn, exampleJob(), text);
        ASSERT_TRUE(drawn.completed);
        EXPECT_EQ(linesIn(drawn.surface, kYellow).size(), 1u);
        EXPECT_TRUE(commandsOf<CircleCommand>(drawn.surface).empty());
    }
}

TEST(CuttingGraphic, PitchOfZeroOrLessDrawsNoMarks) {
    for (const double pitch : {0.0, -12.7}) {
        ThreadJob job = exampleJob();
        job.pitch = pitch;
        Drawn drawn;
        draw(drawn, job, samples::kFanucProgram);
        ASSERT_TRUE(drawn.completed);
        EXPECT_EQ(linesIn(drawn.surface, kYellow).size(), 2u);
        EXPECT_TRUE(commandsOf<CircleCommand>(drawn.surface).empty());
    }
}

TEST(CuttingGraphic, CommentsLiftThePen) {
    Drawn drawn;
    draw(drawn, exampleJob(), samples::kOspStandardProgram);
    ASSERT_TRUE(drawn.completed);
    auto points = commandsOf<PointCommand>(drawn.surface);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0], (PointCommand{50, -14, kYellow}));

    Drawn lifted;
    draw(lifted, exampleJob(),
         u"G00 X30 Z10\r\nG00 X32 Z5\r\n(-----< THREAD >-----)\r\n"
         u"G00 X28 Z5\r\nG00 X30 Z4\r\n");
    points = commandsOf<PointCommand>(lifted.surface);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1], (PointCommand{5, -14, kYellow}));
    EXPECT_EQ(linesIn(lifted.surface, kPurple).size(), 2u);
}

TEST(CuttingGraphic, NoPassLengthLeavesThePictureUntouched) {
    for (const double length : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        ThreadJob job = exampleJob();
        job.passLength = length;
        Drawn drawn;
        drawn.surface.line(1, 2, 3, 4, kGreen);
        draw(drawn, job, samples::kFanucProgram);
        EXPECT_FALSE(drawn.completed);
        EXPECT_EQ(drawn.surface.commands().size(), 1u);
    }
}

TEST(CuttingGraphic, EqualDiametersStopAfterTheClear) {
    ThreadJob job = exampleJob();
    job.d2 = job.d1;
    Drawn drawn;
    draw(drawn, job, samples::kFanucProgram);
    EXPECT_FALSE(drawn.completed);
    ASSERT_EQ(drawn.surface.commands().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<ClearCommand>(drawn.surface.commands()[0]));
}

TEST(CuttingGraphic, EmptyTextGivesGridAndLabelsAndTheCrosshair) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"");
    ASSERT_TRUE(drawn.completed);
    EXPECT_TRUE(commandsOf<PointCommand>(drawn.surface).empty());
    EXPECT_TRUE(linesIn(drawn.surface, kYellow).empty());
    EXPECT_FALSE(linesIn(drawn.surface, kGreen).empty());
    EXPECT_EQ(drawn.surface.mousePointer(), MousePointer::Crosshair);
}

TEST(CuttingGraphic, LastLineWithoutALineBreakIsNotDrawn) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"G00 X30 Z10\r\nG00 X32 Z5");
    EXPECT_EQ(commandsOf<PointCommand>(drawn.surface).size(), 1u);
    EXPECT_TRUE(linesIn(drawn.surface, kPurple).empty());
}

TEST(CuttingGraphic, TooManyPitchMarksAreLimitedAndSaySo) {
    ThreadJob job = exampleJob();
    job.pitch = 0.0001; // a million marks along one move
    Drawn drawn;
    draw(drawn, job, u"G00 X32 Z17.7\r\nG32 Z-80\r\n");
    ASSERT_TRUE(drawn.completed);
    EXPECT_EQ(commandsOf<CircleCommand>(drawn.surface).size(), 2u * 100000u);
    const auto prints = commandsOf<PrintCommand>(drawn.surface);
    EXPECT_EQ(prints.back().text, "pitch marks limited");
    EXPECT_EQ(prints.back().x, drawn.surface.scale().left);
    EXPECT_EQ(prints.back().y, drawn.surface.scale().top);
}

TEST(CuttingGraphic, GridBeyondSixteenBitsIsLimitedAndSaysSo) {
    Drawn drawn;
    drawToZEnd(drawn, -50000);
    ASSERT_TRUE(drawn.completed);
    EXPECT_TRUE(containsText(drawn.surface, "grid limited"));
    for (const LineCommand& line : commandsOf<LineCommand>(drawn.surface)) {
        if (line.x1 == line.x2) {
            EXPECT_GE(line.x1, -32768);
        }
    }
}

TEST(CuttingGraphic, ExtremeJobsNeverDrawAnInfinityNorHang) {
    const double huge = std::numeric_limits<double>::max();
    std::vector<ThreadJob> jobs;
    for (int field = 0; field < 6; ++field) {
        for (const double value : {huge, -huge, 1e30, -1e30, 1e-300}) {
            ThreadJob job = exampleJob();
            double* fields[] = {&job.pitch,         &job.d1,  &job.d2, &job.zStart,
                                &job.stockDiameter, &job.zEnd};
            *fields[field] = value;
            job.passLength = (job.zStart - job.zEnd) + job.pitch;
            jobs.push_back(job);
        }
    }
    for (const ThreadJob& job : jobs) {
        Drawn cutting;
        draw(cutting, job, samples::kFanucProgram);
        EXPECT_TRUE(allFinite(cutting.surface));
        RecordingSurface point;
        NcLineReader reader;
        drawPointGraphic(job, samples::kOspMacroProgram, reader, point);
        EXPECT_TRUE(allFinite(point));
    }
}

// The pitch marks of each feed move, in the order drawn (Z of the smaller circle).
std::vector<std::vector<double>> marksPerFeedMove(const RecordingSurface& surface) {
    std::vector<std::vector<double>> moves;
    for (const DrawCommand& command : surface.commands()) {
        if (const auto* line = std::get_if<LineCommand>(&command);
            line && line->colour == kYellow) {
            moves.emplace_back();
        } else if (const auto* c = std::get_if<CircleCommand>(&command);
                   c && c->colour == kCyan && c->radius == 0.05 && !moves.empty()) {
            moves.back().push_back(std::round(c->x * 1e9) / 1e9);
        }
    }
    return moves;
}

// A start cut from its start angle is drawn where it cuts: its marks are those of the same
// start shifted along Z, but for the mark at that start's own start point.
class AngleStarts : public ::testing::TestWithParam<std::tuple<std::string_view, const char*>> {};

TEST_P(AngleStarts, MarkTheGroovesOfTheStartsShiftedAlongZ) {
    const auto marks = [](StartShift shift) {
        DialogSnapshot dialog = workedExampleDialog();
        dialog.choices.control = std::get<0>(GetParam());
        dialog.choices.startShift = shift;
        dialog.text(JobField::Starts) = std::get<1>(GetParam());
        const PressedOutput out = pressOutput(dialog);
        EXPECT_TRUE(out.ok);
        Drawn drawn;
        draw(drawn, out.job, std::u16string(out.panes.standard.begin(), out.panes.standard.end()));
        return marksPerFeedMove(drawn.surface);
    };
    const auto byAngle = marks(StartShift::Angle);
    const auto byZ = marks(StartShift::Z);
    ASSERT_EQ(byAngle.size(), byZ.size());
    int shifted = 0;
    for (std::size_t i = 0; i < byZ.size(); ++i) {
        if (byAngle[i] != byZ[i]) {
            ASSERT_FALSE(byZ[i].empty());
            EXPECT_EQ(byAngle[i], std::vector<double>(byZ[i].begin() + 1, byZ[i].end())) << i;
            ++shifted;
        }
    }
    EXPECT_EQ(shifted, int(byZ.size()) * (std::stoi(std::get<1>(GetParam())) - 1) /
                           std::stoi(std::get<1>(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Controls, AngleStarts,
                         ::testing::Combine(::testing::Values("mitsubishi", "heidenhain",
                                                              "sinumerik"),
                                            ::testing::Values("2", "3")));

} // namespace
} // namespace quillmar
