#pragma once

#include "graphics/drawing_surface.h"

#include <QColor>

class QPalette;

namespace quillmar {

// The four system colours the pictures use, resolved for one target.
struct SystemColours {
    QColor buttonFace;
    QColor buttonShadow;
    QColor windowBackground;
    QColor highlight3D;
};

// A widget follows its palette, so the Z = 0 grid line and the empty picture match
// the desktop's theme.
SystemColours systemColoursFrom(const QPalette& palette);

// Files have no desktop to follow: they take the classic standard scheme, the grey of
// 3-D buttons, so that a saved picture looks the same on every machine.
SystemColours classicSystemColours();

QColor resolveColour(Colour colour, const SystemColours& system);

} // namespace quillmar
