#include "core/drawn_groove.h"

#include "core/checked_arithmetic.h"
#include "core/nose_drop.h"
#include "core/profile_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmar {

namespace {

constexpr double kStepUnit = 0.0001;

// The passes plunged in between that a scallop is measured against.
constexpr int kScallopSamples = 4;

// The largest step (a whole number of kStepUnit, at most the pitch) from the pass at z
// whose scallop stays within the cusp; the smallest step when even that leaves more.
float cuspStep(const NoseDrop& drop, double r, float z, double pitch, double cusp) {
    const SectionPoint here{z, drop.centreDepth(z)};
    const auto fits = [&](long units) {
        const double next = static_cast<double>(z) + static_cast<double>(units) * kStepUnit;
        return scallopBetween(drop, r, here, {next, drop.centreDepth(next)}) <= cusp;
    };
    long low = 1;
    long high = std::max(1L, static_cast<long>(std::min(pitch, 2 * r) / kStepUnit));
    while (low < high) {
        const long middle = low + (high - low + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return toSingle(static_cast<double>(low) * kStepUnit);
}

} // namespace

double grooveDepth(const SegmentChain& chain) {
    double deepest = 0;
    for (const ProfileSegment& s : chain) {
        deepest = std::max({deepest, s.from.depth, s.to.depth});
        const SectionPoint bottom{s.centre.z, s.centre.depth + s.radius};
        if (s.arc && s.concave && withinSweep(s, bottom)) {
            deepest = std::max(deepest, bottom.depth);
        }
    }
    return deepest;
}

GrooveProfile drawnProfile(const ThreadJob& job) {
    GrooveProfile profile;
    profile.side = signOf(job.side);
    profile.crestX = profile.side > 0 ? job.d1 : job.d2;
    profile.pitch = job.pitch;
    profile.segments = job.drawnGroove;
    return profile;
}

double scallopBetween(const NoseDrop& drop, double r, SectionPoint a, SectionPoint b) {
    const SectionPoint ab{b.z - a.z, b.depth - a.depth};
    const double d = std::hypot(ab.z, ab.depth);
    if (d < 1e-12) {
        return 0;
    }
    if (d >= 2 * r) {
        return std::numeric_limits<double>::infinity();
    }
    const double h = std::sqrt(r * r - d * d / 4);
    const SectionPoint cusp{(a.z + b.z) / 2 - h * ab.depth / d,
                            (a.depth + b.depth) / 2 + h * ab.z / d};
    double nearest = r;
    for (int k = 1; k < kScallopSamples; ++k) {
        const double z = a.z + ab.z * k / kScallopSamples;
        nearest = std::min(nearest, std::hypot(cusp.z - z, cusp.depth - drop.centreDepth(z)));
    }
    return std::max(0.0, r - nearest);
}

std::vector<SchedulePoint> computeDrawnSchedule(ThreadJob& job) {
    job.passLength = checkedFinite((job.zStart - job.zEnd) + job.pitch);
    const auto checked = checkDrawnGroove(job.drawnGroove, job.pitch, 0);
    if (!checked) {
        throw DataError(describeRefusal(checked.error()));
    }
    const double r = job.noseRadius;
    if (!(r >= 0)) {
        throw DataError("a drawn groove needs a nose radius of 0 or more");
    }
    const bool byCusp = job.drawnCusp > 0;
    if (byCusp && !(r > 0)) {
        throw DataError("a cusp height needs a nose radius above 0");
    }
    if (!byCusp && !(job.zSteps[0] > 0)) {
        throw DataError("a drawn groove needs its step (R1-F) above 0, or a cusp height");
    }
    const NoseDrop drop(checked->segments, r);
    job.depth1 = job.depth2 = grooveDepth(checked->segments);

    // As in the eight-segment schedule, the running z is single precision.
    std::vector<SchedulePoint> points;
    float step = 0;
    float z = 0;
    int i = 0;
    do {
        if (i >= kPointCapacity) {
            throw DataError("more than 2001 profile points");
        }
        const double tipDepth = drop.centreDepth(z) + r;
        const double offset = -tipDepth * signOf(job.side);
        points.push_back(SchedulePoint{offset, checkedFinite(job.d2 + offset * 2), z});
        step = byCusp ? cuspStep(drop, r, z, job.pitch, job.drawnCusp) : job.zSteps[0];
        z = toSingle(static_cast<double>(z) + static_cast<double>(step));
        ++i;
    } while (toSingle(static_cast<double>(z) - static_cast<double>(toSingle(2.0 * step))) <
             job.pitch);
    return points;
}

} // namespace quillmar
