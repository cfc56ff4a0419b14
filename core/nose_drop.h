#pragma once

#include "core/groove_profile.h"

#include <vector>

namespace quillmar {

// Where a round nose plunged radially at a z comes to rest on a drawn groove: the
// deepest depth of its centre at which it touches the groove (or the crests either side
// of it) and cuts into none of it. The groove's pieces must run forward along z, as a
// checked drawn groove does. A nose too wide for a corner rests on its rims instead of
// gouging a flank: whatever the chain, the nose never crosses it.
class NoseDrop {
public:
    NoseDrop(const SegmentChain& groove, double noseRadius);

    double centreDepth(double z) const;

private:
    struct Piece {
        ProfileSegment segment;
        double low; // the piece's z extent
        double high;
    };
    std::vector<Piece> pieces_;
    double radius_;
};

} // namespace quillmar
