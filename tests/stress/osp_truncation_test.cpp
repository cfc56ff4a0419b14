#include "cli/job_file.h"
#include "cli/job_runner.h"
#include "core/nc_number_format.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace quillmar {
namespace {

// Values the fuzzer found: typed with three decimals, or truncated once to three,
// their product with 1000 falls just below the whole number of thousandths.
struct TruncationCase {
    double typed;
    const char* text;
};

class OspTruncation : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(OspTruncation, KeepsTheThousandthTheUserTypedAndTruncatesOnlyOnce) {
    double field = GetParam().typed;
    EXPECT_EQ(formatOspNumber(field), GetParam().text);
    const double once = field;
    EXPECT_EQ(formatOspNumber(field), GetParam().text);
    EXPECT_EQ(field, once);
}

INSTANTIATE_TEST_SUITE_P(
    Found, OspTruncation,
    ::testing::Values(TruncationCase{2.006, "2.006"}, TruncationCase{2.0065, "2.006"},
                      TruncationCase{1.001, "1.001"}, TruncationCase{1.0015, "1.001"},
                      TruncationCase{-2.007, "-2.007"}, TruncationCase{8296.451, "8296.451"},
                      TruncationCase{8296.4519999999975, "8296.451"},
                      TruncationCase{-1064357.3195, "-1064357.32"},
                      // Unchanged neighbours: a value below the thousandth stays below it.
                      TruncationCase{2.0059999, "2.005"}, TruncationCase{17.39999998808, "17.399"},
                      TruncationCase{-0.0004, "-0.001"}, TruncationCase{0.0004, "0"}));

std::string exampleJob(const char* name) {
    std::ifstream in(std::string(QUILLMAR_SOURCE_DIR) + "/examples/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The pitch goes through the macro call's FD and then every G34 line of the standard
// program: both programs must cut the same pitch.
TEST(OspTruncation, MacroCallAndStandardProgramWriteTheSamePitch) {
    std::string job = exampleJob("outer-taper-thread.job");
    job = replaced(job, "pitch = 2.5", "pitch = 2.0065");
    job = replaced(job, "control = fanuc", "control = osp");
    job = replaced(job, "modin = off", "modin = on");
    const JobFile parsed = parseJobFile(job);
    ASSERT_TRUE(parsed.ok());
    const JobOutcome outcome = runJob(parsed.runs);
    ASSERT_TRUE(outcome.ok());
    EXPECT_NE(outcome.macroText.find("FD=2.006\r\n"), std::string::npos);
    EXPECT_NE(outcome.standardText.find(" F2.006\r\n"), std::string::npos);
    EXPECT_EQ(outcome.standardText.find(" F2.005"), std::string::npos);
}

} // namespace
} // namespace quillmar
