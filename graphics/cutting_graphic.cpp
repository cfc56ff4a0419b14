#include "core/checked_arithmetic.h"
#include "graphics/graphic_basis.h"
#include "graphics/graphic_colours.h"
#include "graphics/graphic_frame.h"
#include "graphics/graphic_notes.h"
#include "graphics/graphic_pens.h"
#include "graphics/graphics.h"
#include "graphics/grid_steps.h"
#include "nc/threading_line.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quillmar {

namespace {

// Marks of one drawing at most. A full run of 2001 passes with ten marks each
// stays far below; a pitch far too small for its moves would not.
constexpr int kMaxPitchMarks = 100000;

constexpr double kMarkRadii[] = {0.05, 0.1};

// Z labels of at most this many grid columns fit side by side across the picture.
constexpr int kMostZLabels = 30;

// Every how many 5 mm columns a Z label stands: every one while they fit, else every
// 2, 5, 10, 20, 50 ... so that a long pass (a thread of many starts) keeps its labels
// apart on round numbers.
int labelledColumnStep(int columns) {
    for (int step = 1;; step *= 10) {
        for (const int every : {step, 2 * step, 5 * step}) {
            if (columns <= kMostZLabels * every || every >= 1000000) {
                return every;
            }
        }
    }
}

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
    const int every = labelledColumnStep(columns.count);
    for (int k = 0; k < columns.count; ++k) {
        if (columns.at(k) % (5 * every) != 0) {
            continue;
        }
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

} // namespace

bool CuttingPen::canDraw(const GraphicBasis& basis) {
    return basis.passLength > 0;
}

bool CuttingPen::drawHead(const GraphicBasis& basis, DrawingSurface& surface) {
    const double length = basis.passLength;
    lead_ = basis.pitch;
    GraphicNotes notes(surface);
    const bool drawn =
        startGraphic(surface, basis.zEnd - 0.1 * length, -std::floor(basis.d1 / 2) - 1.7,
                     1.2 * length, 1.4 * std::fabs(basis.d1 - basis.d2)) &&
        drawCuttingGrid(basis, surface, notes);
    notesStarted_ = notes.started();
    return drawn;
}

// Every move of the text: rapid moves purple, feed moves yellow with their pitch
// marks; after a comment the pen is lifted and the move is a point.
void CuttingPen::drawMove(const NcMove& move, NcLineReader& reader, DrawingSurface& surface) {
    const double y = -move.x / 2;
    const double previousY = -move.previousX / 2;
    if (reader.commentSeen) {
        surface.point(move.z, y, kPathYellow);
        reader.commentSeen = false;
    } else if (reader.modalG == 0) {
        surface.line(move.previousZ, previousY, move.z, y, kRapidPurple);
    } else {
        surface.line(move.previousZ, previousY, move.z, y, kPathYellow);
        drawPitchMarks(move, startShift(move, reader.modalG), surface);
    }
}

// How far along +Z the groove of a threading move started by a start angle lies from
// where the move starts: the marks of its start are drawn where it cuts, as those of a
// start shifted along Z would be. 0 for every move without a start-angle word.
double CuttingPen::startShift(const NcMove& move, float g) const {
    const ControlDialect* dialect =
        threadingDialect(g, nullptr, move.line, move.lineStartsInComment);
    if (dialect == nullptr || dialect->startAngleWord().empty()) {
        return 0;
    }
    return angleShift(lead_, startAngleOfLine(*dialect, move.line, move.lineStartsInComment));
}

// Cyan marks one lead apart along a feed move toward -Z, from its start point on (from
// its groove's first crossing at or after the start point when the start is shifted).
// A move that keeps its Z has no slope and no marks; nor has any move when the pitch
// is not positive.
void CuttingPen::drawPitchMarks(const NcMove& move, double shift, DrawingSurface& surface) {
    if (!(lead_ > 0) || !(move.z < move.previousZ)) {
        return;
    }
    const double slope = (move.previousX - move.x) / (move.previousZ - move.z);
    double first = move.previousZ;
    if (shift != 0 && std::isfinite(shift)) {
        first += shift;
        first -= std::ceil((first - move.previousZ) / lead_) * lead_;
    }
    for (double m = first; m >= move.z; m -= lead_) {
        if (marksDrawn_ == kMaxPitchMarks) {
            marksLimited_ = true;
            return;
        }
        const double y = -(move.previousX + slope * (m - move.previousZ)) / 2;
        if (!std::isfinite(y)) {
            return;
        }
        for (const double radius : kMarkRadii) {
            surface.circle(m, y, radius, kPitchMarkCyan);
        }
        ++marksDrawn_;
    }
}

// The note on the marks left out comes after the walk, on top of the paths, where
// the pieces of a walk drawn again one by one cannot cover it.
void CuttingPen::drawTail(DrawingSurface& surface) const {
    if (marksLimited_) {
        GraphicNotes(surface, notesStarted_).add(kPitchMarksLimitedNote);
    }
}

bool CuttingPen::sameAs(const CuttingPen& other) const {
    return std::memcmp(&lead_, &other.lead_, sizeof lead_) == 0 &&
           marksDrawn_ == other.marksDrawn_ && marksLimited_ == other.marksLimited_ &&
           notesStarted_ == other.notesStarted_;
}

bool CuttingPen::drawsOnLike(const CuttingPen& old, const CuttingPen& oldEnd) const {
    if (sameAs(old)) {
        return true;
    }
    const CuttingPen recounted = [&] {
        CuttingPen pen = *this;
        pen.marksDrawn_ = old.marksDrawn_;
        return pen;
    }();
    const long drawnAfter = long(oldEnd.marksDrawn_) - long(old.marksDrawn_);
    return recounted.sameAs(old) && !oldEnd.marksLimited_ &&
           long(std::max(marksDrawn_, old.marksDrawn_)) + drawnAfter <= kMaxPitchMarks;
}

void CuttingPen::carry(const CuttingPen& old, CuttingPen& later) const {
    later.marksDrawn_ += marksDrawn_ - old.marksDrawn_;
}

bool cuttingGraphicDraws(const ThreadJob& job) {
    return CuttingPen::canDraw(basisFromJob(job, GraphicKind::Cutting));
}

bool drawCuttingGraphic(const ThreadJob& job, std::u16string_view paneText, NcLineReader& reader,
                        DrawingSurface& surface) {
    const GraphicBasis basis = graphicBasis(job, paneText, reader, GraphicKind::Cutting);
    if (!CuttingPen::canDraw(basis)) {
        return false; // no program output nor moves: the picture keeps what it shows
    }
    return drawPaneGraphic(CuttingPen(), basis, paneText, reader, surface);
}

} // namespace quillmar
