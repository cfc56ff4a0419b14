#pragma once

// Runs the built quillmar-gen as a user's script would: in a folder, with arguments,
// standard input and, where a test needs it, changes to the environment.

#include "cli/join_text.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace quillmar::test {

inline const std::string kGenerator = QUILLMAR_GEN_PATH;
inline const std::string kWorkedExampleJob = QUILLMAR_SOURCE_DIR "/examples/worked-example.job";
inline const std::string kRunTwoFails = QUILLMAR_TEST_DATA_DIR "/run-two-fails.job";

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quote(const std::string& word) {
    std::string quoted(1, '\'');
    for (const char c : word) {
        quoted.append(c == '\'' ? "'\\''" : std::string(1, c));
    }
    quoted.push_back('\'');
    return quoted;
}

struct RunOptions {
    std::string input = {};      // fed to standard input
    std::string stdoutPath = {}; // standard output goes there instead of being kept
    // Words for env(1) before the generator: "-u", "NAME" or "NAME=value".
    std::vector<std::string> environment = {};
};

inline Finished runGenerator(const TempFolder& folder, const std::vector<std::string>& arguments,
                             const RunOptions& options = {}) {
    writeBytes(folder.file(".stdin"), options.input);
    const std::string out =
        options.stdoutPath.empty() ? folder.file(".stdout") : options.stdoutPath;
    std::string command = joinText({"cd ", quote(folder.path().string()), " && env "});
    for (const std::string& word : options.environment) {
        command.append(quote(word)).append(" ");
    }
    command.append(quote(kGenerator)).append(" ");
    for (const std::string& word : arguments) {
        command.append(quote(word)).append(" ");
    }
    command.append("<").append(quote(folder.file(".stdin")));
    command.append(" >").append(quote(out));
    command.append(" 2>").append(quote(folder.file(".stderr")));
    const int raw = std::system(command.c_str());
    Finished finished;
    finished.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    finished.out = options.stdoutPath.empty() ? readBytes(folder.file(".stdout")) : "";
    finished.err = readBytes(folder.file(".stderr"));
    return finished;
}

// "@" in a test's text stands for the folder.
inline std::string inFolder(std::string text, const TempFolder& folder) {
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, folder.path().string());
        at += folder.path().string().size();
    }
    return text;
}

inline std::vector<std::string> inFolder(std::vector<std::string> words, const TempFolder& folder) {
    for (std::string& word : words) {
        word = inFolder(word, folder);
    }
    return words;
}

// Files a user sees: the runner's own dot files and any temporary left behind are
// told apart by the test that counts.
inline std::vector<std::string> fileNames(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name != ".stdin" && name != ".stdout" && name != ".stderr") {
            names.push_back(name);
        }
    }
    return names;
}

using FileBytes = std::vector<std::pair<std::string, std::string>>; // name, bytes

inline void writeFiles(const TempFolder& folder, const FileBytes& files) {
    for (const auto& [name, bytes] : files) {
        writeBytes(folder.file(name), bytes);
    }
}

// After a failure: each file still holds its bytes, and nothing was added but `others`
// entries the test made itself; a temporary left behind counts as added.
inline void expectFilesKept(const TempFolder& folder, const FileBytes& files,
                            std::size_t others = 0) {
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(readBytes(folder.file(name)), bytes) << name;
    }
    EXPECT_EQ(fileNames(folder).size(), files.size() + others)
        << "a temporary or a new file was left behind";
}

} // namespace quillmar::test
