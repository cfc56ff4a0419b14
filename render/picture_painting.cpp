#include "render/picture_painting.h"

#include "render/command_rasterizer.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

namespace quillmar {

namespace {

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
            drawPictureText(painter, plan.texts()[std::size_t(shapes[i].d)], shapes[i], font);
        }
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

} // namespace quillmar
