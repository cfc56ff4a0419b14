#include "simulation/tool_shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmar {

namespace {

// The integral of sqrt(r^2 - a^2) from 0 to a, for |a| <= r.
double circleIntegral(double r, double a) {
    const double t = std::clamp(a / r, -1.0, 1.0);
    return 0.5 * (a * std::sqrt(std::max(0.0, r * r - a * a)) + r * r * std::asin(t));
}

} // namespace

ToolShape::ToolShape(double noseRadius, double bodyHalfAngleRadians)
    : r_(std::max(0.0, noseRadius)), tangentA_(r_ * std::cos(bodyHalfAngleRadians)),
      tangentDepth_(r_ * std::sin(bodyHalfAngleRadians)),
      sideSlope_(bodyHalfAngleRadians > 0 ? 1 / std::tan(bodyHalfAngleRadians) : 0),
      sideCos_(std::cos(bodyHalfAngleRadians)), sideSin_(std::sin(bodyHalfAngleRadians)) {}

// The integral of (reach - level) over [a0, a1] with 0 <= a0 <= a1 inside the tool.
double ToolShape::offsetIntegral(double centreDepth, double level, double a0, double a1) const {
    double area = 0;
    const double c0 = std::min(a0, tangentA_);
    const double c1 = std::min(a1, tangentA_);
    if (c1 > c0) {
        area += (centreDepth - level) * (c1 - c0) + circleIntegral(r_, c1) - circleIntegral(r_, c0);
    }
    const double s0 = std::max(a0, tangentA_);
    const double s1 = std::max(a1, tangentA_);
    if (s1 > s0 && sideSlope_ > 0) {
        const double top = centreDepth + tangentDepth_ - level;
        area += top * (s1 - s0) -
                0.5 * sideSlope_ *
                    ((s1 - tangentA_) * (s1 - tangentA_) - (s0 - tangentA_) * (s0 - tangentA_));
    }
    return area;
}

double ToolShape::areaBelow(double centreDepth, double level, double a0, double a1) const {
    const double w = halfWidthBelow(centreDepth, level);
    const double lo = std::max(a0, -w);
    const double hi = std::min(a1, w);
    if (!(hi > lo)) {
        return 0;
    }
    // The tool is symmetric: fold the negative part over to positive a.
    double area = 0;
    if (lo < 0) {
        area += offsetIntegral(centreDepth, level, std::max(0.0, -hi), -lo);
    }
    if (hi > 0) {
        area += offsetIntegral(centreDepth, level, std::max(0.0, lo), hi);
    }
    return std::max(0.0, area);
}

} // namespace quillmar
