#pragma once

#include "graphics/recording_surface.h"
#include "render/system_colours.h"

#include <QRgb>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

namespace quillmar {

// A display list turned into what a picture of a given pixel size shows: every shape
// in whole pixels and resolved colours. A shape that the list draws again later (a
// thousand passes over the same pixels) is kept once, at its last place, because
// only the last one can show; that keeps a long program's picture quick to paint
// while each pixel ends as the list leaves it.
class PaintPlan {
public:
    enum class Kind : std::uint8_t { Line, DottedLine, Point, Circle, Text };

    struct Shape {
        Kind kind = Kind::Point;
        QRgb colour = 0;
        // Line: x1, y1, x2, y2. Point: x, y. Circle: centre x, y, radius. Text: top
        // left x, y and the index of its text.
        std::int32_t a = 0;
        std::int32_t b = 0;
        std::int32_t c = 0;
        std::int32_t d = 0;
        friend bool operator==(const Shape&, const Shape&) = default;
    };

    struct Text {
        QString text;
        float points = 0;
    };

    static PaintPlan build(const std::vector<DrawCommand>& commands, QSize pixels,
                           const SystemColours& system);

    QSize pixels() const { return pixels_; }
    QRgb background() const { return background_; }
    const std::vector<Shape>& shapes() const { return shapes_; }
    const std::vector<Text>& texts() const { return texts_; }

private:
    QSize pixels_;
    QRgb background_ = 0;
    std::vector<Shape> shapes_;
    std::vector<Text> texts_;
};

} // namespace quillmar
