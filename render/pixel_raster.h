#pragma once

#include <QImage>
#include <QLine>
#include <QRgb>

namespace quillmar {

// Draws one-pixel shapes straight into the pixels of a 32-bit image: each pixel a
// shape touches takes its colour, with no blending, so the picture of a long program
// costs a store per pixel rather than a paint-engine call per shape. Pixels outside
// the image are skipped.
class PixelRaster {
public:
    // The image must be Format_RGB32 or Format_ARGB32(_Premultiplied) and must not be
    // shared or resized while the raster lives.
    explicit PixelRaster(QImage& image);

    void point(int x, int y, QRgb colour) {
        if (unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_)) {
            pixels_[y * stride_ + x] = colour | 0xff000000u;
        }
    }
    // Both ends included. A dotted line sets one pixel and skips two, from its start.
    void line(QLine line, QRgb colour, bool dotted);
    // The pixels at distance `radius` from the centre.
    void circle(int x, int y, int radius, QRgb colour);

private:
    template <bool checked> void circleOutline(int x, int y, int radius, QRgb colour);
    void horizontalSpan(int y, int x1, int x2, QRgb colour);
    void verticalSpan(int x, int y1, int y2, QRgb colour);

    QRgb* pixels_;
    qsizetype stride_; // pixels per row
    int width_;
    int height_;
};

} // namespace quillmar
