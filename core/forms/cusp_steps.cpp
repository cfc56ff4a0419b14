#include "core/forms/cusp_steps.h"

#include "core/checked_arithmetic.h"
#include "core/groove_profile.h"
#include "core/pass_schedule.h"
#include "core/plain_number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace quillmar::forms {

namespace {

using Vec = SectionPoint;

// Passes before the groove and past its pitch run on the crests: the centre path runs on
// this many pitches either side for them.
constexpr double kCrestRunOn = 3;

double length(Vec v) {
    return std::hypot(v.z, v.depth);
}

// The height of material left between the cuts of two neighbouring passes: from the
// point where their nose circles cross, on the material side, to the outline.
double scallop(const SegmentChain& path, double r, Vec a, Vec b) {
    const Vec ab{b.z - a.z, b.depth - a.depth};
    const double d = length(ab);
    if (d < 1e-12) {
        return 0;
    }
    if (d >= 2 * r) {
        return std::numeric_limits<double>::infinity();
    }
    const double h = std::sqrt(r * r - d * d / 4);
    const Vec cusp{(a.z + b.z) / 2 - h * ab.depth / d, (a.depth + b.depth) / 2 + h * ab.z / d};
    return std::max(0.0, r - distanceTo(path, cusp));
}

struct Walk {
    const GrooveOutline& outline;
    const SegmentChain& path;
    double r;
    std::array<double, 9> bounds; // where segment k begins and ends: bounds[k], bounds[k + 1]

    // The centre of the pass the generator stores at z on segment k, if it can.
    std::optional<Vec> centre(int k, double z) const {
        try {
            return Vec{z, tipDepth(outline, k, z) - r};
        } catch (const DataError&) {
            return std::nullopt;
        }
    }

    // Every pair of passes that starts on segment k, a step s apart, stays within the cusp.
    bool fits(int k, double s, double cusp) const {
        const double from = bounds[static_cast<std::size_t>(k)];
        const double to = std::max(from, bounds[static_cast<std::size_t>(k) + 1]);
        constexpr int kSamples = 64;
        for (int i = 0; i <= kSamples; ++i) {
            const double z = from + (to - from) * i / kSamples;
            const double next = static_cast<double>(static_cast<float>(z + s));
            const int nextSegment = next < to || k == 7 ? k : k + 1;
            const auto a = centre(k, z);
            const auto b = centre(nextSegment, next);
            if (!a || !b || scallop(path, r, *a, *b) > cusp) {
                return false;
            }
            if (to == from) {
                break;
            }
        }
        return true;
    }
};

constexpr double kStepUnit = 0.0001;

double largestFittingStep(const Walk& walk, int k, double cusp, double pitch) {
    double lo = 0;
    double hi = pitch;
    if (walk.fits(k, hi, cusp)) {
        lo = hi;
    }
    for (int i = 0; i < 50 && hi - lo > kStepUnit / 10; ++i) {
        const double mid = (lo + hi) / 2;
        (walk.fits(k, mid, cusp) ? lo : hi) = mid;
    }
    return std::floor(lo / kStepUnit) * kStepUnit;
}

// The segment the generator stored pass i on: it moves on one segment at a time, when
// the running z has reached the end of the current one.
int segmentOf(const std::vector<SchedulePoint>& points, const std::array<double, 9>& bounds,
              int pass) {
    int k = 0;
    for (int i = 1; i <= pass; ++i) {
        if (k < 7 &&
            points[static_cast<std::size_t>(i)].z >= bounds[static_cast<std::size_t>(k) + 1]) {
            ++k;
        }
    }
    return k;
}

std::array<double, 9> segmentBounds(const GrooveOutline& o, double pitch) {
    return {0, o.z1, o.z2, o.zB, o.zC, o.z5, o.z6, o.zD, std::max(o.zD, pitch)};
}

// The largest scallop of a computed schedule, and the pass where it begins.
std::pair<double, int> worstPair(const ThreadJob& job, const std::vector<SchedulePoint>& points) {
    const double r = job.noseRadius;
    const SegmentChain path = noseCentrePath(grooveProfile(job), r, kCrestRunOn * job.pitch);
    double worst = 0;
    int where = 0;
    for (int i = 0; i + 1 < static_cast<int>(points.size()); ++i) {
        const auto at = [&](int n) {
            const SchedulePoint& point = points[static_cast<std::size_t>(n)];
            return Vec{static_cast<double>(point.z), pointTipDepth(job, point.diameter) - r};
        };
        const double height = scallop(path, r, at(i), at(i + 1));
        if (height > worst) {
            worst = height;
            where = i;
        }
    }
    return {worst, where};
}

// What helps when even the smallest step leaves too much: a larger cusp only where this
// nose leaves a bounded scallop at that step; otherwise only a larger nose.
MessageId smallestStepRemedy(const Walk& walk, int segment, double pitch) {
    const bool cuspHelps = largestFittingStep(walk, segment, pitch, pitch) >= kStepUnit;
    return cuspHelps ? MessageId::RemedyLargerCusp : MessageId::RemedyLargerNose;
}

} // namespace

