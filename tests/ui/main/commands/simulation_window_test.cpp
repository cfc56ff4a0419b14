// The cut simulation window as a user meets it: opened from the tools menu, following
// the standard pane, picking passes, planning roughing runs.

#include "tests/support/main_window_test_support.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"
#include "ui/simulation/chip_chart.h"
#include "ui/simulation/simulation_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace quillmar::testing {
namespace {

class SimulationWindowTest : public MainWindowTest {
protected:
    SimulationWindow* open() {
        trigger("mnuToolsSimulation");
        auto* found = window->findChild<SimulationWindow*>(QStringLiteral("frmSimulation"));
        EXPECT_NE(found, nullptr);
        return found;
    }
    template <class T> T* control(SimulationWindow* simulation, const char* name) {
        auto* found = simulation->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString figures(SimulationWindow* simulation) {
        return control<QLabel>(simulation, "lblFigures")->text();
    }
    QString selectedLine() { return pane("txtDataB")->selectedProgramText(); }
};

TEST_F(SimulationWindowTest, ToolsMenuOpensAWindowBesideTheMain) {
    EXPECT_EQ(window->findChildren<QMenu*>(QStringLiteral("mnuTools")).size(), 1)
        << "one tools menu for every tool";
    SimulationWindow* simulation = open();
    EXPECT_TRUE(simulation->isVisible());
    EXPECT_EQ(simulation->windowTitle(), QStringLiteral("切削シミュレーション"));
    EXPECT_FALSE(simulation->isModal());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(SimulationWindowTest, FollowsTheStandardPaneAsItIsTyped) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    ASSERT_TRUE(waitUntil([&] {
        return figures(simulation).startsWith(QStringLiteral("パス数: 17 "));
    })) << figures(simulation).toStdString();
    EXPECT_TRUE(figures(simulation).contains(QStringLiteral("最大食い込み: なし")));
    // A job typed by hand: the gauge's figures without a verdict.
    EXPECT_TRUE(figures(simulation).contains(QStringLiteral("有効径: ")));
    EXPECT_FALSE(figures(simulation).contains(QStringLiteral("合格")));
    EXPECT_EQ(control<QSlider>(simulation, "sldPass")->maximum(), 17);

    // One more pass typed at the end of the pane.
    OutputPane* standard = pane("txtDataB");
    clickInto(standard);
    QTest::keyClick(standard, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(standard, "G00 X30.5 Z7.2");
    QTest::keyClick(standard, Qt::Key_Return);
    QTest::keyClicks(standard, "G34 Z-30 F6");
    QTest::keyClick(standard, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] {
        return figures(simulation).startsWith(QStringLiteral("パス数: 18 "));
    })) << figures(simulation).toStdString();
}

TEST_F(SimulationWindowTest, ALeaningToolBodyTakesLargerChips) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    ASSERT_TRUE(waitUntil([&] { return simulation->result().largestChipPass >= 0; }));
    const auto largest = [&] {
        return simulation->result()
            .passes[std::size_t(simulation->result().largestChipPass)]
            .chipArea;
    };
    const double straight = largest();
    auto* angle = control<QLineEdit>(simulation, "txtBodyAngle");
    angle->selectAll();
    QTest::keyClicks(angle, "30");
    ASSERT_TRUE(waitUntil([&] { return simulation->result().setup.bodyHalfAngleDegrees == 30; }));
    EXPECT_GT(largest(), straight);
}

// The box takes what quillmar-gen's --body-angle takes, and says so when it cannot.
TEST_F(SimulationWindowTest, ABodyAngleTheCommandLineRefusesIsRefusedHereToo) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    auto* angle = control<QLineEdit>(simulation, "txtBodyAngle");
    auto* message = control<QLabel>(simulation, "lblPlanMessage");
    for (const char* typed : {"-30", "90", "180", "1e1"}) {
        angle->selectAll();
        QTest::keyClicks(angle, typed);
        EXPECT_EQ(
            message->text(),
            QStringLiteral("刃物側面角 \"%1\" は使えません: 0 以上 90 未満の度数を入れてください")
                .arg(QString::fromLatin1(typed)));
        simulation->simulateNow();
        EXPECT_LT(simulation->result().setup.bodyHalfAngleDegrees, 90) << typed;
        EXPECT_GE(simulation->result().setup.bodyHalfAngleDegrees, 0) << typed;
    }
    angle->selectAll();
    QTest::keyClicks(angle, "30");
    EXPECT_TRUE(message->text().isEmpty());
}

TEST_F(SimulationWindowTest, ClickingAPointOfTheChartSelectsThatPassesLine) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    ASSERT_TRUE(waitUntil([&] { return simulation->result().passes.size() == 17; }));
    auto* chart = control<ChipChart>(simulation, "chtChipArea");
    ASSERT_TRUE(waitUntil([&] { return !chart->pointOfPass(4).isNull(); }));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->pointOfPass(4));
    ASSERT_TRUE(waitUntil([&] { return simulation->selectedPass() == 4; }));
    EXPECT_EQ(control<QSlider>(simulation, "sldPass")->value(), 5);
    // The fifth written pass of the worked example starts at Z9.75, 1.25 along the groove
    // on the first flank: (1.25 - tan 30 x 0.9) x tan 60 = 1.265064 deep, X32.53.
    EXPECT_EQ(selectedLine(), QStringLiteral("N000 G34 Z-30 F6"));
    EXPECT_EQ(pane("txtDataB")->lineText(pane("txtDataB")->caretLine() - 1),
              QStringLiteral("N005 G00 X32.53 Z9.75"));
}

