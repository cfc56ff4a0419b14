// Runs quillmar-gen for the cut simulation's report and the roughing plan of a job.

#include "gen_runner.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace quillmar {
namespace {

using test::fileNames;
using test::Finished;
using test::kWorkedExampleJob;
using test::readBytes;
using test::runGenerator;
using test::TempFolder;
using test::writeBytes;

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

TEST(QuillmarGenReport, CsvHasOneRowAPass) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--report", "cut.CSV", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string csv = readBytes(folder.file("cut.CSV"));
    EXPECT_EQ(count(csv, "\r\n") - count(csv, "# gauge,"), 18u)
        << "a header and the worked example's 17 passes";
    // Then the gauge's figures: the bore of 30 and the floor of D1 = 34 not judged.
    EXPECT_NE(csv.find("\r\n# gauge,figure,value,min,max,inside,by\r\n# gauge,major_diameter_mm,"
                       "34,,,,\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n# gauge,minor_diameter_mm,30,,,,\r\n"), std::string::npos);
    // The first pass, X30.07 at Z10.75, cuts into the untouched 30 mm bore 0.035 deep:
    // a circle segment of the 0.4 nose, r^2 acos((r - h) / r) - (r - h) sqrt(2rh - h^2).
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2)),
        "run,pass,x,z,chip_area_mm2,chip_thickness_mm,air\r\n1,1,30.07,10.75,0.007706,0.035,no");
}

TEST(QuillmarGenReport, JsonSummarisesEveryFigure) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--report", "cut.json", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string json = readBytes(folder.file("cut.json"));
    EXPECT_EQ(count(json, "\"chipArea\""), 17u);
    for (const char* figure :
         {"\"passes\": 17", "\"runs\": 1", "\"airPasses\": 0", "\"largestChipArea\": {",
          "\"largestChipThickness\": {", "\"largestCusp\": {\"height\": 0.169",
          "\"largestGouge\": null", "\"largestCuspNormal\": {", "\"largestGougeNormal\": null",
          "\"largestChipThicknessNormal\": {",
          "\"gauge\": {\"designation\": null, \"majorDiameter\": {\"value\": 34, "
          "\"min\": null, \"max\": null, \"inside\": null, \"by\": null}",
          "\"verdict\": null}"}) {
        EXPECT_NE(json.find(figure), std::string::npos) << figure;
    }
}

