#pragma once

#include <QStringList>
#include <functional>

class QMenu;
class QObject;

namespace quillmar {

// "最近使ったファイル": the files last opened or saved, latest first, kept as the entries
// "mnuFileRecent1" to "mnuFileRecent8" of the menu, or "(なし)" while there are none.
// Choosing an entry hands its path to `open`.
class RecentFilesMenu {
public:
    RecentFilesMenu(QMenu& menu, QObject& context, std::function<void(const QString&)> open);

    // The list as the store kept it; the menu shows it.
    void setFiles(const QStringList& files);
    const QStringList& files() const { return files_; }

    // A file just opened or saved comes first.
    void remember(const QString& path);
    // A file that is gone leaves the list.
    void forget(const QString& path);

private:
    void refresh();

    QMenu& menu_;
    QObject& context_;
    std::function<void(const QString&)> open_;
    QStringList files_;
};

} // namespace quillmar
