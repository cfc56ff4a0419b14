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
    return int(((j % n) + n) % n);
}

double HeightField::offsetFrom(double position, double centre) const {
    double a = std::fmod(position - centre, pitch_);
    if (a >= pitch_ / 2) {
        a -= pitch_;
    } else if (a < -pitch_ / 2) {
        a += pitch_;
    }
    return a;
}

HeightField::Surface HeightField::exactSurface(double position, int nearCell) const {
    Surface surface{stockDepth_, -1};
    for (int k = -2; k <= 2; ++k) {
        const int owner = owner_[wrap(nearCell + k)];
        if (owner < 0) {
            continue;
        }
        const double depth =
            tool_.reach(passCentreDepth_[owner], offsetFrom(position, passPosition_[owner]));
        if (depth > surface.depth) {
            surface = {depth, passNumber_[std::size_t(owner)]};
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
    scratch_.resize(std::size_t(last - first + 1));

    // First the reach at every centre and the thickest point, against the material as
    // it was before this pass.
    const int cells = cellCount();
    const int firstCell = wrap(first);
    long long thickest = -1;
    std::optional<double> previousReach; // of the last centre when it cut
    for (long long j = first, cell = firstCell; j <= last;
         ++j, cell = cell + 1 == cells ? 0 : cell + 1) {
        const double a = (j + 0.5) * cellWidth_ - position;
        const double reach = tool_.reach(centre, a);
        scratch_[std::size_t(j - first)] = reach;
        if (areaOnly) {
            continue;
        }
        const double depth = reach - centreDepth_[cell];
        if (depth > figures.thickness) {
            figures.thickness = depth;
            thickest = j;
        }
        if (depth > 0) {
            // Within the nose circle's half-width the tool always reaches.
            const auto outsideTool = [&](long long k) {
                const double at = (k + 0.5) * cellWidth_ - position;
                return k < first || k > last ||
                       (std::fabs(at) > tool_.circleHalfWidth() &&
                        !std::isfinite(tool_.reach(centre, at)));
            };
            addEngagedEdge(figures, reach, depth, previousReach, outsideTool(j - 1),
                           outsideTool(j + 1));
            const double normal = tool_.distanceToEdge(centre, a, centreDepth_[cell]);
            if (normal > figures.normalThickness) {
                figures.normalThickness = normal;
                figures.normalThicknessPosition = cellPosition(cell);
            }
        }
        previousReach = depth > 0 ? std::optional(reach) : std::nullopt;
    }
    if (thickest >= 0) {
        const auto [at, thickness] = refineAround(wrap(thickest), [&](double u, Surface s) {
            return tool_.reach(centre, offsetFrom(u, position)) - s.depth;
        });
        figures.thickness = std::max(figures.thickness, thickness);
        figures.thicknessPosition = std::fmod(at + pitch_, pitch_);
    }

    // Then the area, cell by cell, and the new surface: a cell wholly inside the part
    // of the tool below its mean depth by the midpoint where the nose is not steep,
    // any other cut cell in closed form.
    const double halfCell = cellWidth_ / 2;
    for (long long j = first, cell = firstCell; j <= last;
         ++j, cell = cell + 1 == cells ? 0 : cell + 1) {
        const double a = (j + 0.5) * cellWidth_ - position;
        const double reach = scratch_[std::size_t(j - first)];
        const double mean = meanDepth_[cell];
        const double inside = tool_.halfWidthBelow(centre, mean);
        const double distance = std::fabs(a);
        double removed = 0;
        if (distance - halfCell >= inside) {
            removed = 0;
        } else if (distance + halfCell <= std::min(inside, smoothHalfWidth_)) {
            removed = (reach - mean) * cellWidth_;
        } else {
            removed = tool_.areaBelow(centre, mean, a - halfCell, a + halfCell);
        }
        meanDepth_[cell] = mean + removed / cellWidth_;
        figures.area += removed;
        if (reach > centreDepth_[cell]) {
            centreDepth_[cell] = reach;
            owner_[cell] = local;
        }
    }
    return figures;
}

} // namespace quillmar
