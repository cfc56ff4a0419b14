#include "core/pass_schedule.h"
#include "core/program_output.h"
#include "core/text_panes.h"
#include "profile_import/text_profile.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>
#include <string>

namespace {

using namespace quillmar;

// A rope thread's groove of pitch 5 and 1.2 deep as 1,000 pieces: short lines and
// arcs by turns along a half sine, as a drawing exported with a fine tolerance gives.
std::string thousandSegmentProfile() {
    std::string text;
    constexpr int kPieces = 1000;
    for (int i = 1; i <= kPieces; ++i) {
        const double z = 5.0 * i / kPieces;
        const double depth = i == kPieces ? 0 : 1.2 * std::sin(std::numbers::pi * z / 5);
        text += (i % 2 == 0 ? "arc " : "line ") + std::to_string(z) + " " + std::to_string(depth) +
                (i % 2 == 0 ? " 3\n" : "\n");
    }
    return text;
}

// Reading the text, checking the chain and one program output with passes by a 0.005 mm
// cusp: what pressing the button costs with a 1,000-piece profile loaded.
void LoadAndPlanThousandSegments(benchmark::State& state) {
    const std::string text = thousandSegmentProfile();
    DialogSnapshot dialog;
    dialog.choices.side = Side::Outer;
    for (const auto& [field, value] : {std::pair{JobField::NoseRadius, "0.5"},
                                       {JobField::Pitch, "5"},
                                       {JobField::D1, "30"},
                                       {JobField::D2, "27.6"},
                                       {JobField::StockDiameter, "31"},
                                       {JobField::ZStart, "5"},
                                       {JobField::ZEnd, "-50"},
                                       {JobField::XRetract, "33"}}) {
        dialog.text(field) = value;
    }
    dialog.drawnCusp = 0.005;
    int points = 0;
    for (auto _ : state) {
        auto chain = readTextProfile(text);
        if (!chain) {
            state.SkipWithError(chain.error().message.c_str());
            break;
        }
        dialog.drawnGroove = std::move(*chain);
        ThreadJob job;
        TextPanes panes;
        const auto result = runProgramOutput(job, dialog, panes);
        if (!result.ok()) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
        points = static_cast<int>(computePassSchedule(job).size());
    }
    state.counters["points"] = points;
    state.counters["target_ms"] = 100.0;
}
BENCHMARK(LoadAndPlanThousandSegments)->Unit(benchmark::kMillisecond);

} // namespace
