#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/main/editor/output_pane.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillmar::testing {
namespace {

class ThreadStandardMenu : public MainWindowTest {};

// ツール → ねじ規格: the thread's fields reach the data input dialog, which opens with
// them, and "プログラム出力" writes the thread.
TEST_F(ThreadStandardMenu, OkOpensTheDataInputDialogWithTheThreadsFields) {
    bool chose = false;
    bool output = false;
    whenModalDialogShown(window.get(), [&](QDialog& asked) {
        ASSERT_EQ(asked.objectName(), QStringLiteral("frmThreadStandard"));
        auto* outer = asked.findChild<QRadioButton*>(QStringLiteral("optOuter"));
        QTest::mouseClick(outer, Qt::LeftButton, {}, QPoint(6, outer->height() / 2));
        QLineEdit* designation =
            asked.findChild<QComboBox*>(QStringLiteral("cboDesignation"))->lineEdit();
        designation->selectAll();
        QTest::keyClicks(designation, QStringLiteral("Tr 40 x 7"));
        QTest::keyClicks(asked.findChild<QLineEdit*>(QStringLiteral("txtNoseRadius")), "0.3");
        QTest::keyClicks(asked.findChild<QLineEdit*>(QStringLiteral("txtCusp")), "0.02");
        chose = true;
        whenModalDialogShown(window.get(), [&](QDialog& form) {
            ASSERT_EQ(form.objectName(), QStringLiteral("DataInput1"));
            EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), "7");
            EXPECT_TRUE(form.findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
            // The standard gives no retract: a retract to X0 would be refused.
            QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("Text17")), "44");
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            output = !form.isVisible();
        });
        QTest::mouseClick(asked.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    trigger("mnuThreadStandard");
    EXPECT_TRUE(chose);
    EXPECT_TRUE(output);
    EXPECT_TRUE(pane("txtDataA")->programText().contains(QStringLiteral("FD=7")));
    EXPECT_TRUE(messages.shown.empty());
    // The simulation knows the thread the job was made from and reads its gauge.
    trigger("mnuToolsSimulation");
    auto* figures = window->findChild<QLabel*>(QStringLiteral("lblFigures"));
    ASSERT_NE(figures, nullptr);
    EXPECT_TRUE(waitUntil([&] {
        return figures->text().contains(QStringLiteral("ねじ Tr40x7")) &&
               figures->text().contains(QStringLiteral("有効径: "));
    })) << figures->text().toStdString();
}

} // namespace
} // namespace quillmar::testing