TEST(QuillmarGenReport, MaxChipAreaPlansTheRunsOfItsRun) {
    TempFolder folder;
    writeBytes(folder.file("planned.job"), readBytes(kWorkedExampleJob) + "maxChipArea = 0.3\n");
    const Finished run =
        runGenerator(folder, {"--standard", "out.NC", "--report", "cut.json", "planned.job"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string program = readBytes(folder.file("out.NC"));
    EXPECT_GT(count(program, "(-----< D"), 1u) << "roughing runs before the finishing run";
    EXPECT_NE(program.rfind("(-----< D34 >-----)"), std::string::npos) << "the last run at size";
    const std::string json = readBytes(folder.file("cut.json"));
    EXPECT_NE(json.find("\"maxChipArea\": 0.3,"), std::string::npos);
    EXPECT_NE(json.find("\"passesOverLimit\": 0\n"), std::string::npos);
}

// The worked example (lead 6) at 1500 min^-1: a run-in of 17.9 mm, more than the
// 10.75 mm of its first pass; 10 m/min allow just 1500 min^-1 (0.9 x 10000 / 6).
const std::string kFastSpindle = "spindleSpeed = 1500\nmaxFeedZ = 10000\n";

TEST(QuillmarGenReport, MachineChecksAreReportedAndTheProgramStays) {
    TempFolder folder;
    writeBytes(folder.file("fast.job"), kFastSpindle + readBytes(kWorkedExampleJob));
    const Finished run =
        runGenerator(folder, {"--standard", "out.NC", "--report", "cut.json", "fast.job"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(runGenerator(folder, {"--standard", "plain.NC", kWorkedExampleJob}).status, 0);
    EXPECT_EQ(readBytes(folder.file("out.NC")), readBytes(folder.file("plain.NC")));
    EXPECT_NE(run.err.find("warning: fast.job: run 1, pass 1 (start 1): run-in 17.895 mm "
                           "needed, 10.75 mm from the work's face"),
              std::string::npos);
    const std::string json = readBytes(folder.file("cut.json"));
    EXPECT_NE(json.find("\"machine\": {\"runIn\": 17.895092, \"runOut\": 4.95, "
                        "\"maxSpindleSpeed\": 1500, \"cycleTime\": "),
              std::string::npos);
    EXPECT_EQ(count(json, "\"check\": \"runIn\""), 17u);
}

TEST(QuillmarGenReport, StrictRefusesAFailedCheckAndWritesNothing) {
    TempFolder folder;
    writeBytes(folder.file("fast.job"), kFastSpindle + readBytes(kWorkedExampleJob));
    const Finished run = runGenerator(folder, {"--strict", "--standard", "out.NC", "fast.job"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("quillmar-gen: fast.job: run 1, pass 17 (start 1): run-in"),
              std::string::npos);
    EXPECT_EQ(fileNames(folder), std::vector<std::string>{"fast.job"});
}

TEST(QuillmarGenReport, ZStartFromTheRunInPassesStrict) {
    TempFolder folder;
    writeBytes(folder.file("filled.job"),
               kFastSpindle + readBytes(kWorkedExampleJob) + "zStartFromRunIn = on\n");
    const Finished run = runGenerator(folder, {"--strict", "--standard", "-", "filled.job"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(QuillmarGenReport, AnImpossiblePlanWritesNothing) {
    TempFolder folder;
    writeBytes(folder.file("zero.job"), readBytes(kWorkedExampleJob) + "maxChipArea = 0\n");
    const Finished run = runGenerator(folder, {"--standard", "out.NC", "zero.job"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("maxChipArea must be more than 0"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("mm^2"), std::string::npos) << run.err;
    EXPECT_EQ(fileNames(folder), std::vector<std::string>{"zero.job"});
}

// A start cut from its start angle is simulated where its helix lies: pass for pass the
// same cut as the start shifted one pitch along Z.
class QuillmarGenAngleStarts : public ::testing::TestWithParam<std::string> {};

TEST_P(QuillmarGenAngleStarts, CutAsTheStartsShiftedAlongZ) {
    TempFolder folder;
    const std::string job = readBytes(QUILLMAR_TEST_DATA_DIR "/golden/" + GetParam() +
                                      "-worked-example-3-starts-angle.job");
    writeBytes(folder.file("angle.job"), job);
    writeBytes(folder.file("z.job"), job + "startShift = z\n");
    ASSERT_EQ(runGenerator(folder, {"--report", "angle.csv", "angle.job"}).status, 0);
    ASSERT_EQ(runGenerator(folder, {"--report", "z.csv", "z.job"}).status, 0);
    EXPECT_EQ(readBytes(folder.file("angle.csv")), readBytes(folder.file("z.csv")));
}

INSTANTIATE_TEST_SUITE_P(Controls, QuillmarGenAngleStarts,
                         ::testing::Values("mitsubishi", "heidenhain", "sinumerik"));

// What a control's threading move cannot do is refused by name, and nothing is written.
struct ControlRefusalRow {
    const char* name;
    const char* extraKeys;
    const char* message;
};

class QuillmarGenControlRefusal : public ::testing::TestWithParam<ControlRefusalRow> {};

TEST_P(QuillmarGenControlRefusal, NamesTheControlAndTheLimit) {
    TempFolder folder;
    writeBytes(
        folder.file("job.job"),
        readBytes(QUILLMAR_TEST_DATA_DIR "/golden/mitsubishi-worked-example-3-starts-angle.job") +
            GetParam().extraKeys);
    const Finished run = runGenerator(folder, {"--standard", "out.NC", "job.job"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(fileNames(folder), std::vector<std::string>{"job.job"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuillmarGenControlRefusal,
    ::testing::Values(
        ControlRefusalRow{"AngleStartsWithoutAnAngleWord", "control = haas\n",
                          "Haas has no start-angle word"},
        ControlRefusalRow{"AngleStartsOnLinuxCnc", "control = linuxcnc\n",
                          "LinuxCNC has no start-angle word"},
        ControlRefusalRow{"TaperSteeperThanTheLeadAlongZ", "taperAngle = -45.5\n",
                          "Mitsubishi takes the lead along Z on tapers of at most 45 degrees; "
                          "the taper angle is -45.5 degrees"},
        ControlRefusalRow{"TaperOnGrblHal", "startShift = z\ncontrol = grblhal\ntaperAngle = 1.5\n",
                          "grblHAL writes straight threads only: what its threading "
                          "move's lead means along a taper is not documented; the "
                          "taper angle is 1.5 degrees"},
        ControlRefusalRow{"LeadPastMitsubishisFRange", "pitch = 400\n",
                          "Mitsubishi takes leads from 0.001 to 999.999 mm; the lead is 1200 mm"},
        ControlRefusalRow{"FeedPastGrblHalsShareOfTheZFeed",
                          "startShift = z\ncontrol = grblhal\nspindleSpeed = 1000\n"
                          "maxFeedZ = 10000\n",
                          "grblHAL refuses a threading move whose lead x spindle speed passes "
                          "0.9 of the Z axis' largest feed: at the lead 18 mm the spindle "
                          "speed is at most 500 min^-1; the spindle speed is 1000 min^-1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A body leaning out by 30 degrees each side takes more than a body as wide as the
// nose wherever a pass goes deeper than where its sides leave the nose.
TEST(QuillmarGenReport, BodyAngleWidensTheDeepChips) {
    TempFolder folder;
    const auto largestChip = [&](const std::string& angle) {
        const Finished run = runGenerator(
            folder, {"--body-angle", angle, "--report", "cut.json", kWorkedExampleJob});
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string json = readBytes(folder.file("cut.json"));
        const auto at = json.find("\"largestChipArea\": {\"area\": ");
        return at == std::string::npos ? 0.0 : std::stod(json.substr(at + 29));
    };
    EXPECT_GT(largestChip("30"), largestChip("0"));
    const Finished refused = runGenerator(folder, {"--body-angle", "90", kWorkedExampleJob});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("give degrees from 0 to below 90"), std::string::npos)
        << refused.err;
}

// Every groove a designation makes has a known outline: pipe and Whitworth grooves end
// on the pitch, which an OSP lead truncates to 0.001, and a round thread's six-digit
// fields put its end a few hundredths of a micrometre past it.
struct FormRow {
    const char* form;
    const char* side;
    const char* control;
};

class QuillmarGenFormReport : public testing::TestWithParam<FormRow> {};

TEST_P(QuillmarGenFormReport, KnowsTheOutline) {
    const FormRow& row = GetParam();
    TempFolder folder;
    writeBytes(folder.file("form.job"),
               std::string("form = ") + row.form + "\nside = " + row.side +
                   "\ncontrol = " + row.control +
                   "\nnoseRadius = 0.1\ncusp = 0.01\nzStart = 5\nzEnd = -20\nxRetract = " +
                   (std::string(row.side) == "outer" ? "80" : "1") + "\n");
    const Finished run = runGenerator(folder, {"--report", "cut.json", "form.job"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string json = readBytes(folder.file("cut.json"));
    EXPECT_NE(json.find("\"outlineKnown\": true"), std::string::npos) << row.form;
    EXPECT_EQ(json.find("\"largestCusp\": null"), std::string::npos) << row.form;
    EXPECT_NE(json.find("\"gauge\": {\"designation\": \""), std::string::npos) << row.form;
}

INSTANTIATE_TEST_SUITE_P(Families, QuillmarGenFormReport,
                         testing::Values(FormRow{"G1/2", "outer", "osp"},
                                         FormRow{"R1/2", "outer", "osp"},
                                         FormRow{"1/2 BSW", "inner", "osp"},
                                         FormRow{"Rd40x1/6", "inner", "fanuc"}));
// The groove's second crest is D3's: the worked example with D3 = 29.6 lays its second
// flank 0.2 further out and is cut without a gouge, leaving its largest cusp (0.2044, at
// 3.4 on that flank) where an outline hung from D2 would read it 0.2 higher.
TEST(QuillmarGenReport, TheSecondCrestIsD3s) {
    TempFolder folder;
    writeBytes(folder.file("d3.job"), readBytes(kWorkedExampleJob) + "d3 = 29.6\n");
    const Finished run = runGenerator(folder, {"--report", "cut.json", "d3.job"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string json = readBytes(folder.file("cut.json"));
    EXPECT_NE(json.find("\"largestGouge\": null"), std::string::npos) << json;
    EXPECT_NE(json.find("\"largestCusp\": {\"height\": 0.2044"), std::string::npos) << json;
}

// Every z of the report is the program Z of its position: the worked example lays Z 11
// (zStart 5 plus the pitch 6) at position 0, so z + position is 11 for every pass and
// for every place of the summary.
TEST(QuillmarGenReport, EveryZIsTheProgramZOfItsPosition) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--report", "cut.json", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string json = readBytes(folder.file("cut.json"));
    const std::regex pair(
        R"re("z": ([-0-9.e]+), "position": ([-0-9.e]+)|"position": ([-0-9.e]+), "z": ([-0-9.e]+))re");
    int places = 0;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), pair);
         it != std::sregex_iterator(); ++it, ++places) {
        const std::smatch& m = *it;
        const double z = std::stod(m[1].matched ? m[1].str() : m[4].str());
        const double position = std::stod(m[1].matched ? m[2].str() : m[3].str());
        EXPECT_NEAR(z + position, 11, 1e-6) << m.str();
    }
    EXPECT_EQ(places, 17 + 5)
        << "every pass, the largest chip area and thickness (radial and normal), the cusp "
           "(radial and normal)";
}

TEST(QuillmarGenReport, ANameWithoutCsvOrJsonIsRefused) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--report", "cut.txt", kWorkedExampleJob});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("'--report' needs a file name ending in .csv or .json"),
              std::string::npos)
        << run.err;
}

} // namespace
} // namespace quillmar
