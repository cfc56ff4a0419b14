#pragma once

#include "core/forms/thread_form.h"
#include "core/pass_schedule.h"
#include "core/thread_job.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmar::forms {

// Between two passes a flank keeps a scallop standing off the outline the nose centre
// walks, so the thread as cut is thicker than that outline. These say by how much, and
// how large a scallop the class's bands can take.

// The groove's width along the axis at `depth` below the first crest, as the passes cut
// it: each pass's nose circle, and above its centre the tool's body as wide as the nose.
// Each flank is taken halfway between where its scallops' crests and hollows stand, over
// `span` of depth either side (the flanks leaning `firstSlope` and `secondSlope` along
// the axis per millimetre of depth): a gauge may read anywhere between them. None where
// no pass reaches those depths.
std::optional<double> scallopCentredWidth(const ThreadJob& job,
                                          const std::vector<SchedulePoint>& points, double depth,
                                          double span, double firstSlope, double secondSlope);

// The largest cusp height whose scallops keep the thread inside the class's bands wherever
// along the flanks and the floor it is measured; the diameter whose band decides, and
// that band's width. None where the class gives no band.
struct CuspFit {
    double largest = 0;
    std::string diameter; // "pitch", "minor" or "major"
    double band = 0;
    double spreadPerCusp = 0; // how far one millimetre of scallop moves that diameter
    bool centred = false;     // the spread is centred on the band's middle (else one-sided)
};
std::optional<CuspFit> cuspFit(const ThreadForm& form, Side side);

} // namespace quillmar::forms
