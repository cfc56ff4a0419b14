#include "core/drawn_groove.h"
#include "core/profile_check.h"
#include "profile_import/dxf_profile.h"
#include "tests/core/example_dialogs.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quillmar {
namespace {

// The drawings are written by ezdxf (make_fixtures.py beside them).
Expected<SegmentChain, ProfileReadError> readFixture(const std::string& name,
                                                     const std::string& layer = "") {
    std::ifstream file(std::string(QUILLMAR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return readDxfProfile(bytes.str(), layer);
}

// Each drawing read and checked against its pitch: its pieces, depth and end, or the
// refusal as the user reads it.
struct DrawingRow {
    const char* name;
    const char* file;
    const char* layer;
    double pitch;
    const char* expected;
};

std::string outcome(const DrawingRow& row) {
    const auto chain = readFixture(row.file, row.layer);
    if (!chain) {
        return chain.error().message;
    }
    const auto checked = checkDrawnGroove(*chain, row.pitch, 0);
    if (!checked) {
        return describeRefusal(checked.error());
    }
    char text[96];
    std::snprintf(text, sizeof text, "%zu pieces, %.4f deep, ending at Z %.4f",
                  checked->segments.size(), grooveDepth(checked->segments),
                  checked->segments.back().to.z);
    return text;
}

class Drawing : public ::testing::TestWithParam<DrawingRow> {};

TEST_P(Drawing, IsReadOrRefused) {
    EXPECT_EQ(outcome(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Drawing,
    ::testing::Values(
        DrawingRow{"GothicArchR12", "gothic-arch-r12.dxf", "", 5,
                   "2 pieces, 1.6000 deep, ending at Z 5.0000"},
        DrawingRow{"GothicArchR2000", "gothic-arch-r2000.dxf", "", 5,
                   "2 pieces, 1.6000 deep, ending at Z 5.0000"},
        DrawingRow{"Knuckle", "knuckle-r2000.dxf", "", 4,
                   "4 pieces, 2.0000 deep, ending at Z 4.0000"},
        DrawingRow{"KnuckleInInches", "knuckle-inch-r2000.dxf", "", 4,
                   "4 pieces, 2.0000 deep, ending at Z 4.0000"},
        DrawingRow{"RadiusedRootButtress", "buttress-r12.dxf", "", 6,
                   "4 pieces, 3.0000 deep, ending at Z 6.0000"},
        DrawingRow{"OneLayerOfTwo", "two-layers-r2000.dxf", "GROOVE", 2,
                   "2 pieces, 1.0000 deep, ending at Z 2.0000"},
        DrawingRow{"TwoLayers", "two-layers-r2000.dxf", "", 2,
                   "draws on several layers (GROOVE, OUTLINE): name the groove's one with "
                   "layer = NAME"},
        DrawingRow{"NoSuchLayer", "two-layers-r2000.dxf", "THREAD", 2,
                   "draws no line or arc on layer THREAD"},
        DrawingRow{"RopeSpline", "rope-spline-r2000.dxf", "", 3,
                   "9 pieces, 1.2500 deep, ending at Z 3.0000"},
        DrawingRow{"FittedSpline", "fitted-spline-r2000.dxf", "", 3,
                   "holds a SPLINE without control points and knots (by fit points only), "
                   "which is not read (draw the groove with LINE, ARC, LWPOLYLINE or "
                   "POLYLINE)"},
        DrawingRow{"Circle", "circle-r12.dxf", "", 3,
                   "holds a CIRCLE, which is not read (draw the groove with LINE, ARC, "
                   "LWPOLYLINE or POLYLINE)"},
        DrawingRow{"Gap", "gap-r12.dxf", "", 3,
                   "1 of the 2 pieces are not joined to the chain that starts at the left "
                   "end (a gap of 0.001 mm or more, or a branch)"},
        DrawingRow{"NotADrawing", "make_fixtures.py", "", 3, "not a DXF drawing dime can read"}),
    [](const auto& info) { return std::string(info.param.name); });

// The arcs and lines that stand for a SPLINE keep within 0.0005 mm of the curve as
// ezdxf evaluates it (rope-spline-r2000-points.csv, drawing coordinates).
TEST(Drawing, SplineArcsKeepToTheCurve) {
    const auto chain = readFixture("rope-spline-r2000.dxf");
    ASSERT_TRUE(chain) << chain.error().message;
    std::ifstream csv(std::string(QUILLMAR_TEST_DATA_DIR) + "/rope-spline-r2000-points.csv");
    std::string line;
    std::getline(csv, line);
    int points = 0;
    while (std::getline(csv, line)) {
        const double x = std::stod(line.substr(0, line.find(',')));
        const double y = std::stod(line.substr(line.find(',') + 1));
        EXPECT_LE(distanceTo(*chain, {x, -y}), 0.0005 + 1e-9) << line;
        ++points;
    }
    EXPECT_EQ(points, 201);
}

// The dialog's trapezoidal groove, drawn, is cut by the passes typed into the fields.
TEST(Drawing, TrapezoidalFormGivesTheTypedPasses) {
    const testing::PressedOutput typed = testing::pressOutput(testing::trapezoidalDialog());
    const auto chain = readFixture("trapezoidal-r2000.dxf");
    ASSERT_TRUE(chain) << chain.error().message;
    DialogSnapshot drawn = testing::trapezoidalDialog();
    drawn.drawnGroove = *chain;
    const testing::PressedOutput cut = testing::pressOutput(drawn);
    ASSERT_TRUE(cut.ok);
    const auto cutPoints = testing::scheduleOf(cut.job);
    const auto typedPoints = testing::scheduleOf(typed.job);
    ASSERT_EQ(cutPoints.size(), typedPoints.size());
    for (std::size_t i = 0; i < typedPoints.size(); ++i) {
        EXPECT_NEAR(cutPoints[i].diameter, typedPoints[i].diameter, 0.001) << i;
    }
}

} // namespace
} // namespace quillmar
