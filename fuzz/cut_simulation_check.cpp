#include "core/thread_job.h"
#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/nc_fuzz_inputs.h"
#include "simulation/cut_simulation.h"

#include <cmath>
#include <string>

namespace quillmar::fuzz {

namespace {

// Longer texts only repeat what shorter ones prove and would slow the search.
constexpr std::size_t kMostTextUnits = 20000;

void requireSound(const SimulationResult& result) {
    for (const PassCut& cut : result.passes) {
        require(std::isfinite(cut.chipArea) && cut.chipArea >= 0,
                "a chip area is finite and not negative");
        require(std::isfinite(cut.chipThickness) && cut.chipThickness >= 0,
                "a chip thickness is finite and not negative");
        require(cut.position >= 0 && (cut.position < result.setup.pitch || result.cellWidth == 0),
                "a pass lies within the pitch");
    }
    for (const auto& deviation : {result.cusp, result.gouge}) {
        require(!deviation || std::isfinite(deviation->height), "a cusp or gouge is finite");
    }
}

} // namespace

void checkCutSimulation(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    ThreadJob job;
    job.side = in.flag() ? Side::Outer : Side::Inner;
    for (double* field :
         {&job.pitch, &job.noseRadius, &job.width, &job.d1, &job.d2, &job.d3, &job.a1, &job.a2,
          &job.r1, &job.r2, &job.r3, &job.r4, &job.stockDiameter, &job.zStart}) {
        *field = jobValue(in);
    }
    SimulationOptions options;
    options.bodyHalfAngleDegrees = jobValue(in);
    options.noseRadiusWithoutJob = jobValue(in);
    const std::u16string text = paneText(in, in.flag(), std::min(size, kMostTextUnits));
    requireSound(simulateProgram(text, &job, options));
    requireSound(simulateProgram(text, nullptr, options));
}

} // namespace quillmar::fuzz
