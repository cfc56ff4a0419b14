#pragma once

#include <cstdint>

namespace quillmar {

// Which diameter a thread is cut on: "外径" (outer) or "内径" (inner). Its value is the sign
// it gives a radial offset: an outer groove goes down into the material, an inner one up.
enum class Side : std::int8_t { Inner = -1, Outer = 1 };

constexpr int signOf(Side side) {
    return static_cast<int>(side);
}

} // namespace quillmar
