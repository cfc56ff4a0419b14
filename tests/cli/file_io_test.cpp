#include "cli/file_io.h"
#include "temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

// Renames onto a file named refuses-rename... fail as an interrupted one would, after
// every check has passed: how the writer takes back what it had renamed.
extern "C" int rename(const char* from, const char* to) {
    if (std::string_view(to).find("refuses-rename") != std::string_view::npos) {
        errno = EIO;
        return -1;
    }
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

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

// A target that cannot be written or cannot be replaced by a rename, made in the folder;
// its path, or nothing when this system or user cannot make it.
struct BadTarget {
    const char* name;
    std::optional<std::string> (*make)(const TempFolder& folder);
    std::string reason;
};

std::optional<std::string> immutableFile(const TempFolder& folder) {
    const std::string path = folder.file("locked.NC");
    writeBytes(path, "old");
    const std::string command = "chattr +i '" + path + "' 2>/dev/null";
    if (::geteuid() != 0 || std::system(command.c_str()) != 0) {
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> linkToFullDevice(const TempFolder& folder) {
    fs::create_symlink("/dev/full", folder.file("link.png"));
    return folder.file("link.png");
}

const BadTarget kBadTargets[] = {
    {"MissingFolder", [](const TempFolder& f) { return std::optional(f.file("missing/out.NC")); },
     "No such file or directory"},
    {"FolderOfAFile", [](const TempFolder& f) { return std::optional(f.file("plain/out.NC")); },
     "Not a directory"},
    {"TargetIsAFolder", [](const TempFolder& f) { return std::optional(f.file("folder")); },
     "Is a directory"},
    {"FullDevice", [](const TempFolder&) { return std::optional<std::string>("/dev/full"); },
     "not a regular file; outputs are replaced whole, which only a regular file can be"},
    {"LinkToFullDevice", linkToFullDevice,
     "not a regular file; outputs are replaced whole, which only a regular file can be"},
    {"ImmutableFile", immutableFile, "the file is immutable or append-only"},
};

class ReplaceFilesFault : public ::testing::TestWithParam<std::tuple<BadTarget, bool>> {};

// Whichever comes first, a target that cannot be replaced leaves the good one as it was.
TEST_P(ReplaceFilesFault, LeavesEveryTargetAsItWas) {
    const auto& [bad, badFirst] = GetParam();
    TempFolder folder;
    writeBytes(folder.file("first.MIN"), "old macro");
    writeBytes(folder.file("plain"), "a file, not a folder");
    fs::create_directory(folder.file("folder"));
    const std::optional<std::string> badPath = bad.make(folder);
    if (!badPath) {
        GTEST_SKIP() << "chattr +i needs root and a file system with the flag";
    }
    const std::size_t before = entries(folder.path());
    std::vector<FileContent> files = {{folder.file("first.MIN"), "new macro"}, {*badPath, "x"}};
    if (badFirst) {
        std::swap(files[0], files[1]);
    }

    const auto fault = replaceFiles(files);
    std::system(("chattr -i '" + folder.file("locked.NC") + "' 2>/dev/null").c_str());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->fileName, *badPath);
    EXPECT_EQ(fault->reason, bad.reason);
    EXPECT_EQ(readBytes(folder.file("first.MIN")), "old macro");
    EXPECT_EQ(entries(folder.path()), before) << "a temporary was left behind";
    EXPECT_TRUE(fs::is_empty(folder.file("folder")));
}

INSTANTIATE_TEST_SUITE_P(Rows, ReplaceFilesFault,
                         ::testing::Combine(::testing::ValuesIn(kBadTargets), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "First" : "Second");
                         });

// A rename that fails although every check passed takes back the renames before it: the
// replaced file gets its old bytes again and a new file goes away.
TEST(ReplaceFiles, FailedRenameTakesBackTheOnesBefore) {
    TempFolder folder;
    writeBytes(folder.file("old.MIN"), "old macro");
    const auto fault = replaceFiles({{folder.file("old.MIN"), "new macro"},
                                     {folder.file("new.NC"), "new program"},
                                     {folder.file("refuses-rename.NC"), "x"}});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->reason, "Input/output error");
    EXPECT_EQ(readBytes(folder.file("old.MIN")), "old macro");
    EXPECT_FALSE(fs::exists(folder.file("new.NC")));
    EXPECT_EQ(entries(folder.path()), 1u) << "a temporary was left behind";
}

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
