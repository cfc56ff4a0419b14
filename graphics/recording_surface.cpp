#include "graphics/recording_surface.h"

#include <cmath>
#include <cstring>

namespace quillmar {

namespace {

constexpr double kDotsPerInch = 96;
constexpr double kPointsPerInch = 72;
constexpr double kLineSpacing = 1.2;

// Each command is built as a value and moved into the list: emplacing an aggregate
// from parentheses is a C++20 feature that clang 14, which builds the fuzz targets,
// does not have yet.

template <typename T> bool sameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

} // namespace

bool SurfaceState::sameAs(const SurfaceState& other) const {
    return drawsLike(other) && mousePointer == other.mousePointer && visible == other.visible;
}

bool SurfaceState::drawsLike(const SurfaceState& other) const {
    return background == other.background && sameBits(scale.left, other.scale.left) &&
           sameBits(scale.top, other.scale.top) && sameBits(scale.width, other.scale.width) &&
           sameBits(scale.height, other.scale.height) && lineStyle == other.lineStyle &&
           sameBits(currentX, other.currentX) && sameBits(currentY, other.currentY) &&
           sameBits(textX, other.textX) && sameBits(textY, other.textY) &&
           sameBits(fontSize, other.fontSize) && textColour == other.textColour &&
           pixelHeight == other.pixelHeight;
}

void RecordingSurface::replace(std::vector<DrawCommand> commands, const SurfaceState& state) {
    commands_ = std::move(commands);
    state_ = state;
}

void RecordingSurface::setBackground(Colour colour) {
    state_.background = colour;
    commands_.emplace_back(BackgroundCommand{colour});
}

void RecordingSurface::clear() {
    // What was drawn is covered by the background, so its commands go; the list of
    // a picture that is redrawn again and again stays as long as one drawing.
    commands_.clear();
    commands_.emplace_back(
        ClearCommand{state_.background, state_.scale, state_.fontSize, state_.textColour});
    state_.currentX = state_.textX = state_.scale.left;
    state_.currentY = state_.textY = state_.scale.top;
}

bool RecordingSurface::setScale(float left, float top, float width, float height) {
    // A zero extent cannot map onto a picture; a non-finite value cannot either.
    if (width == 0 || height == 0 || !std::isfinite(left) || !std::isfinite(top) ||
        !std::isfinite(width) || !std::isfinite(height)) {
        return false;
    }
    state_.scale = UserScale{left, top, width, height};
    commands_.emplace_back(ScaleCommand{state_.scale});
    return true;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Colour colour) {
    commands_.emplace_back(LineCommand{x1, y1, x2, y2, colour, state_.lineStyle});
    state_.currentX = x2;
    state_.currentY = y2;
}

void RecordingSurface::lineTo(double x, double y, Colour colour) {
    line(state_.currentX, state_.currentY, x, y, colour);
}

void RecordingSurface::setLineStyle(LineStyle style) {
    state_.lineStyle = style;
}

void RecordingSurface::point(double x, double y, Colour colour) {
    commands_.emplace_back(PointCommand{x, y, colour});
    state_.currentX = x;
    state_.currentY = y;
}

void RecordingSurface::circle(double x, double y, double radius, Colour colour) {
    commands_.emplace_back(CircleCommand{x, y, radius, colour});
}

void RecordingSurface::setFontSize(float points) {
    state_.fontSize = points;
    commands_.emplace_back(FontSizeCommand{points});
}

void RecordingSurface::setTextColour(Colour colour) {
    state_.textColour = colour;
    commands_.emplace_back(TextColourCommand{colour});
}

void RecordingSurface::setTextPosition(double x, double y) {
    state_.textX = x;
    state_.textY = y;
}

void RecordingSurface::print(std::string_view text) {
    commands_.emplace_back(PrintCommand{state_.textX, state_.textY, std::string(text),
                                        state_.fontSize, state_.textColour});
    state_.textX = state_.scale.left;
    state_.textY += lineHeight();
}

void RecordingSurface::setMousePointer(MousePointer pointer) {
    state_.mousePointer = pointer;
    commands_.emplace_back(MousePointerCommand{pointer});
}

void RecordingSurface::setVisible(bool visible) {
    state_.visible = visible;
    commands_.emplace_back(VisibleCommand{visible});
}

void RecordingSurface::setPixelHeight(int pixels) {
    if (pixels > 0) {
        state_.pixelHeight = pixels;
    }
}

double RecordingSurface::lineHeight() const {
    const double pixels = double(state_.fontSize) * kDotsPerInch / kPointsPerInch * kLineSpacing;
    return pixels * double(state_.scale.height) / state_.pixelHeight;
}

} // namespace quillmar
