#include "tests/support/file_bytes.h"
#include "tests/support/main_window_test_support.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/files/program_file.h"
#include "ui/paint/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace quillmar::testing {
namespace {

class OpenCommands : public MainWindowTest {
protected:
    QString pathOf(const QString& name) const { return QDir(folder.path()).filePath(name); }
    void saveFrom(OutputPane* pane, const QString& path) {
        clickInto(pane);
        saveDialog.answer = path;
        trigger("mnuFileSave");
    }
    void open(const QString& path) {
        saveDialog.openAnswer = path;
        trigger("mnuFileOpen");
    }
    QStringList recentEntries() const {
        QStringList shown;
        const auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuFileRecent"));
        for (const QAction* action : menu->actions()) {
            shown.append(action->text());
        }
        return shown;
    }
    void drop(OutputPane* pane, QMimeData& data) {
        QWidget* target = pane->viewport();
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
    }
};

// Save, Open, Save again: the same bytes, and Undo brings back what the pane held.
TEST_F(OpenCommands, ASavedFileOpensAndSavesAgainByteForByte) {
    const QString texts[] = {
        QStringLiteral("G00 X28. Z50.\r\nG32 Z-80. F12.7\r\n"),
        QStringLiteral("(標準用メインプログラム)\r\nN001 G00 X32 Z17.7 ｼｽﾃﾑ"),
        QStringLiteral("G00"),
    };
    OutputPane* standard = pane("txtDataB");
    for (const QString& text : texts) {
        standard->setProgramText(text);
        const QString first = pathOf(QStringLiteral("FIRST.NC"));
        const QString second = pathOf(QStringLiteral("SECOND.NC"));
        saveFrom(standard, first);
        standard->setProgramText(QStringLiteral("held before"));
        open(first);
        EXPECT_EQ(standard->programText(), text);
        saveFrom(standard, second);
        EXPECT_EQ(fileBytes(second), fileBytes(first)) << text.toStdString();
        clickInto(standard);
        trigger("mnuEditUndo");
        EXPECT_EQ(standard->programText(), QStringLiteral("held before"));
    }
    EXPECT_TRUE(messages.shown.empty());
}

// What was opened is on disk: opening over it starts a new history.
TEST_F(OpenCommands, OpeningOverAnOpenedProgramIsNotUndone) {
    writeBytes(pathOf(QStringLiteral("FIRST.NC")), "G00\r\n");
    writeBytes(pathOf(QStringLiteral("SECOND.NC")), "G01\r\n");
    open(pathOf(QStringLiteral("FIRST.NC")));
    open(pathOf(QStringLiteral("SECOND.NC")));
    trigger("mnuEditUndo");
    EXPECT_EQ(pane("txtDataB")->programText(), QStringLiteral("G01"));
}

TEST_F(OpenCommands, EveryFailureNamesTheFileAndLeavesThePane) {
    writeBytes(pathOf(QStringLiteral("BAD.NC")), "G00\r\nX\x81 1\r\n");
    QFile big(pathOf(QStringLiteral("BIG.NC")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kLargestProgramFile + 1));
    big.close();
    const std::pair<QString, QString> failures[] = {
        {pathOf(QStringLiteral("BAD.NC")), "2 行目のバイト 7 (0x81)"},
        {pathOf(QStringLiteral("BIG.NC")), "64 MB より大きい"},
        {pathOf(QStringLiteral("GONE.NC")), "No such file"},
        {folder.path(), "フォルダー"},
    };
    OutputPane* macro = pane("txtDataA");
    macro->setProgramText(QStringLiteral("kept\r\n"));
    clickInto(macro);
    for (const auto& [path, reason] : failures) {
        messages.shown.clear();
        saveDialog.openAnswer = path;
        clickToolbarButton("Open");
        ASSERT_EQ(messages.shown.size(), 1u) << path.toStdString();
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("ファイルを開けません"));
        EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(messages.shown[0].text.contains(reason))
            << messages.shown[0].text.toStdString();
        EXPECT_EQ(macro->programText(), QStringLiteral("kept\r\n"));
    }
    EXPECT_EQ(recentEntries(), QStringList{QStringLiteral("(なし)")}); // no file was opened
}

