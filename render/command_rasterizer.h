#pragma once

#include "graphics/recording_surface.h"
#include "render/paint_plan.h"
#include "render/pixel_raster.h"
#include "render/shape_maker.h"
#include "render/system_colours.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <optional>
#include <vector>

namespace quillmar {

// Prints a text with its top left corner at its position, not its baseline, as a
// picture box prints.
void drawPictureText(QPainter& painter, const PaintPlan::Text& text, const PaintPlan::Shape& shape,
                     QFont& font);

// Draws display-list commands into a 32-bit image as they come: lines, points and
// circles straight into the pixels, texts through a painter opened only for a run of
// them so that the raster and the painter never write at once. The image is drawn on
// as it stands until a clear command fills it.
class CommandRasterizer {
public:
    CommandRasterizer(QImage& image, const SystemColours& system, const QFont& baseFont,
                      UserScale scale = UserScale{});

    void operator()(const DrawCommand& command);
    void setScale(UserScale scale) { maker_.setScale(scale); }
    QRgb rgb(Colour colour) const { return maker_.rgb(colour); }
    // Ends a run of texts, so that the image can be read or drawn on elsewhere.
    void closePainter() { painter_.reset(); }

private:
    void draw(const PaintPlan::Shape& shape);

    QImage& image_;
    PixelRaster raster_;
    std::vector<PaintPlan::Text> texts_;
    ShapeMaker maker_;
    QFont font_;
    std::optional<QPainter> painter_;
};

} // namespace quillmar
