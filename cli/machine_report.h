#pragma once

#include "cli/report_json.h"
#include "core/machine/machine_run.h"

#include <string>
#include <vector>

namespace quillmar {

// The report's machine object: the largest run-in and run-out of the runs (mm), the
// largest spindle speed (whole min^-1, rounded down), the cycle time of all runs (s;
// null when a figure it needs is unknown) and every failed check.
ReportJson machineJson(const std::vector<RunMachineFigures>& runs);

// The failed checks, one line each: "run 1, pass 3 (start 1): run-in ...".
std::vector<std::string> failedCheckLines(const std::vector<RunMachineFigures>& runs);

} // namespace quillmar
