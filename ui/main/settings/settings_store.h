#pragma once

#include "ui/main/window/window_layout.h"
#include "ui/seams/typed_settings.h"

#include <QString>
#include <QStringList>

namespace quillmar {

// What the main window restores at start: its outer rectangle in twips, the folder the
// file dialogs last used, the files last opened or saved, and whether closing asks to
// save changes.
struct StoredSettings {
    TwipsPlacement window;
    QString openPathName;
    QStringList recentFiles;
    bool askToSaveOnClose = true;
};

StoredSettings readStoredSettings(SettingsStore store);
void writeWindowRectangle(SettingsStore store, const TwipsPlacement& window);

} // namespace quillmar
