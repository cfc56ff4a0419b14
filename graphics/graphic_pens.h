#pragma once

#include "core/thread_job.h"
#include "graphics/drawing_surface.h"
#include "graphics/graphic_basis.h"
#include "graphics/graphic_frame.h"
#include "nc/nc_line_reader.h"

#include <string_view>

namespace quillmar {

// A pane graphic in three parts: the head (background, scale, grid, labels), one
// drawing per change of position that the text walk reports, and the tail after the
// walk (notes on what was left out). A pen is a small value: a copy taken between two
// lines is all the graphic needs to go on drawing from there, and two pens that are
// the same draw the same for the same lines.

// The cutting graphic of pane B.
class CuttingPen {
public:
    static constexpr GraphicKind kKind = GraphicKind::Cutting;
    // Nothing is drawn at all without a pass length (no job output nor moves).
    static bool canDraw(const GraphicBasis& basis);
    // False when the drawing stops after the head. May throw DataError.
    bool drawHead(const GraphicBasis& basis, DrawingSurface& surface);
    void drawMove(const NcMove& move, NcLineReader& reader, DrawingSurface& surface);
    void drawTail(DrawingSurface& surface) const;
    bool sameAs(const CuttingPen& other) const;
    // Whether this pen, drawing on from where the pen `old` of an earlier walk stood,
    // draws exactly what `old` drew on to where that walk ended (`oldEnd`): the same
    // pen, or one that differs only in the count of marks while neither count can
    // reach the limit.
    bool drawsOnLike(const CuttingPen& old, const CuttingPen& oldEnd) const;
    // A pen that the earlier walk held after `old`, as this walk holds it there.
    void carry(const CuttingPen& old, CuttingPen& later) const;

private:
    double startShift(const NcMove& move, float g) const;
    void drawPitchMarks(const NcMove& move, double shift, DrawingSurface& surface);

    double lead_ = 0;
    int marksDrawn_ = 0;
    bool marksLimited_ = false;
    bool notesStarted_ = false;
};

// The point graphic of pane A.
class PointPen {
public:
    static constexpr GraphicKind kKind = GraphicKind::Points;
    static bool canDraw(const GraphicBasis&) { return true; }
    bool drawHead(const GraphicBasis& basis, DrawingSurface& surface);
    void drawMove(const NcMove& move, NcLineReader& reader, DrawingSurface& surface);
    void drawTail(DrawingSurface&) const {}
    bool sameAs(const PointPen& other) const;
    bool drawsOnLike(const PointPen& old, const PointPen&) const { return sameAs(old); }
    void carry(const PointPen&, PointPen&) const {}

private:
    double zStart_ = 0;
    // The point data lists every point once per start, start 0 first: only start 0's
    // points trace the groove, the further starts' lie whole pitches away.
    int starts_ = 1;
    int start_ = 0; // the start of the next point; each block's heading begins at 0
};

// A whole drawing with one pen, as the graphics have always been drawn: a failure
// ends it where it stands and only a completed drawing sets the crosshair.
template <typename Pen>
bool drawPaneGraphic(Pen pen, const GraphicBasis& basis, std::u16string_view paneText,
                     NcLineReader& reader, DrawingSurface& surface) {
    return runGraphic(surface, [&] {
        if (!pen.drawHead(basis, surface)) {
            return false;
        }
        const bool walked = reader.walkProgramText(
            paneText, [&](const NcMove& move) { pen.drawMove(move, reader, surface); });
        pen.drawTail(surface);
        return walked;
    });
}

} // namespace quillmar
