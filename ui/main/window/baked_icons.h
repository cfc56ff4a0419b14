#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillmar {

// An icon drawn from its SVG file while building: `size` by `size` premultiplied ARGB
// pixels, row by row from the top.
struct BakedIcon {
    std::string_view name; // the SVG file's name without ".svg"
    int size;
    const std::uint32_t* pixels;
};

// Every icon at every size it was drawn in.
std::span<const BakedIcon> bakedIcons();

} // namespace quillmar
