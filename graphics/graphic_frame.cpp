#include "graphics/graphic_frame.h"

#include "core/checked_arithmetic.h"
#include "core/plain_number_text.h"
#include "graphics/graphic_colours.h"

#include <cmath>

namespace quillmar {

bool startGraphic(DrawingSurface& surface, double left, double top, double width, double height) {
    surface.setBackground(kGraphicBackground);
    surface.clear();
    try {
        return surface.setScale(toSingle(left), toSingle(top), toSingle(width), toSingle(height));
    } catch (const DataError&) {
        return false;
    }
}

bool allFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

void drawHorizontalGrid(DrawingSurface& surface, const HalfMillimetreSteps& rows, double fromX,
                        double toX) {
    for (int k = 0; k < rows.count; ++k) {
        surface.line(fromX, rows.at(k), toX, rows.at(k), kGridGreen);
    }
}

void drawStockLine(DrawingSurface& surface, double fromX, double toX,
                   std::optional<double> stockDiameter) {
    if (!stockDiameter) {
        return;
    }
    surface.setLineStyle(LineStyle::Dotted);
    surface.line(fromX, -*stockDiameter / 2, toX, -*stockDiameter / 2, kStockBlue);
    surface.setLineStyle(LineStyle::Solid);
}

void printDiameterLabels(DrawingSurface& surface, const HalfMillimetreSteps& rows, double x) {
    for (int k = 0; k < rows.count; ++k) {
        surface.setTextPosition(x, rows.at(k) - 0.1);
        surface.print(diameterLabel(rows.at(k)));
    }
}

std::string diameterLabel(double y) {
    std::string label = "X";
    label += plainNumberText(-2 * y);
    return label;
}

} // namespace quillmar
