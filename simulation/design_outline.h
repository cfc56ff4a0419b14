#pragma once

#include "core/thread_job.h"

#include <optional>

namespace quillmar {

// The groove as the job's fields draw it (the finished form, not the path of the
// nose centre): first crest, convex corner R1, flank A1, concave corner R2, floor,
// concave corner R3, flank A2, convex corner R4, second crest. Positions run from
// the first crest's corner over one pitch, as the pass schedule's z does.
class DesignOutline {
public:
    // Only a groove whose pieces follow each other in order within one pitch has an
    // outline; any other set of fields gives none.
    static std::optional<DesignOutline> fromJob(const ThreadJob& job);

    // The program X (diameter) of the finished outline at position w within the pitch.
    double diameterAt(double w) const;

private:
    double depthAt(double w) const; // into the material from the side's own crest

    int side_ = 1;
    double pitch_ = 0;
    double d1_ = 0, d2_ = 0, d3_ = 0;
    double h1_ = 0, h2_ = 0;
    double r1_ = 0, r2_ = 0, r3_ = 0, r4_ = 0;
    double tanA1_ = 0, tanA2_ = 0;
    double vertex1_ = 0, vertex2_ = 0; // where each flank line meets its crest
    double z1_ = 0, z2_ = 0, zB_ = 0, zC_ = 0, z5_ = 0, z6_ = 0, zD_ = 0;
};

} // namespace quillmar
