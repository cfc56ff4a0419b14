#include "core/pass_schedule.h"

#include "core/checked_arithmetic.h"

#include <cmath>

namespace quillmar {

namespace {

double square(double value) {
    return checkedFinite(value * value);
}

} // namespace

GrooveOutline grooveOutline(const ThreadJob& job) {
    GrooveOutline o;
    // Flank angles are converted as (angle x pi) / 180, in this order.
    o.a1 = checkedFinite((job.a1 * kAnglePi) / 180);
    o.a2 = checkedFinite((job.a2 * kAnglePi) / 180);
    const double r = job.noseRadius;
    o.r1 = checkedFinite(r + job.r1);
    o.r2 = checkedFinite(job.r2 - r);
    o.r3 = checkedFinite(job.r3 - r);
    o.r4 = checkedFinite(r + job.r4);
    o.h1 = checkedFinite((job.d1 - job.d2) / 2);
    o.h2 = checkedFinite((job.d1 - job.d3) / 2);

    // With different crest diameters the second flank keeps the Z run that the first
    // side's depth gives at the typed angle and steepens to reach its own depth.
    if (job.d3 != job.d2) {
        const double run = checkedDiv(o.h1, std::tan(o.a2));
        o.a2 = std::atan(checkedDiv(o.h2, run));
    }

    o.z1 = checkedFinite(std::sin(o.a1) * o.r1);
    o.zB = checkedFinite((std::tan(o.a1 / 2) * o.r2 + checkedDiv(o.h1, std::tan(o.a1))) +
                         std::tan(o.a1 / 2) * o.r1);
    o.z2 = checkedFinite(o.zB - std::sin(o.a1) * o.r2);
    o.zC = checkedFinite(o.zB + job.width);
    o.z5 = checkedFinite(o.zC + std::sin(o.a2) * o.r3);
    o.zD = checkedFinite(((o.zC + std::tan(o.a2 / 2) * o.r3) + checkedDiv(o.h2, std::tan(o.a2))) +
                         std::tan(o.a2 / 2) * o.r4);
    o.z6 = checkedFinite(o.zD - std::sin(o.a2) * o.r4);
    return o;
}

double segmentOffset(const GrooveOutline& o, int k, double z) {
    switch (k) {
    case 0:
        return checkedSqrt(square(o.r1) - square(z)) - o.r1;
    case 1:
        return checkedFinite((z - std::tan(o.a1 / 2) * o.r1) * (-std::tan(o.a1)));
    case 2:
        return checkedFinite(((-o.h1) - checkedSqrt(square(o.r2) - square(o.zB - z))) + o.r2);
    case 3:
        return -o.h1;
    case 4:
        return checkedFinite(((-o.h2) - checkedSqrt(square(o.r3) - square(z - o.zC))) + o.r3);
    case 5:
        return checkedFinite(((o.zD - z) - std::tan(o.a2 / 2) * o.r4) * (-std::tan(o.a2)));
    case 6:
        return checkedSqrt(square(o.r4) - square(o.zD - z)) - o.r4;
    default:
        return 0;
    }
}

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
