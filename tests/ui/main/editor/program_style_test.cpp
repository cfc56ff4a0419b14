#include "ui/main/editor/program_style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QStyleOption>
#include <cstdlib>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

QImage arrowImage(const ProgramStyle& style, QStyle::StandardPixmap which, int size) {
    return style.standardIcon(which)
        .pixmap(size, size)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

int inkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qAlpha(image.pixel(x, y)) != 0;
        }
    }
    return inked;
}

// Pixels where the two pictures (of one size) differ clearly in coverage; drawing with
// smoothed edges may differ by a shade where a turned picture meets the pixel grid.
int clearlyDiffering(const QImage& a, const QImage& b) {
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += std::abs(qAlpha(a.pixel(x, y)) - qAlpha(second.pixel(x, y))) > 96;
        }
    }
    return differing;
}

// The overflow arrows are drawn at each size and point the right way: the vertical
// one is the horizontal one turned over its diagonal, and in a right-to-left layout
// the horizontal one is mirrored.
TEST(ProgramStyle, OverflowArrowsAreDrawnAndPointTowardTheHiddenItems) {
    const ProgramStyle style;
    for (const int size : {8, 16, 32}) {
        SCOPED_TRACE(size);
        const QImage right = arrowImage(style, QStyle::SP_ToolBarHorizontalExtensionButton, size);
        const QImage down = arrowImage(style, QStyle::SP_ToolBarVerticalExtensionButton, size);
        ASSERT_EQ(right.size(), QSize(size, size));
        EXPECT_GT(inkedPixels(right), size / 2);
        if (size < 16) {
            continue; // too few pixels to tell the directions apart reliably
        }
        const int inked = inkedPixels(right);
        EXPECT_GT(clearlyDiffering(right, right.mirrored(true, false)), inked / 3);
        EXPECT_LE(clearlyDiffering(down, right.transformed(QTransform(0, 1, 1, 0, 0, 0))),
                  inked / 10);
    }
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const QImage left = arrowImage(style, QStyle::SP_ToolBarHorizontalExtensionButton, 16);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    const QImage right = arrowImage(style, QStyle::SP_ToolBarHorizontalExtensionButton, 16);
    EXPECT_GT(clearlyDiffering(left, right), inkedPixels(right) / 3);
    EXPECT_LE(clearlyDiffering(left, right.mirrored(true, false)), inkedPixels(right) / 10);
}

TEST(ProgramStyle, ArrowsTakeTheButtonTextColour) {
    const ProgramStyle style;
    QStyleOption option;
    option.palette.setColor(QPalette::ButtonText, QColor(200, 0, 0));
    const QImage image = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option)
                             .pixmap(32, 32)
                             .toImage();
    bool redInk = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            redInk = redInk || (colour.alpha() == 255 && colour == QColor(200, 0, 0));
        }
    }
    EXPECT_TRUE(redInk);
}

TEST(ProgramStyle, OtherIconsComeFromThePlatformStyle) {
    const ProgramStyle style;
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

} // namespace
} // namespace quillmar
