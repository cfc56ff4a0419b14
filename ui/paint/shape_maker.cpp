#include "ui/paint/shape_maker.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// Beyond these a shape cannot be placed in whole pixels; it is left out.
constexpr double kMaxCircleRadius = 1 << 20;
constexpr double kMaxTextOffset = 1 << 24;
// Font sizes a picture can sensibly print in; others are brought into this range.
constexpr float kMinFontPoints = 1;
constexpr float kMaxFontPoints = 1000;

} // namespace

ShapeMaker::ShapeMaker(QSize pixels, const SystemColours& system,
                       std::vector<PaintPlan::Text>& texts)
    : pixels_(pixels), systemRgb_{system.buttonFace.rgb(), system.buttonShadow.rgb(),
                                  system.windowBackground.rgb(), system.highlight3D.rgb()},
      mapping_(UserScale{}, pixels), texts_(texts) {}

std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const LineCommand& command) const {
    const auto line = mapping_.visibleLine(command.x1, command.y1, command.x2, command.y2);
    if (!line) {
        return std::nullopt;
    }
    const auto kind =
        command.style == LineStyle::Dotted ? PaintPlan::Kind::DottedLine : PaintPlan::Kind::Line;
    return Shape{kind, rgb(command.colour), line->x1(), line->y1(), line->x2(), line->y2()};
}

std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const PointCommand& command) const {
    const auto pixel = mapping_.pixel(command.x, command.y);
    if (!pixel) {
        return std::nullopt;
    }
    return Shape{PaintPlan::Kind::Point, rgb(command.colour), pixel->x(), pixel->y(), 0, 0};
}

std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const CircleCommand& command) const {
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

std::optional<ShapeMaker::Shape> ShapeMaker::operator()(const PrintCommand& command) const {
    const double x = mapping_.deviceX(command.x);
    const double y = mapping_.deviceY(command.y);
    if (command.text.empty() || !(std::abs(x) <= kMaxTextOffset) ||
        !(std::abs(y) <= kMaxTextOffset)) {
        return std::nullopt;
    }
    const float points =
        std::clamp(std::isnan(command.fontSize) ? kMinFontPoints : command.fontSize, kMinFontPoints,
                   kMaxFontPoints);
    const auto index = static_cast<std::int32_t>(texts_.size());
    texts_.push_back(
        {QString::fromUtf8(command.text.data(), qsizetype(command.text.size())), points});
    return Shape{
        PaintPlan::Kind::Text, rgb(command.colour), pixelIndex(x), pixelIndex(y), 0, index};
}

bool ShapeMaker::outlineCanShow(double x, double y, double radius) const {
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
