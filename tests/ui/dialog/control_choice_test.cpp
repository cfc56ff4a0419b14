// "制御装置" and "多条の割出し": one box of every control, bound to the two options.

#include "tests/support/dialog_test_support.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

namespace quillmar::testing {
namespace {

using ControlBox = DialogTest;

// Chooses an item as a user does with the keyboard: focus the box, arrow to the item.
void choose(QComboBox* box, const QString& item) {
    box->setFocus();
    const int target = box->findText(item);
    ASSERT_GE(target, 0) << item.toStdString();
    while (box->currentIndex() != target) {
        QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}

TEST_F(ControlBox, ChoosesTheSameAsTheTwoOptionsAndClearsThemForAnotherControl) {
    openModalAndRun([this] {
        auto* box = control<QComboBox>("cboControl");
        auto* osp = control<QRadioButton>("OSP");
        auto* fanuc = control<QRadioButton>("Fanuc");
        EXPECT_EQ(box->currentText(), "OSP");
        choose(box, "FANUC");
        EXPECT_TRUE(fanuc->isChecked());
        choose(box, "Mitsubishi");
        EXPECT_FALSE(osp->isChecked() || fanuc->isChecked());
        QTest::mouseClick(osp, Qt::LeftButton);
        EXPECT_EQ(box->currentText(), "OSP");
        clickButton("Command2");
    });
}

TEST_F(ControlBox, AngleStartsWriteTheStartAngleWord) {
    openModalAndRun([this] {
        typeWorkedExample();
        typeInto("TextStarts", "3");
        choose(control<QComboBox>("cboControl"), "Mitsubishi");
        choose(control<QComboBox>("cboStartShift"), "角度");
        clickButton("Command1");
    });
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
    EXPECT_NE(host.panes.standard.find("N2 G00 X30.071 Z10.75\r\nG33 Z-30.0 F18.0 Q120.0\r\n"),
              std::string::npos)
        << host.panes.standard;
}

TEST_F(ControlBox, AngleStartsOnAControlWithoutTheWordAreRefusedByName) {
    openModalAndRun([this] {
        typeWorkedExample();
        typeInto("TextStarts", "2");
        choose(control<QComboBox>("cboStartShift"), "角度");
        clickButton("Command1");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown.front().text,
                  "OSP には開始角度の指令がありません。多条の割出しは「Z方向」にしてください。");
        EXPECT_TRUE(dialog->isVisible());
        clickButton("Command2");
    });
    EXPECT_EQ(host.panes.changes, 0);
}

// grblHAL refuses lead x speed past 0.9 of the Z axis' largest feed: 6 mm x 1501 min^-1
// against 0.9 x 10000 mm/min.
TEST_F(ControlBox, AFeedPastGrblHalsCheckIsRefusedByName) {
    host.machine.spindleSpeed = 1501;
    host.machine.maxFeedZ = 10000;
    openModalAndRun([this] {
        typeWorkedExample();
        choose(control<QComboBox>("cboControl"), "grblHAL");
        clickButton("Command1");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown.front().text,
                  "grblHAL はリード×主軸回転数が Z 軸の最大送りの 0.9 を超えるねじ切りを"
                  "受け付けません（リード 6 mm では主軸回転数 1500 min⁻¹ まで、設定 1501 "
                  "min⁻¹）。");
        clickButton("Command2");
    });
    EXPECT_EQ(host.panes.changes, 0);
}

// The boxes found free space: they overlap no control of the form but the diagram.
TEST_F(ControlBox, MovesNoControl) {
    const QStringList mine{"lblControl", "cboControl", "lblStartShift", "cboStartShift"};
    for (const QString& name : mine) {
        const QRect placed = control<QWidget>(name.toUtf8().constData())->geometry();
        for (const QWidget* other : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!mine.contains(other->objectName()) && other->objectName() != "Diagram") {
                EXPECT_FALSE(other->geometry().intersects(placed))
                    << name.toStdString() << " " << other->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace quillmar::testing
