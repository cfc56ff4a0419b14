#include "core/forms/preferred_numbers.h"

#include <array>
#include <cmath>

namespace quillmar::forms {

double r40(double micrometresValue) {
    if (!(micrometresValue > 0) || !std::isfinite(micrometresValue)) {
        return 0;
    }
    constexpr std::array<double, 41> series{100, 106, 112, 118, 125, 132, 140, 150, 160, 170, 180,
                                            190, 200, 212, 224, 236, 250, 265, 280, 300, 315, 335,
                                            355, 375, 400, 425, 450, 475, 500, 530, 560, 600, 630,
                                            670, 710, 750, 800, 850, 900, 950, 1000};
    double scale = 1;
    while (micrometresValue * scale < 100) {
        scale *= 10;
    }
    while (micrometresValue * scale > 1000) {
        scale /= 10;
    }
    const double v = micrometresValue * scale;
    double best = series.front();
    for (double candidate : series) {
        if (std::fabs(candidate - v) <= std::fabs(best - v)) {
            best = candidate;
        }
    }
    return best / scale;
}

} // namespace quillmar::forms
