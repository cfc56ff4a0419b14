#pragma once

#include "graphics/graphic_colours.h"
#include "graphics/recording_surface.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <random>
#include <vector>

namespace quillmar::test {

inline constexpr Colour kBackground = kGraphicBackground;
inline constexpr Colour kGrid = kGridGreen;
inline constexpr Colour kRapid = kRapidPurple;
inline constexpr Colour kFeed = kPathYellow;
inline constexpr Colour kStock = kStockBlue;
inline constexpr Colour kMark = kPitchMarkCyan;
inline constexpr Colour kLabel = kLabelGrey;

// A picture 200 x 100 pixels over a user scale of 20 x 10 units with y growing
// downward from -20: one unit is ten pixels both ways, so user (x, y) lies on
// pixel (10 (x + 5), 10 (y + 20)).
inline constexpr QSize kPictureSize(200, 100);
inline QPoint pixelOf(double x, double y) {
    return QPoint(int(10 * (x + 5)), int(10 * (y + 20)));
}

// The start of a cutting picture on that scale: background, a grid line at y = -16,
// a purple rapid move down at x = 5 and a yellow feed move along y = -14.
inline void drawSamplePicture(DrawingSurface& surface) {
    surface.setBackground(kBackground);
    surface.clear();
    surface.setScale(-5, -20, 20, 10);
    surface.line(-5, -16, 15, -16, kGrid);
    surface.line(5, -18, 5, -12, kRapid);
    surface.line(12, -14, 0, -14, kFeed);
}

inline constexpr Colour kPalette[] = {kGrid, kRapid, kFeed, kStock, kMark, Colour::rgb(255, 0, 0)};

// Many shapes piled on a small picture, so that most pixels are drawn over again and
// again in different colours and only the order decides which colour stays.
inline void addShapes(std::vector<DrawCommand>& commands, std::mt19937& random, int count) {
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

inline QColor pixelColour(const QImage& image, QPoint pixel) {
    return QColor(image.pixel(pixel));
}

} // namespace quillmar::test
