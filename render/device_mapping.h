#pragma once

#include "graphics/drawing_surface.h"

#include <QLine>
#include <QPoint>
#include <QSize>
#include <algorithm>
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

namespace device_mapping_detail {

// Lines are cut to the picture grown by this many pixels on each side, so that a cut
// end still rounds to a pixel just outside and the visible part keeps its slope.
inline constexpr double kClipMargin = 2;

// Liang-Barsky: narrows [t0, t1] to where p * t <= q holds; false when nothing is left.
inline bool clipEdge(double p, double q, double& t0, double& t1) {
    if (p == 0) {
        return q >= 0;
    }
    const double t = q / p;
    if (p < 0) {
        if (t > t1) {
            return false;
        }
        t0 = std::max(t0, t);
    } else {
        if (t < t0) {
            return false;
        }
        t1 = std::min(t1, t);
    }
    return true;
}

} // namespace device_mapping_detail

inline std::optional<QPoint> DeviceMapping::pixel(double x, double y) const {
    const double px = deviceX(x);
    const double py = deviceY(y);
    if (!(px >= -0.5 && px < pixels_.width() - 0.5 && py >= -0.5 && py < pixels_.height() - 0.5)) {
        return std::nullopt;
    }
    return QPoint(pixelIndex(px), pixelIndex(py));
}

inline std::optional<QLine> DeviceMapping::visibleLine(double x1, double y1, double x2,
                                                       double y2) const {
    const double ax = deviceX(x1);
    const double ay = deviceY(y1);
    const double bx = deviceX(x2);
    const double by = deviceY(y2);
    const double dx = bx - ax;
    const double dy = by - ay;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return std::nullopt;
    }
    const double minX = -device_mapping_detail::kClipMargin;
    const double minY = -device_mapping_detail::kClipMargin;
    const double maxX = pixels_.width() - 1 + device_mapping_detail::kClipMargin;
    const double maxY = pixels_.height() - 1 + device_mapping_detail::kClipMargin;
    const auto inside = [&](double x, double y) {
        return x >= minX && x <= maxX && y >= minY && y <= maxY;
    };
    if (inside(ax, ay) && inside(bx, by)) {
        return QLine(pixelIndex(ax), pixelIndex(ay), pixelIndex(bx), pixelIndex(by));
    }
    double t0 = 0;
    double t1 = 1;
    if (!device_mapping_detail::clipEdge(-dx, ax - minX, t0, t1) ||
        !device_mapping_detail::clipEdge(dx, maxX - ax, t0, t1) ||
        !device_mapping_detail::clipEdge(-dy, ay - minY, t0, t1) ||
        !device_mapping_detail::clipEdge(dy, maxY - ay, t0, t1)) {
        return std::nullopt;
    }
    // An end that was not cut keeps its own position, untouched by the arithmetic.
    const auto along = [](double t, double a, double b, double d) {
        return t == 0 ? a : (t == 1 ? b : a + t * d);
    };
    return QLine(pixelIndex(along(t0, ax, bx, dx)), pixelIndex(along(t0, ay, by, dy)),
                 pixelIndex(along(t1, ax, bx, dx)), pixelIndex(along(t1, ay, by, dy)));
}

} // namespace quillmar
