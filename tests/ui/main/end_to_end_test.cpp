// The worked example typed into the data input dialog as a user types it, generated,
// saved from both panes, and compared with what the headless generator writes for the
// same texts.
#include "tests/ui/main/main_window_test_support.h"
#include "tests/ui/modal_dialog_runner.h"
#include "ui/main/output_pane.h"

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

// The job-file key of each dialog field.
const std::map<std::string, const char*> kJobKeys = {{"Text1", "noseRadius"},
                                                     {"Text2", "pitch"},
                                                     {"Text3", "width"},
                                                     {"Text4", "d1"},
                                                     {"Text5", "d2"},
                                                     {"Text18", "d3"},
                                                     {"Text6", "a1"},
                                                     {"Text7", "a2"},
                                                     {"Text8", "r1"},
                                                     {"Text9", "r2"},
                                                     {"Text10", "r3"},
                                                     {"Text11", "r4"},
                                                     {"Text12", "stockDiameter"},
                                                     {"Text13", "finishAllowance"},
                                                     {"Text14", "zStart"},
                                                     {"Text15", "zEnd"},
                                                     {"Text16", "taperAngle"},
                                                     {"Text17", "xRetract"},
                                                     {"FEED0", "stepR1"},
                                                     {"FEED1", "stepA1"},
                                                     {"FEED2", "stepR2"},
                                                     {"FEED3", "stepD1"},
                                                     {"FEED4", "stepR3"},
                                                     {"FEED5", "stepA2"},
                                                     {"FEED6", "stepR4"},
                                                     {"FEED7", "stepD2"}};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EndToEnd : public MainWindowTest {
protected:
    // Types every value of the worked example, each followed by Enter, starting in the
    // field the dialog opens in, then presses Enter on "プログラム出力".
    void typeWorkedExampleThroughTheEnterChain(QDialog& dialog) {
        for (const auto& [name, text] : workedExampleTyping()) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            ASSERT_EQ(focused->objectName(), QString::fromLatin1(name));
            QTest::keyClicks(focused, QString::fromLatin1(text));
            QTest::keyClick(focused, Qt::Key_Return);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    }

    void generateThroughTheDialog() {
        bool typed = false;
        whenModalDialogShown(window.get(), [&](QDialog& shown) {
            auto* dialog = &shown;
            ASSERT_EQ(dialog->objectName(), QStringLiteral("DataInput1"));
            QApplication::setActiveWindow(dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            typed = true;
            typeWorkedExampleThroughTheEnterChain(*dialog);
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
            job += QByteArray(kJobKeys.at(name)) + " = " + text + "\n";
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

} // namespace
} // namespace quillmar::testing
