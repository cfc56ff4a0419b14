#include "render/pixel_raster.h"

#include "render/shape_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace quillmar {

PixelRaster::PixelRaster(QImage& image)
    : pixels_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / 4),
      width_(image.width()), height_(image.height()) {
    Q_ASSERT(image.depth() == 32);
}

void PixelRaster::horizontalSpan(int y, int x1, int x2, QRgb colour) {
    if (unsigned(y) >= unsigned(height_)) {
        return;
    }
    const int from = std::max(std::min(x1, x2), 0);
    const int to = std::min(std::max(x1, x2), width_ - 1);
    if (from <= to) {
        std::fill_n(pixels_ + y * stride_ + from, to - from + 1, colour | 0xff000000u);
    }
}

void PixelRaster::verticalSpan(int x, int y1, int y2, QRgb colour) {
    if (unsigned(x) >= unsigned(width_)) {
        return;
    }
    const int from = std::max(std::min(y1, y2), 0);
    const int to = std::min(std::max(y1, y2), height_ - 1);
    for (QRgb* pixel = pixels_ + from * stride_ + x; pixel <= pixels_ + to * stride_ + x;
         pixel += stride_) {
        *pixel = colour | 0xff000000u;
    }
}

void PixelRaster::line(QLine line, QRgb colour, bool dotted) {
    if (!dotted && line.y1() == line.y2()) {
        horizontalSpan(line.y1(), line.x1(), line.x2(), colour);
        return;
    }
    if (!dotted && line.x1() == line.x2()) {
        verticalSpan(line.x1(), line.y1(), line.y2(), colour);
        return;
    }
    forEachLinePixel(line.x1(), line.y1(), line.x2(), line.y2(), dotted,
                     [&](int x, int y) { point(x, y, colour); });
}

void PixelRaster::circle(int x, int y, int radius, QRgb colour) {
    // The many small pitch marks lie inside the picture: no test per pixel for them.
    if (x >= radius && y >= radius && x < width_ - radius && y < height_ - radius) {
        circleOutline<false>(x, y, radius, colour | 0xff000000u);
    } else {
        circleOutline<true>(x, y, radius, colour);
    }
}

template <bool checked> void PixelRaster::circleOutline(int x, int y, int radius, QRgb colour) {
    const auto plot = [&](int px, int py) {
        if constexpr (checked) {
            point(px, py, colour);
        } else {
            pixels_[py * stride_ + px] = colour;
        }
    };
    forEachCirclePixel(x, y, radius, plot);
}

} // namespace quillmar
