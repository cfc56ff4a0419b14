#pragma once

#include "core/thread_job.h"
#include "graphics/display_pieces.h"
#include "nc/nc_line_reader.h"

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace quillmar {

// What changed in a pane's text since its graphic was last drawn: the code units
// [position, position + removed) of the old text became [position, position + added)
// of the new one. `everything` when that is not known.
struct TextEdit {
    std::size_t position = 0;
    std::size_t removed = 0;
    std::size_t added = 0;
    bool everything = false;

    static TextEdit wholeText() { return TextEdit{0, 0, 0, true}; }
    bool changesNothing() const { return !everything && removed == 0 && added == 0; }
};

enum class PaneGraphicKind { Point, Cutting };

// One pane's graphic, drawn again after every change of the pane as drawPointGraphic
// or drawCuttingGraphic would draw it, but walking only the lines that the change can
// have affected. The walk keeps the reader's state, the pen's and the surface's at
// the start of every few thousand lines and its display list in pieces to match. A
// drawing walks again from the last such start before the change, and stops as soon
// as it meets an old start, after the change, in the very same state: from there on
// the old pieces are what walking on would draw.
class IncrementalGraphic {
public:
    explicit IncrementalGraphic(PaneGraphicKind kind);
    ~IncrementalGraphic();
    IncrementalGraphic(const IncrementalGraphic&) = delete;
    IncrementalGraphic& operator=(const IncrementalGraphic&) = delete;

    struct Outcome {
        bool drawn = false;     // false: nothing was drawn, the picture keeps what it shows
        bool completed = false; // as the graphics' own result: the crosshair was set
    };
    // Draws onto a surface that stood in `before`. `edit` says what changed in `text`
    // since the last drawing; the reader is used and left as a whole drawing would.
    Outcome draw(const ThreadJob& job, std::u16string_view text, const TextEdit& edit,
                 NcLineReader& reader, const SurfaceState& before);

    // What the last drawing drew, and the state it left the surface in.
    const PiecewiseDisplayList& displayList() const;
    const SurfaceState& stateAfter() const;
    // How many lines the last drawing read, and where in the text each piece of its
    // display list starts (for finding out how much it saved, and where).
    std::size_t linesWalked() const;
    std::vector<std::size_t> pieceStarts() const;

private:
    class Walks;
    std::unique_ptr<Walks> walks_;
};

} // namespace quillmar
