#include "core/checked_arithmetic.h"

#include <cmath>
#include <limits>

namespace quillmar {

double checkedDiv(double numerator, double divisor) {
    if (divisor == 0.0) {
        throw DataError("division by zero");
    }
    return checkedFinite(numerator / divisor);
}

double checkedSqrt(double value) {
    if (value < 0.0) {
        throw DataError("square root of a negative number");
    }
    return checkedFinite(std::sqrt(value));
}

double checkedFinite(double value) {
    if (!std::isfinite(value)) {
        throw DataError("arithmetic overflow");
    }
    return value;
}

float toSingle(double value) {
    checkedFinite(value);
    // A value whose rounding to single precision would overflow is refused, not
    // turned into an infinity.
    constexpr double largest = std::numeric_limits<float>::max();
    const float single = static_cast<float>(value);
    if (std::isinf(single) || std::fabs(value) > largest * (1.0 + 0x1p-25)) {
        throw DataError("value beyond single precision");
    }
    return single;
}

} // namespace quillmar
