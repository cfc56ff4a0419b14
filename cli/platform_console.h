#pragma once

// What differs between POSIX systems and Windows at the edges of quillmar-gen: the
// command line's words and the console. Text inside the program is UTF-8 on both.

#include <string>
#include <vector>

namespace quillmar::platform {

// The arguments after the program name, as UTF-8. On Windows they are taken from the
// wide-character command line, so that Japanese file names survive any code page.
std::vector<std::string> commandArguments(int argc, char** argv);

// Readies standard output and error: programs go out byte for byte (no line-end
// translation), and a Windows console shows the UTF-8 of the Japanese messages.
void prepareConsole();

// True when UTF-8 written to standard error shows as the characters it encodes:
// always on POSIX systems; on Windows once the console's output code page is UTF-8,
// or when standard error is no console at all (a file or a pipe takes the bytes).
bool consoleShowsUtf8();

} // namespace quillmar::platform
