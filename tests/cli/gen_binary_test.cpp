// Runs the built quillmar-gen as a user's script would and checks bytes, messages and
// exit statuses.

#include "cli/join_text.h"
#include "temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace quillmar {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const std::string kGenerator = QUILLMAR_GEN_PATH;
const std::string kWorkedExampleJob = QUILLMAR_SOURCE_DIR "/examples/worked-example.job";
const std::string kGoldenStandard = QUILLMAR_TEST_DATA_DIR "/worked-example.NC";
const std::string kGoldenMacro = QUILLMAR_TEST_DATA_DIR "/worked-example.MIN";
const std::string kRunTwoFails = QUILLMAR_TEST_DATA_DIR "/run-two-fails.job";
const std::string kUnknownKey = QUILLMAR_TEST_DATA_DIR "/unknown-key.job";

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quote(const std::string& word) {
    std::string quoted(1, '\'');
    for (const char c : word) {
        quoted.append(c == '\'' ? "'\\''" : std::string(1, c));
    }
    quoted.push_back('\'');
    return quoted;
}

// Runs the generator in the folder; `input` is fed to its standard input.
Finished runGenerator(const TempFolder& folder, const std::vector<std::string>& arguments,
                      const std::string& input = "", const std::string& stdoutPath = "") {
    writeBytes(folder.file(".stdin"), input);
    const std::string out = stdoutPath.empty() ? folder.file(".stdout") : stdoutPath;
    std::string command = "cd ";
    for (const std::string& word :
         {quote(folder.path().string()), std::string("&&"), quote(kGenerator)}) {
        command.append(word).append(" ");
    }
    for (const std::string& word : arguments) {
        command.append(quote(word)).append(" ");
    }
    command.append("<").append(quote(folder.file(".stdin")));
    command.append(" >").append(quote(out));
    command.append(" 2>").append(quote(folder.file(".stderr")));
    const int raw = std::system(command.c_str());
    Finished finished;
    finished.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    finished.out = stdoutPath.empty() ? readBytes(folder.file(".stdout")) : "";
    finished.err = readBytes(folder.file(".stderr"));
    return finished;
}

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
    const Finished run = runGenerator(folder, {"-"}, readBytes(kWorkedExampleJob));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, readBytes(kGoldenStandard));
}

TEST(QuillmarGen, EveryExampleJobRuns) {
    for (const char* name :
         {"worked-example.job", "inner-trapezoidal-three-runs.job", "outer-taper-thread.job"}) {
        TempFolder folder;
        const Finished run =
            runGenerator(folder, {joinText({QUILLMAR_SOURCE_DIR "/examples/", name})});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_NE(run.out.find("(-----< D"), std::string::npos) << name;
    }
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments; // "@" stands for the folder
    int status;
    std::string err; // "@" stands for the folder
};

std::string inFolder(std::string text, const TempFolder& folder) {
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, folder.path().string());
        at += folder.path().string().size();
    }
    return text;
}

class QuillmarGenFails : public ::testing::TestWithParam<FailureCase> {};

// Whatever goes wrong, nothing is written: an existing output keeps its bytes, no
// temporary is left, and standard output stays empty.
TEST_P(QuillmarGenFails, WithItsStatusAndMessageAndWritesNothing) {
    const FailureCase& c = GetParam();
    TempFolder folder;
    writeBytes(folder.file("kept.MIN"), "old macro\r\n");
    writeBytes(folder.file("kept.NC"), "old program\r\n");
    std::vector<std::string> arguments;
    for (const std::string& word : c.arguments) {
        arguments.push_back(inFolder(word, folder));
    }
    const Finished run = runGenerator(folder, arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, inFolder(c.err, folder));
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readBytes(folder.file("kept.MIN")), "old macro\r\n");
    EXPECT_EQ(readBytes(folder.file("kept.NC")), "old program\r\n");
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        files += entry.path().filename().string().front() == '.' ? 0 : 1;
    }
    EXPECT_EQ(files, 2u) << "a temporary or a new file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuillmarGenFails,
    ::testing::Values(
        FailureCase{"RunFailsOnItsData",
                    {"--macro", "kept.MIN", "--standard", "kept.NC", kRunTwoFails},
                    1,
                    joinText({"データエラー run 2 (", kRunTwoFails, ":34)\n"})},
        FailureCase{"RunFailureWritesNoStandardOutput",
                    {kRunTwoFails},
                    1,
                    joinText({"データエラー run 2 (", kRunTwoFails, ":34)\n"})},
        FailureCase{"UnknownKey",
                    {"--standard", "kept.NC", kUnknownKey},
                    2,
                    kUnknownKey + ":4: unknown key \"ptich\"\n"},
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
        FailureCase{"SameFileTwice",
                    {"--macro", "kept.NC", "--standard", "./kept.NC", kWorkedExampleJob},
                    2,
                    "quillmar-gen: --macro and --standard name the same file 'kept.NC'\n"
                    "Usage: quillmar-gen [--macro FILE] [--standard FILE] JOBFILE\n"
                    "Try 'quillmar-gen --help' for more information.\n"},
        FailureCase{"UnknownOption",
                    {"--fanuc", kWorkedExampleJob},
                    2,
                    "quillmar-gen: unknown option '--fanuc'\n"
                    "Usage: quillmar-gen [--macro FILE] [--standard FILE] JOBFILE\n"
                    "Try 'quillmar-gen --help' for more information.\n"},
        FailureCase{"MissingJobFile",
                    {"--standard", "kept.NC"},
                    2,
                    "quillmar-gen: no job file given\n"
                    "Usage: quillmar-gen [--macro FILE] [--standard FILE] JOBFILE\n"
                    "Try 'quillmar-gen --help' for more information.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuillmarGen, FullStandardOutputIsAnError) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {kWorkedExampleJob}, "", "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "quillmar-gen: cannot write standard output: No space left on device\n");
}

TEST(QuillmarGen, HelpAndVersion) {
    TempFolder folder;
    const Finished help = runGenerator(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("Usage: quillmar-gen [--macro FILE] [--standard FILE] JOBFILE\n"), 0u);
    EXPECT_EQ(help.err, "");
    const Finished version = runGenerator(folder, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.find("quillmar-gen (Quillmar) 1.1.2\n"), 0u);
}

} // namespace
} // namespace quillmar
