#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillmar {

// One registry value as the system hands it over: its raw 8-bit data and whether
// its type is a plain string (REG_SZ).
struct RegistryValue {
    QByteArray data;
    bool isPlainString = false;
};

// Reads values under the machine-wide root (HKEY_LOCAL_MACHINE). A Windows reader
// opens each key read-only (KEY_READ): an ordinary user is refused write access
// there, and reading is all the program does. Systems without a registry find
// nothing.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual std::optional<RegistryValue> machineValue(const QString& keyPath,
                                                      const QString& valueName) const = 0;
};

class NoRegistry final : public RegistryReader {
public:
    std::optional<RegistryValue> machineValue(const QString&, const QString&) const override {
        return std::nullopt;
    }
};

// A found value as text: cut at its first NUL; a value of any type other than a
// plain string is found but holds no usable path (empty text). Data longer than
// the 1024-byte buffer it is read into counts as not found.
struct RegistryText {
    bool found = false;
    QString text;
};
RegistryText readRegistryText(const RegistryReader& registry, const QString& keyPath,
                              const QString& valueName);

// Starts a program without waiting for it. Returns false when it could not start.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool startDetached(const QString& path) = 0;
};

class QtProgramStarter final : public ProgramStarter {
public:
    bool startDetached(const QString& path) override;
};

// The desktop's own system information programs, looked for in this order on a system
// without the registry's tool.
inline constexpr const char* kSystemInformationPrograms[] = {"kinfocenter", "gnome-system-monitor",
                                                             "hardinfo"};

// The first of the programs found as an executable file in the folders of a PATH
// value (separated by ":"; an empty entry is the current folder, an empty value has
// none); empty when none is found.
QString findSystemInformationProgram(const QString& searchPath);

// The system information tool: the full path under "MSINFO"/"PATH"; else the folder
// under "Shared Tools Location"/"MSINFO" with "\MSINFO32.EXE" appended, when that
// file exists. A found first location is never followed by the second. Without
// either location, the first desktop program found on the search path. Returns false
// when there is no tool or it would not start.
bool startSystemInformationTool(const RegistryReader& registry, ProgramStarter& starter,
                                const QString& searchPath);

} // namespace quillmar
