#pragma once

#include "core/expected.h"
#include "core/groove_profile.h"
#include "profile_import/profile_read_error.h"

#include <string_view>

namespace quillmar {

// Reads a groove typed as text, one segment a line (or separated by ";"), each from
// where the last one ended, the first from the crest at Z 0 X 0; X is the depth into
// the material from the crest:
//   line Z X          a straight piece to Z X
//   arc Z X R         an arc of radius R to Z X, the shorter way round: R above 0 hollow
//                     like a groove's root (centre on the air side), below 0 bulging like
//                     a crest corner (centre in the material)
//   arc Z X CZ CX     an arc to Z X around the centre CZ CX, the shorter way round
// Blank lines and lines starting with "#" are left out. Pure: no I/O.
Expected<SegmentChain, ProfileReadError> readTextProfile(std::string_view text);

// An arc from `from` to `to` of radius |radius| the shorter way round, hollow for a
// radius above 0; nothing when the radius is shorter than half the chord (beyond a
// program's 0.001 mm).
std::optional<ProfileSegment> arcByRadius(SectionPoint from, SectionPoint to, double radius);

} // namespace quillmar
