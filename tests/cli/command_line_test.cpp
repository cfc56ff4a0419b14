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
        CommandLineCase{"OptionGivenTwice",
                        {"--macro", "1.MIN", "--macro=2.MIN", "a.job"},
                        Action::BadUsage,
                        "",
                        "",
                        "",
                        "option '--macro' given twice"},
        CommandLineCase{"DashIsStandardOutput",
                        {"--standard", "-", "a.job"},
                        Action::Generate,
                        "a.job",
                        "",
                        "-",
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

struct PictureOptionsCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string pointsPicture;  // "" when not given
    std::string cuttingPicture; // "" when not given
    PictureSize size;
    std::string problem; // "" when the line is good
};

class PictureOptionsParse : public ::testing::TestWithParam<PictureOptionsCase> {};

TEST_P(PictureOptionsParse, ReadsThePictureOptions) {
    const PictureOptionsCase& c = GetParam();
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(line.problem, c.problem);
    if (c.problem.empty()) {
        EXPECT_EQ(line.action, Action::Generate);
        EXPECT_EQ(line.pointsPicture.value_or(""), c.pointsPicture);
        EXPECT_EQ(line.cuttingPicture.value_or(""), c.cuttingPicture);
        EXPECT_EQ(line.pictureSize, c.size);
        EXPECT_EQ(line.writesFiles(), !c.pointsPicture.empty() || !c.cuttingPicture.empty());
    } else {
        EXPECT_EQ(line.action, Action::BadUsage);
    }
}

const std::string kSizeRule = "give WIDTHxHEIGHT in pixels, each side 1 to 16384";

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureOptionsParse,
    ::testing::Values(
        PictureOptionsCase{"NoPictures", {"a.job"}, "", "", {800, 400}, ""},
        PictureOptionsCase{"BothPicturesDefaultSize",
                           {"--points-picture", "p.png", "--cutting-picture=c.svg", "a.job"},
                           "p.png",
                           "c.svg",
                           {800, 400},
                           ""},
        PictureOptionsCase{"ExtensionInAnyCase",
                           {"--points-picture=P.PNG", "--cutting-picture", "c.Svg", "a.job"},
                           "P.PNG",
                           "c.Svg",
                           {800, 400},
                           ""},
        PictureOptionsCase{"Size",
                           {"--size", "1200x600", "--points-picture=p.png", "a.job"},
                           "p.png",
                           "",
                           {1200, 600},
                           ""},
        PictureOptionsCase{"SizeWithCapitalX", {"--size=16384X1", "a.job"}, "", "", {16384, 1}, ""},
        PictureOptionsCase{"SizeGivenTwice",
                           {"--size=10x10", "--size=20x30", "a.job"},
                           "",
                           "",
                           {800, 400},
                           "option '--size' given twice"},
        PictureOptionsCase{"BodyAngleGivenTwice",
                           {"--body-angle=10", "--body-angle", "20", "a.job"},
                           "",
                           "",
                           {800, 400},
                           "option '--body-angle' given twice"},
        PictureOptionsCase{"LeadingZeros", {"--size=0800x00400", "a.job"}, "", "", {800, 400}, ""},
        PictureOptionsCase{"PictureWithoutExtension",
                           {"--points-picture", "points", "a.job"},
                           "",
                           "",
                           {},
                           "option '--points-picture' needs a file name ending in .png or .svg "
                           "('points')"},
        PictureOptionsCase{"OtherImageFormat",
                           {"--cutting-picture", "c.jpg", "a.job"},
                           "",
                           "",
                           {},
                           "option '--cutting-picture' needs a file name ending in .png or .svg "
                           "('c.jpg')"},
        PictureOptionsCase{"ExtensionOnlyInTheFolder",
                           {"--cutting-picture", "x.png/c", "a.job"},
                           "",
                           "",
                           {},
                           "option '--cutting-picture' needs a file name ending in .png or .svg "
                           "('x.png/c')"},
        PictureOptionsCase{"EmptyPictureName",
                           {"--points-picture=", "a.job"},
                           "",
                           "",
                           {},
                           "option '--points-picture' needs a file name"},
        PictureOptionsCase{
            "SizeMissing", {"a.job", "--size"}, "", "", {}, "option '--size' needs a size"},
        PictureOptionsCase{"SizeEmpty",
                           {"--size=", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeOneNumber",
                           {"--size", "800", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '800' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeZero",
                           {"--size", "0x400", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '0x400' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeTooLarge",
                           {"--size", "800x16385", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '800x16385' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeBeyondAnyInteger",
                           {"--size", "99999999999x1", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '99999999999x1' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeNegative",
                           {"--size=-800x400", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '-800x400' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeWithBlanks",
                           {"--size", "800 x 400", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '800 x 400' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeWithUnit",
                           {"--size", "800x400px", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '800x400px' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeThreeSides",
                           {"--size", "8x4x2", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '8x4x2' for '--size': " + kSizeRule},
        PictureOptionsCase{"SizeFraction",
                           {"--size", "800.5x400", "a.job"},
                           "",
                           "",
                           {},
                           "invalid size '800.5x400' for '--size': " + kSizeRule}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTexts, VersionAndHelpInTheUsualForm) {
    EXPECT_EQ(versionText().substr(0, versionText().find('\n')), "quillmar-gen (Quillmar) 1.1.2");
    const std::string help = helpText();
    EXPECT_EQ(help.find(usageLine()), 0u);
    EXPECT_NE(help.find("Exit status:"), std::string::npos);
    EXPECT_NE(help.find("Examples:"), std::string::npos);
    for (const char* option : {"--macro FILE", "--standard FILE", "--points-picture FILE",
                               "--cutting-picture FILE", "--size WIDTHxHEIGHT"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

} // namespace
} // namespace quillmar
