#pragma once

#include "graphics/drawing_surface.h"

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quillmar {

// The display list of a recording surface: plain values, one per call, in the order
// of the calls. The Qt painter replays it onto a widget, an image or an SVG file;
// tests read it.

struct BackgroundCommand {
    Colour colour;
    friend bool operator==(const BackgroundCommand&, const BackgroundCommand&) = default;
};

// A clear covers everything drawn before it, so the list starts again with it. It
// carries the settings in force at that moment, so that a list replays on its own.
struct ClearCommand {
    Colour background;
    UserScale scale;
    float fontSize = 0;
    Colour textColour;
    friend bool operator==(const ClearCommand&, const ClearCommand&) = default;
};

struct ScaleCommand {
    UserScale scale;
    friend bool operator==(const ScaleCommand&, const ScaleCommand&) = default;
};

// Both kinds of line: a lineTo is recorded with the start point it resolved to.
struct LineCommand {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    Colour colour;
    LineStyle style = LineStyle::Solid;
    friend bool operator==(const LineCommand&, const LineCommand&) = default;
};

struct PointCommand {
    double x = 0;
    double y = 0;
    Colour colour;
    friend bool operator==(const PointCommand&, const PointCommand&) = default;
};

struct CircleCommand {
    double x = 0;
    double y = 0;
    double radius = 0; // in x units
    Colour colour;
    friend bool operator==(const CircleCommand&, const CircleCommand&) = default;
};

struct FontSizeCommand {
    float points = 0;
    friend bool operator==(const FontSizeCommand&, const FontSizeCommand&) = default;
};

struct TextColourCommand {
    Colour colour;
    friend bool operator==(const TextColourCommand&, const TextColourCommand&) = default;
};

// One printed line, with the text position, font size and text colour in force.
// (x, y) is the top left corner of the line, as the text position always is.
struct PrintCommand {
    double x = 0;
    double y = 0;
    std::string text; // UTF-8
    float fontSize = 0;
    Colour colour;
    friend bool operator==(const PrintCommand&, const PrintCommand&) = default;
};

struct MousePointerCommand {
    MousePointer pointer = MousePointer::Default;
    friend bool operator==(const MousePointerCommand&, const MousePointerCommand&) = default;
};

struct VisibleCommand {
    bool visible = true;
    friend bool operator==(const VisibleCommand&, const VisibleCommand&) = default;
};

using DrawCommand = std::variant<BackgroundCommand, ClearCommand, ScaleCommand, LineCommand,
                                 PointCommand, CircleCommand, FontSizeCommand, TextColourCommand,
                                 PrintCommand, MousePointerCommand, VisibleCommand>;

// Everything a recording surface holds besides its display list. Two surfaces in the
// same state record the same commands for the same calls.
struct SurfaceState {
    static constexpr int kDefaultPixelHeight = 240;
    static constexpr float kDefaultFontSize = 9;

    Colour background = Colour::named(SystemColour::ButtonFace);
    UserScale scale;
    LineStyle lineStyle = LineStyle::Solid;
    double currentX = 0;
    double currentY = 0;
    double textX = 0;
    double textY = 0;
    float fontSize = kDefaultFontSize;
    Colour textColour = Colour::rgb(0, 0, 0);
    MousePointer mousePointer = MousePointer::Default;
    bool visible = true;
    int pixelHeight = kDefaultPixelHeight;

    // Bit for bit, so that 0 and -0 (which a later line could tell apart) differ.
    bool sameAs(const SurfaceState& other) const;
    // The same but for the mouse pointer and visibility, which no drawing call
    // depends on.
    bool drawsLike(const SurfaceState& other) const;
};

// A drawing surface that keeps every call as a display list and holds the state a
// picture box holds: background, user scale, line style, drawing position, text
// position, font size, text colour, mouse pointer and visibility.
//
// The text position moves down one line after a print. The height of a line is the
// font size in points at 96 dots per inch, times 1.2 for the line spacing, turned
// into user units with the surface's pixel height. A painter that knows the real
// pixel height of its picture hands it in (setPixelHeight); until then the surface
// takes a picture kDefaultPixelHeight pixels high.
class RecordingSurface : public DrawingSurface {
public:
    static constexpr int kDefaultPixelHeight = SurfaceState::kDefaultPixelHeight;
    static constexpr float kDefaultFontSize = SurfaceState::kDefaultFontSize;

    RecordingSurface() = default;
    // A surface in the given state with an empty display list: drawing on it records
    // what drawing on from that state would.
    explicit RecordingSurface(const SurfaceState& state) : state_(state) {}

    void setBackground(Colour colour) override;
    void clear() override;
    bool setScale(float left, float top, float width, float height) override;
    UserScale scale() const override { return state_.scale; }

    void line(double x1, double y1, double x2, double y2, Colour colour) override;
    void lineTo(double x, double y, Colour colour) override;
    void setLineStyle(LineStyle style) override;
    void point(double x, double y, Colour colour) override;
    void circle(double x, double y, double radius, Colour colour) override;

    void setFontSize(float points) override;
    void setTextColour(Colour colour) override;
    void setTextPosition(double x, double y) override;
    void print(std::string_view text) override;

    void setMousePointer(MousePointer pointer) override;
    void setVisible(bool visible) override;

    // Pixel height of the picture this surface stands for; 0 or less is ignored.
    void setPixelHeight(int pixels);
    // One text line in user units (vertical), as a print advances the text position.
    double lineHeight() const;

    const std::vector<DrawCommand>& commands() const { return commands_; }
    // Hands the display list over, leaving it empty and the state as it is.
    std::vector<DrawCommand> takeCommands() { return std::exchange(commands_, {}); }
    // Puts a display list and the state it leaves in place of what was recorded.
    void replace(std::vector<DrawCommand> commands, const SurfaceState& state);

    const SurfaceState& state() const { return state_; }
    Colour background() const { return state_.background; }
    LineStyle lineStyle() const { return state_.lineStyle; }
    double currentX() const { return state_.currentX; }
    double currentY() const { return state_.currentY; }
    double textX() const { return state_.textX; }
    double textY() const { return state_.textY; }
    float fontSize() const { return state_.fontSize; }
    Colour textColour() const { return state_.textColour; }
    MousePointer mousePointer() const { return state_.mousePointer; }
    bool visible() const { return state_.visible; }

private:
    std::vector<DrawCommand> commands_;
    SurfaceState state_;
};

} // namespace quillmar
