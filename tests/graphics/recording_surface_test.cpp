#include "graphics/recording_surface.h"

#include <gtest/gtest.h>
#include <variant>

namespace quillmar {
namespace {

constexpr Colour kRed = Colour::rgb(255, 0, 0);
constexpr Colour kBlue = Colour::rgb(0, 0, 255);

template <typename Command> const Command& at(const RecordingSurface& surface, std::size_t index) {
    const auto& commands = surface.commands();
    EXPECT_LT(index, commands.size());
    const auto* command = std::get_if<Command>(&commands.at(index));
    EXPECT_NE(command, nullptr) << "command " << index << " has another type";
    static const Command none{};
    return command ? *command : none;
}

TEST(RecordingSurface, ScaleOfZeroWidthOrHeightIsRefusedAndKeepsTheOldScale) {
    RecordingSurface surface;
    ASSERT_TRUE(surface.setScale(-1, 2, 10, 5));
    EXPECT_FALSE(surface.setScale(0, 0, 0, 5));
    EXPECT_FALSE(surface.setScale(0, 0, 5, 0));
    EXPECT_EQ(surface.scale(), (UserScale{-1, 2, 10, 5}));
    EXPECT_EQ(surface.commands().size(), 1u);
}

TEST(RecordingSurface, ScaleReadsBackInSinglePrecision) {
    RecordingSurface surface;
    ASSERT_TRUE(surface.setScale(float(-0.06 * 12.7), float(-17.7), float(1.18 * 12.7), 5.2f));
    EXPECT_EQ(surface.scale().top, -17.7f);
    EXPECT_NE(double(surface.scale().top), -17.7);
}

TEST(RecordingSurface, ClearDropsWhatWasDrawnAndCarriesTheSettingsInForce) {
    RecordingSurface surface;
    surface.setBackground(kRed);
    surface.setScale(0, 0, 10, 10);
    surface.line(0, 0, 1, 1, kBlue);
    surface.setFontSize(12);
    surface.setTextColour(kBlue);
    surface.clear();
    ASSERT_EQ(surface.commands().size(), 1u);
    EXPECT_EQ(at<ClearCommand>(surface, 0),
              (ClearCommand{kRed, UserScale{0, 0, 10, 10}, 12, kBlue}));
}

TEST(RecordingSurface, TextPrintedAfterClearStartsAtTheTopLeftOfTheScale) {
    RecordingSurface surface;
    surface.setScale(-3, 4, 10, 20);
    surface.setTextPosition(5, 5);
    surface.clear();
    surface.print("  X32.000  Z-0.200");
    const auto& print = at<PrintCommand>(surface, 1);
    EXPECT_EQ(print.x, -3);
    EXPECT_EQ(print.y, 4);
    EXPECT_EQ(print.text, "  X32.000  Z-0.200");
}

TEST(RecordingSurface, PrintMovesTheTextPositionToTheNextLine) {
    RecordingSurface surface;
    surface.setPixelHeight(160);
    surface.setScale(-3, 0, 10, 16); // 0.1 unit per pixel
    surface.setFontSize(12);         // 16 pixels at 96 dpi, 19.2 with line spacing
    surface.setTextPosition(2, 1);
    surface.print("a");
    EXPECT_DOUBLE_EQ(surface.lineHeight(), 1.92);
    EXPECT_EQ(surface.textX(), -3);
    EXPECT_DOUBLE_EQ(surface.textY(), 2.92);
    surface.print("b");
    const auto& second = at<PrintCommand>(surface, 3);
    EXPECT_EQ(second.x, -3);
    EXPECT_DOUBLE_EQ(second.y, 2.92);
    EXPECT_EQ(second.fontSize, 12);
}

TEST(RecordingSurface, LineToStartsAtTheLastPointOrLineEndInTheStyleInForce) {
    RecordingSurface surface;
    surface.point(1, 2, kRed);
    surface.setLineStyle(LineStyle::Dotted);
    surface.lineTo(3, 4, kBlue);
    surface.setLineStyle(LineStyle::Solid);
    surface.lineTo(5, 6, kRed);
    EXPECT_EQ(at<LineCommand>(surface, 1), (LineCommand{1, 2, 3, 4, kBlue, LineStyle::Dotted}));
    EXPECT_EQ(at<LineCommand>(surface, 2), (LineCommand{3, 4, 5, 6, kRed, LineStyle::Solid}));
}

TEST(RecordingSurface, ClearPutsTheDrawingPositionAtTheTopLeft) {
    RecordingSurface surface;
    surface.setScale(7, 8, 1, 1);
    surface.point(1, 2, kRed);
    surface.clear();
    surface.lineTo(9, 9, kRed);
    EXPECT_EQ(at<LineCommand>(surface, 1), (LineCommand{7, 8, 9, 9, kRed, LineStyle::Solid}));
}

TEST(RecordingSurface, PointerAndVisibilityAreKeptAndRecorded) {
    RecordingSurface surface;
    surface.setMousePointer(MousePointer::Crosshair);
    surface.setVisible(false);
    EXPECT_EQ(surface.mousePointer(), MousePointer::Crosshair);
    EXPECT_FALSE(surface.visible());
    EXPECT_EQ(at<MousePointerCommand>(surface, 0).pointer, MousePointer::Crosshair);
    EXPECT_FALSE(at<VisibleCommand>(surface, 1).visible);
}

} // namespace
} // namespace quillmar
