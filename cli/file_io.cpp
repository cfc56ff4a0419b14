#include "cli/file_io.h"

#include "cli/platform_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

namespace quillmar {
namespace {

namespace fs = std::filesystem;

// Undoes the renames made so far, newest first, and removes what is left of the
// temporaries; an old file that could not be put back stays under its temporary's name
// rather than being lost.
void rollBack(std::vector<platform::Replacement>& outputs, std::size_t placed) {
    for (std::size_t i = placed; i-- > 0;) {
        platform::undoPutInPlace(outputs[i]);
    }
    for (const platform::Replacement& output : outputs) {
        if (!output.oldKept) {
            platform::removeTemporary(output);
        }
    }
}

} // namespace

IoResult<std::string> readJobFile(const std::string& path) {
    return platform::readFileUpTo(path, kLargestJobFile);
}

// Three passes: every target is checked before anything is written, every temporary is
// on disk before any is renamed, and a rename that fails takes back the ones before it.
IoResult<> replaceFiles(const std::vector<FileContent>& files) {
    std::vector<platform::Replacement> outputs;
    for (const FileContent& file : files) {
        auto target = platform::replaceableTarget(file.path);
        if (!target) {
            return unexpected(target.error());
        }
        outputs.push_back(std::move(*target));
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (auto written = platform::writeTemporary(outputs[i], files[i].bytes); !written) {
            rollBack(outputs, 0);
            return written;
        }
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (auto placed = platform::putInPlace(outputs[i]); !placed) {
            rollBack(outputs, i);
            return placed;
        }
    }
    for (platform::Replacement& output : outputs) {
        if (output.oldKept) {
            platform::removeTemporary(output);
        }
        platform::syncFolder(output);
    }
    return {};
}

IoResult<> writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        return ioFailure("standard output", std::strerror(errno));
    }
    return {};
}

bool namesSameFile(const std::string& a, const std::string& b) {
    // Made absolute first: a relative name of which nothing exists yet would otherwise
    // stay relative, and "t.NC" and "./t.NC" would seem to be two files.
    const auto resolved = [](const std::string& path) -> std::optional<fs::path> {
        std::error_code error;
        const fs::path absolute = fs::absolute(std::u8string(path.begin(), path.end()), error);
        if (error) {
            return std::nullopt;
        }
        fs::path canonical = fs::weakly_canonical(absolute, error);
        if (error) {
            return std::nullopt;
        }
        return canonical;
    };
    const auto pathA = resolved(a);
    const auto pathB = resolved(b);
    if (!pathA || !pathB) {
        return a == b;
    }
    return *pathA == *pathB;
}

} // namespace quillmar
