#pragma once

#include "cli/job_file.h"
#include "core/program_output.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

// Fills the dialog's fields from the run's thread form, as the thread standard dialog's
// OK does: for the side the dialog holds and the nose radius of the run (or, without
// one, the nose radius the dialog holds). The caller lays the run's own keys over them
// afterwards. A form that cannot be made is a fault of the job file, at its line. A form
// replaces a drawn groove the dialog holds; without a form a cusp height needs one.
std::optional<JobFileError> fillFromForm(DialogSnapshot& dialog, const JobRun& run);

// The runs as they are used, one "key = value" line per key the job file knows, the
// runs separated by "[run]" lines.
std::string runFieldsText(const std::vector<DialogSnapshot>& runs);

} // namespace quillmar
