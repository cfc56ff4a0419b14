// Open of a 6, 20 or 60 MB standard program into the real main window, as the user
// waits for it: the file read and decoded, the pane filled, its graphic drawn and the
// window painted. Reports the time and the most memory held beyond the empty window.
// Then a keystroke into the opened program, until the pane and its graphic are painted.
#include "process_memory.h"
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "standard_program_text.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/main_window.h"
#include "ui/paint/picture_box.h"

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
    QString askProfileFileName(QWidget*, const QString&) override { return {}; }
};

// A program of about `megabytes` MB (the generator's lines average some 20 bytes).
bool writeProgram(const QString& path, int megabytes) {
    const std::u16string program = bench::standardProgramText(megabytes * 50000);
    const std::string bytes(program.begin(), program.end());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// A file of the size the benchmark's argument names, and the window's services.
struct OpenFixture {
    QTemporaryDir folder;
    OpenDialog dialog;
    QSettings settings{folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat};
    bench::NoMessages messages;
    NoRegistry registry;
    bench::NoStarter starter;

    bool writeFile(int megabytes) {
        dialog.path = folder.filePath(QStringLiteral("program.txt"));
        return writeProgram(dialog.path, megabytes);
    }
    std::unique_ptr<MainWindow> shownWindow() {
        auto window = std::make_unique<MainWindow>(
            MainWindowServices{messages, dialog, registry, starter}, settings);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            return nullptr;
        }
        QCoreApplication::processEvents();
        return window;
    }
};

void openProgram(benchmark::State& state) {
    OpenFixture fixture;
    if (!fixture.writeFile(int(state.range(0)))) {
        state.SkipWithError("the program file was not written");
        return;
    }
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = fixture.shownWindow();
        if (window == nullptr) {
            state.SkipWithError("the window was not shown");
            break;
        }
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
    state.counters["file_mb"] = double(QFile(fixture.dialog.path).size()) / (1024 * 1024);
    state.counters["peak_mb"] = peak;
}

// A digit typed and taken back in turn in the middle of the opened program, each until
// the pane and the cutting graphic are painted again.
void typeAfterOpen(benchmark::State& state) {
    OpenFixture fixture;
    if (!fixture.writeFile(int(state.range(0)))) {
        state.SkipWithError("the program file was not written");
        return;
    }
    auto window = fixture.shownWindow();
    if (window == nullptr) {
        state.SkipWithError("the window was not shown");
        return;
    }
    window->openCommand();
    auto* pane = window->findChild<OutputPane*>(QStringLiteral("txtDataB"));
    auto* picture = window->findChild<PictureBox*>(QStringLiteral("Picture2"));
    // At the end of a threading line's F word in the middle of the program: before a
    // program output the graphic is scaled to the program's extent, which a digit more
    // on an X or Z word at its edge would move, and the whole picture with it.
    qsizetype line = pane->lineCount() / 2;
    while (line + 1 < pane->lineCount() && !pane->lineText(line).contains(QStringLiteral("G34"))) {
        ++line;
    }
    pane->setSelection(pane->lineEndPosition(line), pane->lineEndPosition(line));
    QCoreApplication::processEvents();
    window->repaint();
    bool typed5 = false;
    for (auto _ : state) {
        QTest::keyClick(pane, typed5 ? Qt::Key_Backspace : Qt::Key_5);
        typed5 = !typed5;
        pane->viewport()->repaint();
        picture->repaint();
    }
    state.counters["lines"] = double(pane->lineCount());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("openProgram", openProgram)
        ->Arg(6)
        ->Arg(20)
        ->Arg(60)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("typeAfterOpen", typeAfterOpen)
        ->Arg(60)
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
