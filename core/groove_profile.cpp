#include "core/groove_profile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quillmar {

namespace {

using Point = SectionPoint;

Point operator+(Point a, Point b) {
    return {a.z + b.z, a.depth + b.depth};
}
Point operator-(Point a, Point b) {
    return {a.z - b.z, a.depth - b.depth};
}
Point operator*(double k, Point a) {
    return {k * a.z, k * a.depth};
}
double cross(Point a, Point b) {
    return a.z * b.depth - a.depth * b.z;
}
double length(Point a) {
    return std::hypot(a.z, a.depth);
}

// Ends closer than this are one point: rounding of the builders' arithmetic, far below
// anything a program can write.
constexpr double kSamePoint = 1e-9;

// The unit normal towards the air at a point of a piece of non-zero size. Along the
// profile the material lies on the right (deeper side of a crest).
Point airNormal(const ProfileSegment& s, Point at) {
    if (!s.arc) {
        const Point t = s.to - s.from;
        const double l = length(t);
        return {t.depth / l, -t.z / l};
    }
    const Point u = (1 / s.radius) * (at - s.centre);
    return s.concave ? Point{-u.z, -u.depth} : u;
}

// The direction of travel at a point, from the normal towards the air.
Point tangentOf(Point normal) {
    return {-normal.depth, normal.z};
}

// A piece moved out by r; none where nothing of it is left for a nose centre (a sharp
// corner, or a concave arc tighter than the nose).
std::optional<ProfileSegment> offsetPiece(const ProfileSegment& s, double r) {
    if (!s.arc) {
        if (length(s.to - s.from) < kSamePoint) {
            return std::nullopt;
        }
        const Point n = r * airNormal(s, s.from);
        return lineSegment(s.from + n, s.to + n);
    }
    const double radius = s.concave ? s.radius - r : s.radius + r;
    if (!(s.radius > 0) || radius < 0) {
        return std::nullopt;
    }
    const auto moved = [&](Point p) { return s.centre + radius / s.radius * (p - s.centre); };
    return arcSegment(moved(s.from), moved(s.to), s.centre, radius, s.concave);
}

std::optional<Point> lineCrossing(const ProfileSegment& a, const ProfileSegment& b) {
    const Point da = a.to - a.from;
    const Point db = b.to - b.from;
    const double d = cross(da, db);
    if (a.arc || b.arc || d == 0) {
        return std::nullopt;
    }
    return a.from + (cross(b.from - a.from, db) / d) * da;
}

// Closes the gap between the last offset piece and the next one at the outline's
// corner `vertex`.
void join(SegmentChain& path, ProfileSegment& next, Point vertex, double r) {
    ProfileSegment& last = path.back();
    if (length(next.from - last.to) < kSamePoint) {
        next.from = last.to;
        return;
    }
    const Point inTangent = tangentOf(r > 0 ? (1 / r) * (last.to - vertex) : Point{});
    const Point outTangent = tangentOf(r > 0 ? (1 / r) * (next.from - vertex) : Point{});
    if (r > 0 && cross(inTangent, outTangent) > 0 &&
        std::fabs(length(last.to - vertex) - r) < kSamePoint &&
        std::fabs(length(next.from - vertex) - r) < kSamePoint) {
        // A convex corner: the nose rolls round it.
        path.push_back(arcSegment(last.to, next.from, vertex, r, false));
        return;
    }
    if (const auto crossing = lineCrossing(last, next)) {
        // A concave corner the nose cannot fill: it stops where it touches both sides.
        last.to = *crossing;
        next.from = *crossing;
        return;
    }
    path.push_back(lineSegment(last.to, next.from));
}

bool finite(Point p) {
    return std::isfinite(p.z) && std::isfinite(p.depth);
}

double arcDistance(const ProfileSegment& s, Point q) {
    const Point v = q - s.centre;
    const double d = length(v);
    if (s.radius > 0 && d > 0) {
        const Point a = s.from - s.centre;
        const Point b = s.to - s.centre;
        const double sweep = cross(a, b);
        if (cross(a, v) * sweep >= 0 && cross(v, b) * sweep >= 0) {
            return std::fabs(d - s.radius);
        }
    }
    return std::min(length(q - s.from), length(q - s.to));
}

double lineDistance(const ProfileSegment& s, Point q) {
    const Point ab = s.to - s.from;
    const double span = ab.z * ab.z + ab.depth * ab.depth;
    const double u =
        span == 0
            ? 0
            : std::clamp(((q.z - s.from.z) * ab.z + (q.depth - s.from.depth) * ab.depth) / span,
                         0.0, 1.0);
    return length(q - (s.from + u * ab));
}

} // namespace

double arcTurning(const ProfileSegment& arc) {
    const double c = cross(arc.from - arc.centre, arc.to - arc.centre);
    if (std::fabs(c) > 1e-9 * arc.radius * arc.radius) {
        return c > 0 ? 1 : -1;
    }
    return arc.concave ? -1 : 1;
}

