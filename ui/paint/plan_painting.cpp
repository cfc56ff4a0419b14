#include "ui/paint/plan_painting.h"

#include "ui/paint/pixel_raster.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <cmath>

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

// Prints the texts of a run with their top left corner at their position, not their
// baseline, as a picture box prints.
void drawTexts(const PaintPlan& plan, std::size_t begin, std::size_t end, QPainter& painter,
               QFont& font) {
    const std::vector<Shape>& shapes = plan.shapes();
    painter.setPen(QColor(shapes[begin].colour));
    for (std::size_t i = begin; i < end; ++i) {
        const PaintPlan::Text& text = plan.texts()[std::size_t(shapes[i].d)];
        if (font.pointSizeF() != text.points) {
            font.setPointSizeF(text.points);
        }
        painter.setFont(font);
        const int ascent = QFontMetrics(font, painter.device()).ascent();
        painter.drawText(QPoint(shapes[i].a, shapes[i].b + ascent), text.text);
    }
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
        drawTexts(plan, begin, end, painter, font);
        break;
    }
}

void rasterizeShape(const Shape& shape, PixelRaster& raster) {
    switch (shape.kind) {
    case Kind::Line:
    case Kind::DottedLine:
        raster.line(QLine(shape.a, shape.b, shape.c, shape.d), shape.colour,
                    shape.kind == Kind::DottedLine);
        break;
    case Kind::Point:
        raster.point(shape.a, shape.b, shape.colour);
        break;
    case Kind::Circle:
        raster.circle(shape.a, shape.b, shape.c, shape.colour);
        break;
    case Kind::Text:
        break;
    }
}

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

void rasterizePlan(const PaintPlan& plan, QImage& image, const QFont& baseFont) {
    image.fill(plan.background());
    PixelRaster raster(image);
    QFont font = baseFont;
    const std::vector<Shape>& shapes = plan.shapes();
    for (std::size_t begin = 0; begin < shapes.size();) {
        const std::size_t end = runEnd(shapes, begin);
        if (shapes[begin].kind == Kind::Text) {
            QPainter painter(&image);
            drawTexts(plan, begin, end, painter, font);
        } else {
            for (std::size_t i = begin; i < end; ++i) {
                rasterizeShape(shapes[i], raster);
            }
        }
        begin = end;
    }
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
    rasterizePlan(PaintPlan::build(commands, pixels, system), image, baseFont);
    return image;
}

} // namespace quillmar
