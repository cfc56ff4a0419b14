#pragma once

#include "cli/job_file.h"
#include "core/machine/machine_profile.h"
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

// One run as it is used: its dialog, the machine profile in force, and the drawn groove
// (with its drawing's layer) the run itself names.
struct ListedRun {
    DialogSnapshot dialog;
    MachineProfile machine;
    std::optional<std::string> profile;
    std::optional<std::string> layer;
};

// The runs as they are used, one "key = value" line per key the job file knows, the
// runs separated by "[run]" lines, after "#" lines saying what the machine's keys,
// profile and layer mean. Read back as a job file, it gives the same programs.
std::string runFieldsText(const std::vector<ListedRun>& runs);

} // namespace quillmar
