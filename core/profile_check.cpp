#include "core/profile_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace quillmar {

namespace {

using Point = SectionPoint;

Point minus(Point a, Point b) {
    return {a.z - b.z, a.depth - b.depth};
}
double cross(Point a, Point b) {
    return a.z * b.depth - a.depth * b.z;
}
double length(Point a) {
    return std::hypot(a.z, a.depth);
}

// Rounding of the arithmetic that made the pieces, far below a program's 0.001 mm.
constexpr double kRounding = 1e-9;
constexpr int kChordsPerArc = 16;

std::string millimetres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string place(Point p) {
    return "Z " + millimetres(p.z) + " X " + millimetres(p.depth);
}

bool finite(Point p) {
    return std::isfinite(p.z) && std::isfinite(p.depth);
}

// The direction of travel, of unit length, at the start (atEnd false) or end of a piece.
Point tangent(const ProfileSegment& s, bool atEnd) {
    if (!s.arc) {
        const Point t = minus(s.to, s.from);
        const double l = length(t);
        return {t.z / l, t.depth / l};
    }
    const Point v = minus(atEnd ? s.to : s.from, s.centre);
    const double k = arcTurning(s) / length(v);
    return {-v.depth * k, v.z * k};
}

// The shallowest depth a piece reaches (a convex arc may bulge above its ends).
double shallowest(const std::vector<Point>& points) {
    double top = points.front().depth;
    for (const Point& p : points) {
        top = std::min(top, p.depth);
    }
    return top;
}

std::vector<Point> chords(const ProfileSegment& s) {
    return polyline({s}, kChordsPerArc);
}

struct Extent {
    double low;
    double high;
};

Extent zExtent(const std::vector<Point>& points) {
    Extent e{points.front().z, points.front().z};
    for (const Point& p : points) {
        e.low = std::min(e.low, p.z);
        e.high = std::max(e.high, p.z);
    }
    return e;
}

bool onSegment(Point a, Point b, Point p) {
    return std::min(a.z, b.z) - kRounding <= p.z && p.z <= std::max(a.z, b.z) + kRounding &&
           std::min(a.depth, b.depth) - kRounding <= p.depth &&
           p.depth <= std::max(a.depth, b.depth) + kRounding;
}

// Whether two chords share any point, touching included.
bool chordsMeet(Point a, Point b, Point c, Point d) {
    const double d1 = cross(minus(b, a), minus(c, a));
    const double d2 = cross(minus(b, a), minus(d, a));
    const double d3 = cross(minus(d, c), minus(a, c));
    const double d4 = cross(minus(d, c), minus(b, c));
    const auto sign = [](double v) { return v > kRounding ? 1 : v < -kRounding ? -1 : 0; };
    if (sign(d1) * sign(d2) < 0 && sign(d3) * sign(d4) < 0) {
        return true;
    }
    return (sign(d1) == 0 && onSegment(a, b, c)) || (sign(d2) == 0 && onSegment(a, b, d)) ||
           (sign(d3) == 0 && onSegment(c, d, a)) || (sign(d4) == 0 && onSegment(c, d, b));
}

// Whether two pieces cross; neighbours may share their common end, but not fold back
// along each other.
bool piecesCross(const std::vector<Point>& first, const std::vector<Point>& second,
                 bool neighbours) {
    for (std::size_t i = 0; i + 1 < first.size(); ++i) {
        for (std::size_t j = 0; j + 1 < second.size(); ++j) {
            const bool sharedEnd = neighbours && i + 2 == first.size() && j == 0;
            if (sharedEnd) {
                const Point in = minus(first[i + 1], first[i]);
                const Point out = minus(second[j + 1], second[j]);
                const bool foldsBack = std::fabs(cross(in, out)) <= kRounding * length(in) &&
                                       in.z * out.z + in.depth * out.depth < 0;
                if (foldsBack) {
                    return true;
                }
                continue;
            }
            if (chordsMeet(first[i], first[i + 1], second[j], second[j + 1])) {
                return true;
            }
        }
    }
    return false;
}

std::optional<ProfileRefusal> pieceFault(const ProfileSegment& s, double bodySine) {
    if (!finite(s.from) || !finite(s.to) || (s.arc && !finite(s.centre))) {
        return ProfileRefusal{0, "holds a number that is not finite"};
    }
    if (s.arc) {
        if (!(s.radius > 0) || !std::isfinite(s.radius)) {
            return ProfileRefusal{0, "is an arc without a radius above 0"};
        }
        const double off = std::max(std::fabs(length(minus(s.from, s.centre)) - s.radius),
                                    std::fabs(length(minus(s.to, s.centre)) - s.radius));
        if (off > kProfileGapTolerance) {
            return ProfileRefusal{0, "is an arc whose ends do not lie on its circle"};
        }
        if (s.concave != (arcTurning(s) < 0)) {
            return ProfileRefusal{0, "is an arc of more than a half turn"};
        }
    }
    for (const bool atEnd : {false, true}) {
        const Point t = tangent(s, atEnd);
        const Point at = atEnd ? s.to : s.from;
        if (t.z < -kRounding) {
            return ProfileRefusal{0, "runs back along Z at " + place(at) +
                                         " (an undercut no radial plunge can cut)"};
        }
        if (t.z < bodySine - kRounding) {
            return ProfileRefusal{0, "is steeper at " + place(at) +
                                         " than the tool body's half angle allows"};
        }
    }
    return std::nullopt;
}

std::optional<ProfileRefusal> crossing(const SegmentChain& chain) {
    std::vector<std::vector<Point>> pieces;
    std::vector<Extent> extents;
    for (const ProfileSegment& s : chain) {
        pieces.push_back(chords(s));
        extents.push_back(zExtent(pieces.back()));
    }
    // Every piece runs forward along z, so only the next few can reach back to it.
    for (std::size_t i = 0; i < chain.size(); ++i) {
        for (std::size_t j = i + 1;
             j < chain.size() && extents[j].low <= extents[i].high + kRounding; ++j) {
            if (piecesCross(pieces[i], pieces[j], j == i + 1)) {
                return ProfileRefusal{j + 1, "crosses segment " + std::to_string(i + 1)};
            }
        }
    }
    return std::nullopt;
}

std::optional<ProfileRefusal> endsFault(const SegmentChain& chain, double pitch) {
    const Point first = chain.front().from;
    const Point last = chain.back().to;
    if (length(first) > kProfileGapTolerance) {
        return ProfileRefusal{1,
                              "starts at " + place(first) + ", not at the first crest (Z 0 X 0)"};
    }
    if (std::fabs(last.depth) > kProfileGapTolerance) {
        return ProfileRefusal{chain.size(),
                              "ends at " + place(last) + ", not back at the crest (X 0)"};
    }
    if (!(last.z <= pitch + kProfileGapTolerance)) {
        return ProfileRefusal{chain.size(),
                              "ends at " + place(last) + ", past the pitch " + millimetres(pitch)};
    }
    double deepest = 0;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const std::vector<Point> points = chords(chain[i]);
        if (shallowest(points) < -kProfileGapTolerance) {
            return ProfileRefusal{i + 1, "rises above the crest (X below 0)"};
        }
        for (const Point& p : points) {
            deepest = std::max(deepest, p.depth);
        }
    }
    if (!(deepest > kProfileGapTolerance)) {
        return ProfileRefusal{0, "has no depth: it never leaves the crest"};
    }
    return std::nullopt;
}

} // namespace

