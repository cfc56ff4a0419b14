#pragma once

#include "core/output_choices.h"
#include "core/thread_job.h"

namespace quillmar {

// Builds the standard program block (OSP G34 or FANUC G32) into job.outputText
// (replacing it) and stores the advanced counter into job.sequenceCounter.
void writeStandardBlock(ThreadJob& job, const OutputChoices& choices);

} // namespace quillmar
