#pragma once

#include "core/output_choices.h"
#include "core/pass_plan.h"

#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace quillmar {

// Where a section must lie for a proof of twin starts to hold: the simulation of the
// runs must be laid out with this pitch, zero position and number of starts.
struct TwinLayout {
    double pitch = 0;
    double zReference = 0;
    int starts = 1;
    bool operator==(const TwinLayout&) const = default;
};

// The further starts of a straight multi-start run cut their own grooves with start 0's
// passes, one pitch (or its share of the lead, by angle) further on, by construction.
// Where that holds for the moves as the control's dialect writes them and the simulation
// reads them back (every further start's passes land in a groove of their own, at start
// 0's X and place in the pitch, none of them failing where start 0's does not), the
// simulation gives every further start's pass the chip of start 0's: writing and cutting
// start 0's passes alone tells every chip. The proof for a point of the pass schedule
// depends only on its Z, so it is made once per point and layout and kept.
class TwinStarts {
public:
    explicit TwinStarts(const OutputChoices& choices) : choices_(choices) {}

    // Leaves only start 0's passes in `plan` where every further start's passes are
    // proven twins of them, and gives the layout the proof needs. Nothing where it
    // cannot be proven: a single start, a taper (each start's X is worked along the cone
    // and written rounded), passes not written start by start, a further start's pass
    // that reads back elsewhere or fails; the plan is then left unusable.
    std::optional<TwinLayout> keepFirstStart(PassPlan& plan);

private:
    // Everything a pass's written Z and its read-back place depend on besides its point.
    using Layout = std::tuple<double, double, double, int, bool>;
    using Proven = std::unordered_map<std::uint32_t, bool>; // by the bits of the point's z

    // `point` is the run without passes.
    bool pointProven(Proven& known, const PassPlan& point, const PlannedPass* startsOfPoint);
    std::optional<bool> writtenTwins(PassPlan point, const PlannedPass* startsOfPoint);

    OutputChoices choices_;
    std::map<Layout, Proven> proven_;
    std::vector<int> grooveOfStart_; // the groove each start's passes land in
};

} // namespace quillmar