TEST_F(SimulationWindowTest, ClickingInTheSectionSelectsTheNearestPass) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    ASSERT_TRUE(waitUntil([&] { return simulation->result().passes.size() == 17; }));
    auto* section = control<PictureBox>(simulation, "picSection");
    QTest::mouseClick(section, Qt::LeftButton, {}, section->rect().center());
    ASSERT_TRUE(waitUntil([&] { return selectedLine().startsWith(QStringLiteral("N000 G34")); }));
    EXPECT_GE(simulation->selectedPass(), 0);
}

TEST_F(SimulationWindowTest, RoughingPlanPressesTheOutputOncePerRunWithinTheLimit) {
    outputWorkedExample();
    trigger("mnuFileNew"); // the job stays, the panes start again
    SimulationWindow* simulation = open();
    auto* limit = control<QLineEdit>(simulation, "txtMaxChipArea");
    auto* plan = control<QPushButton>(simulation, "cmdPlan");
    auto* message = control<QLabel>(simulation, "lblPlanMessage");

    QTest::keyClicks(limit, "0");
    QTest::mouseClick(plan, Qt::LeftButton);
    EXPECT_TRUE(waitUntil([&] {
        return message->text().startsWith(QStringLiteral("荒加工計画できません"));
    })) << message->text().toStdString();
    EXPECT_TRUE(pane("txtDataB")->programText().isEmpty());

    limit->clear();
    QTest::keyClicks(limit, "0.3x");
    QTest::mouseClick(plan, Qt::LeftButton);
    EXPECT_TRUE(message->text().startsWith(
        QStringLiteral("最大切りくず面積 \"0.3x\" は数値ではありません")))
        << message->text().toStdString();
    EXPECT_TRUE(pane("txtDataB")->programText().isEmpty());

    limit->clear();
    QTest::keyClicks(limit, "3e-1"); // read whole: 0.3
    QTest::mouseClick(plan, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return message->text().contains(QStringLiteral("回: 仕上げ代")); }))
        << message->text().toStdString();
    const QString program = pane("txtDataB")->programText().toString();
    EXPECT_GT(program.count(QStringLiteral("(-----< D")), 1)
        << "roughing runs and the finishing run";
    EXPECT_TRUE(program.contains(QStringLiteral("(-----< D34 >-----)")));
    ASSERT_TRUE(waitUntil([&] { return !simulation->working() && simulation->result().runs > 1; }));
    EXPECT_TRUE(figures(simulation).contains(QStringLiteral("上限 0.3000 mm² を超えるパス: 0")))
        << figures(simulation).toStdString();
}

TEST_F(SimulationWindowTest, WorksBesideTheWindowAndTheNewestEditWins) {
    outputWorkedExample();
    SimulationWindow* simulation = open();
    ASSERT_TRUE(waitUntil([&] { return !simulation->working(); }));
    simulation->simulateNow();
    // Nothing is delivered before the window's thread is back in its event loop.
    EXPECT_TRUE(simulation->working());
    EXPECT_TRUE(figures(simulation).startsWith(QStringLiteral("計算中\n")))
        << figures(simulation).toStdString();

    // A pass added while that runs: the running simulation gives way to the newer text.
    OutputPane* standard = pane("txtDataB");
    clickInto(standard);
    QTest::keyClick(standard, Qt::Key_End, Qt::ControlModifier);
    for (const char* line : {"G00 X30.5 Z7.2", "G34 Z-30 F6"}) {
        QTest::keyClicks(standard, line);
        QTest::keyClick(standard, Qt::Key_Return);
    }
    simulation->simulateNow();
    ASSERT_TRUE(waitUntil([&] { return !simulation->working(); }));
    EXPECT_EQ(simulation->result().passes.size(), 18u);
    EXPECT_TRUE(figures(simulation).startsWith(QStringLiteral("パス数: 18 ")))
        << figures(simulation).toStdString();
}

TEST_F(SimulationWindowTest, ACancelledPlanChangesNothing) {
    outputWorkedExample();
    trigger("mnuFileNew");
    SimulationWindow* simulation = open();
    auto* plan = control<QPushButton>(simulation, "cmdPlan");
    auto* cancel = control<QPushButton>(simulation, "cmdPlanCancel");
    auto* message = control<QLabel>(simulation, "lblPlanMessage");
    QTest::keyClicks(control<QLineEdit>(simulation, "txtMaxChipArea"), "0.3");
    QTest::mouseClick(plan, Qt::LeftButton);
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_TRUE(control<QProgressBar>(simulation, "prgPlan")->isVisible());
    EXPECT_FALSE(plan->isEnabled());

    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !simulation->working(); }));
    EXPECT_EQ(message->text(), QStringLiteral("荒加工計画を中止しました"));
    EXPECT_TRUE(pane("txtDataB")->programText().isEmpty());
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_TRUE(plan->isEnabled());
}

} // namespace
} // namespace quillmar::testing
