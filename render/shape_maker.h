#pragma once

#include "graphics/recording_surface.h"
#include "render/device_mapping.h"
#include "render/paint_plan.h"
#include "render/system_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
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
    // Beyond this a circle cannot be placed in whole pixels; it is left out.
    static constexpr double kMaxCircleRadius = 1 << 20;

    bool outlineCanShow(double x, double y, double radius) const;

    QSize pixels_;
    std::array<QRgb, 4> systemRgb_; // in the order of SystemColour
    DeviceMapping mapping_;
    std::vector<PaintPlan::Text>& texts_;
};

// The shapes a long program paints by the hundred thousand are made inline, so that
// no optional shape passes through memory on its way to the pixels.

inline std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const LineCommand& command) const {
    const auto line = mapping_.visibleLine(command.x1, command.y1, command.x2, command.y2);
    if (!line) {
        return std::nullopt;
    }
    const auto kind =
        command.style == LineStyle::Dotted ? PaintPlan::Kind::DottedLine : PaintPlan::Kind::Line;
    return Shape{kind, rgb(command.colour), line->x1(), line->y1(), line->x2(), line->y2()};
}

inline std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const PointCommand& command) const {
    const auto pixel = mapping_.pixel(command.x, command.y);
    if (!pixel) {
        return std::nullopt;
    }
    return Shape{PaintPlan::Kind::Point, rgb(command.colour), pixel->x(), pixel->y(), 0, 0};
}

inline std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const CircleCommand& command) const {
    // Round on the screen: the radius is measured in x units for both axes.
    const double radius = std::abs(command.radius) * mapping_.pixelsPerUnitX();
    const double x = mapping_.deviceX(command.x);
    const double y = mapping_.deviceY(command.y);
    if (!std::isfinite(x) || !std::isfinite(y) || !(radius <= kMaxCircleRadius) ||
        !outlineCanShow(x, y, radius)) {
        return std::nullopt;
    }
    const int pixelRadius = pixelIndex(radius);
    if (pixelRadius == 0) {
        // Smaller than a pixel: the circle is the dot at its centre.
        return (*this)(PointCommand{command.x, command.y, command.colour});
    }
    return Shape{PaintPlan::Kind::Circle, rgb(command.colour), pixelIndex(x),
                 pixelIndex(y),           pixelRadius,         0};
}

inline bool ShapeMaker::outlineCanShow(double x, double y, double radius) const {
    // Not when the circle lies wholly beside the picture, nor when the picture lies
    // wholly inside it.
    const double w = pixels_.width();
    const double h = pixels_.height();
    if (x + radius < -1 || x - radius > w || y + radius < -1 || y - radius > h) {
        return false;
    }
    const double farX = std::max(std::abs(x + 1), std::abs(w - x));
    const double farY = std::max(std::abs(y + 1), std::abs(h - y));
    return radius < 1 || farX * farX + farY * farY >= (radius - 1) * (radius - 1);
}

} // namespace quillmar
