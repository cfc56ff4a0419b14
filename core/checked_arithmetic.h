#pragma once

#include <stdexcept>
#include <string>

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

// The numbers a program is written with, checked as the program holds them (their
// text), so that the check sees exactly what truncation or rounding made of them.
// An X or Z of 100,000 mm or more in magnitude is beyond any control, and a threading
// pass needs a positive feed; either is a DataError.
inline constexpr double kPositionLimit = 100000;
const std::string& checkedPositionText(const std::string& text);
const std::string& checkedFeedText(const std::string& text);

} // namespace quillmar
