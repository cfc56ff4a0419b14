#include "ui/paint/picture_painting.h"

#include "ui/paint/pixel_raster.h"
#include "ui/paint/shape_maker.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <optional>
#include <variant>

namespace quillmar {

namespace {

constexpr double kMetresPerInch = 0.0254;

using Shape = PaintPlan::Shape;
using Kind = PaintPlan::Kind;

QPen linePen(QRgb colour, Qt::PenStyle style) {
    QPen pen(QColor(colour), 1, style, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

// The end of the run of shapes of one kind and colour that starts at `begin`: they
// share one pen.
std::size_t runEnd(const std::vector<Shape>& shapes, std::size_t begin) {
    std::size_t end = begin + 1;
    while (end < shapes.size() && shapes[end].kind == shapes[begin].kind &&
           shapes[end].colour == shapes[begin].colour) {
        ++end;
    }
    return end;
}

// Prints a text with its top left corner at its position, not its baseline, as a
// picture box prints.
void drawText(QPainter& painter, const PaintPlan::Text& text, const Shape& shape, QFont& font) {
    if (font.pointSizeF() != text.points) {
        font.setPointSizeF(text.points);
    }
    painter.setFont(font);
    painter.setPen(QColor(shape.colour));
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    painter.drawText(QPoint(shape.a, shape.b + ascent), text.text);
}

void paintRun(const PaintPlan& plan, std::size_t begin, std::size_t end, QPainter& painter,
              QFont& font) {
    const std::vector<Shape>& shapes = plan.shapes();
    const Shape& first = shapes[begin];
    switch (first.kind) {
    case Kind::Line:
    case Kind::DottedLine: {
        std::vector<QLine> lines;
        lines.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) {
            lines.emplace_back(shapes[i].a, shapes[i].b, shapes[i].c, shapes[i].d);
        }
        painter.setPen(
            linePen(first.colour, first.kind == Kind::DottedLine ? Qt::DotLine : Qt::SolidLine));
        painter.drawLines(lines.data(), int(lines.size()));
        break;
    }
    case Kind::Point: {
        std::vector<QPoint> points;
        points.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) {
            points.emplace_back(shapes[i].a, shapes[i].b);
        }
        painter.setPen(linePen(first.colour, Qt::SolidLine));
        painter.drawPoints(points.data(), int(points.size()));
        break;
    }
    case Kind::Circle:
        painter.setPen(linePen(first.colour, Qt::SolidLine));
        for (std::size_t i = begin; i < end; ++i) {
            painter.drawEllipse(QPoint(shapes[i].a, shapes[i].b), shapes[i].c, shapes[i].c);
        }
        break;
    case Kind::Text:
        for (std::size_t i = begin; i < end; ++i) {
            drawText(painter, plan.texts()[std::size_t(shapes[i].d)], shapes[i], font);
        }
        break;
    }
}

// Draws the commands into a raster as they come; texts go through a painter, opened
// only for a run of them so that the raster and the painter never write at once.
class CommandRasterizer {
public:
    CommandRasterizer(QImage& image, const SystemColours& system, const QFont& baseFont)
        : image_(image), raster_(image), maker_(image.size(), system, texts_), font_(baseFont) {
        image_.fill(maker_.rgb(Colour::named(SystemColour::ButtonFace)));
    }

    void operator()(const DrawCommand& command) {
        if (const auto* clear = std::get_if<ClearCommand>(&command)) {
            painter_.reset();
            image_.fill(maker_.rgb(clear->background));
            maker_.setScale(clear->scale);
        } else if (const auto* scale = std::get_if<ScaleCommand>(&command)) {
            maker_.setScale(scale->scale);
        } else if (const auto shape = std::visit(maker_, command)) {
            draw(*shape);
        }
    }

private:
    void draw(const Shape& shape) {
        switch (shape.kind) {
        case Kind::Line:
        case Kind::DottedLine:
            painter_.reset();
            raster_.line(QLine(shape.a, shape.b, shape.c, shape.d), shape.colour,
                         shape.kind == Kind::DottedLine);
            break;
        case Kind::Point:
            painter_.reset();
            raster_.point(shape.a, shape.b, shape.colour);
            break;
        case Kind::Circle:
            painter_.reset();
            raster_.circle(shape.a, shape.b, shape.c, shape.colour);
            break;
        case Kind::Text:
            if (!painter_) {
                painter_.emplace(&image_);
            }
            drawText(*painter_, texts_[std::size_t(shape.d)], shape, font_);
            break;
        }
    }

    QImage& image_;
    PixelRaster raster_;
    std::vector<PaintPlan::Text> texts_;
    ShapeMaker maker_;
    QFont font_;
    std::optional<QPainter> painter_;
};

} // namespace

void paintPlan(const PaintPlan& plan, QPainter& painter, const QFont& baseFont,
               QPointF shapeOffset) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(QRect(QPoint(0, 0), plan.pixels()), QColor(plan.background()));
    painter.translate(shapeOffset);
    QFont font = baseFont;
    for (std::size_t begin = 0; begin < plan.shapes().size();) {
        const std::size_t end = runEnd(plan.shapes(), begin);
        paintRun(plan, begin, end, painter, font);
        begin = end;
    }
    painter.restore();
}

QImage renderPicture(const std::vector<DrawCommand>& commands, QSize pixels,
                     const SystemColours& system, const QFont& baseFont, double dotsPerInch) {
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const int dotsPerMetre = int(std::lround(dotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    CommandRasterizer rasterizer(image, system, baseFont);
    for (const DrawCommand& command : commands) {
        rasterizer(command);
    }
    return image;
}

} // namespace quillmar
