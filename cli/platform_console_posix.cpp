#include "cli/platform_console.h"

namespace quillmar::platform {

std::vector<std::string> commandArguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareConsole() {}

bool consoleShowsUtf8() {
    return true;
}

} // namespace quillmar::platform
