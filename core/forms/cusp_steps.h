#pragma once

#include "core/forms/form_messages.h"
#include "core/thread_job.h"

#include <array>

namespace quillmar::forms {

// The eight Z steps for a groove: each the largest (to 0.0001 mm) whose scallop between
// neighbouring passes stays within the cusp height wherever on its segment the passes
// fall, checked again on the passes the pass schedule really makes. The job holds the
// groove's fields as the generator reads them; its steps are not read.
FormExpected<std::array<double, 8>> cuspSteps(const ThreadJob& job, double cusp);

// The largest scallop height between neighbouring passes of the job's schedule.
// Throws DataError where the schedule cannot be made.
double largestScallop(const ThreadJob& job);

} // namespace quillmar::forms
