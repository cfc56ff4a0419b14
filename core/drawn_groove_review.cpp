#include "core/drawn_groove_review.h"

#include "core/drawn_groove.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <cmath>

namespace quillmar {

namespace {

std::string millimetres(double value) {
    return plainNumberText(std::round(value * 1e4) / 1e4);
}

std::string describeUnreachable(const UnreachablePart& part, double nose) {
    const std::string reach = part.largestNose > 0
                                  ? "; a nose up to R" + millimetres(part.largestNose) + " would"
                                  : " (a sharp inside corner: no round nose does)";
    return "the nose R" + millimetres(nose) + " cannot reach segment " +
           std::to_string(part.segment) + " at Z " + millimetres(part.at.z) + " X " +
           millimetres(part.at.depth) + reach;
}

} // namespace

Expected<DrawnGrooveReview, ProfileRefusal> reviewDrawnGroove(const SegmentChain& chain,
                                                              double pitch, double noseRadius,
                                                              double bodyHalfAngle) {
    auto checked = checkDrawnGroove(chain, pitch, bodyHalfAngle);
    if (!checked) {
        return unexpected(checked.error());
    }
    DrawnGrooveReview review;
    review.segments = std::move(checked->segments);
    review.notes = std::move(checked->notes);
    review.unreachable = unreachableParts(review.segments, noseRadius);
    for (const UnreachablePart& part : review.unreachable) {
        review.notes.push_back(describeUnreachable(part, noseRadius));
    }
    review.depth = grooveDepth(review.segments);
    return review;
}

FieldTexts<std::optional<std::string>> depthFieldTexts(Side side, const std::string& crestText,
                                                       double depth) {
    const bool outer = side == Side::Outer;
    const double crest = leadingNumberValue(crestText);
    const std::string across = plainNumberText(outer ? crest - 2 * depth : crest + 2 * depth);
    FieldTexts<std::optional<std::string>> texts;
    for (const JobField field : {JobField::D1, JobField::D2, JobField::D3}) {
        if ((field == JobField::D1) != outer) {
            texts[field] = across;
        }
    }
    return texts;
}

} // namespace quillmar
