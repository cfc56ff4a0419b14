#include "tests/support/window_fixture.h"
#include "ui/main/settings/settings_store.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace quillmar::testing {
namespace {

struct SettingsFile {
    const char* name;
    QByteArray content;
    bool defaults; // the window must open with the default rectangle
};

void PrintTo(const SettingsFile& file, std::ostream* out) {
    *out << file.name;
}

QByteArray binaryGarbage() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes += char((i * 7919 + 13) % 256);
    }
    return bytes;
}

const SettingsFile kSettingsFiles[] = {
    {"missing", "", true},
    {"words",
     "[Settings]\nMainLeft=left\nMainTop=\nMainWidth=12x\nMainHeight=--8000\n"
     "OpenPathName=\x01\x02/no/such/folder\n",
     true},
    {"nonFinite", "[Settings]\nMainLeft=nan\nMainTop=inf\nMainWidth=-inf\nMainHeight=1e39\n", true},
    {"absurd", "[Settings]\nMainLeft=-1e30\nMainTop=1e30\nMainWidth=1e30\nMainHeight=-5\n", false},
    {"zero", "[Settings]\nMainLeft=0\nMainTop=0\nMainWidth=0\nMainHeight=0\n", false},
    {"keysOnly", "[Settings]\nMainLeft\nMainTop\nMainWidth=\nOpenPathName\n", true},
    {"binary", binaryGarbage(), true},
};

class SettingsFaults : public StressWindowTest,
                       public ::testing::WithParamInterface<SettingsFile> {};

// Whatever the store holds, the window opens where the user can reach it, with room
// for its panes, and closing writes numbers that the next start reads back.
TEST_P(SettingsFaults, TheWindowOpensOnScreenAndClosesCleanly) {
    const QString file = path("quillmar.ini");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(GetParam().content);
    out.close();

    auto window = start(file);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
    const QRect frame = window->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(frame.intersects(screen)) << frame.x() << "," << frame.y();
    EXPECT_GE(window->width(), 100);
    EXPECT_GE(window->height(), 100);
    if (GetParam().defaults) {
        // 12000 by 8000 twips at 15 twips a pixel, frame included.
        EXPECT_EQ(frame.width(), 800);
        EXPECT_EQ(frame.height(), 533);
    }

    closeAndDestroy(window);
    settings.reset();
    QSettings reread(file, QSettings::IniFormat);
    const StoredSettings stored = readStoredSettings(reread);
    for (const float value :
         {stored.window.left, stored.window.top, stored.window.width, stored.window.height}) {
        EXPECT_TRUE(std::isfinite(value));
    }
    EXPECT_GT(stored.window.width, 0);
    EXPECT_GT(stored.window.height, 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsFaults, ::testing::ValuesIn(kSettingsFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// A settings folder that cannot be made or written (its place is taken by a file, which
// stops root as well): the window opens with the defaults and closing, which cannot
// write the store, still ends cleanly.
TEST_F(SettingsFaults, AnUnwritableSettingsFolderDoesNotStopTheProgram) {
    QFile blocker(path("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("a file where the settings folder should be");
    blocker.close();

    auto window = start(path("config/Quillmar/quillmar.ini"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 533));
    closeAndDestroy(window);
    settings->sync();
    EXPECT_NE(settings->status(), QSettings::NoError);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace quillmar::testing
