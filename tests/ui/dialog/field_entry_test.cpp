#include "tests/support/dialog_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <ostream>

namespace quillmar::testing {
namespace {

class FieldEntry : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        showActive();
    }

    QString text(const char* name) const { return field(name)->text(); }
};

TEST_F(FieldEntry, EnterWalksTheWholeChainCopyingAsItGoes) {
    // Typing the worked example from the keyboard alone: the values that the copy
    // rules already put in place are accepted with Enter.
    const std::pair<const char*, const char*> typing[] = {
        {"Text2", "6"},   {"Text3", "1"},    {"Text1", "0.4"},  {"Text12", "30"},  {"Text13", "0"},
        {"Text14", "5"},  {"Text15", "-30"}, {"Text16", "0"},   {"Text17", "28"},  {"Text4", "34"},
        {"Text5", "30"},  {"Text18", ""},    {"Text6", "60"},   {"Text7", "60"},   {"Text8", "0.5"},
        {"Text9", "0.5"}, {"Text10", "0.5"}, {"Text11", "0.5"}, {"FEED0", "0.25"}, {"FEED1", "0.2"},
        {"FEED2", "0.1"}, {"FEED3", ""},     {"FEED4", ""},     {"FEED5", ""},     {"FEED6", "0.3"},
        {"FEED7", ""},
    };
    for (const auto& [name, typed] : typing) {
        ASSERT_EQ(focusName(), name);
        typeIntoFocus(QString::fromUtf8(typed));
        pressKeyInFocus(Qt::Key_Return);
    }
    EXPECT_EQ(focusName(), "Command1");
    EXPECT_EQ(text("Text18"), "30"); // from D 2
    EXPECT_EQ(text("FEED1"), "0.2"); // typed over R1-F's copy
    EXPECT_EQ(text("FEED2"), "0.1");
    EXPECT_EQ(text("FEED3"), "0.25"); // R1-F's copy accepted
    EXPECT_EQ(text("FEED4"), "0.1");  // from R2-F
    EXPECT_EQ(text("FEED5"), "0.2");  // from A1-F
    EXPECT_EQ(text("FEED6"), "0.3");
    EXPECT_EQ(text("FEED7"), "0.25"); // from D1-F
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(host.panes.changes, 0) << "reaching Command1 must not press it";
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FieldEntry, EnterInAnEmptyR1FEmptiesTheSevenOtherSteps) {
    for (int k = 1; k < 8; ++k) {
        typeInto(qPrintable(QStringLiteral("FEED%1").arg(k)), QString::number(k));
    }
    typeInto("FEED0", "");
    pressKeyInFocus(Qt::Key_Enter); // the keypad's Enter
    for (int k = 1; k < 8; ++k) {
        EXPECT_EQ(text(qPrintable(QStringLiteral("FEED%1").arg(k))), "") << k;
    }
    EXPECT_EQ(focusName(), "FEED1");
}

TEST_F(FieldEntry, EnterInAnEmptyD2EmptiesD3) {
    typeInto("Text18", "31");
    typeInto("Text5", "");
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_EQ(text("Text18"), "");
    EXPECT_EQ(focusName(), "Text18");
}

TEST_F(FieldEntry, D3TypedBeforeD2IsReplacedByD2sEnterButNotAfterIt) {
    typeInto("Text18", "31");
    typeInto("Text5", "30");
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_EQ(text("Text18"), "30");
    typeIntoFocus("32"); // D 3 is selected on arrival: typing replaces it
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_EQ(text("Text18"), "32");
    EXPECT_EQ(text("Text5"), "30");
}

TEST_F(FieldEntry, CopiesTakeTheTextExactlyAsTyped) {
    typeInto("FEED0", " .5mmＡ");
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_EQ(text("FEED6"), " .5mmＡ");
    EXPECT_EQ(text("FEED7"), " .5mmＡ");
}

struct LeaveWithoutEnter {
    const char* field;
    const char* target;
};

void PrintTo(const LeaveWithoutEnter& c, std::ostream* out) {
    *out << c.field;
}

class FieldEntryTabAndClick : public FieldEntry,
                              public ::testing::WithParamInterface<LeaveWithoutEnter> {};

