#include "core/forms/scallop_allowance.h"

#include "core/eight_segment_groove.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quillmar::forms {

namespace {

struct Edges {
    double low;
    double high;
};

std::optional<Edges> cutEdgesAt(const ThreadJob& job, const std::vector<SchedulePoint>& points,
                                double depth) {
    const double r = job.noseRadius;
    Edges edges{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (const SchedulePoint& point : points) {
        const double below = depth - (pointTipDepth(job, point.diameter) - r);
        if (below > r) {
            continue;
        }
        const double half = below <= 0 ? r : std::sqrt(r * r - below * below);
        edges.low = std::min(edges.low, point.z - half);
        edges.high = std::max(edges.high, point.z + half);
    }
    if (!(edges.high >= edges.low)) {
        return std::nullopt;
    }
    return edges;
}

struct Range {
    double least = std::numeric_limits<double>::infinity();
    double most = -std::numeric_limits<double>::infinity();
    void add(double value) {
        least = std::min(least, value);
        most = std::max(most, value);
    }
    double middle() const { return (least + most) / 2; }
};

} // namespace

std::optional<double> scallopCentredWidth(const ThreadJob& job,
                                          const std::vector<SchedulePoint>& points, double depth,
                                          double span, double firstSlope, double secondSlope) {
    // Enough levels to find every scallop's crest and hollow to a small part of its height.
    constexpr int kLevels = 400;
    Range first;
    Range second;
    for (int i = 0; i <= kLevels; ++i) {
        const double off = span * (2.0 * i / kLevels - 1);
        const auto edges = cutEdgesAt(job, points, depth + off);
        if (!edges) {
            return std::nullopt;
        }
        // Each edge brought back along its flank to the depth asked.
        first.add(edges->low - firstSlope * off);
        second.add(edges->high + secondSlope * off);
    }
    return second.middle() - first.middle();
}

std::optional<CuspFit> cuspFit(const ThreadForm& form, Side side) {
    constexpr double kDegree = std::numbers::pi / 180;
    const double b1 = form.firstFlank * kDegree;
    const double b2 = form.secondFlank * kDegree;
    std::optional<CuspFit> fit;
    const auto consider = [&](const DiameterBand& band, const char* diameter, double perCusp,
                              bool centred) {
        if (!band.known() || !(perCusp > 0)) {
            return;
        }
        const double width = band.max - band.min;
        const double largest = (centred ? width : width / 2) / perCusp;
        if (!fit || largest < fit->largest) {
            fit = CuspFit{largest, diameter, width, perCusp, centred};
        }
    };
    // A scallop h off a flank at b from the radial direction moves that flank by h / cos b
    // along the axis; the groove narrows by tan b1 + tan b2 for each millimetre of depth,
    // which is two of diameter. The flanks are made halfway between the scallops' crests
    // and hollows, so the spread lies centred on the band's middle and may fill the band.
    consider(form.limits.pitch, "pitch",
             2 * (1 / std::cos(b1) + 1 / std::cos(b2)) / (std::tan(b1) + std::tan(b2)), true);
    // On the floor a scallop stands radially, twice its height in diameter, above a floor
    // cut to the band's middle: one way only, within half the band.
    if (side == Side::Outer) {
        consider(form.limits.minor, "minor", 2, false);
    } else {
        consider(form.limits.major, "major", 2, false);
    }
    return fit;
}

} // namespace quillmar::forms
