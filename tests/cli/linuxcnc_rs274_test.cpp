// Every LinuxCNC program of the example jobs run through LinuxCNC's own interpreter:
// it must accept the program, and the moves it makes of it must be the passes planned.
// grblHAL reads the same words (G7, G18, G21, G90, G33 K), so its straight-thread
// programs are run through the same interpreter too.

#include "cli/file_io.h"
#include "cli/job_runner.h"
#include "core/program_output.h"
#include "tests/support/temp_folder.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace quillmar {
namespace {

struct Pass {
    double startX, startZ, endX, endZ, leadAlongZ;
};

// The passes a run plans.
void addPlannedPasses(const PassPlan& plan, std::vector<Pass>& passes) {
    for (const PlannedPass& pass : plan.passes) {
        passes.push_back({pass.startX, pass.startZ, pass.endX, pass.endZ, pass.lead});
    }
}

// The numbers inside the parentheses of a canonical call.
std::vector<double> callArguments(const std::string& line) {
    std::vector<double> values;
    std::istringstream in(line.substr(line.find('(') + 1));
    for (double v; in >> v;) {
        values.push_back(v);
        in.ignore(1); // the comma
    }
    return values;
}

// The passes of rs274's canonical moves: the position when the synchronised move
// starts, its end (X as a diameter again) and its distance per revolution along Z.
std::vector<Pass> interpretedPasses(const std::string& canon) {
    std::vector<Pass> passes;
    std::istringstream lines(canon);
    double x = 0, z = 0, k = 0;
    bool synchronised = false;
    for (std::string line; std::getline(lines, line);) {
        const bool traverse = line.find("STRAIGHT_TRAVERSE(") != std::string::npos;
        const bool feed = line.find("STRAIGHT_FEED(") != std::string::npos;
        if (line.find("START_SPEED_FEED_SYNC(") != std::string::npos) {
            k = callArguments(line).at(0);
            synchronised = true;
        } else if (line.find("STOP_SPEED_FEED_SYNCH") != std::string::npos) {
            synchronised = false;
        } else if (traverse || feed) {
            const std::vector<double> to = callArguments(line);
            const double endX = to.at(0) * 2, endZ = to.at(2);
            if (feed && synchronised) {
                const double radial = (endX - x) / 2, run = std::abs(endZ - z);
                const double leadAlongZ = k * run / std::sqrt(run * run + radial * radial);
                passes.push_back({x, z, endX, endZ, leadAlongZ});
            }
            x = endX;
            z = endZ;
        }
    }
    return passes;
}

struct Row {
    const char* name;
    const char* example;
    const char* starts;  // overrides the job's starts when not empty
    const char* control; // the `control` value every run is written for
};

class LinuxCncInterpreter : public testing::TestWithParam<Row> {};

TEST_P(LinuxCncInterpreter, AcceptsTheProgramAndMovesAsPlanned) {
    if (std::system("command -v rs274 >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "rs274 (Debian package linuxcnc-uspace) is not installed";
    }
    const IoResult<std::string> text =
        readJobFile(std::string(QUILLMAR_SOURCE_DIR "/examples/") + GetParam().example);
    ASSERT_TRUE(text.has_value());
    JobFile file = parseJobFile(*text);
    ASSERT_FALSE(file.error.has_value());
    for (JobRun& run : file.runs) {
        run.control = GetParam().control;
    }
    if (*GetParam().starts != '\0') {
        file.runs.front().texts[JobField::Starts] = GetParam().starts;
    }
    std::vector<Pass> planned;
    float counter = 1;
    const JobOutcome outcome =
        runJob(file.runs, {}, [&](const DialogSnapshot& dialog, const MachineProfile&) {
            ThreadJob job;
            const PlannedRun run = planRun(job, counter, dialog);
            addPlannedPasses(run.plan, planned);
            counter = run.plan.counterAfter;
        });
    ASSERT_TRUE(outcome.ok());

    // The passes go into a program of the user's own, which starts the spindle.
    const test::TempFolder folder;
    std::ofstream(folder.file("passes.ngc"), std::ios::binary)
        << "%\r\nS500 M3\r\n"
        << outcome.standardText << "M5\r\nM30\r\n%\r\n";
    const std::string command = "rs274 -g '" + folder.file("passes.ngc") + "' >'" +
                                folder.file("canon.txt") + "' 2>'" + folder.file("errors.txt") +
                                "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::stringstream canon, errors;
    canon << std::ifstream(folder.file("canon.txt")).rdbuf();
    errors << std::ifstream(folder.file("errors.txt")).rdbuf();
    // rs274 says "executing" on standard error; anything else is its complaint.
    std::string complaint = errors.str();
    for (std::size_t at; (at = complaint.find("executing\n")) != std::string::npos;) {
        complaint.erase(at, 10);
    }
    EXPECT_EQ(complaint, "");

    const std::vector<Pass> interpreted = interpretedPasses(canon.str());
    ASSERT_EQ(interpreted.size(), planned.size());
    for (std::size_t i = 0; i < planned.size(); ++i) {
        SCOPED_TRACE("pass " + std::to_string(i + 1));
        EXPECT_NEAR(interpreted[i].startX, planned[i].startX, 0.001);
        EXPECT_NEAR(interpreted[i].startZ, planned[i].startZ, 0.001);
        EXPECT_NEAR(interpreted[i].endX, planned[i].endX, 0.001);
        EXPECT_NEAR(interpreted[i].endZ, planned[i].endZ, 0.001);
        EXPECT_NEAR(interpreted[i].leadAlongZ, planned[i].leadAlongZ, 0.001);
    }
}

// Inner and outer, straight and taper, one start and several; every example walks all
// eight segments of its groove, and the trapezoidal one runs three times. grblHAL writes
// straight threads only.
INSTANTIATE_TEST_SUITE_P(
    ExampleJobs, LinuxCncInterpreter,
    testing::Values(Row{"InnerWorked", "worked-example.job", "", "linuxcnc"},
                    Row{"InnerThreeRuns", "inner-trapezoidal-three-runs.job", "", "linuxcnc"},
                    Row{"OuterForm", "outer-trapezoidal-form.job", "", "linuxcnc"},
                    Row{"OuterTaper", "outer-taper-thread.job", "", "linuxcnc"},
                    Row{"OuterTwoStarts", "two-start-outer-thread.job", "", "linuxcnc"},
                    Row{"TaperThreeStarts", "outer-taper-thread.job", "3", "linuxcnc"},
                    Row{"TaperTwoStarts", "linuxcnc-taper-two-start.job", "", "linuxcnc"},
                    Row{"GrblHalInnerWorked", "worked-example.job", "", "grblhal"},
                    Row{"GrblHalInnerThreeRuns", "inner-trapezoidal-three-runs.job", "", "grblhal"},
                    Row{"GrblHalOuterForm", "outer-trapezoidal-form.job", "", "grblhal"},
                    Row{"GrblHalOuterTwoStarts", "two-start-outer-thread.job", "", "grblhal"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar
