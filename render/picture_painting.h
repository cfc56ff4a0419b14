#pragma once

#include "graphics/recording_surface.h"
#include "render/paint_plan.h"
#include "render/system_colours.h"

#include <QImage>
#include <QPointF>
#include <vector>

class QFont;
class QPainter;

namespace quillmar {

// Screen and file resolution that the graphics' font sizes assume.
inline constexpr double kPictureDotsPerInch = 96;

// Paints a plan through a QPainter, for vector targets (SVG). Text takes the family of
// baseFont at the recorded size. The offset puts one-pixel lines on pixel centres
// (0.5, 0.5) so that they cover whole pixels, as on a screen.
void paintPlan(const PaintPlan& plan, QPainter& painter, const QFont& baseFont,
               QPointF shapeOffset = QPointF());

// A picture of the display list as an RGB32 image of `pixels` size, text sized for
// `dotsPerInch`; a null image when there is not enough memory for it. The commands
// are drawn in order straight into the pixels, each pixel a shape touches taking its
// colour, so the time goes with the pixels drawn, not with paint-engine calls.
QImage renderPicture(const std::vector<DrawCommand>& commands, QSize pixels,
                     const SystemColours& system, const QFont& baseFont,
                     double dotsPerInch = kPictureDotsPerInch);

} // namespace quillmar
