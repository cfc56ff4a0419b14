#include "simulation/design_outline.h"

#include "core/checked_arithmetic.h"
#include "core/drawn_groove.h"
#include "core/eight_segment_groove.h"

#include <algorithm>

namespace quillmar {

std::optional<DesignOutline> DesignOutline::fromJob(const ThreadJob& job) {
    try {
        GrooveProfile profile = job.drawnGroove.empty() ? grooveProfile(job) : drawnProfile(job);
        if (!spansOnePitch(profile, kOutlineTolerance)) {
            return std::nullopt;
        }
        return DesignOutline(std::move(profile));
    } catch (const DataError&) {
        return std::nullopt;
    }
}

double DesignOutline::diameterAt(double w) const {
    return profile_.xAt(depthAt(profile_.segments, w).value_or(0));
}

double DesignOutline::distanceTo(double w, double x) const {
    const double depth = (profile_.crestX - x) / (2 * profile_.side);
    double nearest = quillmar::distanceTo(profile_.segments, {w, depth});
    for (const double shift : {-profile_.pitch, profile_.pitch}) {
        nearest = std::min(nearest, quillmar::distanceTo(profile_.segments, {w + shift, depth}));
    }
    return nearest;
}

} // namespace quillmar
