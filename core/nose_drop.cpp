#include "core/nose_drop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmar {

namespace {

// How far the crests run on either side of the groove, in nose radii: far enough that a
// pass beyond the groove's ends rests on a crest.
constexpr double kCrestRunOn = 4;

struct Resting {
    double z;
    double r;
    double depth = std::numeric_limits<double>::infinity();

    // The nose touching the point p: its centre lies r from it, above it.
    void touch(SectionPoint p) {
        const double dz = p.z - z;
        if (std::fabs(dz) <= r) {
            depth = std::min(depth, p.depth - std::sqrt(std::max(0.0, r * r - dz * dz)));
        }
    }
};

// The points where the nose's circle is tangent to a straight piece: the only places
// inside it where the nose can first touch it.
void touchLine(Resting& rest, const ProfileSegment& s) {
    const double dz = s.to.z - s.from.z;
    const double dd = s.to.depth - s.from.depth;
    const double l = std::hypot(dz, dd);
    if (dz <= 0 || l == 0) {
        return; // a radial wall is first touched at its ends
    }
    const double nz = dd / l;
    for (const double side : {-1.0, 1.0}) {
        const double pz = rest.z + side * rest.r * nz;
        if (pz >= s.from.z && pz <= s.to.z) {
            rest.touch({pz, s.from.depth + (pz - s.from.z) * dd / dz});
        }
    }
}

// The points of an arc whose normal passes through the nose's centre: with the centre at
// R + r or R - r from the arc's centre, along the line through both.
void touchArc(Resting& rest, const ProfileSegment& s) {
    for (const double reach : {s.radius + rest.r, s.radius - rest.r}) {
        if (std::fabs(reach) < 1e-12) {
            continue;
        }
        const double uz = (rest.z - s.centre.z) / reach;
        if (std::fabs(uz) > 1) {
            continue;
        }
        const double ud = std::sqrt(1 - uz * uz);
        for (const double side : {-1.0, 1.0}) {
            const SectionPoint p{s.centre.z + s.radius * uz, s.centre.depth + s.radius * side * ud};
            if (withinSweep(s, p)) {
                rest.touch(p);
            }
        }
    }
}

} // namespace

NoseDrop::NoseDrop(const SegmentChain& groove, double noseRadius) : radius_(noseRadius) {
    if (groove.empty()) {
        return;
    }
    const double runOn = kCrestRunOn * std::max(noseRadius, 1.0);
    const SectionPoint first = groove.front().from;
    const SectionPoint last = groove.back().to;
    SegmentChain chain;
    chain.push_back(lineSegment({first.z - runOn, first.depth}, first));
    chain.insert(chain.end(), groove.begin(), groove.end());
    chain.push_back(lineSegment(last, {last.z + runOn, last.depth}));
    for (const ProfileSegment& s : chain) {
        double low = std::min(s.from.z, s.to.z);
        double high = std::max(s.from.z, s.to.z);
        if (s.arc) {
            // An arc may bulge beyond its ends along z where it passes its sides.
            for (const double side : {-1.0, 1.0}) {
                const SectionPoint extreme{s.centre.z + side * s.radius, s.centre.depth};
                if (withinSweep(s, extreme)) {
                    low = std::min(low, extreme.z);
                    high = std::max(high, extreme.z);
                }
            }
        }
        pieces_.push_back({s, low, high});
    }
}

double NoseDrop::centreDepth(double z) const {
    Resting rest{z, radius_};
    // The pieces run forward along z, so those within the nose's reach follow each other.
    const auto first = std::partition_point(pieces_.begin(), pieces_.end(),
                                            [&](const Piece& p) { return p.high < z - radius_; });
    for (auto it = first; it != pieces_.end() && it->low <= z + radius_; ++it) {
        const ProfileSegment& s = it->segment;
        rest.touch(s.from);
        rest.touch(s.to);
        if (s.arc) {
            touchArc(rest, s);
        } else {
            touchLine(rest, s);
        }
    }
    if (!std::isfinite(rest.depth)) {
        // Beyond the crests' run-on: the nose rests on the crest.
        return -radius_;
    }
    return rest.depth;
}

} // namespace quillmar
