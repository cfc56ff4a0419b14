// One keystroke into the standard program pane of the real main window while it holds
// a 100,000-line program, until the cutting graphic is painted again: the pane's text
// mirror, the walk, the display list and the paint, as the user waits for them.
#include "graphics/recording_surface.h"
#include "qt_benchmark_main.h"
#include "quiet_window_services.h"
#include "standard_program_text.h"
#include "tests/graphics/display_list.h"
#include "ui/main/main_window.h"
#include "ui/main/output_pane.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace quillmar;

constexpr int kLines = 100000;

void typeOneCharacter(benchmark::State& state) {
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
    auto* pane = window.findChild<OutputPane*>(QStringLiteral("txtDataB"));
    auto* picture = window.findChild<PictureBox*>(QStringLiteral("Picture2"));
    const std::u16string program = bench::standardProgramText(kLines);
    pane->setProgramText(QString::fromUtf16(program.data(), qsizetype(program.size())));
    pane->setFocus(Qt::MouseFocusReason);
    // The cursor at the end of a line in the middle of the program, after its Z word.
    QTextCursor cursor(pane->document()->findBlockByNumber(kLines / 2 + 3));
    cursor.movePosition(QTextCursor::EndOfBlock);
    pane->setTextCursor(cursor);
    picture->repaint();

    // The two halves of a keystroke, for finding where the time goes: the key into the
    // pane up to the new display list, and the paint of the picture.
    std::chrono::steady_clock::duration typing{};
    std::chrono::steady_clock::duration painting{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(pane, Qt::Key_5);
        const auto typed = std::chrono::steady_clock::now();
        picture->repaint();
        typing += typed - start;
        painting += std::chrono::steady_clock::now() - typed;
    }
    const auto perKeystrokeMs = [&](std::chrono::steady_clock::duration total) {
        return std::chrono::duration<double, std::milli>(total).count() /
               double(state.iterations());
    };
    state.counters["type_ms"] = perKeystrokeMs(typing);
    state.counters["paint_ms"] = perKeystrokeMs(painting);
    state.counters["lines"] = double(pane->blockCount());
    state.counters["commands"] = double(picture->recording().commands().size());
    state.counters["picture_w"] = double(picture->width());
    state.counters["picture_h"] = double(picture->height());
}
BENCHMARK(typeOneCharacter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
