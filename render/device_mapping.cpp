#include "render/device_mapping.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

DeviceMapping::DeviceMapping(UserScale scale, QSize pixels)
    : left_(scale.left), top_(scale.top), pixels_(pixels) {
    // An empty picture still maps without dividing by zero; nothing on it shows.
    const double w = std::max(pixels.width(), 1);
    const double h = std::max(pixels.height(), 1);
    unitsToPixelsX_ = w / double(scale.width);
    unitsToPixelsY_ = h / double(scale.height);
    pixelsToUnitsX_ = double(scale.width) / w;
    pixelsToUnitsY_ = double(scale.height) / h;
}

double DeviceMapping::pixelsPerUnitX() const {
    return std::abs(unitsToPixelsX_);
}

} // namespace quillmar
