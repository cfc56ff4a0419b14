#include "cli/platform_console.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

// After the start-up step, the Japanese messages reach the console as characters: a
// Windows console is switched to UTF-8 output, any other takes the bytes as they are.
TEST(PlatformConsole, JapaneseMessagesShowAsWritten) {
    platform::prepareConsole();
    EXPECT_TRUE(platform::consoleShowsUtf8());
}

} // namespace
} // namespace quillmar
