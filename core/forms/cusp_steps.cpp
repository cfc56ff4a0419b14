#include "core/forms/cusp_steps.h"

#include "core/checked_arithmetic.h"
#include "core/pass_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace quillmar::forms {

namespace {

// A point in the groove's section: z along the axis, c the depth of the nose centre
// below the crest (into the material).
struct Vec {
    double z = 0;
    double c = 0;
};

Vec operator-(Vec a, Vec b) {
    return {a.z - b.z, a.c - b.c};
}

double length(Vec v) {
    return std::hypot(v.z, v.c);
}

double segmentDistance(Vec q, Vec a, Vec b) {
    const Vec ab = b - a;
    const double span = ab.z * ab.z + ab.c * ab.c;
    const double u =
        span == 0 ? 0 : std::clamp(((q.z - a.z) * ab.z + (q.c - a.c) * ab.c) / span, 0.0, 1.0);
    return length(q - Vec{a.z + u * ab.z, a.c + u * ab.c});
}

struct Piece {
    Vec from;
    Vec to;
    bool arc = false;
    Vec centre;
    double radius = 0;
    bool lowerHalf = false; // the arc's points lie deeper than its centre
};

Piece line(Vec from, Vec to) {
    Piece piece;
    piece.from = from;
    piece.to = to;
    return piece;
}

Piece arc(Vec from, Vec to, Vec centre, double radius, bool lowerHalf) {
    return {from, to, true, centre, radius, lowerHalf};
}

// The path of the nose centre, piece by piece, as the outline's corners and flanks
// give it; the crest lines run on either side.
class CentrePath {
public:
    CentrePath(const GrooveOutline& o, double noseRadius, double pitch) {
        const double r = noseRadius;
        const auto tip = [&](int k, double z) { return -segmentOffset(o, k, z) - r; };
        const Vec c0{0, -r};
        const Vec c1{o.z1, tip(0, o.z1)};
        const Vec c2{o.z2, tip(2, o.z2)};
        const Vec cB{o.zB, o.h1 - r};
        const Vec cC{o.zC, o.h2 - r};
        const Vec c5{o.z5, tip(4, o.z5)};
        const Vec c6{o.z6, tip(6, o.z6)};
        const Vec cD{o.zD, -r};
        pieces_ = {
            line({-2 * pitch, -r}, c0),
            arc(c0, c1, {0, o.r1 - r}, o.r1, false),
            line(c1, c2),
            arc(c2, cB, {o.zB, o.h1 - o.r2 - r}, o.r2, true),
            line(cB, cC),
            arc(cC, c5, {o.zC, o.h2 - o.r3 - r}, o.r3, true),
            line(c5, c6),
            arc(c6, cD, {o.zD, o.r4 - r}, o.r4, false),
            line(cD, {o.zD + 3 * pitch, -r}),
        };
    }

    double distance(Vec q) const {
        double best = std::numeric_limits<double>::infinity();
        for (const Piece& piece : pieces_) {
            best = std::min(best, pieceDistance(q, piece));
        }
        return best;
    }

private:
    static double pieceDistance(Vec q, const Piece& piece) {
        if (!piece.arc) {
            return segmentDistance(q, piece.from, piece.to);
        }
        const Vec v = q - piece.centre;
        const double d = length(v);
        if (d > 0) {
            const Vec foot{piece.centre.z + piece.radius * v.z / d,
                           piece.centre.c + piece.radius * v.c / d};
            const double lo = std::min(piece.from.z, piece.to.z) - 1e-12;
            const double hi = std::max(piece.from.z, piece.to.z) + 1e-12;
            const bool onHalf = piece.lowerHalf ? foot.c >= piece.centre.c - 1e-12
                                                : foot.c <= piece.centre.c + 1e-12;
            if (foot.z >= lo && foot.z <= hi && onHalf) {
                return std::fabs(d - piece.radius);
            }
        }
        return std::min(length(q - piece.from), length(q - piece.to));
    }

    std::vector<Piece> pieces_;
};

// The height of material left between the cuts of two neighbouring passes: from the
// point where their nose circles cross, on the material side, to the outline.
double scallop(const CentrePath& path, double r, Vec a, Vec b) {
    const Vec ab = b - a;
    const double d = length(ab);
    if (d < 1e-12) {
        return 0;
    }
    if (d >= 2 * r) {
        return std::numeric_limits<double>::infinity();
    }
    const double h = std::sqrt(r * r - d * d / 4);
    const Vec cusp{(a.z + b.z) / 2 - h * ab.c / d, (a.c + b.c) / 2 + h * ab.z / d};
    return std::max(0.0, r - path.distance(cusp));
}

struct Walk {
    const GrooveOutline& outline;
    const CentrePath& path;
    double r;
    std::array<double, 9> bounds; // where segment k begins and ends: bounds[k], bounds[k + 1]

    // The centre of the pass the generator stores at z on segment k, if it can.
    std::optional<Vec> centre(int k, double z) const {
        try {
            return Vec{z, -segmentOffset(outline, k, z) - r};
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
    ThreadJob copy = job;
    const GrooveOutline outline = grooveOutline(copy);
    const double r = job.noseRadius;
    const CentrePath path(outline, r, job.pitch);
    double worst = 0;
    int where = 0;
    for (int i = 0; i + 1 < static_cast<int>(points.size()); ++i) {
        const auto at = [&](int n) {
            const SchedulePoint& point = points[static_cast<std::size_t>(n)];
            return Vec{static_cast<double>(point.z), -point.offset * signOf(job.side) - r};
        };
        const double height = scallop(path, r, at(i), at(i + 1));
        if (height > worst) {
            worst = height;
            where = i;
        }
    }
    return {worst, where};
}

} // namespace

double largestScallop(const ThreadJob& fields) {
    ThreadJob job = fields;
    const std::vector<SchedulePoint> points = computePassSchedule(job);
    return worstPair(job, points).first;
}

Expected<std::array<double, 8>> cuspSteps(const ThreadJob& fields, double cusp) {
    const double r = fields.noseRadius;
    if (!(cusp > 0) || !std::isfinite(cusp)) {
        return Failure{"The cusp height must be a number above 0 mm"};
    }
    if (!(r > 0)) {
        return Failure{"Steps for a cusp height need a round nose: give a nose radius above 0"};
    }
    ThreadJob job = fields;
    GrooveOutline outline;
    try {
        outline = grooveOutline(job);
    } catch (const DataError&) {
        return Failure{"The groove cannot be walked: its fields do not make an outline"};
    }
    const CentrePath path(outline, r, job.pitch);
    const Walk walk{outline, path, r, segmentBounds(outline, job.pitch)};
    std::array<double, 8> steps{};
    for (int k = 0; k < 8; ++k) {
        steps[static_cast<std::size_t>(k)] = largestFittingStep(walk, k, cusp, job.pitch);
        if (steps[static_cast<std::size_t>(k)] < kStepUnit) {
            return Failure{"No Z step of 0.0001 mm or more keeps the scallop within " +
                           std::to_string(cusp) + " mm with this nose: allow a larger cusp height"};
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
                return Failure{"This cusp height needs more than 2001 passes: allow a larger cusp "
                               "height or use a smaller nose radius"};
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
    return Failure{"No Z steps were found that keep every scallop within the cusp height: allow a "
                   "larger cusp height"};
}

} // namespace quillmar::forms
