#include "ui/main/program_file.h"
#include "ui/main/recent_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;   // the pane's text, when the bytes decode
    QString reason; // else the start of the reason
};

TEST(ProgramFile, BytesBecomeAPanesTextOrSayWhereTheyStopBeingText) {
    const DecodeCase cases[] = {
        {"Save's closing CR LF is dropped once", "G00\r\n\r\n", "G00\r\n", {}},
        {"no closing line end", "G00\r\nG01", "G00\r\nG01", {}},
        {"LF and CR line ends stay for the pane", "A\nB\rC\n", "A\nB\rC", {}},
        {"UTF-8", "(\xe3\x81\xad\xe3\x81\x98)\r\n", QStringLiteral("(ねじ)"), {}},
        {"Shift-JIS", "(\x82\xcb\x82\xb6)\r\n", QStringLiteral("(ねじ)"), {}},
        {"half-width katakana", "\xbc\xbd\xc3\xd1\r\n", QStringLiteral("ｼｽﾃﾑ"), {}},
        {"empty file", "", QString(), {}},
        {"a pair with no second byte", "AB\x81 C\r\n", {}, "1 行目のバイト 3 (0x81) "},
        {"a lead byte cut off at the end", "G00\r\nX\x81", {}, "2 行目のバイト 7 (0x81) "},
    };
    for (const DecodeCase& c : cases) {
        const auto result = programTextFromBytes(c.bytes);
        if (c.reason.isEmpty()) {
            ASSERT_TRUE(result.ok()) << c.name;
            EXPECT_EQ(*result, c.text) << c.name;
        } else {
            ASSERT_FALSE(result.ok()) << c.name;
            EXPECT_TRUE(result.error().reason.startsWith(c.reason))
                << c.name << ": " << result.error().reason.toStdString();
        }
    }
}

TEST(ProgramFile, FilesThatCannotBeReadSayWhy) {
    QTemporaryDir folder;
    const QString big = folder.filePath(QStringLiteral("BIG.NC"));
    QFile bigFile(big);
    ASSERT_TRUE(bigFile.open(QIODevice::WriteOnly));
    ASSERT_TRUE(bigFile.resize(kLargestProgramFile + 1)); // sparse: no 64 MB written
    bigFile.close();
    const std::pair<QString, QString> failures[] = {
        {folder.path(), "フォルダーです。"},
        {big, "64 MB より大きいファイルです。"},
        {folder.filePath(QStringLiteral("MISSING.NC")), "No such file or directory"},
        {QStringLiteral("/dev/null"), "通常のファイルではありません。"},
    };
    for (const auto& [path, reason] : failures) {
        const auto result = readProgramFile(path);
        ASSERT_FALSE(result.ok()) << path.toStdString();
        EXPECT_EQ(result.error().reason, reason) << path.toStdString();
    }
}

TEST(RecentFiles, LatestFirstOnceEachAtMostEight) {
    QStringList recent;
    for (int k = 1; k <= 9; ++k) {
        addRecentFile(recent, QStringLiteral("/p/%1.NC").arg(k));
    }
    addRecentFile(recent, QStringLiteral("/p/5.NC"));
    EXPECT_EQ(recent, (QStringList{"/p/5.NC", "/p/9.NC", "/p/8.NC", "/p/7.NC", "/p/6.NC", "/p/4.NC",
                                   "/p/3.NC", "/p/2.NC"}));
    EXPECT_EQ(recentFileCaption(0, QStringLiteral("/p/R&D.NC")), QStringLiteral("&1 /p/R&&D.NC"));
}

// A damaged settings file: 10,004 entries, control characters, relative and repeated
// paths. Only the first eight plain paths are read (and so written back).
TEST(RecentFiles, TheSettingsGiveAtMostEightPlainPaths) {
    QStringList stored{"",        "/p/a\x1b[2J.NC", "relative.NC",
                       "/p/1.NC", "/p/1.NC",        QString(5000, u'x').prepend(u'/')};
    for (int k = 2; k <= 10000; ++k) {
        stored.append(QStringLiteral("/p/%1.NC").arg(k));
    }
    EXPECT_EQ(recentFilesFromSettings(stored),
              (QStringList{"/p/1.NC", "/p/2.NC", "/p/3.NC", "/p/4.NC", "/p/5.NC", "/p/6.NC",
                           "/p/7.NC", "/p/8.NC"}));
}

} // namespace
} // namespace quillmar
