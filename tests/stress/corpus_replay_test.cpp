#include "fuzz/fuzz_checks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace quillmar {
namespace {

namespace fs = std::filesystem;

struct FuzzTarget {
    const char* corpus; // folder under fuzz/corpus
    void (*check)(const std::uint8_t*, std::size_t);
};

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public ::testing::TestWithParam<FuzzTarget> {};

// Every seed and every input that once broke a property goes through the property
// again, in this build and under the sanitizers; a broken property aborts the test.
TEST_P(CorpusReplay, EveryInputKeepsTheProperty) {
    const fs::path folder = fs::path(QUILLMAR_SOURCE_DIR) / "fuzz" / "corpus" / GetParam().corpus;
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(folder)) {
        inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_GE(inputs.size(), 3u) << "a seed corpus of a few inputs belongs in " << folder;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.filename().string());
        const std::vector<std::uint8_t> bytes = fileBytes(input);
        GetParam().check(bytes.data(), bytes.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, CorpusReplay,
    ::testing::Values(FuzzTarget{"leading_number", quillmar::fuzz::checkLeadingNumber},
                      FuzzTarget{"number_formats", quillmar::fuzz::checkNumberFormats},
                      FuzzTarget{"nc_graphics", quillmar::fuzz::checkNcGraphics},
                      FuzzTarget{"job_output", quillmar::fuzz::checkJobOutput},
                      FuzzTarget{"cut_simulation", quillmar::fuzz::checkCutSimulation},
                      FuzzTarget{"profile_reading", quillmar::fuzz::checkProfileReading}),
    [](const auto& info) { return std::string(info.param.corpus); });

// The empty input is a complete case for every target.
TEST(CorpusReplay, TheEmptyInputKeepsEveryProperty) {
    const std::uint8_t none = 0;
    quillmar::fuzz::checkLeadingNumber(&none, 0);
    quillmar::fuzz::checkNumberFormats(&none, 0);
    quillmar::fuzz::checkNcGraphics(&none, 0);
    quillmar::fuzz::checkJobOutput(&none, 0);
    quillmar::fuzz::checkCutSimulation(&none, 0);
    quillmar::fuzz::checkProfileReading(&none, 0);
}

} // namespace
} // namespace quillmar
