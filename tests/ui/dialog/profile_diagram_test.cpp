#include "tests/support/dialog_test_support.h"
#include "ui/dialog/profile_diagram.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <cmath>

namespace quillmar::testing {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QColor inkColour(Ink ink) {
    return ink == Ink::Blue ? kBlue : ink == Ink::Red ? kRed : kBlack;
}

class ProfileDiagramPicture : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        diagram = control<ProfileDiagram>("Diagram");
        ASSERT_NE(diagram, nullptr);
        picture = diagram->grab().toImage();
        ASSERT_EQ(picture.size(), QSize(454, 136));
    }

    bool near(double x, double y, const QColor& colour) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(static_cast<int>(std::floor(x)) + dx,
                               static_cast<int>(std::floor(y)) + dy);
                if (picture.rect().contains(p) && picture.pixelColor(p) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    int countInRow(int y, int x1, int x2, const QColor& colour) const {
        int count = 0;
        for (int x = x1; x <= x2; ++x) {
            count += picture.pixelColor(x, y) == colour ? 1 : 0;
        }
        return count;
    }

    // Text is smoothed: count the pixels that lean clearly towards the ink.
    int inkyPixels(const QRect& area, const QColor& ink) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                const auto close = [](int channel, int target) {
                    return std::abs(channel - target) < 110;
                };
                count += close(c.red(), ink.red()) && close(c.green(), ink.green()) &&
                                 close(c.blue(), ink.blue())
                             ? 1
                             : 0;
            }
        }
        return count;
    }

    ProfileDiagram* diagram = nullptr;
    QImage picture;
};

TEST_F(ProfileDiagramPicture, CoversTheTopBandOfTheForm) {
    EXPECT_EQ(diagram->geometry(), QRect(0, 0, 454, 136));
}

TEST_F(ProfileDiagramPicture, EverySolidLineIsDrawnInItsInk) {
    for (const DiagramLine& line : diagramLines()) {
        if (line.stroke != Stroke::Solid) {
            continue;
        }
        for (const double t : {0.25, 0.5, 0.75}) {
            const double x = (line.x1 + t * (line.x2 - line.x1)) / 15.0;
            const double y = (line.y1 + t * (line.y2 - line.y1)) / 15.0;
            EXPECT_TRUE(near(x, y, inkColour(line.ink)))
                << "(" << line.x1 << ", " << line.y1 << ")-(" << line.x2 << ", " << line.y2
                << ") at " << t;
        }
    }
}

TEST_F(ProfileDiagramPicture, PitchLineIsSolidAllAlong) {
    EXPECT_EQ(countInRow(20, 89, 351, kBlack), 263);
}

TEST_F(ProfileDiagramPicture, StockLineIsBrokenBlue) {
    const int blue = countInRow(96, 121, 391, kBlue);
    EXPECT_GT(blue, 271 / 3);
    EXPECT_LT(blue, 271 - 271 / 10);
}

TEST_F(ProfileDiagramPicture, AllowanceOutlineIsDottedRed) {
    // The top of the outline, between the red dimension line and the D1 line.
    const int red = countInRow(72, 210, 222, kRed);
    EXPECT_GE(red, 4);
    EXPECT_LE(red, 9);
}

TEST_F(ProfileDiagramPicture, CaptionsAreWrittenInTheirInk) {
    EXPECT_GT(inkyPixels(QRect(204, 4, 37, 13), kBlack), 20);  // "ピッチ"
    EXPECT_GT(inkyPixels(QRect(379, 116, 53, 13), kBlue), 30); // "素材径"
    EXPECT_GT(inkyPixels(QRect(136, 108, 69, 13), kRed), 40);  // "仕上げ代(径)"
    EXPECT_GT(inkyPixels(QRect(300, 60, 13, 13), kBlack), 10); // "R1"
}

TEST_F(ProfileDiagramPicture, ClicksOnTheDiagramOrACaptionMoveNoFocus) {
    showActive();
    ASSERT_EQ(focusName(), "Text2");
    QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(220, 60));
    EXPECT_EQ(focusName(), "Text2");
    QTest::mouseClick(control<QLabel>("Label25"), Qt::LeftButton);
    EXPECT_EQ(focusName(), "Text2");
    EXPECT_EQ(diagram->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace quillmar::testing
