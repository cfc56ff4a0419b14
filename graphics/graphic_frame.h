#pragma once

#include "core/checked_arithmetic.h"
#include "graphics/drawing_surface.h"
#include "graphics/grid_steps.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace quillmar {

// The common start of both graphics: the dark background, a clear, and the user
// scale with its four values rounded to single precision. False when the surface
// refuses the scale (a zero width or height) or a value is beyond single precision;
// the drawing then stops, leaving the cleared picture.
bool startGraphic(DrawingSurface& surface, double left, double top, double width, double height);

bool allFinite(std::initializer_list<double> values);

// Runs the body of a graphic. A false from it, or a number beyond single precision,
// ends the drawing where it stands, without a message; a completed drawing sets the
// crosshair pointer and returns true (the caller then shows the read-out box).
template <typename Body> bool runGraphic(DrawingSurface& surface, Body&& body) {
    try {
        if (!body()) {
            return false;
        }
    } catch (const DataError&) {
        return false;
    }
    surface.setMousePointer(MousePointer::Crosshair);
    return true;
}

// Dark green lines across the picture at every row.
void drawHorizontalGrid(DrawingSurface& surface, const HalfMillimetreSteps& rows, double fromX,
                        double toX);
// The stock diameter as a dotted blue line; nothing without one.
void drawStockLine(DrawingSurface& surface, double fromX, double toX,
                   std::optional<double> stockDiameter);
// "X33", "X32", ...: the diameter of every row, just above it.
void printDiameterLabels(DrawingSurface& surface, const HalfMillimetreSteps& rows, double x);
// The text of a diameter label: "X" and the diameter -2y with no blank.
std::string diameterLabel(double y);

} // namespace quillmar
