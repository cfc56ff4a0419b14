#pragma once

#include "core/expected.h"
#include "core/groove_profile.h"
#include "profile_import/profile_read_error.h"

#include <string>
#include <string_view>

namespace quillmar {

// Reads a groove drawn in a DXF file (R12 or R2000 and later, through dime): the LINE,
// ARC, LWPOLYLINE and POLYLINE entities (with bulges) of one layer joined end to end
// into one chain. The drawing's X runs along the axis and its Y up, out of the material:
// the chain starts at the end furthest left, which becomes Z 0 X 0, and its depth is
// how far a point lies below that start. Lengths are in millimetres, or inches when the
// header's $INSUNITS says so. An empty layer name reads every layer, as long as the
// entities lie on one. A SPLINE given by its control points becomes arcs and lines
// within 0.0005 mm of it. TEXT, MTEXT, POINT and DIMENSION entities are left out; any
// other kind (CIRCLE, ELLIPSE, INSERT, a SPLINE by fit points only ...) is refused by
// name.
Expected<SegmentChain, ProfileReadError> readDxfProfile(std::string_view bytes,
                                                        const std::string& layer);

} // namespace quillmar
