// The worked example typed into the data input dialog as a user types it, generated,
// saved from both panes, and compared with what the headless generator writes for the
// same texts; and the drawn groove of an example job, loaded through "溝形状...".
#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/dialog/groove_preview.h"
#include "ui/main/editor/output_pane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
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

    // Both panes as Save writes them, and both programs quillmar-gen writes for the job.
    struct Programs {
        QByteArray windowMacro;
        QByteArray windowStandard;
        QByteArray genMacro;
        QByteArray genStandard;
    };
    Programs saveAndGenerate(const QString& jobFile) {
        const QString windowMacro = folder.filePath(QStringLiteral("window.MIN"));
        const QString windowStandard = folder.filePath(QStringLiteral("window.NC"));
        saveFocusedPaneAs("txtDataA", windowMacro);
        saveFocusedPaneAs("txtDataB", windowStandard);
        EXPECT_TRUE(messages.shown.empty());
        const QString genMacro = folder.filePath(QStringLiteral("gen.MIN"));
        const QString genStandard = folder.filePath(QStringLiteral("gen.NC"));
        QProcess gen;
        gen.start(QStringLiteral(QUILLMAR_GEN_PATH),
                  {QStringLiteral("--macro"), genMacro, QStringLiteral("--standard"), genStandard,
                   jobFile});
        EXPECT_TRUE(gen.waitForFinished(60000));
        EXPECT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
        return {readAll(windowMacro), readAll(windowStandard), readAll(genMacro),
                readAll(genStandard)};
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

    const Programs programs = saveAndGenerate(writeJobFile());

    // The worked example's first lines, as a person checked them.
    const QByteArray& macro = programs.windowMacro;
    const QByteArray& standard = programs.windowStandard;
    EXPECT_TRUE(macro.startsWith("N000 MODIN OG34 XP=28 ZP=-30 FD=6\r\n(-----< D34 >-----)\r\n"
                                 "N001 X30.071 Z10.750\r\n"));
    EXPECT_TRUE(standard.startsWith("(-----< D34 >-----)\r\nN001 G00 X30.07 Z10.75\r\n"
                                    "N000 G34 Z-30 F6\r\n"));
    EXPECT_TRUE(macro.endsWith("N000 MODOUT\r\n\r\n\r\n")); // block, empty line, Save's CR LF
    EXPECT_EQ(macro, programs.genMacro);
    EXPECT_EQ(standard, programs.genStandard);
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

// The example job's field keys and texts, in the file's order.
std::vector<std::pair<QString, QString>> exampleFieldTexts(const QString& jobFile) {
    std::vector<std::pair<QString, QString>> texts;
    for (const QByteArray& line : readAll(jobFile).split('\n')) {
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() != 2 || line.startsWith('#')) {
            continue;
        }
        const QString key = QString::fromUtf8(parts[0].trimmed());
        for (const JobFieldInfo& info : kJobFields) {
            if (key == QString::fromUtf8(info.key.data(), qsizetype(info.key.size()))) {
                texts.emplace_back(
                    QString::fromUtf8(info.widgetName.data(), qsizetype(info.widgetName.size())),
                    QString::fromUtf8(parts[1].trimmed()));
            }
        }
    }
    return texts;
}

void clickNamed(QWidget& parent, const char* name) {
    auto* button = parent.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeNamed(QWidget& parent, const QString& name, const QString& text) {
    auto* box = parent.findChild<QLineEdit*>(name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The gothic arch example: its fields typed, its groove opened from the .groove file
// beside the job and its cusp typed in "溝形状", then "プログラム出力".
TEST_F(EndToEnd, ADrawnGrooveFromTheWindowCutsAsTheHeadlessGeneratorCutsIt) {
    const QString job = QStringLiteral(QUILLMAR_EXAMPLE_FOLDER "/gothic-arch-ball-screw.job");
    saveDialog.profileAnswer =
        QStringLiteral(QUILLMAR_EXAMPLE_FOLDER "/gothic-arch-ball-screw.groove");
    bool typed = false;
    int unreachableMarks = 0;
    whenModalDialogShown(window.get(), [&](QDialog& dialog) {
        for (const auto& [name, text] : exampleFieldTexts(job)) {
            typeNamed(dialog, name, text);
        }
        clickNamed(dialog, "Option1"); // 外径
        whenModalDialogShown(&dialog, [&](QDialog& shape) {
            ASSERT_EQ(shape.objectName(), QStringLiteral("frmGrooveShape"));
            clickNamed(shape, "cmdOpenGrooveFile");
            typeNamed(shape, QStringLiteral("txtGrooveCusp"), QStringLiteral("0.01"));
            unreachableMarks =
                int(shape.findChild<GroovePreview*>(QStringLiteral("picDrawnGroove"))
                        ->unreachableMarks()
                        .size());
            clickNamed(shape, "cmdUseDrawnGroove");
        });
        clickNamed(dialog, "cmdGrooveShape");
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Text5"))->text(),
                  QStringLiteral("28.60588")); // D2 follows from the arch's depth
        typed = true;
        clickNamed(dialog, "Command1");
        EXPECT_FALSE(dialog.isVisible());
    });
    clickToolbarButton("Square");
    ASSERT_TRUE(typed);
    EXPECT_EQ(saveDialog.askedForProfile, 1);
    EXPECT_EQ(unreachableMarks, 1); // the arch's point
    const Programs programs = saveAndGenerate(job);
    EXPECT_TRUE(programs.windowStandard.startsWith("(-----< D32 >-----)\r\nN001 G00 X32 Z10\r\n"));
    EXPECT_EQ(programs.windowMacro, programs.genMacro);
    EXPECT_EQ(programs.windowStandard, programs.genStandard);
}

} // namespace
} // namespace quillmar::testing
