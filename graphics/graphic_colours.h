#pragma once

#include "graphics/drawing_surface.h"

namespace quillmar {

// The colours of the two graphics. Dark green and light grey are colours 2 and 7 of
// the old 16-colour palette; the background is nearly but not quite black.
inline constexpr Colour kGraphicBackground = Colour::rgb(8, 0, 0);
inline constexpr Colour kGridGreen = Colour::rgb(0, 128, 0);
inline constexpr Colour kStockBlue = Colour::rgb(0, 0, 255);
inline constexpr Colour kLabelGrey = Colour::rgb(192, 192, 192);
inline constexpr Colour kPathYellow = Colour::rgb(255, 255, 0);
inline constexpr Colour kRapidPurple = Colour::rgb(128, 0, 128);
inline constexpr Colour kPitchMarkCyan = Colour::rgb(0, 255, 255);
inline constexpr Colour kZeroLineShadow = Colour::named(SystemColour::ButtonShadow);

inline constexpr float kLabelFontSize = 12;

} // namespace quillmar
