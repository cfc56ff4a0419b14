#pragma once

#include "core/expected.h"
#include "core/groove_profile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quillmar {

// Ends of neighbouring pieces closer than this are one point: the gap is closed and said
// so. A wider gap is a drawing fault and refused.
inline constexpr double kProfileGapTolerance = 0.001;

// Why a drawn groove cannot be cut: the piece (1-based; 0 for the chain as a whole) and
// what is wrong with it.
struct ProfileRefusal {
    std::size_t segment = 0;
    std::string reason;
};

// A chain that passed every check, with what was mended on the way (gaps closed).
struct CheckedChain {
    SegmentChain segments;
    std::vector<std::string> notes;
};

// Checks a groove drawn as a chain of lines and arcs (z along the axis, depth into the
// material from the crest) before anything is cut: one open chain starting at the crest
// (z 0, depth 0), piece after piece, ending back at the crest depth within `pitch`; no
// piece running back along z or steeper than a tool body of this half angle (degrees
// from the radial direction, 0 for a body no wider than its nose) can follow; no two
// pieces crossing. Gaps under kProfileGapTolerance are closed.
Expected<CheckedChain, ProfileRefusal> checkDrawnGroove(SegmentChain chain, double pitch,
                                                        double bodyHalfAngleDegrees);

// A part of the groove that a round nose of the given radius cannot reach: where it is,
// and the largest nose radius that would reach it (0 for a sharp inside corner).
struct UnreachablePart {
    std::size_t segment = 0; // 1-based: the piece, or the piece after the corner
    SectionPoint at;
    double largestNose = 0;
};

std::vector<UnreachablePart> unreachableParts(const SegmentChain& chain, double noseRadius);

// "a refusal as a user reads it": "segment 3: ..." or the reason alone.
std::string describeRefusal(const ProfileRefusal& refusal);

} // namespace quillmar
