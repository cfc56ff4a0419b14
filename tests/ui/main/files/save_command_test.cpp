#include "tests/support/dialog_test_support.h"
#include "tests/support/fakes.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "ui/main/files/save_command.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/files/shift_jis_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

using testing::AnsweringSaveDialog;
using testing::fileBytes;
using testing::FileSizeLimit;
using testing::RecordingMessageBoxes;
using testing::writeBytes;

class SaveCommand : public ::testing::Test {
protected:
    void save(std::optional<QString> paneText) {
        const std::optional<QStringView> view =
            paneText ? std::optional<QStringView>(*paneText) : std::nullopt;
        runSaveCommand({view, openPathName, dialog, messages, nullptr});
    }
    QString pathIn(const QString& name) const { return QDir(folder.path()).filePath(name); }
    void expectOneSaveError(const QString& text) const {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(messages.shown[0].text, text);
    }

    QTemporaryDir folder;
    QString openPathName = QStringLiteral("\\");
    AnsweringSaveDialog dialog;
    RecordingMessageBoxes messages;
};

TEST_F(SaveCommand, AnEmptyPaneHasNoData) {
    save(QString());
    expectOneSaveError(QStringLiteral("No data !! "));
    EXPECT_EQ(dialog.asked, 0);
}

TEST_F(SaveCommand, CancellingWritesNothingAndKeepsTheFolder) {
    openPathName = folder.path();
    save(QStringLiteral("G00"));
    EXPECT_EQ(dialog.asked, 1);
    EXPECT_EQ(openPathName, folder.path());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveCommand, WritesThePaneTextAndOneLineEnd) {
    dialog.answer = pathIn(QStringLiteral("PROG.NC"));
    save(QStringLiteral("G00"));
    EXPECT_EQ(fileBytes(dialog.answer), QByteArray("G00\r\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveCommand, ATextEndingInALineBreakGivesAFileEndingInAnEmptyLine) {
    dialog.answer = pathIn(QStringLiteral("PROG.NC"));
    save(QStringLiteral("G00\r\nM30\r\n"));
    EXPECT_EQ(fileBytes(dialog.answer), QByteArray("G00\r\nM30\r\n\r\n"));
}

TEST_F(SaveCommand, UsesTheNameExactlyAsChosenAndRemembersItsFolder) {
    dialog.answer = pathIn(QStringLiteral("PROG"));
    save(QStringLiteral("G00"));
    EXPECT_TRUE(QFile::exists(dialog.answer));
    EXPECT_FALSE(QFile::exists(dialog.answer + QStringLiteral(".MIN")));
    EXPECT_EQ(openPathName, QDir(folder.path()).absolutePath());
    // The next save opens where the last one went.
    save(QStringLiteral("G01"));
    EXPECT_EQ(dialog.openedIn, openPathName);
}

TEST_F(SaveCommand, WritesShiftJisBytes) {
    dialog.answer = pathIn(QStringLiteral("STD.MIN"));
    save(QStringLiteral("(標準用メインプログラム)"));
    EXPECT_EQ(fileBytes(dialog.answer).toHex(' '),
              QByteArray("28 95 57 8f 80 97 70 83 81 83 43 83 93 83 76 83 8d 83 4f 83 89 83 80 29 "
                         "0d 0a"));
}

TEST_F(SaveCommand, HalfWidthKatakanaAndCodePage932SignsEncodeAsWindowsWritesThem) {
    dialog.answer = pathIn(QStringLiteral("K.NC"));
    // Half-width katakana, the circled one of code page 932, the full-width tilde and
    // the JIS wave dash that a Linux input method types for it.
    save(QStringLiteral("ｼｽﾃﾑ①～〜"));
    EXPECT_EQ(fileBytes(dialog.answer).toHex(' '),
              QByteArray("bc bd c3 d1 87 40 81 60 81 60 0d 0a"));
}

TEST_F(SaveCommand, ACharacterShiftJisCannotHoldIsNamedWithItsLineAndNothingIsWritten) {
    dialog.answer = pathIn(QStringLiteral("OLD.NC"));
    writeBytes(dialog.answer, "old program\r\n");
    save(QStringLiteral("G00\r\nG01 X1 € \r\nM30"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("2 行目")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("「€」")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("OLD.NC")));
    EXPECT_EQ(fileBytes(dialog.answer), QByteArray("old program\r\n"));
}

TEST_F(SaveCommand, ACharacterOutsideTheBasicPlaneIsNamedWhole) {
    dialog.answer = pathIn(QStringLiteral("E.NC"));
    save(QStringLiteral("G00 😀"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("1 行目")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("「😀」")));
    EXPECT_FALSE(QFile::exists(dialog.answer));
}

TEST_F(SaveCommand, AFolderThatDoesNotExistIsReportedWithTheSystemsReason) {
    dialog.answer = pathIn(QStringLiteral("missing/PROG.NC"));
    save(QStringLiteral("G00"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(dialog.answer)));
    EXPECT_FALSE(QFile::exists(dialog.answer));
}

TEST_F(SaveCommand, AFailedWriteKeepsTheOldFileWholeAndSaysWhy) {
    dialog.answer = pathIn(QStringLiteral("OLD.NC"));
    writeBytes(dialog.answer, "old program\r\n");
    const QString longProgram = QStringLiteral("G01 X10 Z-80 F1.5\r\n").repeated(200);
    {
        FileSizeLimit limit(1024);
        save(longProgram);
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(dialog.answer)));
    EXPECT_GT(messages.shown[0].text.size(), dialog.answer.size() + 20); // a reason follows
    EXPECT_EQ(fileBytes(dialog.answer), QByteArray("old program\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no leftovers

    // The next save to the same file works.
    save(QStringLiteral("G00"));
    EXPECT_EQ(fileBytes(dialog.answer), QByteArray("G00\r\n"));
}

TEST(SaveDialogFolder, OpensTheHomeFolderForTheFirstRunMarkOrAVanishedFolder) {
    QTemporaryDir existing;
    EXPECT_EQ(saveDialogFolder(QStringLiteral("\\")), QDir::homePath());
    EXPECT_EQ(saveDialogFolder(QString()), QDir::homePath());
    EXPECT_EQ(saveDialogFolder(existing.path() + QStringLiteral("/gone")), QDir::homePath());
    EXPECT_EQ(saveDialogFolder(existing.path()), existing.path());
}

TEST(ShiftJis, ReportsTheLineOfTheFirstUnencodableCharacter) {
    const auto result = encodeShiftJis(QStringLiteral("G00\r\nG01\r\nX\u00A0"));
    ASSERT_FALSE(result);
    const auto* bad = std::get_if<UnencodableCharacter>(&result.error());
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->lineNumber, 3);
    EXPECT_EQ(bad->character, QStringLiteral("\u00A0"));
}

} // namespace
} // namespace quillmar
