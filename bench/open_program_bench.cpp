// Open of a 6, 20 or 60 MB standard program into the real main window, as the user
// waits for it: the file read and decoded, the pane filled, its graphic drawn and the
// window painted. Reports the time and the most memory held beyond the empty window.
#include "process_memory.h"
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "standard_program_text.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

using namespace quillmar;

// Answers the open dialog with one file.
struct OpenDialog : SaveFileDialog {
    QString path;
    QString askFileName(QWidget*, const QString&) override { return {}; }
    QString askOpenFileName(QWidget*, const QString&) override { return path; }
};

// A program of about `megabytes` MB (the generator's lines average some 20 bytes).
bool writeProgram(const QString& path, int megabytes) {
    const std::u16string program = bench::standardProgramText(megabytes * 50000);
    const std::string bytes(program.begin(), program.end());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

void openProgram(benchmark::State& state) {
    QTemporaryDir folder;
    OpenDialog dialog;
    dialog.path = folder.filePath(QStringLiteral("program.txt"));
    if (!writeProgram(dialog.path, int(state.range(0)))) {
        state.SkipWithError("the program file was not written");
        return;
    }
    QSettings settings(folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat);
    bench::NoMessages messages;
    NoRegistry registry;
    bench::NoStarter starter;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>(
            MainWindowServices{messages, dialog, registry, starter}, settings);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            state.SkipWithError("the window was not shown");
            break;
        }
        QCoreApplication::processEvents();
        malloc_trim(0);
        const double before = bench::statusMegabytes("VmRSS:");
        bench::resetPeakMemory();
        state.ResumeTiming();
        window->openCommand();
        QCoreApplication::processEvents();
        window->repaint();
        state.PauseTiming();
        peak = bench::statusMegabytes("VmHWM:") - before;
        window.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.counters["file_mb"] = double(QFile(dialog.path).size()) / (1024 * 1024);
    state.counters["peak_mb"] = peak;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("openProgram", openProgram)
        ->Arg(6)
        ->Arg(20)
        ->Arg(60)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