bool withinSweep(const ProfileSegment& arc, SectionPoint point) {
    const Point v = point - arc.centre;
    const double turn = arcTurning(arc);
    return cross(arc.from - arc.centre, v) * turn >= 0 && cross(v, arc.to - arc.centre) * turn >= 0;
}

ProfileSegment lineSegment(SectionPoint from, SectionPoint to) {
    ProfileSegment s;
    s.from = from;
    s.to = to;
    return s;
}

ProfileSegment arcSegment(SectionPoint from, SectionPoint to, SectionPoint centre, double radius,
                          bool concave) {
    return {from, to, true, centre, radius, concave};
}

SegmentChain offsetChain(const SegmentChain& chain, double r) {
    SegmentChain path;
    for (const ProfileSegment& s : chain) {
        auto moved = offsetPiece(s, r);
        if (!moved) {
            continue;
        }
        if (!path.empty()) {
            join(path, *moved, s.from, r);
        }
        path.push_back(*moved);
    }
    return path;
}

SegmentChain noseCentrePath(const GrooveProfile& profile, double noseRadius, double runOn) {
    if (profile.segments.empty()) {
        return {};
    }
    // The crests run on so that the first and last corners have a piece on either side.
    const double length = std::max(runOn, 1.0);
    SegmentChain outline = profile.segments;
    const Point first = outline.front().from;
    const Point last = outline.back().to;
    outline.insert(outline.begin(), lineSegment({first.z - length, first.depth}, first));
    outline.push_back(lineSegment(last, {last.z + length, last.depth}));
    SegmentChain path = offsetChain(outline, noseRadius);
    if (runOn > 0) {
        path.front().from.z = first.z - runOn;
        path.back().to.z = last.z + runOn;
    } else {
        path.erase(path.begin());
        path.pop_back();
    }
    return path;
}

std::optional<double> depthAt(const SegmentChain& chain, double z) {
    if (chain.empty()) {
        return std::nullopt;
    }
    for (const ProfileSegment& s : chain) {
        const double lo = std::min(s.from.z, s.to.z);
        const double hi = std::max(s.from.z, s.to.z);
        if (z < lo || z > hi || (!s.arc && lo == hi)) {
            continue;
        }
        if (!s.arc) {
            return s.from.depth +
                   (z - s.from.z) * (s.to.depth - s.from.depth) / (s.to.z - s.from.z);
        }
        const double dz = z - s.centre.z;
        const double rise = std::sqrt(std::max(0.0, s.radius * s.radius - dz * dz));
        return s.centre.depth + (s.concave ? rise : -rise);
    }
    return z < chain.front().from.z ? chain.front().from.depth : chain.back().to.depth;
}

double distanceTo(const SegmentChain& chain, SectionPoint point) {
    double best = std::numeric_limits<double>::infinity();
    for (const ProfileSegment& s : chain) {
        best = std::min(best, s.arc ? arcDistance(s, point) : lineDistance(s, point));
    }
    return best;
}

std::vector<SectionPoint> polyline(const SegmentChain& chain, int chordsPerArc) {
    std::vector<SectionPoint> points;
    for (const ProfileSegment& s : chain) {
        points.push_back(s.from);
        if (s.arc && s.radius > 0) {
            const Point a = s.from - s.centre;
            const Point b = s.to - s.centre;
            const double start = std::atan2(a.depth, a.z);
            const double sweep =
                std::remainder(std::atan2(b.depth, b.z) - start, 2 * std::numbers::pi);
            for (int i = 1; i < chordsPerArc; ++i) {
                const double angle = start + sweep * i / chordsPerArc;
                points.push_back(s.centre + s.radius * Point{std::cos(angle), std::sin(angle)});
            }
        }
        points.push_back(s.to);
    }
    return points;
}

bool spansOnePitch(const GrooveProfile& profile, double tolerance) {
    const SegmentChain& chain = profile.segments;
    if (chain.empty() || !(profile.pitch > 0) || std::fabs(chain.front().from.z) > tolerance ||
        !(chain.back().to.z <= profile.pitch + tolerance)) {
        return false;
    }
    double deepest = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const ProfileSegment& s = chain[i];
        const bool inOrder = finite(s.from) && finite(s.to) && s.from.z <= s.to.z + tolerance &&
                             (i == 0 || length(s.from - chain[i - 1].to) <= tolerance);
        // A concave arc lies deeper than its centre, a convex one shallower.
        const double bow = s.concave ? 1 : -1;
        const bool bowsRight = !s.arc || (s.radius >= 0 && std::isfinite(s.radius) &&
                                          (s.from.depth - s.centre.depth) * bow >= -tolerance &&
                                          (s.to.depth - s.centre.depth) * bow >= -tolerance);
        if (!inOrder || !bowsRight) {
            return false;
        }
        deepest = std::max({deepest, s.from.depth, s.to.depth});
    }
    return deepest > std::max(chain.front().from.depth, chain.back().to.depth);
}

} // namespace quillmar
