#include "ui/seams/typed_settings.h"

#include "core/plain_number_text.h"

#include <QSettings>
#include <cmath>

namespace quillmar {

float storedValue(const QVariant& stored, float fallback) {
    bool ok = false;
    const float value = stored.toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

QString storedValue(const QVariant& stored, const QString& fallback) {
    return stored.isValid() ? stored.toString() : fallback;
}

QStringList storedValue(const QVariant& stored, const QStringList& fallback) {
    if (!stored.isValid()) {
        return fallback;
    }
    QStringList list = stored.toStringList();
    list.removeAll(QString());
    return list;
}

bool storedValue(const QVariant& stored, bool fallback) {
    const QString text = stored.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("false")) {
        return text == QLatin1String("true");
    }
    return fallback;
}

ProgramLanguage storedValue(const QVariant& stored, ProgramLanguage fallback) {
    const QString text = stored.toString();
    if (text == QLatin1String("en")) {
        return ProgramLanguage::English;
    }
    return text == QLatin1String("ja") ? ProgramLanguage::Japanese : fallback;
}

QVariant storedForm(float value) {
    return QString::fromStdString(plainNumberText(value));
}

QVariant storedForm(const QString& value) {
    return value;
}

QVariant storedForm(const QStringList& value) {
    return value;
}

QVariant storedForm(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QVariant storedForm(ProgramLanguage value) {
    return value == ProgramLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

QVariant SettingsStore::stored(const char* key) const {
    return store_->value(QLatin1String(key));
}

void SettingsStore::store(const char* key, const QVariant& value) {
    store_->setValue(QLatin1String(key), value);
}

void SettingsStore::sync() {
    store_->sync();
}

std::unique_ptr<QSettings> openSettingsStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quillmar"), QStringLiteral("Quillmar"));
}

} // namespace quillmar
