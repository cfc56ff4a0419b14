#pragma once

#include "core/thread_job.h"

#include <vector>

namespace quillmar {

// The nose-centre outline of one groove: flank angles in radians (a2 possibly
// steepened for a second crest diameter), corner radii widened (convex crest
// corners) or narrowed (concave floor corners) by the nose radius, the two depths,
// and the z values where the eight segments meet.
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
};

// Computes the outline of the job's groove; the job is left as it is. Throws DataError.
GrooveOutline grooveOutline(const ThreadJob& job);

// Radial offset of the point at z on segment k (0..7), before the sign of the side.
// Throws DataError where z lies outside a corner arc's reach.
double segmentOffset(const GrooveOutline& outline, int k, double z);

// One profile point of the schedule: its radial offset (signed by the side), its
// diameter and its z within the groove (single precision, as the walk sums it).
struct SchedulePoint {
    double offset = 0;
    double diameter = 0;
    float z = 0;
};

// Walks the groove outline of the tool's nose centre in eight segments and gives the
// profile points 0..n; stores passLength, depth1 and depth2 into the job, in that order,
// as they are worked out. Throws DataError on a division by zero, a negative square
// root, a non-finite value or more than kPointCapacity points.
std::vector<SchedulePoint> computePassSchedule(ThreadJob& job);

} // namespace quillmar
