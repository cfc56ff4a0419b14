#include "graphics/recording_surface.h"
#include "render/device_mapping.h"
#include "render/paint_plan.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"
#include "tests/render/picture_test_support.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace quillmar {
namespace {

using namespace quillmar::test;

QImage render(const std::vector<DrawCommand>& commands, QSize size = kPictureSize,
              const SystemColours& system = classicSystemColours()) {
    return renderPicture(commands, size, system, QFont());
}

// The same picture through Qt's paint engine, as vector targets draw it.
QImage paintThroughQt(const std::vector<DrawCommand>& commands) {
    QImage image(kPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPlan(PaintPlan::build(commands, kPictureSize, classicSystemColours()), painter, QFont());
    return image;
}

QImage render(const RecordingSurface& surface, QSize size = kPictureSize) {
    return render(surface.commands(), size);
}

struct PixelCase {
    double x;
    double y;
    std::optional<QPoint> pixel;
};

class DevicePixelTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(DevicePixelTest, UserPointFallsOnItsPixel) {
    const DeviceMapping mapping(UserScale{-5, -20, 20, 10}, kPictureSize);
    EXPECT_EQ(mapping.pixel(GetParam().x, GetParam().y), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DevicePixelTest,
    ::testing::Values(PixelCase{-5, -20, QPoint(0, 0)}, PixelCase{0, -15, QPoint(50, 50)},
                      PixelCase{14.9, -10.1, QPoint(199, 99)},
                      PixelCase{14.96, -10.1, std::nullopt}, PixelCase{15, -15, std::nullopt},
                      PixelCase{-5.04, -20, QPoint(0, 0)}, PixelCase{-5.06, -20, std::nullopt},
                      PixelCase{0, -9.9, std::nullopt}, PixelCase{std::nan(""), -15, std::nullopt},
                      PixelCase{0, std::numeric_limits<double>::infinity(), std::nullopt}));

TEST(DeviceMapping, PointerPositionReadsBackTheDrawnPosition) {
    const DeviceMapping mapping(UserScale{-91.04f, -17.7f, 132.48f, 5.6f}, QSize(1200, 600));
    for (const double z : {-80.0, 0.0, 17.7}) {
        const auto pixel = mapping.pixel(z, -16);
        ASSERT_TRUE(pixel);
        EXPECT_NEAR(mapping.userX(pixel->x()), z, 132.48 / 1200);
        EXPECT_NEAR(mapping.userY(pixel->y()), -16, 5.6 / 600);
    }
}

TEST(DeviceMapping, UpwardScaleTurnsThePicture) {
    const DeviceMapping mapping(UserScale{-5, -10, 20, -10}, kPictureSize);
    EXPECT_EQ(mapping.pixel(0, -15), QPoint(50, 50));
    EXPECT_EQ(mapping.pixel(0, -11), QPoint(50, 10));
}

TEST(DeviceMapping, FarLineIsCutWithItsSlope) {
    const DeviceMapping mapping(UserScale{-5, -20, 20, 10}, kPictureSize);
    const auto line = mapping.visibleLine(-1e12, -1e12 - 15, 1e12, 1e12 - 15);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x1() - line->y1(), 0);
    EXPECT_EQ(line->x2() - line->y2(), 0);
    EXPECT_LE(line->x1(), 0);
    EXPECT_GE(line->x2(), 99);
    EXPECT_LE(std::abs(line->x1()), 300);
    EXPECT_FALSE(mapping.visibleLine(20, -15, 30, -15));
    EXPECT_FALSE(mapping.visibleLine(0, std::nan(""), 10, -15));
}

TEST(PaintPlan, BackgroundGridAndMovesLandOnTheirPixels) {
    RecordingSurface surface;
    drawSamplePicture(surface);
    const QImage image = render(surface);
    EXPECT_EQ(pixelColour(image, {0, 0}), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16)), QColor(0, 128, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16) + QPoint(0, -1)), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16) + QPoint(0, 1)), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15)), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(6, -14)), QColor(255, 255, 0));
    // The rapid move is drawn after the grid line it crosses.
    EXPECT_EQ(pixelColour(image, pixelOf(5, -16)), QColor(128, 0, 128));
}

