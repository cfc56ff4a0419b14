#include "tests/support/dialog_test_support.h"
#include "ui/dialog/profile_diagram.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillmar::testing {
namespace {

using DataInputForm = DialogTest;

struct Placement {
    const char* name;
    QRect pixels; // the designed twips divided by 15
};

// Hand-converted from the form's design table.
const Placement kFieldPlacements[] = {
    {"Text2", {88, 184, 89, 25}},       {"Text3", {88, 216, 89, 25}},
    {"Text1", {88, 248, 89, 25}},       {"Text12", {88, 280, 89, 25}},
    {"Text13", {88, 312, 89, 25}},      {"Text14", {88, 344, 89, 25}},
    {"Text15", {88, 376, 89, 25}},      {"Text16", {88, 408, 89, 25}},
    {"Text17", {88, 440, 89, 25}},      {"Text4", {224, 184, 81, 25}},
    {"Text5", {224, 216, 81, 25}},      {"Text18", {224, 248, 81, 25}},
    {"Text6", {224, 280, 81, 25}},      {"Text7", {224, 312, 81, 25}},
    {"Text8", {224, 344, 81, 25}},      {"Text9", {224, 376, 81, 25}},
    {"Text10", {224, 408, 81, 25}},     {"Text11", {224, 440, 81, 25}},
    {"FEED0", {352, 184, 81, 27}},      {"FEED1", {352, 216, 81, 27}},
    {"FEED2", {352, 248, 81, 27}},      {"FEED3", {352, 280, 81, 27}},
    {"FEED4", {352, 312, 81, 27}},      {"FEED5", {352, 344, 81, 27}},
    {"FEED6", {352, 376, 81, 27}},      {"FEED7", {352, 408, 81, 25}},
    {"TextStarts", {352, 440, 81, 25}},
};

TEST_F(DataInputForm, WindowIsTheFixedDesignedSizeWithItsCaption) {
    EXPECT_EQ(dialog->objectName(), "DataInput1");
    EXPECT_EQ(dialog->windowTitle(), "データ入力");
    EXPECT_EQ(dialog->size(), QSize(454, 534));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(DataInputForm, EveryFieldSitsWhereTheDesignPutsIt) {
    for (const Placement& place : kFieldPlacements) {
        QLineEdit* box = field(place.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry(), place.pixels) << place.name;
        EXPECT_EQ(box->parentWidget(), dialog) << place.name;
        EXPECT_EQ(box->text(), "") << place.name;
    }
}

struct CaptionPlacement {
    const char* label;
    const char* caption;
    QPoint topLeft;
    int height;
};

const CaptionPlacement kCaptionPlacements[] = {
    {"Label2", "ピッチ", {32, 192}, 17},
    {"Label3", "幅", {48, 224}, 17},
    {"Label1", "ノーズR", {32, 256}, 17},
    {"Label23", "素材径", {32, 288}, 17},
    {"Label25", "X軸 仕上げ代", {8, 320}, 17},
    {"Label26", "Z軸 開始点", {8, 352}, 17},
    {"Label27", "Z軸 終了点", {8, 384}, 17},
    {"Label28", "テーパー角度", {8, 416}, 17},
    {"Label29", "X軸退避位置", {8, 448}, 17},
    {"Label4", "D 1", {192, 192}, 17},
    {"Label5", "D 2", {192, 224}, 17},
    {"Label30", "D 3", {192, 256}, 17},
    {"Label6", "A 1", {192, 288}, 17},
    {"Label7", "A 2", {192, 320}, 17},
    {"Label31", "条数", {308, 448}, 17},
    {"Label8", "R 1", {192, 352}, 17},
    {"Label9", "R 2", {192, 384}, 17},
    {"Label10", "R 3", {192, 416}, 17},
    {"Label11", "R 4", {192, 448}, 17},
    {"F0", "R1-F", {320, 192}, 17},
    {"F1", "A1-F", {320, 224}, 17},
    {"F2", "R2-F", {320, 256}, 17},
    {"F3", "D1-F", {320, 288}, 17},
    {"F4", "R3-F", {320, 320}, 17},
    {"F5", "A2-F", {320, 352}, 17},
    {"F6", "R4-F", {320, 384}, 17},
    {"F7", "D2-F", {320, 416}, 17},
};

TEST_F(DataInputForm, EveryCaptionLabelIsPlacedAndFitsItsText) {
    for (const CaptionPlacement& place : kCaptionPlacements) {
        auto* label = control<QLabel>(place.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(place.caption)) << place.label;
        EXPECT_EQ(label->geometry().topLeft(), place.topLeft) << place.label;
        EXPECT_EQ(label->height(), place.height) << place.label;
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << place.label;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << place.label;
    }
    EXPECT_EQ(control<QLabel>("F0")->width(), 33);
}

TEST_F(DataInputForm, ButtonsFramesAndBoxesArePlacedWithTheirCaptions) {
    auto* command1 = control<QPushButton>("Command1");
    auto* command2 = control<QPushButton>("Command2");
    EXPECT_EQ(command1->text(), "プログラム出力");
    EXPECT_EQ(command1->geometry(), QRect(224, 480, 97, 41));
    EXPECT_EQ(command2->text(), "閉じる");
    EXPECT_EQ(command2->geometry(), QRect(344, 480, 89, 41));
    auto* frame1 = control<QGroupBox>("Frame1");
    auto* frame2 = control<QGroupBox>("Frame2");
    EXPECT_EQ(frame1->title(), "加工位置");
    EXPECT_EQ(frame1->geometry(), QRect(24, 136, 153, 41));
    EXPECT_EQ(frame2->title(), "出力タイプ");
    EXPECT_EQ(frame2->geometry(), QRect(232, 136, 193, 41));
    EXPECT_EQ(control<QCheckBox>("CheckSN")->text(), "シーケンス番号");
    EXPECT_EQ(control<QCheckBox>("CheckModin")->text(), "MODINの出力");
}

struct ChoicePlacement {
    const char* name;
    const char* caption;
    const char* frame;
    QRect designed; // within the frame for option buttons
};

const ChoicePlacement kChoicePlacements[] = {
    {"Option2", "内径", "Frame1", {80, 19, 65, 12}},
    {"Option1", "外径", "Frame1", {8, 19, 65, 12}},
    {"OSP", "OSP", "Frame2", {32, 19, 49, 12}},
    {"Fanuc", "FANUC", "Frame2", {104, 19, 65, 12}},
    {"CheckSN", "シーケンス番号", "DataInput1", {72, 480, 137, 17}},
    {"CheckModin", "MODINの出力", "DataInput1", {72, 504, 137, 17}},
};

// The designed option buttons are lower than their indicator: they may grow, but only
// about the designed centre line, keeping left and width, and within their frame.
TEST_F(DataInputForm, ChoicesKeepTheirDesignedPlaceAndCentreLineAndShowWhole) {
    for (const ChoicePlacement& place : kChoicePlacements) {
        auto* button = control<QAbstractButton>(place.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(place.caption)) << place.name;
        EXPECT_EQ(button->parentWidget()->objectName(), place.frame) << place.name;
        const QRect placed = button->geometry();
        EXPECT_EQ(placed.left(), place.designed.left()) << place.name;
        EXPECT_EQ(placed.width(), place.designed.width()) << place.name;
        EXPECT_LE(std::abs(placed.center().y() - place.designed.center().y()), 1) << place.name;
        EXPECT_GE(placed.height(), place.designed.height()) << place.name;
        EXPECT_GE(placed.height(), button->sizeHint().height()) << place.name;
        EXPECT_TRUE(button->parentWidget()->rect().contains(placed)) << place.name;
    }
}

TEST_F(DataInputForm, DesignValuesAreInnerOspAndBothBoxesChecked) {
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("OSP")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Fanuc")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckSN")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckModin")->isChecked());
}

TEST_F(DataInputForm, SideAndOutputTypeChoicesNeverAffectEachOther) {
    auto* outer = control<QRadioButton>("Option1");
    auto* inner = control<QRadioButton>("Option2");
    auto* osp = control<QRadioButton>("OSP");
    auto* fanuc = control<QRadioButton>("Fanuc");
    QTest::mouseClick(outer, Qt::LeftButton);
    EXPECT_TRUE(outer->isChecked());
    EXPECT_FALSE(inner->isChecked());
    EXPECT_TRUE(osp->isChecked());
    QTest::mouseClick(fanuc, Qt::LeftButton);
    EXPECT_TRUE(fanuc->isChecked());
    EXPECT_FALSE(osp->isChecked());
    EXPECT_TRUE(outer->isChecked());
    QTest::mouseClick(inner, Qt::LeftButton);
    EXPECT_TRUE(inner->isChecked());
    EXPECT_FALSE(outer->isChecked());
    EXPECT_TRUE(fanuc->isChecked());
}

TEST_F(DataInputForm, FirstShowingPutsTheFocusInThePitch) {
    showActive();
    EXPECT_EQ(focusName(), "Text2");
}

TEST_F(DataInputForm, TabRunsThroughFieldsThenButtonsFramesAndBoxes) {
    showActive();
    QStringList visited{focusName()};
    for (int i = 0; i < 38; ++i) {
        pressKeyInFocus(Qt::Key_Tab);
        visited << focusName();
    }
    const QStringList expected{"Text2",      "Text3",
                               "Text1",      "Text12",
                               "Text13",     "Text14",
                               "Text15",     "Text16",
                               "Text17",     "Text4",
                               "Text5",      "Text18",
                               "Text6",      "Text7",
                               "Text8",      "Text9",
                               "Text10",     "Text11",
                               "FEED0",      "FEED1",
                               "FEED2",      "FEED3",
                               "FEED4",      "FEED5",
                               "FEED6",      "FEED7",
                               "TextStarts", "Command1",
                               "Command2",   "Option2",
                               "OSP",        "CheckSN",
                               "CheckModin", "cmdThreadStandard",
                               "cboControl", "cboStartShift",
                               "Text2",      "Text3"};
    QStringList withGrooveShape = expected;
    withGrooveShape.insert(expected.indexOf(QStringLiteral("cmdThreadStandard")) + 1,
                           QStringLiteral("cmdGrooveShape"));
    EXPECT_EQ(visited, withGrooveShape);
}

TEST_F(DataInputForm, FontsAreJapaneseGothicsAndASansSerifAtTheirSizes) {
    const QFontInfo fieldFace(field("FEED3")->font());
    EXPECT_EQ(fieldFace.family(), "IPAGothic");
    EXPECT_EQ(fieldFace.pixelSize(), 18);
    const QFontInfo captionFace(control<QLabel>("Label25")->font());
    EXPECT_EQ(captionFace.family(), "IPAPGothic");
    EXPECT_EQ(captionFace.pixelSize(), 13);
    for (const char* name : {"Command1", "Command2", "CheckSN", "CheckModin"}) {
        EXPECT_EQ(QFontInfo(control<QWidget>(name)->font()).family(), "IPAPGothic") << name;
    }
    EXPECT_EQ(QFontInfo(control<QGroupBox>("Frame1")->font()).family(), "IPAPGothic");
    const QFontInfo latinFace(control<QLabel>("Label4")->font());
    EXPECT_FALSE(latinFace.family().startsWith("IPA")) << latinFace.family().toStdString();
    EXPECT_EQ(latinFace.styleHint(), QFont::SansSerif);
    EXPECT_EQ(latinFace.pixelSize(), 13);
}

// A caption drawn in a face without its glyphs shows boxes.
TEST_F(DataInputForm, EveryJapaneseCaptionHasItsGlyphsInItsOwnFont) {
    const auto checkGlyphs = [](const QWidget* widget, const QString& text) {
        const QFontMetrics metrics(widget->font());
        for (const QChar ch : text) {
            EXPECT_TRUE(metrics.inFont(ch))
                << widget->objectName().toStdString() << " " << QString(ch).toStdString();
        }
    };
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        checkGlyphs(label, label->text());
    }
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        checkGlyphs(button, button->text());
    }
    for (const QGroupBox* frame : dialog->findChildren<QGroupBox*>()) {
        checkGlyphs(frame, frame->title());
    }
    checkGlyphs(field("Text2"), "ピッチ０１２");
    auto* diagram = control<ProfileDiagram>("Diagram");
    for (const DiagramCaption& caption : diagramCaptions()) {
        checkGlyphs(diagram, QString::fromUtf8(caption.text.data(),
                                               static_cast<qsizetype>(caption.text.size())));
    }
}

} // namespace
} // namespace quillmar::testing
