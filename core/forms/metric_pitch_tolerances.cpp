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

// ISO 965-1 TD1, the minor diameter tolerance of an inner thread, for the fine pitches
// where the table departs from the formula rounded to R40 (P 0.5: 140 for grade 6, where
// the formula gives 132), as Machinery's Handbook 27th ed. p. 1794, Table 8 "ANSI Standard
// Minor Diameter Tolerances of Internal Metric Threads TD1" (after ASME B1.13M) prints it
// for P 0.2 to 0.7
// (https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/74). Grades
// 4 to 8 in micrometres, 0 where the table prints none.
struct MinorToleranceRow {
    double pitch;
    std::array<int, 5> grades;
};

constexpr std::array<MinorToleranceRow, 9> kTd1{{
    {0.2, {38, 0, 0, 0, 0}},
    {0.25, {45, 56, 0, 0, 0}},
    {0.3, {53, 67, 85, 0, 0}},
    {0.35, {63, 80, 100, 0, 0}},
    {0.4, {71, 90, 112, 0, 0}},
    {0.45, {80, 100, 125, 0, 0}},
    {0.5, {90, 112, 140, 180, 0}},
    {0.6, {100, 125, 160, 200, 0}},
    {0.7, {112, 140, 180, 224, 0}},
}};

// ISO 965-1 TD2, the pitch diameter tolerance of an inner thread, in the cells where it is
// not 1.32 Td2 rounded to R40 or where a printed row holds every grade. Grades 4 to 8 in
// micrometres, 0 where no print of the cell was found (the formula stands in).
// Grade 6 over 5.6 up to 22.4 is read from ISO 965-2's limits of 6H (TD2 = D2 max - D2 min):
// M10 9.026/9.206 and M11 10.026/10.206 (180) as the ISCAR tap guide prints them (2022,
// p. 56, "limit dimensions - nut threads ISO 6H",
// http://docs.steelcam.org/iscar/katalog-iscar-vysokotochnye-razvertki-i-metchiki-2022-page56),
// M12x1.5 11.026/11.216 (190) and M12x1.25 11.188/11.368 (180) as Engineers Edge's 6H
// table prints them (https://www.engineersedge.com/hardware/metric-internal-thread-sizes1.htm).
// Over 90 up to 180 the rows are Machinery's Handbook's (31st ed., p. 2025, Table 10 "ANSI
// Standard Pitch-Diameter Tolerances of Internal Metric Thread, TD2", after ISO 965-1 and
// ASME B1.13M, https://online.flippingbook.com/view/954046886/655/): P 3 grade 4 is 190
// there, where 1.32 x 140 rounded to R40 gives 180.
struct InnerPitchToleranceRow {
    double over;
    double upTo;
    double pitch;
    std::array<int, 5> grades;
};

constexpr std::array<InnerPitchToleranceRow, 7> kTD2{{
    {5.6, 11.2, 1.5, {0, 0, 180, 0, 0}},
    {11.2, 22.4, 1.25, {0, 0, 180, 0, 0}},
    {11.2, 22.4, 1.5, {0, 0, 190, 0, 0}},
    {90, 180, 2, {160, 200, 250, 315, 400}},
    {90, 180, 3, {190, 236, 300, 375, 475}},
    {90, 180, 4, {212, 265, 335, 425, 530}},
    {90, 180, 6, {250, 315, 400, 500, 630}},
}};

bool samePitch(double a, double b) {
    return std::fabs(a - b) < 1e-9;
}

} // namespace

std::optional<double> tabledMinorTolerance(double p, int grade) {
    if (grade < 4 || grade > 8) {
        return std::nullopt;
    }
    for (const MinorToleranceRow& row : kTd1) {
        if (samePitch(row.pitch, p)) {
            const int value = row.grades[static_cast<std::size_t>(grade - 4)];
            return value > 0 ? std::optional<double>(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<double> tabledInnerPitchTolerance(double p, double d, int grade) {
    if (grade < 4 || grade > 8) {
        return std::nullopt;
    }
    for (const InnerPitchToleranceRow& row : kTD2) {
        if (d > row.over && d <= row.upTo && samePitch(row.pitch, p)) {
            const int value = row.grades[static_cast<std::size_t>(grade - 4)];
            return value > 0 ? std::optional<double>(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<double> tabledPitchTolerance(double p, double d, int grade) {
    if (grade < 3 || grade > 9) {
        return std::nullopt;
    }
    for (const PitchToleranceRow& row : kTd2) {
        if (d > row.over && d <= row.upTo && samePitch(row.pitch, p)) {
            const int value = row.grades[static_cast<std::size_t>(grade - 3)];
            return value > 0 ? std::optional<double>(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace quillmar::forms
