#include "nc/nc_line_reader.h"
#include "standard_program_text.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int kLines = 100000;

// The text walk over a 100,000-line standard program, counting the moves.
void readerWalk(benchmark::State& state) {
    const std::u16string text = quillmar::bench::standardProgramText(kLines);
    quillmar::NcLineReader reader;
    for (auto _ : state) {
        long moves = 0;
        reader.walkProgramText(text, [&](const quillmar::NcMove&) { ++moves; });
        benchmark::DoNotOptimize(moves);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size() * sizeof(char16_t)));
}
BENCHMARK(readerWalk)->Unit(benchmark::kMillisecond);

// The floor: memchr over the same bytes, looking for a byte that is not there.
void memchrReference(benchmark::State& state) {
    const std::u16string text = quillmar::bench::standardProgramText(kLines);
    const std::size_t bytes = text.size() * sizeof(char16_t);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memchr(text.data(), 0xff, bytes));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes));
}
BENCHMARK(memchrReference)->Unit(benchmark::kMillisecond);

} // namespace
