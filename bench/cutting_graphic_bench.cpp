#include "graphics/graphics.h"
#include "graphics/recording_surface.h"
#include "standard_program_text.h"
#include "tests/graphics/display_list.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 100000;

using Graphic = bool (*)(const quillmar::ThreadJob&, std::u16string_view, quillmar::NcLineReader&,
                         quillmar::DrawingSurface&);

// A whole graphic of a 100,000-line standard program into a display list: grid,
// labels, the walk and every move (with its pitch marks in the cutting graphic).
void graphic(benchmark::State& state, Graphic draw) {
    const std::u16string text = quillmar::bench::standardProgramText(kLines);
    const quillmar::ThreadJob job = quillmar::testing::exampleJob();
    quillmar::NcLineReader reader;
    quillmar::RecordingSurface surface;
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw(job, text, reader, surface));
    }
    state.counters["commands"] = double(surface.commands().size());
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size() * sizeof(char16_t)));
}
BENCHMARK_CAPTURE(graphic, cutting, &quillmar::drawCuttingGraphic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(graphic, point, &quillmar::drawPointGraphic)->Unit(benchmark::kMillisecond);

} // namespace