// Whether `image` has `colour` at `pixel` or at one of its eight neighbours.
bool nearby(const QImage& image, QPoint pixel, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint at = pixel + QPoint(dx, dy);
            if (image.rect().contains(at) && image.pixel(at) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(PaintPlan, QtPaintEngineDrawsTheSameShapes) {
    RecordingSurface surface;
    drawSamplePicture(surface);
    surface.line(-4, -19, 14, -11, kFeed);
    surface.point(-3, -19, kMark);
    surface.circle(10, -17, 1, kMark);
    const QImage ours = render(surface);
    const QImage qts = paintThroughQt(surface.commands());
    int exact = 0;
    int drawn = 0;
    // Diagonal lines and circles may round a half pixel the other way.
    for (int y = 0; y < kPictureSize.height(); ++y) {
        for (int x = 0; x < kPictureSize.width(); ++x) {
            EXPECT_TRUE(nearby(qts, {x, y}, ours.pixel(x, y))) << x << "," << y;
            EXPECT_TRUE(nearby(ours, {x, y}, qts.pixel(x, y))) << x << "," << y;
            drawn += ours.pixel(x, y) != qRgb(8, 0, 0);
            exact += ours.pixel(x, y) == qts.pixel(x, y);
        }
    }
    EXPECT_GT(drawn, 500);
    EXPECT_GT(exact, kPictureSize.width() * kPictureSize.height() - 200);
}

TEST(PaintPlan, LaterShapeCoversEarlierOne) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.line(5, -18, 5, -12, kRapid);
    surface.line(-5, -16, 15, -16, kGrid);
    EXPECT_EQ(pixelColour(render(surface), pixelOf(5, -16)), QColor(0, 128, 0));
}

TEST(PaintPlan, RepeatedShapeIsPaintedOnceAtItsLastPlace) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    for (int pass = 0; pass < 1000; ++pass) {
        surface.line(-5, -15, 15, -15, kFeed);
        surface.line(0, -15, 10, -15, kRapid);
    }
    surface.line(-5, -15, 15, -15, kFeed);
    const PaintPlan plan =
        PaintPlan::build(surface.commands(), kPictureSize, classicSystemColours());
    EXPECT_EQ(plan.shapes().size(), 2u);
    EXPECT_EQ(pixelColour(render(surface), pixelOf(5, -15)), QColor(255, 255, 0));

    surface.line(0, -15, 10, -15, kRapid);
    EXPECT_EQ(pixelColour(render(surface), pixelOf(5, -15)), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(render(surface), pixelOf(-2, -15)), QColor(255, 255, 0));
}

TEST(PaintPlan, LineLeavingThePictureIsDrawnToItsEdge) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.line(-1e6, -15, 0, -15, kFeed);
    surface.line(10, -1e6 - 18, 10, -18, kRapid);
    surface.line(5, -15, 5 + 1e6, -15 + 1e6, kMark);
    const QImage image = render(surface);
    for (int x = 0; x <= pixelOf(0, -15).x(); ++x) {
        ASSERT_EQ(pixelColour(image, {x, pixelOf(0, -15).y()}), QColor(255, 255, 0)) << x;
    }
    EXPECT_EQ(pixelColour(image, pixelOf(0, -15) + QPoint(1, 0)), QColor(8, 0, 0));
    for (int y = 0; y <= pixelOf(10, -18).y(); ++y) {
        ASSERT_EQ(pixelColour(image, {pixelOf(10, -18).x(), y}), QColor(128, 0, 128)) << y;
    }
    EXPECT_EQ(pixelColour(image, pixelOf(10, -18) + QPoint(0, 1)), QColor(8, 0, 0));
    for (int step = 0; pixelOf(5, -15).y() + step < kPictureSize.height(); ++step) {
        ASSERT_EQ(pixelColour(image, pixelOf(5, -15) + QPoint(step, step)), QColor(0, 255, 255))
            << step;
    }
}

TEST(PaintPlan, PointIsOnePixel) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.point(0, -15, kFeed);
    const QImage image = render(surface);
    const QPoint centre = pixelOf(0, -15);
    EXPECT_EQ(pixelColour(image, centre), QColor(255, 255, 0));
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        EXPECT_EQ(pixelColour(image, centre + step), QColor(8, 0, 0));
    }
}

TEST(PaintPlan, DottedLineLeavesGapsAndSolidLineDoesNot) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.setLineStyle(LineStyle::Dotted);
    surface.line(-5, -17, 15, -17, kStock);
    surface.setLineStyle(LineStyle::Solid);
    surface.line(-5, -13, 15, -13, kStock);
    const QImage image = render(surface);
    int dots = 0;
    int solid = 0;
    for (int x = 0; x < kPictureSize.width(); ++x) {
        dots += pixelColour(image, {x, pixelOf(0, -17).y()}) == QColor(0, 0, 255);
        solid += pixelColour(image, {x, pixelOf(0, -13).y()}) == QColor(0, 0, 255);
    }
    EXPECT_EQ(solid, kPictureSize.width());
    EXPECT_GT(dots, kPictureSize.width() / 5);
    EXPECT_LT(dots, kPictureSize.width() * 3 / 4);
}

