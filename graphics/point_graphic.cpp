#include "core/checked_arithmetic.h"
#include "graphics/graphic_basis.h"
#include "graphics/graphic_colours.h"
#include "graphics/graphic_frame.h"
#include "graphics/graphic_notes.h"
#include "graphics/graphic_pens.h"
#include "graphics/graphics.h"
#include "graphics/grid_steps.h"

#include <cmath>
#include <cstring>

namespace quillmar {

namespace {

// P + 0.5 rounded to the nearest integer, a tie going to the even one: the last
// vertical grid line of the point graphic has always been placed this way (P = 2
// stops at 2, P = 3 reaches 4).
double roundHalfEven(double value) {
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2) != 0)) {
        rounded += 1;
    }
    return rounded;
}

// The grid, stock line and labels within one pitch; false when the numbers
// cannot make a picture.
bool drawPointGrid(const GraphicBasis& basis, DrawingSurface& surface) {
    const double pitch = basis.pitch;
    const UserScale scale = surface.scale();
    const double gridTop = std::floor(-basis.d1) * 0.5 - 0.5;
    // The bottom row comes from the scale as the surface holds it: single-precision
    // top and height, added in double precision.
    const double gridBottom =
        toSingle(std::floor(((double(scale.top) + double(scale.height)) - 0.5) / 0.5) * 0.5);
    const double right = std::floor(pitch + 1);
    const double lastColumn = roundHalfEven(pitch + 0.5);
    if (!allFinite({gridTop, gridBottom, right, lastColumn, basis.stockDiameter.value_or(0) / 2})) {
        return false;
    }

    const HalfMillimetreSteps rows = halfMillimetreSteps(gridTop, gridBottom);
    drawHorizontalGrid(surface, rows, 0, right);
    drawStockLine(surface, 0, right, basis.stockDiameter);
    const Int16Steps columns = int16Steps(0, lastColumn, 1);
    for (int k = 0; k < columns.count; ++k) {
        surface.line(columns.at(k), gridTop, columns.at(k), gridBottom, kGridGreen);
    }

    surface.setFontSize(kLabelFontSize);
    surface.setTextColour(kLabelGrey);
    printDiameterLabels(surface, rows, -0.6);
    surface.setTextPosition(0.1, gridTop - 0.2);
    surface.print("mm");
    const Int16Steps positions = int16Steps(0, pitch + 1, 1);
    for (int k = 0; k < positions.count; ++k) {
        surface.setTextPosition(positions.at(k) - 0.11, gridBottom + 0.05);
        surface.print(printNumberItem(positions.at(k)));
    }
    surface.setTextPosition(positions.afterLast() - 0.6, gridBottom + 0.05);
    surface.print("mm");

    if (rows.limited || columns.limited || positions.limited) {
        GraphicNotes(surface).add(kGridLimitedNote);
    }
    return true;
}

} // namespace

bool PointPen::drawHead(const GraphicBasis& basis, DrawingSurface& surface) {
    const double pitch = basis.pitch;
    zStart_ = basis.zStart;
    starts_ = basis.starts;
    return startGraphic(surface, -0.06 * pitch, -std::floor(basis.d1 / 2) - 1.7, 1.18 * pitch,
                        1.3 * std::fabs(basis.d1 - basis.d2)) &&
           drawPointGrid(basis, surface);
}

// Start 0's points joined in the order of the text; a comment lifts the pen.
void PointPen::drawMove(const NcMove& move, NcLineReader& reader, DrawingSurface& surface) {
    if (reader.commentSeen) {
        start_ = 0;
    }
    const bool firstStart = start_ == 0;
    start_ = (start_ + 1) % starts_;
    if (!firstStart) {
        return;
    }
    const double x = move.z - zStart_;
    const double y = -move.x / 2;
    if (!allFinite({x, y})) {
        return;
    }
    if (reader.commentSeen) {
        surface.point(x, y, kPathYellow);
        reader.commentSeen = false;
    } else {
        surface.lineTo(x, y, kPathYellow);
    }
}

bool PointPen::sameAs(const PointPen& other) const {
    return std::memcmp(&zStart_, &other.zStart_, sizeof zStart_) == 0 && starts_ == other.starts_ &&
           start_ == other.start_;
}

bool drawPointGraphic(const ThreadJob& job, std::u16string_view paneText, NcLineReader& reader,
                      DrawingSurface& surface) {
    const GraphicBasis basis = graphicBasis(job, paneText, reader, GraphicKind::Points);
    return drawPaneGraphic(PointPen(), basis, paneText, reader, surface);
}

} // namespace quillmar
