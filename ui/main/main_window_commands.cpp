#include "core/multi_start_note.h"
#include "core/plain_number_text.h"
#include "graphics/graphics.h"
#include "ui/dialog/data_input_dialog.h"
#include "ui/dialog/thread_standard_dialog.h"
#include "ui/main/about_box.h"
#include "ui/main/edit_commands.h"
#include "ui/main/example_programs.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"
#include "ui/main/output_pane.h"
#include "ui/main/pane_texts.h"
#include "ui/main/save_command.h"
#include "ui/main/status_panels.h"
#include "ui/main/unsaved_text.h"
#include "ui/paint/picture_box.h"
#include "ui/paint/readout_box.h"

#include <QCoreApplication>
#include <utility>

namespace quillmar {

OutputPanes& MainWindow::outputPanes() {
    return *paneTexts_;
}

bool MainWindow::redrawGraphic(IncrementalGraphic& graphic, OutputPane& pane, PictureBox& picture) {
    const auto outcome = graphic.draw(job_, pane.programTextView(), pane.takeProgramTextEdit(),
                                      reader_, std::as_const(picture).recording().state());
    if (outcome.drawn) {
        picture.showDisplayList(graphic.displayList(), graphic.stateAfter());
    }
    return outcome.completed;
}

void MainWindow::redrawPointGraphic() {
    if (redrawGraphic(pointGraphic_, *macroPane_, *pointPicture_)) {
        readout_->show();
    }
}

void MainWindow::redrawCuttingGraphic() {
    if (redrawGraphic(cuttingGraphic_, *standardPane_, *cuttingPicture_)) {
        readout_->show();
    }
}

OutputPane* MainWindow::focusedPane() const {
    QWidget* focused = focusWidget();
    if (focused == macroPane_ || focused == standardPane_) {
        return static_cast<OutputPane*>(focused);
    }
    return nullptr;
}

void MainWindow::clearPicture(PictureBox& picture) {
    picture.surface().setBackground(Colour::named(SystemColour::ButtonFace));
    picture.surface().clear();
}

void MainWindow::newCommand() {
    paneTexts_->sequenceCounter = 1;
    // An edit like any other, so each pane's Undo brings its program back.
    macroPane_->replaceAllAsEdit(QString());
    standardPane_->replaceAllAsEdit(QString());
    clearPicture(*pointPicture_);
    clearPicture(*cuttingPicture_);
}

void MainWindow::dataInputCommand() {
    if (dataInput_ == nullptr) {
        dataInput_ = new DataInputDialog(job_, *this, services_.messages, this);
    }
    const bool output = dataInput_->openModal() == QDialog::Accepted;
    showMultiStartNote(output);
}

// "ねじ規格" from the menu: the thread's fields go into the data input dialog, which
// opens with them so that the user sees them and can still change them.
void MainWindow::threadStandardCommand() {
    const auto fill = askThreadStandard(this, job_.side == Side::Outer);
    if (!fill) {
        return;
    }
    if (dataInput_ == nullptr) {
        dataInput_ = new DataInputDialog(job_, *this, services_.messages, this);
    }
    showMultiStartNote(dataInput_->openModalWith(*fill) == QDialog::Accepted);
}

std::optional<ThreadStandardFill> MainWindow::askThreadStandard(QWidget* parent, bool outer) {
    ThreadStandardDialog dialog(settings_, outer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.fill();
}

void MainWindow::showMultiStartNote(bool output) {
    const std::optional<double> approach = multiStartApproach(job_);
    if (output && approach) {
        statusBar_->setStatusText(
            QCoreApplication::translate(
                "MainWindow", "%1条ねじ: 最後の条は Z軸 開始点の %2 mm 手前から始まります")
                .arg(job_.starts)
                .arg(QString::fromStdString(plainNumberText(*approach))));
    }
}

void MainWindow::saveCommand() {
    savePane(focusedPane());
}

bool MainWindow::savePane(OutputPane* pane) {
    const auto saved =
        runSaveCommand({pane != nullptr ? std::optional(pane->programText()) : std::nullopt,
                        openPathName_, services_.saveDialog, services_.messages, this});
    if (saved) {
        pane->markSaved();
        rememberRecentFile(*saved);
    }
    return saved.has_value();
}

bool MainWindow::settleUnsavedText() {
    const auto save = [this](OutputPane& pane) {
        pane.setFocus(); // the pane being saved is the one that looks like an edit field
        return savePane(&pane);
    };
    return settleUnsavedPanes({{macroPane_, QStringLiteral("Point data for Macro program")},
                               {standardPane_, QStringLiteral("Standard program")}},
                              {services_.messages, askToSaveOnClose_, save, this});
}

void MainWindow::exitCommand() {
    close();
}

void MainWindow::undoCommand() {
    if (OutputPane* pane = focusedPane()) {
        undoLastEdit(*pane);
    }
}

void MainWindow::cutCommand() {
    if (OutputPane* pane = focusedPane()) {
        cutSelection(*pane);
    }
}

void MainWindow::copyCommand() {
    if (OutputPane* pane = focusedPane()) {
        copySelection(*pane);
    }
}

void MainWindow::copyAllCommand() {
    if (OutputPane* pane = focusedPane()) {
        copyAll(*pane);
    }
}

void MainWindow::pasteCommand() {
    if (OutputPane* pane = focusedPane()) {
        pasteClipboard(*pane);
    }
}

void MainWindow::showSample(OutputPane& pane, std::span<const std::string_view> lines) {
    // Undoable, like New: a sample must not throw away an unsaved program for good.
    pane.replaceAllAsEdit(QString::fromStdString(sampleText(lines)));
    pane.markSaved(); // a sample loses nothing when the window closes
}

void MainWindow::exampleOspMacroCommand() {
    showSample(*macroPane_, ospMacroMainProgramLines());
    clearPicture(*pointPicture_);
    showSample(*standardPane_, ospSystemSubprogramLines());
}

void MainWindow::exampleOspStandardCommand() {
    showSample(*standardPane_, ospStandardProgramLines());
    macroPane_->replaceAllAsEdit(QString());
    clearPicture(*pointPicture_);
}

void MainWindow::exampleFanucStandardCommand() {
    showSample(*standardPane_, fanucProgramLines());
    macroPane_->replaceAllAsEdit(QString());
    clearPicture(*pointPicture_);
}

void MainWindow::aboutCommand() {
    {
        AboutBox about(services_.messages, services_.registry, services_.programStarter, this);
        about.exec();
    }
    if (macroPane_->hasProgramText()) {
        redrawPointGraphic();
    }
    if (standardPane_->hasProgramText()) {
        redrawCuttingGraphic();
    }
}

void MainWindow::toolbarButtonClicked(const QString& key) {
    const std::optional<ToolbarCommand> command = toolbarCommandForKey(key);
    if (!command) {
        return;
    }
    switch (*command) {
    case ToolbarCommand::New:
        return newCommand();
    case ToolbarCommand::Square:
        return dataInputCommand();
    case ToolbarCommand::Save:
        return saveCommand();
    case ToolbarCommand::Undo:
        return undoCommand();
    case ToolbarCommand::Cut:
        return cutCommand();
    case ToolbarCommand::Copy:
        return copyCommand();
    case ToolbarCommand::CopyAll:
        return copyAllCommand();
    case ToolbarCommand::Paste:
        return pasteCommand();
    case ToolbarCommand::Exit:
        return exitCommand();
    case ToolbarCommand::Open:
        return openCommand();
    }
}

} // namespace quillmar
