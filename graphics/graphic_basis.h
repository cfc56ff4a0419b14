#pragma once

#include "core/thread_job.h"
#include "nc/nc_line_reader.h"

#include <optional>
#include <string_view>

namespace quillmar {

// The dimensions a graphic takes its scale and grid from. After a program output they
// are the job's own; before one (the job's inputs unset) they are made up from the
// program text's extent, so that a pasted or opened program is drawn in full.
struct GraphicBasis {
    double pitch = 0;
    double d1 = 0;
    double d2 = 0;
    double zStart = 0;
    double zEnd = 0;
    double passLength = 0;
    std::optional<double> stockDiameter; // none: no stock line is drawn
    int starts = 1; // the job's starts; a text read without a job counts as one start
};

enum class GraphicKind { Points, Cutting };

// The range of the positions a text walk reaches (the move end points); none for a
// text without moves.
struct ProgramExtent {
    double minX = 0;
    double maxX = 0;
    double minZ = 0;
    double maxZ = 0;
};
// Walks a copy of the reader, so the drawing that follows starts from the shared
// reader's state as it stands.
std::optional<ProgramExtent> programExtent(std::u16string_view text, NcLineReader reader);
// Widens the extent to take in `more`; none becomes `more`.
void widenExtent(std::optional<ProgramExtent>& extent, const ProgramExtent& more);

// The extent in the job's place. The largest diameter plays D1 (the top of the
// picture keeps its 1.7 mm of radius above it) and D2 lies far enough below it for
// the smallest diameter to stand at least 0.5 mm of radius above the picture's bottom.
// Points: the pitch spans the Z range from its lowest Z. Cutting: the pass runs over
// the Z range with no pitch, so no pitch marks. A range of 0 counts as 1 mm.
GraphicBasis basisFromExtent(const ProgramExtent& extent, GraphicKind kind);

// The job's own dimensions. For the cutting graphic of a multi-start thread the pitch
// is the lead (the grid's right end and the marks' spacing) and the pass length
// reaches one pitch further per start.
GraphicBasis basisFromJob(const ThreadJob& job, GraphicKind kind);

// The job's basis once its inputs are set; before that the text's extent, or the
// (unset) job's when the text has no moves.
GraphicBasis graphicBasis(const ThreadJob& job, std::u16string_view text,
                          const NcLineReader& reader, GraphicKind kind);

} // namespace quillmar
