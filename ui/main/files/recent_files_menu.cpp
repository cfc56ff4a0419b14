#include "ui/main/files/recent_files_menu.h"

#include "ui/main/files/recent_files.h"

#include <QCoreApplication>
#include <QMenu>
#include <utility>

namespace quillmar {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, QObject& context,
                                 std::function<void(const QString&)> open)
    : menu_(menu), context_(context), open_(std::move(open)) {}

void RecentFilesMenu::setFiles(const QStringList& files) {
    files_ = files;
    refresh();
}

void RecentFilesMenu::remember(const QString& path) {
    addRecentFile(files_, path);
    refresh();
}

void RecentFilesMenu::forget(const QString& path) {
    files_.removeAll(path);
    refresh();
}

void RecentFilesMenu::refresh() {
    // The entry that was chosen may still be in its triggered signal.
    for (QAction* old : menu_.actions()) {
        menu_.removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    if (files_.isEmpty()) {
        menu_.addAction(QCoreApplication::translate("RecentFiles", "(なし)"))->setEnabled(false);
        return;
    }
    for (qsizetype k = 0; k < files_.size(); ++k) {
        const QString path = files_[k];
        QAction* entry = menu_.addAction(recentFileCaption(k, path));
        entry->setObjectName(QStringLiteral("mnuFileRecent%1").arg(k + 1));
        QObject::connect(entry, &QAction::triggered, &context_, [this, path] { open_(path); });
    }
}

} // namespace quillmar
