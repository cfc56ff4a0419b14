#include "core/plain_number_text.h"
#include "graphics/graphics.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillmar {

namespace {

// "###0.000": at least one digit before the point, exactly three after it, halves
// rounded away from zero, a minus sign for a negative value that does not round to
// zero. Integer digits from std::to_chars, so no locale can change the point.
std::string threeDecimals(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    // A float times 1000 has at most 34 significant bits: exact in a double.
    const double thousandths = std::round(std::fabs(value) * 1000);
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, thousandths, std::chars_format::fixed, 0);
    std::string text(digits, written.ptr);
    if (text.size() < 4) {
        text.insert(0, 4 - text.size(), '0');
    }
    text.insert(text.size() - 3, 1, '.');
    if (value < 0 && thousandths != 0) {
        text.insert(0, 1, '-');
    }
    return text;
}

} // namespace

std::string readoutText(float x, float y) {
    // The diameter is -2y in single precision; doubling is exact, so the double
    // product has the same value wherever a float can hold it, and never overflows.
    const double diameter = -2.0 * double(y);
    std::string text = "  X";
    text += threeDecimals(diameter);
    text += "  Z";
    text += threeDecimals(x);
    return text;
}

std::string printNumberItem(double value) {
    std::string text = value < 0 ? "" : " ";
    text += plainNumberText(value);
    return text;
}

} // namespace quillmar
