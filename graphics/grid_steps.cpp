#include "graphics/grid_steps.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmar {

HalfMillimetreSteps halfMillimetreSteps(double first, double last) {
    HalfMillimetreSteps steps{first, 0, false};
    if (!std::isfinite(first) || !std::isfinite(last) || !(first <= last)) {
        return steps;
    }
    // Grid values are multiples of 0.5, so the count is exact where it matters.
    const double count = std::floor((last - first) / 0.5) + 1;
    if (count > kMaxGridSteps) {
        steps.count = kMaxGridSteps;
        steps.limited = true;
    } else {
        steps.count = int(count);
    }
    return steps;
}

Int16Steps int16Steps(double first, double last, int step) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    Int16Steps steps;
    steps.step = step;
    if (!std::isfinite(first) || !std::isfinite(last)) {
        steps.limited = true;
        return steps;
    }
    if (first < lowest) {
        // Start at the first value of the sequence that a 16-bit counter holds
        // (beyond 2^52 there is no telling which that is).
        first = first > -0x1p52 ? first + std::ceil((lowest - first) / step) * step : lowest;
        steps.limited = true;
    }
    if (first > highest) {
        steps.first = int(highest);
        steps.limited = true;
        return steps;
    }
    steps.first = int(std::ceil(first));
    if (last > highest) {
        last = highest;
        steps.limited = true;
    }
    if (!(steps.first <= last)) {
        return steps;
    }
    const double count = std::floor((last - steps.first) / step) + 1;
    steps.count = int(std::min<double>(count, kMaxGridSteps));
    steps.limited = steps.limited || count > kMaxGridSteps;
    return steps;
}

} // namespace quillmar
