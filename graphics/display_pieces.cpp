#include "graphics/display_pieces.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>

namespace quillmar {

namespace {

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

// Packs the commands one by one. A line continues the last line only when its start
// is that line's end bit for bit, so that unpacking gives back the very same numbers.
class DisplayPiece::Packer {
public:
    explicit Packer(DisplayPiece& piece) : piece_(piece) {}

    void add(const DrawCommand& command) {
        if (const auto* line = std::get_if<LineCommand>(&command)) {
            addLine(*line, command);
        } else if (const auto* point = std::get_if<PointCommand>(&command)) {
            addShape(Kind::Point, {point->colour}, {point->x, point->y}, command);
        } else if (const auto* circle = std::get_if<CircleCommand>(&command)) {
            addShape(Kind::Circle, {circle->colour}, {circle->x, circle->y, circle->radius},
                     command);
        } else {
            addWhole(command);
        }
    }

private:
    void addLine(const LineCommand& line, const DrawCommand& command) {
        const bool continues =
            lineEnd_ && sameBits(line.x1, lineEnd_->x) && sameBits(line.y1, lineEnd_->y);
        const bool packed = continues ? addShape(Kind::LineOn, {line.colour, line.style},
                                                 {line.x2, line.y2}, command)
                                      : addShape(Kind::Line, {line.colour, line.style},
                                                 {line.x1, line.y1, line.x2, line.y2}, command);
        if (packed) {
            lineEnd_ = End{line.x2, line.y2};
        }
    }

    // False when the piece has no room for another look: the command is kept whole.
    bool addShape(Kind kind, const Look& look, std::initializer_list<double> numbers,
                  const DrawCommand& command) {
        const std::optional<std::uint8_t> index = lookIndex(look);
        if (!index) {
            addWhole(command);
            return false;
        }
        piece_.steps_.push_back(Step{kind, *index});
        piece_.numbers_.insert(piece_.numbers_.end(), numbers);
        return true;
    }

    void addWhole(const DrawCommand& command) {
        piece_.steps_.push_back(Step{Kind::Whole, 0});
        piece_.whole_.push_back(command);
    }

    std::optional<std::uint8_t> lookIndex(const Look& look) {
        std::vector<Look>& looks = piece_.looks_;
        const auto found = std::find(looks.begin(), looks.end(), look);
        if (found != looks.end()) {
            return std::uint8_t(found - looks.begin());
        }
        if (looks.size() > std::numeric_limits<std::uint8_t>::max()) {
            return std::nullopt;
        }
        looks.push_back(look);
        return std::uint8_t(looks.size() - 1);
    }

    struct End {
        double x = 0;
        double y = 0;
    };
    DisplayPiece& piece_;
    std::optional<End> lineEnd_;
};

DisplayPiece::DisplayPiece(const std::vector<DrawCommand>& commands) {
    Packer packer(*this);
    for (const DrawCommand& command : commands) {
        packer.add(command);
    }
    // A piece is never added to: the room vectors grow by is not needed again.
    steps_.shrink_to_fit();
    numbers_.shrink_to_fit();
    looks_.shrink_to_fit();
    whole_.shrink_to_fit();
}

std::vector<DrawCommand> PiecewiseDisplayList::flattened() const {
    std::vector<DrawCommand> all;
    all.reserve(commandCount());
    all.insert(all.end(), head.begin(), head.end());
    for (const auto& piece : pieces) {
        piece->forEach([&](const auto& command) { all.emplace_back(command); });
    }
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

std::size_t PiecewiseDisplayList::commandCount() const {
    std::size_t count = head.size() + tail.size();
    for (const auto& piece : pieces) {
        count += piece->size();
    }
    return count;
}

} // namespace quillmar
