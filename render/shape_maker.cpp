#include "render/shape_maker.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// Beyond this a text cannot be placed in whole pixels; it is left out.
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

} // namespace quillmar
