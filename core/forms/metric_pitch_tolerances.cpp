#include "core/forms/metric_pitch_tolerances.h"

#include <array>
#include <cmath>

namespace quillmar::forms {

namespace {

// One row of the table: the diameters over `over` up to and including `upTo`, one pitch,
// the tolerance of grades 3 to 9 in micrometres (0 where the table prints none).
struct PitchToleranceRow {
    double over;
    double upTo;
    double pitch;
    std::array<int, 7> grades;
};

// ISO 965-1 Td2, as Machinery's Handbook (31st ed., Table 11 "ANSI Standard Pitch-Diameter
// Tolerances of External Metric Threads, Td2", after ASME B1.13M-2005) reproduces it, for
// the diameters up to 45 mm it prints in full. The table departs from the formula rounded
// to R40 in a few cells (d 2.8 to 5.6, P 0.5: 75 for grade 6, not 80) and prints the
// tolerance to the whole micrometre (32 where R40 gives 31.5).
constexpr std::array<PitchToleranceRow, 24> kTd2{{
    {1.5, 2.8, 0.2, {25, 32, 40, 50, 0, 0, 0}},
    {1.5, 2.8, 0.25, {28, 36, 45, 56, 0, 0, 0}},
    {1.5, 2.8, 0.35, {32, 40, 50, 63, 80, 0, 0}},
    {1.5, 2.8, 0.4, {34, 42, 53, 67, 85, 0, 0}},
    {1.5, 2.8, 0.45, {36, 45, 56, 71, 90, 0, 0}},
    {2.8, 5.6, 0.35, {34, 42, 53, 67, 85, 0, 0}},
    {2.8, 5.6, 0.5, {38, 48, 60, 75, 95, 0, 0}},
    {2.8, 5.6, 0.6, {42, 53, 67, 85, 106, 0, 0}},
    {2.8, 5.6, 0.7, {45, 56, 71, 90, 112, 0, 0}},
    {2.8, 5.6, 0.75, {45, 56, 71, 90, 112, 0, 0}},
    {2.8, 5.6, 0.8, {48, 60, 75, 95, 118, 150, 190}},
    {5.6, 11.2, 0.75, {50, 63, 80, 100, 125, 0, 0}},
    {5.6, 11.2, 1, {56, 71, 90, 112, 140, 180, 224}},
    {5.6, 11.2, 1.25, {60, 75, 95, 118, 150, 190, 236}},
    {5.6, 11.2, 1.5, {67, 85, 106, 132, 170, 212, 265}},
    {11.2, 22.4, 1, {60, 75, 95, 118, 150, 190, 236}},
    {11.2, 22.4, 1.25, {67, 85, 106, 132, 170, 212, 265}},
    {11.2, 22.4, 1.5, {71, 90, 112, 140, 180, 224, 280}},
    {11.2, 22.4, 1.75, {75, 95, 118, 150, 190, 236, 300}},
    {11.2, 22.4, 2, {80, 100, 125, 160, 200, 250, 315}},
    {11.2, 22.4, 2.5, {85, 106, 132, 170, 212, 265, 335}},
    {22.4, 45, 1, {63, 80, 100, 125, 160, 200, 250}},
    {22.4, 45, 1.5, {75, 95, 118, 150, 190, 236, 300}},
    {22.4, 45, 2, {85, 106, 132, 170, 212, 265, 335}},
}};

} // namespace

std::optional<double> tabledPitchTolerance(double p, double d, int grade) {
    if (grade < 3 || grade > 9) {
        return std::nullopt;
    }
    for (const PitchToleranceRow& row : kTd2) {
        if (d > row.over && d <= row.upTo && std::fabs(row.pitch - p) < 1e-9) {
            const int value = row.grades[static_cast<std::size_t>(grade - 3)];
            return value > 0 ? std::optional<double>(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace quillmar::forms
