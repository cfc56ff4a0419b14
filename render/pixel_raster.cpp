#include "render/pixel_raster.h"

#include <algorithm>
#include <cstdlib>

namespace quillmar {

namespace {

constexpr int kDotPeriod = 3; // one pixel set, two skipped, as Qt's dot line

} // namespace

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
    // Bresenham from the start, so that a dotted line's pattern starts there.
    const int dx = std::abs(line.x2() - line.x1());
    const int dy = -std::abs(line.y2() - line.y1());
    const int stepX = line.x1() < line.x2() ? 1 : -1;
    const int stepY = line.y1() < line.y2() ? 1 : -1;
    int error = dx + dy;
    int x = line.x1();
    int y = line.y1();
    for (int step = 0;; ++step) {
        if (!dotted || step % kDotPeriod == 0) {
            point(x, y, colour);
        }
        if (x == line.x2() && y == line.y2()) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
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
    // Midpoint circle: one octant computed, the other seven mirrored.
    int dx = radius;
    int dy = 0;
    int error = 1 - radius;
    while (dx >= dy) {
        plot(x + dx, y + dy);
        plot(x - dx, y + dy);
        plot(x + dx, y - dy);
        plot(x - dx, y - dy);
        plot(x + dy, y + dx);
        plot(x - dy, y + dx);
        plot(x + dy, y - dx);
        plot(x - dy, y - dx);
        ++dy;
        if (error < 0) {
            error += 2 * dy + 1;
        } else {
            --dx;
            error += 2 * (dy - dx) + 1;
        }
    }
}

} // namespace quillmar
