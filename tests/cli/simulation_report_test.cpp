#include "cli/simulation_report.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

// A 60 degree V plunged 1.2 into X30 stock by a 0.001 nose on 30 degree sides: its
// pitch diameter is 29.3300508 (1.201 - s = 0.5 / tan 30, s below the stock), its
// major 30 and minor 27.6. Judged against bands set here, as a class would give them.
TEST(SimulationReport, JudgesTheGaugeAgainstTheFormsClass) {
    SectionSetup setup;
    setup.pitch = 2;
    setup.stockDiameter = 30;
    setup.noseRadius = 0.001;
    setup.bodyHalfAngleDegrees = 30;
    const auto result =
        simulateCut(readThreadingPasses(u"G00 X27.6 Z-1\r\nG32 Z-20 F2\r\nG00 X40\r\n"), setup);
    forms::ThreadForm form;
    form.designation = "V2-test";
    form.limits.pitch = {29.3, 29.32};
    form.limits.major = {29.9, 30.1};
    const std::string json = simulationJson(result, std::nullopt, std::nullopt, &form);
    EXPECT_NE(json.find("\"gauge\": {\"designation\": \"V2-test\", \"majorDiameter\": {\"value\": "
                        "30, \"min\": 29.9, \"max\": 30.1, \"inside\": true, \"by\": 0.1}, "
                        "\"pitchDiameter\": {\"value\": 29.330051, \"min\": 29.3, \"max\": 29.32, "
                        "\"inside\": false, \"by\": 0.010051}, \"minorDiameter\": {\"value\": "
                        "27.6, \"min\": null, \"max\": null, \"inside\": null, \"by\": null}, "
                        "\"firstFlankAngle\": 30, \"secondFlankAngle\": 30, "
                        "\"firstFlankStraightness\": 0, \"secondFlankStraightness\": 0, "
                        "\"verdict\": \"outside\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(simulationCsv(result, &form)
                  .find("# gauge,pitch_diameter_mm,29.330051,29.3,29.32,no,0.010051\r\n"),
              std::string::npos);
}

} // namespace
} // namespace quillmar