TEST(PaintPlan, CircleIsRoundOnTheScreenWithRadiusInXUnits) {
    // Ten pixels per x unit, twenty per y unit.
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(0, 0, 20, 5);
    surface.circle(10, 2.5, 2, kMark);
    const QImage image = render(surface);
    const QPoint centre(100, 50);
    EXPECT_EQ(pixelColour(image, centre + QPoint(20, 0)), QColor(0, 255, 255));
    EXPECT_EQ(pixelColour(image, centre + QPoint(-20, 0)), QColor(0, 255, 255));
    EXPECT_EQ(pixelColour(image, centre + QPoint(0, 20)), QColor(0, 255, 255));
    EXPECT_EQ(pixelColour(image, centre + QPoint(0, -20)), QColor(0, 255, 255));
    EXPECT_EQ(pixelColour(image, centre), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, centre + QPoint(0, 40)), QColor(8, 0, 0));
}

TEST(PaintPlan, CircleSmallerThanAPixelIsItsCentreDot) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.circle(0, -15, 0.01, kMark);
    const QImage image = render(surface);
    EXPECT_EQ(pixelColour(image, pixelOf(0, -15)), QColor(0, 255, 255));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -15) + QPoint(1, 0)), QColor(8, 0, 0));
}

TEST(PaintPlan, SystemColoursComeFromTheTarget) {
    RecordingSurface surface;
    surface.setBackground(Colour::named(SystemColour::WindowBackground));
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.line(-5, -15, 15, -15, Colour::named(SystemColour::ButtonShadow));
    surface.line(-5, -14, 15, -14, Colour::named(SystemColour::Highlight3D));
    const SystemColours system{QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3), QColor(4, 4, 4)};
    const QImage image = render(surface.commands(), kPictureSize, system);
    EXPECT_EQ(pixelColour(image, {0, 0}), QColor(3, 3, 3));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -15)), QColor(2, 2, 2));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -14)), QColor(4, 4, 4));
}

TEST(PaintPlan, UnclearedPictureShowsTheButtonFace) {
    const QImage image = render(RecordingSurface());
    EXPECT_EQ(pixelColour(image, {10, 10}), classicSystemColours().buttonFace);
}

TEST(PaintPlan, ClearCoversWhatCameBefore) {
    const std::vector<DrawCommand> commands{
        ClearCommand{kBackground, UserScale{-5, -20, 20, 10}, 12, kLabel},
        LineCommand{-5, -15, 15, -15, kFeed, LineStyle::Solid},
        ClearCommand{kStock, UserScale{-5, -20, 20, 10}, 12, kLabel},
    };
    const QImage image = render(commands);
    EXPECT_EQ(pixelColour(image, pixelOf(0, -15)), QColor(0, 0, 255));
}

TEST(PaintPlan, ShapesThatCannotBePlacedAreLeftOut) {
    const double nan = std::nan("");
    const double huge = std::numeric_limits<double>::max();
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.line(nan, -15, 15, -15, kFeed);
    surface.line(-huge, -15, huge, -15, kFeed);
    surface.point(huge, -15, kFeed);
    surface.circle(0, -15, huge, kMark);
    surface.circle(nan, -15, 1, kMark);
    surface.setTextPosition(nan, -15);
    surface.print("X33");
    const PaintPlan plan =
        PaintPlan::build(surface.commands(), kPictureSize, classicSystemColours());
    EXPECT_TRUE(plan.shapes().empty());
}

TEST(PaintPlan, TextHangsBelowAndRightOfItsPosition) {
    RecordingSurface surface;
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.setFontSize(12);
    surface.setTextColour(kLabel);
    surface.setTextPosition(0, -15);
    surface.print("X33");
    const QImage image = render(surface);
    const QPoint corner = pixelOf(0, -15);
    int inside = 0;
    int outside = 0;
    for (int y = corner.y() - 20; y < corner.y() + 25; ++y) {
        for (int x = corner.x() - 20; x < corner.x() + 60; ++x) {
            const bool inked = pixelColour(image, {x, y}) != QColor(8, 0, 0);
            (x >= corner.x() && y >= corner.y() ? inside : outside) += inked;
        }
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

} // namespace
} // namespace quillmar
