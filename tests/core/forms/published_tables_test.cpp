// Every family of the catalogue against the standards' own published tables, kept as
// data in tests/core/forms/data (each file names its source). A value agrees when the
// catalogue's figure, rounded to the digits the table prints, is the table's: the two
// differ by at most half a unit of the last printed digit. Where a table gives a class's
// limits, they are the class's gauge limits and the groove is made to their middle.

#include "core/forms/groove_fields.h"
#include "published_table.h"
#include "tests/core/forms/english_message.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace quillmar::forms {
namespace {

using testing::TableRow;

struct TableFile {
    const char* family; // the test's name
    const char* file;
    double unit; // millimetres per unit of the table's diameters
};

std::optional<double> cellNumber(const TableRow& row, std::string_view column) {
    const std::string_view text = row.text(column);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Half a unit of the last digit printed in the cell.
double halfLastDigit(std::string_view text) {
    const auto point = text.find('.');
    const auto decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals)) + 1e-9;
}

// One figure against a cell, or against the middle of a max and a min column.
void expectPrinted(const TableRow& row, std::string_view exact, double actual, double unit) {
    const auto maxColumn = std::string(exact) + "_max";
    const auto minColumn = std::string(exact) + "_min";
    if (const auto value = cellNumber(row, exact)) {
        EXPECT_NEAR(actual / unit, *value, halfLastDigit(row.text(exact))) << exact;
    }
    const auto high = cellNumber(row, maxColumn);
    const auto low = cellNumber(row, minColumn);
    if (high && low) {
        const double digits =
            std::max(halfLastDigit(row.text(maxColumn)), halfLastDigit(row.text(minColumn)));
        EXPECT_NEAR(actual / unit, (*high + *low) / 2, digits) << "middle of " << exact;
    }
}

// A class's band against the table's own limits, each to its last printed digit.
void expectBand(const TableRow& row, std::string_view column, const DiameterBand& band,
                double unit) {
    for (const auto& [suffix, limit] : {std::pair{"_max", band.max}, std::pair{"_min", band.min}}) {
        const std::string name = std::string(column) + suffix;
        if (const auto value = cellNumber(row, name)) {
            ASSERT_TRUE(band.known()) << "no limits of " << column;
            EXPECT_NEAR(limit / unit, *value, halfLastDigit(row.text(name))) << name;
        }
    }
}

void checkRow(const TableRow& row, double unit) {
    const std::string typed(row.text("typed"));
    SCOPED_TRACE("line " + std::to_string(row.line) + ": " + typed);
    const Side side = row.text("side") == "inner" ? Side::Inner : Side::Outer;
    const auto fields = grooveFields(typed, {side, 0, std::nullopt});
    if (const std::string_view refused = row.text("refused"); !refused.empty()) {
        ASSERT_FALSE(fields.ok()) << "accepted as " << fields->form.designation;
        EXPECT_NE(english(fields.error()).find(refused), std::string::npos)
            << english(fields.error());
        return;
    }
    ASSERT_TRUE(fields.ok()) << english(fields.error());
    const ThreadForm& form = fields->form;
    if (const std::string_view understood = row.text("understood"); !understood.empty()) {
        EXPECT_EQ(form.designation, understood);
    }
    if (const auto starts = cellNumber(row, "starts")) {
        EXPECT_EQ(form.starts, static_cast<int>(*starts));
    }
    expectPrinted(row, "pitch_mm", form.pitch, 1);
    expectPrinted(row, "tpi", kMillimetresPerInch / form.pitch, 1);
    expectPrinted(row, "major", form.basicMajor, unit);
    expectPrinted(row, "pitch_diameter", form.basicPitchDiameter, unit);
    expectPrinted(row, "minor", form.basicMinor, unit);
    expectPrinted(row, "crest", form.crestDiameter, unit);
    expectPrinted(row, "pd", form.pitchDiameter, unit);
    expectPrinted(row, "floor", fields->figures.floorDiameter, unit);
    expectPrinted(row, "floor_radius", form.floorRadius, unit);
    const GaugeLimits& limits = form.limits;
    expectBand(row, "crest", side == Side::Outer ? limits.major : limits.minor, unit);
    expectBand(row, "pd", limits.pitch, unit);
    expectPrinted(row, "pd_tolerance", limits.pitch.max - limits.pitch.min, unit);
    expectBand(row, "floor", side == Side::Outer ? limits.minor : limits.major, unit);
    const GaugePlaneLimit& plane = limits.gaugePlane;
    expectPrinted(row, "e0", plane.smallEndPitchDiameter, unit);
    expectPrinted(row, "e1", plane.gaugePitchDiameter, unit);
    expectPrinted(row, "l1", plane.gaugeLength, unit);
    expectPrinted(row, "gauge_turns", plane.tolerance / form.pitch, 1);
    expectPrinted(row, "gauge_tolerance_mm", plane.tolerance, 1);
}

class PublishedTable : public ::testing::TestWithParam<TableFile> {};

TEST_P(PublishedTable, EveryRowAgreesToItsLastPrintedDigit) {
    const std::vector<TableRow> rows = testing::readPublishedTable(GetParam().file);
    ASSERT_FALSE(rows.empty()) << GetParam().file;
    for (const TableRow& row : rows) {
        checkRow(row, GetParam().unit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, PublishedTable,
    ::testing::Values(TableFile{"MetricPitches", "iso261_pitches.csv", 1},
                      TableFile{"MetricLimits", "iso965_limits.csv", 1},
                      TableFile{"UnifiedSeries", "asme_b1_1_series.csv", kMillimetresPerInch},
                      TableFile{"UnifiedLimits", "asme_b1_1_limits.csv", kMillimetresPerInch},
                      TableFile{"UnifiedNutsInMillimetres", "asme_b1_1_unf_nuts_mm.csv", 1},
                      TableFile{"Trapezoidal", "iso2904_trapezoidal.csv", 1},
                      TableFile{"Acme", "asme_b1_5_acme.csv", kMillimetresPerInch},
                      TableFile{"StubAcme", "asme_b1_8_stub_acme.csv", kMillimetresPerInch},
                      TableFile{"Whitworth", "bs84_whitworth.csv", kMillimetresPerInch},
                      TableFile{"PipeParallel", "iso228_pipe.csv", 1},
                      TableFile{"PipeTaper", "iso7_pipe.csv", 1},
                      TableFile{"Round", "din405_round.csv", 1},
                      TableFile{"Npt", "asme_b1_20_1_npt.csv", kMillimetresPerInch}),
    [](const ::testing::TestParamInfo<TableFile>& info) { return info.param.family; });

} // namespace
} // namespace quillmar::forms
