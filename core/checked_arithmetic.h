#pragma once

#include <stdexcept>

namespace quillmar {

// The one failure of the generator's arithmetic. It never leaves the program output
// command: the command turns it into a data-error result.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Floating point does not stop on bad arithmetic, so every operation that may fail
// is checked here, in one place.
double checkedDiv(double numerator, double divisor); // divisor exactly 0 -> DataError
double checkedSqrt(double value);                    // negative -> DataError
double checkedFinite(double value);                  // NaN or infinity -> DataError
float toSingle(double value);                        // beyond float range -> DataError

} // namespace quillmar
