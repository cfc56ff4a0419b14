#include "graphics/graphic_basis.h"
#include "graphics/graphics.h"
#include "tests/graphics/display_list.h"
#include "tests/nc/sample_programs.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

using namespace quillmar::testing;

constexpr Colour kStockBlue = Colour::rgb(0, 0, 255);

bool inside(const UserScale& scale, double x, double y) {
    return x >= scale.left && x <= scale.left + scale.width && y >= scale.top &&
           y <= scale.top + scale.height;
}

// Every drawn end point of the path lies inside the picture.
void expectPathInside(const RecordingSurface& surface) {
    const UserScale scale = surface.scale();
    for (const PointCommand& point : commandsOf<PointCommand>(surface)) {
        EXPECT_TRUE(inside(scale, point.x, point.y)) << point.x << " " << point.y;
    }
    // Rapid moves purple, feed moves and joined points yellow; the grid may run past.
    for (const Colour path : {Colour::rgb(128, 0, 128), Colour::rgb(255, 255, 0)}) {
        for (const LineCommand& line : linesIn(surface, path)) {
            EXPECT_TRUE(inside(scale, line.x2, line.y2)) << line.x2 << " " << line.y2;
        }
    }
}

struct ExtentCase {
    const char* name;
    Drawn::Graphic graphic;
    std::u16string_view text;
};

// Before any program output the job's inputs are unset: the text's own extent gives
// the scale, so any program is drawn whole, without stock line or pitch marks.
TEST(GraphicBasis, AnUnsetJobScalesEachGraphicToItsProgram) {
    const ExtentCase cases[] = {
        {"points, macro sample", &drawPointGraphic, samples::kOspMacroProgram},
        {"cutting, FANUC sample", &drawCuttingGraphic, samples::kFanucProgram},
        {"cutting, OSP sample", &drawCuttingGraphic, samples::kOspStandardProgram},
        {"points, one position", &drawPointGraphic, u"X10 Z5\r\n"},
        {"cutting, one position", &drawCuttingGraphic, u"X10 Z5\r\n"},
        {"cutting, far from any job", &drawCuttingGraphic,
         u"G00 X500 Z900\r\nG32 X480 Z-300 F2\r\n"},
    };
    for (const ExtentCase& c : cases) {
        Drawn drawn(c.graphic);
        drawn.draw(ThreadJob{}, c.text);
        EXPECT_TRUE(drawn.completed) << c.name;
        EXPECT_TRUE(allFinite(drawn.surface)) << c.name;
        expectPathInside(drawn.surface);
        EXPECT_TRUE(linesIn(drawn.surface, kStockBlue).empty()) << c.name;
        EXPECT_TRUE(commandsOf<CircleCommand>(drawn.surface).empty()) << c.name;
    }
}

TEST(GraphicBasis, TheExtentKeepsTheJobsMarginsAndGridRules) {
    const ProgramExtent extent{28, 32, -80, 17.7};
    const GraphicBasis cutting = basisFromExtent(extent, GraphicKind::Cutting);
    EXPECT_EQ(cutting.d1, 32);
    EXPECT_EQ(cutting.zStart, 17.7);
    EXPECT_EQ(cutting.zEnd, -80);
    EXPECT_DOUBLE_EQ(cutting.passLength, 97.7);
    EXPECT_EQ(cutting.pitch, 0);
    const GraphicBasis points = basisFromExtent(extent, GraphicKind::Points);
    EXPECT_EQ(points.zStart, -80);
    EXPECT_DOUBLE_EQ(points.pitch, 97.7);
    // A 4 mm range leaves enough room below X28: D2 is the smallest diameter.
    EXPECT_EQ(points.d2, 28);
}

TEST(GraphicBasis, AnUnsetJobWithoutMovesDrawsAsBefore) {
    Drawn points(&drawPointGraphic);
    points.draw(ThreadJob{}, u"(NO MOVES)\r\n");
    EXPECT_FALSE(points.completed);
    EXPECT_EQ(points.surface.commands().size(), 1u); // the clear
    Drawn cutting(&drawCuttingGraphic);
    cutting.draw(ThreadJob{}, u"");
    EXPECT_FALSE(cutting.completed);
    EXPECT_TRUE(cutting.surface.commands().empty());
}

TEST(GraphicBasis, ASetJobIgnoresTheTextsExtent) {
    Drawn drawn(&drawCuttingGraphic);
    drawn.draw(exampleJob(), u"G00 X500 Z900\r\nG32 X480 Z-300 F2\r\n");
    ASSERT_TRUE(drawn.completed);
    EXPECT_FLOAT_EQ(drawn.surface.scale().left, -91.04f);
    EXPECT_FLOAT_EQ(drawn.surface.scale().width, 132.48f);
    EXPECT_FALSE(linesIn(drawn.surface, kStockBlue).empty());
    EXPECT_FALSE(commandsOf<CircleCommand>(drawn.surface).empty()); // the job's pitch
}

} // namespace
} // namespace quillmar
