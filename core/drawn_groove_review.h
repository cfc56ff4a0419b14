#pragma once

#include "core/expected.h"
#include "core/job_fields.h"
#include "core/profile_check.h"
#include "core/side.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

// A drawn groove as a job will cut it, worked out before anything is cut: the checked
// chain, what the checks mended and what the job's nose cannot reach (as sentences
// for people), and how deep the groove is.
struct DrawnGrooveReview {
    SegmentChain segments;
    std::vector<UnreachablePart> unreachable;
    std::vector<std::string> notes;
    double depth = 0;
};

// Checks the chain against the pitch and a tool body of this half angle (degrees; 0 for
// a body as wide as the nose) and finds the parts a nose of this radius cannot reach.
Expected<DrawnGrooveReview, ProfileRefusal>
reviewDrawnGroove(const SegmentChain& chain, double pitch, double noseRadius, double bodyHalfAngle);

// The diameter fields a drawn groove decides, with their texts: the groove's depth
// below the crest (D1 of an outer thread, D2 of an inner one, as typed) gives D2 and
// D3 of an outer thread, D1 of an inner one.
FieldTexts<std::optional<std::string>> depthFieldTexts(Side side, const std::string& crestText,
                                                       double depth);

// The field whose text is the crest's diameter on this side.
constexpr JobField crestField(Side side) {
    return side == Side::Outer ? JobField::D1 : JobField::D2;
}

} // namespace quillmar
