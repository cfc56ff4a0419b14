#include "core/checked_arithmetic.h"
#include "graphics/graphic_basis.h"
#include "graphics/graphic_colours.h"
#include "graphics/graphic_frame.h"
#include "graphics/graphic_notes.h"
#include "graphics/graphics.h"
#include "graphics/grid_steps.h"

#include <cmath>

namespace quillmar {

namespace {

// Marks of one drawing at most. A full run of 2001 passes with ten marks each
// stays far below; a pitch far too small for its moves would not.
constexpr int kMaxPitchMarks = 100000;

constexpr double kMarkRadii[] = {0.05, 0.1};

// The millimetre grid over the whole pass length, with the stock line and labels;
// false when the numbers cannot make a picture.
bool drawCuttingGrid(const GraphicBasis& basis, DrawingSurface& surface, GraphicNotes& notes) {
    const UserScale scale = surface.scale();
    const double gridTop = std::floor(-basis.d1) * 0.5 - 0.5;
    const double yLimit = toSingle((double(scale.top) + double(scale.height)) - 0.3);
    const double gridBottom = std::floor(yLimit / 0.5) * 0.5;
    const double zLeft = std::floor((basis.zEnd - 2) / 5) * 5;
    const double zRight = std::floor((basis.zStart + basis.pitch + 5) / 5) * 5;
    if (!allFinite({gridTop, gridBottom, zLeft, zRight, basis.stockDiameter.value_or(0) / 2})) {
        return false;
    }

    const HalfMillimetreSteps rows = halfMillimetreSteps(gridTop, yLimit);
    drawHorizontalGrid(surface, rows, zLeft, zRight);
    drawStockLine(surface, zLeft, zRight, basis.stockDiameter);
    const Int16Steps columns = int16Steps(zLeft, zRight, 5);
    for (int k = 0; k < columns.count; ++k) {
        const std::int16_t z = columns.at(k);
        surface.line(z, gridTop, z, gridBottom, z == 0 ? kZeroLineShadow : kGridGreen);
    }

    surface.setFontSize(kLabelFontSize);
    surface.setTextColour(kLabelGrey);
    const HalfMillimetreSteps labelRows = halfMillimetreSteps(gridTop, gridBottom);
    printDiameterLabels(surface, labelRows, zLeft - 3.2);
    surface.setTextPosition(zLeft, gridTop - 0.2);
    surface.print("mm");
    for (int k = 0; k < columns.count; ++k) {
        surface.setTextPosition(columns.at(k) - 1.1, gridBottom + 0.05);
        surface.print(printNumberItem(columns.at(k)));
    }
    surface.setTextPosition(columns.afterLast() - 2.5, gridBottom + 0.05);
    surface.print("mm");

    if (rows.limited || columns.limited || labelRows.limited) {
        notes.add(kGridLimitedNote);
    }
    return true;
}

// Cyan marks one lead apart along a feed move toward -Z, from its start point on.
// A move that keeps its Z has no slope and no marks; nor has any move when the
// pitch is not positive.
class PitchMarks {
public:
    PitchMarks(DrawingSurface& surface, double pitch, GraphicNotes& notes)
        : surface_(surface), pitch_(pitch), notes_(notes) {}

    void along(const NcMove& move) {
        if (!(pitch_ > 0) || !(move.z < move.previousZ)) {
            return;
        }
        const double slope = (move.previousX - move.x) / (move.previousZ - move.z);
        for (double m = move.previousZ; m >= move.z; m -= pitch_) {
            if (drawn_ == kMaxPitchMarks) {
                if (!noted_) {
                    notes_.add(kPitchMarksLimitedNote);
                    noted_ = true;
                }
                return;
            }
            const double y = -(move.previousX + slope * (m - move.previousZ)) / 2;
            if (!std::isfinite(y)) {
                return;
            }
            for (const double radius : kMarkRadii) {
                surface_.circle(m, y, radius, kPitchMarkCyan);
            }
            ++drawn_;
        }
    }

private:
    DrawingSurface& surface_;
    double pitch_;
    GraphicNotes& notes_;
    int drawn_ = 0;
    bool noted_ = false;
};

} // namespace

bool drawCuttingGraphic(const ThreadJob& job, std::u16string_view paneText, NcLineReader& reader,
                        DrawingSurface& surface) {
    const GraphicBasis basis = graphicBasis(job, paneText, reader, GraphicKind::Cutting);
    const double length = basis.passLength;
    if (!(length > 0)) {
        return false; // no program output nor moves: the picture keeps what it shows
    }
    return runGraphic(surface, [&] {
        GraphicNotes notes(surface);
        if (!startGraphic(surface, basis.zEnd - 0.1 * length, -std::floor(basis.d1 / 2) - 1.7,
                          1.2 * length, 1.4 * std::fabs(basis.d1 - basis.d2)) ||
            !drawCuttingGrid(basis, surface, notes)) {
            return false;
        }
        // Every move of the text: rapid moves purple, feed moves yellow with their
        // pitch marks; after a comment the pen is lifted and the move is a point.
        PitchMarks marks(surface, basis.pitch, notes);
        return reader.walkProgramText(paneText, [&](const NcMove& move) {
            const double y = -move.x / 2;
            const double previousY = -move.previousX / 2;
            if (reader.commentSeen) {
                surface.point(move.z, y, kPathYellow);
                reader.commentSeen = false;
            } else if (reader.modalG == 0) {
                surface.line(move.previousZ, previousY, move.z, y, kRapidPurple);
            } else {
                surface.line(move.previousZ, previousY, move.z, y, kPathYellow);
                marks.along(move);
            }
        });
    });
}

} // namespace quillmar
