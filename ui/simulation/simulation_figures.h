#pragma once

#include "core/forms/thread_form.h"
#include "simulation/cut_simulation.h"
#include "simulation/roughing_planner.h"

#include <QString>
#include <optional>

namespace quillmar {

// The figures of a simulation as the window shows them, one per line.
// `form`, when the job was made from a thread of a standard, judges the gauge's figures.
QString simulationFiguresText(const SimulationResult& result, std::optional<double> maxChipArea,
                              const forms::ThreadForm* form = nullptr);

// Why no roughing plan could be made, with the figure it would need.
QString planRefusalText(const PlanRefusal& refusal);

} // namespace quillmar
