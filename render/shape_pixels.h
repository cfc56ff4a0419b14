#pragma once

#include "render/paint_plan.h"

#include <algorithm>
#include <cstdlib>

namespace quillmar {

// Bresenham from the start, so that a dotted line's pattern (one pixel set, two
// skipped, as Qt's dot line) starts there; both ends included.
template <typename Plot>
void forEachLinePixel(int x1, int y1, int x2, int y2, bool dotted, Plot&& plot) {
    constexpr int kDotPeriod = 3;
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    for (int step = 0;; ++step) {
        if (!dotted || step % kDotPeriod == 0) {
            plot(x, y);
        }
        if (x == x2 && y == y2) {
            return;
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

// The midpoint circle: one octant computed, the other seven mirrored.
template <typename Plot> void forEachCirclePixel(int x, int y, int radius, Plot&& plot) {
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

// Calls plot(x, y) for every pixel of a picture `width` x `height` that a line, point
// or circle sets: the very pixels PixelRaster sets for it, a pixel possibly more than
// once. Texts set no pixels of their own here.
template <typename Plot>
void forEachShapePixel(const PaintPlan::Shape& shape, int width, int height, Plot&& plot) {
    using Kind = PaintPlan::Kind;
    const auto inside = [&](int x, int y) {
        return unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height);
    };
    switch (shape.kind) {
    case Kind::Point:
        if (inside(shape.a, shape.b)) {
            plot(shape.a, shape.b);
        }
        return;
    case Kind::Line:
    case Kind::DottedLine: {
        const bool dotted = shape.kind == Kind::DottedLine;
        if (!dotted && shape.b == shape.d) {
            if (unsigned(shape.b) < unsigned(height)) {
                const int to = std::min(std::max(shape.a, shape.c), width - 1);
                for (int x = std::max(std::min(shape.a, shape.c), 0); x <= to; ++x) {
                    plot(x, shape.b);
                }
            }
            return;
        }
        if (!dotted && shape.a == shape.c) {
            if (unsigned(shape.a) < unsigned(width)) {
                const int to = std::min(std::max(shape.b, shape.d), height - 1);
                for (int y = std::max(std::min(shape.b, shape.d), 0); y <= to; ++y) {
                    plot(shape.a, y);
                }
            }
            return;
        }
        forEachLinePixel(shape.a, shape.b, shape.c, shape.d, dotted, [&](int x, int y) {
            if (inside(x, y)) {
                plot(x, y);
            }
        });
        return;
    }
    case Kind::Circle:
        forEachCirclePixel(shape.a, shape.b, shape.c, [&](int x, int y) {
            if (inside(x, y)) {
                plot(x, y);
            }
        });
        return;
    case Kind::Text:
        return;
    }
}

} // namespace quillmar
