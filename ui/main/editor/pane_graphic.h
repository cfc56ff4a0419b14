#pragma once

#include "graphics/incremental_graphic.h"

namespace quillmar {

class NcLineReader;
class OutputPane;
class PictureBox;
struct ThreadJob;

// The graphic of one program pane: the picture that shows the pane's program, drawn
// again walking only what changed in the pane since the last drawing.
class PaneGraphic {
public:
    PaneGraphic(PaneGraphicKind kind, OutputPane& pane, PictureBox& picture);

    // True when the drawing completed.
    bool redraw(const ThreadJob& job, NcLineReader& reader);
    // An empty picture in the button face colour.
    void clear();

private:
    IncrementalGraphic graphic_;
    OutputPane& pane_;
    PictureBox& picture_;
};

} // namespace quillmar
