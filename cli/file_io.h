#pragma once

#include "core/expected.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmar {

struct IoFailure {
    std::string fileName;
    std::string reason; // the system's words for the fault
};

// What an operation on files gives: its value, or which file failed and why.
template <typename T = void> using IoResult = Expected<T, IoFailure>;

inline Unexpected<IoFailure> ioFailure(std::string fileName, std::string reason) {
    return {IoFailure{std::move(fileName), std::move(reason)}};
}

// A job file is refused beyond this size before it is read whole: no job needs it, and
// /dev/zero or an endless pipe would otherwise be read until memory runs out.
inline constexpr std::size_t kLargestJobFile = std::size_t(64) << 20;

// The whole content of a job file; "-" reads standard input.
IoResult<std::string> readJobFile(const std::string& path);

struct FileContent {
    std::string path;
    std::string bytes;
};

// Replaces the files all together or not at all. Every target is checked first: one that
// a rename cannot replace (a folder, a device or pipe, a symbolic link to one, an
// immutable or append-only file) is refused before anything is written. Then each file
// is written to a temporary beside it and flushed to disk, and only then are the
// temporaries renamed over the targets; should a rename still fail, the ones before it
// are taken back where the system keeps the old file (Linux) or the target was new. A
// symbolic link keeps pointing where it did: its target is replaced.
IoResult<> replaceFiles(const std::vector<FileContent>& files);

// Writes all bytes to standard output and flushes it.
IoResult<> writeStandardOutput(std::string_view bytes);

// True when both paths lead to the same file (or would, once created).
bool namesSameFile(const std::string& a, const std::string& b);

} // namespace quillmar
