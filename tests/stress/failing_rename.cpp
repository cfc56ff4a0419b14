#include "tests/stress/failing_rename.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>

namespace quillmar::testing {
namespace {
std::atomic<bool> renamesFail{false};
} // namespace

void setRenamesFail(bool fail) {
    renamesFail = fail;
}

} // namespace quillmar::testing

// Takes the place of the C library's rename for the whole test program, Qt included
// (the program's own symbols come first when shared libraries are bound).
extern "C" int rename(const char* from, const char* to) {
    if (quillmar::testing::renamesFail) {
        errno = EIO;
        return -1;
    }
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}
