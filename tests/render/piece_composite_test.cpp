// A picture kept up to date piece by piece must be, after every change of its pieces,
// the picture that painting the whole list afresh gives, pixel for pixel.
#include "render/picture_painting.h"
#include "render/piece_composite.h"
#include "tests/render/picture_test_support.h"

#include <QFont>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <random>

namespace quillmar {
namespace {

using namespace quillmar::test;

struct Row {
    const char* name;
    unsigned seed;
    QSize pixels;
    int shapesPerPiece;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

std::shared_ptr<const DisplayPiece> randomPiece(std::mt19937& random, int shapes) {
    std::vector<DrawCommand> commands;
    addShapes(commands, random, 1 + int(random() % unsigned(shapes)));
    return std::make_shared<const DisplayPiece>(commands);
}

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return differing;
}

class PieceCompositeEquivalence : public ::testing::TestWithParam<Row> {};

TEST_P(PieceCompositeEquivalence, EveryChangeOfThePiecesPaintsTheWholeList) {
    const Row& row = GetParam();
    std::mt19937 random(row.seed);
    const SystemColours system = classicSystemColours();
    PiecewiseDisplayList list;
    list.head.push_back(ClearCommand{kBackground, UserScale{-5, -20, 20, 10}, 9, kLabel});
    list.head.push_back(LineCommand{-5, -16, 15, -16, kGrid, LineStyle::Solid});
    list.head.push_back(LineCommand{-5, -15, 15, -15, kStock, LineStyle::Dotted});
    list.head.push_back(PrintCommand{-5, -20, "X32", 12, kLabel});
    for (int i = 0; i < 12; ++i) {
        list.pieces.push_back(randomPiece(random, row.shapesPerPiece));
    }
    PieceComposite composite;
    QSize pixels = row.pixels;
    for (int step = 0; step < 60; ++step) {
        const std::size_t at = random() % (list.pieces.size() + 1);
        const std::size_t within = std::min(at, list.pieces.size() - 1);
        switch (step == 0 ? 9 : random() % 8) {
        case 0: // a piece drawn again
        case 1:
            list.pieces[within] = randomPiece(random, row.shapesPerPiece);
            break;
        case 2: // a piece more
            list.pieces.insert(list.pieces.begin() + std::ptrdiff_t(at),
                               randomPiece(random, row.shapesPerPiece));
            break;
        case 3: // a piece less
            if (list.pieces.size() > 1) {
                list.pieces.erase(list.pieces.begin() + std::ptrdiff_t(within));
            }
            break;
        case 4: // two pieces in place of one, and the next one new as well
            list.pieces[within] = randomPiece(random, row.shapesPerPiece);
            list.pieces.insert(list.pieces.begin() + std::ptrdiff_t(within),
                               randomPiece(random, row.shapesPerPiece));
            break;
        case 5: // a note after the pieces comes and goes
            if (list.tail.empty()) {
                list.tail.push_back(PrintCommand{-5, -20, "pitch marks limited", 9, kLabel});
            } else {
                list.tail.clear();
            }
            break;
        case 6: // the head changes: a job of other numbers, or another picture size
            if (random() % 2 == 0) {
                list.head.push_back(LineCommand{0, -18, 0, -12, kGrid, LineStyle::Solid});
            } else {
                pixels = pixels == row.pixels ? row.pixels * 2 : row.pixels;
            }
            break;
        default: // painted again as it is
            break;
        }
        const QImage expected = renderPicture(list.flattened(), pixels, system, QFont());
        const QImage painted = composite.render(list, pixels, system, QFont(), kPictureDotsPerInch);
        ASSERT_EQ(differingPixels(painted, expected), 0) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(RandomChanges, PieceCompositeEquivalence,
                         ::testing::Values(Row{"FewShapesAPiece", 11, kPictureSize, 20},
                                           Row{"PilesOfShapes", 12, kPictureSize, 3000},
                                           Row{"HighDensity", 13, kPictureSize * 2, 600}),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace quillmar
