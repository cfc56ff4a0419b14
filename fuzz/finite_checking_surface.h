#pragma once

#include "fuzz/fuzz_failure.h"
#include "graphics/recording_surface.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace quillmar::fuzz {

// A recording surface that refuses any coordinate, radius or scale value that is not
// finite, and counts the drawing calls so that a caller can bound them.
class FiniteCheckingSurface : public RecordingSurface {
public:
    bool setScale(float left, float top, float width, float height) override {
        requireFinite({left, top, width, height}, "scale");
        return RecordingSurface::setScale(left, top, width, height);
    }
    void line(double x1, double y1, double x2, double y2, Colour colour) override {
        requireFinite({x1, y1, x2, y2}, "line");
        RecordingSurface::line(x1, y1, x2, y2, colour);
    }
    void lineTo(double x, double y, Colour colour) override {
        requireFinite({x, y}, "lineTo");
        RecordingSurface::lineTo(x, y, colour);
    }
    void point(double x, double y, Colour colour) override {
        requireFinite({x, y}, "point");
        RecordingSurface::point(x, y, colour);
    }
    void circle(double x, double y, double radius, Colour colour) override {
        requireFinite({x, y, radius}, "circle");
        RecordingSurface::circle(x, y, radius, colour);
    }
    void setTextPosition(double x, double y) override {
        requireFinite({x, y}, "text position");
        RecordingSurface::setTextPosition(x, y);
    }

    std::size_t drawingCalls() const { return calls_; }

private:
    void requireFinite(std::initializer_list<double> values, const char* call) {
        ++calls_;
        for (const double value : values) {
            require(std::isfinite(value), "only finite values reach the surface", call);
        }
    }

    std::size_t calls_ = 0;
};

} // namespace quillmar::fuzz
