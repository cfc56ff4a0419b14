#pragma once

#include "graphics/recording_surface.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace quillmar {

// The moves that a few thousand lines of a pane draw. Never changed once made: a
// changed line makes a new piece, so a piece that is still in a list still shows
// what it showed before.
struct DisplayPiece {
    std::vector<DrawCommand> commands;
};

// A display list kept in pieces: the head drawn before the text walk (background,
// scale, grid, labels), the walk's moves piece by piece, and the tail after it. Read
// in that order, it is the list one drawing records.
struct PiecewiseDisplayList {
    std::vector<DrawCommand> head;
    std::vector<std::shared_ptr<const DisplayPiece>> pieces;
    std::vector<DrawCommand> tail;

    std::vector<DrawCommand> flattened() const;
    std::size_t commandCount() const;
};

} // namespace quillmar
