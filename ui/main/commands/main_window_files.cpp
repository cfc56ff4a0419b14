#include "ui/main/editor/output_pane.h"
#include "ui/main/files/open_command.h"
#include "ui/main/files/recent_files_menu.h"
#include "ui/main/main_window.h"

#include <QFileInfo>

namespace quillmar {

OutputPane& MainWindow::openTargetPane() const {
    // With a graphic or nothing focused, the standard program pane.
    OutputPane* pane = focusedPane();
    return pane != nullptr ? *pane : *standardPane_;
}

void MainWindow::openCommand() {
    OutputPane& pane = openTargetPane();
    const QString path = askProgramFileToOpen(services_.saveDialog, openPathName_, this);
    if (!path.isEmpty()) {
        openFileInto(pane, path);
    }
}

void MainWindow::openFileInto(OutputPane& pane, const QString& path) {
    const std::optional<QString> text = loadProgramFile(path, services_.messages, this);
    if (!text) {
        return;
    }
    // The change redraws the pane's graphic. Text not saved anywhere is replaced as a
    // paste would, so that Undo brings it back; an empty or saved pane starts a new
    // history.
    if (pane.holdsUnsavedText()) {
        pane.replaceAllAsEdit(*text);
    } else {
        pane.replaceAllAsNewHistory(*text);
    }
    pane.markSaved(); // what was opened is on disk as it is
    pane.moveCaretToStart();
    pane.setFocus();
    recentFiles_->remember(path);
}

void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recentFiles_->forget(path);
        tellRecentFileMissing(path, services_.messages, this);
        return;
    }
    openFileInto(openTargetPane(), path);
}

} // namespace quillmar
