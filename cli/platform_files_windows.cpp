// Whole-file writes on Windows: paths are UTF-8 inside the program and wide (UTF-16) at
// the system's file functions, so that Japanese folder and file names work whatever the
// code page; a temporary written through and flushed, then MoveFileExW with
// replace-existing and write-through.

#include "cli/platform_files.h"
#include "cli/windows_text.h"

#include <windows.h>

namespace quillmar::platform {
namespace {

// The reason for a system error, in the words the POSIX build uses where they exist,
// so that scripts and tests see one wording.
std::string reasonFor(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return "No such file or directory";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "No space left on device";
    default:
        break;
    }
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' ||
                              words.back() == L'.' || words.back() == L' ')) {
        words.pop_back();
    }
    return words.empty() ? "system error " + std::to_string(error) : utf8FromWide(words);
}

Unexpected<IoFailure> failure(const std::string& fileName, DWORD error = GetLastError()) {
    return ioFailure(fileName, reasonFor(error));
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring fileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (ok()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : DWORD(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

IoResult<Replacement> replaceableTarget(const std::string& path) {
    Replacement output;
    output.shownName = path;
    output.target = path;
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return output; // a new file: the folder's faults show when the temporary is made
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ioFailure(path, "Is a directory");
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ioFailure(path, "the file is read-only");
    }
    const Handle file(CreateFileW(wideFromUtf8(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.ok() && GetFileType(file.get()) != FILE_TYPE_DISK) {
        return ioFailure(path, "not a regular file; outputs are replaced whole, which only a "
                               "regular file can be");
    }
    return output;
}

IoResult<> writeTemporary(Replacement& output, std::string_view bytes) {
    const std::wstring target = wideFromUtf8(output.target);
    const std::wstring stem = folderOf(target) + L"\\." + fileNameOf(target) + L".";
    for (unsigned attempt = 0;; ++attempt) {
        const std::wstring temporary =
            stem + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!file.ok()) {
            if (GetLastError() == ERROR_FILE_EXISTS && attempt < 1000) {
                continue;
            }
            return failure(output.shownName);
        }
        output.temporary = utf8FromWide(temporary);
        if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            return failure(output.shownName); // the caller removes the temporary
        }
        return {};
    }
}

IoResult<> putInPlace(Replacement& output) {
    const std::wstring target = wideFromUtf8(output.target);
    output.existed = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!MoveFileExW(wideFromUtf8(output.temporary).c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failure(output.shownName);
    }
    return {};
}

void undoPutInPlace(Replacement& output) {
    if (!output.existed) {
        MoveFileExW(wideFromUtf8(output.target).c_str(), wideFromUtf8(output.temporary).c_str(),
                    MOVEFILE_WRITE_THROUGH);
    }
}

void removeTemporary(const Replacement& output) {
    if (!output.temporary.empty()) {
        DeleteFileW(wideFromUtf8(output.temporary).c_str());
    }
}

void syncFolder(const Replacement&) {
    // MOVEFILE_WRITE_THROUGH returns only once the rename is on disk.
}

IoResult<std::string> readFileUpTo(const std::string& path, std::size_t limit) {
    const bool standardInput = path == "-";
    const std::string shown = standardInput ? "standard input" : path;
    if (!standardInput) {
        const DWORD attributes = GetFileAttributesW(wideFromUtf8(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return ioFailure(shown, "Is a directory");
        }
    }
    const Handle opened(standardInput ? INVALID_HANDLE_VALUE
                                      : CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const HANDLE file = standardInput ? GetStdHandle(STD_INPUT_HANDLE) : opened.get();
    if (!standardInput && !opened.ok()) {
        return failure(shown);
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) &&
        std::uint64_t(size.QuadPart) > limit) {
        return ioFailure(shown, tooLargeReason(limit));
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE) {
                break; // the writing end of a pipe has closed: its end
            }
            return failure(shown, error);
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, got);
        if (text.size() > limit) {
            return ioFailure(shown, tooLargeReason(limit));
        }
    }
    return text;
}

} // namespace quillmar::platform
