// Runs the built quillmar-gen as a user's script would and checks bytes, messages and
// exit statuses.

#include "cli/join_text.h"
#include "gen_runner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

using test::fileNames;
using test::Finished;
using test::inFolder;
using test::kRunTwoFails;
using test::kWorkedExampleJob;
using test::readBytes;
using test::runGenerator;
using test::TempFolder;
using test::writeBytes;

const std::string kGoldenStandard = QUILLMAR_TEST_DATA_DIR "/golden/worked-example.NC";
const std::string kGoldenMacro = QUILLMAR_TEST_DATA_DIR "/golden/worked-example.MIN";
const std::string kUnknownKey = QUILLMAR_TEST_DATA_DIR "/unknown-key.job";
const std::string kNoseTooLarge = QUILLMAR_TEST_DATA_DIR "/nose-too-large.job";
const std::string kCuspTooLarge = QUILLMAR_TEST_DATA_DIR "/cusp-too-large.job";
const std::string kUndercut = QUILLMAR_TEST_DATA_DIR "/profile-undercut.job";
const std::string kProfileMissing = QUILLMAR_TEST_DATA_DIR "/profile-missing.job";
const std::string kFormExample = QUILLMAR_SOURCE_DIR "/examples/outer-trapezoidal-form.job";
const std::string kUsage = "Usage: quillmar-gen [OPTION]... JOBFILE\n"
                           "Try 'quillmar-gen --help' for more information.\n";

TEST(QuillmarGen, WorkedExampleStandardProgramGoesToStandardOutput) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {kWorkedExampleJob});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, readBytes(kGoldenStandard));
}

TEST(QuillmarGen, WorkedExampleFilesHoldWhatSaveWrites) {
    TempFolder folder;
    writeBytes(folder.file("thread.NC"), std::string(10000, 'x')); // longer than the new one
    const Finished run =
        runGenerator(folder, {"--macro", "thread.MIN", "--standard=thread.NC", kWorkedExampleJob});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "") << "with an output file nothing goes to standard output";
    EXPECT_EQ(readBytes(folder.file("thread.MIN")), readBytes(kGoldenMacro));
    EXPECT_EQ(readBytes(folder.file("thread.NC")), readBytes(kGoldenStandard));
}

TEST(QuillmarGen, JobFromStandardInput) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"-"}, {.input = readBytes(kWorkedExampleJob)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, readBytes(kGoldenStandard));
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments; // "@" stands for the folder
    int status;
    std::string err; // "@" stands for the folder
};

class QuillmarGenFails : public ::testing::TestWithParam<FailureCase> {};

