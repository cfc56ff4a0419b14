#include "graphics/graphics.h"
#include "tests/graphics/display_list.h"
#include "tests/nc/sample_programs.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

using namespace quillmar::testing;

constexpr Colour kGreen = Colour::rgb(0, 128, 0);
constexpr Colour kYellow = Colour::rgb(255, 255, 0);
constexpr Colour kGrey = Colour::rgb(192, 192, 192);

struct Drawn : quillmar::testing::Drawn {
    Drawn() : quillmar::testing::Drawn(&drawPointGraphic) {}
};

void draw(Drawn& drawn, const ThreadJob& job, std::u16string_view text) {
    drawn.draw(job, text);
}

TEST(PointGraphic, ScaleGridAndLabelsOfTheExampleJob) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"");
    ASSERT_TRUE(drawn.completed);
    const auto& first = std::get<ClearCommand>(drawn.surface.commands().front());
    EXPECT_EQ(first.background, Colour::rgb(8, 0, 0));

    const UserScale scale = drawn.surface.scale();
    EXPECT_EQ(scale.left, float(-0.06 * 12.7));
    EXPECT_FLOAT_EQ(scale.left, -0.762f);
    EXPECT_EQ(scale.top, -17.7f);
    EXPECT_FLOAT_EQ(scale.width, 14.986f);
    EXPECT_EQ(scale.height, float(1.3 * 4));

    // Rows from -16.5 down to -13.5: the single-precision top and height add up to
    // a little less than -12.5, so -13.0 is not reached.
    std::vector<double> rows;
    std::vector<double> columns;
    for (const LineCommand& line : linesIn(drawn.surface, kGreen)) {
        if (line.y1 == line.y2) {
            EXPECT_EQ(line.x1, 0);
            EXPECT_EQ(line.x2, 13);
            rows.push_back(line.y1);
        } else {
            EXPECT_EQ(line.x1, line.x2);
            EXPECT_EQ(line.y1, -16.5);
            EXPECT_EQ(line.y2, -13.5);
            columns.push_back(line.x1);
        }
    }
    EXPECT_EQ(rows, (std::vector<double>{-16.5, -16, -15.5, -15, -14.5, -14, -13.5}));
    EXPECT_EQ(columns, (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));

    const auto stock = linesIn(drawn.surface, Colour::rgb(0, 0, 255));
    ASSERT_EQ(stock.size(), 1u);
    EXPECT_EQ(stock[0], (LineCommand{0, -15, 13, -15, Colour::rgb(0, 0, 255), LineStyle::Dotted}));
    EXPECT_EQ(drawn.surface.lineStyle(), LineStyle::Solid);

    const auto prints = commandsOf<PrintCommand>(drawn.surface);
    std::vector<std::string> texts = printedTexts(drawn.surface);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"X33", "X32", "X31", "X30", "X29", "X28", "X27", "mm",
                                        " 0",  " 1",  " 2",  " 3",  " 4",  " 5",  " 6",  " 7",
                                        " 8",  " 9",  " 10", " 11", " 12", " 13", "mm"}));
    for (const PrintCommand& print : prints) {
        EXPECT_EQ(print.fontSize, 12);
        EXPECT_EQ(print.colour, kGrey);
    }
    EXPECT_EQ(prints[0].x, -0.6);
    EXPECT_EQ(prints[0].y, -16.5 - 0.1);
    EXPECT_EQ(prints[7].x, 0.1);
    EXPECT_EQ(prints[7].y, -16.5 - 0.2);
    EXPECT_EQ(prints[8].x, 0 - 0.11);
    EXPECT_EQ(prints[8].y, -13.5 + 0.05);
    EXPECT_EQ(prints[21].x, 13 - 0.11);
    EXPECT_DOUBLE_EQ(prints[22].x, 13.4);
    EXPECT_EQ(prints[22].y, -13.5 + 0.05);

    EXPECT_EQ(drawn.surface.mousePointer(), MousePointer::Crosshair);
    EXPECT_TRUE(commandsOf<PointCommand>(drawn.surface).empty());
    EXPECT_TRUE(linesIn(drawn.surface, kYellow).empty());
}

TEST(PointGraphic, LastVerticalLineRoundsHalfToEven) {
    struct Case {
        double pitch;
        double lastColumn;
        double right;
    };
    for (const Case& c : {Case{2, 2, 3}, Case{3, 4, 4}, Case{12.7, 13, 13}, Case{1.5, 2, 2}}) {
        Drawn drawn;
        ThreadJob job = exampleJob();
        job.pitch = c.pitch;
        draw(drawn, job, u"");
        ASSERT_TRUE(drawn.completed);
        double lastColumn = -1;
        for (const LineCommand& line : linesIn(drawn.surface, kGreen)) {
            if (line.y1 == line.y2) {
                EXPECT_EQ(line.x2, c.right) << c.pitch;
            } else {
                lastColumn = line.x1;
            }
        }
        EXPECT_EQ(lastColumn, c.lastColumn) << c.pitch;
        const auto texts = printedTexts(drawn.surface);
        EXPECT_EQ(texts[texts.size() - 2], " " + std::to_string(int(c.right))) << c.pitch;
    }
}

