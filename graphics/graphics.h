#pragma once

#include "core/thread_job.h"
#include "graphics/drawing_surface.h"
#include "nc/nc_line_reader.h"

#include <string>
#include <string_view>

namespace quillmar {

// Both graphics take their scale and grid from the job once a program output has set
// its inputs, and from the text's own extent before that (see graphic_basis.h).

// The point graphic of pane A (the macro point data) within one pitch. Returns true
// when the drawing completed (the caller then shows the read-out box); false when it
// stopped early (zero scale, reading failure), keeping what it had drawn.
bool drawPointGraphic(const ThreadJob& job, std::u16string_view paneText, NcLineReader& reader,
                      DrawingSurface& surface);

// The cutting graphic of pane B (the standard program) over a millimetre grid.
// Same result convention; without cuttingGraphicDraws it draws nothing and returns
// false, and the picture keeps what it shows.
bool cuttingGraphicDraws(const ThreadJob& job); // a positive passLength
bool drawCuttingGraphic(const ThreadJob& job, std::u16string_view paneText, NcLineReader& reader,
                        DrawingSurface& surface);

// The cursor read-out: "  X" + (-2y) + "  Z" + x, both as "###0.000".
std::string readoutText(float x, float y);

// A number printed as a print item: plain number text with a leading blank when it
// is not negative.
std::string printNumberItem(double value);

} // namespace quillmar
