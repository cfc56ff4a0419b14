#include "graphics/display_pieces.h"

namespace quillmar {

std::vector<DrawCommand> PiecewiseDisplayList::flattened() const {
    std::vector<DrawCommand> all;
    all.reserve(commandCount());
    all.insert(all.end(), head.begin(), head.end());
    for (const auto& piece : pieces) {
        all.insert(all.end(), piece->commands.begin(), piece->commands.end());
    }
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

std::size_t PiecewiseDisplayList::commandCount() const {
    std::size_t count = head.size() + tail.size();
    for (const auto& piece : pieces) {
        count += piece->commands.size();
    }
    return count;
}

} // namespace quillmar
