#include "tests/render/picture_test_support.h"
#include "ui/paint/picture_box.h"
#include "ui/paint/readout_box.h"

#include <QFontInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

using namespace quillmar::test;

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box_.setObjectName("Picture2");
        box_.resize(kPictureSize);
        box_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box_));
    }

    QImage shown() { return box_.grab().toImage(); }

    QPointF movePointerTo(QPoint pixel) {
        QSignalSpy moves(&box_, &PictureBox::pointerMoved);
        QTest::mouseMove(&box_, pixel);
        if (moves.isEmpty()) {
            ADD_FAILURE() << "no pointer move reported";
            return {};
        }
        const QList<QVariant> last = moves.takeLast();
        return QPointF(last.at(0).toFloat(), last.at(1).toFloat());
    }

    PictureBox box_;
};

TEST_F(PictureBoxTest, PointerIsReportedInTheUserScale) {
    drawSamplePicture(box_.surface());
    // One unit is ten pixels: pixel (100, 40) is user (5, -16).
    EXPECT_EQ(movePointerTo({100, 40}), QPointF(5, -16));
    EXPECT_EQ(movePointerTo({37, 83}), QPointF(-1.3f, -11.7f));
}

TEST_F(PictureBoxTest, PointerFollowsAnUpwardScale) {
    ASSERT_TRUE(box_.surface().setScale(0, 10, 40, -5));
    EXPECT_EQ(movePointerTo({50, 20}), QPointF(10, 9));
}

TEST_F(PictureBoxTest, PointerReadsTwipsBeforeAnyScale) {
    const float twipsPerPixel = 1440.0f / float(box_.logicalDpiX());
    const QPointF position = movePointerTo({10, 20});
    EXPECT_FLOAT_EQ(float(position.x()), 10 * twipsPerPixel);
    EXPECT_FLOAT_EQ(float(position.y()), 20 * 1440.0f / float(box_.logicalDpiY()));
}

TEST_F(PictureBoxTest, RefusedScaleKeepsTheLastOne) {
    drawSamplePicture(box_.surface());
    EXPECT_FALSE(box_.surface().setScale(0, 0, 0, 10));
    EXPECT_EQ(movePointerTo({100, 40}), QPointF(5, -16));
}

TEST_F(PictureBoxTest, PictureIsPaintedAgainAfterBeingCovered) {
    drawSamplePicture(box_.surface());
    for (int paint = 0; paint < 2; ++paint) {
        const QImage image = shown();
        EXPECT_EQ(pixelColour(image, {0, 0}), QColor(8, 0, 0));
        EXPECT_EQ(pixelColour(image, pixelOf(0, -16)), QColor(0, 128, 0));
        EXPECT_EQ(pixelColour(image, pixelOf(5, -15)), QColor(128, 0, 128));
    }
}

TEST_F(PictureBoxTest, PictureFollowsTheWidgetsSize) {
    drawSamplePicture(box_.surface());
    (void)shown();
    box_.resize(kPictureSize * 2);
    const QImage image = shown();
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15) * 2), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16) * 2), QColor(0, 128, 0));
    EXPECT_EQ(movePointerTo({200, 80}), QPointF(5, -16));
}

TEST_F(PictureBoxTest, NewDrawingReplacesTheOldOne) {
    drawSamplePicture(box_.surface());
    (void)shown();
    box_.surface().setBackground(kStock);
    box_.surface().clear();
    EXPECT_EQ(pixelColour(shown(), pixelOf(5, -15)), QColor(0, 0, 255));
}

TEST_F(PictureBoxTest, ButtonShadowFollowsThePalette) {
    QPalette palette = box_.palette();
    palette.setColor(QPalette::Dark, QColor(10, 20, 30));
    box_.setPalette(palette);
    drawSamplePicture(box_.surface());
    box_.surface().line(0, -20, 0, -10, Colour::named(SystemColour::ButtonShadow));
    EXPECT_EQ(pixelColour(shown(), pixelOf(0, -13)), QColor(10, 20, 30));
    palette.setColor(QPalette::Dark, QColor(40, 50, 60));
    box_.setPalette(palette);
    EXPECT_EQ(pixelColour(shown(), pixelOf(0, -13)), QColor(40, 50, 60));
}

TEST_F(PictureBoxTest, TextLinesAreSpacedForTheWidgetsHeight) {
    box_.surface().setScale(0, 0, 10, 10);
    box_.surface().setFontSize(12);
    const double atHundred = box_.recording().lineHeight();
    box_.resize(200, 400);
    EXPECT_DOUBLE_EQ(box_.recording().lineHeight(), atHundred / 4);
}

TEST_F(PictureBoxTest, MousePointerAndVisibilityTakeEffectAtOnce) {
    EXPECT_EQ(box_.cursor().shape(), Qt::ArrowCursor);
    box_.surface().setMousePointer(MousePointer::Crosshair);
    EXPECT_EQ(box_.cursor().shape(), Qt::CrossCursor);
    box_.surface().setMousePointer(MousePointer::Default);
    EXPECT_EQ(box_.cursor().shape(), Qt::ArrowCursor);
    box_.surface().setVisible(false);
    EXPECT_FALSE(box_.isVisible());
    box_.surface().setVisible(true);
    EXPECT_TRUE(box_.isVisible());
    EXPECT_EQ(box_.recording().mousePointer(), MousePointer::Default);
}

TEST(PictureBoxFocus, ClickGivesFocusAndSaysSo) {
    QWidget window;
    auto* first = new PictureBox(&window);
    auto* second = new PictureBox(&window);
    first->setGeometry(0, 0, 100, 50);
    second->setGeometry(0, 60, 100, 50);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy firstFocus(first, &PictureBox::gotFocus);
    QSignalSpy secondFocus(second, &PictureBox::gotFocus);

    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(secondFocus.count(), 1);
    QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(firstFocus.count(), 1);
    EXPECT_EQ(secondFocus.count(), 1);
}

TEST(ReadoutBoxTest, ShowsOneLineOfPlainTextInArialSize) {
    ReadoutBox box;
    box.setText("  X32.000  Z-0.200");
    EXPECT_EQ(box.text(), "  X32.000  Z-0.200");
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_FALSE(box.wordWrap());
    EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 11.25);
    EXPECT_EQ(box.font().family(), "Arial");
    // Where Arial is missing the face falls back to a sans-serif one, not a serif one.
    EXPECT_FALSE(QFontInfo(box.font()).family().contains("Serif"));
    box.clear();
    EXPECT_TRUE(box.text().isEmpty());
}

} // namespace
} // namespace quillmar
