#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmar {

// The cutting tool in the groove's section: a nose circle of radius r and the body
// behind it, whose straight sides touch the circle and lean out by a half-angle
// (0: the body is as wide as the nose, its sides stand straight up).
//
// Depths run into the material; `centreDepth` is the depth of the nose centre, so
// the nose edge reaches centreDepth + r. reach(a) is how deep the tool reaches at
// an axial distance a from the nose centre (-infinity where it reaches nothing).
class ToolShape {
public:
    ToolShape(double noseRadius, double bodyHalfAngleRadians);

    double noseRadius() const { return r_; }
    double circleHalfWidth() const { return tangentA_; } // where the sides leave the nose

    double reach(double centreDepth, double a) const;

    // For a point inside the tool (no deeper than its reach), the distance to the
    // tool's edge: the chip's thickness there, normal to the edge.
    double distanceToEdge(double centreDepth, double a, double depth) const;

    // Half-width of the part of the tool deeper than `level`; 0 when none is.
    double halfWidthBelow(double centreDepth, double level) const;

    // The area of the tool below `level` between a0 and a1 (a0 <= a1), exactly:
    // the integral of max(0, reach - level) over [a0, a1].
    double areaBelow(double centreDepth, double level, double a0, double a1) const;

private:
    double offsetIntegral(double centreDepth, double level, double a0, double a1) const;

    double r_;
    double tangentA_;     // |a| where the body's sides leave the circle
    double tangentDepth_; // their depth below the centre there
    double sideSlope_;    // depth lost per mm of |a| along a side; 0 for straight sides
    double sideCos_;      // the right side's outward normal (cos, sin of the half-angle)
    double sideSin_;
};

inline double ToolShape::reach(double centreDepth, double a) const {
    const double d = std::fabs(a);
    if (d <= tangentA_) {
        return centreDepth + std::sqrt(std::max(0.0, r_ * r_ - d * d));
    }
    if (sideSlope_ == 0) {
        return -std::numeric_limits<double>::infinity();
    }
    return centreDepth + tangentDepth_ - (d - tangentA_) * sideSlope_;
}

inline double ToolShape::distanceToEdge(double centreDepth, double a, double depth) const {
    // The tool is convex: the distance is the nearest of its tangent lines, the nose's
    // where the point looks out through the nose, else the nearer side's.
    const double below = depth - centreDepth;
    const double fromCentre = std::sqrt(a * a + below * below);
    const double throughNose =
        below >= fromCentre * sideSin_ ? fromCentre : -std::numeric_limits<double>::infinity();
    const double side = below * sideSin_ + std::fabs(a) * sideCos_;
    return r_ - std::max(throughNose, side);
}

inline double ToolShape::halfWidthBelow(double centreDepth, double level) const {
    const double below = level - centreDepth; // how far the level lies below the centre
    if (below >= r_) {
        return 0;
    }
    if (below >= tangentDepth_) {
        return std::sqrt(std::max(0.0, r_ * r_ - below * below));
    }
    if (sideSlope_ == 0) {
        return tangentA_;
    }
    return tangentA_ + (tangentDepth_ - below) / sideSlope_;
}

} // namespace quillmar
