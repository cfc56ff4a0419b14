#pragma once

#include "cli/report_json.h"
#include "core/forms/thread_form.h"
#include "simulation/cut_simulation.h"

#include <optional>
#include <string>

namespace quillmar {

// The cut simulation as a file: CSV, one row a pass (run, pass, X, Z, chip area,
// chip thickness, air), then the gauge's figures as comment lines ("# gauge,..."); JSON,
// the same passes and a summary of every figure. Runs and passes count from 1; lengths
// in mm, areas in mm^2, rounded to 0.000001. `form`, when the job's groove came from a
// designation, gives the class the gauge's figures are judged against.
std::string simulationCsv(const SimulationResult& result, const forms::ThreadForm* form = nullptr);
// A machine object, when the job states a machine profile, closes the summary.
std::string simulationJson(const SimulationResult& result, std::optional<double> maxChipArea,
                           const std::optional<ReportJson>& machine = std::nullopt,
                           const forms::ThreadForm* form = nullptr);

// By the file name's extension (.csv or .json, any case).
std::string simulationReport(const std::string& fileName, const SimulationResult& result,
                             std::optional<double> maxChipArea,
                             const std::optional<ReportJson>& machine = std::nullopt,
                             const forms::ThreadForm* form = nullptr);

} // namespace quillmar
