#pragma once

#include "simulation/cut_simulation.h"
#include "simulation/roughing_planner.h"

#include <QString>
#include <optional>

namespace quillmar {

// The figures of a simulation as the window shows them, one per line.
QString simulationFiguresText(const SimulationResult& result, std::optional<double> maxChipArea);

// Why no roughing plan could be made, with the figure it would need.
QString planRefusalText(const PlanRefusal& refusal);

} // namespace quillmar
