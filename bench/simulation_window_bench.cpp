// The cut simulation window over a 200,000-line standard program (50,000 passes), as
// the user meets it: how long the window's thread is held at once (the longest round
// of its events) and how long until the results are shown, when the window is shown,
// after a keystroke into the pane, and after a step of the pass slider.
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "standard_program_text.h"
#include "tests/graphics/display_list.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/main_window.h"
#include "ui/simulation/simulation_window.h"

#include <QApplication>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>

namespace {

using namespace quillmar;
using Clock = std::chrono::steady_clock;

constexpr int kLines = 200000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of the calling thread (the window's), in ms: on a machine busy with
// other work the wall clock says more about the others than about the window.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// One main window with the program in its standard pane, made once for all runs.
struct ProgramWindow {
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat};
    bench::NoMessages messages;
    bench::NoSaveDialog saveDialog;
    NoRegistry registry;
    bench::NoStarter starter;
    MainWindow window{{messages, saveDialog, registry, starter}, settings};
    OutputPane* pane = nullptr;
    bool exposed = false;

    ProgramWindow() {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.job() = testing::exampleJob();
        pane = window.findChild<OutputPane*>(QStringLiteral("txtDataB"));
        const std::u16string program = bench::standardProgramText(kLines);
        pane->setProgramText(QString::fromUtf16(program.data(), qsizetype(program.size())));
        // The pane's graphic drawn and the window painted before anything is measured.
        QCoreApplication::processEvents();
        window.repaint();
    }
    SimulationWindow* simulation() {
        return window.findChild<SimulationWindow*>(QStringLiteral("frmSimulation"));
    }
};

// Made at first use, and let go before the application object (a window that outlived
// it crashed the benchmark at its exit).
std::unique_ptr<ProgramWindow> sharedWindow;

ProgramWindow& programWindow() {
    if (!sharedWindow) {
        sharedWindow = std::make_unique<ProgramWindow>();
    }
    return *sharedWindow;
}

struct Figures {
    double blockedMs = 0;    // the longest the window's thread was held at once
    double blockedCpuMs = 0; // the most processor time it took in one such hold
    double readyMs = 0;      // until the result was shown
};

// Runs the window's events, after `action`, until `done`: every round timed.
Figures runUntil(const std::function<void()>& action, const std::function<bool()>& done) {
    Figures figures;
    const Clock::time_point start = Clock::now();
    const double startCpu = threadCpuMs();
    action();
    figures.blockedMs = msSince(start);
    figures.blockedCpuMs = threadCpuMs() - startCpu;
    while (!done()) {
        const Clock::time_point round = Clock::now();
        const double roundCpu = threadCpuMs();
        QCoreApplication::processEvents();
        figures.blockedMs = std::max(figures.blockedMs, msSince(round));
        figures.blockedCpuMs = std::max(figures.blockedCpuMs, threadCpuMs() - roundCpu);
        QThread::msleep(1);
    }
    figures.readyMs = msSince(start);
    return figures;
}

// The simulation's figures shown: busy first, then done (its settle time included).
std::function<bool()> simulated(ProgramWindow& shared) {
    auto started = std::make_shared<bool>(false);
    return [&shared, started] {
        SimulationWindow* simulation = shared.simulation();
        *started = *started || (simulation != nullptr && simulation->working());
        return *started && !simulation->working();
    };
}

Figures showWindow() {
    ProgramWindow& shared = programWindow();
    if (SimulationWindow* open = shared.simulation()) {
        open->hide();
    }
    return runUntil([&] { shared.window.simulationCommand(); }, simulated(shared));
}

Figures typeWithSimulationOpen() {
    ProgramWindow& shared = programWindow();
    if (shared.simulation() == nullptr || !shared.simulation()->isVisible()) {
        showWindow();
    }
    const qsizetype caret = shared.pane->lineEndPosition(kLines / 2 + 3);
    shared.pane->setSelection(caret, caret);
    shared.pane->setFocus(Qt::MouseFocusReason);
    static bool typed5 = false;
    const Figures figures =
        runUntil([&] { QTest::keyClick(shared.pane, typed5 ? Qt::Key_Backspace : Qt::Key_5); },
                 simulated(shared));
    typed5 = !typed5;
    return figures;
}

Figures stepSlider() {
    ProgramWindow& shared = programWindow();
    if (shared.simulation() == nullptr || !shared.simulation()->isVisible()) {
        showWindow();
    }
    auto* slider = shared.simulation()->findChild<QSlider*>(QStringLiteral("sldPass"));
    const int to = slider->value() == slider->maximum() / 2 ? slider->maximum() / 2 + 1
                                                            : slider->maximum() / 2;
    return runUntil([&] { slider->setValue(to); }, [&] { return !shared.simulation()->working(); });
}

void report(benchmark::State& state, Figures (*scenario)(), double Figures::*figure) {
    if (!programWindow().exposed) {
        state.SkipWithError("the window was not shown");
        return;
    }
    for (auto _ : state) {
        const Figures figures = scenario();
        state.SetIterationTime((figures.*figure) / 1000);
        state.counters["blocked_cpu_ms"] = figures.blockedCpuMs;
    }
}

} // namespace

int main(int argc, char** argv) {
    const auto add = [](const char* name, Figures (*scenario)(), double Figures::*figure) {
        benchmark::RegisterBenchmark(name, report, scenario, figure)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    };
    add("simulationShown/blocked", showWindow, &Figures::blockedMs);
    add("simulationShown/figuresReady", showWindow, &Figures::readyMs);
    add("simulationOpenKeystroke/laterStall", typeWithSimulationOpen, &Figures::blockedMs);
    add("simulationOpenKeystroke/figuresReady", typeWithSimulationOpen, &Figures::readyMs);
    add("passSliderStep/blocked", stepSlider, &Figures::blockedMs);
    add("passSliderStep/sectionReady", stepSlider, &Figures::readyMs);
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv, [] { sharedWindow.reset(); });
}
