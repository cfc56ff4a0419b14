#pragma once

#include "graphics/drawing_surface.h"
#include "simulation/cut_simulation.h"

#include <optional>
#include <vector>

namespace quillmar {

// What the section picture shows besides the simulated material.
struct SectionView {
    double pixelAspect = 2;                  // picture width / height in pixels: kept to scale
    std::optional<double> maxChipArea;       // passes above it are drawn in red
    std::optional<int> selectedPass;         // its tool and the chip it removes
    std::vector<double> depthBeforeSelected; // the material before that pass, per cell
    std::vector<double> depthAfterSelected;
};

// The groove's section over one pitch, to scale: the stock line, the material left
// (each run's cut in its own shade), the design outline, and the passes the view
// marks. Z runs to the left as on the machine (position 0 at the right); larger
// diameters lie higher. False when the result has no section.
bool drawSection(const SimulationResult& result, const SectionView& view, DrawingSurface& surface);

} // namespace quillmar
