#include "ui/paint/device_mapping.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// Lines are cut to the picture grown by this many pixels on each side, so that a cut
// end still rounds to a pixel just outside and the visible part keeps its slope.
constexpr double kClipMargin = 2;

// Liang-Barsky: narrows [t0, t1] to where p * t <= q holds; false when nothing is left.
bool clipEdge(double p, double q, double& t0, double& t1) {
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

} // namespace

DeviceMapping::DeviceMapping(UserScale scale, QSize pixels)
    : left_(scale.left), top_(scale.top), pixels_(pixels) {
    // An empty picture still maps without dividing by zero; nothing on it shows.
    const double w = std::max(pixels.width(), 1);
    const double h = std::max(pixels.height(), 1);
    unitsToPixelsX_ = w / double(scale.width);
    unitsToPixelsY_ = h / double(scale.height);
    pixelsToUnitsX_ = double(scale.width) / w;
    pixelsToUnitsY_ = double(scale.height) / h;
}

double DeviceMapping::pixelsPerUnitX() const {
    return std::abs(unitsToPixelsX_);
}

std::optional<QPoint> DeviceMapping::pixel(double x, double y) const {
    const double px = deviceX(x);
    const double py = deviceY(y);
    if (!(px >= -0.5 && px < pixels_.width() - 0.5 && py >= -0.5 && py < pixels_.height() - 0.5)) {
        return std::nullopt;
    }
    return QPoint(pixelIndex(px), pixelIndex(py));
}

std::optional<QLine> DeviceMapping::visibleLine(double x1, double y1, double x2, double y2) const {
    const double ax = deviceX(x1);
    const double ay = deviceY(y1);
    const double bx = deviceX(x2);
    const double by = deviceY(y2);
    const double dx = bx - ax;
    const double dy = by - ay;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return std::nullopt;
    }
    const double minX = -kClipMargin;
    const double minY = -kClipMargin;
    const double maxX = pixels_.width() - 1 + kClipMargin;
    const double maxY = pixels_.height() - 1 + kClipMargin;
    const auto inside = [&](double x, double y) {
        return x >= minX && x <= maxX && y >= minY && y <= maxY;
    };
    if (inside(ax, ay) && inside(bx, by)) {
        return QLine(pixelIndex(ax), pixelIndex(ay), pixelIndex(bx), pixelIndex(by));
    }
    double t0 = 0;
    double t1 = 1;
    if (!clipEdge(-dx, ax - minX, t0, t1) || !clipEdge(dx, maxX - ax, t0, t1) ||
        !clipEdge(-dy, ay - minY, t0, t1) || !clipEdge(dy, maxY - ay, t0, t1)) {
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
