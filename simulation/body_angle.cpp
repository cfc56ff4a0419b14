#include "simulation/body_angle.h"

#include "core/leading_number.h"

namespace quillmar {

std::optional<double> bodyHalfAngleFromText(std::string_view text) {
    int points = 0;
    for (const char c : text) {
        if (c == '.') {
            ++points;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    if (text.empty() || text == "." || points > 1) {
        return std::nullopt;
    }
    const double value = leadingNumberValue(text);
    return value < 90 ? std::optional<double>(value) : std::nullopt;
}

} // namespace quillmar