// Whatever goes wrong, nothing is written: an existing output keeps its bytes, no
// temporary is left, and standard output stays empty.
TEST_P(QuillmarGenFails, WithItsStatusAndMessageAndWritesNothing) {
    const FailureCase& c = GetParam();
    TempFolder folder;
    const test::FileBytes kept = {{"kept.MIN", "old macro\r\n"}, {"kept.NC", "old program\r\n"}};
    test::writeFiles(folder, kept);
    const Finished run = runGenerator(folder, inFolder(c.arguments, folder));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, inFolder(c.err, folder));
    EXPECT_EQ(run.out, "");
    test::expectFilesKept(folder, kept);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuillmarGenFails,
    ::testing::Values(
        FailureCase{"RunFailsOnItsData",
                    {"--macro", "kept.MIN", "--standard", "kept.NC", kRunTwoFails},
                    1,
                    joinText({"データエラー run 2 (", kRunTwoFails, ":34): division by zero\n"})},
        FailureCase{"RunFailureWritesNoStandardOutput",
                    {kRunTwoFails},
                    1,
                    joinText({"データエラー run 2 (", kRunTwoFails, ":34): division by zero\n"})},
        FailureCase{"UnknownKey",
                    {"--standard", "kept.NC", kUnknownKey},
                    2,
                    kUnknownKey + ":4: unknown key \"ptich\"\n"},
        FailureCase{"FormCannotBeMade",
                    {"--standard", "kept.NC", kNoseTooLarge},
                    2,
                    kNoseTooLarge + ":5: A nose radius of 0.5 mm is too large for M20-6g: its "
                                    "floor corners may be rounded with R 0.3608 mm at most, and "
                                    "this nose would leave them rounder. The largest nose radius "
                                    "that fits is 0.36 mm.\n"},
        FailureCase{"CuspOutsideTheClass",
                    {"--standard", "kept.NC", kCuspTooLarge},
                    2,
                    kCuspTooLarge + ":6: A cusp height of 0.05 mm does not fit inside the class "
                                    "of Tr40x7-7e: its scallops spread the pitch diameter over up "
                                    "to 0.3864 mm, more than the class's band of 0.355 mm. The "
                                    "largest cusp height that fits is 0.0459 mm.\n"},
        FailureCase{"ProfileUndercut",
                    {"--standard", "kept.NC", kUndercut},
                    2,
                    kUndercut + ":6: profile: segment 2 runs back along Z at Z 1.0000 X 1.0000 "
                                "(an undercut no radial plunge can cut)\n"},
        FailureCase{"ProfileFileMissing",
                    {"--standard", "kept.NC", kProfileMissing},
                    2,
                    kProfileMissing + ":6: profile " + QUILLMAR_TEST_DATA_DIR +
                        "/no-such.groove: No such file or directory\n"},
        FailureCase{"FieldsWithAFileOption",
                    {"--fields", "--standard", "kept.NC", kFormExample},
                    2,
                    joinText({"quillmar-gen: '--fields' writes no programs or pictures: leave out "
                              "the file options\n",
                              kUsage})},
        FailureCase{"JobFileMissing",
                    {"--standard", "kept.NC", "none.job"},
                    2,
                    "quillmar-gen: cannot read none.job: No such file or directory\n"},
        FailureCase{"JobFileIsAFolder",
                    {"--standard", "kept.NC", "@"},
                    2,
                    "quillmar-gen: cannot read @: Is a directory\n"},
        FailureCase{"OutputFolderMissing",
                    {"--macro", "kept.MIN", "--standard", "no/such/x.NC", kWorkedExampleJob},
                    2,
                    "quillmar-gen: cannot write no/such/x.NC: No such file or directory\n"},
        FailureCase{"OutputIsAFolder",
                    {"--macro", "kept.MIN", "--standard", "@", kWorkedExampleJob},
                    2,
                    "quillmar-gen: cannot write @: Is a directory\n"},
        FailureCase{"StandardIsAFullDevice",
                    {"--macro", "kept.MIN", "--standard", "/dev/full", kWorkedExampleJob},
                    2,
                    "quillmar-gen: cannot write /dev/full: not a regular file; outputs are "
                    "replaced whole, which only a regular file can be\n"},
        FailureCase{"JobFileEndless",
                    {"--standard", "kept.NC", "/dev/zero"},
                    2,
                    "quillmar-gen: cannot read /dev/zero: larger than 64 MB\n"},
        FailureCase{
            "OutputIsTheJobFile",
            {"--standard", "./kept.NC", "kept.NC"},
            2,
            joinText({"quillmar-gen: --standard names the job file './kept.NC'\n", kUsage})},
        FailureCase{"OptionGivenTwice",
                    {"--standard", "kept.NC", "--standard", "other.NC", kWorkedExampleJob},
                    2,
                    joinText({"quillmar-gen: option '--standard' given twice\n", kUsage})},
        FailureCase{
            "BothToStandardOutput",
            {"--macro", "-", "--standard", "-", kWorkedExampleJob},
            2,
            joinText({"quillmar-gen: --macro and --standard both name standard output\n", kUsage})},
        FailureCase{"SameFileTwice",
                    {"--macro", "kept.NC", "--standard", "./kept.NC", kWorkedExampleJob},
                    2,
                    joinText({"quillmar-gen: --macro and --standard name the same file 'kept.NC'\n",
                              kUsage})},
        FailureCase{"UnknownOption",
                    {"--fanuc", kWorkedExampleJob},
                    2,
                    joinText({"quillmar-gen: unknown option '--fanuc'\n", kUsage})},
        FailureCase{"BadPictureSize",
                    {"--points-picture", "p.png", "--size", "800x0", kWorkedExampleJob},
                    2,
                    joinText({"quillmar-gen: invalid size '800x0' for '--size': give WIDTHxHEIGHT "
                              "in pixels, each side 1 to 16384\n",
                              kUsage})},
        FailureCase{"PictureNeitherPngNorSvg",
                    {"--macro", "kept.MIN", "--cutting-picture", "c.jpg", kWorkedExampleJob},
                    2,
                    joinText({"quillmar-gen: option '--cutting-picture' needs a file name ending "
                              "in .png or .svg ('c.jpg')\n",
                              kUsage})},
        FailureCase{
            "BothPicturesOneFile",
            {"--points-picture", "a.png", "--cutting-picture", "./a.png", kWorkedExampleJob},
            2,
            joinText({"quillmar-gen: --points-picture and --cutting-picture name the same "
                      "file 'a.png'\n",
                      kUsage})},
        FailureCase{"MissingJobFile",
                    {"--standard", "kept.NC"},
                    2,
                    joinText({"quillmar-gen: no job file given\n", kUsage})}),
    [](const auto& info) { return std::string(info.param.name); });

// The runs --fields lists are the runs as used: read back as a job file (elsewhere) they
// give the same programs and warnings as the job with its form, its machine and its drawn
// groove.
struct ListedFields {
    std::string_view name;
    std::string job;
    std::string listedLine;
    std::string machine; // keys put before the job's own, read from standard input
};

