#include "cli/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmar {
namespace {

namespace fs = std::filesystem;

IoFailure failure(const std::string& fileName, int error) {
    return {fileName, std::strerror(error)};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<int> readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return std::nullopt;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

// Where the bytes really go: through a symbolic link to the file it names.
std::string finalPath(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path target = fs::weakly_canonical(path, error);
        if (!error) {
            return target.string();
        }
    }
    return path;
}

// A new file gets the mode an ordinary create would give it; a replaced file keeps its own.
mode_t modeFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// One prepared output: a temporary to rename over a regular file, or, for a device or
// a pipe (/dev/stdout, a FIFO), nothing prepared: those are written in place.
struct Prepared {
    std::string target;
    std::string temporary; // empty: write the target in place
};

std::variant<Prepared, IoFailure> prepare(const FileContent& file) {
    const std::string target = finalPath(file.path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            return failure(file.path, EISDIR);
        }
        if (!S_ISREG(existing.st_mode)) {
            return Prepared{target, {}};
        }
    }
    fs::path folder = fs::path(target).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string name(1, '.');
    name += fs::path(target).filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return failure(file.path, errno);
    }
    int error = 0;
    if (::fchmod(fd, modeFor(target)) != 0 || !writeAll(fd, file.bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(file.path, error);
    }
    return Prepared{target, temporary};
}

int writeInPlace(const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = writeAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

void removeTemporaries(const std::vector<Prepared>& prepared, std::size_t from) {
    for (std::size_t i = from; i < prepared.size(); ++i) {
        if (!prepared[i].temporary.empty()) {
            ::unlink(prepared[i].temporary.c_str());
        }
    }
}

} // namespace

std::variant<std::string, IoFailure> readWholeFile(const std::string& path) {
    if (path == "-") {
        std::string text;
        if (const auto error = readAll(STDIN_FILENO, text)) {
            return failure("standard input", *error);
        }
        return text;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return failure(path, errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return failure(path, EISDIR);
    }
    std::string text;
    const auto error = readAll(fd, text);
    ::close(fd);
    if (error) {
        return failure(path, *error);
    }
    return text;
}

std::optional<IoFailure> replaceFiles(const std::vector<FileContent>& files) {
    std::vector<Prepared> prepared;
    for (const FileContent& file : files) {
        auto result = prepare(file);
        if (auto* fault = std::get_if<IoFailure>(&result)) {
            removeTemporaries(prepared, 0);
            return *fault;
        }
        prepared.push_back(std::get<Prepared>(std::move(result)));
    }
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        const Prepared& output = prepared[i];
        const int error =
            output.temporary.empty()
                ? writeInPlace(output.target, files[i].bytes)
                : (::rename(output.temporary.c_str(), output.target.c_str()) == 0 ? 0 : errno);
        if (error != 0) {
            removeTemporaries(prepared, i);
            return failure(files[i].path, error);
        }
    }
    return std::nullopt;
}

std::optional<IoFailure> writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        return failure("standard output", errno);
    }
    return std::nullopt;
}

bool namesSameFile(const std::string& a, const std::string& b) {
    // Made absolute first: a relative name of which nothing exists yet would otherwise
    // stay relative, and "t.NC" and "./t.NC" would seem to be two files.
    const auto resolved = [](const std::string& path) -> std::optional<fs::path> {
        std::error_code error;
        const fs::path absolute = fs::absolute(path, error);
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
