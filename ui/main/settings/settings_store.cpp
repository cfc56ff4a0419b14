#include "ui/main/settings/settings_store.h"

#include "ui/main/files/recent_files.h"
#include "ui/seams/setting_keys.h"

namespace quillmar {

StoredSettings readStoredSettings(SettingsStore store) {
    return {{store.value(setting::kMainLeft), store.value(setting::kMainTop),
             store.value(setting::kMainWidth), store.value(setting::kMainHeight)},
            store.value(setting::kOpenPathName),
            recentFilesFromSettings(store.value(setting::kRecentFiles)),
            store.value(setting::kAskToSaveOnClose)};
}

void writeWindowRectangle(SettingsStore store, const TwipsPlacement& window) {
    store.setValue(setting::kMainLeft, window.left);
    store.setValue(setting::kMainTop, window.top);
    store.setValue(setting::kMainWidth, window.width);
    store.setValue(setting::kMainHeight, window.height);
}

} // namespace quillmar