class FieldsReadBack : public ::testing::TestWithParam<ListedFields> {};

TEST_P(FieldsReadBack, GiveTheSamePrograms) {
    TempFolder folder;
    const ListedFields& p = GetParam();
    const std::string job = p.machine.empty() ? p.job : "-";
    const test::RunOptions input{.input = p.machine + (p.machine.empty() ? "" : readBytes(p.job))};
    const Finished fields = runGenerator(folder, {"--fields", job}, input);
    ASSERT_EQ(fields.status, 0) << fields.err;
    EXPECT_EQ(fields.out.find("\nform"), std::string::npos);
    EXPECT_NE(fields.out.find(GetParam().listedLine), std::string::npos) << fields.out;
    EXPECT_NE(fields.out.find("#   maxFeedZ: the Z axis' largest feed, mm/min\n"),
              std::string::npos);
    writeBytes(folder.file("listed.job"), fields.out);
    const Finished listed = runGenerator(folder, {folder.file("listed.job")});
    const Finished original = runGenerator(folder, {job}, input);
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, original.out);
    EXPECT_EQ(std::count(listed.err.begin(), listed.err.end(), '\n'),
              std::count(original.err.begin(), original.err.end(), '\n'))
        << listed.err;
}

INSTANTIATE_TEST_SUITE_P(
    QuillmarGen, FieldsReadBack,
    ::testing::Values(
        ListedFields{"Form", kFormExample, "\npitch = 7\n", ""},
        ListedFields{"DrawnGroove", QUILLMAR_SOURCE_DIR "/examples/gothic-arch-ball-screw.job",
                     "\nprofile = " QUILLMAR_SOURCE_DIR "/examples/gothic-arch-ball-screw.groove\n",
                     ""},
        ListedFields{"MachineUnknown", kWorkedExampleJob,
                     "\nspindleSpeed = \nmaxFeedZ = \ntimeConstant = 0.033\n", ""},
        ListedFields{"MachineZStartFromRunIn",
                     QUILLMAR_SOURCE_DIR "/examples/two-start-outer-thread.job",
                     "\nspindleSpeed = 1500\nmaxFeedZ = 10000\n",
                     "spindleSpeed = 1500\nmaxFeedZ = 10000\nzStartFromRunIn = on\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// "-" as an output file is standard output, as GNU programs take it.
TEST(QuillmarGen, DashWritesAProgramToStandardOutput) {
    TempFolder folder;
    const Finished run =
        runGenerator(folder, {"--macro", "-", "--standard", "thread.NC", kWorkedExampleJob});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, readBytes(kGoldenMacro));
    EXPECT_EQ(readBytes(folder.file("thread.NC")), readBytes(kGoldenStandard));
    EXPECT_EQ(fileNames(folder).size(), 1u) << "no file named -";
}

// Standard output is written before any file is replaced: when it fails, none is.
TEST(QuillmarGen, FullStandardOutputIsAnError) {
    TempFolder folder;
    const std::string message =
        "quillmar-gen: cannot write standard output: No space left on device\n";
    const Finished run = runGenerator(folder, {kWorkedExampleJob}, {.stdoutPath = "/dev/full"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, message);
    writeBytes(folder.file("kept.MIN"), "old macro\r\n");
    const Finished withFile =
        runGenerator(folder, {"--standard", "-", "--macro", "kept.MIN", kWorkedExampleJob},
                     {.stdoutPath = "/dev/full"});
    EXPECT_EQ(withFile.status, 2);
    EXPECT_EQ(withFile.err, message);
    EXPECT_EQ(readBytes(folder.file("kept.MIN")), "old macro\r\n");
}

// A line ending in CR alone reads as one ending in CR LF.
TEST(QuillmarGen, JobWithLoneCrLineEnds) {
    TempFolder folder;
    std::string job = readBytes(kWorkedExampleJob);
    for (std::size_t at = job.find('\n'); at != std::string::npos; at = job.find('\n', at)) {
        job[at] = '\r';
    }
    const Finished run = runGenerator(folder, {"-"}, {.input = job});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readBytes(kGoldenStandard));
}

// Qt is started only for pictures: a platform that cannot start is no matter for the
// programs.
TEST(QuillmarGen, ProgramsNeedNoQtPlatform) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--standard", "thread.NC", kWorkedExampleJob},
                                      {.environment = {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                                       "QT_QPA_PLATFORM=no-such-platform"}});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(folder.file("thread.NC")), readBytes(kGoldenStandard));
}

TEST(QuillmarGen, HelpAndVersion) {
    TempFolder folder;
    const Finished help = runGenerator(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("Usage: quillmar-gen [OPTION]... JOBFILE\n"), 0u);
    EXPECT_EQ(help.err, "");
    const Finished version = runGenerator(folder, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.find("quillmar-gen (Quillmar) 1.1.2\n"), 0u);
}

} // namespace
} // namespace quillmar
