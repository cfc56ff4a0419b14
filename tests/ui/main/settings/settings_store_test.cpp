#include "ui/main/settings/settings_store.h"
#include "ui/main/settings/window_placement.h"
#include "ui/seams/setting_keys.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

class SettingsStore : public ::testing::Test {
protected:
    QSettings store() const {
        return QSettings(folder.filePath(QStringLiteral("Quillmar.conf")), QSettings::IniFormat);
    }
    QTemporaryDir folder;
};

TEST_F(SettingsStore, AnEmptyStoreGivesTheDefaults) {
    QSettings settings = store();
    const StoredSettings read = readStoredSettings(settings);
    EXPECT_EQ(read.window, (TwipsPlacement{1000, 1000, 12000, 8000}));
    EXPECT_EQ(read.openPathName, QStringLiteral("\\"));
}

TEST_F(SettingsStore, WritesDecimalTextUnderTheSettingsGroupAndReadsItBack) {
    {
        QSettings settings = store();
        writeWindowRectangle(settings, {1500, 2250.5f, 13005, 9000});
        ::quillmar::SettingsStore(settings).setValue(setting::kOpenPathName,
                                                     QStringLiteral("/home/user/nc"));
    }
    QSettings settings = store();
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainLeft")).toString(), "1500");
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainTop")).toString(), "2250.5");
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainWidth")).toString(), "13005");
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainHeight")).toString(), "9000");
    const StoredSettings read = readStoredSettings(settings);
    EXPECT_EQ(read.window, (TwipsPlacement{1500, 2250.5f, 13005, 9000}));
    EXPECT_EQ(read.openPathName, QStringLiteral("/home/user/nc"));
}

TEST_F(SettingsStore, AValueThatIsNoNumberFallsBackToItsDefaultAlone) {
    QSettings settings = store();
    settings.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("left"));
    settings.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("-300"));
    settings.setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("inf"));
    const StoredSettings read = readStoredSettings(settings);
    EXPECT_EQ(read.window, (TwipsPlacement{1000, -300, 12000, 8000}));
}

TEST(SettingsStoreLocation, TheStoreIsTheUsersQuillmarFileWithASettingsGroup) {
    QTemporaryDir configuration;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuration.path());
    {
        const auto store = openSettingsStore();
        EXPECT_EQ(readStoredSettings(*store).window, (TwipsPlacement{1000, 1000, 12000, 8000}));
        ::quillmar::SettingsStore(*store).setValue(setting::kOpenPathName,
                                                   QStringLiteral("/srv/nc"));
        writeWindowRectangle(*store, {1005, 1005, 12000, 7995});
    }
    QFile file(configuration.filePath(QStringLiteral("Quillmar/Quillmar.conf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]"));
    EXPECT_TRUE(text.contains("MainLeft=1005"));
    EXPECT_TRUE(text.contains("MainHeight=7995"));
    EXPECT_TRUE(text.contains("OpenPathName=/srv/nc"));
    EXPECT_EQ(readStoredSettings(*openSettingsStore()).openPathName, QStringLiteral("/srv/nc"));
}

const QRect kPrimary(0, 0, 1920, 1040);
const QList<QRect> kScreens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};

TEST(WindowPlacement, ARectangleTouchingAnyScreenIsUsedAsStored) {
    for (const QRect& r : {QRect(67, 67, 800, 533), QRect(3000, 900, 800, 533),
                           QRect(-700, -400, 800, 533), QRect(1900, 1000, 5000, 5000)}) {
        EXPECT_EQ(keepReachable(r, kScreens, kPrimary), r);
    }
}

TEST(WindowPlacement, ARectangleOnARemovedMonitorMovesOntoThePrimaryKeepingItsSize) {
    const QRect moved = keepReachable(QRect(3300, 100, 800, 533), kScreens, kPrimary);
    EXPECT_EQ(moved.size(), QSize(800, 533));
    EXPECT_TRUE(kPrimary.contains(moved));
    EXPECT_EQ(moved.center(), kPrimary.center());
}

TEST(WindowPlacement, AMovedRectangleTooLargeForThePrimaryIsShrunkToIt) {
    const QRect moved = keepReachable(QRect(-5000, -5000, 2500, 900), kScreens, kPrimary);
    EXPECT_EQ(moved.size(), QSize(1920, 900));
    EXPECT_TRUE(kPrimary.contains(moved));
}

} // namespace
} // namespace quillmar
