#pragma once

#include <vector>

namespace quillmar::forms {

// Nominal diameters and pitches of the trapezoidal general plan, the preferred pitch
// first. The buttress plan uses the same steps.
struct PowerScrewSize {
    double diameter;
    std::vector<double> pitches;
};
const std::vector<PowerScrewSize>& powerScrewTable();
const PowerScrewSize* findPowerScrewSize(double diameter);

} // namespace quillmar::forms
