#pragma once

#include <cstdint>

namespace quillmar {

// No loop of a drawing runs longer than this, whatever the job holds. A grid of
// 0.5 mm steps reaches 2 m of radius before it, a grid of 5 mm steps 20 m of Z.
inline constexpr int kMaxGridSteps = 4000;

// The values first, first + 0.5, ... up to and including last.
struct HalfMillimetreSteps {
    double first = 0;
    int count = 0;
    bool limited = false; // stopped at kMaxGridSteps
    double at(int k) const { return first + 0.5 * k; }
};
HalfMillimetreSteps halfMillimetreSteps(double first, double last);

// The values first, first + step, ... up to and including last, counted in 16-bit
// integers: values outside -32768..32767 are left out, and so is everything past
// kMaxGridSteps values; `limited` says that something was.
struct Int16Steps {
    int first = 0;
    int step = 1;
    int count = 0;
    bool limited = false;
    std::int16_t at(int k) const { return std::int16_t(first + step * k); }
    // The counter after the loop: one step past the last value, or first when the
    // loop ran no step.
    int afterLast() const { return first + step * count; }
};
Int16Steps int16Steps(double first, double last, int step);

} // namespace quillmar
