// "溝形状": a profile file read, checked against the form's pitch and nose, and either
// offered with its notes or refused with the reason quillmar-gen gives for it (the
// refusals' texts as quillmar-gen printed them for the same profile and pitch).
#include "profile_import/text_profile.h"
#include "tests/support/dialog_test_support.h"
#include "tests/support/temp_folder.h"
#include "ui/dialog/groove_preview.h"
#include "ui/dialog/groove_shape_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillmar::testing {
namespace {

// The gothic arch of the example job: two arcs meeting in a point no round nose reaches.
const char* const kGothicArch = "line 0.9 0\narc 2.5 1.69706 2.6 0\narc 4.1 0 2.4 0\nline 5 0\n";

struct ShapeRow {
    const char* fileName;
    const char* bytes;
    const char* pitch;
    const char* cusp;
    bool offered;
    const char* verdict; // the start of what the dialog says, or a part of it
};

const ShapeRow kShapeRows[] = {
    {"arch.groove", kGothicArch, "5", "0.01", true,
     "the nose R0.4 cannot reach segment 3 at Z 2.5 X 1.6971"},
    {"arch.groove", kGothicArch, "4", "", false,
     "この溝形状は使えません: profile: segment 4 ends at Z 5.0000 X 0.0000, past the pitch 4.0000"},
    {"arch.groove", kGothicArch, "5", "abc", false,
     "この溝形状は使えません: cusp \"abc\" is not a height above 0 mm"},
    {"bad.groove", "line 1 0\nspiral 2 0\n", "5", "", false,
     "この溝形状は使えません: bad.groove line 2: "},
    {"arch.txt", kGothicArch, "5", "", false,
     "この溝形状は使えません: arch.txt は .dxf (図面) でも .groove (テキスト) でもありません"},
};

class GrooveShape : public ::testing::TestWithParam<ShapeRow> {};

TEST_P(GrooveShape, ReadsChecksAndSaysWhy) {
    const ShapeRow& row = GetParam();
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.file(row.fileName));
    test::writeBytes(folder.file(row.fileName), row.bytes);
    DialogSnapshot form;
    form.text(JobField::Pitch) = row.pitch;
    form.text(JobField::NoseRadius) = "0.4";
    GrooveShapeDialog dialog(form, QString(), [&](QWidget*) { return path; });
    auto* cusp = dialog.findChild<QLineEdit*>(QStringLiteral("txtGrooveCusp"));
    QTest::keyClicks(cusp, QString::fromLatin1(row.cusp));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOpenGrooveFile")),
                      Qt::LeftButton);
    auto* use = dialog.findChild<QPushButton*>(QStringLiteral("cmdUseDrawnGroove"));
    const QString verdict = dialog.findChild<QLabel*>(QStringLiteral("lblGrooveVerdict"))->text();
    EXPECT_EQ(use->isEnabled(), row.offered);
    EXPECT_TRUE(verdict.contains(QString::fromUtf8(row.verdict))) << verdict.toStdString();
    const auto* preview = dialog.findChild<GroovePreview*>(QStringLiteral("picDrawnGroove"));
    EXPECT_EQ(preview->outline().isEmpty(), !row.offered);
    if (row.offered) {
        QTest::mouseClick(use, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.choice().groove.size(), readTextProfile(row.bytes)->size());
        EXPECT_EQ(dialog.choice().cusp, 0.01);
        EXPECT_EQ(dialog.choice().source, path);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, GrooveShape, ::testing::ValuesIn(kShapeRows));

using DrawnGrooveOutput = DialogTest;

// The groove was taken for a pitch of 5; typed down to 4 afterwards it no longer fits,
// and the box's "データエラー " gets its reason beside it.
TEST_F(DrawnGrooveOutput, ARefusedGrooveSaysWhyBesideTheDataError) {
    host.grooveAnswer =
        GrooveShapeChoice{*readTextProfile(kGothicArch), 0.01, "arch.groove", 1.69706};
    openModalAndRun([this] {
        typeInto("Text2", QStringLiteral("5"));
        typeInto("Text1", QStringLiteral("0.4"));
        QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
        clickButton("cmdGrooveShape");
        EXPECT_TRUE(control<QPushButton>("cmdGrooveShape")->isChecked());
        EXPECT_EQ(field("Text5")->text(), QStringLiteral("-3.39412")); // D1 empty: 0
        typeInto("Text2", QStringLiteral("4"));
        clickButton("Command1");
    });
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("データエラー "));
    EXPECT_EQ(
        host.grooveRefusal,
        QStringLiteral("溝形状を切削できません: segment 4 ends at Z 5.0000 X 0.0000, past the "
                       "pitch 4.0000"));
}

} // namespace
} // namespace quillmar::testing
