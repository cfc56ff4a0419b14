#include "ui/main/system_info_registry.h"

#include <QFileInfo>
#include <QProcess>

namespace quillmar {

namespace {

constexpr qsizetype kValueBufferBytes = 1024;

std::optional<QString> toolPath(const RegistryReader& registry) {
    const RegistryText path =
        readRegistryText(registry, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                         QStringLiteral("PATH"));
    if (path.found) {
        return path.text;
    }
    const RegistryText folder =
        readRegistryText(registry, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"));
    if (!folder.found) {
        return std::nullopt;
    }
    const QString candidate = folder.text + QStringLiteral("\\MSINFO32.EXE");
    if (!QFileInfo::exists(candidate)) {
        return std::nullopt;
    }
    return candidate;
}

} // namespace

RegistryText readRegistryText(const RegistryReader& registry, const QString& keyPath,
                              const QString& valueName) {
    const std::optional<RegistryValue> value = registry.machineValue(keyPath, valueName);
    if (!value || value->data.size() > kValueBufferBytes) {
        return {};
    }
    if (!value->isPlainString) {
        return {true, QString()};
    }
    const qsizetype nul = value->data.indexOf('\0');
    const QByteArray text = nul < 0 ? value->data : value->data.left(nul);
    return {true, QString::fromLocal8Bit(text)};
}

bool QtProgramStarter::startDetached(const QString& path) {
    return QProcess::startDetached(path, {});
}

bool startSystemInformationTool(const RegistryReader& registry, ProgramStarter& starter) {
    const std::optional<QString> path = toolPath(registry);
    return path && !path->isEmpty() && starter.startDetached(*path);
}

} // namespace quillmar
