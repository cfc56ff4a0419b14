#include "render/command_rasterizer.h"

#include <QColor>
#include <QFontMetrics>
#include <variant>

namespace quillmar {

void drawPictureText(QPainter& painter, const PaintPlan::Text& text, const PaintPlan::Shape& shape,
                     QFont& font) {
    if (font.pointSizeF() != text.points) {
        font.setPointSizeF(text.points);
    }
    painter.setFont(font);
    painter.setPen(QColor(shape.colour));
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    painter.drawText(QPoint(shape.a, shape.b + ascent), text.text);
}

CommandRasterizer::CommandRasterizer(QImage& image, const SystemColours& system,
                                     const QFont& baseFont, UserScale scale)
    : image_(image), raster_(image), maker_(image.size(), system, texts_), font_(baseFont) {
    maker_.setScale(scale);
}

void CommandRasterizer::operator()(const DrawCommand& command) {
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

void CommandRasterizer::draw(const PaintPlan::Shape& shape) {
    using Kind = PaintPlan::Kind;
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
        drawPictureText(*painter_, texts_[std::size_t(shape.d)], shape, font_);
        break;
    }
}

} // namespace quillmar
