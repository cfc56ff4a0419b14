// One keystroke into the standard program pane of the real main window while it holds
// a 100,000-line or a 1,000,000-line program, until the cutting graphic is painted
// again: the pane's text mirror, the walk, the display list and the paint, as the user
// waits for them. Run with QT_SCALE_FACTOR=2 it measures a high-density screen (device
// pixel ratio 2), under names of their own.
#include "graphics/recording_surface.h"
#include "process_memory.h"
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "standard_program_text.h"
#include "tests/graphics/display_list.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/main_window.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <string>

namespace {

using namespace quillmar;

using bench::statusMegabytes;

void typeOneCharacter(benchmark::State& state, bool simulationOpen) {
    const int lines = int(state.range(0));
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat);
    bench::NoMessages messages;
    bench::NoSaveDialog saveDialog;
    NoRegistry registry;
    bench::NoStarter starter;
    MainWindow window({messages, saveDialog, registry, starter}, settings);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    window.job() = testing::exampleJob(); // pitch 12.7, D1 32, D2 28, Z 17.7 to -80
    if (simulationOpen) {
        // It simulates the pane only once typing rests; a keystroke must not wait for it.
        window.simulationCommand();
    }
    auto* pane = window.findChild<OutputPane*>(QStringLiteral("txtDataB"));
    auto* picture = window.findChild<PictureBox*>(QStringLiteral("Picture2"));
    std::u16string program = bench::standardProgramText(lines);
    pane->setProgramText(QString::fromUtf16(program.data(), qsizetype(program.size())));
    pane->setFocus(Qt::MouseFocusReason);
    // The cursor at the end of a line in the middle of the program, after its Z word.
    const qsizetype caret = pane->lineEndPosition(lines / 2 + 3);
    pane->setSelection(caret, caret);
    // The pane's own text is all the program keeps; the copy made here to fill it goes
    // before the memory is measured.
    std::u16string().swap(program);
    // The first paint draws every piece; the keystrokes after it only what they changed.
    const auto firstPaintStart = std::chrono::steady_clock::now();
    picture->repaint();
    const std::chrono::duration<double, std::milli> firstPaint =
        std::chrono::steady_clock::now() - firstPaintStart;

    // The two halves of a keystroke, for finding where the time goes: the key into the
    // pane up to the new display list, and the paint of the picture.
    std::chrono::steady_clock::duration typing{};
    std::chrono::steady_clock::duration painting{};
    // The processor time too: on a machine busy with other work the two differ.
    std::clock_t typingCpu = 0;
    std::clock_t paintingCpu = 0;
    bool typed5 = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t startCpu = std::clock();
        // A digit typed and taken back in turn: the line stays a line the reader can
        // read, where digits piling up would make a number beyond single precision
        // that ends the drawing there.
        QTest::keyClick(pane, typed5 ? Qt::Key_Backspace : Qt::Key_5);
        typed5 = !typed5;
        const auto typed = std::chrono::steady_clock::now();
        const std::clock_t typedCpu = std::clock();
        picture->repaint();
        typing += typed - start;
        painting += std::chrono::steady_clock::now() - typed;
        typingCpu += typedCpu - startCpu;
        paintingCpu += std::clock() - typedCpu;
    }
    const auto perKeystrokeMs = [&](std::chrono::steady_clock::duration total) {
        return std::chrono::duration<double, std::milli>(total).count() /
               double(state.iterations());
    };
    state.counters["first_paint_ms"] = firstPaint.count();
    state.counters["type_ms"] = perKeystrokeMs(typing);
    state.counters["paint_ms"] = perKeystrokeMs(painting);
    const auto perKeystrokeCpuMs = [&](std::clock_t total) {
        return 1000.0 * double(total) / CLOCKS_PER_SEC / double(state.iterations());
    };
    state.counters["type_cpu_ms"] = perKeystrokeCpuMs(typingCpu);
    state.counters["paint_cpu_ms"] = perKeystrokeCpuMs(paintingCpu);
    state.counters["lines"] = double(pane->lineCount());
    state.counters["commands"] = double(picture->commandCount());
    state.counters["picture_w"] = double(picture->width());
    state.counters["picture_h"] = double(picture->height());
    state.counters["device_pixel_ratio"] = picture->devicePixelRatioF();
    state.counters["resident_mb"] = statusMegabytes("VmRSS:");
    state.counters["peak_mb"] = statusMegabytes("VmHWM:");
}

} // namespace

int main(int argc, char** argv) {
    // The same keystroke on a high-density screen gets names of its own, so that both
    // runs stand side by side in one table.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    const std::string name =
        scale.isEmpty() || scale == "1" ? "typeOneCharacter" : "typeOneCharacterScaled";
    benchmark::RegisterBenchmark(name.c_str(), typeOneCharacter, false)
        ->Arg(100000)
        ->Arg(1000000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    benchmark::RegisterBenchmark((name + "SimulationOpen").c_str(), typeOneCharacter, true)
        ->Arg(100000)
        ->Arg(200000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
