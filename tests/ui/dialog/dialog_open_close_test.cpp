#include "tests/support/dialog_test_support.h"

#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <ostream>

namespace quillmar::testing {
namespace {

using OpeningAndClosing = DialogTest;

const char* const kAllFields[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
    "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
    "FEED0",  "FEED1",  "FEED2",  "FEED3",  "FEED4",  "FEED5",  "FEED6",  "FEED7",  "TextStarts"};

bool checked(const DialogTest& test, QAbstractButton* button) {
    (void)test;
    return button != nullptr && button->isChecked();
}

TEST_F(OpeningAndClosing, FirstOpeningShowsEmptyFieldsInnerOspAndBothBoxesChecked) {
    const int result = openModalAndRun([this] {
        for (const char* name : kAllFields) {
            EXPECT_EQ(field(name)->text(), "") << name;
        }
        EXPECT_TRUE(checked(*this, control<QRadioButton>("Option2")));
        EXPECT_TRUE(checked(*this, control<QRadioButton>("OSP")));
        EXPECT_TRUE(checked(*this, control<QCheckBox>("CheckSN")));
        EXPECT_TRUE(checked(*this, control<QCheckBox>("CheckModin")));
        EXPECT_EQ(focusName(), "Text2");
        clickButton("Command2");
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(OpeningAndClosing, SuccessfulOutputHidesTheDialogAndFillsBothPanes) {
    const int result = openModalAndRun([this] {
        typeWorkedExample();
        clickButton("Command1");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NE(host.panes.macro.find("N000 MODIN OG34 XP=28 ZP=-30 FD=6\r\n"), std::string::npos);
    EXPECT_NE(host.panes.macro.find("N001 X30.071 Z10.750\r\n"), std::string::npos);
    EXPECT_NE(host.panes.standard.find("G34"), std::string::npos);
    EXPECT_EQ(host.panes.changes, 2);
    EXPECT_EQ(job.side, Side::Inner);
    EXPECT_EQ(host.panes.sequenceCounter, 18.0f);
}

TEST_F(OpeningAndClosing, DataErrorShowsOneMessageAndKeepsTheFormAsTyped) {
    const int result = openModalAndRun([this] {
        typeInto("Text3", "abc");
        typeInto("FEED0", "0.25");
        clickButton("Command1"); // every angle is 0: the schedule divides by zero
        ASSERT_EQ(messages.shown.size(), 1u);
        const auto& shown = messages.shown.front();
        EXPECT_EQ(shown.text, "データエラー ");
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(shown.icon, MessageIcon::Warning);
        EXPECT_TRUE(shown.parentVisible);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(field("Text3")->text(), "abc");
        EXPECT_EQ(field("FEED0")->text(), "0.25");
        EXPECT_EQ(field("Text2")->text(), "");
        clickButton("Command2");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(host.panes.changes, 0);
    EXPECT_EQ(host.panes.sequenceCounter, 1.0f);
}

TEST_F(OpeningAndClosing, ReopeningShowsTheStoredNumbersNotTheTypedTexts) {
    openModalAndRun([this] {
        typeWorkedExample();
        typeInto("Text2", "1.2345"); // the MODIN line truncates it to 1.234
        typeInto("Text3", "3.50");
        typeInto("Text13", "");
        typeInto("Text16", "abc");
        typeInto("FEED2", ""); // the flank ends past this corner: one point, no harm
        typeInto("TextStarts", "1.0");
        clickButton("Command1");
    });
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
    openModalAndRun([this] {
        EXPECT_EQ(field("Text2")->text(), "1.234");
        EXPECT_EQ(field("Text3")->text(), "3.5");
        EXPECT_EQ(field("Text13")->text(), "0");
        EXPECT_EQ(field("Text16")->text(), "0");
        EXPECT_EQ(field("Text15")->text(), "-30");
        EXPECT_EQ(field("Text1")->text(), "0.4");
        EXPECT_EQ(field("FEED2")->text(), "");
        EXPECT_EQ(field("FEED0")->text(), "0.25");
        EXPECT_EQ(field("FEED7")->text(), "0.25");
        EXPECT_EQ(field("TextStarts")->text(), "1");
        EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    });
}

TEST_F(OpeningAndClosing, FanucOutputWithoutModinKeepsTheTypedPitch) {
    openModalAndRun([this] {
        typeWorkedExample();
        typeInto("Text2", "1.2345");
        QTest::mouseClick(control<QRadioButton>("Fanuc"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>("CheckModin"), Qt::LeftButton);
        clickButton("Command1");
    });
    ASSERT_TRUE(messages.shown.empty());
    EXPECT_EQ(host.panes.standard.find("G34"), std::string::npos);
    EXPECT_NE(host.panes.standard.find("G32"), std::string::npos);
    EXPECT_EQ(host.panes.macro.find("MODIN"), std::string::npos);
    openModalAndRun([this] { EXPECT_EQ(field("Text2")->text(), "1.2345"); });
}

TEST_F(OpeningAndClosing, AnOuterJobReopensWithOuterSelected) {
    openModalAndRun([this] {
        typeWorkedExample();
        QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
        typeInto("Text12", "40");
        clickButton("Command1");
    });
    ASSERT_TRUE(messages.shown.empty());
    EXPECT_EQ(job.side, Side::Outer);
    dialog->refillFromJob();
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option2")->isChecked());
}

TEST_F(OpeningAndClosing, AbandonedTextsAndSideAreReplacedButChoicesAreKept) {
    openModalAndRun([this] {
        typeWorkedExample();
        clickButton("Command1");
    });
    const std::string paneA = host.panes.macro;
    openModalAndRun([this] {
        typeInto("Text2", "9");
        typeInto("FEED0", "");
        QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
        QTest::mouseClick(control<QRadioButton>("Fanuc"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>("CheckSN"), Qt::LeftButton);
        clickButton("Command2");
    });
    EXPECT_EQ(job.pitch, 6.0);
    EXPECT_EQ(host.panes.macro, paneA);
    openModalAndRun([this] {
        EXPECT_EQ(field("Text2")->text(), "6");
        EXPECT_EQ(field("FEED0")->text(), "0.25");
        EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
        EXPECT_TRUE(control<QRadioButton>("Fanuc")->isChecked());
        EXPECT_FALSE(control<QCheckBox>("CheckSN")->isChecked());
        EXPECT_TRUE(control<QCheckBox>("CheckModin")->isChecked());
    });
}

TEST_F(OpeningAndClosing, ClosingReadsNothingFromTheForm) {
    openModalAndRun([this] {
        typeWorkedExample();
        QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
        clickButton("Command2");
    });
    EXPECT_FALSE(job.inputsSet);
    EXPECT_EQ(job.pitch, 0.0);
    EXPECT_EQ(job.side, Side::Inner);
    dialog->refillFromJob();
    EXPECT_EQ(field("Text2")->text(), "");
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
}

TEST_F(OpeningAndClosing, RefillCopiesNothingBetweenFields) {
    job.inputsSet = true;
    job.d2 = 30;
    job.d3 = 31.5;
    job.zSteps = {0.5f, 0.25f, 0, 0.125f, 0.1f, 0.2f, 0.3f, 0.4f};
    dialog->refillFromJob();
    EXPECT_EQ(field("Text5")->text(), "30");
    EXPECT_EQ(field("Text18")->text(), "31.5");
    const char* const steps[] = {"0.5", "0.25", "", "0.125", "0.1", "0.2", "0.3", "0.4"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(field(qPrintable(QStringLiteral("FEED%1").arg(k)))->text(), steps[k]) << k;
    }
}

TEST_F(OpeningAndClosing, RefilledTextLongerThanTheTypingLimitIsShownWholeAndOnlyShrinks) {
    job.inputsSet = true;
    job.noseRadius = -0.123456; // typed as "-.123456", eight characters
    dialog->refillFromJob();
    showActive();
    QLineEdit* nose = field("Text1");
    EXPECT_EQ(nose->text(), "-0.123456");
    nose->setFocus(Qt::OtherFocusReason);
    nose->end(false);
    typeIntoFocus("7");
    EXPECT_EQ(nose->text(), "-0.123456");
    pressKeyInFocus(Qt::Key_Backspace);
    EXPECT_EQ(nose->text(), "-0.12345");
    pressKeyInFocus(Qt::Key_Home);
    typeIntoFocus("1"); // eight characters now: the usual limit is back
    EXPECT_EQ(nose->text(), "-0.12345");
    pressKeyInFocus(Qt::Key_End);
    pressKeyInFocus(Qt::Key_Backspace);
    pressKeyInFocus(Qt::Key_Home);
    typeIntoFocus("12");
    EXPECT_EQ(nose->text(), "1-0.1234");
    EXPECT_EQ(nose->cursorPosition(), 1);
}

struct CloseCase {
    const char* name;
    const char* paneA;
    const char* paneB;
    int pointRedraws;
    int cuttingRedraws;
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.name;
}

class ClosingRedraws : public DialogTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingRedraws, CloseRedrawsOnlyTheGraphicsWhosePaneHoldsText) {
    host.panes.macro = GetParam().paneA;
    host.panes.standard = GetParam().paneB;
    const int result = openModalAndRun([this] { clickButton("Command2"); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(host.pointRedraws, GetParam().pointRedraws);
    EXPECT_EQ(host.cuttingRedraws, GetParam().cuttingRedraws);
    EXPECT_EQ(host.panes.changes, 0);
}

TEST_P(ClosingRedraws, EscapeActsAsClose) {
    host.panes.macro = GetParam().paneA;
    host.panes.standard = GetParam().paneB;
    openModalAndRun([this] { pressKeyInFocus(Qt::Key_Escape); });
    EXPECT_EQ(host.pointRedraws, GetParam().pointRedraws);
    EXPECT_EQ(host.cuttingRedraws, GetParam().cuttingRedraws);
}

TEST_P(ClosingRedraws, TitleBarCloseActsAsClose) {
    host.panes.macro = GetParam().paneA;
    host.panes.standard = GetParam().paneB;
    openModalAndRun([this] { EXPECT_TRUE(dialog->close()); });
    EXPECT_EQ(host.pointRedraws, GetParam().pointRedraws);
    EXPECT_EQ(host.cuttingRedraws, GetParam().cuttingRedraws);
}

INSTANTIATE_TEST_SUITE_P(Panes, ClosingRedraws,
                         ::testing::Values(CloseCase{"BothEmpty", "", "", 0, 0},
                                           CloseCase{"OnlyB", "", "G32\r\n", 0, 1},
                                           CloseCase{"OnlyA", "X1 Z1\r\n", "", 1, 0},
                                           CloseCase{"Both", "X1 Z1\r\n", "G32\r\n", 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar::testing
