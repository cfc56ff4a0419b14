#include "ui/main/commands/system_info_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace quillmar {

namespace {

constexpr qsizetype kValueBufferBytes = 1024;

std::optional<QString> toolPath(const RegistryReader& registry, const QString& searchPath) {
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
        const QString program = findSystemInformationProgram(searchPath);
        return program.isEmpty() ? std::nullopt : std::optional(program);
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

QString findSystemInformationProgram(const QString& searchPath) {
    if (searchPath.isEmpty()) {
        return {};
    }
    const QStringList folders = searchPath.split(QDir::listSeparator());
    for (const char* program : kSystemInformationPrograms) {
        for (const QString& folder : folders) {
            const QFileInfo candidate(QDir(folder.isEmpty() ? QStringLiteral(".") : folder),
                                      QString::fromLatin1(program));
            if (candidate.isFile() && candidate.isExecutable()) {
                return candidate.absoluteFilePath();
            }
        }
    }
    return {};
}

bool startSystemInformationTool(const RegistryReader& registry, ProgramStarter& starter,
                                const QString& searchPath) {
    const std::optional<QString> path = toolPath(registry, searchPath);
    return path && !path->isEmpty() && starter.startDetached(*path);
}

} // namespace quillmar
