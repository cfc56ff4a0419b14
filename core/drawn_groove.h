#pragma once

#include "core/groove_profile.h"
#include "core/pass_schedule.h"
#include "core/thread_job.h"

namespace quillmar {

// The job's drawn groove as a profile: its chain, the job's side and pitch, and the
// crest's program X (D1 outside, D2 inside, as for the eight-segment form).
GrooveProfile drawnProfile(const ThreadJob& job);

// How deep a chain reaches below its start: its deepest end, or the bottom of a hollow
// arc that passes it.
double grooveDepth(const SegmentChain& chain);

// The pass schedule of a drawn groove: checks the chain (a DataError names the segment
// and the fault), then walks z from the first crest as the eight-segment schedule does,
// in single precision, one step past the pitch, and gives each pass where a nose of
// the job's radius plunged at that z comes to rest. The step is the job's first step,
// or, with a cusp height, at every pass the largest (to 0.0001 mm) whose scallop to the
// next pass, measured normal to what the nose can reach, stays within it.
std::vector<SchedulePoint> computeDrawnSchedule(ThreadJob& job);

// The scallop left between nose centres a and b over the groove the nose can reach:
// how far the crossing of their circles on the material side lies above the centres of
// passes plunged in between.
class NoseDrop;
double scallopBetween(const NoseDrop& drop, double r, SectionPoint a, SectionPoint b);

} // namespace quillmar
