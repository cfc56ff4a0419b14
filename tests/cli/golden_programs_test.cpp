// Every example job and every job under data/golden gives exactly the bytes of its golden
// pair, read once by a person: the macro point data (.MIN) and the standard program (.NC).
// A new example without a golden pair fails here.

#include "gen_runner.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::runGenerator;
using test::TempFolder;

const fs::path kGoldenFolder = QUILLMAR_TEST_DATA_DIR "/golden";

std::vector<fs::path> goldenJobs() {
    std::vector<fs::path> jobs;
    for (const fs::path& folder : {fs::path(QUILLMAR_SOURCE_DIR "/examples"), kGoldenFolder}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".job") {
                jobs.push_back(entry.path());
            }
        }
    }
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

TEST(GoldenPrograms, EveryJobGivesItsGoldenBytes) {
    const std::vector<fs::path> jobs = goldenJobs();
    ASSERT_GE(jobs.size(), 5u);
    for (const fs::path& job : jobs) {
        SCOPED_TRACE(job.filename().string());
        const fs::path golden = kGoldenFolder / job.stem();
        ASSERT_TRUE(fs::exists(golden.string() + ".NC")) << "no golden pair for this job";
        TempFolder folder;
        const test::Finished run =
            runGenerator(folder, {"--macro", "out.MIN", "--standard", "out.NC", job.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(readBytes(folder.file("out.MIN")), readBytes(golden.string() + ".MIN"));
        EXPECT_EQ(readBytes(folder.file("out.NC")), readBytes(golden.string() + ".NC"));
    }
}

} // namespace
} // namespace quillmar
