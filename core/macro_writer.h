#pragma once

#include "core/output_choices.h"
#include "core/thread_job.h"

namespace quillmar {

// Builds the point data block for the OSP macro main program into job.outputText
// (replacing it). May truncate xRetract, zEnd and pitch in place (the MODIN line).
void writeMacroBlock(ThreadJob& job, const OutputChoices& choices);

} // namespace quillmar
