#pragma once

#include "core/groove_profile.h"
#include "core/thread_job.h"

#include <optional>

namespace quillmar {

// The groove the job's fields draw (the finished form, not the path of the nose
// centre), over one pitch from the first crest's corner, as the pass schedule's z runs.
class DesignOutline {
public:
    // Only a groove whose pieces follow each other in order within one pitch has an
    // outline; any other set of fields gives none.
    static std::optional<DesignOutline> fromJob(const ThreadJob& job);

    // The program X (diameter) of the finished outline at position w within the pitch.
    double diameterAt(double w) const;

    // The shortest distance from the point at position w, program X x, to the outline
    // repeated pitch after pitch: how far it lies from the groove, normal to it.
    double distanceTo(double w, double x) const;

private:
    explicit DesignOutline(GrooveProfile profile) : profile_(std::move(profile)) {}

    GrooveProfile profile_;
};

// How far a groove may run past its pitch, or its pieces overlap, and still be one
// groove: a program cannot tell apart positions closer than its 0.001 mm, and the
// dialog's fields, printed to a few decimals, and a lead truncated to 0.001 leave
// overlaps of that size on a groove whose flanks meet at the crests.
inline constexpr double kOutlineTolerance = 0.001;

} // namespace quillmar
