#include "render/paint_plan.h"

#include "render/shape_maker.h"

#include <algorithm>
#include <limits>
#include <variant>

namespace quillmar {

namespace {

using Shape = PaintPlan::Shape;

std::size_t hashShape(const Shape& shape) {
    // Multiply-xor over the fields, the well-mixed high bits folded into the low ones
    // that pick the slot.
    std::uint64_t hash = (std::uint64_t(shape.kind) << 32) | shape.colour;
    for (const std::int32_t field : {shape.a, shape.b, shape.c, shape.d}) {
        hash = (hash ^ std::uint32_t(field)) * 0x9e3779b97f4a7c15ULL;
    }
    return std::size_t(hash ^ (hash >> 29));
}

// The distinct shapes in the order they were added. Open addressing over indexes into
// that list, grown with the number of distinct shapes, which stays small even when a
// long program draws the same few hundred lines thousands of times.
class DistinctShapes {
public:
    DistinctShapes() : table_(kInitialSize, kEmpty) {}

    void add(const Shape& shape) {
        const std::size_t slot = find(shape);
        if (table_[slot] != kEmpty) {
            return;
        }
        table_[slot] = std::uint32_t(shapes_.size());
        shapes_.push_back(shape);
        if (shapes_.size() * 2 > table_.size()) {
            grow();
        }
    }

    std::vector<Shape> take() { return std::move(shapes_); }

private:
    static constexpr std::uint32_t kEmpty = std::numeric_limits<std::uint32_t>::max();
    static constexpr std::size_t kInitialSize = 1024;

    std::size_t find(const Shape& shape) const {
        const std::size_t mask = table_.size() - 1;
        std::size_t slot = hashShape(shape) & mask;
        while (table_[slot] != kEmpty && !(shapes_[table_[slot]] == shape)) {
            slot = (slot + 1) & mask;
        }
        return slot;
    }

    void grow() {
        std::vector<std::uint32_t> old(table_.size() * 2, kEmpty);
        old.swap(table_);
        for (const std::uint32_t index : old) {
            if (index != kEmpty) {
                table_[find(shapes_[index])] = index;
            }
        }
    }

    std::vector<Shape> shapes_;
    std::vector<std::uint32_t> table_;
};

// The user scales of the picture and the command from which each holds. The picture
// starts at the last clear, which covers everything before it.
struct ScaleChange {
    std::size_t index;
    UserScale scale;
};

std::vector<ScaleChange> scaleChanges(const std::vector<DrawCommand>& commands) {
    std::vector<ScaleChange> changes{{0, UserScale{}}};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (const auto* clear = std::get_if<ClearCommand>(&commands[i])) {
            changes.assign(1, {i, clear->scale});
        } else if (const auto* scale = std::get_if<ScaleCommand>(&commands[i])) {
            changes.push_back({i, scale->scale});
        }
    }
    return changes;
}

} // namespace

PaintPlan PaintPlan::build(const std::vector<DrawCommand>& commands, QSize pixels,
                           const SystemColours& system) {
    PaintPlan plan;
    plan.pixels_ = pixels;
    ShapeMaker maker(pixels, system, plan.texts_);

    const std::vector<ScaleChange> changes = scaleChanges(commands);
    const std::size_t first = changes.front().index;
    const auto* clear =
        first < commands.size() ? std::get_if<ClearCommand>(&commands[first]) : nullptr;
    plan.background_ =
        maker.rgb(clear ? clear->background : Colour::named(SystemColour::ButtonFace));

    // Walk backwards: the first time a shape is met is the last time it is drawn, the
    // only one that can show, since it paints over every earlier copy of itself.
    auto change = changes.rbegin();
    maker.setScale(change->scale);
    DistinctShapes distinct;
    for (std::size_t i = commands.size(); i-- > first;) {
        if (i < change->index) {
            while (i < change->index) {
                ++change;
            }
            maker.setScale(change->scale);
        }
        if (const auto shape = std::visit(maker, commands[i])) {
            distinct.add(*shape);
        }
    }
    plan.shapes_ = distinct.take();
    std::reverse(plan.shapes_.begin(), plan.shapes_.end());
    return plan;
}

} // namespace quillmar
