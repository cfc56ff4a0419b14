#pragma once

#include "core/eight_segment_groove.h"
#include "core/thread_job.h"

#include <vector>

namespace quillmar {

// One profile point of the schedule: its radial offset (signed by the side), its
// diameter and its z within the groove (single precision, as the walk sums it).
struct SchedulePoint {
    double offset = 0;
    double diameter = 0;
    float z = 0;
};

// Walks the groove outline of the tool's nose centre in eight segments and gives the
// profile points 0..n; stores passLength, depth1 and depth2 into the job, in that order,
// as they are worked out. Throws DataError on a division by zero, a negative square
// root, a non-finite value or more than kPointCapacity points.
std::vector<SchedulePoint> computePassSchedule(ThreadJob& job);

} // namespace quillmar
