#include "graphics/recording_surface.h"

#include <cmath>

namespace quillmar {

namespace {

constexpr double kDotsPerInch = 96;
constexpr double kPointsPerInch = 72;
constexpr double kLineSpacing = 1.2;

// Each command is built as a value and moved into the list: emplacing an aggregate
// from parentheses is a C++20 feature that clang 14, which builds the fuzz targets,
// does not have yet.

} // namespace

void RecordingSurface::setBackground(Colour colour) {
    background_ = colour;
    commands_.emplace_back(BackgroundCommand{colour});
}

void RecordingSurface::clear() {
    // What was drawn is covered by the background, so its commands go; the list of
    // a picture that is redrawn again and again stays as long as one drawing.
    commands_.clear();
    commands_.emplace_back(ClearCommand{background_, scale_, fontSize_, textColour_});
    currentX_ = textX_ = scale_.left;
    currentY_ = textY_ = scale_.top;
}

bool RecordingSurface::setScale(float left, float top, float width, float height) {
    // A zero extent cannot map onto a picture; a non-finite value cannot either.
    if (width == 0 || height == 0 || !std::isfinite(left) || !std::isfinite(top) ||
        !std::isfinite(width) || !std::isfinite(height)) {
        return false;
    }
    scale_ = UserScale{left, top, width, height};
    commands_.emplace_back(ScaleCommand{scale_});
    return true;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Colour colour) {
    commands_.emplace_back(LineCommand{x1, y1, x2, y2, colour, lineStyle_});
    currentX_ = x2;
    currentY_ = y2;
}

void RecordingSurface::lineTo(double x, double y, Colour colour) {
    line(currentX_, currentY_, x, y, colour);
}

void RecordingSurface::setLineStyle(LineStyle style) {
    lineStyle_ = style;
}

void RecordingSurface::point(double x, double y, Colour colour) {
    commands_.emplace_back(PointCommand{x, y, colour});
    currentX_ = x;
    currentY_ = y;
}

void RecordingSurface::circle(double x, double y, double radius, Colour colour) {
    commands_.emplace_back(CircleCommand{x, y, radius, colour});
}

void RecordingSurface::setFontSize(float points) {
    fontSize_ = points;
    commands_.emplace_back(FontSizeCommand{points});
}

void RecordingSurface::setTextColour(Colour colour) {
    textColour_ = colour;
    commands_.emplace_back(TextColourCommand{colour});
}

void RecordingSurface::setTextPosition(double x, double y) {
    textX_ = x;
    textY_ = y;
}

void RecordingSurface::print(std::string_view text) {
    commands_.emplace_back(PrintCommand{textX_, textY_, std::string(text), fontSize_, textColour_});
    textX_ = scale_.left;
    textY_ += lineHeight();
}

void RecordingSurface::setMousePointer(MousePointer pointer) {
    mousePointer_ = pointer;
    commands_.emplace_back(MousePointerCommand{pointer});
}

void RecordingSurface::setVisible(bool visible) {
    visible_ = visible;
    commands_.emplace_back(VisibleCommand{visible});
}

void RecordingSurface::setPixelHeight(int pixels) {
    if (pixels > 0) {
        pixelHeight_ = pixels;
    }
}

double RecordingSurface::lineHeight() const {
    const double pixels = double(fontSize_) * kDotsPerInch / kPointsPerInch * kLineSpacing;
    return pixels * double(scale_.height) / pixelHeight_;
}

} // namespace quillmar
