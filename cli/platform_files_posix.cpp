// Whole-file writes on POSIX systems: mkstemp, fsync, and rename; on Linux the old file
// is kept by an exchanging rename until every output is in place.

#include "cli/platform_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

namespace quillmar::platform {
namespace {

namespace fs = std::filesystem;

Unexpected<IoFailure> failure(const std::string& fileName, int error) {
    return ioFailure(fileName, std::strerror(error));
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

// Reads to the end, or stops with EFBIG once more than `limit` bytes came.
int readAll(int fd, std::string& out, std::size_t limit) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return 0;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        out.append(buffer, static_cast<std::size_t>(got));
        if (out.size() > limit) {
            return EFBIG;
        }
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

std::string folderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// An immutable or append-only file or folder refuses every rename, even root's.
bool refusesRenames(const std::string& path) {
#ifdef __linux__
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false; // what cannot be opened is found out by the writing itself
    }
    int flags = 0;
    const bool refuses = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                         (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
    ::close(fd);
    return refuses;
#else
    (void)path;
    return false;
#endif
}

// In a folder with the sticky bit only the owner of a file, or of the folder, may
// replace it.
bool stickyFolderRefuses(const struct stat& file, const struct stat& folder) {
    const uid_t me = ::geteuid();
    return (folder.st_mode & S_ISVTX) != 0 && me != 0 && file.st_uid != me && folder.st_uid != me;
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

bool exchangeFiles(const std::string& a, const std::string& b) {
#ifdef RENAME_EXCHANGE
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
#else
    (void)a;
    (void)b;
    errno = EINVAL;
    return false;
#endif
}

} // namespace

IoResult<Replacement> replaceableTarget(const std::string& path) {
    Replacement output;
    output.shownName = path;
    output.target = finalPath(path);
    const std::string folder = folderOf(output.target);
    struct stat existing {};
    if (::stat(output.target.c_str(), &existing) != 0) {
        return output; // a new file: the folder's faults show when the temporary is made
    }
    if (S_ISDIR(existing.st_mode)) {
        return failure(path, EISDIR);
    }
    if (!S_ISREG(existing.st_mode)) {
        return ioFailure(path, "not a regular file; outputs are replaced whole, which only a "
                               "regular file can be");
    }
    struct stat folderInfo {};
    if (refusesRenames(output.target)) {
        return ioFailure(path, "the file is immutable or append-only");
    }
    if (refusesRenames(folder)) {
        return ioFailure(path, "its folder is immutable or append-only");
    }
    if (::stat(folder.c_str(), &folderInfo) == 0 && stickyFolderRefuses(existing, folderInfo)) {
        return ioFailure(path, "another user's file in a folder only owners may change");
    }
    return output;
}

IoResult<> writeTemporary(Replacement& output, std::string_view bytes) {
    std::string name(1, '.');
    name += fs::path(output.target).filename().string();
    name += ".XXXXXX";
    std::string temporary = (fs::path(folderOf(output.target)) / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return failure(output.shownName, errno);
    }
    int error = 0;
    if (::fchmod(fd, modeFor(output.target)) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(output.shownName, error);
    }
    output.temporary = std::move(temporary);
    return {};
}

IoResult<> putInPlace(Replacement& output) {
    struct stat existing {};
    output.existed = ::lstat(output.target.c_str(), &existing) == 0;
    if (output.existed && exchangeFiles(output.temporary, output.target)) {
        output.oldKept = true;
        return {};
    }
    // Where the file system cannot exchange, the old file goes at once.
    if (::rename(output.temporary.c_str(), output.target.c_str()) != 0) {
        return failure(output.shownName, errno);
    }
    return {};
}

void undoPutInPlace(Replacement& output) {
    if (output.oldKept) {
        output.oldKept = !exchangeFiles(output.temporary, output.target);
    } else if (!output.existed) {
        ::rename(output.target.c_str(), output.temporary.c_str());
    }
}

void removeTemporary(const Replacement& output) {
    if (!output.temporary.empty()) {
        ::unlink(output.temporary.c_str());
    }
}

void syncFolder(const Replacement& output) {
    const int fd = ::open(folderOf(output.target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

IoResult<std::string> readFileUpTo(const std::string& path, std::size_t limit) {
    const bool standardInput = path == "-";
    const std::string shown = standardInput ? "standard input" : path;
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return failure(shown, errno);
    }
    struct stat info {};
    int error = 0;
    std::string text;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (S_ISREG(info.st_mode) && std::uintmax_t(info.st_size) > limit) {
        error = EFBIG; // refused before a byte is read
    } else {
        error = readAll(fd, text, limit);
    }
    if (!standardInput) {
        ::close(fd);
    }
    if (error == EFBIG) {
        return ioFailure(shown, tooLargeReason(limit));
    }
    if (error != 0) {
        return failure(shown, error);
    }
    return text;
}

} // namespace quillmar::platform
