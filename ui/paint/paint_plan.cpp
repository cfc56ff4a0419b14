#include "ui/paint/paint_plan.h"

#include "ui/paint/device_mapping.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace quillmar {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

// Beyond these a shape cannot be placed in whole pixels; it is left out.
constexpr double kMaxCircleRadius = 1 << 24;
constexpr double kMaxTextOffset = 1 << 24;
// Font sizes a picture can sensibly print in; others are brought into this range.
constexpr float kMinFontPoints = 1;
constexpr float kMaxFontPoints = 1000;

// Turns the commands, in order, into shapes. Commands before the last clear are
// covered by its background and leave nothing behind.
class PlanBuilder {
public:
    PlanBuilder(QSize pixels, const SystemColours& system)
        : pixels_(pixels), system_(system), mapping_(UserScale{}, pixels),
          background_(rgb(Colour::named(SystemColour::ButtonFace))) {}

    void operator()(const BackgroundCommand&) {} // takes effect at the next clear
    void operator()(const ClearCommand& command) {
        shapes_.clear();
        texts_.clear();
        background_ = rgb(command.background);
        mapping_ = DeviceMapping(command.scale, pixels_);
    }
    void operator()(const ScaleCommand& command) {
        mapping_ = DeviceMapping(command.scale, pixels_);
    }
    void operator()(const LineCommand& command) {
        const auto line = mapping_.visibleLine(command.x1, command.y1, command.x2, command.y2);
        if (line) {
            const auto kind = command.style == LineStyle::Dotted ? PaintPlan::Kind::DottedLine
                                                                 : PaintPlan::Kind::Line;
            shapes_.push_back(
                {kind, rgb(command.colour), line->x1(), line->y1(), line->x2(), line->y2()});
        }
    }
    void operator()(const PointCommand& command) {
        if (const auto pixel = mapping_.pixel(command.x, command.y)) {
            addPoint(*pixel, rgb(command.colour));
        }
    }
    void operator()(const CircleCommand& command);
    void operator()(const FontSizeCommand&) {}   // each print carries its size
    void operator()(const TextColourCommand&) {} // and its colour
    void operator()(const PrintCommand& command);
    void operator()(const MousePointerCommand&) {} // widget state, not paint
    void operator()(const VisibleCommand&) {}

    std::vector<PaintPlan::Shape> takeShapes() { return std::move(shapes_); }
    std::vector<PaintPlan::Text> takeTexts() { return std::move(texts_); }
    QRgb background() const { return background_; }

private:
    QRgb rgb(Colour colour) const { return resolveColour(colour, system_).rgb(); }
    void addPoint(QPoint pixel, QRgb colour) {
        shapes_.push_back({PaintPlan::Kind::Point, colour, pixel.x(), pixel.y(), 0, 0});
    }

    QSize pixels_;
    const SystemColours& system_;
    DeviceMapping mapping_;
    QRgb background_;
    std::vector<PaintPlan::Shape> shapes_;
    std::vector<PaintPlan::Text> texts_;
};

void PlanBuilder::operator()(const CircleCommand& command) {
    // Round on the screen: the radius is measured in x units for both axes.
    const double radius = std::abs(command.radius) * mapping_.pixelsPerUnitX();
    const double x = mapping_.deviceX(command.x);
    const double y = mapping_.deviceY(command.y);
    if (!std::isfinite(x) || !std::isfinite(y) || !(radius <= kMaxCircleRadius)) {
        return;
    }
    if (x + radius < -1 || x - radius > pixels_.width() || y + radius < -1 ||
        y - radius > pixels_.height()) {
        return;
    }
    const QPoint centre(pixelIndex(x), pixelIndex(y));
    const int pixelRadius = pixelIndex(radius);
    if (pixelRadius == 0) {
        // Smaller than a pixel: the circle is the dot at its centre.
        if (const auto pixel = mapping_.pixel(command.x, command.y)) {
            addPoint(*pixel, rgb(command.colour));
        }
        return;
    }
    shapes_.push_back(
        {PaintPlan::Kind::Circle, rgb(command.colour), centre.x(), centre.y(), pixelRadius, 0});
}

void PlanBuilder::operator()(const PrintCommand& command) {
    const double x = mapping_.deviceX(command.x);
    const double y = mapping_.deviceY(command.y);
    if (command.text.empty() || !(std::abs(x) <= kMaxTextOffset) ||
        !(std::abs(y) <= kMaxTextOffset)) {
        return;
    }
    float points = command.fontSize;
    if (!(points >= kMinFontPoints)) {
        points = kMinFontPoints;
    }
    points = std::min(points, kMaxFontPoints);
    const auto index = static_cast<std::int32_t>(texts_.size());
    texts_.push_back(
        {QString::fromUtf8(command.text.data(), qsizetype(command.text.size())), points});
    shapes_.push_back(
        {PaintPlan::Kind::Text, rgb(command.colour), pixelIndex(x), pixelIndex(y), 0, index});
}

