#pragma once

#include "graphics/recording_surface.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace quillmar {

// The moves that a few thousand lines of a pane draw. Never changed once made: a
// changed line makes a new piece, so a piece that is still in a list still shows
// what it showed before.
//
// A picture of a long program holds millions of them, so a piece keeps its commands
// packed rather than as DrawCommands (each as large as the largest command): a line,
// point or circle as its coordinates and the index of its colour and line style among
// the piece's few; a line that starts where the piece's line before it ended (as the
// moves of a program do) without its start. Any other command is kept whole.
class DisplayPiece {
public:
    DisplayPiece() = default;
    explicit DisplayPiece(const std::vector<DrawCommand>& commands);

    std::size_t size() const { return steps_.size(); }
    // Calls visit with every command in order, unpacked.
    template <typename Visit> void forEach(Visit&& visit) const;

private:
    enum class Kind : std::uint8_t { Line, LineOn, Point, Circle, Whole };
    struct Step {
        Kind kind = Kind::Whole;
        std::uint8_t look = 0; // into looks_; 0 for a whole command
    };
    struct Look {
        Colour colour;
        LineStyle style = LineStyle::Solid;
        friend bool operator==(const Look&, const Look&) = default;
    };

    class Packer;

    std::vector<Step> steps_;     // one a command
    std::vector<double> numbers_; // the coordinates of the lines, points and circles
    std::vector<Look> looks_;
    std::vector<DrawCommand> whole_; // the other commands
};

template <typename Visit> void DisplayPiece::forEach(Visit&& visit) const {
    const double* number = numbers_.data();
    auto whole = whole_.begin();
    double lastX = 0;
    double lastY = 0;
    DrawCommand shape;
    for (const Step& step : steps_) {
        // One call of visit for every kind of command, so that it can be inlined.
        const DrawCommand* command = &shape;
        const Look* look = looks_.data() + step.look; // read for shapes only
        switch (step.kind) {
        case Kind::Line:
            lastX = number[0];
            lastY = number[1];
            number += 2;
            [[fallthrough]];
        case Kind::LineOn:
            shape = LineCommand{lastX, lastY, number[0], number[1], look->colour, look->style};
            lastX = number[0];
            lastY = number[1];
            number += 2;
            break;
        case Kind::Point:
            shape = PointCommand{number[0], number[1], look->colour};
            number += 2;
            break;
        case Kind::Circle:
            shape = CircleCommand{number[0], number[1], number[2], look->colour};
            number += 3;
            break;
        case Kind::Whole:
            command = &*whole++;
            break;
        }
        visit(*command);
    }
}

// A display list kept in pieces: the head drawn before the text walk (background,
// scale, grid, labels), the walk's moves piece by piece, and the tail after it. Read
// in that order, it is the list one drawing records.
struct PiecewiseDisplayList {
    std::vector<DrawCommand> head;
    std::vector<std::shared_ptr<const DisplayPiece>> pieces;
    std::vector<DrawCommand> tail;

    std::vector<DrawCommand> flattened() const;
    std::size_t commandCount() const;
};

} // namespace quillmar
