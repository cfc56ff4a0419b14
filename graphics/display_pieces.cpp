#include "graphics/display_pieces.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <type_traits>

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
            addShape(Kind::Point, {point->colour}, command, point->x, point->y);
        } else if (const auto* circle = std::get_if<CircleCommand>(&command)) {
            addShape(Kind::Circle, {circle->colour}, command, circle->x, circle->y, circle->radius);
        } else {
            addWhole(command);
        }
    }

private:
    // As bytes, which is quicker than field by field and the same:
    // a look has no padding.
    static_assert(std::has_unique_object_representations_v<Look>);
    static bool sameLook(const Look& a, const Look& b) {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }

    void addLine(const LineCommand& line, const DrawCommand& command) {
        const bool continues =
            lineEnd_ && sameBits(line.x1, lineEnd_->x) && sameBits(line.y1, lineEnd_->y);
        const Look look{line.colour, line.style};
        const bool packed =
            continues ? addShape(Kind::LineOn, look, command, line.x2, line.y2)
                      : addShape(Kind::Line, look, command, line.x1, line.y1, line.x2, line.y2);
        if (packed) {
            lineEnd_ = End{line.x2, line.y2};
        }
    }

    // False when the piece has no room for another look: the command is kept whole.
    template <typename... Numbers>
    bool addShape(Kind kind, const Look& look, const DrawCommand& command, Numbers... numbers) {
        const std::optional<std::uint8_t> index = lookIndex(look);
        if (!index) {
            addWhole(command);
            return false;
        }
        piece_.steps_.push_back(Step{kind, *index});
        (piece_.numbers_.push_back(numbers), ...);
        return true;
    }

    void addWhole(const DrawCommand& command) {
        piece_.steps_.push_back(Step{Kind::Whole, 0});
        piece_.whole_.push_back(command);
    }

    // Runs of moves share a look: the last one is tried first.
    std::optional<std::uint8_t> lookIndex(const Look& look) {
        std::vector<Look>& looks = piece_.looks_;
        if (lastLook_ < looks.size() && sameLook(looks[lastLook_], look)) {
            return lastLook_;
        }
        const auto index =
            std::size_t(std::find_if(looks.begin(), looks.end(),
                                     [&](const Look& l) { return sameLook(l, look); }) -
                        looks.begin());
        if (index == looks.size()) {
            if (index > std::numeric_limits<std::uint8_t>::max()) {
                return std::nullopt;
            }
            looks.push_back(look);
        }
        lastLook_ = std::uint8_t(index);
        return lastLook_;
    }

    struct End {
        double x = 0;
        double y = 0;
    };
    DisplayPiece& piece_;
    std::optional<End> lineEnd_;
    std::uint8_t lastLook_ = 0;
};

DisplayPiece::DisplayPiece(const std::vector<DrawCommand>& commands) {
    // Room for the most the commands can take (lines that do not continue), then only
    // what they took: a piece is never added to.
    steps_.reserve(commands.size());
    numbers_.reserve(4 * commands.size());
    Packer packer(*this);
    for (const DrawCommand& command : commands) {
        packer.add(command);
    }
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
        piece->forEach([&](const DrawCommand& command) { all.push_back(command); });
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
