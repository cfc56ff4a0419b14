#include "cli/file_io.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quillmar {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFiles, WritesEveryByteAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string bytes("N001 G00\r\n\0\xff\r\n", 14);
    writeBytes(folder.file("old.NC"), std::string(5000, 'x'));
    EXPECT_FALSE(replaceFiles({{folder.file("new.MIN"), "M"}, {folder.file("old.NC"), bytes}}));
    EXPECT_EQ(readBytes(folder.file("new.MIN")), "M");
    EXPECT_EQ(readBytes(folder.file("old.NC")), bytes);
    EXPECT_EQ(entries(folder.path()), 2u);
}

TEST(ReplaceFiles, ReplacedFileKeepsItsMode) {
    TempFolder folder;
    const std::string path = folder.file("kept.NC");
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_FALSE(replaceFiles({{path, "new"}}));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ReplaceFiles, SymbolicLinkStaysAndItsFileIsReplaced) {
    TempFolder folder;
    writeBytes(folder.file("real.NC"), "old");
    fs::create_symlink("real.NC", folder.file("link.NC"));
    EXPECT_FALSE(replaceFiles({{folder.file("link.NC"), "new"}}));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.NC")));
    EXPECT_EQ(readBytes(folder.file("real.NC")), "new");
}

struct FaultCase {
    const char* name;
    std::string badName; // relative to the folder
    std::string reason;
};

class ReplaceFilesFault : public ::testing::TestWithParam<FaultCase> {};

// A second file that cannot be written must not leave the first one replaced.
TEST_P(ReplaceFilesFault, LeavesEveryTargetAsItWas) {
    const FaultCase& c = GetParam();
    TempFolder folder;
    writeBytes(folder.file("first.MIN"), "old macro");
    writeBytes(folder.file("plain"), "a file, not a folder");
    fs::create_directory(folder.file("folder"));
    const std::size_t before = entries(folder.path());

    const auto fault =
        replaceFiles({{folder.file("first.MIN"), "new macro"}, {folder.file(c.badName), "x"}});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->fileName, folder.file(c.badName));
    EXPECT_EQ(fault->reason, c.reason);
    EXPECT_EQ(readBytes(folder.file("first.MIN")), "old macro");
    EXPECT_EQ(entries(folder.path()), before) << "a temporary was left behind";
    EXPECT_TRUE(fs::is_empty(folder.file("folder")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReplaceFilesFault,
    ::testing::Values(FaultCase{"MissingFolder", "missing/out.NC", "No such file or directory"},
                      FaultCase{"FolderOfAFile", "plain/out.NC", "Not a directory"},
                      FaultCase{"TargetIsAFolder", "folder", "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadWholeFile, GivesTheBytesOrTheSystemsReason) {
    TempFolder folder;
    writeBytes(folder.file("a.job"), "pitch = 6\r\n");
    EXPECT_EQ(std::get<std::string>(readWholeFile(folder.file("a.job"))), "pitch = 6\r\n");

    const auto missing = readWholeFile(folder.file("none.job"));
    ASSERT_TRUE(std::holds_alternative<IoFailure>(missing));
    EXPECT_EQ(std::get<IoFailure>(missing).reason, "No such file or directory");

    const auto isFolder = readWholeFile(folder.path().string());
    ASSERT_TRUE(std::holds_alternative<IoFailure>(isFolder));
    EXPECT_EQ(std::get<IoFailure>(isFolder).reason, "Is a directory");
}

TEST(NamesSameFile, SeesThroughDifferentSpellings) {
    TempFolder folder;
    const std::string a = folder.file("a.NC");
    EXPECT_TRUE(namesSameFile(a, (folder.path() / "." / "a.NC").string()));
    EXPECT_TRUE(namesSameFile(a, (folder.path() / "sub" / ".." / "a.NC").string()));
    EXPECT_FALSE(namesSameFile(a, folder.file("b.NC")));
}

// Two spellings of a file that is still to be written, relative to the current folder:
// the second output would replace the first.
TEST(NamesSameFile, SeesThroughRelativeNamesOfNewFiles) {
    const std::string name = "quillmar-no-such-output-file.NC";
    ASSERT_FALSE(std::filesystem::exists(name));
    EXPECT_TRUE(namesSameFile(name, "./" + name));
    EXPECT_TRUE(namesSameFile(name, "no-such-folder/../" + name));
    EXPECT_FALSE(namesSameFile(name, "other-" + name));
}

} // namespace
} // namespace quillmar
