#include "graphics/recording_surface.h"
#include "render/command_rasterizer.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"
#include "tests/render/picture_test_support.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace quillmar {
namespace {

using namespace quillmar::test;

constexpr Colour kPalette[] = {kGrid, kRapid, kFeed, kStock, kMark, Colour::rgb(255, 0, 0)};

// Many shapes piled on a small picture, so that most pixels are drawn over again and
// again in different colours and only the order decides which colour stays.
void addShapes(std::vector<DrawCommand>& commands, std::mt19937& random, int count) {
    std::uniform_real_distribution<double> x(-6, 16);
    std::uniform_real_distribution<double> y(-21, -9);
    std::uniform_int_distribution<int> pick(0, 5);
    for (int i = 0; i < count; ++i) {
        const Colour colour = kPalette[pick(random)];
        switch (pick(random) % 4) {
        case 0:
            commands.push_back(
                LineCommand{x(random), y(random), x(random), y(random), colour,
                            pick(random) == 0 ? LineStyle::Dotted : LineStyle::Solid});
            break;
        case 1:
            commands.push_back(PointCommand{x(random), y(random), colour});
            break;
        case 2:
            commands.push_back(CircleCommand{x(random), y(random), 0.05 * pick(random), colour});
            break;
        default: // a feed move along a row, as most of a long program's moves are
            commands.push_back(LineCommand{x(random), -14.0 + pick(random) * 0.1, x(random),
                                           -14.0 + pick(random) * 0.1, colour, LineStyle::Solid});
            break;
        }
    }
}

QImage drawnInOrder(const std::vector<DrawCommand>& commands, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const SystemColours system = classicSystemColours();
    CommandRasterizer rasterizer(image, system, QFont());
    image.fill(rasterizer.rgb(Colour::named(SystemColour::ButtonFace)));
    for (const DrawCommand& command : commands) {
        rasterizer(command);
    }
    rasterizer.closePainter();
    return image;
}

// A long picture is shared out between two threads; every pixel must still end as
// drawing the list in order leaves it, across texts, scale changes and clears.
TEST(PictureRendering, LongPictureEqualsTheListDrawnInOrder) {
    struct Case {
        const char* name;
        bool withText;
        bool withScaleChange;
        bool withSecondClear;
    };
    const Case cases[] = {{"shapes only", false, false, false},
                          {"a note among the shapes", true, false, false},
                          {"a scale change in the second half", false, true, false},
                          {"a clear part way", true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(7);
        std::vector<DrawCommand> commands;
        commands.push_back(ClearCommand{kBackground, UserScale{-5, -20, 20, 10}, 9, kLabel});
        commands.push_back(PrintCommand{-5, -20, "mm", 9, kLabel});
        addShapes(commands, random, 60000);
        if (c.withText) {
            commands.push_back(PrintCommand{-4, -19, "pitch marks limited", 9, kLabel});
        }
        if (c.withSecondClear) {
            commands.push_back(ClearCommand{kBackground, UserScale{-5, -20, 20, 10}, 9, kLabel});
        }
        addShapes(commands, random, 50000);
        if (c.withScaleChange) {
            commands.push_back(ScaleCommand{UserScale{-2, -18, 10, 5}});
        }
        addShapes(commands, random, 40000);

        const QImage expected = drawnInOrder(commands, kPictureSize);
        const QImage image = renderPicture(commands, kPictureSize, classicSystemColours(), QFont());
        ASSERT_EQ(image.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                differing += image.pixel(x, y) != expected.pixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
} // namespace quillmar
