#pragma once

#include "graphics/drawing_surface.h"

#include <string_view>

namespace quillmar {

// Short notes in the top left corner of a picture, one a line, saying where a
// drawing left something out rather than leaving it out silently.
class GraphicNotes {
public:
    explicit GraphicNotes(DrawingSurface& surface) : surface_(surface) {}
    // Goes on below the notes that an earlier part of the same drawing printed.
    GraphicNotes(DrawingSurface& surface, bool started) : surface_(surface), started_(started) {}

    bool started() const { return started_; }

    void add(std::string_view note) {
        if (!started_) {
            const UserScale scale = surface_.scale();
            surface_.setTextPosition(scale.left, scale.top);
            started_ = true;
        }
        surface_.print(note); // the next note goes on the next line
    }

private:
    DrawingSurface& surface_;
    bool started_ = false;
};

inline constexpr std::string_view kGridLimitedNote = "grid limited";
inline constexpr std::string_view kPitchMarksLimitedNote = "pitch marks limited";

} // namespace quillmar