// With a graphic focused the standard pane takes the file, and before any program
// output its graphic is drawn to the program's own size.
TEST_F(OpenCommands, OpeningWithAGraphicFocusedFillsAndDrawsTheStandardPane) {
    const QString path = pathOf(QStringLiteral("FAR.NC"));
    // Ends in an empty line, as generated programs do: a last line without a line
    // end would not be drawn.
    writeBytes(path, "G00 X500. Z900.\nG32 X480. Z-300. F2.\n\n");
    ASSERT_EQ(focusName(), QStringLiteral("Picture1"));
    open(path);
    EXPECT_EQ(pane("txtDataB")->programText(),
              QStringLiteral("G00 X500. Z900.\r\nG32 X480. Z-300. F2.\r\n"));
    EXPECT_EQ(focusName(), QStringLiteral("txtDataB"));
    EXPECT_EQ(saveDialog.openedIn, QDir::homePath()); // a first run's "\"
    const UserScale scale = picture("Picture2")->recording().scale();
    EXPECT_LT(scale.left, -300);
    EXPECT_GT(scale.left + scale.width, 900);
    saveDialog.openAnswer.clear();
    trigger("mnuFileOpen");
    EXPECT_EQ(saveDialog.openedIn, folder.path());
}

TEST_F(OpenCommands, ADroppedFileOpensInThePaneAndDroppedTextIsInserted) {
    const QString path = pathOf(QStringLiteral("DROP.MIN"));
    writeBytes(path, "N001 X32 Z17.7\r\n");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(path)});
    file.setText(path); // file managers offer the path as text too
    drop(pane("txtDataA"), file);
    ASSERT_TRUE(waitUntil([&] { return pane("txtDataA")->hasProgramText(); }));
    EXPECT_EQ(pane("txtDataA")->programText(), QStringLiteral("N001 X32 Z17.7"));

    QMimeData text;
    text.setText(QStringLiteral("G00\r\n"));
    drop(pane("txtDataB"), text);
    EXPECT_EQ(pane("txtDataB")->programText(), QStringLiteral("G00\r\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenCommands, RecentFilesKeepEightLatestFirstAcrossARestartAndDropMissingOnes) {
    for (int k = 1; k <= 9; ++k) {
        const QString path = pathOf(QStringLiteral("P%1.NC").arg(k));
        writeBytes(path, QByteArray("G00 X%1\r\n").replace("%1", QByteArray::number(k)));
        open(path);
    }
    pane("txtDataB")->setProgramText(QStringLiteral("G01"));
    saveFrom(pane("txtDataB"), pathOf(QStringLiteral("SAVED.NC")));
    QStringList expected = {QStringLiteral("&1 ") + pathOf(QStringLiteral("SAVED.NC"))};
    for (int k = 9; k >= 3; --k) {
        expected.append(
            QStringLiteral("&%1 %2").arg(11 - k).arg(pathOf(QStringLiteral("P%1.NC").arg(k))));
    }
    EXPECT_EQ(recentEntries(), expected);

    window->close();
    openWindow();
    EXPECT_EQ(recentEntries(), expected);

    ASSERT_TRUE(QFile::remove(pathOf(QStringLiteral("P9.NC"))));
    pane("txtDataB")->setProgramText(QStringLiteral("kept"));
    trigger("mnuFileRecent2");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(pathOf(QStringLiteral("P9.NC"))));
    EXPECT_EQ(pane("txtDataB")->programText(), QStringLiteral("kept"));
    EXPECT_EQ(recentEntries().size(), 7);

    trigger("mnuFileRecent2"); // now P8.NC
    EXPECT_EQ(pane("txtDataB")->programText(), QStringLiteral("G00 X8"));
    EXPECT_EQ(recentEntries().first(), QStringLiteral("&1 ") + pathOf(QStringLiteral("P8.NC")));
}

} // namespace
} // namespace quillmar::testing
