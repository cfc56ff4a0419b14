#include "simulation/twin_starts.h"

#include "core/checked_arithmetic.h"
#include "core/controls/control_registry.h"
#include "core/macro_writer.h"
#include "simulation/cut_simulation.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace quillmar {

namespace {

// The passes of one point, start by start from 0, differing only where the starts
// differ: the Z (or the start angle) and the sequence number.
bool writtenStartByStart(const PlannedPass* startsOfPoint, int starts) {
    const PlannedPass& first = startsOfPoint[0];
    for (int k = 0; k < starts; ++k) {
        const PlannedPass& pass = startsOfPoint[k];
        if (pass.start != k || pass.point != first.point || pass.grooveZ != first.grooveZ ||
            pass.pointX != first.pointX || pass.startX != first.startX || pass.endX != first.endX ||
            pass.endZ != first.endZ || pass.lead != first.lead ||
            pass.finishing != first.finishing) {
            return false;
        }
    }
    return true;
}

TwinLayout layoutOf(const PassPlan& plan) {
    return {plan.values.pitch, plan.zStart + plan.values.pitch, plan.starts};
}

SectionSetup sectionOf(const TwinLayout& layout) {
    SectionSetup setup;
    setup.pitch = layout.pitch;
    setup.zReference = layout.zReference;
    setup.starts = layout.starts;
    return setup;
}

} // namespace

std::optional<TwinLayout> TwinStarts::keepFirstStart(PassPlan& plan) {
    const int starts = plan.starts;
    if (starts <= 1 || starts > kMostStarts || plan.taperAngle != 0 ||
        plan.passes.size() % std::size_t(starts) != 0) {
        return std::nullopt;
    }
    // The run without its passes: the small plans the proof writes, one point's each.
    std::vector<PlannedPass> passes = std::move(plan.passes);
    PassPlan point = plan;
    plan.passes = std::move(passes);
    auto& known = proven_[Layout{plan.zStart, plan.values.pitch, plan.values.zEnd, plan.starts,
                                 plan.angleStarts}];
    // Start 0's pass of each point moves to the point's place, behind the points proven.
    const std::size_t points = plan.passes.size() / std::size_t(starts);
    for (std::size_t p = 0; p < points; ++p) {
        const PlannedPass* startsOfPoint = &plan.passes[p * std::size_t(starts)];
        if (!writtenStartByStart(startsOfPoint, starts) ||
            !pointProven(known, point, startsOfPoint)) {
            return std::nullopt;
        }
        plan.passes[p] = *startsOfPoint;
    }
    plan.passes.resize(points);
    return layoutOf(plan);
}

bool TwinStarts::pointProven(Proven& known, const PassPlan& point,
                             const PlannedPass* startsOfPoint) {
    const auto z = std::bit_cast<std::uint32_t>(startsOfPoint->grooveZ);
    if (const auto found = known.find(z); found != known.end()) {
        return found->second;
    }
    const std::optional<bool> twins = writtenTwins(point, startsOfPoint);
    if (twins) {
        known.emplace(z, *twins);
    }
    return twins.value_or(false);
}

// Writes every start of the point as the run would (both blocks: either may fail on a
// Z) and reads the moves back. Nothing when the writing fails: that may be the X, which
// is not the point's alone, so it is not kept.
std::optional<bool> TwinStarts::writtenTwins(PassPlan point, const PlannedPass* startsOfPoint) {
    const PassPlan& plan = point;
    point.passes.assign(startsOfPoint, startsOfPoint + plan.starts);
    PassReading reading;
    try {
        writeMacroBlock(ModalCall{}, point, choices_.sequenceNumbers);
        addWrittenRun(reading, pickDialect(choices_).write(point, choices_.sequenceNumbers).moves);
    } catch (const DataError&) {
        return std::nullopt;
    }
    if (reading.passes.empty()) {
        return true; // no start moves: the point writes no threading move at all
    }
    if (reading.passes.size() != std::size_t(plan.starts)) {
        return false;
    }
    const SectionSetup setup = sectionOf(layoutOf(plan));
    std::vector<int> grooves;
    const ThreadingPass& first = reading.passes.front();
    for (const ThreadingPass& pass : reading.passes) {
        if (pass.x != first.x || !setup.samePlace(pass.z, first.z)) {
            return false;
        }
        grooves.push_back(setup.grooveOf(pass.z));
    }
    if (grooveOfStart_.empty()) {
        std::vector<int> sorted = grooves;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
            return false; // two starts in one groove
        }
        grooveOfStart_ = grooves;
    }
    return grooves == grooveOfStart_;
}

} // namespace quillmar
