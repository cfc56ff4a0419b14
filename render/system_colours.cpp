#include "render/system_colours.h"

#include <QPalette>

namespace quillmar {

SystemColours systemColoursFrom(const QPalette& palette) {
    return SystemColours{palette.color(QPalette::Button), palette.color(QPalette::Dark),
                         palette.color(QPalette::Base), palette.color(QPalette::Light)};
}

SystemColours classicSystemColours() {
    return SystemColours{QColor(192, 192, 192), QColor(128, 128, 128), QColor(255, 255, 255),
                         QColor(255, 255, 255)};
}

QColor resolveColour(Colour colour, const SystemColours& system) {
    if (!colour.isSystem) {
        return QColor(colour.r, colour.g, colour.b);
    }
    switch (colour.system) {
    case SystemColour::ButtonFace:
        return system.buttonFace;
    case SystemColour::ButtonShadow:
        return system.buttonShadow;
    case SystemColour::WindowBackground:
        return system.windowBackground;
    case SystemColour::Highlight3D:
        return system.highlight3D;
    }
    return system.buttonFace;
}

} // namespace quillmar
