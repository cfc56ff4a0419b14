#pragma once

#include "graphics/recording_surface.h"
#include "ui/paint/device_mapping.h"
#include "ui/paint/paint_plan.h"
#include "ui/paint/system_colours.h"

#include <array>
#include <optional>
#include <vector>

namespace quillmar {

// Turns one drawing command into the shape it paints on a picture of a given pixel
// size, in the user scale in force; nothing for commands that only set state and for
// shapes that cannot show (off the picture, not a number). Texts are kept aside and
// referred to by index.
class ShapeMaker {
public:
    using Shape = PaintPlan::Shape;

    ShapeMaker(QSize pixels, const SystemColours& system, std::vector<PaintPlan::Text>& texts);

    void setScale(UserScale scale) { mapping_ = DeviceMapping(scale, pixels_); }
    QRgb rgb(Colour colour) const {
        return colour.isSystem ? systemRgb_[std::size_t(colour.system)]
                               : qRgb(colour.r, colour.g, colour.b);
    }

    std::optional<Shape> operator()(const LineCommand& command) const;
    std::optional<Shape> operator()(const PointCommand& command) const;
    std::optional<Shape> operator()(const CircleCommand& command) const;
    std::optional<Shape> operator()(const PrintCommand& command) const;
    // Background, clear, scale, font size, text colour, pointer, visibility: state only.
    template <class Command> std::optional<Shape> operator()(const Command&) const {
        return std::nullopt;
    }

private:
    bool outlineCanShow(double x, double y, double radius) const;

    QSize pixels_;
    std::array<QRgb, 4> systemRgb_; // in the order of SystemColour
    DeviceMapping mapping_;
    std::vector<PaintPlan::Text>& texts_;
};

} // namespace quillmar
