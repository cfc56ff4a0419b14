// Painting the cutting graphic of a 100,000-line FANUC standard program into a
// 1200 x 600 picture, as the picture box and PNG files do.
#include "core/thread_job.h"
#include "graphics/graphics.h"
#include "graphics/recording_surface.h"
#include "nc/nc_line_reader.h"
#include "qt_benchmark_main.h"
#include "render/paint_plan.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kLines = 100000;
constexpr QSize kPicture(1200, 600);

// Five lines a pass: sequence number, rapid to the start, thread to Z-30, retract,
// return. The start X walks from 31.5 into the groove and the start Z over one pitch,
// so that nearly every start differs from the one before.
std::u16string fanucProgramText(int lines) {
    std::string text;
    char block[128];
    for (int pass = 0; 5 * (pass + 1) <= lines; ++pass) {
        const double x = 31.5 - 0.00175 * (pass % 2000);
        const double z = 10.75 - 0.025 * (pass % 240);
        std::snprintf(block, sizeof block,
                      "N%d\r\nG00 X%.3f Z%.3f\r\nG32 Z-30.0 F6.0\r\nG00 X28.0\r\nG00 Z%.3f\r\n",
                      pass + 1, x, z, z);
        text += block;
    }
    return std::u16string(text.begin(), text.end());
}

quillmar::ThreadJob threadJob() {
    quillmar::ThreadJob job;
    job.inputsSet = true; // as after a program output: the job's scale
    job.pitch = 6;
    job.zStart = 10.75;
    job.zEnd = -30;
    job.passLength = job.pitch + job.zStart - job.zEnd;
    job.d1 = 32;
    job.d2 = 28;
    job.stockDiameter = 33;
    return job;
}

// The display list of the cutting graphic, recorded for a picture 600 pixels high.
const quillmar::RecordingSurface& cuttingGraphic() {
    static const quillmar::RecordingSurface surface = [] {
        quillmar::RecordingSurface recording;
        recording.setPixelHeight(kPicture.height());
        quillmar::NcLineReader reader;
        quillmar::drawCuttingGraphic(threadJob(), fanucProgramText(kLines), reader, recording);
        return recording;
    }();
    return surface;
}

// The whole paint: display list to finished image.
void paintCuttingGraphic(benchmark::State& state) {
    const auto& commands = cuttingGraphic().commands();
    const auto system = quillmar::classicSystemColours();
    const QFont font = QGuiApplication::font();
    for (auto _ : state) {
        const QImage image = quillmar::renderPicture(commands, kPicture, system, font);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["commands"] = double(commands.size());
}
BENCHMARK(paintCuttingGraphic)->Unit(benchmark::kMillisecond);

// What an SVG file is drawn from: the display list to the distinct shapes in pixels.
void buildPlan(benchmark::State& state) {
    const auto& commands = cuttingGraphic().commands();
    const auto system = quillmar::classicSystemColours();
    for (auto _ : state) {
        const auto plan = quillmar::PaintPlan::build(commands, kPicture, system);
        benchmark::DoNotOptimize(plan.shapes().data());
    }
    state.counters["commands"] = double(commands.size());
    state.counters["shapes"] =
        double(quillmar::PaintPlan::build(commands, kPicture, system).shapes().size());
}
BENCHMARK(buildPlan)->Unit(benchmark::kMillisecond);

// What a change of the pane costs: read the text, record the graphic and paint it.
void drawAndPaintCuttingGraphic(benchmark::State& state) {
    const std::u16string text = fanucProgramText(kLines);
    const quillmar::ThreadJob job = threadJob();
    const auto system = quillmar::classicSystemColours();
    const QFont font = QGuiApplication::font();
    for (auto _ : state) {
        quillmar::RecordingSurface recording;
        recording.setPixelHeight(kPicture.height());
        quillmar::NcLineReader reader;
        quillmar::drawCuttingGraphic(job, text, reader, recording);
        const QImage image = quillmar::renderPicture(recording.commands(), kPicture, system, font);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(drawAndPaintCuttingGraphic)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quillmar::bench::runQtBenchmarks<QGuiApplication>(argc, argv);
}