Expected<CheckedChain, ProfileRefusal> checkDrawnGroove(SegmentChain chain, double pitch,
                                                        double bodyHalfAngleDegrees) {
    CheckedChain checked;
    if (chain.empty()) {
        return unexpected(ProfileRefusal{0, "holds no segment"});
    }
    if (!(pitch > 0)) {
        return unexpected(ProfileRefusal{0, "needs a pitch above 0"});
    }
    const double bodySine =
        std::sin(std::clamp(bodyHalfAngleDegrees, 0.0, 89.0) * std::numbers::pi / 180);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        ProfileSegment& s = chain[i];
        if (i > 0) {
            const double gap = length(minus(s.from, chain[i - 1].to));
            if (!(gap <= kProfileGapTolerance)) {
                return unexpected(ProfileRefusal{
                    i + 1, "does not start where segment " + std::to_string(i) + " ends (gap " +
                               millimetres(gap) + " mm at " + place(s.from) + ")"});
            }
            if (gap > 0) {
                checked.notes.push_back("closed a gap of " + millimetres(gap) +
                                        " mm between segments " + std::to_string(i) + " and " +
                                        std::to_string(i + 1));
                s.from = chain[i - 1].to;
            }
        }
        if (length(minus(s.to, s.from)) <= kRounding) {
            return unexpected(ProfileRefusal{i + 1, "has no length"});
        }
        if (auto fault = pieceFault(s, bodySine)) {
            fault->segment = i + 1;
            return unexpected(*fault);
        }
    }
    if (auto fault = endsFault(chain, pitch)) {
        return unexpected(*fault);
    }
    if (auto fault = crossing(chain)) {
        return unexpected(*fault);
    }
    checked.segments = std::move(chain);
    return checked;
}

std::vector<UnreachablePart> unreachableParts(const SegmentChain& chain, double noseRadius) {
    std::vector<UnreachablePart> parts;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const ProfileSegment& s = chain[i];
        if (i > 0 && noseRadius > 0) {
            const double turn = cross(tangent(chain[i - 1], true), tangent(s, false));
            if (turn < -1e-6) {
                parts.push_back({i + 1, s.from, 0});
            }
        }
        if (s.arc && s.concave && s.radius < noseRadius) {
            const std::vector<Point> points = chords(s);
            parts.push_back({i + 1, points[points.size() / 2], s.radius});
        }
    }
    return parts;
}

std::string describeRefusal(const ProfileRefusal& refusal) {
    if (refusal.segment == 0) {
        return "the profile " + refusal.reason;
    }
    return "segment " + std::to_string(refusal.segment) + " " + refusal.reason;
}

} // namespace quillmar
