#include "ui/main/settings_store.h"

#include "core/plain_number_text.h"
#include "ui/main/recent_files.h"

#include <QSettings>
#include <cmath>

namespace quillmar {

namespace {

const QString kGroup = QStringLiteral("Settings");
const QString kRecentFilesKey = QStringLiteral("RecentFiles");
const QString kAskToSaveOnClose = QStringLiteral("AskToSaveOnClose");

float readNumber(QSettings& store, const QString& key, float fallback) {
    bool ok = false;
    const float value = store.value(key).toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

void writeNumber(QSettings& store, const QString& key, float value) {
    store.setValue(key, QString::fromStdString(plainNumberText(value)));
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quillmar"), QStringLiteral("Quillmar"));
}

StoredSettings readStoredSettings(QSettings& store) {
    StoredSettings settings;
    store.beginGroup(kGroup);
    TwipsPlacement& window = settings.window;
    window.left = readNumber(store, QStringLiteral("MainLeft"), window.left);
    window.top = readNumber(store, QStringLiteral("MainTop"), window.top);
    window.width = readNumber(store, QStringLiteral("MainWidth"), window.width);
    window.height = readNumber(store, QStringLiteral("MainHeight"), window.height);
    settings.openPathName =
        store.value(QStringLiteral("OpenPathName"), settings.openPathName).toString();
    settings.recentFiles = recentFilesFromSettings(store.value(kRecentFilesKey).toStringList());
    // Anything but a clear "no" keeps asking: losing a program costs more than a question.
    settings.askToSaveOnClose =
        store.value(kAskToSaveOnClose).toString().trimmed().toLower() != QStringLiteral("false");
    store.endGroup();
    return settings;
}

void writeWindowRectangle(QSettings& store, const TwipsPlacement& window) {
    store.beginGroup(kGroup);
    writeNumber(store, QStringLiteral("MainLeft"), window.left);
    writeNumber(store, QStringLiteral("MainTop"), window.top);
    writeNumber(store, QStringLiteral("MainWidth"), window.width);
    writeNumber(store, QStringLiteral("MainHeight"), window.height);
    store.endGroup();
}

void writeOpenPathName(QSettings& store, const QString& openPathName) {
    store.beginGroup(kGroup);
    store.setValue(QStringLiteral("OpenPathName"), openPathName);
    store.endGroup();
}

void writeRecentFiles(QSettings& store, const QStringList& recentFiles) {
    store.beginGroup(kGroup);
    store.setValue(kRecentFilesKey, recentFiles);
    store.endGroup();
}

void writeAskToSaveOnClose(QSettings& store, bool ask) {
    store.beginGroup(kGroup);
    store.setValue(kAskToSaveOnClose, ask ? QStringLiteral("true") : QStringLiteral("false"));
    store.endGroup();
}

} // namespace quillmar
