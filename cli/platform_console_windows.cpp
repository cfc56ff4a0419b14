#include "cli/platform_console.h"
#include "cli/windows_text.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

namespace quillmar::platform {

std::vector<std::string> commandArguments(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(utf8FromWide(words[i]));
    }
    LocalFree(words);
    return arguments;
}

void prepareConsole() {
    // Text mode would write every LF of a program as CR LF, making CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

bool consoleShowsUtf8() {
    DWORD mode = 0;
    const bool console = GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
    return !console || GetConsoleOutputCP() == CP_UTF8;
}

} // namespace quillmar::platform
