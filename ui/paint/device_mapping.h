#pragma once

#include "graphics/drawing_surface.h"

#include <QLine>
#include <QPoint>
#include <QSize>
#include <cmath>
#include <optional>

namespace quillmar {

// Maps a user scale onto a picture of a given pixel size: (left, top) lies at the
// top left corner, (left + width, top + height) at the bottom right corner. Pixel i
// stands for the device positions from i - 0.5 to i + 0.5, so that the pointer over
// pixel i reads back the user position drawn there.
class DeviceMapping {
public:
    DeviceMapping(UserScale scale, QSize pixels);

    double deviceX(double x) const { return (x - left_) * unitsToPixelsX_; }
    double deviceY(double y) const { return (y - top_) * unitsToPixelsY_; }
    double userX(double deviceX) const { return left_ + deviceX * pixelsToUnitsX_; }
    double userY(double deviceY) const { return top_ + deviceY * pixelsToUnitsY_; }
    // Pixels per x unit, without sign: circles measure their radius in x units.
    double pixelsPerUnitX() const;

    // The pixel a user point falls on; empty when it lies off the picture or is not a
    // number.
    std::optional<QPoint> pixel(double x, double y) const;
    // The part of a line that can show, in pixels; empty when none of it does. Lines
    // far longer than the picture are cut first, so no coordinate overflows.
    std::optional<QLine> visibleLine(double x1, double y1, double x2, double y2) const;

    QSize pixels() const { return pixels_; }

private:
    double left_;
    double top_;
    double unitsToPixelsX_;
    double unitsToPixelsY_;
    double pixelsToUnitsX_;
    double pixelsToUnitsY_;
    QSize pixels_;
};

// Rounds a device position to its pixel (half-way positions go to the higher pixel).
inline int pixelIndex(double devicePosition) {
    return static_cast<int>(std::floor(devicePosition + 0.5));
}

} // namespace quillmar
