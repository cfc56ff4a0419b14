#include "tests/support/fakes.h"
#include "ui/main/commands/system_info_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace quillmar {
namespace {

const QString kInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

class FakeRegistry : public RegistryReader {
public:
    std::optional<RegistryValue> machineValue(const QString& keyPath,
                                              const QString& valueName) const override {
        const auto found = values.find({keyPath, valueName});
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    std::map<std::pair<QString, QString>, RegistryValue> values;
};

using testing::RecordingStarter;

TEST(RegistryText, CutsAPlainStringAtItsFirstNul) {
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray("C:\\tool.exe\0junk", 16), true};
    const RegistryText text = readRegistryText(registry, kInfoKey, QStringLiteral("PATH"));
    EXPECT_TRUE(text.found);
    EXPECT_EQ(text.text, QStringLiteral("C:\\tool.exe"));
}

TEST(RegistryText, AnotherTypeIsFoundButHoldsNoPath) {
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray("C:\\tool.exe"), false};
    const RegistryText text = readRegistryText(registry, kInfoKey, QStringLiteral("PATH"));
    EXPECT_TRUE(text.found);
    EXPECT_TRUE(text.text.isEmpty());
}

TEST(RegistryText, DataLargerThanTheBufferIsNotFound) {
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray(1024, 'a'), true};
    EXPECT_TRUE(readRegistryText(registry, kInfoKey, QStringLiteral("PATH")).found);
    registry.values[{kInfoKey, "PATH"}] = {QByteArray(1025, 'a'), true};
    EXPECT_FALSE(readRegistryText(registry, kInfoKey, QStringLiteral("PATH")).found);
}

TEST(SystemInformationTool, StartsThePathOfTheFirstLocation) {
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray("C:\\Tools\\msinfo32.exe"), true};
    registry.values[{kLocationKey, "MSINFO"}] = {QByteArray("C:\\Other"), true};
    RecordingStarter starter;
    EXPECT_TRUE(startSystemInformationTool(registry, starter, QString()));
    EXPECT_EQ(starter.started, std::vector<QString>{QStringLiteral("C:\\Tools\\msinfo32.exe")});
}

TEST(SystemInformationTool, AFoundFirstLocationWithoutAPathIsNotFollowedByTheSecond) {
    QTemporaryDir folder;
    QFile tool(folder.path() + QStringLiteral("\\MSINFO32.EXE"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray("\0", 1), true};
    registry.values[{kLocationKey, "MSINFO"}] = {folder.path().toLocal8Bit(), true};
    RecordingStarter starter;
    EXPECT_FALSE(startSystemInformationTool(registry, starter, QString()));
    EXPECT_TRUE(starter.started.empty());
}

TEST(SystemInformationTool, TheSecondLocationNamesAFolderWhoseToolMustExist) {
    QTemporaryDir folder;
    FakeRegistry registry;
    registry.values[{kLocationKey, "MSINFO"}] = {folder.path().toLocal8Bit(), true};
    RecordingStarter starter;
    EXPECT_FALSE(startSystemInformationTool(registry, starter, QString())); // no such file yet

    const QString toolPath = folder.path() + QStringLiteral("\\MSINFO32.EXE");
    QFile tool(toolPath);
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    EXPECT_TRUE(startSystemInformationTool(registry, starter, QString()));
    EXPECT_EQ(starter.started, std::vector<QString>{toolPath});
}

TEST(SystemInformationTool, AProgramThatDoesNotStartIsAFailure) {
    FakeRegistry registry;
    registry.values[{kInfoKey, "PATH"}] = {QByteArray("C:\\Tools\\msinfo32.exe"), true};
    RecordingStarter starter;
    starter.starts = false;
    EXPECT_FALSE(startSystemInformationTool(registry, starter, QString()));
}

TEST(SystemInformationTool, WithoutARegistryTheFirstDesktopProgramOnThePathStarts) {
    QTemporaryDir first;
    QTemporaryDir second;
    const auto place = [](const QTemporaryDir& folder, const char* name, bool executable) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    };
    place(first, "hardinfo", true);
    place(first, "kinfocenter", false); // not executable: passed over
    place(second, "gnome-system-monitor", true);
    const QString path = first.path() + QStringLiteral("::") + second.path();
    struct Case {
        QString searchPath;
        QString started; // empty: nothing found
    };
    const Case cases[] = {
        {path, second.filePath(QStringLiteral("gnome-system-monitor"))},
        {first.path(), first.filePath(QStringLiteral("hardinfo"))},
        {QString(), QString()},
        {QStringLiteral("/nonexistent-folder"), QString()},
    };
    for (const Case& c : cases) {
        RecordingStarter starter;
        EXPECT_EQ(startSystemInformationTool(NoRegistry(), starter, c.searchPath),
                  !c.started.isEmpty());
        EXPECT_EQ(starter.started,
                  c.started.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.started});
    }
}

} // namespace
} // namespace quillmar