TEST_P(FieldEntryTabAndClick, LeavingByTabOrClickCopiesNothing) {
    typeInto(GetParam().target, "9");
    typeInto(GetParam().field, "1.5");
    pressKeyInFocus(Qt::Key_Tab);
    EXPECT_EQ(text(GetParam().target), "9");
    typeInto(GetParam().field, "2.5");
    clickInto("Text2");
    EXPECT_EQ(text(GetParam().target), "9");
    EXPECT_EQ(text(GetParam().field), "2.5");
}

INSTANTIATE_TEST_SUITE_P(CopyingFields, FieldEntryTabAndClick,
                         ::testing::Values(LeaveWithoutEnter{"Text5", "Text18"},
                                           LeaveWithoutEnter{"FEED0", "FEED6"},
                                           LeaveWithoutEnter{"FEED1", "FEED5"},
                                           LeaveWithoutEnter{"FEED2", "FEED4"},
                                           LeaveWithoutEnter{"FEED3", "FEED7"}),
                         [](const auto& info) { return std::string(info.param.field); });

TEST_F(FieldEntry, EighthCharacterIsTheLastOneAccepted) {
    typeInto("Text2", "123456789");
    EXPECT_EQ(text("Text2"), "12345678");
    typeInto("FEED7", "ａｂｃｄｅｆｇｈｉ");
    EXPECT_EQ(text("FEED7"), "ａｂｃｄｅｆｇｈ");
}

TEST_F(FieldEntry, NothingTypedIsFilteredOrChecked) {
    typeInto("Text3", "abc-+.,x");
    EXPECT_EQ(text("Text3"), "abc-+.,x");
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(FieldEntry, EnteringByEnterTabOrClickSelectsTheWholeText) {
    typeInto("Text3", "12.7");
    typeInto("Text2", "6");
    pressKeyInFocus(Qt::Key_Return);
    ASSERT_EQ(focusName(), "Text3");
    EXPECT_EQ(field("Text3")->selectedText(), "12.7");

    clickInto("Text2");
    pressKeyInFocus(Qt::Key_Tab);
    EXPECT_EQ(field("Text3")->selectedText(), "12.7");
    pressKeyInFocus(Qt::Key_Backtab);
    pressKeyInFocus(Qt::Key_Tab);
    EXPECT_EQ(field("Text3")->selectedText(), "12.7");

    clickInto("FEED4");
    QTest::mouseClick(field("Text3"), Qt::LeftButton, {}, QPoint(5, 12));
    EXPECT_EQ(field("Text3")->selectedText(), "12.7");
    typeIntoFocus("3");
    EXPECT_EQ(text("Text3"), "3");
}

TEST_F(FieldEntry, EnteringAnEmptyFieldLeavesTheCaretAtItsStart) {
    pressKeyInFocus(Qt::Key_Return);
    ASSERT_EQ(focusName(), "Text3");
    EXPECT_FALSE(field("Text3")->hasSelectedText());
    EXPECT_EQ(field("Text3")->cursorPosition(), 0);
}

TEST_F(FieldEntry, ASecondClickInTheFocusedFieldPlacesTheCaret) {
    typeInto("Text2", "12345");
    QTest::mouseClick(field("Text2"), Qt::LeftButton, {}, QPoint(3, 12));
    EXPECT_FALSE(field("Text2")->hasSelectedText());
}

TEST_F(FieldEntry, EnterOnCommand1PressesItButEnterOnACheckBoxPressesNothing) {
    typeInto("FEED7", "0.25");
    pressKeyInFocus(Qt::Key_Return);
    ASSERT_EQ(focusName(), "Command1");
    EXPECT_TRUE(messages.shown.empty());

    auto* checkSn = control<QCheckBox>("CheckSN");
    checkSn->setFocus(Qt::TabFocusReason);
    pressKeyInFocus(Qt::Key_Return);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(checkSn->isChecked());
    EXPECT_TRUE(dialog->isVisible());

    control<QWidget>("Command1")->setFocus(Qt::TabFocusReason);
    pressKeyInFocus(Qt::Key_Return); // the empty form is bad data
    EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace quillmar::testing
