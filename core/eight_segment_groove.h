#pragma once

#include "core/groove_profile.h"
#include "core/thread_job.h"

namespace quillmar {

// The dialog's groove: first crest, convex corner R1, flank A1, concave corner R2, floor,
// concave corner R3, flank A2, convex corner R4, second crest. GrooveOutline holds the
// values the pass schedule walks the nose centre by: flank angles in radians (a2
// possibly steepened for a second crest diameter), corner radii widened (convex crest
// corners) or narrowed (concave floor corners) by the nose radius, the two depths, and
// the z values where the eight segments meet. The schedule's output depends on every
// bit of these, so they are computed here once, in the generator's order.
struct GrooveOutline {
    double a1 = 0;
    double a2 = 0;
    double r1 = 0;
    double r2 = 0;
    double r3 = 0;
    double r4 = 0;
    double h1 = 0;
    double h2 = 0;
    double z1 = 0;
    double zB = 0;
    double z2 = 0;
    double zC = 0;
    double z5 = 0;
    double zD = 0;
    double z6 = 0;
    // How far the second crest lies below the first: the last four segments hang from
    // D3, the first four from D2.
    double secondCrest = 0;
};

// Computes the outline of the job's groove; the job is left as it is. Throws DataError.
GrooveOutline grooveOutline(const ThreadJob& job);

// Radial offset of the nose tip at z on segment k (0..7) from that segment's own crest,
// before the sign of the side. Throws DataError where z lies outside a corner arc's reach.
double segmentOffset(const GrooveOutline& outline, int k, double z);

// The depth of the nose tip at z on segment k below the first crest.
inline double tipDepth(const GrooveOutline& outline, int k, double z) {
    return -segmentOffset(outline, k, z) + (k >= 4 ? outline.secondCrest : 0);
}

// The finished groove of the job's fields, from the same values. Throws DataError.
GrooveProfile grooveProfile(const ThreadJob& job);

// The depth below the first crest of the nose tip of computed profile point i.
double pointTipDepth(const ThreadJob& job, double pointDiameter);

} // namespace quillmar
