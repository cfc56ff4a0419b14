#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmar {

struct IoFailure {
    std::string fileName;
    std::string reason; // the system's words for the fault
};

// The whole content of a file; "-" reads standard input.
std::variant<std::string, IoFailure> readWholeFile(const std::string& path);

struct FileContent {
    std::string path;
    std::string bytes;
};

// Writes each file to a temporary beside it, flushed to disk, and only then renames the
// temporaries over the targets, so that a target is either replaced whole or left as it
// was. A fault before the renames leaves every target untouched and removes the
// temporaries. A symbolic link keeps pointing where it did: its target is replaced.
std::optional<IoFailure> replaceFiles(const std::vector<FileContent>& files);

// Writes all bytes to standard output and flushes it.
std::optional<IoFailure> writeStandardOutput(std::string_view bytes);

// True when both paths lead to the same file (or would, once created).
bool namesSameFile(const std::string& a, const std::string& b);

} // namespace quillmar
