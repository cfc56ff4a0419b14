#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

using Action = CommandLine::Action;

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    Action action;
    std::string jobFile;
    std::string macroFile;    // "" when not given
    std::string standardFile; // "" when not given
    std::string problem;
};

class CommandLineParse : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineParse, ReadsTheArguments) {
    const CommandLineCase& c = GetParam();
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.problem, c.problem);
    if (c.action == Action::Generate) {
        EXPECT_EQ(line.jobFile, c.jobFile);
        EXPECT_EQ(line.macroFile.value_or(""), c.macroFile);
        EXPECT_EQ(line.standardFile.value_or(""), c.standardFile);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineParse,
    ::testing::Values(
        CommandLineCase{"JobFileOnly", {"a.job"}, Action::Generate, "a.job", "", "", ""},
        CommandLineCase{"BothFilesSeparate",
                        {"--macro", "m.MIN", "--standard", "s.NC", "a.job"},
                        Action::Generate,
                        "a.job",
                        "m.MIN",
                        "s.NC",
                        ""},
        CommandLineCase{"BothFilesWithEquals",
                        {"a.job", "--standard=s.NC", "--macro=m.MIN"},
                        Action::Generate,
                        "a.job",
                        "m.MIN",
                        "s.NC",
                        ""},
        CommandLineCase{"LaterOptionWins",
                        {"--macro", "1.MIN", "--macro=2.MIN", "a.job"},
                        Action::Generate,
                        "a.job",
                        "2.MIN",
                        "",
                        ""},
        CommandLineCase{"DashIsStandardInput", {"-"}, Action::Generate, "-", "", "", ""},
        CommandLineCase{"DoubleDashEndsOptions",
                        {"--", "--odd.job"},
                        Action::Generate,
                        "--odd.job",
                        "",
                        "",
                        ""},
        CommandLineCase{"Help", {"a.job", "--help", "--bogus"}, Action::Help, "", "", "", ""},
        CommandLineCase{"Version", {"--version"}, Action::Version, "", "", "", ""},
        CommandLineCase{"UnknownOption",
                        {"--fast", "a.job"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "unknown option '--fast'"},
        CommandLineCase{"UnknownShortOption",
                        {"-m", "x", "a.job"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "unknown option '-m'"},
        CommandLineCase{"OptionWithoutFile",
                        {"a.job", "--macro"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "option '--macro' needs a file name"},
        CommandLineCase{"OptionWithEmptyFile",
                        {"--standard=", "a.job"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "option '--standard' needs a file name"},
        CommandLineCase{
            "NoJobFile", {"--macro", "m.MIN"}, Action::BadUsage, "", "", "", "no job file given"},
        CommandLineCase{"NothingAtAll", {}, Action::BadUsage, "", "", "", "no job file given"},
        CommandLineCase{"TwoJobFiles",
                        {"a.job", "b.job"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "more than one job file given ('b.job')"},
        CommandLineCase{
            "EmptyJobFileName", {""}, Action::BadUsage, "", "", "", "the job file name is empty"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTexts, VersionAndHelpInTheUsualForm) {
    EXPECT_EQ(versionText().substr(0, versionText().find('\n')), "quillmar-gen (Quillmar) 1.1.2");
    const std::string help = helpText();
    EXPECT_EQ(help.find(usageLine()), 0u);
    EXPECT_NE(help.find("Exit status:"), std::string::npos);
    EXPECT_NE(help.find("Example:"), std::string::npos);
}

} // namespace
} // namespace quillmar
