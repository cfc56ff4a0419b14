#pragma once

#include "ui/seams/program_language.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QSettings;

namespace quillmar {

// One value kept between runs: its key ("Group/Name") and what it is while nothing
// readable is stored. The keys are declared in ui/seams/setting_keys.h.
template <typename T> struct Setting {
    const char* key;
    T fallback;
};

// How each kind of value is stored: every value as a text, so the file reads the same
// whoever wrote it. A stored text that does not read as the kind gives the fallback.
float storedValue(const QVariant& stored, float fallback);
QString storedValue(const QVariant& stored, const QString& fallback);
QStringList storedValue(const QVariant& stored, const QStringList& fallback);  // no empty entries
bool storedValue(const QVariant& stored, bool fallback);                       // "true", "false"
ProgramLanguage storedValue(const QVariant& stored, ProgramLanguage fallback); // "ja", "en"
QVariant storedForm(float value); // the decimal text in single precision
QVariant storedForm(const QString& value);
QVariant storedForm(const QStringList& value);
QVariant storedForm(bool value);
QVariant storedForm(ProgramLanguage value);

// The one way into the per-user store: widgets read and write the values of
// setting_keys.h through it and never touch QSettings themselves. A view: the store
// it is made over outlives it.
class SettingsStore {
public:
    SettingsStore(QSettings& store) : store_(&store) {} // NOLINT: a view, like string_view

    template <typename T> T value(const Setting<T>& setting) const {
        return storedValue(stored(setting.key), setting.fallback);
    }
    template <typename T> void setValue(const Setting<T>& setting, const T& value) {
        store(setting.key, storedForm(value));
    }
    // Writes what was set to the file now rather than at the store's end.
    void sync();

private:
    QVariant stored(const char* key) const;
    void store(const char* key, const QVariant& value);

    QSettings* store_;
};

// The per-user store: application "Quillmar", file Quillmar.conf.
std::unique_ptr<QSettings> openSettingsStore();
} // namespace quillmar