double largestScallop(const ThreadJob& fields) {
    ThreadJob job = fields;
    const std::vector<SchedulePoint> points = computePassSchedule(job);
    return worstPair(job, points).first;
}

FormExpected<std::array<double, 8>> cuspSteps(const ThreadJob& fields, double cusp) {
    const double r = fields.noseRadius;
    if (!(cusp > 0) || !std::isfinite(cusp)) {
        return refusal(MessageId::CuspNotPositive);
    }
    if (!(r > 0)) {
        return refusal(MessageId::CuspNeedsNose);
    }
    ThreadJob job = fields;
    GrooveOutline outline;
    SegmentChain path;
    try {
        outline = grooveOutline(job);
        path = noseCentrePath(grooveProfile(job), r, kCrestRunOn * job.pitch);
    } catch (const DataError&) {
        return refusal(MessageId::GrooveNotWalkable);
    }
    const Walk walk{outline, path, r, segmentBounds(outline, job.pitch)};
    std::array<double, 8> steps{};
    for (int k = 0; k < 8; ++k) {
        steps[static_cast<std::size_t>(k)] = largestFittingStep(walk, k, cusp, job.pitch);
        if (steps[static_cast<std::size_t>(k)] < kStepUnit) {
            return refusal(MessageId::NoStepFits, {plainNumberText(cusp), plainNumberText(r),
                                                   smallestStepRemedy(walk, k, job.pitch)});
        }
    }
    // The passes really made fall where the steps put them: check them, and shorten the
    // step of a segment that still leaves too much.
    for (int attempt = 0; attempt < 60; ++attempt) {
        for (std::size_t k = 0; k < 8; ++k) {
            job.zSteps[k] = static_cast<float>(steps[k]);
        }
        std::vector<SchedulePoint> points;
        try {
            points = computePassSchedule(job);
        } catch (const DataError& error) {
            if (std::string_view(error.what()).find("2001") != std::string_view::npos) {
                // A larger nose leaves a lower scallop for the same step, so fewer passes.
                return refusal(MessageId::TooManyPasses);
            }
            for (double& step : steps) {
                step = std::max(kStepUnit, std::floor(step * 0.9 / kStepUnit) * kStepUnit);
            }
            continue;
        }
        const auto [worst, where] = worstPair(job, points);
        if (worst <= cusp) {
            return steps;
        }
        const int k = segmentOf(points, walk.bounds, where);
        double& step = steps[static_cast<std::size_t>(k)];
        if (step <= kStepUnit) {
            break;
        }
        step = std::max(kStepUnit, std::floor(step * 0.9 / kStepUnit) * kStepUnit);
    }
    return refusal(MessageId::NoStepsFound);
}

} // namespace quillmar::forms
