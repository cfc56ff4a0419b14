#pragma once

#include "simulation/tool_shape.h"

#include <optional>
#include <vector>

namespace quillmar {

// What one pass removed from the section.
struct CutFigures {
    double area = 0;
    double thickness = 0; // radially
    double thicknessPosition = 0;
    // The uncut chip's thickness normal to the tool's edge (to a cell width), where
    // on the material before the pass it is, and the length of edge the chip lies on.
    double normalThickness = 0;
    double normalThicknessPosition = 0;
    double engagedEdge = 0;
};

// The material left over one pitch as a periodic height field: for every cell the
// depth of the surface at its centre (with the pass that put it there) and the
// cell's mean depth.
//
// Resolution: cells of 0.001 mm (a pitch over 50 mm gets 50000 cells). Chip areas
// are integrated per cell against the mean depth, in closed form (circle segments and
// the body's straight sides) wherever the tool's edge is steep or the chip ends
// inside the cell, by the midpoint elsewhere: a pass errs by less than 1e-5 mm^2.
// Heights are exact at the centres; the largest of them is refined between the
// neighbouring centres against the exact tool outlines, to well below 0.0005 mm.
class HeightField {
public:
    HeightField(double pitch, double stockDepth, const ToolShape& tool);

    int cellCount() const { return int(centreDepth_.size()); }
    double cellWidth() const { return cellWidth_; }
    double cellPosition(int cell) const { return (cell + 0.5) * cellWidth_; }
    const std::vector<double>& centreDepths() const { return centreDepth_; }
    // Per cell the field's own number of the pass that left it; -1: stock.
    const std::vector<int>& owners() const { return owner_; }

    // Lowers the material to the tool with its nose edge at edgeDepth, nose centre at
    // `position`; pass numbers the cut for the exact surface. With `areaOnly` the figures
    // hold the chip's area alone (the field is left the same).
    CutFigures cut(int pass, double position, double edgeDepth, bool areaOnly = false);

    // The exact surface depth at a position and the pass that left it (-1: stock),
    // from the passes that own the cells around `nearCell`.
    struct Surface {
        double depth;
        int pass;
    };
    Surface exactSurface(double position, int nearCell) const;

    // The same field keeping only the passes that still own a cell: it cuts and
    // answers as this one does, in memory bounded by its cells.
    HeightField compacted() const;

    // The position near a cell (within its neighbours' centres) where f(position,
    // surface) is largest, with that value.
    template <class F> std::pair<double, double> refineAround(int cell, F f) const;

private:
    int wrap(long long j) const;
    void addEngagedEdge(CutFigures& figures, double reach, double depth,
                        std::optional<double> previousReach, bool toolEndsBefore,
                        bool toolEndsAfter) const;
    double offsetFrom(double position, double centre) const; // periodic, in [-P/2, P/2)

    double pitch_;
    double cellWidth_;
    double stockDepth_;
    ToolShape tool_;
    double smoothHalfWidth_;
    std::vector<double> centreDepth_;
    std::vector<double> meanDepth_;
    std::vector<int> owner_;
    std::vector<int> passNumber_; // the caller's number of each pass cut here
    std::vector<double> passPosition_;
    std::vector<double> passCentreDepth_;
    std::vector<double> scratch_;
};

template <class F> std::pair<double, double> HeightField::refineAround(int cell, F f) const {
    // Two rounds of 32 steps: the first over the span between the neighbouring
    // centres, the second over two steps of the first around its best.
    double from = cellPosition(cell) - cellWidth_;
    double span = 2 * cellWidth_;
    double bestPosition = cellPosition(cell);
    double best = f(bestPosition, exactSurface(bestPosition, cell));
    for (int round = 0; round < 2; ++round) {
        const double step = span / 32;
        for (int k = 0; k <= 32; ++k) {
            const double u = from + k * step;
            const double value = f(u, exactSurface(u, cell));
            if (value > best) {
                best = value;
                bestPosition = u;
            }
        }
        from = bestPosition - step;
        span = 2 * step;
    }
    return {bestPosition, best};
}

} // namespace quillmar
