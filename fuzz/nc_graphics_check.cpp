#include "core/thread_job.h"
#include "fuzz/byte_reader.h"
#include "fuzz/finite_checking_surface.h"
#include "fuzz/fuzz_checks.h"
#include "graphics/graphics.h"
#include "nc/nc_line_reader.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace quillmar::fuzz {

namespace {

// No drawing may make more calls than this, whatever the job and text hold; a loop
// that depends on a scale without a cap would pass it (or hang) for some input.
constexpr std::size_t kMaxCallsPerDrawing = 1000000;

constexpr double kExtremes[] = {
    0,       -0.0,
    1,       -1,
    0.5,     6,
    12.7,    30,
    34,      28,
    -80,     17.7,
    1e-300,  5e-324,
    1e-9,    1e6,
    1e9,     1e15,
    1e20,    1e300,
    DBL_MAX, -DBL_MAX,
    FLT_MAX, -FLT_MAX,
    3.5e38,  32767,
    -32768,  32768.5,
    65536,   -1e9,
    1e-3,    2e-3,
    -1e300,  4503599627370496.0,
};

double jobValue(ByteReader& in) {
    switch (in.pick(4)) {
    case 0:
        return kExtremes[in.pick(sizeof kExtremes / sizeof kExtremes[0])];
    case 1:
        return in.finiteDouble();
    case 2:
        return double(std::int8_t(in.byte())) / 4;
    default:
        return double(in.raw<std::int16_t>()) / 10;
    }
}

// What a pane of an NC program is made of, with the line break twice as likely.
constexpr char16_t kNcAlphabet[] = u"GXZNPFM0123456789.+-*/=()\t ;\r\n\r\nxz\uFF10\u3042";

std::u16string paneText(ByteReader& in, bool rawUnits, std::size_t units) {
    std::u16string text;
    for (std::size_t i = 0; i < units && in.remaining() > 0; ++i) {
        if (rawUnits) {
            text += in.raw<char16_t>();
        } else {
            text += kNcAlphabet[in.pick(sizeof kNcAlphabet / sizeof kNcAlphabet[0] - 1)];
        }
    }
    return text;
}

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
