#include "cli/file_io.h"
#include "tests/support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>
#ifndef _WIN32
#include <dlfcn.h>
#include <sys/stat.h>
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
#endif

namespace quillmar {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

std::string utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFiles, WritesEveryByteAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string bytes("N001 G00\r\n\0\xff\r\n", 14);
    writeBytes(folder.file("old.NC"), std::string(5000, 'x'));
    EXPECT_TRUE(replaceFiles({{folder.file("new.MIN"), "M"}, {folder.file("old.NC"), bytes}}));
    EXPECT_EQ(readBytes(folder.file("new.MIN")), "M");
    EXPECT_EQ(readBytes(folder.file("old.NC")), bytes);
    EXPECT_EQ(entries(folder.path()), 2u);
}

// Paths with Japanese characters: UTF-8 in the program, wide characters at the system.
TEST(ReplaceFiles, JapaneseFolderAndFileNames) {
    TempFolder folder;
    const fs::path japanese = folder.path() / fs::path(u8"ねじ加工");
    fs::create_directory(japanese);
    writeBytes(japanese / fs::path(u8"内径ねじ.job"), "pitch = 6\r\n");
    EXPECT_EQ(*readJobFile(utf8Path(japanese / fs::path(u8"内径ねじ.job"))), "pitch = 6\r\n");
    const std::string program = utf8Path(japanese / fs::path(u8"プログラム.NC"));
    EXPECT_TRUE(replaceFiles({{program, "N001\r\n"}}));
    EXPECT_TRUE(namesSameFile(
        program, utf8Path(japanese / ".." / fs::path(u8"ねじ加工") / fs::path(u8"プログラム.NC"))));
    EXPECT_EQ(readBytes(japanese / fs::path(u8"プログラム.NC")), "N001\r\n");
    EXPECT_EQ(entries(japanese), 2u);
}

#ifndef _WIN32
TEST(ReplaceFiles, ReplacedFileKeepsItsMode) {
    TempFolder folder;
    const std::string path = folder.file("kept.NC");
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(replaceFiles({{path, "new"}}));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ReplaceFiles, SymbolicLinkStaysAndItsFileIsReplaced) {
    TempFolder folder;
    writeBytes(folder.file("real.NC"), "old");
    fs::create_symlink("real.NC", folder.file("link.NC"));
    EXPECT_TRUE(replaceFiles({{folder.file("link.NC"), "new"}}));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.NC")));
    EXPECT_EQ(readBytes(folder.file("real.NC")), "new");
}
#endif

// A target that cannot be written or cannot be replaced by a rename, made in the folder;
// its path, or nothing when this system or user cannot make it.
struct BadTarget {
    const char* name;
    std::optional<std::string> (*make)(const TempFolder& folder);
    std::string reason;
};

#ifdef _WIN32
std::optional<std::string> readOnlyFile(const TempFolder& folder) {
    const std::string path = folder.file("locked.NC");
    writeBytes(path, "old");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    return path;
}
#else
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
#endif

const std::string kNotRegular =
    "not a regular file; outputs are replaced whole, which only a regular file can be";

const BadTarget kBadTargets[] = {
    {"MissingFolder", [](const TempFolder& f) { return std::optional(f.file("missing/out.NC")); },
     "No such file or directory"},
    {"TargetIsAFolder", [](const TempFolder& f) { return std::optional(f.file("folder")); },
     "Is a directory"},
#ifdef _WIN32
    {"ReadOnlyFile", readOnlyFile, "the file is read-only"},
#else
    {"FolderOfAFile", [](const TempFolder& f) { return std::optional(f.file("plain/out.NC")); },
     "Not a directory"},
    {"FullDevice", [](const TempFolder&) { return std::optional<std::string>("/dev/full"); },
     kNotRegular},
    {"LinkToFullDevice", linkToFullDevice, kNotRegular},
    {"ImmutableFile", immutableFile, "the file is immutable or append-only"},
#endif
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

    const auto replaced = replaceFiles(files);
#ifdef _WIN32
    std::error_code ignoredError;
    fs::permissions(folder.file("locked.NC"), fs::perms::owner_write, fs::perm_options::add,
                    ignoredError);
#else
    std::system(("chattr -i '" + folder.file("locked.NC") + "' 2>/dev/null").c_str());
#endif
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().fileName, *badPath);
    EXPECT_EQ(replaced.error().reason, bad.reason);
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

#ifndef _WIN32
// A rename that fails although every check passed takes back the renames before it: the
// replaced file gets its old bytes again and a new file goes away.
TEST(ReplaceFiles, FailedRenameTakesBackTheOnesBefore) {
    TempFolder folder;
    writeBytes(folder.file("old.MIN"), "old macro");
    const auto replaced = replaceFiles({{folder.file("old.MIN"), "new macro"},
                                        {folder.file("new.NC"), "new program"},
                                        {folder.file("refuses-rename.NC"), "x"}});
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().reason, "Input/output error");
    EXPECT_EQ(readBytes(folder.file("old.MIN")), "old macro");
    EXPECT_FALSE(fs::exists(folder.file("new.NC")));
    EXPECT_EQ(entries(folder.path()), 1u) << "a temporary was left behind";
}
#endif

TEST(ReadWholeFile, GivesTheBytesOrTheSystemsReason) {
    TempFolder folder;
    writeBytes(folder.file("a.job"), "pitch = 6\r\n");
    EXPECT_EQ(*readJobFile(folder.file("a.job")), "pitch = 6\r\n");

    const auto missing = readJobFile(folder.file("none.job"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().reason, "No such file or directory");

    const auto isFolder = readJobFile(folder.path().string());
    ASSERT_FALSE(isFolder);
    EXPECT_EQ(isFolder.error().reason, "Is a directory");
}

// A huge job file is refused before a byte of it is read.
TEST(ReadJobFile, RefusesAFileOver64Megabytes) {
    TempFolder folder;
    const std::string path = folder.file("huge.job");
    writeBytes(path, "");
    fs::resize_file(path, kLargestJobFile + 1); // sparse: no disk used
    const auto huge = readJobFile(path);
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().reason, "larger than 64 MB");
    fs::resize_file(path, 100);
    EXPECT_EQ(readJobFile(path)->size(), 100u);
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
