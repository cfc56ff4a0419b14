// One keystroke into the standard program pane of the real main window while it holds
// a 100,000-line program, until the cutting graphic is painted again: the pane's text
// mirror, the walk, the display list and the paint, as the user waits for them.
#include "graphics/recording_surface.h"
#include "qt_benchmark_main.h"
#include "standard_program_text.h"
#include "tests/graphics/display_list.h"
#include "ui/main/main_window.h"
#include "ui/main/output_pane.h"
#include "ui/main/save_file_dialog.h"
#include "ui/main/system_info_registry.h"
#include "ui/paint/picture_box.h"
#include "ui/seams/message_boxes.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <benchmark/benchmark.h>

namespace {

using namespace quillmar;

constexpr int kLines = 100000;

// Nothing in a keystroke may ask a person anything; if it did, the benchmark fails.
struct NoMessages : MessageBoxes {
    void show(QWidget*, const QString&, const QString& text, MessageIcon) override {
        qFatal("unexpected message box: %s", qPrintable(text));
    }
};
struct NoSaveDialog : SaveFileDialog {
    QString askFileName(QWidget*, const QString&) override { return {}; }
};
struct NoStarter : ProgramStarter {
    bool startDetached(const QString&) override { return false; }
};

void typeOneCharacter(benchmark::State& state) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("quillmar.ini")), QSettings::IniFormat);
    NoMessages messages;
    NoSaveDialog saveDialog;
    NoRegistry registry;
    NoStarter starter;
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

    for (auto _ : state) {
        QTest::keyClick(pane, Qt::Key_5);
        picture->repaint();
    }
    state.counters["lines"] = double(pane->blockCount());
    state.counters["commands"] = double(picture->recording().commands().size());
    state.counters["picture_px"] = double(picture->width() * picture->height());
}
BENCHMARK(typeOneCharacter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return quillmar::bench::runQtBenchmarks<QApplication>(argc, argv);
}
