// A line of a million digits pasted into the standard program pane of the real main
// window: one keystroke at its end until the pane and the cutting graphic are painted
// again, and what the window costs while the user does nothing.
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "tests/graphics/display_list.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/main_window.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace {

using namespace quillmar;
using Clock = std::chrono::steady_clock;

double millisecondsOf(Clock::duration total, double times) {
    return std::chrono::duration<double, std::milli>(total).count() / times;
}

// The window with the line pasted, the caret at its end.
struct WindowWithALongLine {
    WindowWithALongLine()
        : settings(folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat),
          window({messages, saveDialog, registry, starter}, settings) {
        window.show();
        shown = QTest::qWaitForWindowExposed(&window);
        window.job() = testing::exampleJob();
        pane = window.findChild<OutputPane*>(QStringLiteral("txtDataB"));
        picture = window.findChild<PictureBox*>(QStringLiteral("Picture2"));
        pane->setFocus(Qt::MouseFocusReason);
        const auto start = Clock::now();
        pane->replaceSelection(QStringLiteral("N1 G00 X1 Z1 ") +
                               QStringLiteral("1234567890").repeated(100000));
        pane->viewport()->repaint();
        pasteMs = millisecondsOf(Clock::now() - start, 1);
    }

    QTemporaryDir folder;
    QSettings settings;
    bench::NoMessages messages;
    bench::NoSaveDialog saveDialog;
    NoRegistry registry;
    bench::NoStarter starter;
    MainWindow window;
    bool shown = false;
    OutputPane* pane = nullptr;
    PictureBox* picture = nullptr;
    double pasteMs = 0;
};

void typeAtTheEndOfALongLine(benchmark::State& state) {
    WindowWithALongLine line;
    if (!line.shown) {
        state.SkipWithError("the window was not shown");
        return;
    }
    Clock::duration typing{};
    Clock::duration painting{};
    for (auto _ : state) {
        const auto start = Clock::now();
        QTest::keyClick(line.pane, Qt::Key_5);
        const auto typed = Clock::now();
        line.pane->viewport()->repaint();
        line.picture->repaint();
        typing += typed - start;
        painting += Clock::now() - typed;
    }
    const double keys = double(state.iterations());
    state.counters["type_ms"] = millisecondsOf(typing, keys);
    state.counters["paint_ms"] = millisecondsOf(painting, keys);
    state.counters["paste_ms"] = line.pasteMs;
    state.counters["chars"] = double(line.pane->programText().size());
}
BENCHMARK(typeAtTheEndOfALongLine)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The window left alone with the caret at the line's end: the processor time the
// program takes in each second (the caret blinks twice a second).
void idleWithALongLine(benchmark::State& state) {
    WindowWithALongLine line;
    QApplication::setActiveWindow(&line.window);
    if (!line.shown || !QTest::qWaitForWindowActive(&line.window) || !line.pane->hasFocus()) {
        state.SkipWithError("the window is not active with the pane focused");
        return;
    }
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        // An event loop that sleeps until its timers are due, as the program's does.
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        state.SetIterationTime(double(std::clock() - before) / CLOCKS_PER_SEC);
    }
}
BENCHMARK(idleWithALongLine)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
