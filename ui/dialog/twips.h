#pragma once

#include <QPointF>
#include <QRect>
#include <cmath>

namespace quillmar {

// Window geometry is designed in twips (1/1440 inch). Fifteen twips make one logical
// pixel; Qt's own device-pixel scaling takes it from there on dense screens, so this
// is the only conversion the windows need.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr double twipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}

// A widget rectangle from Left, Top, Width, Height in twips. Edges are rounded rather
// than the size, so that controls which meet in twips still meet in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    const auto pixel = [](int twips) {
        return static_cast<int>(std::lround(twipsToPixels(twips)));
    };
    const int x = pixel(left);
    const int y = pixel(top);
    return QRect(x, y, pixel(left + width) - x, pixel(top + height) - y);
}

inline QPointF twipsPoint(int x, int y) {
    return QPointF(twipsToPixels(x), twipsToPixels(y));
}

// Font sizes are given in points; a point is 20 twips, so fonts scale with the boxes
// that hold them instead of with the screen's dot density setting.
inline int pointsToPixels(double points) {
    return static_cast<int>(std::lround(twipsToPixels(points * 20.0)));
}

} // namespace quillmar
