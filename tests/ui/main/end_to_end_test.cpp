// The worked example typed into the data input dialog as a user types it, generated,
// saved from both panes, and compared with what the headless generator writes for the
// same texts.
#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/main/editor/output_pane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>
#include <string>

namespace quillmar::testing {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EndToEnd : public MainWindowTest {
protected:
    // Types every value of the worked example, each followed by Enter, starting in the
    // field the dialog opens in, then (with starts) types the number of starts, and
    // presses Enter on "プログラム出力".
    void typeWorkedExampleThroughTheEnterChain(QDialog& dialog, const QString& starts) {
        for (const auto& [name, text] : workedExampleTyping()) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            ASSERT_EQ(focused->objectName(), QString::fromLatin1(name));
            QTest::keyClicks(focused, QString::fromLatin1(text));
            QTest::keyClick(focused, Qt::Key_Return);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        if (!starts.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("TextStarts"));
            QTest::keyClicks(QApplication::focusWidget(), starts);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    }

    void generateThroughTheDialog(const QString& starts = {}) {
        bool typed = false;
        whenModalDialogShown(window.get(), [&](QDialog& shown) {
            auto* dialog = &shown;
            ASSERT_EQ(dialog->objectName(), QStringLiteral("DataInput1"));
            QApplication::setActiveWindow(dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            typed = true;
            typeWorkedExampleThroughTheEnterChain(*dialog, starts);
            if (dialog->isVisible()) {
                dialog->hide();
            }
        });
        clickToolbarButton("Square");
        ASSERT_TRUE(typed);
    }

    void saveFocusedPaneAs(const char* paneName, const QString& path) {
        clickInto(pane(paneName));
        saveDialog.answer = path;
        trigger("mnuFileSave");
    }

    QString writeJobFile() const {
        QByteArray job = "side = inner\n";
        for (const auto& [name, text] : workedExampleTyping()) {
            for (const JobFieldInfo& info : kJobFields) {
                if (info.widgetName == name) {
                    job += QByteArray(info.key.data(), qsizetype(info.key.size())) + " = " + text +
                           "\n";
                }
            }
        }
        const QString path = folder.filePath(QStringLiteral("worked.job"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(job);
        return path;
    }
};

TEST_F(EndToEnd, TheWindowSavesExactlyWhatTheHeadlessGeneratorWrites) {
    generateThroughTheDialog();
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_FALSE(pane("txtDataA")->programText().isEmpty());
    ASSERT_FALSE(pane("txtDataB")->programText().isEmpty());

    const QString windowMacro = folder.filePath(QStringLiteral("window.MIN"));
    const QString windowStandard = folder.filePath(QStringLiteral("window.NC"));
    saveFocusedPaneAs("txtDataA", windowMacro);
    saveFocusedPaneAs("txtDataB", windowStandard);
    ASSERT_TRUE(messages.shown.empty());

    const QString genMacro = folder.filePath(QStringLiteral("gen.MIN"));
    const QString genStandard = folder.filePath(QStringLiteral("gen.NC"));
    QProcess gen;
    gen.start(QStringLiteral(QUILLMAR_GEN_PATH),
              {QStringLiteral("--macro"), genMacro, QStringLiteral("--standard"), genStandard,
               writeJobFile()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();

    // The worked example's first lines, as a person checked them.
    const QByteArray macro = readAll(windowMacro);
    const QByteArray standard = readAll(windowStandard);
    EXPECT_TRUE(macro.startsWith("N000 MODIN OG34 XP=28 ZP=-30 FD=6\r\n(-----< D34 >-----)\r\n"
                                 "N001 X30.071 Z10.750\r\n"));
    EXPECT_TRUE(standard.startsWith("(-----< D34 >-----)\r\nN001 G00 X30.07 Z10.75\r\n"
                                    "N000 G34 Z-30 F6\r\n"));
    EXPECT_TRUE(macro.endsWith("N000 MODOUT\r\n\r\n\r\n")); // block, empty line, Save's CR LF
    EXPECT_EQ(macro, readAll(genMacro));
    EXPECT_EQ(standard, readAll(genStandard));
}

TEST_F(EndToEnd, AThreeStartOutputFeedsByTheLeadAndSaysWhereTheLastStartBegins) {
    generateThroughTheDialog(QStringLiteral("3"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(pane("txtDataB")
                    ->programText()
                    .startsWith(QStringLiteral(
                        "(-----< D34 >-----)\r\nN001 G00 X30.07 Z10.75\r\nN000 G34 Z-30 F18\r\n")));
    EXPECT_EQ(statusText(),
              QStringLiteral("3条ねじ: 最後の条は Z軸 開始点の 18 mm 手前から始まります"));
}

} // namespace
} // namespace quillmar::testing
