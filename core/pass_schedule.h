#pragma once

#include "core/eight_segment_groove.h"
#include "core/thread_job.h"

namespace quillmar {

// Walks the groove outline of the tool's nose centre in eight segments and stores the
// profile points 0..n into the job, with passLength, depth1, depth2 and currentStep.
// Throws DataError on a division by zero, a negative square root, a non-finite value
// or more than kPointCapacity points.
void computePassSchedule(ThreadJob& job);

} // namespace quillmar
