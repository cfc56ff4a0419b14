#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillmar::fuzz {

// A broken property: say which, with the text involved, and abort so that libFuzzer
// keeps the input and a replaying test fails.
[[noreturn]] inline void fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "fuzz property broken: %.*s [%.*s]\n", int(what.size()), what.data(),
                 int(detail.size()), detail.data());
    std::abort();
}

inline void require(bool condition, std::string_view what, std::string_view detail = {}) {
    if (!condition) {
        fail(what, detail);
    }
}

} // namespace quillmar::fuzz
