#include "core/thread_job.h"
#include "fuzz/byte_reader.h"
#include "fuzz/finite_checking_surface.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/nc_fuzz_inputs.h"
#include "graphics/graphics.h"
#include "nc/nc_line_reader.h"

#include <cmath>
#include <string>

namespace quillmar::fuzz {

namespace {

// No drawing may make more calls than this, whatever the job and text hold; a loop
// that depends on a scale without a cap would pass it (or hang) for some input.
constexpr std::size_t kMaxCallsPerDrawing = 1000000;

template <typename Draw> void drawBounded(Draw draw, std::u16string_view text) {
    FiniteCheckingSurface surface;
    draw(surface);
    require(surface.drawingCalls() <= kMaxCallsPerDrawing + text.size(),
            "a drawing makes a bounded number of calls");
}

} // namespace

void checkNcGraphics(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    ThreadJob job;
    job.inputsSet = true; // the job's own scale; the texts' extents are drawn below
    job.pitch = jobValue(in);
    job.d1 = jobValue(in);
    job.d2 = jobValue(in);
    job.stockDiameter = jobValue(in);
    job.zStart = jobValue(in);
    job.zEnd = jobValue(in);
    job.passLength = in.flag() ? job.pitch + job.zStart - job.zEnd : jobValue(in);

    const bool rawUnits = in.flag();
    const std::size_t split = in.byte() * 4;
    const std::u16string macro = paneText(in, rawUnits, split);
    const std::u16string standard = paneText(in, rawUnits, size);

    // One reader for both pictures: what one text leaves open carries into the next.
    NcLineReader reader;
    drawBounded([&](DrawingSurface& s) { drawPointGraphic(job, macro, reader, s); }, macro);
    drawBounded([&](DrawingSurface& s) { drawCuttingGraphic(job, standard, reader, s); }, standard);
    drawBounded([&](DrawingSurface& s) { drawCuttingGraphic(job, macro, reader, s); }, macro);
    drawBounded([&](DrawingSurface& s) { drawPointGraphic(job, standard, reader, s); }, standard);
    // Before any program output each text scales its own graphic.
    const ThreadJob unset;
    drawBounded([&](DrawingSurface& s) { drawPointGraphic(unset, macro, reader, s); }, macro);
    drawBounded([&](DrawingSurface& s) { drawCuttingGraphic(unset, standard, reader, s); },
                standard);
    require(std::isfinite(reader.currentX) && std::isfinite(reader.currentZ) &&
                std::isfinite(reader.modalG),
            "the reader's position and G value stay finite");
}

} // namespace quillmar::fuzz