TEST(PointGraphic, ZeroPitchOrEqualDiametersStopSilentlyAfterTheClear) {
    ThreadJob noPitch = exampleJob();
    noPitch.pitch = 0;
    ThreadJob flat = exampleJob();
    flat.d2 = flat.d1;
    for (const ThreadJob& job : {noPitch, flat}) {
        Drawn drawn;
        drawn.surface.setScale(0, 0, 100, 100);
        drawn.surface.line(1, 1, 2, 2, kGreen);
        draw(drawn, job, samples::kOspMacroProgram);
        EXPECT_FALSE(drawn.completed);
        ASSERT_EQ(drawn.surface.commands().size(), 1u);
        EXPECT_EQ(std::get<ClearCommand>(drawn.surface.commands()[0]).background,
                  Colour::rgb(8, 0, 0));
        EXPECT_EQ(drawn.surface.scale(), (UserScale{0, 0, 100, 100}));
        EXPECT_EQ(drawn.surface.mousePointer(), MousePointer::Default);
    }
}

TEST(PointGraphic, PointsAreJoinedAndEveryCommentLiftsThePen) {
    Drawn drawn;
    draw(drawn, exampleJob(), samples::kOspMacroProgram);
    ASSERT_TRUE(drawn.completed);
    const auto points = commandsOf<PointCommand>(drawn.surface);
    const auto lines = linesIn(drawn.surface, kYellow);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].x, 50 - 17.7);
    EXPECT_EQ(points[0].y, -15);
    EXPECT_EQ(points[1].x, 0); // N099 X32 Z17.7 after ". (POINT DATA)"
    EXPECT_EQ(points[1].y, -16);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_DOUBLE_EQ(lines[0].x1, 50 - 17.7);
    EXPECT_EQ(lines[0].x2, 0);
    EXPECT_DOUBLE_EQ(lines[1].x2, 17.5 - 17.7);
    EXPECT_DOUBLE_EQ(lines[2].x2, 17.3 - 17.7);
    EXPECT_EQ(lines[3].x1, 0); // from the point after the comment
    EXPECT_DOUBLE_EQ(lines[3].x2, 50 - 17.7);
    EXPECT_EQ(lines[4].y2, -400);
}

// The point data of two starts lists each point for start 0, then start 1 one pitch
// further out: only start 0's points are joined, into the groove of one start.
TEST(PointGraphic, AMultiStartJobShowsTheGrooveOfOneStart) {
    ThreadJob job = exampleJob();
    job.starts = 2;
    Drawn drawn;
    draw(drawn, job,
         u"(-----< D32 >-----)\r\nN001 X32 Z17.7\r\nN002 X32 Z30.4\r\nN003 X31 Z17.5\r\n"
         u"N004 X31 Z30.2\r\n(-----< D32 >-----)\r\nN005 X30 Z17.3\r\nN006 X30 Z30\r\n");
    ASSERT_TRUE(drawn.completed);
    const auto points = commandsOf<PointCommand>(drawn.surface);
    const auto lines = linesIn(drawn.surface, kYellow);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_DOUBLE_EQ(points[1].x, 17.3 - 17.7);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 0);
    EXPECT_DOUBLE_EQ(lines[0].x2, 17.5 - 17.7);
}

TEST(PointGraphic, LastLineWithoutALineBreakIsNotDrawn) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"N001 X32 Z17.7\r\nN002 X31 Z17.5");
    ASSERT_TRUE(drawn.completed);
    EXPECT_EQ(commandsOf<PointCommand>(drawn.surface).size(), 1u);
    EXPECT_TRUE(linesIn(drawn.surface, kYellow).empty());
}

TEST(PointGraphic, ReadingFailureKeepsWhatWasDrawnAndSetsNoCrosshair) {
    Drawn drawn;
    draw(drawn, exampleJob(), u"N001 X32 Z17.7\r\nN002 X9" + std::u16string(40, u'9') + u"\r\n");
    EXPECT_FALSE(drawn.completed);
    EXPECT_EQ(commandsOf<PointCommand>(drawn.surface).size(), 1u);
    EXPECT_EQ(drawn.surface.mousePointer(), MousePointer::Default);
    EXPECT_TRUE(allFinite(drawn.surface));
}

TEST(PointGraphic, HugeGridIsLimitedAndSaysSo) {
    Drawn normal;
    draw(normal, exampleJob(), u"");
    EXPECT_FALSE(containsText(normal.surface, "grid limited"));

    ThreadJob job = exampleJob();
    job.d2 = -20000; // rows every 0.5 mm over 13,000 mm of radius
    job.pitch = 50000;
    Drawn drawn;
    draw(drawn, job, u"");
    ASSERT_TRUE(drawn.completed);
    EXPECT_TRUE(containsText(drawn.surface, "grid limited"));
    const auto notes = commandsOf<PrintCommand>(drawn.surface);
    EXPECT_EQ(notes.back().x, drawn.surface.scale().left);
    EXPECT_EQ(notes.back().y, drawn.surface.scale().top);
    EXPECT_LE(linesIn(drawn.surface, kGreen).size(), 2u * 4000u);
}

} // namespace
} // namespace quillmar
