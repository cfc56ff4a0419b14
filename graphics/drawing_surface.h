#pragma once

#include <cstdint>
#include <string_view>

namespace quillmar {

enum class SystemColour { ButtonFace, ButtonShadow, WindowBackground, Highlight3D };

// A red, green, blue triple, or one of the platform's system colours by name
// (resolved by whoever paints: the window's palette, or fixed values for files).
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool isSystem = false;
    SystemColour system = SystemColour::ButtonFace;

    static constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return Colour{red, green, blue, false, SystemColour::ButtonFace};
    }
    static constexpr Colour named(SystemColour name) { return Colour{0, 0, 0, true, name}; }
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

enum class LineStyle { Solid, Dotted };
enum class MousePointer { Default, Crosshair };

// The user scale: x = left at the left edge growing right over width, y = top at the
// top edge growing downward over height. Stored in single precision.
struct UserScale {
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;
    friend constexpr bool operator==(const UserScale&, const UserScale&) = default;
};

// What the graphics draw on: the window's picture, an image or SVG file, or a
// recording in tests. Coordinates are in the user scale.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void setBackground(Colour colour) = 0;
    // Fills with the background and puts the text position at the scale's top left.
    virtual void clear() = 0;
    // Refuses a width or height of 0 (returns false, scale unchanged); the drawing
    // that asked for it stops.
    virtual bool setScale(float left, float top, float width, float height) = 0;
    virtual UserScale scale() const = 0;

    // Lines are one pixel wide, in the current line style; the end point becomes the
    // current drawing position.
    virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void lineTo(double x, double y, Colour colour) = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    // One pixel; becomes the current drawing position.
    virtual void point(double x, double y, Colour colour) = 0;
    // Radius in x units, drawn round on the screen.
    virtual void circle(double x, double y, double radius, Colour colour) = 0;

    virtual void setFontSize(float points) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual void setTextPosition(double x, double y) = 0;
    // Prints one line at the text position, then moves the text position to the
    // start of the next line.
    virtual void print(std::string_view text) = 0;

    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual void setVisible(bool visible) = 0;
};

} // namespace quillmar
