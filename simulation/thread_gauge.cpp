#include "simulation/thread_gauge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillmar {

namespace {

// The section's surface over one pitch, starting at a crest so that the groove lies in
// one piece between its two ends, read between the cell centres as straight pieces.
struct CrestFirstSurface {
    std::vector<double> depth; // by cell from the crest; depth[n] closes on depth[0]
    double cellWidth = 0;

    int cells() const { return int(depth.size()) - 1; }
    double position(int k) const { return (k + 0.5) * cellWidth; }

    // How much of the pitch lies in the air below `level`: the groove's width there.
    double grooveWidth(double level) const {
        double width = 0;
        for (int k = 0; k < cells(); ++k) {
            const double a = depth[std::size_t(k)];
            const double b = depth[std::size_t(k + 1)];
            if (a > level && b > level) {
                width += cellWidth;
            } else if (a > level || b > level) {
                width += cellWidth * (std::max(a, b) - level) / std::fabs(a - b);
            }
        }
        return width;
    }

    // The first and last piece that dips below `level`: the groove's two sides there.
    std::pair<int, int> sidesAt(double level) const {
        int first = -1;
        int last = -1;
        for (int k = 0; k < cells(); ++k) {
            if (depth[std::size_t(k)] > level || depth[std::size_t(k + 1)] > level) {
                first = first < 0 ? k : first;
                last = k;
            }
        }
        return {first, last};
    }
};

CrestFirstSurface crestFirst(const SimulationResult& result) {
    const auto& material = result.materialDepth;
    const auto crest = std::min_element(material.begin(), material.end());
    CrestFirstSurface surface{std::vector<double>(crest, material.end()), result.cellWidth};
    surface.depth.insert(surface.depth.end(), material.begin(), crest);
    surface.depth.push_back(surface.depth.front());
    return surface;
}

// The level where the groove is half a pitch wide (the groove widens toward the crest).
std::optional<double> halfPitchLevel(const CrestFirstSurface& surface, double crest, double root,
                                     double pitch) {
    if (surface.grooveWidth(crest) < pitch / 2) {
        return std::nullopt;
    }
    double shallow = crest;
    double deep = root;
    for (int round = 0; round < 60; ++round) {
        const double middle = (shallow + deep) / 2;
        (surface.grooveWidth(middle) >= pitch / 2 ? shallow : deep) = middle;
    }
    return (shallow + deep) / 2;
}

// The least-squares line through the flank's points, position against depth.
std::optional<FlankReading> readFlank(const CrestFirstSurface& surface, int from, int to,
                                      double top, double bottom) {
    double n = 0, sy = 0, su = 0, syy = 0, syu = 0;
    for (int k = from; k < to; ++k) {
        const double y = surface.depth[std::size_t(k)];
        if (y < top || y > bottom) {
            continue;
        }
        const double u = surface.position(k);
        n += 1;
        sy += y;
        su += u;
        syy += y * y;
        syu += y * u;
    }
    const double spread = n * syy - sy * sy;
    if (n < 3 || !(spread > 0)) {
        return std::nullopt;
    }
    const double slope = (n * syu - sy * su) / spread;
    const double offset = (su - slope * sy) / n;
    const double norm = std::sqrt(1 + slope * slope);
    double low = INFINITY;
    double high = -INFINITY;
    for (int k = from; k < to; ++k) {
        const double y = surface.depth[std::size_t(k)];
        if (y < top || y > bottom) {
            continue;
        }
        const double residual = (surface.position(k) - offset - slope * y) / norm;
        low = std::min(low, residual);
        high = std::max(high, residual);
    }
    return FlankReading{std::atan(std::fabs(slope)) * 180 / std::numbers::pi, high - low};
}

// The deepest point of the groove is the deepest nose edge of its passes, which the
// cell centres may miss by a little on a sharp nose.
double deepestPoint(const SimulationResult& result, const CrestFirstSurface& surface) {
    double deepest = *std::max_element(surface.depth.begin(), surface.depth.end());
    if (result.passes.empty()) {
        return deepest;
    }
    const SectionSetup& setup = result.setup;
    const int shown = setup.grooveOf(result.passes.front().z);
    for (const PassCut& pass : result.passes) {
        if (setup.grooveOf(pass.z) == shown) {
            deepest = std::max(deepest, setup.depthOf(pass.x));
        }
    }
    return deepest;
}

DiameterVerdict judge(std::optional<double> value, const forms::DiameterBand& band) {
    DiameterVerdict verdict{value, band};
    if (value) {
        verdict.inside = *value >= band.min && *value <= band.max;
        verdict.by = verdict.inside ? std::min(*value - band.min, band.max - *value)
                                    : std::max(band.min - *value, *value - band.max);
    }
    return verdict;
}

} // namespace

std::optional<ThreadGauge> gaugeThread(const SimulationResult& result) {
    const SectionSetup& setup = result.setup;
    if (result.materialDepth.size() < 3 || !(result.cellWidth > 0) || !(setup.pitch > 0)) {
        return std::nullopt;
    }
    const CrestFirstSurface surface = crestFirst(result);
    const double crest = surface.depth.front();
    const double root = deepestPoint(result, surface);
    // Less than a micrometre of depth is no groove.
    if (!(root - crest > 0.001)) {
        return std::nullopt;
    }
    ThreadGauge gauge;
    gauge.majorDiameter = std::max(setup.diameterOf(crest), setup.diameterOf(root));
    gauge.minorDiameter = std::min(setup.diameterOf(crest), setup.diameterOf(root));
    const std::optional<double> level = halfPitchLevel(surface, crest, root, setup.pitch);
    if (level) {
        gauge.pitchDiameter = setup.diameterOf(*level);
    }
    const auto [first, last] = surface.sidesAt(level.value_or((crest + root) / 2));
    const int middle = (first + last + 1) / 2;
    const double leftOut = kFlankEndsLeftOut * (root - crest);
    gauge.firstFlank = readFlank(surface, 0, middle, crest + leftOut, root - leftOut);
    gauge.secondFlank =
        readFlank(surface, middle, surface.cells(), crest + leftOut, root - leftOut);
    return gauge;
}

bool GaugeVerdict::passes() const {
    for (const auto* verdict : {&major, &pitch, &minor, &gaugePlane}) {
        if (*verdict && !(*verdict)->inside) {
            return false;
        }
    }
    return true;
}

GaugeVerdict judgeThread(const ThreadGauge& gauge, const forms::GaugeLimits& limits) {
    GaugeVerdict verdict;
    if (limits.major.known()) {
        verdict.major = judge(gauge.majorDiameter, limits.major);
    }
    if (limits.pitch.known()) {
        verdict.pitch = judge(gauge.pitchDiameter, limits.pitch);
    }
    if (limits.minor.known()) {
        verdict.minor = judge(gauge.minorDiameter, limits.minor);
    }
    if (const forms::GaugePlaneLimit& plane = limits.gaugePlane; plane.known()) {
        const std::optional<double> offset =
            gauge.pitchDiameter ? std::optional(plane.offset(*gauge.pitchDiameter)) : std::nullopt;
        verdict.gaugePlane = judge(offset, {-plane.tolerance, plane.tolerance});
    }
    return verdict;
}

} // namespace quillmar
