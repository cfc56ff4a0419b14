#include "core/checked_arithmetic.h"

#include <algorithm>
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

const std::string& checkedPositionText(const std::string& text) {
    // The texts are plain decimals: six digits before the point make 100,000 or more.
    const std::size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    static_assert(kPositionLimit == 100000);
    if (point > start + 5) {
        throw DataError("position beyond 100,000 mm");
    }
    return text;
}

const std::string& checkedFeedText(const std::string& text) {
    const bool positive = !text.empty() && text.front() != '-' &&
                          text.find_first_of("123456789") != std::string::npos;
    if (!positive) {
        throw DataError("feed not positive");
    }
    return text;
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
