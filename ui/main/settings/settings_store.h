#pragma once

#include "ui/main/window/window_layout.h"

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace quillmar {

// What the program keeps between runs: the main window's outer rectangle in twips,
// the folder the file dialogs last used, the files last opened or saved, and whether
// closing asks to save changes.
struct StoredSettings {
    TwipsPlacement window{1000, 1000, 12000, 8000};
    QString openPathName = QStringLiteral("\\");
    QStringList recentFiles;
    bool askToSaveOnClose = true;
};

// The per-user store: application "Quillmar", group "Settings", every value a text.
std::unique_ptr<QSettings> openSettingsStore();

// A missing key, or one that does not read as a number, gives the key's default.
StoredSettings readStoredSettings(QSettings& store);

// Each number is written as its decimal text in single precision.
void writeWindowRectangle(QSettings& store, const TwipsPlacement& window);
void writeOpenPathName(QSettings& store, const QString& openPathName);
// "RecentFiles": the paths, latest first.
void writeRecentFiles(QSettings& store, const QStringList& recentFiles);
// Stored only once the user chose to stop being asked, so the key stays absent until then.
void writeAskToSaveOnClose(QSettings& store, bool ask);

} // namespace quillmar