std::uint64_t mix(std::uint64_t value) {
    value ^= value >> 30;
    value *= 0xbf58476d1ce4e5b9ULL;
    value ^= value >> 27;
    value *= 0x94d049bb133111ebULL;
    value ^= value >> 31;
    return value;
}

std::uint64_t pack(std::int32_t high, std::int32_t low) {
    return (std::uint64_t(std::uint32_t(high)) << 32) | std::uint32_t(low);
}

std::uint64_t hashShape(const PaintPlan::Shape& shape) {
    std::uint64_t hash = mix((std::uint64_t(shape.kind) << 32) | shape.colour);
    hash = mix(hash ^ pack(shape.a, shape.b));
    return mix(hash ^ pack(shape.c, shape.d));
}

QPen linePen(QRgb colour, Qt::PenStyle style) {
    QPen pen(QColor(colour), 1, style, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

PaintPlan PaintPlan::build(const std::vector<DrawCommand>& commands, QSize pixels,
                           const SystemColours& system) {
    PlanBuilder builder(pixels, system);
    for (const DrawCommand& command : commands) {
        std::visit(builder, command);
    }
    PaintPlan plan;
    plan.pixels_ = pixels;
    plan.background_ = builder.background();
    plan.shapes_ = builder.takeShapes();
    plan.texts_ = builder.takeTexts();
    plan.dropHiddenRepeats();
    return plan;
}

void PaintPlan::dropHiddenRepeats() {
    // Walk backwards and keep each shape only where it appears for the last time: an
    // earlier copy covers exactly the pixels the later one paints again.
    const std::size_t count = shapes_.size();
    if (count < 2 || count >= std::numeric_limits<std::uint32_t>::max() / 2) {
        return;
    }
    const std::size_t mask = std::bit_ceil(count * 2) - 1;
    std::vector<std::uint32_t> table(mask + 1, 0); // index + 1 of a kept shape
    std::vector<bool> keep(count, false);
    for (std::size_t i = count; i-- > 0;) {
        const Shape& shape = shapes_[i];
        std::size_t slot = hashShape(shape) & mask;
        while (table[slot] != 0 && !(shapes_[table[slot] - 1] == shape)) {
            slot = (slot + 1) & mask;
        }
        if (table[slot] == 0) {
            table[slot] = std::uint32_t(i + 1);
            keep[i] = true;
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) {
            shapes_[kept++] = shapes_[i];
        }
    }
    shapes_.resize(kept);
}

void PaintPlan::paint(QPainter& painter, const QFont& baseFont, QPointF shapeOffset) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(QRect(QPoint(0, 0), pixels_), QColor(background_));
    painter.translate(shapeOffset);

    std::vector<QLine> lines;
    std::vector<QPoint> points;
    QFont font = baseFont;
    painter.setFont(font);
    std::size_t begin = 0;
    while (begin < shapes_.size()) {
        // One pen for each run of shapes of one kind and colour.
        const Shape& first = shapes_[begin];
        std::size_t end = begin + 1;
        while (end < shapes_.size() && shapes_[end].kind == first.kind &&
               shapes_[end].colour == first.colour) {
            ++end;
        }
        switch (first.kind) {
        case Kind::Line:
        case Kind::DottedLine:
            lines.clear();
            for (std::size_t i = begin; i < end; ++i) {
                lines.emplace_back(shapes_[i].a, shapes_[i].b, shapes_[i].c, shapes_[i].d);
            }
            painter.setPen(linePen(first.colour,
                                   first.kind == Kind::DottedLine ? Qt::DotLine : Qt::SolidLine));
            painter.drawLines(lines.data(), int(lines.size()));
            break;
        case Kind::Point:
            points.clear();
            for (std::size_t i = begin; i < end; ++i) {
                points.emplace_back(shapes_[i].a, shapes_[i].b);
            }
            painter.setPen(linePen(first.colour, Qt::SolidLine));
            painter.drawPoints(points.data(), int(points.size()));
            break;
        case Kind::Circle:
            painter.setPen(linePen(first.colour, Qt::SolidLine));
            for (std::size_t i = begin; i < end; ++i) {
                painter.drawEllipse(QPoint(shapes_[i].a, shapes_[i].b), shapes_[i].c, shapes_[i].c);
            }
            break;
        case Kind::Text:
            painter.setPen(QColor(first.colour));
            for (std::size_t i = begin; i < end; ++i) {
                const Text& text = texts_[std::size_t(shapes_[i].d)];
                if (font.pointSizeF() != text.points) {
                    font.setPointSizeF(text.points);
                    painter.setFont(font);
                }
                // The text position is the top left corner of the line, not its baseline.
                const int ascent = QFontMetrics(font, painter.device()).ascent();
                painter.drawText(QPoint(shapes_[i].a, shapes_[i].b + ascent), text.text);
            }
            break;
        }
        begin = end;
    }
    painter.restore();
}

void paintRecording(const RecordingSurface& recording, QPainter& painter, QSize pixels,
                    const SystemColours& system, const QFont& baseFont) {
    PaintPlan::build(recording.commands(), pixels, system).paint(painter, baseFont);
}

} // namespace quillmar
