#include "simulation/height_field.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quillmar {

namespace {

constexpr double kCellWidth = 0.001;
constexpr int kMostCells = 50000;
// The midpoint rule errs per pass by about cellWidth^2 / 12 times the slope of the
// nose circle where it stops being used; this keeps that error below 1e-6 mm^2.
constexpr double kMidpointAreaError = 1e-6;

} // namespace

void HeightField::addEngagedEdge(CutFigures& figures, double reach, double depth,
                                 std::optional<double> previousReach, bool toolEndsBefore,
                                 bool toolEndsAfter) const {
    // Along the edge from the last cut centre; where the tool's outline ends beside a
    // cut centre, its side rises straight up to the material.
    if (previousReach) {
        const double rise = reach - *previousReach;
        figures.engagedEdge += std::sqrt(cellWidth_ * cellWidth_ + rise * rise);
    }
    figures.engagedEdge += (toolEndsBefore ? depth : 0) + (toolEndsAfter ? depth : 0);
}

HeightField::HeightField(double pitch, double stockDepth, const ToolShape& tool)
    : pitch_(pitch), stockDepth_(stockDepth), tool_(tool) {
    const int cells = std::clamp(int(std::ceil(pitch / kCellWidth)), 1, kMostCells);
    cellWidth_ = pitch / cells;
    const double slope = 12 * kMidpointAreaError / (cellWidth_ * cellWidth_);
    const double r = tool.noseRadius();
    smoothHalfWidth_ = std::min(r * slope / std::sqrt(1 + slope * slope), tool.circleHalfWidth());
    centreDepth_.assign(cells, stockDepth);
    meanDepth_.assign(cells, stockDepth);
    owner_.assign(cells, -1);
}

int HeightField::wrap(long long j) const {
    const long long n = centreDepth_.size();
    if (j >= 0 && j < n) {
        return int(j); // most cells: no division
    }
    return int(((j % n) + n) % n);
}

double HeightField::offsetFrom(double position, double centre) const {
    const double apart = position - centre;
    // fmod gives back a remainder smaller than the pitch unchanged: most calls skip it.
    double a = std::fabs(apart) < pitch_ ? apart : std::fmod(apart, pitch_);
    if (a >= pitch_ / 2) {
        a -= pitch_;
    } else if (a < -pitch_ / 2) {
        a += pitch_;
    }
    return a;
}

HeightField::NearPasses HeightField::passesNear(int cell) const {
    NearPasses near;
    int previous = -1; // neighbours often share their pass: it gives the same depth again
    for (int k = -2; k <= 2; ++k) {
        const int owner = owner_[wrap(cell + k)];
        if (owner < 0 || owner == previous) {
            continue;
        }
        previous = owner;
        near.owners[std::size_t(near.count++)] = owner;
    }
    return near;
}

HeightField::Surface HeightField::surfaceOf(const NearPasses& near, double position) const {
    Surface surface{stockDepth_, -1};
    for (int i = 0; i < near.count; ++i) {
        const auto owner = std::size_t(near.owners[std::size_t(i)]);
        const double depth =
            tool_.reach(passCentreDepth_[owner], offsetFrom(position, passPosition_[owner]));
        if (depth > surface.depth) {
            surface = {depth, passNumber_[owner]};
        }
    }
    return surface;
}

HeightField HeightField::compacted() const {
    HeightField kept(pitch_, stockDepth_, tool_);
    kept.centreDepth_ = centreDepth_;
    kept.meanDepth_ = meanDepth_;
    kept.owner_ = owner_;
    std::vector<int> renumbered(passNumber_.size(), -1);
    for (int& owner : kept.owner_) {
        if (owner < 0) {
            continue;
        }
        int& local = renumbered[std::size_t(owner)];
        if (local < 0) {
            local = int(kept.passNumber_.size());
            kept.passNumber_.push_back(passNumber_[std::size_t(owner)]);
            kept.passPosition_.push_back(passPosition_[std::size_t(owner)]);
            kept.passCentreDepth_.push_back(passCentreDepth_[std::size_t(owner)]);
        }
        owner = local;
    }
    return kept;
}

double HeightField::offsetOf(long long j, double position) const {
    return (j + 0.5) * cellWidth_ - position;
}

void HeightField::reachAcross(const PassSpan& span) {
    for (long long j = span.first; j <= span.last; ++j) {
        scratch_[std::size_t(j - span.first)] =
            tool_.reach(span.centre, offsetOf(j, span.position));
    }
}

