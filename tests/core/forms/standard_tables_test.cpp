#include "core/forms/groove_fields.h"
#include "tests/core/forms/english_message.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmar::forms {
namespace {

constexpr double kInch = 25.4;

// Basic sizes as the standards' own tables print them (millimetres, or inches times
// 25.4), and where the standard fixes it the floor the groove is cut to. A table's
// last printed digit allows half a unit of rounding; the pipe tables take their minor
// diameters from a thread depth already rounded to 0.001 mm, so they allow a whole unit.
struct Published {
    const char* designation;
    Side side;
    double major;
    double pitchDiameter;
    double minor;     // the minor diameter of this side
    double floor;     // NAN: not fixed by the standard (a class or a choice decides it)
    double tolerance; // half the last printed digit
};

class PublishedSizes : public testing::TestWithParam<Published> {};

TEST_P(PublishedSizes, MatchTheStandardsTables) {
    const Published& row = GetParam();
    SCOPED_TRACE(row.designation);
    const auto fields = grooveFields(row.designation, {row.side, 0, std::nullopt});
    ASSERT_TRUE(fields.ok()) << english(fields.error());
    EXPECT_NEAR(fields->form.basicMajor, row.major, row.tolerance);
    EXPECT_NEAR(fields->form.basicPitchDiameter, row.pitchDiameter, row.tolerance);
    EXPECT_NEAR(fields->form.basicMinor, row.minor, row.tolerance);
    if (!std::isnan(row.floor)) {
        EXPECT_NEAR(fields->figures.floorDiameter, row.floor, row.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PublishedSizes,
    testing::Values(Published{"M20x2.5", Side::Outer, 20, 18.376, 16.933, NAN, 0.0005},
                    Published{"M20x2.5", Side::Inner, 20, 18.376, 17.294, NAN, 0.0005},
                    Published{"M8x1.25", Side::Outer, 8, 7.188, 6.466, NAN, 0.0005},
                    Published{"M8x1.25", Side::Inner, 8, 7.188, 6.647, NAN, 0.0005},
                    Published{"Tr40x7", Side::Outer, 40, 36.5, 32, NAN, 0.0005},
                    Published{"Tr40x7", Side::Inner, 40, 36.5, 33, 41, 0.0005},
                    Published{"Tr20x4", Side::Outer, 20, 18, 15.5, NAN, 0.0005},
                    Published{"Tr20x4", Side::Inner, 20, 18, 16, 20.5, 0.0005},
                    Published{"Rd40x1/6", Side::Outer, 40, 37.883, 35.343, 35.343, 0.0005},
                    Published{"Rd40x1/6", Side::Inner, 40, 37.883, 35.767, 40.423, 0.0005},
                    Published{"S40x7", Side::Outer, 40, 34.75, 27.852, 27.852, 0.001},
                    Published{"S40x7", Side::Inner, 40, 34.75, 29.5, NAN, 0.0005},
                    Published{"G1/2", Side::Outer, 20.955, 19.793, 18.631, NAN, 0.0005},
                    Published{"G1 1/2", Side::Inner, 47.803, 46.324, 44.845, NAN, 0.0005},
                    Published{"1/2 BSW", Side::Outer, 0.5 * kInch, 0.4466 * kInch, 0.3933 * kInch,
                              0.3933 * kInch, 0.00005 * kInch},
                    Published{"1/2-13 UNC", Side::Outer, 0.5 * kInch, 0.4500 * kInch,
                              0.4056 * kInch, NAN, 0.00005 * kInch},
                    Published{"1/2-13 UNC", Side::Inner, 0.5 * kInch, 0.4500 * kInch,
                              0.4167 * kInch, NAN, 0.00005 * kInch},
                    Published{"1-5 ACME", Side::Outer, kInch, 0.9 * kInch, 0.8 * kInch, NAN,
                              0.00005 * kInch},
                    Published{"1-5 ACME", Side::Inner, kInch, 0.9 * kInch, 0.8 * kInch,
                              1.02 * kInch, 0.00005 * kInch},
                    Published{"1/2-14 NPT", Side::Outer, (0.75843 + 0.8 / 14) * kInch,
                              0.75843 * kInch, (0.75843 - 0.8 / 14) * kInch, NAN, 0.000005 * kInch},
                    Published{"1/2-14 NPT", Side::Inner, (0.77843 + 0.8 / 14) * kInch,
                              0.77843 * kInch, (0.77843 - 0.8 / 14) * kInch, NAN, 0.000005 * kInch},
                    // The largest sizes, 14 to 24 named by their outside diameter.
                    Published{"8-8 NPT", Side::Outer, (8.43359 + 0.1) * kInch, 8.43359 * kInch,
                              (8.43359 - 0.1) * kInch, NAN, 0.000005 * kInch},
                    Published{"24-8 NPT", Side::Inner, (23.86094 + 0.1) * kInch, 23.86094 * kInch,
                              (23.86094 - 0.1) * kInch, NAN, 0.000005 * kInch},
                    Published{"Rc1/2", Side::Inner, 20.955, 19.793, 18.631, 20.955, 0.001},
                    Published{"R1/2", Side::Outer, 20.955 - 8.2 / 16, 19.793 - 8.2 / 16,
                              18.631 - 8.2 / 16, NAN, 0.001}));

// With a class, the diameters the groove is made to lie inside the limits the
// standard tabulates for it.
struct ClassLimits {
    const char* designation;
    Side side;
    double crestLow;
    double crestHigh;
    double pitchLow;
    double pitchHigh;
    double floorLow = NAN; // where the table gives the floor's limits too
    double floorHigh = NAN;
};

class ClassMiddle : public testing::TestWithParam<ClassLimits> {};

TEST_P(ClassMiddle, DesignedDiametersLieInsideTheTabulatedLimits) {
    const ClassLimits& row = GetParam();
    SCOPED_TRACE(row.designation);
    const auto fields = grooveFields(row.designation, {row.side, 0, std::nullopt});
    ASSERT_TRUE(fields.ok()) << english(fields.error());
    EXPECT_GE(fields->figures.crestDiameter, row.crestLow);
    EXPECT_LE(fields->figures.crestDiameter, row.crestHigh);
    EXPECT_GE(fields->figures.pitchDiameter, row.pitchLow);
    EXPECT_LE(fields->figures.pitchDiameter, row.pitchHigh);
    if (!std::isnan(row.floorLow)) {
        EXPECT_GE(fields->figures.floorDiameter, row.floorLow);
        EXPECT_LE(fields->figures.floorDiameter, row.floorHigh);
    }
    // The floor clears the mating thread's crest: below the basic minor diameter of
    // an outer thread less its deviation, beyond the basic major of an inner one.
    if (row.side == Side::Outer) {
        EXPECT_LT(fields->figures.floorDiameter, fields->form.basicMinor);
    } else {
        EXPECT_GE(fields->figures.floorDiameter, fields->form.basicMajor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClassMiddle,
    testing::Values(
        ClassLimits{"M20x2.5-6g", Side::Outer, 19.623, 19.958, 18.164, 18.334},
        ClassLimits{"M20x2.5-6H", Side::Inner, 17.294, 17.744, 18.376, 18.600},
        ClassLimits{"M8x1.25-6g", Side::Outer, 7.760, 7.972, 7.042, 7.160},
        ClassLimits{"M8x1.25-6H", Side::Inner, 6.647, 6.912, 7.188, 7.348},
        ClassLimits{"1/2-13 UNC-2A", Side::Outer, 0.4876 * kInch, 0.4985 * kInch, 0.4435 * kInch,
                    0.4485 * kInch},
        ClassLimits{"1/2-13 UNC-2B", Side::Inner, 0.4170 * kInch, 0.4340 * kInch, 0.4500 * kInch,
                    0.4565 * kInch},
        ClassLimits{"Tr8x1.5-7e", Side::Outer, 7.850, 8.000, 7.013, 7.183, 5.921, 6.200},
        ClassLimits{"Tr10x2-7e", Side::Outer, 9.820, 10.000, 8.739, 8.929, 7.191, 7.500},
        ClassLimits{"Tr12x3-7e", Side::Outer, 11.764, 12.000, 10.191, 10.415, 8.135, 8.500},
        ClassLimits{"Tr16x4-7e", Side::Outer, 15.700, 16.000, 13.640, 13.905, 11.074, 11.500}));

TEST(MultiStart, FillsTheStartsAndKeepsThePitch) {
    const auto fields = grooveFields("Tr40x14(P7)", {Side::Outer, 0.3, std::nullopt});
    ASSERT_TRUE(fields.ok()) << english(fields.error());
    EXPECT_EQ(fields->texts[JobField::Pitch], "7");
    EXPECT_EQ(fields->texts[JobField::Starts], "2");
}

} // namespace
} // namespace quillmar::forms
