#pragma once

#include "graphics/graphic_colours.h"
#include "graphics/recording_surface.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

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

inline QColor pixelColour(const QImage& image, QPoint pixel) {
    return QColor(image.pixel(pixel));
}

} // namespace quillmar::test