void HeightField::measureChip(CutFigures& figures, const PassSpan& span) {
    const auto offset = [&](long long j) { return offsetOf(j, span.position); };
    // Where the tool's outline ends (its reach is none) beside a cut centre, its side
    // rises straight up to the material; within the nose circle it always reaches.
    const auto absent = [&](double a, double reach) {
        return !std::isfinite(reach) && std::fabs(a) > tool_.circleHalfWidth();
    };
    // Each centre's reach is taken a step ahead, so that a cut centre knows both of its
    // neighbours without taking theirs again.
    double a = offset(span.first);
    double reach = tool_.reach(span.centre, a);
    bool absentBefore = true;
    bool absentHere = absent(a, reach);
    const int cells = cellCount();
    long long thickest = -1;
    std::optional<double> previousReach; // of the last centre when it cut
    for (long long j = span.first, cell = span.firstCell; j <= span.last;
         ++j, cell = cell + 1 == cells ? 0 : cell + 1) {
        const double nextA = offset(j + 1);
        const double nextReach = j < span.last ? tool_.reach(span.centre, nextA) : 0;
        const bool absentAfter = j == span.last || absent(nextA, nextReach);
        scratch_[std::size_t(j - span.first)] = reach;
        const double depth = reach - centreDepth_[cell];
        if (depth > figures.thickness) {
            figures.thickness = depth;
            thickest = j;
        }
        if (depth > 0) {
            addEngagedEdge(figures, reach, depth, previousReach, absentBefore, absentAfter);
            const double normal = tool_.distanceToEdge(span.centre, a, centreDepth_[cell]);
            if (normal > figures.normalThickness) {
                figures.normalThickness = normal;
                figures.normalThicknessPosition = cellPosition(int(cell));
            }
        }
        previousReach = depth > 0 ? std::optional(reach) : std::nullopt;
        a = nextA;
        reach = nextReach;
        absentBefore = absentHere;
        absentHere = absentAfter;
    }
    if (thickest >= 0) {
        refineThickness(figures, span, wrap(thickest));
    }
}

void HeightField::refineThickness(CutFigures& figures, const PassSpan& span, int cell) const {
    const auto [at, thickness] = refineAround(cell, [&](double u, Surface s) {
        return tool_.reach(span.centre, offsetFrom(u, span.position)) - s.depth;
    });
    figures.thickness = std::max(figures.thickness, thickness);
    figures.thicknessPosition = std::fmod(at + pitch_, pitch_);
}

double HeightField::lowerTo(const PassSpan& span, int local) {
    // A cell wholly inside the part of the tool below its mean depth by the midpoint
    // where the nose is not steep, any other cut cell in closed form.
    const int cells = cellCount();
    const double halfCell = cellWidth_ / 2;
    double area = 0;
    for (long long j = span.first, cell = span.firstCell; j <= span.last;
         ++j, cell = cell + 1 == cells ? 0 : cell + 1) {
        const double a = offsetOf(j, span.position);
        const double reach = scratch_[std::size_t(j - span.first)];
        const double mean = meanDepth_[cell];
        const double inside = tool_.halfWidthBelow(span.centre, mean);
        const double distance = std::fabs(a);
        double removed = 0;
        if (distance - halfCell >= inside) {
            removed = 0;
        } else if (distance + halfCell <= std::min(inside, smoothHalfWidth_)) {
            removed = (reach - mean) * cellWidth_;
        } else {
            removed = tool_.areaBelow(span.centre, mean, a - halfCell, a + halfCell);
        }
        meanDepth_[cell] = mean + removed / cellWidth_;
        area += removed;
        if (reach > centreDepth_[cell]) {
            centreDepth_[cell] = reach;
            owner_[cell] = local;
        }
    }
    return area;
}

CutFigures HeightField::cut(int pass, double position, double edgeDepth, bool areaOnly) {
    const double centre = edgeDepth - tool_.noseRadius();
    const int local = int(passNumber_.size());
    passNumber_.push_back(pass);
    passPosition_.push_back(position);
    passCentreDepth_.push_back(centre);
    CutFigures figures;
    // A tool wider than the pitch is taken one pitch wide.
    const double halfWidth = std::min(tool_.halfWidthBelow(centre, stockDepth_), pitch_ / 2);
    if (!(halfWidth > 0)) {
        return figures;
    }
    const long long first = std::llround(std::floor((position - halfWidth) / cellWidth_));
    const long long last = std::llround(std::floor((position + halfWidth) / cellWidth_));
    const PassSpan span{first, last, wrap(first), position, centre};
    scratch_.resize(std::size_t(last - first + 1));
    // The chip against the material as it was before this pass (or only the tool's
    // reach, for the area alone), then the material lowered to the tool.
    if (areaOnly) {
        reachAcross(span);
    } else {
        measureChip(figures, span);
    }
    figures.area = lowerTo(span, local);
    return figures;
}

} // namespace quillmar
