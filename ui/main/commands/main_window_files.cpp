#include "ui/main/editor/output_pane.h"
#include "ui/main/files/open_command.h"
#include "ui/main/files/recent_files.h"
#include "ui/main/main_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTextCursor>

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
    pane.replaceAllAsEdit(*text); // the change redraws the pane's graphic
    pane.markSaved();             // what was opened is on disk as it is
    pane.moveCursor(QTextCursor::Start);
    pane.setFocus();
    rememberRecentFile(path);
}

void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recentFiles_.removeAll(path);
        refreshRecentMenu();
        tellRecentFileMissing(path, services_.messages, this);
        return;
    }
    openFileInto(openTargetPane(), path);
}

void MainWindow::rememberRecentFile(const QString& path) {
    addRecentFile(recentFiles_, path);
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu() {
    QMenu* menu = menus_.fileRecent;
    // The entry that was chosen may still be in its triggered signal.
    for (QAction* old : menu->actions()) {
        menu->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    if (recentFiles_.isEmpty()) {
        menu->addAction(QCoreApplication::translate("RecentFiles", "(なし)"))->setEnabled(false);
        return;
    }
    for (qsizetype k = 0; k < recentFiles_.size(); ++k) {
        const QString path = recentFiles_[k];
        QAction* entry = menu->addAction(recentFileCaption(k, path));
        entry->setObjectName(QStringLiteral("mnuFileRecent%1").arg(k + 1));
        connect(entry, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
}

} // namespace quillmar
