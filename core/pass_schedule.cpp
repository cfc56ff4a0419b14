#include "core/pass_schedule.h"

#include "core/checked_arithmetic.h"
#include "core/drawn_groove.h"

#include <cmath>

namespace quillmar {

namespace {

bool segmentContinues(const GrooveOutline& o, int k, float z, float step, double pitch) {
    switch (k) {
    case 0:
        return z < o.z1;
    case 1:
        return z < o.z2;
    case 2:
        return z < o.zB;
    case 3:
        return z < o.zC;
    case 4:
        return z < o.z5;
    case 5:
        return z < o.z6;
    case 6:
        return z < o.zD;
    default:
        // The closing crest runs one step past a whole pitch, so the profile overlaps
        // the start of the next groove; the difference is taken in single precision.
        return toSingle(static_cast<double>(z) - static_cast<double>(toSingle(2.0 * step))) < pitch;
    }
}

} // namespace

std::vector<SchedulePoint> computePassSchedule(ThreadJob& job) {
    if (!job.drawnGroove.empty()) {
        return computeDrawnSchedule(job);
    }
    job.passLength = checkedFinite((job.zStart - job.zEnd) + job.pitch);
    const GrooveOutline outline = grooveOutline(job);
    job.depth1 = outline.h1;
    job.depth2 = outline.h2;

    // The running z is single precision on purpose: every sum is rounded to a float,
    // and that rounding is visible in the third decimal of the program Z.
    float z = 0;
    std::vector<SchedulePoint> points;
    for (int k = 0; k < 8; ++k) {
        const float step = job.zSteps[static_cast<std::size_t>(k)];
        do {
            const double offset = segmentOffset(outline, k, z) * signOf(job.side);
            if (points.size() >= kPointCapacity) {
                throw DataError("more than 2001 profile points");
            }
            const double base = k < 4 ? job.d2 : job.d3;
            points.push_back({offset, checkedFinite(base + offset * 2), z});
            z = toSingle(static_cast<double>(z) + static_cast<double>(step));
        } while (segmentContinues(outline, k, z, step, job.pitch));
    }
    return points;
}

} // namespace quillmar
