// The machine profile as a user meets it: typed into "機械の設定...", judged in one line
// under the data input dialog's buttons and in the simulation window's figures.

#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/dialog/form_layout.h"
#include "ui/dialog/twips.h"
#include "ui/simulation/simulation_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quillmar::testing {
namespace {

class MachineSettings : public MainWindowTest {
protected:
    void typeInto(QWidget& parent, const char* name, const QString& text) {
        auto* box = parent.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        // Full-width characters come as an input method gives them: text without a key.
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void pressOk(QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    // A lathe at 1000 min^-1 with a 10 m/min Z axis, as the menu item would keep it.
    void storeProfile() {
        settings().setValue(QStringLiteral("Machine/SpindleSpeed"), QStringLiteral("1000"));
        settings().setValue(QStringLiteral("Machine/MaxFeedZ"), QStringLiteral("10000"));
    }
};

// A refused box says why and keeps the dialog open; whole texts in full width or with an
// exponent are numbers; OK keeps the profile.
TEST_F(MachineSettings, RefusesWhatIsNoFigureAndKeepsTheRest) {
    struct Refused {
        const char* box;
        const char* typed;
        const char* said;
    };
    const Refused refused[] = {{"txtSpindleSpeed", "12abc", "は数値ではありません"},
                               {"txtMaxFeedZ", "-5", "0 より大きい値"},
                               {"txtLeadErrorAllowed", "100", "100 より小さい値"}};
    bool closed = false;
    whenModalDialogShown(window.get(), [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("機械の設定"));
        for (const Refused& row : refused) {
            typeInto(dialog, row.box, QString::fromUtf8(row.typed));
            pressOk(dialog);
            ASSERT_FALSE(messages.shown.empty()) << row.box;
            EXPECT_TRUE(messages.shown.back().text.contains(QString::fromUtf8(row.said)))
                << messages.shown.back().text.toStdString();
            EXPECT_TRUE(dialog.isVisible());
            typeInto(dialog, row.box, {});
        }
        typeInto(dialog, "txtSpindleSpeed", QStringLiteral("１０００"));
        typeInto(dialog, "txtMaxFeedZ", QStringLiteral("1e4"));
        pressOk(dialog);
        closed = !dialog.isVisible();
    });
    trigger("mnuToolsMachine");
    EXPECT_TRUE(closed);
    EXPECT_EQ(settings().value(QStringLiteral("Machine/SpindleSpeed")).toString(), "1000");
    EXPECT_EQ(settings().value(QStringLiteral("Machine/MaxFeedZ")).toString(), "10000");
    EXPECT_EQ(settings().value(QStringLiteral("Machine/TimeConstant")).toString(), "0.033");
    EXPECT_EQ(settings().value(QStringLiteral("Machine/ShoulderZ")).toString(), "");
}

// Without a profile the form is as drawn; with one, a line under the buttons judges the
// run as typed: the worked example's Z start 5 is too near the face at 1000 min^-1
// (run-in 11.93 mm), Z start 30 is clear.
TEST_F(MachineSettings, TheDataInputDialogsVerdictFollowsTheTyping) {
    outputWorkedExample();
    const QSize drawn = twipsRect(0, 0, kDialogClient.width, kDialogClient.height).size();
    whenModalDialogShown(window.get(), [&](QDialog& form) {
        EXPECT_EQ(form.size(), drawn);
        EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("lblMachineVerdict"))->isVisible());
        form.reject();
    });
    trigger("mnuSquare");

    storeProfile();
    whenModalDialogShown(window.get(), [&](QDialog& form) {
        auto* verdict = form.findChild<QLabel*>(QStringLiteral("lblMachineVerdict"));
        const auto* output = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        EXPECT_TRUE(verdict->isVisible());
        EXPECT_GE(verdict->y(), output->geometry().bottom());
        // Whole, not cut short: it fits.
        EXPECT_EQ(verdict->text(),
                  QStringLiteral("機械: パス 1: 助走 11.930 mm 必要, 10.750 mm、ほか 16 件"));
        typeInto(form, "Text14", QStringLiteral("30"));
        EXPECT_EQ(verdict->text(), QStringLiteral("機械: 問題なし"));
        form.reject();
    });
    trigger("mnuSquare");
}

// The simulation window gives the figures of the last output and draws its zones.
TEST_F(MachineSettings, TheSimulationWindowShowsTheFiguresAndZones) {
    storeProfile();
    outputWorkedExample();
    trigger("mnuToolsSimulation");
    auto* simulation = window->findChild<SimulationWindow*>(QStringLiteral("frmSimulation"));
    ASSERT_NE(simulation, nullptr);
    auto* figures = simulation->findChild<QLabel*>(QStringLiteral("lblFigures"));
    ASSERT_TRUE(waitUntil([&] { return figures->text().contains(QStringLiteral("δ1")); }));
    const QString text = figures->text();
    for (const char* line :
         {"助走 δ1: 11.930 mm  逃げ δ2: 3.300 mm", "最大主軸回転数: 1500 min⁻¹  サイクルタイム: ",
          "パス 8: 助走 11.930 mm 必要, 端面から 9.000 mm\nほか 9 件"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    }
    EXPECT_TRUE(simulation->findChild<QWidget*>(QStringLiteral("picMachineZones"))->isVisible());
}

} // namespace
} // namespace quillmar::testing
